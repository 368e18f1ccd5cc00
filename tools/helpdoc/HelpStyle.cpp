#include "HelpStyle.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextTable>
#include <vector>

namespace tavelin::helpdoc {

namespace {

// Colours of the program itself: the folder names of the tree window, the chooser's prompt, the
// recent list's background.
const QColor kNavy(0, 0, 128);
const QColor kDarkRed(128, 0, 0);
const QColor kLightYellow(255, 255, 192);
const QColor kRule(160, 160, 160);

// Installed with the build tools on Linux first, then what Windows has.
const QStringList kBodyFamilies = {"DejaVu Serif", "Cambria", "Georgia", "Times New Roman"};
const QStringList kCodeFamilies = {"DejaVu Sans Mono", "Consolas", "Courier New"};

constexpr qreal kBodyPoints = 10;
constexpr qreal kCodePoints = 9;
constexpr int kLineHeightPercent = 118;

struct HeadingStyle {
  qreal points;
  QColor colour;
  qreal spaceAbove;
  qreal spaceBelow;
};

HeadingStyle StyleOfHeading(int level) {
  switch (level) {
    case 1:
      return {26, kNavy, 0, 4};
    case 2:
      return {16, kNavy, 12, 8};
    default:
      return {12, kDarkRed, 10, 3};
  }
}

struct Span {
  int position;
  int length;
  QTextCharFormat format;
};

// The block's fragments, read before any of them is changed: a changed format can merge them.
std::vector<Span> SpansOf(const QTextBlock& block) {
  std::vector<Span> spans;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    spans.push_back({fragment.position(), fragment.length(), fragment.charFormat()});
  }
  return spans;
}

void Apply(QTextDocument& document, const Span& span) {
  QTextCursor cursor(&document);
  cursor.setPosition(span.position);
  cursor.setPosition(span.position + span.length, QTextCursor::KeepAnchor);
  cursor.setCharFormat(span.format);
}

void StyleHeading(QTextDocument& document, const QTextBlock& block, QTextBlockFormat& format) {
  const HeadingStyle style = StyleOfHeading(format.headingLevel());
  format.setTopMargin(Points(style.spaceAbove));
  format.setBottomMargin(Points(style.spaceBelow));
  format.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
  for (Span span : SpansOf(block)) {
    // The importer sizes headings relative to the body; here they get sizes of their own.
    span.format.clearProperty(QTextFormat::FontSizeAdjustment);
    span.format.setFontFamilies(HeadingFamilies());
    span.format.setFontPointSize(style.points);
    span.format.setFontWeight(QFont::Bold);
    span.format.setForeground(style.colour);
    Apply(document, span);
  }
}

void StyleCode(QTextDocument& document, const QTextBlock& block) {
  for (Span span : SpansOf(block)) {
    if (!span.format.fontFixedPitch()) continue;
    span.format.setFontFamilies(kCodeFamilies);
    span.format.setFontPointSize(kCodePoints);
    Apply(document, span);
  }
}

void StyleTable(QTextTable& table) {
  QTextTableFormat format = table.format();
  format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  format.setBorder(0.75);
  format.setBorderBrush(kRule);
  format.setBorderCollapse(true);
  format.setCellSpacing(0);
  format.setCellPadding(Points(3));
  format.setTopMargin(Points(4));
  format.setBottomMargin(Points(8));
  format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
  format.setHeaderRowCount(1);
  table.setFormat(format);
  for (int row = 0; row < table.rows(); ++row) {
    for (int column = 0; column < table.columns(); ++column) {
      QTextTableCell cell = table.cellAt(row, column);
      QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
      cellFormat.setVerticalAlignment(QTextCharFormat::AlignMiddle);
      cell.setFormat(cellFormat);
      if (row == 0) {
        cellFormat.setBackground(kLightYellow);
        cell.setFormat(cellFormat);
        QTextCursor text = cell.firstCursorPosition();
        text.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        QTextCharFormat head;
        head.setFontFamilies(HeadingFamilies());
        head.setFontWeight(QFont::Bold);
        text.mergeCharFormat(head);
      }
    }
  }
}

void StyleTables(QTextFrame& frame) {
  for (QTextFrame* child : frame.childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(child)) StyleTable(*table);
    StyleTables(*child);
  }
}

}  // namespace

QStringList HeadingFamilies() {
  return {"DejaVu Sans", "Segoe UI", "Arial"};
}

void StyleText(QTextDocument& document) {
  QFont body;
  body.setFamilies(kBodyFamilies);
  body.setPointSizeF(kBodyPoints);
  // Without ligatures, so that the text found and copied in the PDF is the text written.
  body.setStyleStrategy(QFont::PreferNoShaping);
  document.setDefaultFont(body);
  document.setDocumentMargin(0);

  bool firstChapter = true;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    QTextBlockFormat format = block.blockFormat();
    if (format.headingLevel() > 0) {
      StyleHeading(document, block, format);
      if (format.headingLevel() == 2) {
        if (!firstChapter) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        firstChapter = false;
      }
    } else {
      format.setLineHeight(kLineHeightPercent, QTextBlockFormat::ProportionalHeight);
      format.setBottomMargin(Points(block.textList() != nullptr ? 2 : 6));
      StyleCode(document, block);
    }
    QTextCursor(block).setBlockFormat(format);
  }
  StyleTables(*document.rootFrame());
}

}  // namespace tavelin::helpdoc
