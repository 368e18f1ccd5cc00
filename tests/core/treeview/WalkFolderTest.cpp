#include <gtest/gtest.h>

#include "fakes/FakeTreeView.h"

namespace tavelin::core {
namespace {

using fakes::DrawCall;
using fakes::FakeTreeView;

constexpr Color kGrey = 0xC0C0C0;

void ExpectCall(const DrawCall& call, float x1, float y1, float x2, float y2) {
  EXPECT_FLOAT_EQ(call.x1, x1);
  EXPECT_FLOAT_EQ(call.y1, y1);
  EXPECT_FLOAT_EQ(call.x2, x2);
  EXPECT_FLOAT_EQ(call.y2, y2);
  EXPECT_EQ(call.color, kGrey);
}

class WalkFolderTest : public ::testing::Test {
 protected:
  void Walk(const std::u16string& path) {
    tree.window.Load();
    tree.ukvel.WalkFolder(tree.window, path, 10, 29);
  }
  fakes::FakeSurface& Surface() { return tree.window.surface; }

  FakeTreeView tree;
};

// A chosen folder with three files and two sub-folders, A (empty) and B (one file), as the
// file system returns them, mixed.
TEST_F(WalkFolderTest, DrawsTheWorkedExampleExactly) {
  tree.fs.AddDotEntries(u"C:\\Arrel");
  tree.fs.AddFile(u"C:\\Arrel", u"un.txt");
  tree.fs.AddFolder(u"C:\\Arrel", u"A");
  tree.fs.AddFile(u"C:\\Arrel", u"dos.txt");
  tree.fs.AddFolder(u"C:\\Arrel", u"B");
  tree.fs.AddFile(u"C:\\Arrel", u"tres.txt");
  tree.fs.AddDotEntries(u"C:\\Arrel\\B");
  tree.fs.AddFile(u"C:\\Arrel\\B", u"b.txt");

  Walk(u"C:\\Arrel");

  const auto boxes = Surface().Of(DrawCall::kBox);
  ASSERT_EQ(boxes.size(), 3u);
  ExpectCall(boxes[0], 10, 29, 31, 43);
  ExpectCall(boxes[1], 30, 88.4f, 51, 102.4f);
  ExpectCall(boxes[2], 30, 104.4f, 51, 118.4f);

  const auto names = Surface().Of(DrawCall::kPrint);
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[0].text, u"Arrel");
  EXPECT_FLOAT_EQ(names[0].x1, 14);
  EXPECT_FLOAT_EQ(names[0].y1, 29);
  EXPECT_EQ(names[1].text, u"A");
  EXPECT_FLOAT_EQ(names[1].x1, 34);
  EXPECT_FLOAT_EQ(names[1].y1, 88.4f);
  EXPECT_EQ(names[2].text, u"B");
  EXPECT_FLOAT_EQ(names[2].y1, 104.4f);

  const auto lines = Surface().Of(DrawCall::kLine);
  ASSERT_EQ(lines.size(), 4u);
  ExpectCall(lines[0], 20.5f, 43, 20.5f, 95.4f);
  ExpectCall(lines[1], 20.5f, 95.4f, 28, 95.4f);
  ExpectCall(lines[2], 20.5f, 43, 20.5f, 111.4f);
  ExpectCall(lines[3], 20.5f, 111.4f, 28, 111.4f);

  // Everything of a folder is drawn in this order: box, name, then its sub-folders.
  ASSERT_EQ(Surface().calls.size(), 10u);
  EXPECT_EQ(Surface().calls[0].kind, DrawCall::kBox);
  EXPECT_EQ(Surface().calls[1].kind, DrawCall::kPrint);
  EXPECT_EQ(Surface().calls[2].kind, DrawCall::kLine);

  const auto& first = tree.window.List(1);
  EXPECT_TRUE(first.visible);
  EXPECT_EQ(first.items, (std::vector<std::u16string>{u"un.txt", u"dos.txt", u"tres.txt"}));
  EXPECT_FLOAT_EQ(first.left, 30);
  EXPECT_FLOAT_EQ(first.top, 45);
  EXPECT_EQ(first.height, static_cast<float>(3 * 13.8));
  EXPECT_FALSE(tree.window.List(2).visible);
  const auto& third = tree.window.List(3);
  EXPECT_TRUE(third.visible);
  EXPECT_EQ(third.items, std::vector<std::u16string>{u"b.txt"});
  EXPECT_FLOAT_EQ(third.left, 50);
  EXPECT_FLOAT_EQ(third.top, 120.4f);
  EXPECT_EQ(third.height, static_cast<float>(13.8));

  EXPECT_FLOAT_EQ(tree.layout.NextY, 136.2f);
  EXPECT_EQ(tree.layout.MaxRight, 192);
  EXPECT_EQ(tree.layout.FolderCount, 3);
  EXPECT_EQ(tree.layout.StopWalk, kFalse);
  EXPECT_EQ(tree.layout.FolderPaths[1], u"C:\\Arrel\\");
  EXPECT_EQ(tree.layout.FolderPaths[2], u"");
  EXPECT_EQ(tree.layout.FolderPaths[3], u"C:\\Arrel\\B\\");
  EXPECT_EQ(tree.layout.FolderPaths[0], u"");
  EXPECT_TRUE(tree.messages.shown.empty());
  EXPECT_EQ(tree.fs.Listed(),
            (std::vector<std::u16string>{u"C:\\Arrel\\", u"C:\\Arrel\\A\\", u"C:\\Arrel\\B\\"}));
}

TEST_F(WalkFolderTest, ListHeightsStepByRowsUpToFive) {
  const double heights[] = {13.8, 27.6, 41.4, 55.2, 69, 69};
  for (int files = 1; files <= 6; ++files) {
    tree.fs.AddFolder(u"C:\\R", u"F" + std::u16string(1, char16_t(u'0' + files)));
    for (int i = 0; i < files; ++i) {
      tree.fs.AddFile(u"C:\\R\\F" + std::u16string(1, char16_t(u'0' + files)),
                      std::u16string(1, char16_t(u'a' + i)));
    }
  }
  Walk(u"C:\\R");
  for (int files = 1; files <= 6; ++files) {
    const auto& list = tree.window.List(files + 1);
    EXPECT_EQ(list.ListCount(), files);
    EXPECT_EQ(list.height, static_cast<float>(heights[files - 1])) << files << " files";
  }
}

TEST_F(WalkFolderTest, AnEmptyFolderIsOneBoxAndARow) {
  tree.fs.AddDotEntries(u"C:\\Buida");
  Walk(u"C:\\Buida");
  EXPECT_EQ(Surface().Of(DrawCall::kBox).size(), 1u);
  EXPECT_EQ(Surface().Of(DrawCall::kLine).size(), 0u);
  EXPECT_FLOAT_EQ(tree.layout.NextY, 45);
  EXPECT_EQ(tree.layout.FolderCount, 1);
  EXPECT_FALSE(tree.window.List(1).visible);
  EXPECT_EQ(tree.layout.FolderPaths[1], u"");
}

TEST_F(WalkFolderTest, KeepsEnumerationOrderAndNeverListsAFolderAsAFile) {
  tree.fs.AddFile(u"C:\\R", u"zeta");
  tree.fs.AddFolder(u"C:\\R", u"Z");
  tree.fs.AddFile(u"C:\\R", u"alfa");
  tree.fs.AddFolder(u"C:\\R", u"A");
  tree.fs.AddFile(u"C:\\R", u"Mig");
  Walk(u"C:\\R");
  EXPECT_EQ(tree.window.List(1).items, (std::vector<std::u16string>{u"zeta", u"alfa", u"Mig"}));
  EXPECT_EQ(tree.fs.Listed(),
            (std::vector<std::u16string>{u"C:\\R\\", u"C:\\R\\Z\\", u"C:\\R\\A\\"}));
  const auto names = Surface().Of(DrawCall::kPrint);
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[1].text, u"Z");
  EXPECT_EQ(names[2].text, u"A");
}

TEST_F(WalkFolderTest, AFolderThatCannotBeListedIsDrawnEmptyAndThePassGoesOn) {
  tree.fs.AddFolder(u"C:\\R", u"Esborrada");
  tree.fs.AddFolder(u"C:\\R", u"Viva");
  tree.fs.AddFile(u"C:\\R\\Viva", u"v.txt");
  tree.fs.Remove(u"C:\\R\\Esborrada");  // gone between the parent's listing and its own
  Walk(u"C:\\R");
  EXPECT_EQ(Surface().Of(DrawCall::kBox).size(), 3u);
  EXPECT_EQ(tree.layout.FolderCount, 3);
  EXPECT_FALSE(tree.window.List(2).visible);
  EXPECT_EQ(tree.window.List(3).items, std::vector<std::u16string>{u"v.txt"});
}

TEST_F(WalkFolderTest, ADriveRootDoublesItsSeparatorInEveryDerivedPath) {
  tree.fs.AddFolder(u"C:\\", u"Dades");
  tree.fs.AddFile(u"C:\\", u"boot.ini");
  tree.fs.AddFile(u"C:\\\\Dades", u"d.txt");
  Walk(u"C:\\");
  const auto names = Surface().Of(DrawCall::kPrint);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0].text, u"");
  EXPECT_EQ(names[1].text, u"Dades");
  EXPECT_EQ(tree.layout.FolderPaths[1], u"C:\\\\");
  EXPECT_EQ(tree.layout.FolderPaths[2], u"C:\\\\Dades\\");
  EXPECT_EQ(tree.fs.Listed(), (std::vector<std::u16string>{u"C:\\\\", u"C:\\\\Dades\\"}));
}

TEST_F(WalkFolderTest, FileListsRaiseMaxRightOnlyBeyondIt) {
  tree.fs.AddFile(u"C:\\R", u"f");
  // The list's right edge is 30 + 137 = 167.
  tree.layout.MaxRight = 167;
  Walk(u"C:\\R");
  EXPECT_EQ(tree.layout.MaxRight, 167);

  tree.layout.MaxRight = 166;
  tree.layout.FolderCount = 0;
  Walk(u"C:\\R");
  EXPECT_EQ(tree.layout.MaxRight, 172);
}

TEST_F(WalkFolderTest, AParentsNameCountsAfterItsSubFolders) {
  // The sub-folder's list ends at 50 + 137 = 187; the parent's name ends at 14 + 29 × 6 = 188.
  // The list is measured first and raises MaxRight to 192, which the name then leaves alone.
  const std::u16string name(29, u'n');
  tree.fs.AddFolder(u"C:\\" + name, u"S");
  tree.fs.AddFile(u"C:\\" + name + u"\\S", u"f");
  Walk(u"C:\\" + name);
  EXPECT_EQ(tree.layout.MaxRight, 192);

  // A long name further right than anything below it raises MaxRight to its end exactly.
  FakeTreeView other;
  const std::u16string longName(40, u'n');
  other.fs.AddFolder(u"C:\\" + longName, u"S");
  other.fs.AddFile(u"C:\\" + longName + u"\\S", u"f");
  other.window.Load();
  other.ukvel.WalkFolder(other.window, u"C:\\" + longName, 10, 29);
  EXPECT_EQ(other.layout.MaxRight, 14 + 40 * 6);
}

// A root with `subFolders` empty sub-folders.
void AddFlatTree(fakes::FakeFileSystem& fs, int subFolders) {
  for (int i = 0; i < subFolders; ++i)
    fs.AddFolder(u"C:\\R", u"S" + std::u16string(1, u'a' + i));
}

TEST_F(WalkFolderTest, FiftyFoldersAreDrawnWithoutMessage) {
  AddFlatTree(tree.fs, 49);
  Walk(u"C:\\R");
  EXPECT_EQ(Surface().Of(DrawCall::kBox).size(), 50u);
  EXPECT_EQ(tree.layout.FolderCount, 50);
  EXPECT_EQ(tree.layout.StopWalk, kFalse);
  EXPECT_TRUE(tree.messages.shown.empty());
}

TEST_F(WalkFolderTest, TheFiftyFirstFolderStopsTheWalkWithOneMessage) {
  AddFlatTree(tree.fs, 52);
  Walk(u"C:\\R");
  EXPECT_EQ(tree.messages.shown, std::vector<std::u16string>{u"Màxim  50 subcarpetes"});
  EXPECT_EQ(Surface().Of(DrawCall::kBox).size(), 50u);
  EXPECT_EQ(Surface().Of(DrawCall::kPrint).size(), 50u);
  EXPECT_EQ(tree.layout.FolderCount, 51);
  EXPECT_EQ(tree.layout.StopWalk, kTrue);
  // The 51st folder and those after it are never listed; their connectors all reach one row.
  EXPECT_EQ(tree.fs.Listed().size(), 50u);
  const auto lines = Surface().Of(DrawCall::kLine);
  ASSERT_EQ(lines.size(), 2u * 52);
  const float lastRow = tree.layout.NextY + 7;
  for (std::size_t i = 2 * 49; i < lines.size(); ++i)
    EXPECT_FLOAT_EQ(lines[i].y2, lastRow) << i;
  EXPECT_LT(lines[2 * 48].y2, lastRow);
}

TEST_F(WalkFolderTest, TheLimitHoldsInADeepTreeToo) {
  std::u16string path = u"C:\\R";
  for (int depth = 0; depth < 60; ++depth) {
    tree.fs.AddFolder(path, u"d");
    path += u"\\d";
  }
  Walk(u"C:\\R");
  EXPECT_EQ(tree.messages.shown.size(), 1u);
  EXPECT_EQ(Surface().Of(DrawCall::kBox).size(), 50u);
  EXPECT_EQ(tree.layout.FolderCount, 51);
  // Folder n stands at x = 10 + 20 (n - 1).
  EXPECT_FLOAT_EQ(Surface().Of(DrawCall::kBox).back().x1, 10 + 20 * 49);
}

}  // namespace
}  // namespace tavelin::core
