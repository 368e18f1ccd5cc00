// The list the saver writes in each generation, and the file each must give: a megabyte of
// folders whose every line names its generation, so that a file mixing two can be told.
#pragma once

#include <string>

#include "fakes/FakeViews.h"

namespace tavelin::hardening {

inline constexpr int kSavedLines = 20'000;

inline std::string LineOf(int generation, int line) {
  return "/home/anna/generacio " + std::to_string(generation) + "/carpeta " + std::to_string(line) +
         "/Documents compartits";
}

inline std::string FileOfGeneration(int generation) {
  std::string bytes;
  for (int line = 0; line < kSavedLines; ++line)
    bytes += LineOf(generation, line) + "\r\n";
  return bytes;
}

inline fakes::FakeList ListOfGeneration(int generation) {
  fakes::FakeList list;
  for (int line = 0; line < kSavedLines; ++line) {
    const std::string text = LineOf(generation, line);
    list.items.emplace_back(text.begin(), text.end());
  }
  return list;
}

}  // namespace tavelin::hardening
