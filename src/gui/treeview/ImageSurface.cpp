#include "gui/treeview/ImageSurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "gui/common/TextConversion.h"

namespace tavelin::gui {

namespace {

// Growing in steps spares a copy of the image for every row the walk adds and for every step
// of the user dragging the window's edge.
constexpr int kGrowthStep = 256;

QColor ToQColor(core::Color color) {
  return QColor(core::RedOf(color), core::GreenOf(color), core::BlueOf(color));
}

int RoundUpToStep(int length) {
  return (length + kGrowthStep - 1) / kGrowthStep * kGrowthStep;
}

// Without antialiasing a one-pixel pen on whole coordinates covers exactly those pixels, which
// keeps the folder boxes and connectors crisp.
void PreparePainter(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
}

}  // namespace

ImageSurface::ImageSurface(QSize size, QColor background, std::function<void(const QRect&)> changed)
    : image_(size, QImage::Format_RGB32), background_(background), changed_(std::move(changed)) {
  image_.fill(background_);
}

void ImageSurface::Reserve(QSize size) {
  if (size.width() <= image_.width() && size.height() <= image_.height()) return;
  const QSize wanted(std::max(RoundUpToStep(size.width()), image_.width()),
                     std::max(RoundUpToStep(size.height()), image_.height()));
  QImage larger(wanted, QImage::Format_RGB32);
  larger.fill(background_);
  QPainter painter(&larger);
  painter.drawImage(0, 0, image_);
  painter.end();
  image_ = std::move(larger);
}

void ImageSurface::Touch(const QRectF& area) {
  // One pixel of slack on each side for the pen and for rounding.
  const QRect pixels = area.toAlignedRect().adjusted(-1, -1, 2, 2);
  Reserve(QSize(pixels.right() + 1, pixels.bottom() + 1));
  if (changed_) changed_(pixels);
}

void ImageSurface::Line(float x1, float y1, float x2, float y2, core::Color color) {
  const QLineF line(x1, y1, x2, y2);
  Touch(QRectF(line.p1(), line.p2()).normalized());
  QPainter painter(&image_);
  PreparePainter(painter);
  painter.setPen(QPen(ToQColor(color), 1));
  painter.drawLine(line);
  currentX_ = x2;
  currentY_ = y2;
}

void ImageSurface::Box(float x1, float y1, float x2, float y2, core::Color color) {
  const QRectF box = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
  Touch(box);
  QPainter painter(&image_);
  PreparePainter(painter);
  painter.setPen(QPen(ToQColor(color), 1));
  painter.setBrush(ToQColor(fillColor_));
  painter.drawRect(box);
  currentX_ = x2;
  currentY_ = y2;
}

void ImageSurface::Print(const std::u16string& text) {
  const QString qtext = ToQString(text);
  const QFontMetricsF metrics(font_, &image_);
  const float advance = static_cast<float>(metrics.horizontalAdvance(qtext));
  const QPointF topLeft(currentX_, currentY_);
  const QPointF baseline = topLeft + QPointF(0, metrics.ascent());
  Touch(metrics.boundingRect(qtext).translated(baseline).united(
      QRectF(topLeft, QSizeF(advance, metrics.height()))));
  QPainter painter(&image_);
  PreparePainter(painter);
  painter.setFont(font_);
  painter.setPen(ToQColor(foreColor_));
  painter.drawText(baseline, qtext);
  currentX_ += advance;
}

void ImageSurface::Cls() {
  image_.fill(background_);
  currentX_ = 0;
  currentY_ = 0;
  if (changed_) changed_(image_.rect());
}

}  // namespace tavelin::gui
