#include "gui/treeview/PictureButton.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace tavelin::gui {

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionToolButton option;
  initStyleOption(&option);
  option.icon = QIcon();
  painter.drawComplexControl(QStyle::CC_ToolButton, option);

  // Whole logical pixels, so that every pixel of the picture falls on whole device pixels.
  const QSize size = iconSize();
  const QPoint topLeft((width() - size.width()) / 2, (height() - size.height()) / 2);
  const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
  painter.drawPixmap(topLeft, icon().pixmap(size, devicePixelRatioF(), mode));
}

}  // namespace tavelin::gui
