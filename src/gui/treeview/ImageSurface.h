#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <functional>

#include "core/views/DrawingSurface.h"
#include "core/views/RecentLines.h"

namespace tavelin::gui {

inline QColor ToQColor(core::Color color) {
  return QColor(core::RedOf(color), core::GreenOf(color), core::BlueOf(color));
}

// A drawing kept in an image that outlives every repaint. The image grows to take whatever is
// drawn beyond it, so a drawing made before its window is enlarged is there once it is.
// Coordinates and sizes are logical pixels; the image holds `devicePixelRatio` device pixels to
// each of them, so that lines and text are drawn at the screen's own resolution.
class ImageSurface : public core::DrawingSurface {
 public:
  // `changed` hears of every area drawn or erased, in logical pixels.
  ImageSurface(QSize size, QColor background, std::function<void(const QRect&)> changed,
               qreal devicePixelRatio = 1);

  float CurrentX() const override { return currentX_; }
  void SetCurrentX(float x) override { currentX_ = x; }
  float CurrentY() const override { return currentY_; }
  void SetCurrentY(float y) override { currentY_ = y; }

  void Line(float x1, float y1, float x2, float y2, core::Color color) override;
  void Box(float x1, float y1, float x2, float y2, core::Color color) override;
  void Print(const std::u16string& text) override;
  void Cls() override;

  void SetForeColor(core::Color color) { foreColor_ = color; }
  void SetFillColor(core::Color color) { fillColor_ = color; }
  const QFont& Font() const { return font_; }
  void SetFont(const QFont& font) { font_ = font; }

  const QImage& Image() const { return image_; }
  // The image's size in logical pixels.
  QSize Size() const { return logicalSize_; }
  // Enlarges the image to at least `size`, keeping what is drawn; it never shrinks.
  void Reserve(QSize size);

 private:
  // Grows the image to hold `area`, then reports it as changed.
  void Touch(const QRectF& area);

  QImage image_;
  QSize logicalSize_;
  QColor background_;
  std::function<void(const QRect&)> changed_;
  float currentX_ = 0;
  float currentY_ = 0;
  core::Color foreColor_ = 0;
  core::Color fillColor_ = 0;
  QFont font_;

  core::RecentLines recentLines_;
};

}  // namespace tavelin::gui
