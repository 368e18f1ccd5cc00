#include "core/folderchoice/FPrvSD.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeChooser.h"
#include "fakes/FakeTreeView.h"

namespace tavelin::core {
namespace {

using Items = std::vector<std::u16string>;
using fakes::DrawCall;

constexpr auto kRecents = u"Recents.txt";

class ChooserTest : public testing::Test {
 protected:
  ChooserTest() {
    tree.fs.AddFolder(u"C:", u"Dades");
    tree.fs.AddFolder(u"C:\\Dades", u"Fotos");
    tree.fs.AddFile(u"C:\\Dades", u"llista.txt");
    tree.fs.AddFolder(u"D:", u"Arxiu");
    chooser.dirs.onChange = [this] {
      focusesAtChange.push_back(chooser.dirs.focuses);
      form.LDirs_Change();
    };
    chooser.dirs.path = u"C:\\Dades";
  }

  std::size_t Clears() const { return tree.window.surface.Of(DrawCall::kCls).size(); }

  fakes::FakeTreeView tree;
  fakes::FakeChooser chooser{tree.fs};
  FPrvSD form{chooser, tree.fs, tree.launcher, tree.ukvel, tree.fkvel};
  std::vector<int> focusesAtChange;
};

TEST_F(ChooserTest, LoadSortsTheFileAndCloseWritesTheListBackSorted) {
  tree.fs.SetFile(kRecents, "D:\\Arxiu\r\nC:\\alfa\r\nC:\\Dades");
  form.Form_Load();
  EXPECT_EQ(chooser.recents.list.items, (Items{u"C:\\alfa", u"C:\\Dades", u"D:\\Arxiu"}));
  EXPECT_EQ(chooser.recents.ListIndex(), -1);

  chooser.dirs.path = u"C:\\Dades\\Fotos";
  form.BtOk_Click();
  form.Form_Unload();
  EXPECT_EQ(tree.fs.Files().at(kRecents),
            "C:\\alfa\r\nC:\\Dades\r\nC:\\Dades\\Fotos\r\nD:\\Arxiu\r\n");
}

TEST_F(ChooserTest, MissingFileStartsEmptyAndCloseCreatesAnEmptyFile) {
  form.Form_Load();
  EXPECT_EQ(chooser.recents.ListCount(), 0);
  form.Form_Unload();
  EXPECT_EQ(tree.fs.Files().at(kRecents), "");
}

TEST_F(ChooserTest, UnreadableFileIsNeitherShownNorOverwritten) {
  tree.fs.SetFile(kRecents, "C:\\Dades\r\n");
  tree.fs.FailReadsOf(kRecents);
  form.Form_Load();
  EXPECT_EQ(chooser.recents.ListCount(), 0);

  form.BtOk_Click();
  EXPECT_EQ(chooser.recents.list.items, Items{u"C:\\Dades"});
  form.Form_Unload();
  EXPECT_EQ(tree.fs.Files().at(kRecents), "C:\\Dades\r\n");
}

TEST_F(ChooserTest, FailedSaveAtCloseKeepsTheOldFileAndThrowsNothing) {
  tree.fs.SetFile(kRecents, "C:\\Vell\r\n");
  tree.fs.FailWritesTo(kRecents);
  form.Form_Load();
  form.BtOk_Click();
  EXPECT_NO_THROW(form.Form_Unload());
  EXPECT_EQ(tree.fs.Files().at(kRecents), "C:\\Vell\r\n");
}

TEST_F(ChooserTest, OkTwiceOnOneFolderAddsItOnceAndDrawsTwice) {
  form.BtOk_Click();
  EXPECT_EQ(chooser.recents.list.items, Items{u"C:\\Dades"});
  EXPECT_TRUE(tree.window.loaded);
  EXPECT_EQ(tree.window.caption, u"C:\\Dades");
  EXPECT_EQ(Clears(), 1u);

  form.BtOk_Click();
  EXPECT_EQ(chooser.recents.list.items, Items{u"C:\\Dades"});
  EXPECT_EQ(tree.window.shows, 2);
  EXPECT_EQ(Clears(), 2u);
  // The tree is drawn again after the second clear: the folder's name follows it.
  const auto& calls = tree.window.surface.calls;
  EXPECT_EQ(calls.back().kind, DrawCall::kPrint);
  EXPECT_EQ(calls.back().text, u"Fotos");

  // A listed path that differs in letter case is another entry.
  chooser.dirs.path = u"C:\\DADES";
  form.BtOk_Click();
  EXPECT_EQ(chooser.recents.list.items, (Items{u"C:\\Dades", u"C:\\DADES"}));
}

TEST_F(ChooserTest, EnterInTheDirectoryListRunsOkOnTheCurrentFolderWithAnyModifiers) {
  form.LDirs_KeyDown(kKeyDelete, 0);
  form.LDirs_KeyDown(65, 0);
  EXPECT_FALSE(tree.window.loaded);
  EXPECT_EQ(chooser.recents.ListCount(), 0);

  form.LDirs_KeyDown(kKeyReturn, kShiftMask | kCtrlMask | kAltMask);
  EXPECT_EQ(chooser.recents.list.items, Items{u"C:\\Dades"});
  EXPECT_EQ(tree.window.caption, u"C:\\Dades");
  EXPECT_EQ(Clears(), 1u);
}

TEST_F(ChooserTest, PickingARecentFolderClosesTheTreeAndCompanionAndMovesTheFocusWithoutDrawing) {
  chooser.recents.AddItem(u"D:\\Arxiu");
  form.BtOk_Click();
  tree.companion.loaded = true;
  const std::size_t drawn = tree.window.surface.calls.size();

  chooser.recents.Pick(1);
  ASSERT_EQ(chooser.recents.Text(), u"D:\\Arxiu");
  form.LstR_Click();
  EXPECT_EQ(chooser.dirs.path, u"D:\\Arxiu");
  EXPECT_FALSE(tree.window.loaded);
  EXPECT_FALSE(tree.companion.loaded);
  // The change ran inside the pick, before the focus moved.
  EXPECT_EQ(focusesAtChange, std::vector<int>{0});
  EXPECT_EQ(chooser.dirs.focuses, 1);
  EXPECT_EQ(tree.window.surface.calls.size(), drawn);
  EXPECT_EQ(tree.window.shows, 1);

  // The next OK draws the picked folder, which is listed already.
  form.BtOk_Click();
  EXPECT_EQ(tree.window.caption, u"D:\\Arxiu");
  EXPECT_EQ(tree.window.loads, 2);
  EXPECT_EQ(chooser.recents.ListCount(), 2);
}

TEST_F(ChooserTest, PickingAVanishedFolderLeavesTheListTheTreeAndTheFocusAlone) {
  chooser.recents.AddItem(u"E:\\Perduda");
  form.BtOk_Click();
  chooser.recents.Pick(1);
  ASSERT_EQ(chooser.recents.Text(), u"E:\\Perduda");
  form.LstR_Click();
  EXPECT_EQ(chooser.dirs.path, u"C:\\Dades");
  EXPECT_EQ(chooser.dirs.changes, 0);
  EXPECT_EQ(chooser.dirs.focuses, 0);
  EXPECT_TRUE(tree.window.loaded);
  EXPECT_EQ(chooser.recents.ListCount(), 2);
}

TEST_F(ChooserTest, DeleteRemovesOnlyTheSelectedRecentEntry) {
  for (auto path : {u"C:\\A", u"C:\\B", u"C:\\C"})
    chooser.recents.AddItem(path);
  form.LstR_KeyDown(kKeyDelete, 0);
  EXPECT_EQ(chooser.recents.ListCount(), 3);

  chooser.recents.Pick(1);
  form.LstR_KeyDown(kKeyReturn, 0);
  form.LstR_KeyDown(8, 0);
  EXPECT_EQ(chooser.recents.ListCount(), 3);
  EXPECT_FALSE(tree.window.loaded);

  form.LstR_KeyDown(kKeyDelete, kShiftMask);
  EXPECT_EQ(chooser.recents.list.items, (Items{u"C:\\A", u"C:\\C"}));
  EXPECT_EQ(chooser.recents.ListIndex(), -1);
  form.LstR_KeyDown(kKeyDelete, 0);
  EXPECT_EQ(chooser.recents.list.items, (Items{u"C:\\A", u"C:\\C"}));
}

TEST_F(ChooserTest, InfoOpensTheHelpDocumentAndSurvivesAMissingInterpreter) {
  form.OpInfo_Click();
  ASSERT_EQ(tree.launcher.started.size(), 1u);
  EXPECT_EQ(tree.launcher.started[0].commandLine, u"cmd.exe /c Tavelin.pdf");
  EXPECT_EQ(tree.launcher.started[0].windowState, platform::WindowState::Hidden);

  tree.launcher.failing = {u"cmd.exe", u"command.com"};
  EXPECT_NO_THROW(form.OpInfo_Click());
  EXPECT_EQ(tree.launcher.started.size(), 3u);
}

}  // namespace
}  // namespace tavelin::core
