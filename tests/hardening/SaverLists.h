// The file the saver writes in each generation: a megabyte of folders whose every line names its
// generation, so that a file mixing two can be told.
#pragma once

#include <string>

namespace tavelin::hardening {

inline std::string FileOfGeneration(int generation) {
  std::string bytes;
  for (int line = 0; line < 20'000; ++line)
    bytes += "/home/anna/generacio " + std::to_string(generation) + "/carpeta " +
             std::to_string(line) + "/Documents compartits\r\n";
  return bytes;
}

}  // namespace tavelin::hardening
