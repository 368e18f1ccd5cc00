// The list the saver writes in each generation, and the file each must give: a megabyte of
// folders whose every line names its generation, so that a file mixing two can be told.
#pragma once

#include <string>

#include "fakes/FakeViews.h"

namespace tavelin::hardening {

inline fakes::FakeList ListOfGeneration(int generation) {
  fakes::FakeList list;
  for (int line = 0; line < 20'000; ++line) {
    const std::string text = "/home/anna/generacio " + std::to_string(generation) + "/carpeta " +
                             std::to_string(line) + "/Documents compartits";
    list.items.emplace_back(text.begin(), text.end());
  }
  return list;
}

inline std::string FileOfGeneration(int generation) {
  std::string bytes;
  for (const std::u16string& item : ListOfGeneration(generation).items)
    bytes += std::string(item.begin(), item.end()) + "\r\n";
  return bytes;
}

}  // namespace tavelin::hardening
