// The resources of tavelin.exe as Explorer and the windows read them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "pictures/TavelinIcon16.xpm"
#include "win32/common/AppIcon.h"
#include "win32/common/Xpm.h"

namespace tavelin::win32 {
namespace {

// The program the build made, found from this test's own folder.
std::wstring BuiltProgram() {
  std::wstring self(32768, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  return self.substr(0, self.rfind(L'\\') + 1) + TAVELIN_PROGRAM_FROM_TESTS;
}

std::wstring Dotted(DWORD high, DWORD low) {
  return std::to_wstring(HIWORD(high)) + L'.' + std::to_wstring(LOWORD(high)) + L'.' +
         std::to_wstring(HIWORD(low)) + L'.' + std::to_wstring(LOWORD(low));
}

TEST(ReleaseTest, VersionResourceIsTheProjectVersion) {
  const std::wstring program = BuiltProgram();
  DWORD unused = 0;
  std::vector<char> info(GetFileVersionInfoSizeW(program.c_str(), &unused));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(
      GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));

  for (const wchar_t* name : {L"FileVersion", L"ProductVersion"}) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040304B0\\") + name;
    ASSERT_TRUE(VerQueryValueW(info.data(), key.c_str(), &value, &length)) << name;
    EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)), TAVELIN_VERSION) << name;
  }
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", &value, &length));
  const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(Dotted(fixed.dwFileVersionMS, fixed.dwFileVersionLS), TAVELIN_VERSION L".0");
  EXPECT_EQ(Dotted(fixed.dwProductVersionMS, fixed.dwProductVersionLS), TAVELIN_VERSION L".0");
}

TEST(ReleaseTest, IconGroupHoldsTheFiveSizes) {
  const HMODULE program = LoadLibraryExW(BuiltProgram().c_str(), nullptr,
                                         LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(program, nullptr);
  const HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(kAppIconId), RT_GROUP_ICON);
  ASSERT_NE(found, nullptr);
  // Three words, then an entry of 14 bytes per image whose first byte is its width, 0 for 256.
  const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(program, found)));
  std::vector<int> sides;
  for (int i = 0; i < (group[4] | group[5] << 8); ++i)
    sides.push_back(group[6 + 14 * i] == 0 ? 256 : group[6 + 14 * i]);
  EXPECT_EQ(sides, (std::vector<int>{16, 32, 48, 64, 256}));
  FreeLibrary(program);
}

// The icon's colour pixels, row by row from the top, as 0xAARRGGBB.
std::vector<std::uint32_t> PixelsOf(HICON icon, int& side) {
  ICONINFO info{};
  GetIconInfo(icon, &info);
  BITMAP bitmap{};
  GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
  side = bitmap.bmWidth;
  BITMAPINFO format{};
  format.bmiHeader = {sizeof format.bmiHeader, side, -side, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(side * side));
  const HDC screen = GetDC(nullptr);
  GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(side), pixels.data(), &format,
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return pixels;
}

TEST(ReleaseTest, WindowTakesTheIconAtItsDpisSizesAndTheSmallOneAsDrawn) {
  const HWND window =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  WindowIcons icons;
  const struct { int dpi, big, small; } cases[] = {{96, 32, 16}, {144, 48, 24}, {192, 64, 32}};
  for (const auto& c : cases) {
    icons.Apply(window, Dpi(c.dpi));
    int big = 0;
    int small = 0;
    PixelsOf(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0)), big);
    PixelsOf(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0)), small);
    EXPECT_EQ(big, c.big) << c.dpi;
    EXPECT_EQ(small, c.small) << c.dpi;
  }

  // At 96 DPI the small icon is the 16-pixel picture itself, not the 32-pixel one made smaller.
  icons.Apply(window, Dpi(96));
  int side = 0;
  const std::vector<std::uint32_t> pixels =
      PixelsOf(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0)), side);
  const Picture drawn = ReadXpm(kTavelinIcon16);
  ASSERT_EQ(side, drawn.width);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      if (drawn.At(x, y) >> 24 == 0) continue;
      ASSERT_EQ(pixels[static_cast<std::size_t>(y * side + x)] & 0xFFFFFF,
                drawn.At(x, y) & 0xFFFFFF)
          << x << ',' << y;
    }
  }
  DestroyWindow(window);
}

}  // namespace
}  // namespace tavelin::win32
