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
}  // namespace
}  // namespace tavelin::win32
