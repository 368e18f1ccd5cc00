#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "core/treeview/TreeWindowDesign.h"
#include "treeview/TreeRig.h"
#include "win32/common/BusyCursor.h"
#include "win32/common/Fonts.h"
#include "win32/common/MessageBoxView.h"
#include "win32/common/Xpm.h"
#include "win32/treeview/FileListBox.h"

namespace tavelin::win32 {
namespace {

TEST(Xpm, ReadsColoursAndTransparencyOfSeveralCharactersAPixel) {
  static const char* const kArt[] = {"3 2 3 2",      "aa c None", "bb c #FF8000",
                                     "cc c #0000ff", "aabbcc",    "ccbbaa"};
  const Picture picture = ReadXpm(kArt);
  EXPECT_EQ(std::tuple(picture.width, picture.height), std::tuple(3, 2));
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

TEST(FileListBox, AHugeFolderReachesTheControlInOneStep) {
  const HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr,
                                      nullptr, nullptr);
  const UniqueFont font = CreateClassicFont(core::FKvelDesign::kListFont, Dpi());
  {
    FileListBox list(parent, 7, Dpi(), font.get(), 152, 48, 137, 15, {}, {});
    core::PackedNames names;
    for (int i = 0; i < 100000; ++i) {
      const std::wstring number = std::to_wstring(i);
      names.Add(u"fitxer" + std::u16string(number.begin(), number.end()));
    }
    list.AddItems(std::move(names));
    EXPECT_EQ(SendMessageW(list.Handle(), LB_GETCOUNT, 0, 0), 100000);
    list.SetListIndex(99999);
    EXPECT_EQ(list.List(list.ListIndex()), u"fitxer99999");
    EXPECT_EQ(list.List(-1), u"");
    EXPECT_THROW(list.SetListIndex(100000), std::out_of_range);
    list.Clear();
    EXPECT_EQ(SendMessageW(list.Handle(), LB_GETCOUNT, 0, 0), 0);
  }
  DestroyWindow(parent);
}

}  // namespace
}  // namespace tavelin::win32
