// Failures in the Win32 front end: the system's refusals become exceptions, and an exception
// that reaches the edge of a window procedure stops there and is shown to the user. None may go
// further: on 64-bit Windows it would unwind through the system's own frames (a WM_SIZE sent
// from inside SetWindowPos, say), where it is swallowed or ends the process.
#pragma once

#include <windows.h>

namespace tavelin::win32 {

// Throws platform::SystemError for GetLastError(), naming the call that failed.
[[noreturn]] void ThrowLastError(const char* call);

// Shows the exception being handled in the program's message box, modal over every window, and
// returns: the program carries on. Called only inside a catch block.
void ReportFailure() noexcept;

// Runs `handler` and answers what it returns; a failure is reported and answered by `failed`.
template <typename Handler>
auto Guarded(Handler&& handler, decltype(handler()) failed) noexcept {
  try {
    return handler();
  } catch (...) {
    ReportFailure();
    return failed;
  }
}

// The same for a handler whose answer is not needed.
template <typename Handler>
void Guarded(Handler&& handler) noexcept {
  try {
    handler();
  } catch (...) {
    ReportFailure();
  }
}

}  // namespace tavelin::win32
