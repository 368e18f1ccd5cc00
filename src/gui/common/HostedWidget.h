// A top-level widget as the core's hosts drive it: its outer frame, title bar and borders
// included, measured and placed in twips and its client area in pixels; its reports to the host,
// which stop once the host has retired it.
#pragma once

#include <QWidget>
#include <memory>
#include <utility>

#include "core/views/WindowFrame.h"
#include "gui/common/Failures.h"

namespace tavelin::gui {

class HostedWidget : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  core::WindowFrame Frame() const;
  void MoveFrame(float left, float top);
  // The client area gets what the frame leaves of the size.
  void ResizeFrame(float width, float height);

  // Hides the window and deletes it once control is back in the event loop, since it may be
  // closing from inside one of its own event handlers; it reports nothing more meanwhile.
  void Retire();

 protected:
  // Runs `report` unless the window is retired, reporting what it throws.
  template <typename Report>
  void Tell(Report&& report) {
    if (!retired_) Guarded(std::forward<Report>(report));
  }

 private:
  bool retired_ = false;
};

// How the Qt front end's hosts take a window away for good.
struct RetireLater {
  void operator()(std::unique_ptr<HostedWidget> window) const { window.release()->Retire(); }
};

}  // namespace tavelin::gui
