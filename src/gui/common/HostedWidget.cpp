#include "gui/common/HostedWidget.h"

#include <algorithm>

#include "gui/common/Twips.h"

namespace tavelin::gui {

core::WindowFrame HostedWidget::Frame() const {
  const QRect frame = frameGeometry();
  return {PixelsToTwips(frame.x()),      PixelsToTwips(frame.y()),    PixelsToTwips(frame.width()),
          PixelsToTwips(frame.height()), static_cast<float>(width()), static_cast<float>(height())};
}

void HostedWidget::MoveFrame(float left, float top) {
  move(TwipsToPixels(left), TwipsToPixels(top));
}

void HostedWidget::ResizeFrame(float width, float height) {
  const QSize frameExtra = frameGeometry().size() - size();
  resize(std::max(TwipsToPixels(width) - frameExtra.width(), 0),
         std::max(TwipsToPixels(height) - frameExtra.height(), 0));
}

void HostedWidget::Retire() {
  retired_ = true;
  hide();
  deleteLater();
}

}  // namespace tavelin::gui
