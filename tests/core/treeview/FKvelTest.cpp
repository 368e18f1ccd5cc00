#include <gtest/gtest.h>

#include "fakes/FakeTreeView.h"

namespace tavelin::core {
namespace {

using fakes::FakeTreeView;

TEST(FKvel, APressMakesTheListActiveAndClearsEveryOtherSelection) {
  FakeTreeView tree;
  tree.window.Load();
  for (int i = 0; i < kFileListCount; ++i)
    tree.window.List(i).index = 0;
  tree.window.List(3).index = 2;
  tree.window.List(12).index = 1;

  tree.fkvel.Lst_MouseDown(7);

  EXPECT_EQ(tree.fkvel.ActiveList, 7);
  EXPECT_EQ(tree.window.List(7).index, 0);  // the list selects the pressed entry itself
  EXPECT_EQ(tree.window.List(0).index, 0);  // never shown, never touched
  for (int i = 1; i < kFileListCount; ++i) {
    if (i != 7) {
      EXPECT_EQ(tree.window.List(i).index, -1) << i;
    }
  }
}

TEST(FKvel, UnloadingClosesTheCompanionOnlyWhenLoaded) {
  FakeTreeView tree;
  tree.fkvel.Show();
  tree.fkvel.Unload();
  EXPECT_FALSE(tree.window.loaded);
  EXPECT_EQ(tree.companion.loads, 0);  // its load step never ran

  tree.fkvel.Show();
  tree.fscroll.SetVisible(true);
  tree.fkvel.ActiveList = 9;
  tree.fkvel.Unload();
  EXPECT_FALSE(tree.window.loaded);
  EXPECT_FALSE(tree.companion.loaded);
  EXPECT_EQ(tree.fkvel.ActiveList, 9);

  // Unloading a window that is not loaded does nothing at all.
  tree.fkvel.Unload();
  EXPECT_EQ(tree.window.loads, 2);
}

class ActionsTest : public ::testing::Test {
 protected:
  ActionsTest() {
    tree.window.Load();
    tree.layout.FolderPaths[4] = u"C:\\Els meus documents\\Cartes noves\\";
    tree.window.List(4).items = {u"primera.txt", u"carta a la Marta.txt"};
    tree.window.List(4).index = 1;
    tree.layout.FolderPaths[9] = u"D:\\Altres\\";
    tree.window.List(9).items = {u"nota.txt"};
    tree.window.List(9).index = 0;
  }

  std::vector<std::u16string> Started() const {
    std::vector<std::u16string> lines;
    for (const auto& r : tree.launcher.started)
      lines.push_back(r.commandLine);
    return lines;
  }

  FakeTreeView tree;
};

TEST_F(ActionsTest, ButtonsBuildTheirCommandLinesUnquoted) {
  tree.fkvel.Lst_MouseDown(4);
  for (std::int16_t button = 0; button < 5; ++button)
    tree.fkvel.Bt_Click(button);

  const std::u16string file = u"C:\\Els meus documents\\Cartes noves\\carta a la Marta.txt";
  EXPECT_EQ(Started(), (std::vector<std::u16string>{
                           u"Notepad.exe " + file,
                           u"C:\\Archivos de programa\\Windows NT\\Accesorios\\wordpad.exe " + file,
                           file,
                           u"mspaint.exe " + file,
                           u"marbek.exe C:\\Els meus documents\\Cartes noves\\",
                       }));
  EXPECT_EQ(
      std::u16string(u"C:\\Archivos de programa\\Windows NT\\Accesorios\\wordpad.exe ").size(),
      58u);
  const auto& requests = tree.launcher.started;
  EXPECT_EQ(requests[0].kind, platform::ProgramKind::Named);
  EXPECT_EQ(requests[0].program, u"Notepad.exe");
  EXPECT_EQ(requests[0].argument, file);
  EXPECT_EQ(requests[1].program, u"C:\\Archivos de programa\\Windows NT\\Accesorios\\wordpad.exe");
  EXPECT_EQ(requests[2].kind, platform::ProgramKind::File);
  EXPECT_EQ(requests[2].program, file);
  EXPECT_EQ(requests[2].argument, u"");
  EXPECT_EQ(requests[4].argument, u"C:\\Els meus documents\\Cartes noves\\");
  for (const auto& r : requests)
    EXPECT_EQ(r.windowState, platform::WindowState::NormalFocus);
  EXPECT_TRUE(tree.messages.shown.empty());
}

TEST_F(ActionsTest, BeforeAnyPressOnlyTheEditorsStartAndOnTheFolderPathAlone) {
  for (std::int16_t button = 0; button < 5; ++button)
    tree.fkvel.Bt_Click(button);
  EXPECT_EQ(Started(), (std::vector<std::u16string>{
                           u"Notepad.exe ",
                           u"C:\\Archivos de programa\\Windows NT\\Accesorios\\wordpad.exe ",
                           u"mspaint.exe ",
                       }));
  EXPECT_TRUE(tree.messages.shown.empty());

  // No selection in the pressed list: the command line ends with the folder path.
  tree.fkvel.Lst_MouseDown(9);
  tree.window.List(9).index = -1;
  tree.fkvel.Bt_Click(0);
  tree.fkvel.Bt_Click(4);
  EXPECT_EQ(tree.launcher.started[3].commandLine, u"Notepad.exe D:\\Altres\\");
  EXPECT_EQ(tree.launcher.started[4].commandLine, u"marbek.exe D:\\Altres\\");
}

TEST_F(ActionsTest, AFailedStartShowsOneMessageAndChangesNothing) {
  tree.fkvel.Lst_MouseDown(4);
  tree.launcher.failing = {u"Notepad.exe", u"marbek.exe",
                           u"C:\\Els meus documents\\Cartes noves\\carta a la Marta.txt"};
  tree.fkvel.Bt_Click(0);
  EXPECT_EQ(tree.messages.shown, std::vector<std::u16string>{u"No és un executable"});
  tree.fkvel.Bt_Click(2);
  tree.fkvel.Bt_Click(4);
  EXPECT_EQ(tree.messages.shown.size(), 3u);
  EXPECT_EQ(tree.fkvel.ActiveList, 4);
  EXPECT_EQ(tree.window.List(4).index, 1);

  // An index outside the buttons does nothing.
  tree.fkvel.Bt_Click(5);
  tree.fkvel.Bt_Click(-1);
  EXPECT_EQ(tree.launcher.started.size(), 3u);
  EXPECT_EQ(tree.messages.shown.size(), 3u);
}

TEST_F(ActionsTest, ADoubleClickUsesItsOwnList) {
  tree.fkvel.Lst_MouseDown(4);
  tree.window.List(9).index = 0;  // chosen with the keyboard, which leaves ActiveList at 4
  tree.fkvel.Lst_DblClick(9);
  EXPECT_EQ(Started(), std::vector<std::u16string>{u"Notepad.exe D:\\Altres\\nota.txt"});
  tree.launcher.failing = {u"Notepad.exe"};
  tree.fkvel.Lst_DblClick(9);
  EXPECT_EQ(tree.messages.shown, std::vector<std::u16string>{u"No és un executable"});
}

TEST(FKvel, ButtonsKeepActingOnTheListLastPressedAfterASmallerTree) {
  FakeTreeView big;
  std::u16string path = u"C:\\Gran";
  for (int i = 0; i < 6; ++i) {
    big.fs.AddFile(path, u"f" + std::u16string(1, u'0' + i));
    big.fs.AddFolder(path, u"sub");
    path += u"\\sub";
  }
  big.ukvel.ShowTree(u"C:\\Gran");
  big.fkvel.Lst_MouseDown(5);
  big.window.List(5).index = 0;

  big.fs.AddFile(u"C:\\Petit", u"p");
  big.ukvel.ShowTree(u"C:\\Petit");
  big.fkvel.Bt_Click(0);
  big.fkvel.Bt_Click(4);
  ASSERT_EQ(big.launcher.started.size(), 2u);
  EXPECT_EQ(big.launcher.started[0].commandLine, u"Notepad.exe C:\\Gran\\sub\\sub\\sub\\sub\\f4");
  EXPECT_EQ(big.launcher.started[1].commandLine, u"marbek.exe C:\\Gran\\sub\\sub\\sub\\sub\\");
}

}  // namespace
}  // namespace tavelin::core
