#include "gui/treeview/ImageSurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "gui/common/TextConversion.h"

namespace tavelin::gui {

namespace {

// Growing in steps spares a copy of the image for every row the walk adds and for every step
// of the user dragging the window's edge.
constexpr int kGrowthStep = 256;

int RoundUpToStep(int length) {
  return (length + kGrowthStep - 1) / kGrowthStep * kGrowthStep;
}

QImage BlankImage(QSize logicalSize, qreal devicePixelRatio, QColor background) {
  QImage image(static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
               static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio)),
               QImage::Format_RGB32);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(background);
  return image;
}

// Without antialiasing a one-pixel pen on whole coordinates covers exactly those pixels, which
// keeps the folder boxes and connectors crisp.
void PreparePainter(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
}

// Lines run through the middle of the logical pixel that holds the point, so that at any device
// pixel ratio they cover whole logical pixels: the same ones as at a ratio of 1.
QPointF PixelCentre(float x, float y) {
  return {std::floor(x) + 0.5, std::floor(y) + 0.5};
}

QPen OnePixelPen(core::Color color) {
  return QPen(ToQColor(color), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

}  // namespace

ImageSurface::ImageSurface(QSize size, QColor background, std::function<void(const QRect&)> changed,
                           qreal devicePixelRatio)
    : image_(BlankImage(size, devicePixelRatio, background)),
      logicalSize_(size),
      background_(background),
      changed_(std::move(changed)) {}

void ImageSurface::Reserve(QSize size) {
  if (size.width() <= logicalSize_.width() && size.height() <= logicalSize_.height()) return;
  const QSize wanted(std::max(RoundUpToStep(size.width()), logicalSize_.width()),
                     std::max(RoundUpToStep(size.height()), logicalSize_.height()));
  QImage larger = BlankImage(wanted, image_.devicePixelRatio(), background_);
  logicalSize_ = wanted;
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
  currentX_ = x2;
  currentY_ = y2;
  if (!recentLines_.IsNew(x1, y1, x2, y2, color)) return;

  Touch(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
  QPainter painter(&image_);
  PreparePainter(painter);
  painter.setPen(OnePixelPen(color));
  painter.drawLine(PixelCentre(x1, y1), PixelCentre(x2, y2));
}

void ImageSurface::Box(float x1, float y1, float x2, float y2, core::Color color) {
  recentLines_.Forget();
  Touch(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
  QPainter painter(&image_);
  PreparePainter(painter);
  painter.setPen(OnePixelPen(color));
  painter.setBrush(ToQColor(fillColor_));
  painter.drawRect(QRectF(PixelCentre(x1, y1), PixelCentre(x2, y2)).normalized());
  currentX_ = x2;
  currentY_ = y2;
}

void ImageSurface::Print(const std::u16string& text) {
  recentLines_.Forget();
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
  recentLines_.Forget();
  image_.fill(background_);
  currentX_ = 0;
  currentY_ = 0;
  if (changed_) changed_(QRect(QPoint(0, 0), logicalSize_));
}

}  // namespace tavelin::gui
