#include <string>

#include "platform/Platform.h"
#include "platform/windows/Failures.h"
#include "platform/windows/NativeNames.h"
#include "platform/windows/Win32.h"

namespace tavelin::platform {

std::u16string WorkingDirectory() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0) Fail(::GetLastError(), "Cannot read", u"the working directory");
    // Too small a buffer gets the size it needs, its terminating null included.
    if (length < buffer.size()) {
      buffer.resize(length);
      return FromWide(buffer);
    }
    buffer.resize(length);
  }
}

}  // namespace tavelin::platform
