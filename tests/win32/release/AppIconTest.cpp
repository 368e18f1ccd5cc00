// The window icons as the system makes them from the program's icon group.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "pictures/TavelinIcon16.xpm"
#include "win32/common/AppIcon.h"
#include "win32/common/Xpm.h"

namespace tavelin::win32 {
namespace {

TEST(AppIconTest, At96DpiTheSmallIconIsThe16PixelPictureItself) {
  const HWND window =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  WindowIcons icons;
  icons.Apply(window, Dpi(96));
  ICONINFO info{};
  GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0)), &info);
  BITMAPINFO format{};
  format.bmiHeader = {sizeof format.bmiHeader, 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(16 * 16);
  const HDC screen = GetDC(nullptr);
  ASSERT_EQ(GetDIBits(screen, info.hbmColor, 0, 16, pixels.data(), &format, DIB_RGB_COLORS), 16);
  ReleaseDC(nullptr, screen);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyWindow(window);

  // Not the 32-pixel picture made smaller: every drawn pixel as drawn.
  const Picture drawn = ReadXpm(kTavelinIcon16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      if (drawn.At(x, y) >> 24 == 0) continue;
      ASSERT_EQ(pixels[static_cast<std::size_t>(y * 16 + x)] & 0xFFFFFF, drawn.At(x, y) & 0xFFFFFF)
          << x << ',' << y;
    }
  }
}

}  // namespace
}  // namespace tavelin::win32
