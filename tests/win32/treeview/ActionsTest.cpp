#include <gtest/gtest.h>

#include <string>

#include "TreeRig.h"
#include "platform/windows/StandIns.h"

namespace tavelin::win32 {
namespace {

using namespace platform::testing;
using testing::TreeRig;

// The fixed WordPad path made for the test and taken away after it, its folders with it.
struct WordPadStandIn {
  WordPadStandIn() {
    for (const wchar_t* folder : kFolders)
      CreateDirectoryW(folder, nullptr);
    InstallProbe(Program());
  }
  ~WordPadStandIn() {
    DeleteFileW(Program().c_str());
    for (int i = 2; i >= 0; --i)
      RemoveDirectoryW(kFolders[i]);
  }
  static std::wstring Program() { return std::wstring(kFolders[2]) + L"\\wordpad.exe"; }
  static constexpr const wchar_t* kFolders[] = {
      L"C:\\Archivos de programa", L"C:\\Archivos de programa\\Windows NT",
      L"C:\\Archivos de programa\\Windows NT\\Accesorios"};
};

class ActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeFolder(root_);
    WriteBytes(root_ + L"\\" + kNote, "text\r\n");
    InstallProbe(root_ + L"\\prova.exe");
    // Never started: a program in the working folder, one at a prefix of WordPad's path.
    InstallProbe(temp_ / L"Notepad.exe");
    InstallProbe(kDecoy);
    rig_.ukvel.ShowTree(Utf16(root_));
    testing::PumpMessages();
  }
  void TearDown() override {
    DeleteFileW(kDecoy);
    EXPECT_FALSE(Exists(temp_ / L"Notepad.exe.started"));
    EXPECT_FALSE(Exists(std::wstring(kDecoy) + L".started"));
  }

  // A left press on the entry named `name` of Lst(1), as the user makes it.
  void PressEntry(const std::u16string& name, UINT down = WM_LBUTTONDOWN) {
    FileListBox& list = rig_.Window().Lst(1);
    int index = 0;
    while (index < list.ListCount() && list.List(index) != name)
      ++index;
    ASSERT_LT(index, list.ListCount());
    RECT row{};
    SendMessageW(list.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&row));
    const LPARAM at = MAKELPARAM(row.left + 5, (row.top + row.bottom) / 2);
    SendMessageW(list.Handle(), down, MK_LBUTTON, at);
    SendMessageW(list.Handle(), WM_LBUTTONUP, 0, at);
  }

  void Click(int button) { SendMessageW(rig_.Window().Bt(button), BM_CLICK, 0, 0); }

  static constexpr wchar_t kNote[] = L"nota amb blancs.txt";
  static constexpr wchar_t kDecoy[] = L"C:\\Archivos.exe";
  const ProbesBeside beside_{{L"Notepad.exe", L"mspaint.exe", L"marbek.exe"}};
  const TempFolder temp_;
  const ScopedWorkingDirectory inside_{temp_.path()};
  const std::wstring root_ = temp_ / L"Arrel amb blancs";
  TreeRig rig_;
};

TEST_F(ActionsTest, EachButtonStartsItsProgramWithTheExactCommandLine) {
  const WordPadStandIn standIn;
  struct Case {
    int button;
    std::u16string entry;
    std::wstring program;
    std::wstring commandLine;
  };
  const std::wstring note = root_ + L"\\" + kNote, beside = OwnFolder() + L'\\';
  const Case cases[] = {
      {0, Utf16(kNote), beside + L"Notepad.exe", L"Notepad.exe " + note},
      {1, Utf16(kNote), WordPadStandIn::Program(), WordPadStandIn::Program() + L" " + note},
      {2, u"prova.exe", root_ + L"\\prova.exe", root_ + L"\\prova.exe"},
      {3, Utf16(kNote), beside + L"mspaint.exe", L"mspaint.exe " + note},
      {4, Utf16(kNote), beside + L"marbek.exe", L"marbek.exe " + root_ + L"\\"},
  };
  for (const Case& c : cases) {
    PressEntry(c.entry);
    ASSERT_EQ(rig_.fkvel.ActiveList, 1);
    Click(c.button);
    EXPECT_EQ(StartOf(c.program), ShownWith(c.program, c.commandLine)) << c.button;
  }

  // A double click opens the entry in Notepad.
  PressEntry(Utf16(kNote));
  PressEntry(Utf16(kNote), WM_LBUTTONDBLCLK);
  EXPECT_EQ(StartOf(beside + L"Notepad.exe"),
            ShownWith(beside + L"Notepad.exe", L"Notepad.exe " + note));
}

// A note run as a program, and WordPad where it is not installed.
TEST_F(ActionsTest, AProgramThatCannotStartRaisesTheMessageOverTheTreeWindow) {
  PressEntry(Utf16(kNote));
  for (const int button : {2, 1}) {
    auto box = testing::CloseNextMessageBox();
    Click(button);
    const testing::MessageBoxSeen seen = box.get();
    EXPECT_EQ(seen.text, L"No és un executable");
    EXPECT_EQ(seen.owner, rig_.Window().Handle());
  }
  EXPECT_FALSE(Exists(root_ + L"\\prova.exe.started"));
}

}  // namespace
}  // namespace tavelin::win32
