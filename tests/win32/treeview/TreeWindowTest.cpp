#include "TreeRig.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>

#include "platform/TestFolders.h"

namespace tavelin::win32 {
namespace {

using platform::testing::MakeFolder;
using platform::testing::TempFolder;
using platform::testing::Utf16;
using platform::testing::WriteBytes;
using testing::ChildRect;
using testing::ClientSize;
using testing::TreeRig;

constexpr COLORREF kGrey = RGB(192, 192, 192), kFill = RGB(255, 255, 128), kNavy = RGB(0, 0, 128);

RECT Rect(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

std::wstring TextOf(HWND window) {
  wchar_t text[256];
  return {text, static_cast<std::size_t>(GetWindowTextW(window, text, 256))};
}

RECT ExtentOf(HDC dc, COLORREF colour, const RECT& area) {
  RECT extent{};
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (const RECT pixel{x, y, x + 1, y + 1}; GetPixel(dc, x, y) == colour)
        UnionRect(&extent, &extent, &pixel);
  return extent;
}

class TreeWindowTest : public ::testing::Test {
 protected:
  TreeRig rig_;
};

TEST_F(TreeWindowTest, LoadsHiddenInItsLoadStateAndScalesToItsScreen) {
  rig_.fkvel.Window();
  TreeWindow& window = rig_.Window();
  const HWND handle = window.Handle();
  EXPECT_FALSE(IsWindowVisible(handle));
  EXPECT_EQ(TextOf(handle), L"CARPETA");
  EXPECT_EQ(std::tuple(ClientSize(handle).cx, ClientSize(handle).cy, rig_.window.ScaleHeight()),
            std::tuple(304L, 202L, 202.0F));
  EXPECT_EQ(ChildRect(window.PBts()), Rect(0, 0, 305, 25));
  for (int i = 0; i < TreeWindow::kButtonCount; ++i) {
    const HWND button = window.Bt(i);
    const auto* expected = reinterpret_cast<const wchar_t*>(core::FKvelDesign::kButtons[i].toolTip);
    EXPECT_EQ(GetParent(button), window.PBts());
    EXPECT_EQ(ChildRect(button), Rect(24 + 24 * i, 4, 16, 16)) << i;
    // The window text, not drawn beside the picture, is the name the standard accessible
    // object of a button gives.
    EXPECT_EQ(TextOf(button), expected);
    wchar_t tip[64] = L"";
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = handle;
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = tip;
    SendMessageW(window.ToolTips(), TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(tip, expected);
  }

  for (int i = 0; i < core::kFileListCount; ++i) {
    EXPECT_EQ(ChildRect(window.Lst(i).Handle()), Rect(i == 0 ? 144 : 152, 48, 137, 15)) << i;
    EXPECT_FALSE(window.Lst(i).Visible());
  }

  // Moved to a screen of 150 %: every figure is scaled.
  FileListBox& list = window.Lst(1);
  list.SetLeft(30);
  list.SetTop(45);
  list.SetHeight(41.4F);
  RECT outer{};
  GetWindowRect(handle, &outer);
  RECT suggested{outer.left, outer.top, outer.left + 480, outer.top + 340};
  SendMessageW(handle, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  GetWindowRect(handle, &outer);
  EXPECT_EQ(outer, suggested);
  EXPECT_FLOAT_EQ(rig_.window.Height(), 340 * 10.0F);  // 340 / 1.5 pixels of 15 twips
  EXPECT_FLOAT_EQ(rig_.window.ScaleWidth(), ClientSize(handle).cx / 1.5F);
  EXPECT_EQ(rig_.window.PBtsHeight(), 25);
  EXPECT_EQ(ChildRect(window.Bt(0)), Rect(36, 6, 24, 24));
  EXPECT_EQ(ChildRect(window.Bt(4)), Rect(180, 6, 24, 24));
  EXPECT_EQ(ChildRect(list.Handle()), (RECT{45, 68, 251, 130}));
  EXPECT_FLOAT_EQ(list.Top(), 45);
  EXPECT_EQ(SendMessageW(list.Handle(), LB_GETITEMHEIGHT, 0, 0), 18);
}

TEST_F(TreeWindowTest, DrawsTheWorkedExampleSizesTheWindowToItAndForwardsPresses) {
  const TempFolder temp;
  const std::wstring root = temp / L"Arrel";
  for (const wchar_t* folder : {L"", L"\\A", L"\\B"})
    MakeFolder(root + folder);
  for (const wchar_t* file : {L"un.txt", L"dos.txt", L"tres.txt", L"B\\b.txt"})
    WriteBytes(root + L'\\' + file, "");

  rig_.ukvel.ShowTree(Utf16(root));
  testing::PumpMessages();

  TreeWindow& window = rig_.Window();
  const HWND handle = window.Handle();
  EXPECT_TRUE(IsWindowVisible(handle));
  EXPECT_EQ(TextOf(handle), root);
  // A list stands at the nearest pixels and shows every entry without a scroll bar.
  EXPECT_EQ(ChildRect(window.Lst(3).Handle()), Rect(50, 120, 137, 14));
  for (const int index : {1, 3}) {
    const HWND list = window.Lst(index).Handle();
    RECT client{}, last{};
    GetClientRect(list, &client);
    SendMessageW(list, LB_GETITEMRECT, SendMessageW(list, LB_GETCOUNT, 0, 0) - 1,
                 reinterpret_cast<LPARAM>(&last));
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_LE(last.bottom, client.bottom) << index;
  }
  EXPECT_FALSE(IsWindowVisible(window.Lst(2).Handle()));

  // (2043 + 200) / 15 = 149.5 pixels of client at the nearest whole pixel; the width stays.
  EXPECT_EQ(std::tuple(ClientSize(handle).cx, ClientSize(handle).cy), std::tuple(304L, 150L));
  RECT outer{};
  GetWindowRect(handle, &outer);
  // Centred at its first show; the pass then changes only its height and top.
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
  EXPECT_EQ(outer.top,
            std::lround((GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2.0));

  // The box is outlined and filled to its last pixel, the name from 4 pixels inside it with the
  // drawing position behind.
  const HDC drawing = window.Surface().Dc();
  EXPECT_EQ(ExtentOf(drawing, kFill, {0, 0, 40, 50}), (RECT{11, 30, 31, 43}));
  EXPECT_EQ(GetPixel(drawing, 31, 43), kGrey);
  EXPECT_EQ(GetPixel(drawing, 32, 31), GetSysColor(COLOR_BTNFACE));
  const RECT name = ExtentOf(drawing, kNavy, {0, 0, 304, 80});
  EXPECT_TRUE(name.left >= 14 && name.left <= 16 && name.top >= 29 && name.bottom < 44);
  EXPECT_NEAR(window.Surface().CurrentX(), name.right, 2);

  // What the window shows is painted from the drawing; the strip in its own colour.
  UpdateWindow(handle);
  const HDC shown = GetDC(handle);
  EXPECT_EQ(GetPixel(shown, 20, 60), kGrey);
  ReleaseDC(handle, shown);
  const HDC strip = GetDC(window.PBts());
  EXPECT_EQ(GetPixel(strip, 200, 10), RGB(192, 192, 255));
  ReleaseDC(window.PBts(), strip);

  // Clearing leaves nothing of it, to the last pixel of the memory DC.
  window.Surface().Cls();
  const SIZE size = window.Surface().Size();
  EXPECT_EQ(ExtentOf(drawing, kGrey, {0, 0, size.cx, size.cy}), (RECT{0, 0, 0, 0}));
  EXPECT_EQ(window.Surface().CurrentX(), 0);

  // A press on a list, whichever the button, clears the others; only the left one picks.
  const std::tuple<UINT, UINT, WPARAM, bool> presses[] = {
      {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, true},
      {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, false},
      {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON | MK_SHIFT, false},
      {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON | MK_CONTROL, true},
  };
  const HWND files = window.Lst(1).Handle();
  RECT row{};
  SendMessageW(files, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
  const LPARAM at = MAKELPARAM((row.left + row.right) / 2, (row.top + row.bottom) / 2);
  for (const auto& [down, up, keys, selects] : presses) {
    rig_.fkvel.ActiveList = 0;
    window.Lst(3).SetListIndex(0);
    window.Lst(1).SetListIndex(-1);
    SendMessageW(files, down, keys, at);
    SendMessageW(files, up, 0, at);
    EXPECT_EQ(
        std::tuple(rig_.fkvel.ActiveList, window.Lst(3).ListIndex(), window.Lst(1).ListIndex()),
        std::tuple(1, -1, selects ? 2 : -1))
        << down;
  }
}

// Sub-folders with six files each: a box and a list of six rows apiece, taller than the screen.
std::wstring MakeTallTree(const TempFolder& temp) {
  const std::wstring root = temp / L"Alt";
  MakeFolder(root);
  for (int i = 0; i < 16; ++i) {
    const std::wstring folder = root + L"\\" + std::to_wstring(100 + i);
    MakeFolder(folder);
    for (int file = 0; file < 6; ++file)
      WriteBytes(folder + L"\\" + std::to_wstring(file) + L".txt", "");
  }
  return root;
}

// What a pass costs the lists and the drawing, counted as the window's thread sends its messages.
struct PassCosts {
  int fills = 0;        // rows given to a list: counts set, entries added
  int moves = 0;        // a list moved, sized, shown or hidden
  int reallocated = 0;  // the drawing's bitmap replaced, as seen at each of those messages
  static inline PassCosts* counting = nullptr;
  static inline TreeWindow* window = nullptr;
  static inline HGDIOBJ bitmap = nullptr;

  static LRESULT CALLBACK Count(int code, WPARAM wParam, LPARAM lParam) {
    const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    const HGDIOBJ now = GetCurrentObject(window->Surface().Dc(), OBJ_BITMAP);
    counting->reallocated += now != std::exchange(bitmap, now);
    if (GetDlgCtrlID(sent.hwnd) >= 100 && GetDlgCtrlID(sent.hwnd) <= 150 &&
        GetParent(sent.hwnd) == window->Handle()) {
      const UINT m = sent.message;
      counting->fills += m == LB_SETCOUNT || m == LB_ADDSTRING || m == LB_INSERTSTRING;
      counting->moves += m == WM_WINDOWPOSCHANGING;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
};

PassCosts CostOf(TreeRig& rig, const std::wstring& root) {
  PassCosts costs;
  PassCosts::counting = &costs;
  PassCosts::window = rig.window.Window();
  PassCosts::bitmap = GetCurrentObject(PassCosts::window->Surface().Dc(), OBJ_BITMAP);
  const HHOOK hook =
      SetWindowsHookExW(WH_CALLWNDPROC, &PassCosts::Count, nullptr, GetCurrentThreadId());
  rig.ukvel.ShowTree(Utf16(root));
  testing::PumpMessages();
  UnhookWindowsHookEx(hook);
  return costs;
}

// Huge folders stay fast only while a list takes all its rows at once, each list moves once a
// pass at most, and the drawing grows in steps rather than folder by folder.
TEST_F(TreeWindowTest, APassFillsEachListAtOnceAndMovesOnlyWhatChanged) {
  const TempFolder temp;
  const std::wstring root = MakeTallTree(temp);
  rig_.fkvel.Window();
  const PassCosts first = CostOf(rig_, root);
  // 17 folders walked, each list emptied then filled; 16 lists placed and shown in one move, and
  // each of their six rows brings a scroll bar.
  EXPECT_EQ(first.fills, 34);
  EXPECT_EQ(first.moves, 32);
  EXPECT_LE(first.reallocated, 7);
  const PassCosts again = CostOf(rig_, root);
  EXPECT_EQ(std::tuple(again.fills, again.moves, again.reallocated), std::tuple(34, 0, 0));
}

TEST_F(TreeWindowTest, ATreeTallerThanTheScreenGetsItsHeightAndTheCompanion) {
  const TempFolder temp;
  const std::wstring root = MakeTallTree(temp);
  rig_.ukvel.ShowTree(Utf16(root));
  testing::PumpMessages();

  const HWND tree = rig_.Window().Handle();
  RECT outer{};
  GetWindowRect(tree, &outer);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const float wanted = rig_.layout.NextY * 15 + rig_.layout.FrameExtraH + 200;
  ASSERT_GT(wanted / 15, screenHeight);
  EXPECT_EQ(outer.bottom - outer.top, std::lround(wanted / 15));
  EXPECT_EQ(outer.top, 0);

  ASSERT_TRUE(rig_.companion.Loaded());
  const HWND companion = rig_.companion.Window()->Handle();
  const HWND bar = rig_.companion.Window()->ScrllFrm();
  EXPECT_TRUE(IsWindowVisible(companion));
  EXPECT_EQ((GetWindowLongPtrW(companion, GWL_STYLE) & (WS_CAPTION | WS_SYSMENU)), 0);
  EXPECT_EQ(std::tuple(ClientSize(companion).cx, ClientSize(companion).cy), std::tuple(9L, 254L));
  EXPECT_EQ(ChildRect(bar), Rect(0, 0, 12, 257));
  RECT beside{};
  GetWindowRect(companion, &beside);
  EXPECT_EQ(beside.left, outer.left - 40);  // 600 twips
  EXPECT_EQ(beside.top, std::lround((screenHeight * 15 - 3810) / 2.0F / 15));
  const int half = rig_.companion.Max();

  // The bar moves the tree window once a request ends, from a click or a key (negative here)
  // while it has the focus; dragging the thumb moves nothing.
  const std::tuple<int, short, int> steps[] = {
      {SB_LINEDOWN, 0, 100},       {SB_PAGEDOWN, 0, 1100},
      {SB_THUMBTRACK, 2000, 1100}, {SB_THUMBPOSITION, 2000, 2000},
      {SB_LINEUP, 0, 1900},        {SB_PAGEUP, 0, 900},
      {SB_TOP, 0, -half},          {-VK_DOWN, 0, 100 - half},
      {-VK_END, 0, half},          {-VK_UP, 0, half - 100},
  };
  SetFocus(bar);
  for (const auto& [request, thumb, value] : steps) {
    if (request < 0) {
      SendMessageW(bar, WM_KEYDOWN, static_cast<WPARAM>(-request), 0);
    } else {
      SendMessageW(companion, WM_VSCROLL, MAKEWPARAM(request, static_cast<WORD>(thumb)),
                   reinterpret_cast<LPARAM>(bar));
    }
    GetWindowRect(tree, &outer);
    EXPECT_EQ(std::tuple(rig_.companion.Value(), outer.top),
              std::tuple(value, std::lround(value / 15.0F)))
        << request;
  }

  // Closing the tree window closes the companion with it.
  SendMessageW(tree, WM_CLOSE, 0, 0);
  EXPECT_FALSE(rig_.window.Loaded());
  EXPECT_FALSE(IsWindow(companion));
}

}  // namespace
}  // namespace tavelin::win32
