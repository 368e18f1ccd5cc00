// Another program changes the tree while the walk reads it: it removes a folder the walk has
// listed, puts a folder where a file was and a file where a folder was. The pass still ends,
// drawing what it read, each entry of the kind it was listed with.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "fakes/FakeTreeView.h"
#include "platform/posix/NativeNames.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::hardening {
namespace {

using platform::NativeFileSystem;
using platform::testing::Utf16;
using platform::testing::WriteBytes;
using Names = std::vector<std::u16string>;

// A file system that lets `change` run once, right after the walk has listed `folder`.
class ChangingFileSystem : public platform::FileSystem {
 public:
  ChangingFileSystem(std::u16string folder, std::function<void()> change)
      : folder_(std::move(folder)), change_(std::move(change)) {}

  char16_t Separator() const override { return real_.Separator(); }
  std::vector<platform::FolderEntry> ListFolder(const std::u16string& folder) const override {
    std::vector<platform::FolderEntry> entries = real_.ListFolder(folder);
    if (folder == folder_) std::exchange(change_, nullptr)();
    return entries;
  }
  bool IsFolder(const std::u16string& path) const override { return real_.IsFolder(path); }
  bool IsOrdinaryFile(const std::u16string& path) const override {
    return real_.IsOrdinaryFile(path);
  }
  std::string ReadFile(const std::u16string& path) const override { return real_.ReadFile(path); }
  void ReplaceFile(const std::u16string& path, const std::string& bytes) const override {
    real_.ReplaceFile(path, bytes);
  }

 private:
  const platform::FileSystem& real_ = NativeFileSystem();
  std::u16string folder_;
  mutable std::function<void()> change_;
};

TEST(ChangingTree, EntriesKeepTheKindTheyWereListedWith) {
  platform::testing::TempFolder temp;
  const std::string root = temp / "arrel";
  std::filesystem::create_directories(root + "/B/C");
  std::filesystem::create_directories(root + "/S");
  WriteBytes(root + "/B/C/c.txt", "c");
  WriteBytes(root + "/S/s.txt", "s");
  WriteBytes(root + "/x", "x");
  ChangingFileSystem fs(Utf16(root + '/'), [&] {
    std::filesystem::remove_all(root + "/B");
    std::filesystem::remove(root + "/x");
    std::filesystem::create_directories(root + "/x");
    WriteBytes(root + "/x/inside.txt", "i");
    std::filesystem::remove_all(root + "/S");
    WriteBytes(root + "/S", "now a file");
  });

  fakes::RecordingTreeView rig(fs);
  rig.ukvel.ShowTree(Utf16(root));

  // The pass reached its end, without a message: the window's height follows the drawing.
  EXPECT_TRUE(rig.messages.shown.empty());
  EXPECT_EQ(rig.window.height, rig.layout.NextY * 15 + rig.layout.FrameExtraH + 200);
  // x stays a file of the list; B and S are folders of the drawing, found empty.
  EXPECT_EQ(rig.layout.FolderCount, 3);
  EXPECT_EQ(rig.window.lists[1].items, Names{u"x"});
  EXPECT_TRUE(rig.window.lists[1].visible);
  EXPECT_FALSE(rig.window.lists[2].visible || rig.window.lists[3].visible);
  Names drawn = rig.FolderNames();
  std::sort(drawn.begin(), drawn.end());
  EXPECT_EQ(drawn, (Names{u"B", u"S", u"arrel"}));
}

}  // namespace
}  // namespace tavelin::hardening
