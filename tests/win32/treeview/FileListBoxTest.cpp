#include "win32/treeview/FileListBox.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "win32/common/Fonts.h"

namespace tavelin::win32 {
namespace {

class FileListBoxTest : public ::testing::Test {
 protected:
  FileListBoxTest() {
    parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr,
                              nullptr, nullptr);
  }
  ~FileListBoxTest() override {
    list_.reset();
    DestroyWindow(parent_);
  }

  FileListBox& List() {
    if (!list_) {
      list_ =
          std::make_unique<FileListBox>(parent_, 7, Dpi(), font_.get(), 10, 20, 137, 41.4F, [] {});
    }
    return *list_;
  }
  int ControlCount() { return static_cast<int>(SendMessageW(List().Handle(), LB_GETCOUNT, 0, 0)); }

  std::vector<std::u16string> Entries() {
    std::vector<std::u16string> entries;
    for (int i = 0; i < List().ListCount(); ++i)
      entries.push_back(List().List(i));
    return entries;
  }

  HWND parent_;
  UniqueFont font_ = CreateClassicFont(kFileListFont, Dpi());
  std::unique_ptr<FileListBox> list_;
};

TEST_F(FileListBoxTest, ChangesKeepTheSelectedEntry) {
  for (const char16_t* name : {u"a", u"b", u"c", u"d"})
    List().AddItem(name);
  List().SetListIndex(2);

  struct Step {
    const char* what;
    std::function<void(FileListBox&)> change;
    std::vector<std::u16string> entries;
    int selected;
  };
  const std::vector<Step> steps = {
      {"add", [](FileListBox& l) { l.AddItem(u"e"); }, {u"a", u"b", u"c", u"d", u"e"}, 2},
      {"remove before", [](FileListBox& l) { l.RemoveItem(0); }, {u"b", u"c", u"d", u"e"}, 1},
      {"remove after", [](FileListBox& l) { l.RemoveItem(3); }, {u"b", u"c", u"d"}, 1},
      {"add many",
       [](FileListBox& l) {
         core::PackedNames more;
         more.Add(u"x");
         more.Add(u"y");
         l.AddItems(std::move(more));
       },
       {u"b", u"c", u"d", u"x", u"y"},
       1},
      {"remove selected", [](FileListBox& l) { l.RemoveItem(1); }, {u"b", u"d", u"x", u"y"}, -1},
      {"clear", [](FileListBox& l) { l.Clear(); }, {}, -1},
  };
  for (const Step& step : steps) {
    step.change(List());
    EXPECT_EQ(Entries(), step.entries) << step.what;
    EXPECT_EQ(ControlCount(), static_cast<int>(step.entries.size())) << step.what;
    EXPECT_EQ(List().ListIndex(), step.selected) << step.what;
  }
}

TEST_F(FileListBoxTest, IndicesThatNameNoEntry) {
  List().AddItem(u"únic.txt");
  EXPECT_EQ(List().List(-1), u"");
  EXPECT_EQ(List().List(1), u"");
  EXPECT_THROW(List().RemoveItem(1), std::out_of_range);
  EXPECT_THROW(List().RemoveItem(-1), std::out_of_range);
  EXPECT_THROW(List().SetListIndex(1), std::out_of_range);
  EXPECT_THROW(List().SetListIndex(-2), std::out_of_range);
  List().SetListIndex(0);
  List().SetListIndex(-1);
  EXPECT_EQ(List().ListIndex(), -1);
  EXPECT_EQ(Entries(), std::vector<std::u16string>{u"únic.txt"});
}

TEST_F(FileListBoxTest, AHugeFolderReachesTheControlInOneStep) {
  core::PackedNames names;
  for (int i = 0; i < 100000; ++i) {
    const std::wstring number = std::to_wstring(i);
    names.Add(u"fitxer" + std::u16string(number.begin(), number.end()));
  }
  List().AddItems(std::move(names));
  EXPECT_EQ(ControlCount(), 100000);
  EXPECT_EQ(List().List(99999), u"fitxer99999");
  List().SetListIndex(99999);
  EXPECT_EQ(SendMessageW(List().Handle(), LB_GETCURSEL, 0, 0), 99999);
  // Every row is the same 12 pixels, whatever the count.
  EXPECT_EQ(SendMessageW(List().Handle(), LB_GETITEMHEIGHT, 0, 0), 12);
}

TEST_F(FileListBoxTest, KeepsItsGeometryAndStandsAtTheNearestPixels) {
  List().SetTop(120.4F);
  List().SetHeight(13.8F);
  List().SetLeft(29.6F);
  EXPECT_FLOAT_EQ(List().Top(), 120.4F);
  EXPECT_FLOAT_EQ(List().Height(), 13.8F);
  EXPECT_FLOAT_EQ(List().Width(), 137);
  RECT rect{};
  GetWindowRect(List().Handle(), &rect);
  MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 30);
  EXPECT_EQ(rect.top, 120);
  EXPECT_EQ(rect.right, 167);   // 29.6 + 137 = 166.6
  EXPECT_EQ(rect.bottom, 134);  // 120.4 + 13.8 = 134.2
  EXPECT_FALSE(List().Visible());
  List().SetVisible(true);
  EXPECT_TRUE(List().Visible());  // its own flag, though the parent is hidden
}

}  // namespace
}  // namespace tavelin::win32
