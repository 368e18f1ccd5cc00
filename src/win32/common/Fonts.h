// The classic fonts of the windows, at their point sizes on the window's screen.
#pragma once

#include "win32/common/Dpi.h"
#include "win32/common/Handles.h"

namespace tavelin::win32 {

struct FontFace {
  const wchar_t* face;
  float points;
  bool bold;
};

inline constexpr FontFace kTreeNameFont{L"MS Sans Serif", 8.25F, true};
inline constexpr FontFace kFileListFont{L"Tahoma", 8.25F, false};

// The character height in device pixels of `points` at `dpi`: 8.25 points are 11 pixels at 96
// DPI.
int FontPixelHeight(float points, Dpi dpi);

// The face asked of the system for `face` at `dpi`. "MS Sans Serif" is a bitmap font with a few
// fixed sizes: above 96 DPI its TrueType match stands in for it, so that text scales smoothly.
const wchar_t* FaceAt(const wchar_t* face, Dpi dpi);

// Throws platform::SystemError when the system cannot make the font.
UniqueFont CreateClassicFont(const FontFace& face, Dpi dpi);

}  // namespace tavelin::win32
