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

TEST(Xpm, RefusesWhatDoesNotMatchItsHeader) {
  const std::vector<std::vector<const char*>> malformed = {
      {},
      {"2 1"},
      {"2 1 1 1", "a c #000000"},              // a row missing
      {"2 1 1 1", "a c #000000", "aa", "aa"},  // a row too many
      {"2 1 1 1", "a c red", "aa"},            // a colour by name
      {"2 1 1 1", "a c #00000G", "aa"},        // not hexadecimal
      {"2 1 1 1", "a c #0000", "aa"},          // too short
      {"2 1 1 1", "a c #000000", "a"},         // a short row
      {"2 1 1 1", "a c #000000", "ab"},        // a pixel of no colour
      {"2 1 1 2", "a c #000000", "aaaa"},      // a colour key too short
      {"0 1 1 1", "a c #000000"},
  };
  for (const auto& lines : malformed) {
    EXPECT_THROW(ReadXpm(lines), std::invalid_argument) << (lines.empty() ? "" : lines[0]);
  }
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
  for (const int factor : {1, 2, 3}) {
    SIZE size{};
    const std::vector<std::uint32_t> pixels = IconPixels(IconOf(ReadXpm(kArt), factor).get(), size);
    ASSERT_EQ(size.cx, 2 * factor);
    ASSERT_EQ(size.cy, factor);
    for (int y = 0; y < factor; ++y) {
      for (int x = 0; x < 2 * factor; ++x) {
        EXPECT_EQ(pixels[static_cast<std::size_t>(y * 2 * factor + x)],
                  x < factor ? 0u : 0xFF3967E4u)
            << factor << ": " << x << ", " << y;
      }
    }
  }
}

TEST(Fonts, PointSizesBecomeTheScreensPixels) {
  struct Case {
    float points;
    int dpi;
    int pixels;
  };
  const Case cases[] = {{8.25F, 96, 11},  {8.25F, 120, 14}, {8.25F, 144, 17},
                        {8.25F, 192, 22}, {9.75F, 96, 13},  {9.75F, 144, 20}};
  for (const Case& c : cases)
    EXPECT_EQ(FontPixelHeight(c.points, Dpi(c.dpi)), c.pixels) << c.points << " " << c.dpi;

  const UniqueFont font = CreateClassicFont(kTreeNameFont, Dpi(144));
  LOGFONTW described{};
  GetObjectW(font.get(), sizeof described, &described);
  EXPECT_EQ(described.lfHeight, -17);
  EXPECT_EQ(described.lfWeight, FW_BOLD);
  EXPECT_STREQ(described.lfFaceName, L"MS Sans Serif");
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
    testing::MessageBoxCloser closer;
    MessageBoxView().ShowMessage(u"Màxim  50 subcarpetes");
    closer.Wait();
    EXPECT_EQ(closer.Text(), L"Màxim  50 subcarpetes");
    EXPECT_FALSE(closer.BusyWhileUp());
    EXPECT_TRUE(BusyCursor::Showing());
  }
  EXPECT_FALSE(BusyCursor::Showing());
}

}  // namespace
}  // namespace tavelin::win32
