#include "win32/common/Failures.h"

#include <exception>
#include <string>

#include "platform/Platform.h"
#include "platform/windows/Failures.h"
#include "platform/windows/NativeNames.h"
#include "win32/common/MessageBoxView.h"

namespace tavelin::win32 {

void ThrowLastError(const char* call) {
  const DWORD code = GetLastError();
  throw platform::SystemError(std::string(call) + ": " + platform::SystemMessage(code),
                              static_cast<int>(code));
}

void ReportFailure() noexcept {
  std::string what = "Unknown failure";
  try {
    throw;
  } catch (const std::exception& failure) {
    what = failure.what();
  } catch (...) {
  }
  try {
    // Every text of the program's exceptions is UTF-8, the system's own words among them.
    MessageBoxView().ShowMessage(platform::FromUtf8(what));
  } catch (...) {
    // Nothing is left to build the text with: the plain box still tells that something failed.
    MessageBoxW(nullptr, L"Error", L"Tavelin", MB_OK | MB_TASKMODAL);
  }
}

}  // namespace tavelin::win32
