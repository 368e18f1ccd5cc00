// The Win32 folder chooser on its real window and controls, its logic on an in-memory drive.
#include "win32/folderchoice/ChooserWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/folderchoice/FPrvSD.h"
#include "fakes/FakeViews.h"
#include "treeview/TreeRig.h"

namespace tavelin::win32 {
namespace {

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

struct Drive : fakes::FakeTreeView {
  Drive() {
    fs.AddFolder(u"C:", u"Dades");
    fs.Add(u"C:\\Dades", {u"Fotos\\", u"arxiu\\", u"llista.txt"});
    fs.AddFolder(u"D:", u"Arxiu");
  }
};

class ChooserWindowTest : public ::testing::Test {
 protected:
  ChooserWindowTest() {
    chooser.Attach(form);
    chooser.Show();
    Pump();
  }

  HWND Item(ChooserWindow::Id id) const { return GetDlgItem(chooser.Handle(), id); }
  HWND RecentsEdit() const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(Item(ChooserWindow::kLstR), &info);
    return info.hwndItem;
  }

  // The program's loop: the chooser's dialog keys first.
  void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (chooser.TranslateDialogKey(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  void Key(HWND control, WPARAM key) {
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 1 | (3U << 30));
    Pump();
  }

  Drive tree;
  ChooserWindow chooser{tree.fs, u"C:\\Dades"};
  core::FPrvSD form{chooser, tree.fs, tree.launcher, tree.ukvel, tree.fkvel};
};

TEST_F(ChooserWindowTest, DeleteInTheRecentsRemovesThePickedEntryAndStillEditsTheText) {
  for (const char16_t* path : {u"C:\\C", u"C:\\a", u"C:\\B"})
    chooser.LstR().AddItem(path);
  const HWND edit = RecentsEdit();
  SendMessageW(Item(ChooserWindow::kLstR), CB_SETCURSEL, 1, 0);
  ASSERT_EQ(TextOf(edit), L"C:\\B");
  SendMessageW(edit, EM_SETSEL, 0, 0);

  Key(edit, VK_DELETE);
  EXPECT_EQ(chooser.LstR().List(1), u"C:\\C");
  EXPECT_EQ(TextOf(edit), L":\\B");
}

// Enter draws the tree from the directory list and does nothing in the recents; an arrow in the
// recents picks an entry.
TEST_F(ChooserWindowTest, StandsAtItsPixelsAndRunsOnItsKeys) {
  const SIZE client = testing::ClientSize(chooser.Handle());
  EXPECT_EQ(std::tuple(client.cx, client.cy), std::tuple(302L, 302L));
  const HMENU menu = GetMenu(chooser.Handle());
  wchar_t entry[16] = {};
  GetMenuStringW(menu, 0, entry, 16, MF_BYPOSITION);
  EXPECT_EQ(std::tuple(GetMenuItemCount(menu), std::wstring(entry), GetSubMenu(menu, 0)),
            std::tuple(1, std::wstring(L"Info"), HMENU{}));
  const std::tuple<ChooserWindow::Id, const wchar_t*, RECT> controls[] = {
      {ChooserWindow::kLabel2, L"Recents:", {16, 3, 73, 20}},
      {ChooserWindow::kLstR, L"", {8, 16, 297, 37}},
      {ChooserWindow::kLDirs, L"", {24, 40, 281, 256}},
      {ChooserWindow::kLabel1,
       L"Tria la carpeta de la qual vols obtenir l'arbre",
       {8, 256, 286, 269}},
      {ChooserWindow::kBtOk, L"ok", {128, 272, 177, 297}},
  };
  for (const auto& [id, text, rect] : controls) {
    EXPECT_EQ(TextOf(Item(id)), text) << id;
    EXPECT_EQ(testing::ChildRect(Item(id)), rect) << id;
  }
  const auto comboStyle = GetWindowLongPtrW(Item(ChooserWindow::kLstR), GWL_STYLE);
  EXPECT_EQ(comboStyle & (3 | CBS_SORT), CBS_DROPDOWN | CBS_SORT);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Item(ChooserWindow::kBtOk), WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_EQ(std::tuple(std::wstring(font.lfFaceName), font.lfHeight, font.lfWeight),
            std::tuple(std::wstring(L"MS Sans Serif"), -13L, LONG{FW_NORMAL}));

  chooser.LstR().AddItem(u"D:\\Arxiu");
  Key(RecentsEdit(), VK_RETURN);
  EXPECT_FALSE(tree.window.loaded);
  // A highlighted entry is not the current folder.
  Key(Item(ChooserWindow::kLDirs), VK_DOWN);
  Key(Item(ChooserWindow::kLDirs), VK_RETURN);
  EXPECT_EQ(tree.window.caption, u"C:\\Dades");

  Key(RecentsEdit(), VK_DOWN);
  Key(RecentsEdit(), VK_DOWN);
  // The picked entry, not the edit field's text of before the pick.
  EXPECT_EQ(chooser.LDirs().Path(), u"D:\\Arxiu");
  EXPECT_EQ(GetFocus(), Item(ChooserWindow::kLDirs));
}

}  // namespace
}  // namespace tavelin::win32
