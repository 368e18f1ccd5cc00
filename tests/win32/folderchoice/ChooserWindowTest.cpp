// The Win32 folder chooser on its real window and controls, its logic on an in-memory drive.
#include "win32/folderchoice/ChooserWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/folderchoice/FPrvSD.h"
#include "fakes/FakeTreeView.h"

namespace tavelin::win32 {
namespace {

using Items = std::vector<std::u16string>;

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

RECT ChildRect(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The folders exist before the chooser lists them.
struct Drive : fakes::FakeTreeView {
  Drive() {
    fs.AddFolder(u"C:", u"Dades");
    fs.AddFolder(u"C:\\Dades", u"Fotos");
    fs.AddFolder(u"C:\\Dades", u"arxiu");
    fs.AddFile(u"C:\\Dades", u"llista.txt");
    fs.AddFolder(u"D:", u"Arxiu");
  }
};

class ChooserWindowTest : public testing::Test {
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
  std::u16string Row(int row) const {
    wchar_t text[256] = {};
    SendMessageW(Item(ChooserWindow::kLDirs), LB_GETTEXT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(text));
    return std::u16string(text, text + wcslen(text));
  }
  Items Rows() const {
    Items rows;
    const auto count = SendMessageW(Item(ChooserWindow::kLDirs), LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
      rows.push_back(Row(i));
    return rows;
  }

  Drive tree;
  ChooserWindow chooser{tree.fs, u"C:\\Dades"};
  core::FPrvSD form{chooser, tree.fs, tree.launcher, tree.ukvel, tree.fkvel};
};

TEST_F(ChooserWindowTest, WindowMenuAndControlsStandAtTheirPixels) {
  EXPECT_EQ(TextOf(chooser.Handle()), L"Visió total carpeta");
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(chooser.Handle(), GWL_STYLE));
  EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
  RECT client{};
  GetClientRect(chooser.Handle(), &client);
  EXPECT_EQ(client.right, 302);
  EXPECT_EQ(client.bottom, 302);

  const HMENU menu = GetMenu(chooser.Handle());
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(GetMenuItemCount(menu), 1);
  wchar_t entry[16] = {};
  GetMenuStringW(menu, 0, entry, 16, MF_BYPOSITION);
  EXPECT_STREQ(entry, L"Info");
  EXPECT_EQ(GetSubMenu(menu, 0), nullptr);
  EXPECT_EQ(GetMenuItemID(menu, 0), static_cast<UINT>(ChooserWindow::kOpInfo));

  struct Control {
    ChooserWindow::Id id;
    const wchar_t* text;
    RECT rect;
  };
  const Control controls[] = {
      {ChooserWindow::kLabel2, L"Recents:", {16, 3, 73, 20}},
      {ChooserWindow::kLstR, L"", {8, 16, 297, 37}},
      {ChooserWindow::kLDirs, L"", {24, 40, 281, 256}},
      {ChooserWindow::kLabel1,
       L"Tria la carpeta de la qual vols obtenir l'arbre",
       {8, 256, 286, 269}},
      {ChooserWindow::kBtOk, L"ok", {128, 272, 177, 297}},
  };
  for (const Control& c : controls) {
    const RECT r = ChildRect(Item(c.id));
    EXPECT_EQ(TextOf(Item(c.id)), c.text) << c.id;
    EXPECT_EQ(r.left, c.rect.left) << c.id;
    EXPECT_EQ(r.top, c.rect.top) << c.id;
    EXPECT_EQ(r.right, c.rect.right) << c.id;
    EXPECT_EQ(r.bottom, c.rect.bottom) << c.id;
  }

  const auto comboStyle = GetWindowLongPtrW(Item(ChooserWindow::kLstR), GWL_STYLE);
  EXPECT_EQ(comboStyle & 3, CBS_DROPDOWN);
  EXPECT_NE(comboStyle & CBS_SORT, 0);
  EXPECT_NE(GetWindowLongPtrW(Item(ChooserWindow::kLabel1), GWL_STYLE) & SS_CENTER, 0);

  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Item(ChooserWindow::kBtOk), WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");
  EXPECT_EQ(font.lfHeight, -13);
  EXPECT_EQ(font.lfWeight, FW_NORMAL);
}

TEST_F(ChooserWindowTest, MovedToAScreenOf150PercentEveryControlAndFontIsScaled) {
  RECT outer{};
  GetWindowRect(chooser.Handle(), &outer);
  RECT suggested{outer.left + 40, outer.top + 30, outer.left + 500, outer.top + 540};
  SendMessageW(chooser.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));

  GetWindowRect(chooser.Handle(), &outer);
  EXPECT_EQ(outer.left, suggested.left);
  EXPECT_EQ(outer.top, suggested.top);
  // Twips × 1.5 / 15, rounded half away from zero.
  struct Control {
    ChooserWindow::Id id;
    RECT rect;
  };
  const Control controls[] = {
      {ChooserWindow::kLabel2, {24, 4, 110, 30}},
      {ChooserWindow::kLDirs, {36, 60, 422, 384}},
      {ChooserWindow::kLabel1, {12, 384, 429, 404}},
      {ChooserWindow::kBtOk, {192, 408, 266, 446}},
  };
  for (const Control& c : controls) {
    const RECT r = ChildRect(Item(c.id));
    EXPECT_EQ(r.left, c.rect.left) << c.id;
    EXPECT_EQ(r.top, c.rect.top) << c.id;
    EXPECT_EQ(r.right, c.rect.right) << c.id;
    EXPECT_EQ(r.bottom, c.rect.bottom) << c.id;
  }
  EXPECT_EQ(ChildRect(Item(ChooserWindow::kLstR)).left, 12);
  EXPECT_EQ(ChildRect(Item(ChooserWindow::kLstR)).right, 12 + 434);

  struct Font {
    ChooserWindow::Id id;
    LONG height;
  };
  for (const Font& f : {Font{ChooserWindow::kBtOk, -20}, Font{ChooserWindow::kLDirs, -17}}) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Item(f.id), WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_EQ(font.lfHeight, f.height) << f.id;
  }
  EXPECT_EQ(SendMessageW(Item(ChooserWindow::kLDirs), LB_GETITEMHEIGHT, 0, 0), 19);
}

TEST_F(ChooserWindowTest, ColoursOfTheLabelsAndLists) {
  struct Case {
    UINT message;
    HWND control;
    COLORREF text;  // CLR_INVALID: the control's own
    COLORREF background;
  };
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const Case cases[] = {
      {WM_CTLCOLORSTATIC, Item(ChooserWindow::kLabel2), RGB(0, 0, 128), face},
      {WM_CTLCOLORSTATIC, Item(ChooserWindow::kLabel1), RGB(128, 0, 0), face},
      {WM_CTLCOLOREDIT, RecentsEdit(), CLR_INVALID, RGB(255, 255, 192)},
      {WM_CTLCOLORLISTBOX, Item(ChooserWindow::kLDirs), CLR_INVALID, RGB(192, 255, 192)},
  };
  const HDC dc = GetDC(chooser.Handle());
  for (const Case& c : cases) {
    SetTextColor(dc, RGB(1, 2, 3));
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(chooser.Handle(), c.message,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(c.control)));
    LOGBRUSH painted{};
    ASSERT_NE(GetObjectW(brush, sizeof painted, &painted), 0) << c.message;
    EXPECT_EQ(painted.lbColor, c.background) << c.message;
    EXPECT_EQ(GetBkColor(dc), c.background) << c.message;
    EXPECT_EQ(GetTextColor(dc), c.text == CLR_INVALID ? RGB(1, 2, 3) : c.text) << c.message;
  }
  ReleaseDC(chooser.Handle(), dc);

  // What the directory list really paints below its entries.
  const HWND dirs = Item(ChooserWindow::kLDirs);
  UpdateWindow(dirs);
  const HDC listDc = GetDC(dirs);
  EXPECT_EQ(GetPixel(listDc, 100, 200), RGB(192, 255, 192));
  ReleaseDC(dirs, listDc);
}

TEST_F(ChooserWindowTest, FocusStartsInTheDirectoryListAndTabGoesToOkThenTheRecents) {
  EXPECT_EQ(GetFocus(), Item(ChooserWindow::kLDirs));
  const HWND order[] = {Item(ChooserWindow::kBtOk), Item(ChooserWindow::kLstR),
                        Item(ChooserWindow::kLDirs)};
  HWND at = Item(ChooserWindow::kLDirs);
  for (HWND next : order) {
    at = GetNextDlgTabItem(chooser.Handle(), at, FALSE);
    EXPECT_EQ(at, next);
  }
  Key(Item(ChooserWindow::kLDirs), VK_TAB);
  EXPECT_EQ(GetFocus(), Item(ChooserWindow::kBtOk));
  Key(Item(ChooserWindow::kBtOk), VK_TAB);
  EXPECT_EQ(GetFocus(), RecentsEdit());
}

TEST_F(ChooserWindowTest, ListsTheFolderAndOpensAnEntryOnlyOnADoubleClick) {
  EXPECT_EQ(Rows(), (Items{u"C:\\", u"Dades", u"arxiu", u"Fotos"}));
  const HWND dirs = Item(ChooserWindow::kLDirs);
  EXPECT_EQ(SendMessageW(dirs, LB_GETCURSEL, 0, 0), 1);
  tree.window.Load();

  RECT fotos{};
  SendMessageW(dirs, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&fotos));
  const LPARAM at = MAKELPARAM((fotos.left + fotos.right) / 2, (fotos.top + fotos.bottom) / 2);
  SendMessageW(dirs, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(dirs, WM_LBUTTONUP, 0, at);
  Key(dirs, VK_UP);
  Pump();
  EXPECT_EQ(chooser.LDirs().Path(), u"C:\\Dades");
  EXPECT_TRUE(tree.window.loaded);

  SendMessageW(dirs, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(dirs, WM_LBUTTONUP, 0, at);
  SendMessageW(dirs, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageW(dirs, WM_LBUTTONUP, 0, at);
  Pump();
  EXPECT_EQ(chooser.LDirs().Path(), u"C:\\Dades\\Fotos");
  EXPECT_EQ(Rows(), (Items{u"C:\\", u"Dades", u"Fotos"}));
  // The change closed the tree window.
  EXPECT_FALSE(tree.window.loaded);
}

TEST_F(ChooserWindowTest, EnterInTheDirectoryListDrawsTheTreeAndEnterInTheRecentsDoesNothing) {
  Key(RecentsEdit(), VK_RETURN);
  EXPECT_FALSE(tree.window.loaded);
  EXPECT_EQ(chooser.LstR().ListCount(), 0);

  // A highlighted entry is not the current folder.
  Key(Item(ChooserWindow::kLDirs), VK_DOWN);
  Key(Item(ChooserWindow::kLDirs), VK_RETURN);
  EXPECT_TRUE(tree.window.loaded);
  EXPECT_EQ(tree.window.caption, u"C:\\Dades");
  EXPECT_EQ(chooser.LstR().List(0), u"C:\\Dades");
  EXPECT_EQ(chooser.LstR().ListCount(), 1);
}

TEST_F(ChooserWindowTest, DeleteInTheRecentsRemovesThePickedEntryAndStillEditsTheText) {
  for (const char16_t* path : {u"C:\\C", u"C:\\a", u"C:\\B"})
    chooser.LstR().AddItem(path);
  const HWND combo = Item(ChooserWindow::kLstR);
  const HWND edit = RecentsEdit();
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  ASSERT_EQ(TextOf(edit), L"C:\\B");
  SendMessageW(edit, EM_SETSEL, 0, 0);

  Key(edit, VK_DELETE);
  EXPECT_EQ(chooser.LstR().ListCount(), 2);
  EXPECT_EQ(chooser.LstR().List(0), u"C:\\a");
  EXPECT_EQ(chooser.LstR().List(1), u"C:\\C");
  EXPECT_EQ(chooser.LstR().ListIndex(), -1);
  EXPECT_EQ(TextOf(edit), L":\\B");

  // Nothing selected now: the key only edits.
  Key(edit, VK_DELETE);
  EXPECT_EQ(chooser.LstR().ListCount(), 2);
  EXPECT_EQ(TextOf(edit), L"\\B");
}

TEST_F(ChooserWindowTest, AnArrowInTheRecentsPicksAnEntryAndClosingWritesThemSorted) {
  chooser.LstR().AddItem(u"D:\\Arxiu");
  Key(Item(ChooserWindow::kLDirs), VK_RETURN);
  ASSERT_TRUE(tree.window.loaded);

  Key(RecentsEdit(), VK_DOWN);
  EXPECT_EQ(chooser.LstR().ListIndex(), 0);
  EXPECT_EQ(chooser.LDirs().Path(), u"C:\\Dades");
  Key(RecentsEdit(), VK_DOWN);
  // The picked entry, not the edit field's text of before the pick.
  EXPECT_EQ(chooser.LDirs().Path(), u"D:\\Arxiu");
  EXPECT_EQ(GetFocus(), Item(ChooserWindow::kLDirs));
  EXPECT_FALSE(tree.window.loaded);

  SendMessageW(chooser.Handle(), WM_COMMAND, MAKEWPARAM(ChooserWindow::kOpInfo, 0), 0);
  ASSERT_EQ(tree.launcher.started.size(), 1u);
  EXPECT_EQ(tree.launcher.started[0].commandLine, u"cmd.exe /c Tavelin.pdf");

  SendMessageW(chooser.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(chooser.Handle(), nullptr);
  EXPECT_EQ(tree.fs.Files().at(u"Recents.txt"), "C:\\Dades\r\nD:\\Arxiu\r\n");
}

}  // namespace
}  // namespace tavelin::win32
