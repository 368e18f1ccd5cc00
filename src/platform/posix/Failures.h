// Turns a failed system call into the exception Platform.h promises, with the system's own words.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

#include "platform/Platform.h"

namespace tavelin::platform {

// The texts are views, so building the arguments cannot disturb an errno passed beside them.
template <typename Error = SystemError>
[[noreturn]] void Fail(int code, std::string_view action, std::string_view subject) {
  std::string what(action);
  what += ' ';
  what += subject;
  what += ": ";
  what += std::generic_category().message(code);
  throw Error(what, code);
}

}  // namespace tavelin::platform
