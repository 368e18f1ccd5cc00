// The walk over real trees that hold what a disk may hold: names no one would type, links that
// lead in circles or nowhere, and entries another program changes while the walk runs. Every pass
// ends and draws what it read.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "WalkRig.h"
#include "platform/posix/NativeNames.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::hardening {
namespace {

using platform::FromNativeName;
using platform::NativeFileSystem;
using platform::testing::TempFolder;
using platform::testing::WriteBytes;
using Lists = std::map<std::u16string, Names>;

void MakeFolder(const std::string& path, const std::vector<std::string>& files) {
  ASSERT_TRUE(std::filesystem::create_directories(path)) << path;
  for (const std::string& name : files)
    WriteBytes(path + '/' + name, path + '/' + name);  // each file holds its own path
}

std::u16string Native(const std::string& path) {
  return FromNativeName(path);
}

TEST(OddTree, LinksInCirclesAreCutByTheFolderLimitAndBrokenOnesLeftOut) {
  TempFolder temp;
  const std::string root = temp / "cercle";
  MakeFolder(root + "/sub", {"f.txt"});
  WriteBytes(root + "/file.txt", "x");
  for (const auto& [target, link] : std::vector<std::pair<std::string, std::string>>{
           {".", "self"}, {"..", "sub/up"}, {"b", "a"}, {"a", "b"}, {"nowhere", "broken"}}) {
    ASSERT_EQ(::symlink(target.c_str(), (root + '/' + link).c_str()), 0) << link;
  }

  WalkRig rig(NativeFileSystem());
  rig.ukvel.ShowTree(Native(root));

  EXPECT_EQ(rig.messages.shown, Names{u"Màxim  50 subcarpetes"});
  EXPECT_EQ(rig.layout.FolderCount, 51);
  EXPECT_EQ(rig.window.surface.Of(fakes::DrawCall::kBox).size(), 50u);
  EXPECT_EQ(rig.window.lists[1].items, Names{u"file.txt"});
  // The links in a circle of their own and the broken one lead to nothing that can be listed.
  const Names reachable = {u"cercle", u"self", u"sub", u"up"};
  for (const std::u16string& name : rig.PrintedNames())
    EXPECT_TRUE(std::ranges::binary_search(reachable, name)) << platform::ToNativeName(name);
}

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

TEST(OddTree, EntriesChangedAfterTheListingKeepTheKindTheyWereListedWith) {
  TempFolder temp;
  const std::string root = temp / "arrel";
  MakeFolder(root + "/B/C", {"c.txt"});
  MakeFolder(root + "/S", {"s.txt"});
  WriteBytes(root + "/x", "x");
  // Another program removes B, puts a folder where the file x was and a file where S was.
  ChangingFileSystem fs(Native(root + '/'), [&] {
    std::filesystem::remove_all(root + "/B");
    std::filesystem::remove(root + "/x");
    MakeFolder(root + "/x", {"inside.txt"});
    std::filesystem::remove_all(root + "/S");
    WriteBytes(root + "/S", "now a file");
  });

  WalkRig rig(fs);
  rig.ukvel.ShowTree(Native(root));

  EXPECT_TRUE(rig.PassCompletedQuietly());
  // x stays a file of the list; B and S are folders of the drawing, found empty.
  EXPECT_EQ(rig.ShownLists(), (Lists{{Native(root + '/'), {u"x"}}}));
  EXPECT_EQ(rig.PrintedNames(), Sorted({u"arrel", u"B", u"S"}));
}

}  // namespace
}  // namespace tavelin::hardening
