#include <gtest/gtest.h>

#include "fakes/FakeTreeView.h"

namespace tavelin::core {
namespace {

using fakes::DrawCall;
using fakes::FakeTreeView;
using fakes::FakeTreeWindow;

constexpr float kLoadWidth = 304 * 15 + FakeTreeWindow::kFrameW;

class ShowTreeTest : public ::testing::Test {
 protected:
  ShowTreeTest() {
    tree.fs.AddFile(u"C:\\Arrel", u"un.txt");
    tree.fs.AddFolder(u"C:\\Arrel", u"A");
    tree.fs.AddFile(u"C:\\Arrel", u"dos.txt");
    tree.fs.AddFolder(u"C:\\Arrel", u"B");
    tree.fs.AddFile(u"C:\\Arrel", u"tres.txt");
    tree.fs.AddFile(u"C:\\Arrel\\B", u"b.txt");
  }

  // A chain of `depth` nested folders, each with five files: 16 + 69 + 2 pixels a folder.
  void AddTallTree(const std::u16string& root, int depth) {
    std::u16string path = root;
    for (int i = 0; i < depth; ++i) {
      for (char16_t f = u'a'; f < u'f'; ++f)
        tree.fs.AddFile(path, std::u16string(1, f));
      if (i + 1 == depth) break;
      tree.fs.AddFolder(path, u"d");
      path += u"\\d";
    }
  }

  FakeTreeView tree;
};

TEST_F(ShowTreeTest, SizesTheWindowToTheWorkedExampleAndCentresIt) {
  tree.ukvel.ShowTree(u"C:\\Arrel");

  EXPECT_EQ(tree.window.loads, 1);
  EXPECT_EQ(tree.window.shows, 1);
  EXPECT_EQ(tree.window.caption, u"C:\\Arrel");
  EXPECT_EQ(tree.layout.FrameExtraH, FakeTreeWindow::kFrameH);
  EXPECT_EQ(tree.layout.FrameExtraW, FakeTreeWindow::kFrameW);
  EXPECT_EQ(tree.window.surface.calls.front().kind, DrawCall::kCls);
  EXPECT_EQ(tree.window.surface.Of(DrawCall::kBox).front().y1, 29);

  const float height = tree.layout.NextY * 15 + FakeTreeWindow::kFrameH + 200;
  EXPECT_EQ(tree.window.height, height);
  EXPECT_FLOAT_EQ(height, 2693);
  EXPECT_EQ(tree.window.width, kLoadWidth);  // 192 × 15 + 120 = 3000 does not exceed it
  EXPECT_EQ(tree.window.top, (11520 - height) / 2);
  EXPECT_EQ(tree.window.left, 3000);
  EXPECT_FALSE(tree.companion.loaded);
  EXPECT_EQ(tree.window.focuses, 0);
}

TEST_F(ShowTreeTest, WidensOnlyBeyondTheCurrentWidthAndNeverNarrows) {
  // The drawing's right extent exactly at the window's width leaves the width alone.
  tree.layout.MaxRight = 304;
  tree.ukvel.ShowTree(u"C:\\Arrel");
  EXPECT_EQ(tree.window.width, kLoadWidth);

  // One twip beyond it widens the window to the extent plus 200.
  tree.layout.MaxRight = (kLoadWidth + 1 - FakeTreeWindow::kFrameW) / 15;
  const float extent = tree.layout.MaxRight * 15 + FakeTreeWindow::kFrameW;
  ASSERT_EQ(extent, kLoadWidth + 1);
  tree.ukvel.ShowTree(u"C:\\Arrel");
  EXPECT_EQ(tree.window.width, extent + 200);

  // MaxRight carries over: a narrow tree after a wide one keeps the wide width.
  const float wide = tree.window.width;
  tree.fs.AddFolder(u"C:\\Estreta", u"x");
  tree.ukvel.ShowTree(u"C:\\Estreta");
  EXPECT_EQ(tree.window.width, wide);
}

TEST_F(ShowTreeTest, ASecondPassHidesEveryListAndKeepsOldFolderPaths) {
  tree.ukvel.ShowTree(u"C:\\Arrel");
  ASSERT_TRUE(tree.window.List(3).visible);
  tree.fs.AddFile(u"C:\\Sola", u"s.txt");
  tree.ukvel.ShowTree(u"C:\\Sola");

  EXPECT_EQ(tree.window.loads, 1);
  EXPECT_EQ(tree.window.caption, u"C:\\Sola");
  EXPECT_EQ(tree.window.List(1).items, std::vector<std::u16string>{u"s.txt"});
  for (int i = 2; i < kFileListCount; ++i)
    EXPECT_FALSE(tree.window.List(i).visible) << i;
  // The old list keeps its entries and its folder path, hidden.
  EXPECT_EQ(tree.window.List(3).items, std::vector<std::u16string>{u"b.txt"});
  EXPECT_EQ(tree.layout.FolderPaths[3], u"C:\\Arrel\\B\\");
  EXPECT_EQ(tree.layout.FolderPaths[1], u"C:\\Sola\\");
  const auto cls = tree.window.surface.Of(DrawCall::kCls);
  EXPECT_EQ(cls.size(), 2u);
}

TEST_F(ShowTreeTest, AWindowAsTallAsTheScreenGoesToTheTopWithTheCompanion) {
  AddTallTree(u"C:\\Alt", 3);
  tree.window.left = 2000;
  // Folder rows of 87 pixels from y = 29: NextY = 29 + 3 × 87 = 290.
  tree.screen.height = 290 * 15 + FakeTreeWindow::kFrameH + 200;
  tree.ukvel.ShowTree(u"C:\\Alt");

  ASSERT_FLOAT_EQ(tree.layout.NextY, 290);
  EXPECT_EQ(tree.window.height, tree.screen.height);
  EXPECT_EQ(tree.window.top, 0);
  EXPECT_TRUE(tree.companion.loaded);
  EXPECT_TRUE(tree.companion.visible);
  EXPECT_EQ(tree.companion.left, 1400);
  EXPECT_EQ(tree.fscroll.TopAtLoad, 0);
  EXPECT_EQ(tree.companion.top, (tree.screen.height - 3810) / 2);
  EXPECT_EQ(tree.window.focuses, 1);

  // A later short tree is centred; the companion stays, its bar where the user left it.
  tree.companion.value = 300;
  tree.ukvel.ShowTree(u"C:\\Arrel");
  EXPECT_EQ(tree.window.top, (tree.screen.height - tree.window.height) / 2);
  EXPECT_TRUE(tree.companion.visible);
  EXPECT_EQ(tree.companion.value, 300);
  EXPECT_EQ(tree.companion.loads, 1);

  // A second tall tree places the companion again but does not load it again.
  tree.ukvel.ShowTree(u"C:\\Alt");
  EXPECT_EQ(tree.companion.loads, 1);
  EXPECT_EQ(tree.window.top, 0);
}

TEST_F(ShowTreeTest, TheFolderLimitDoesNotStopSizingAndPlacing) {
  for (int i = 0; i < 55; ++i)
    tree.fs.AddFolder(u"C:\\Molts", u"s" + std::u16string(1, u'A' + i));
  tree.ukvel.ShowTree(u"C:\\Molts");
  EXPECT_EQ(tree.messages.shown.size(), 1u);
  // 50 empty folders of 16 pixels from y = 29.
  EXPECT_FLOAT_EQ(tree.layout.NextY, 29 + 50 * 16);
  EXPECT_EQ(tree.window.height, tree.layout.NextY * 15 + FakeTreeWindow::kFrameH + 200);

  // The next pass starts afresh.
  tree.ukvel.ShowTree(u"C:\\Arrel");
  EXPECT_EQ(tree.messages.shown.size(), 1u);
  EXPECT_EQ(tree.layout.FolderCount, 3);
}

}  // namespace
}  // namespace tavelin::core
