// A top-level window measured and placed as the core's views ask, at the window's DPI: its outer
// frame, title bar and borders included, in twips, and its client area in 96-DPI pixels.
#pragma once

#include <windows.h>

#include "core/views/WindowFrame.h"
#include "win32/common/Dpi.h"

namespace tavelin::win32 {

core::WindowFrame FrameOf(HWND window, Dpi dpi);
void MoveFrame(HWND window, Dpi dpi, float left, float top);
// A negative width or height is taken as 0.
void ResizeFrame(HWND window, Dpi dpi, float width, float height);

}  // namespace tavelin::win32
