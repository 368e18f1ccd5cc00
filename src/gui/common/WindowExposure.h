#pragma once

#include <QWidget>
#include <chrono>

namespace tavelin::gui {

// Shows the top-level `window` and waits, at most `bound`, until the window system has put it on
// the screen. Under an X11 window manager that frames its windows, the frame is known from then
// on, so that frameGeometry() is the outer window. User input waits meanwhile; a window still
// hidden after the bound goes on with the frame known so far.
void ShowAndWaitUntilExposed(QWidget& window, std::chrono::milliseconds bound);

}  // namespace tavelin::gui
