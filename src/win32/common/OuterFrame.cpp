#include "win32/common/OuterFrame.h"

#include <algorithm>

namespace tavelin::win32 {

core::WindowFrame FrameOf(HWND window, Dpi dpi) {
  RECT outer{};
  GetWindowRect(window, &outer);
  RECT client{};
  GetClientRect(window, &client);
  return {dpi.DeviceToTwips(outer.left),
          dpi.DeviceToTwips(outer.top),
          dpi.DeviceToTwips(outer.right - outer.left),
          dpi.DeviceToTwips(outer.bottom - outer.top),
          dpi.FromDevice(client.right),
          dpi.FromDevice(client.bottom)};
}

void MoveFrame(HWND window, Dpi dpi, float left, float top) {
  SetWindowPos(window, nullptr, dpi.TwipsToDevice(left), dpi.TwipsToDevice(top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ResizeFrame(HWND window, Dpi dpi, float width, float height) {
  SetWindowPos(window, nullptr, 0, 0, std::max(dpi.TwipsToDevice(width), 0),
               std::max(dpi.TwipsToDevice(height), 0), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tavelin::win32
