#include "win32/treeview/FileListBox.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "win32/common/Fonts.h"

namespace tavelin::win32 {
namespace {

class FileListBoxTest : public ::testing::Test {
 protected:
  ~FileListBoxTest() override {
    list_.reset();
    DestroyWindow(parent_);
  }

  HWND parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr,
                                 nullptr, nullptr);
  UniqueFont font_ = CreateClassicFont(kFileListFont, Dpi());
  std::unique_ptr<FileListBox> list_ =
      std::make_unique<FileListBox>(parent_, 7, Dpi(), font_.get(), 152, 48, 137, 15, [] {});
};

TEST_F(FileListBoxTest, AHugeFolderReachesTheControlInOneStep) {
  core::PackedNames names;
  for (int i = 0; i < 100000; ++i) {
    const std::wstring number = std::to_wstring(i);
    names.Add(u"fitxer" + std::u16string(number.begin(), number.end()));
  }
  list_->AddItems(std::move(names));
  EXPECT_EQ(SendMessageW(list_->Handle(), LB_GETCOUNT, 0, 0), 100000);
  list_->SetListIndex(99999);
  EXPECT_EQ(list_->List(list_->ListIndex()), u"fitxer99999");
  EXPECT_EQ(list_->List(-1), u"");
  EXPECT_THROW(list_->SetListIndex(100000), std::out_of_range);
  list_->Clear();
  EXPECT_EQ(SendMessageW(list_->Handle(), LB_GETCOUNT, 0, 0), 0);
}

// Rows of 13.8 pixels: however the top falls, the list stands at the nearest whole pixels and
// shows every one of its entries without a scroll bar.
TEST_F(FileListBoxTest, EveryEntryOfAShortListShows) {
  struct Case {
    float top;
    int entries;
    RECT placed;
  };
  const Case cases[] = {{120.4F, 1, {30, 120, 167, 134}},
                        {104.6F, 2, {30, 105, 167, 133}},
                        {45, 3, {30, 45, 167, 86}},
                        {60.5F, 3, {30, 61, 167, 102}}};
  for (const Case& c : cases) {
    list_->Clear();
    for (int i = 0; i < c.entries; ++i)
      list_->AddItem(u"entrada");
    list_->SetLeft(29.6F);
    list_->SetTop(c.top);
    list_->SetHeight(13.8F * static_cast<float>(c.entries));
    EXPECT_FLOAT_EQ(list_->Top(), c.top);
    RECT placed{};
    GetWindowRect(list_->Handle(), &placed);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_TRUE(EqualRect(&placed, &c.placed)) << c.top;
    RECT client{};
    RECT last{};
    GetClientRect(list_->Handle(), &client);
    SendMessageW(list_->Handle(), LB_GETITEMRECT, static_cast<WPARAM>(c.entries - 1),
                 reinterpret_cast<LPARAM>(&last));
    EXPECT_LE(last.bottom, client.bottom) << c.top;
  }
}

}  // namespace
}  // namespace tavelin::win32
