// Turns a failed Win32 call into the exception Platform.h promises, with the system's own words.
#pragma once

#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "platform/windows/NativeNames.h"

namespace tavelin::platform {

// The system's description of a GetLastError() code, in UTF-8.
std::string SystemMessage(unsigned long code);

// Takes the code as an argument, so that building the text cannot disturb GetLastError().
template <typename Error = SystemError>
[[noreturn]] void Fail(unsigned long code, std::string_view action, std::u16string_view subject) {
  std::string what(action);
  what += ' ';
  what += ToUtf8(subject);
  what += ": ";
  what += SystemMessage(code);
  throw Error(what, static_cast<int>(code));
}

}  // namespace tavelin::platform
