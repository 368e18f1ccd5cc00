// The tree changes while a pass walks it: another program removes a folder the walk has
// already listed, or puts a folder where a file was. The pass still ends, drawing what it read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ChangingFileSystem.h"
#include "WalkRig.h"
#include "platform/posix/NativeNames.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::hardening {
namespace {

using platform::FromNativeName;
using platform::testing::TempFolder;
using platform::testing::WriteBytes;
using Lists = std::map<std::u16string, std::vector<std::u16string>>;

void MakeFolder(const std::string& path, const std::vector<std::string>& files) {
  std::filesystem::create_directories(path);
  for (const std::string& name : files)
    WriteBytes(path + '/' + name, "x");
}

class ChangingTreeTest : public ::testing::Test {
 protected:
  ChangingTreeTest() : root_(temp_ / "arrel"), fs_(platform::NativeFileSystem()), rig_(fs_) {}

  // Runs `change` once, right after the walk has listed the chosen folder.
  void WhenTheRootIsListed(std::function<void()> change) {
    fs_.afterListing = [this, change](const std::u16string& folder) {
      if (folder == FromNativeName(root_ + '/')) change();
    };
  }
  std::u16string Path(const std::string& relative) const {
    return FromNativeName(root_ + relative);
  }

  TempFolder temp_;
  const std::string root_;
  ChangingFileSystem fs_;
  WalkRig rig_;
};

TEST_F(ChangingTreeTest, AFolderRemovedAfterItWasListedIsDrawnEmpty) {
  MakeFolder(root_, {"r.txt"});
  MakeFolder(root_ + "/A", {"a.txt"});
  MakeFolder(root_ + "/B", {"b.txt"});
  MakeFolder(root_ + "/B/C", {"c.txt"});
  WhenTheRootIsListed([this] { std::filesystem::remove_all(root_ + "/B"); });

  rig_.ukvel.ShowTree(Path(""));

  EXPECT_TRUE(rig_.PassCompleted());
  EXPECT_TRUE(rig_.messages.shown.empty());
  EXPECT_EQ(rig_.layout.FolderCount, 3);  // the chosen folder, A, and B without its C
  EXPECT_EQ(rig_.ShownLists(), (Lists{{Path("/"), {u"r.txt"}}, {Path("/A/"), {u"a.txt"}}}));
  const auto printed = rig_.PrintedNames();
  EXPECT_EQ(std::set<std::u16string>(printed.begin(), printed.end()),
            (std::set<std::u16string>{u"arrel", u"A", u"B"}));
}

TEST_F(ChangingTreeTest, EntriesThatChangeKindAfterTheListingKeepTheKindTheyWereListedWith) {
  MakeFolder(root_, {"x", "y.txt"});
  MakeFolder(root_ + "/S", {"s.txt"});
  WhenTheRootIsListed([this] {
    std::filesystem::remove(root_ + "/x");
    MakeFolder(root_ + "/x", {"inside.txt"});
    std::filesystem::remove_all(root_ + "/S");
    WriteBytes(root_ + "/S", "now a file");
  });

  rig_.ukvel.ShowTree(Path(""));

  EXPECT_TRUE(rig_.PassCompleted());
  EXPECT_TRUE(rig_.messages.shown.empty());
  EXPECT_EQ(rig_.layout.FolderCount, 2);
  // x stays a file of the list, S a folder of the drawing: neither is looked at again.
  auto shown = rig_.ShownLists();
  ASSERT_EQ(shown.size(), 1u);
  auto& files = shown.at(Path("/"));
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::u16string>{u"x", u"y.txt"}));
  EXPECT_EQ(rig_.PrintedNames().back(), u"S");
  EXPECT_EQ(rig_.BoxCount(), 2u);
}

}  // namespace
}  // namespace tavelin::hardening
