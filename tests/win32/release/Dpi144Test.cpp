// A whole pass on a screen of 144 DPI (150 %), set for the session before the program starts:
// every window is made at that scale from the start, not moved to it. Run by Dpi144.cmake in a
// Wine prefix of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/TestFolders.h"
#include "win32/folderchoice/ChooserWindow.h"
#include "win32/treeview/TreeRig.h"

namespace tavelin::win32 {
namespace {

using platform::testing::MakeFolder;
using platform::testing::TempFolder;
using platform::testing::Utf16;
using platform::testing::WriteBytes;
using testing::ClientSize;

int IconSide(HWND window, WPARAM which) {
  ICONINFO info{};
  GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0)), &info);
  BITMAP bitmap{};
  GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

TEST(Dpi144Test, TheWorkedExampleFromTheChooserToTheDrawingAtOneAndAHalf) {
  ASSERT_EQ(GetDpiForSystem(), 144U);
  const TempFolder temp;
  const std::wstring root = temp / L"Arrel";
  MakeFolder(root);
  for (const wchar_t* file : {L"un.txt", L"dos.txt", L"tres.txt"})
    WriteBytes(root + L'\\' + file, "");
  MakeFolder(root + L"\\A");
  MakeFolder(root + L"\\B");
  WriteBytes(root + L"\\B\\b.txt", "");

  // 302 pixels of client each way, the OK button's face the TrueType one, the icons of 150 %.
  ChooserWindow chooser(platform::NativeFileSystem(), Utf16(root));
  EXPECT_EQ(ClientSize(chooser.Handle()).cx, 453);
  EXPECT_EQ(ClientSize(chooser.Handle()).cy, 453);
  LOGFONTW ok{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(
                 GetDlgItem(chooser.Handle(), ChooserWindow::kBtOk), WM_GETFONT, 0, 0)),
             sizeof ok, &ok);
  EXPECT_EQ(std::wstring(ok.lfFaceName), L"Microsoft Sans Serif");
  EXPECT_EQ(ok.lfHeight, -20);  // 9.75 points at 144 DPI
  EXPECT_EQ(IconSide(chooser.Handle(), ICON_BIG), 48);
  EXPECT_EQ(IconSide(chooser.Handle(), ICON_SMALL), 24);

  testing::TreeRig rig;
  rig.ukvel.ShowTree(Utf16(root));
  testing::PumpMessages();
  // The first box, (10, 29) to (31, 43), from device pixel (15, 44): 1.5 times its place.
  const HDC drawing = rig.Window().Surface().Dc();
  const COLORREF grey = RGB(192, 192, 192);
  const COLORREF fill = RGB(255, 255, 128);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const struct {
    int x, y;
    COLORREF expected;
  } pixels[] = {{15, 44, grey}, {14, 44, face}, {15, 43, face}, {16, 45, grey}, {17, 45, fill},
                {46, 64, fill}, {47, 65, grey}, {48, 65, face}, {47, 66, face}};
  for (const auto& p : pixels)
    EXPECT_EQ(GetPixel(drawing, p.x, p.y), p.expected) << p.x << ',' << p.y;
  EXPECT_EQ(IconSide(rig.Window().Handle(), ICON_SMALL), 24);
}

}  // namespace
}  // namespace tavelin::win32
