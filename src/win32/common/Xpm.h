// The pixel art of both front ends is XPM, which is C source: the pictures are included as
// arrays of lines and read here into pixels, then into bitmaps and icons for Win32.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "win32/common/Handles.h"

namespace tavelin::win32 {

// Pixels row by row from the top, each 0xAARRGGBB with an alpha of 0 (the XPM's "None") or 255.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// Reads an XPM of "#RRGGBB" and "None" colours. Throws std::invalid_argument for anything else
// or for lines that do not match the header.
Picture ReadXpm(std::span<const char* const> lines);

// The picture enlarged `factor` times pixel for pixel, as an icon whose "None" pixels are
// transparent. Throws platform::SystemError when the system refuses it.
UniqueIcon IconOf(const Picture& picture, int factor);

}  // namespace tavelin::win32
