#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "fakes/FakeTreeView.h"

namespace tavelin::core {
namespace {

using fakes::DrawCall;
using fakes::FakeTreeWindow;

constexpr float kLoadWidth = FakeTreeWindow::kLoadWidth;

class ShowTreeTest : public ::testing::Test, protected fakes::FakeTreeView {
 protected:
  ShowTreeTest() {
    fs.Add(u"C:\\Arrel", {u"un.txt", u"A\\", u"dos.txt", u"B\\", u"tres.txt", u"B\\b.txt"});
  }
  // A chain of three nested folders of five files: rows of 16 + 69 + 2 pixels from y = 29.
  void AddTallTree() {
    fs.Add(u"C:\\Alt",
           {u"a", u"b", u"c", u"d", u"e", u"d\\", u"d\\a", u"d\\b", u"d\\c", u"d\\d", u"d\\e",
            u"d\\d\\", u"d\\d\\a", u"d\\d\\b", u"d\\d\\c", u"d\\d\\d", u"d\\d\\e"});
  }
  // The height the display pass gives the window: the drawing, the frame and a margin, in twips.
  float Height() const { return layout.NextY * 15 + FakeTreeWindow::kFrameH + 200; }
};

TEST_F(ShowTreeTest, SizesTheWindowToTheWorkedExampleAndCentresIt) {
  ukvel.ShowTree(u"C:\\Arrel");
  EXPECT_EQ(std::tuple(window.loads, window.shows, window.focuses, companion.loaded),
            std::tuple(1, 1, 0, false));
  EXPECT_EQ(window.caption, u"C:\\Arrel");
  EXPECT_EQ(std::pair(layout.FrameExtraW, layout.FrameExtraH),
            std::pair(FakeTreeWindow::kFrameW, FakeTreeWindow::kFrameH));
  EXPECT_EQ(window.surface.calls.front().kind, DrawCall::kCls);
  EXPECT_EQ(window.surface.Of(DrawCall::kBox).front().y1, 29);  // below the 25 pixel strip
  EXPECT_FLOAT_EQ(window.height, 2693);  // 2043 twips of drawing, the frame and a margin
  EXPECT_EQ(window.width, kLoadWidth);   // 192 × 15 + 120 = 3000 does not exceed it
  EXPECT_EQ(std::pair(window.left, window.top), std::pair(3000.f, (11520 - window.height) / 2));
}

TEST_F(ShowTreeTest, WidensOnlyBeyondTheCurrentWidthAndNeverNarrows) {
  layout.MaxRight = 304;  // the drawing's extent exactly at the window's width
  ukvel.ShowTree(u"C:\\Arrel");
  EXPECT_EQ(window.width, kLoadWidth);

  layout.MaxRight = (kLoadWidth + 1 - FakeTreeWindow::kFrameW) / 15;  // one twip beyond
  ukvel.ShowTree(u"C:\\Arrel");
  EXPECT_EQ(window.width, kLoadWidth + 1 + 200);

  // MaxRight carries over: a narrow tree after a wide one keeps the wide width.
  fs.Add(u"C:\\Estreta", {u"x\\"});
  ukvel.ShowTree(u"C:\\Estreta");
  EXPECT_EQ(window.width, kLoadWidth + 1 + 200);
}

// The old lists keep their entries and folder paths, hidden, and the buttons act on the list
// pressed last.
TEST_F(ShowTreeTest, ASecondPassHidesEveryListAndKeepsOldFolderPaths) {
  ukvel.ShowTree(u"C:\\Arrel");
  fkvel.Lst_MouseDown(3);
  window.List(3).index = 0;
  fs.Add(u"C:\\Sola", {u"s.txt"});
  ukvel.ShowTree(u"C:\\Sola");
  EXPECT_EQ(window.loads, 1);
  EXPECT_EQ(window.surface.Of(DrawCall::kCls).size(), 2u);
  EXPECT_EQ(window.caption, u"C:\\Sola");
  EXPECT_EQ(window.List(1).items, std::vector<std::u16string>{u"s.txt"});
  for (int i = 2; i < kFileListCount; ++i)
    EXPECT_FALSE(window.List(i).visible) << i;
  EXPECT_EQ(window.List(3).items, std::vector<std::u16string>{u"b.txt"});
  EXPECT_EQ(layout.FolderPaths[1], u"C:\\Sola\\");
  fkvel.Bt_Click(0);
  ASSERT_EQ(launcher.started.size(), 1u);
  EXPECT_EQ(launcher.started[0].commandLine, u"Notepad.exe C:\\Arrel\\B\\b.txt");
}

TEST_F(ShowTreeTest, AWindowAsTallAsTheScreenGoesToTheTopWithTheCompanion) {
  AddTallTree();
  window.left = 450;
  screen.height = 290 * 15 + FakeTreeWindow::kFrameH + 200;  // NextY = 29 + 3 × 87 = 290
  ukvel.ShowTree(u"C:\\Alt");
  ASSERT_FLOAT_EQ(layout.NextY, 290);
  EXPECT_EQ(std::pair(window.height, window.top), std::pair(screen.height, 0.f));
  EXPECT_TRUE(companion.loaded && companion.visible);
  EXPECT_EQ(companion.left, -150);  // 600 twips left of the window, beyond the screen's edge
  EXPECT_EQ(companion.top, (screen.height - 3810) / 2);
  EXPECT_EQ(window.focuses, 1);
  // The bar moves the window from where it stood when the companion loaded.
  for (const auto& [value, top] : {std::pair{-1000, -1000}, std::pair{5760, 5760}}) {
    companion.value = static_cast<std::int16_t>(value);
    fscroll.ScrllFrm_Change();
    EXPECT_EQ(window.top, top);
  }

  // A later short tree is centred; the companion stays, its bar where the user left it.
  companion.value = 300;
  ukvel.ShowTree(u"C:\\Arrel");
  EXPECT_EQ(window.top, (screen.height - window.height) / 2);
  EXPECT_TRUE(companion.visible);
  EXPECT_EQ(companion.value, 300);
  // A second tall tree places the companion again but does not load it again.
  ukvel.ShowTree(u"C:\\Alt");
  EXPECT_EQ(companion.loads, 1);
  EXPECT_EQ(window.top, 0);
}

TEST_F(ShowTreeTest, TheFolderLimitDoesNotStopSizingAndTheNextPassStartsAfresh) {
  for (char16_t i = 0; i < 55; ++i)
    fs.Add(u"C:\\Molts", {{u's', char16_t(u'A' + i), u'\\'}});
  ukvel.ShowTree(u"C:\\Molts");
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_FLOAT_EQ(layout.NextY, 29 + 50 * 16);  // 50 empty folders
  EXPECT_EQ(window.height, Height());

  ukvel.ShowTree(u"C:\\Arrel");
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(layout.FolderCount, 3);
}

}  // namespace
}  // namespace tavelin::core
