#include "gui/common/FramedWidget.h"

#include <algorithm>

#include "gui/common/Twips.h"

namespace tavelin::gui {

core::WindowFrame FramedWidget::Frame() const {
  const QRect frame = frameGeometry();
  return {PixelsToTwips(frame.x()),      PixelsToTwips(frame.y()),    PixelsToTwips(frame.width()),
          PixelsToTwips(frame.height()), static_cast<float>(width()), static_cast<float>(height())};
}

void FramedWidget::MoveFrame(float left, float top) {
  move(TwipsToPixels(left), TwipsToPixels(top));
}

void FramedWidget::ResizeFrame(float width, float height) {
  const QSize frameExtra = frameGeometry().size() - size();
  resize(std::max(TwipsToPixels(width) - frameExtra.width(), 0),
         std::max(TwipsToPixels(height) - frameExtra.height(), 0));
}

}  // namespace tavelin::gui
