// The edge of Tavelin's code in the Qt program: an exception thrown by a handler stops at the
// slot or event handler that called it, since Qt lets none through its event loop, and is shown
// to the user there. The program carries on.
#pragma once

namespace tavelin::gui {

// Shows the exception being handled in the program's modal message box. Called only inside a
// catch block.
void ReportFailure() noexcept;

// Runs `handler`, reporting what it throws.
template <typename Handler>
void Guarded(Handler&& handler) noexcept {
  try {
    handler();
  } catch (...) {
    ReportFailure();
  }
}

}  // namespace tavelin::gui
