#include "platform/windows/Failures.h"

#include "platform/windows/Win32.h"

namespace tavelin::platform {

std::string SystemMessage(unsigned long code) {
  wchar_t* text = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  if (length == 0) return "error " + std::to_string(code);
  std::wstring message(text, length);
  ::LocalFree(text);
  // The system ends its messages with a line break, which has no place inside a sentence.
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) {
    message.pop_back();
  }
  return ToUtf8(FromWide(message));
}

}  // namespace tavelin::platform
