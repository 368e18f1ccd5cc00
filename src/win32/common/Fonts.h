// The classic fonts of the windows, at their point sizes on the window's screen.
#pragma once

#include "core/views/Font.h"
#include "win32/common/Dpi.h"
#include "win32/common/Handles.h"

namespace tavelin::win32 {

// The character height in device pixels of `points` at `dpi`: 8.25 points are 11 pixels at 96
// DPI.
int FontPixelHeight(float points, Dpi dpi);

// The face asked of the system for `face` at `dpi`. "MS Sans Serif" is a bitmap font with a few
// fixed sizes: above 96 DPI its TrueType match stands in for it, so that text scales smoothly.
const wchar_t* FaceAt(const wchar_t* face, Dpi dpi);

// Throws platform::SystemError when the system cannot make the font.
UniqueFont CreateClassicFont(const core::Font& design, Dpi dpi);

}  // namespace tavelin::win32
