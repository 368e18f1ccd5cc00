// What keeps a huge folder fast: each folder is read once and its files reach its list in one
// batch, in the order the file system gave them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeTreeView.h"

namespace tavelin::core {
namespace {

using fakes::FakeTreeView;

std::u16string FileName(int i) {
  const std::string name = "fitxer-" + std::to_string(i) + ".txt";
  return std::u16string(name.begin(), name.end());
}

class WalkBatchTest : public ::testing::Test {
 protected:
  // The chosen folder holds 1,200 files with the sub-folders Buida (empty) and Plena (3 files)
  // among them.
  WalkBatchTest() {
    tree.fs.AddDotEntries(u"C:\\Gran");
    for (int i = 0; i < 1200; ++i) {
      if (i == 10) tree.fs.AddFolder(u"C:\\Gran", u"Buida");
      if (i == 700) tree.fs.AddFolder(u"C:\\Gran", u"Plena");
      tree.fs.AddFile(u"C:\\Gran", FileName(i));
      rootFiles.push_back(FileName(i));
    }
    tree.fs.AddDotEntries(u"C:\\Gran\\Plena");
    for (const char16_t* name : {u"c.txt", u"a.txt", u"b.txt"})
      tree.fs.AddFile(u"C:\\Gran\\Plena", name);
  }

  FakeTreeView tree;
  std::vector<std::u16string> rootFiles;
};

TEST_F(WalkBatchTest, FillsEachListInOneBatchAndReadsEachFolderOnce) {
  tree.ukvel.ShowTree(u"C:\\Gran");

  const auto& root = tree.window.List(1);
  EXPECT_EQ(root.batches, std::vector<std::size_t>{1200});
  EXPECT_EQ(root.items, rootFiles);
  const auto& empty = tree.window.List(2);
  EXPECT_EQ(empty.batches, std::vector<std::size_t>{0});
  EXPECT_FALSE(empty.visible);
  const auto& full = tree.window.List(3);
  EXPECT_EQ(full.batches, std::vector<std::size_t>{3});
  EXPECT_EQ(full.items, (std::vector<std::u16string>{u"c.txt", u"a.txt", u"b.txt"}));
  for (int i = 0; i < kFileListCount; ++i)
    EXPECT_EQ(tree.window.List(i).singleAdds, 0) << "list " << i;

  EXPECT_EQ(tree.fs.Listed(), (std::vector<std::u16string>{u"C:\\Gran\\", u"C:\\Gran\\Buida\\",
                                                           u"C:\\Gran\\Plena\\"}));
}

TEST_F(WalkBatchTest, APassAgainReplacesEachListWithItsNewBatch) {
  tree.ukvel.ShowTree(u"C:\\Gran");
  tree.fs.AddFile(u"C:\\Gran\\Plena", u"d.txt");
  tree.ukvel.ShowTree(u"C:\\Gran");

  EXPECT_EQ(tree.window.List(1).batches, (std::vector<std::size_t>{1200, 1200}));
  EXPECT_EQ(tree.window.List(1).items, rootFiles);
  EXPECT_EQ(tree.window.List(3).batches, (std::vector<std::size_t>{3, 4}));
  EXPECT_EQ(tree.window.List(3).items,
            (std::vector<std::u16string>{u"c.txt", u"a.txt", u"b.txt", u"d.txt"}));
}

}  // namespace
}  // namespace tavelin::core
