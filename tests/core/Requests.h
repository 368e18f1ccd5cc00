// A start request as one comparable, printable value, so that a table of them is checked whole.
#pragma once

#include <string>
#include <tuple>

#include "platform/Platform.h"

namespace tavelin::core {

using Request = std::tuple<std::u16string, platform::ProgramKind, std::u16string, std::u16string,
                           platform::WindowState>;

inline Request Fields(const platform::StartRequest& r) {
  return {r.commandLine, r.kind, r.program, r.argument, r.windowState};
}

template <class Requests>
std::vector<Request> AllFields(const Requests& requests) {
  std::vector<Request> all;
  for (const platform::StartRequest& r : requests)
    all.push_back(Fields(r));
  return all;
}

}  // namespace tavelin::core
