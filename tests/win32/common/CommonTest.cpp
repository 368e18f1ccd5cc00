#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "treeview/TreeRig.h"
#include "win32/common/BusyCursor.h"
#include "win32/common/Fonts.h"
#include "win32/common/MessageBoxView.h"
#include "win32/common/Xpm.h"

namespace tavelin::win32 {
namespace {

TEST(Xpm, ReadsColoursAndTransparencyOfSeveralCharactersAPixel) {
  static const char* const kArt[] = {"3 2 3 2",      "aa c None", "bb c #FF8000",
                                     "cc c #0000ff", "aabbcc",    "ccbbaa"};
  const Picture picture = ReadXpm(kArt);
  EXPECT_EQ(picture.width, 3);
  EXPECT_EQ(picture.height, 2);
  EXPECT_EQ(picture.pixels,
            (std::vector<std::uint32_t>{0, 0xFFFF8000, 0xFF0000FF, 0xFF0000FF, 0xFFFF8000, 0}));
}

// The icon's pixels as the system holds them, rows from the top.
std::vector<std::uint32_t> IconPixels(HICON icon, SIZE& size) {
  ICONINFO info{};
  GetIconInfo(icon, &info);
  BITMAP bitmap{};
  GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
  size = {bitmap.bmWidth, bitmap.bmHeight};
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = bitmap.bmWidth;
  format.bmiHeader.biHeight = -bitmap.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(bitmap.bmWidth * bitmap.bmHeight));
  const HDC screen = GetDC(nullptr);
  GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(bitmap.bmHeight), pixels.data(), &format,
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return pixels;
}

TEST(Xpm, IconsAreEnlargedPixelForPixelWithClearBackground) {
  static const char* const kArt[] = {"2 1 2 1", ". c None", "x c #3967E4", ".x"};
  SIZE size{};
  const std::vector<std::uint32_t> pixels = IconPixels(IconOf(ReadXpm(kArt), 2).get(), size);
  ASSERT_EQ(size.cx, 4);
  ASSERT_EQ(size.cy, 2);
  EXPECT_EQ(pixels, (std::vector<std::uint32_t>{0, 0, 0xFF3967E4, 0xFF3967E4, 0, 0, 0xFF3967E4,
                                                0xFF3967E4}));
  EXPECT_THROW(ReadXpm(std::vector<const char*>{"2 1 1 1", "a c red", "aa"}),
               std::invalid_argument);
}

// Fonts by point size, and twips, reach a screen of 120, 144 or 192 DPI scaled to its pixels.
TEST(Dpi, PointsAndTwipsBecomeTheScreensPixels) {
  struct Case {
    int dpi;
    float points;
    int fontPixels;
    float twips;
    int pixels;
  };
  const Case cases[] = {{96, 8.25F, 11, 4560, 304}, {120, 8.25F, 14, 375, 31},
                        {144, 8.25F, 17, 207, 21},  {192, 8.25F, 22, 7.5F, 1},
                        {96, 9.75F, 13, 621, 41},   {144, 9.75F, 20, 4560, 456}};
  for (const Case& c : cases) {
    EXPECT_EQ(FontPixelHeight(c.points, Dpi(c.dpi)), c.fontPixels) << c.dpi << " " << c.points;
    EXPECT_EQ(Dpi(c.dpi).TwipsToDevice(c.twips), c.pixels) << c.dpi << " " << c.twips;
  }
  EXPECT_FLOAT_EQ(Dpi(120).DeviceToTwips(31), 372);
  // A window whose DPI the system cannot tell counts as 96 DPI.
  EXPECT_EQ(Dpi(0).ToDevice(10), 10);
}

TEST(BusyCursor, ShowsWhileWorkRunsUnlessAMessageLiftsIt) {
  EXPECT_FALSE(BusyCursor::Showing());
  {
    const BusyCursor outer;
    EXPECT_TRUE(BusyCursor::Showing());
    {
      const BusyCursor::Lifted lifted;
      const BusyCursor inner;
      EXPECT_FALSE(BusyCursor::Showing());
    }
    EXPECT_TRUE(BusyCursor::Showing());

    // The message box lifts it while it is up, and only then.
    auto box = testing::CloseNextMessageBox();
    MessageBoxView().ShowMessage(u"Màxim  50 subcarpetes");
    const testing::MessageBoxSeen seen = box.get();
    EXPECT_EQ(seen.text, L"Màxim  50 subcarpetes");
    EXPECT_FALSE(seen.busy);
    EXPECT_TRUE(BusyCursor::Showing());
  }
  EXPECT_FALSE(BusyCursor::Showing());
}

}  // namespace
}  // namespace tavelin::win32
