// The faces the windows ask the system for, at 100 % and at 150 %.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "win32/common/Fonts.h"

namespace tavelin::win32 {
namespace {

TEST(FontFaceTest, TheBitmapFaceGivesWayToItsTrueTypeMatchAbove96Dpi) {
  const struct {
    const wchar_t* face;
    int dpi;
    const wchar_t* asked;
  } cases[] = {
      {L"MS Sans Serif", 96, L"MS Sans Serif"},
      {L"MS Sans Serif", 144, L"Microsoft Sans Serif"},
      {L"MS Sans Serif", 120, L"Microsoft Sans Serif"},
      {L"Tahoma", 96, L"Tahoma"},
      {L"Tahoma", 144, L"Tahoma"},
  };
  for (const auto& c : cases) {
    const UniqueFont font = CreateClassicFont({c.face, 8.25F, true}, Dpi(c.dpi));
    LOGFONTW asked{};
    ASSERT_EQ(GetObjectW(font.get(), sizeof asked, &asked), static_cast<int>(sizeof asked));
    EXPECT_EQ(std::wstring(asked.lfFaceName), c.asked) << c.face << ' ' << c.dpi;
    EXPECT_EQ(asked.lfHeight, -FontPixelHeight(8.25F, Dpi(c.dpi))) << c.face << ' ' << c.dpi;
  }
}

}  // namespace
}  // namespace tavelin::win32
