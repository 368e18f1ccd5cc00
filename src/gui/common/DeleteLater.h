// How the Qt front end takes a window away for good: hidden at once, deleted once control is
// back in the event loop, since it may be closing from inside one of its own event handlers.
// Hidden, it takes no input and reports nothing more meanwhile.
#pragma once

#include <QWidget>
#include <memory>

namespace tavelin::gui {

struct DeleteLater {
  void operator()(std::unique_ptr<QWidget> window) const {
    window->hide();
    window.release()->deleteLater();
  }
};

}  // namespace tavelin::gui
