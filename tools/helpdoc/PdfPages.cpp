#include "PdfPages.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <stdexcept>

#include "HelpStyle.h"

namespace tavelin::helpdoc {

namespace {

const QMarginsF kMarginsMm(24, 18, 24, 12);
constexpr qreal kFooterMm = 12;
constexpr qreal kFooterPoints = 8;
const QColor kFooterInk(96, 96, 96);

void DrawFooter(QPainter& painter, const QRectF& area, const QString& title, int page, int pages) {
  painter.save();
  painter.setPen(QPen(kFooterInk, 0));
  painter.drawLine(area.topLeft(), area.topRight());
  QFont font;
  font.setFamilies(HeadingFamilies());
  font.setPointSizeF(kFooterPoints);
  painter.setFont(font);
  const QRectF text = area.adjusted(0, area.height() / 3, 0, 0);
  painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, title);
  painter.drawText(text, Qt::AlignRight | Qt::AlignTop,
                   QStringLiteral("Pàgina %1 de %2").arg(page).arg(pages));
  painter.restore();
}

// Qt writes the time of writing into the document's information: it becomes blanks of the same
// length, which keeps every offset of the file right, so that the same text gives the same bytes.
void BlankCreationDate(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite))
    throw std::runtime_error("cannot reopen " + path.toStdString());
  QByteArray bytes = file.readAll();
  const qsizetype start = bytes.indexOf("/CreationDate (");
  const qsizetype end = bytes.indexOf(')', start);
  if (start < 0 || end < 0) return;
  bytes.replace(start, end + 1 - start, QByteArray(end + 1 - start, ' '));
  if (!file.seek(0) || file.write(bytes) != bytes.size())
    throw std::runtime_error("cannot write " + path.toStdString());
}

void WritePages(QTextDocument& document, const QString& path, const QString& title) {
  QPdfWriter writer(path);
  writer.setTitle(title);
  writer.setCreator(QStringLiteral("Tavelin"));
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(kMarginsMm, QPageLayout::Millimeter);

  QPainter painter(&writer);
  // The pictures are pixel art and screenshots: a lossy encoding would smear their edges.
  painter.setRenderHint(QPainter::LosslessImageRendering);

  // Laid out at the writer's resolution, the text takes the metrics it is printed with.
  QAbstractTextDocumentLayout& layout = *document.documentLayout();
  layout.setPaintDevice(&writer);
  const qreal pixelsPerMm = writer.resolution() / 25.4;
  const qreal footerHeight = kFooterMm * pixelsPerMm;
  const QSizeF body(writer.width(), writer.height() - footerHeight);
  document.setPageSize(body);

  const int pages = document.pageCount();
  for (int page = 0; page < pages; ++page) {
    if (page > 0) writer.newPage();
    const QRectF view(QPointF(0, page * body.height()), body);
    painter.save();
    painter.translate(0, -view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    layout.draw(&painter, context);
    painter.restore();
    DrawFooter(painter, QRectF(QPointF(0, body.height()), QSizeF(body.width(), footerHeight)),
               title, page + 1, pages);
  }
}

}  // namespace

void WritePdf(QTextDocument& document, const QString& path, const QString& title) {
  // QPdfWriter reports no failure to open its file: find it out first.
  if (QFile file(path); !file.open(QIODevice::WriteOnly)) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
  WritePages(document, path, title);
  BlankCreationDate(path);
}

}  // namespace tavelin::helpdoc
