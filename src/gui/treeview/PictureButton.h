#pragma once

#include <QToolButton>

namespace tavelin::gui {

// A graphical push button that shows its picture at the picture's own size, centred. The style
// only draws the bevel: left to it, the picture would be shrunk into the space within the
// bevel and blurred.
class PictureButton : public QToolButton {
  Q_OBJECT

 public:
  using QToolButton::QToolButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tavelin::gui
