// A top-level widget measured and placed as the core's views ask: its outer frame, title bar and
// borders included, in twips, and its client area in pixels.
#pragma once

#include <QWidget>

#include "core/views/WindowFrame.h"

namespace tavelin::gui {

class FramedWidget : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  core::WindowFrame Frame() const;
  void MoveFrame(float left, float top);
  // The client area gets what the frame leaves of the size.
  void ResizeFrame(float width, float height);
};

}  // namespace tavelin::gui
