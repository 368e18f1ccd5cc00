#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "treeview/TreeRig.h"
#include "win32/common/BusyCursor.h"
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
