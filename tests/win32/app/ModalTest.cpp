// The whole program in this process: its windows while a message is up and when a handler fails.
// First: the file system's ReplaceFile is not to be renamed by <windows.h>'s macro.
#include "platform/windows/Win32.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>
#include <tuple>

#include "app/Win32Program.h"
#include "platform/TestFolders.h"
#include "treeview/TreeRig.h"

namespace tavelin::win32 {
namespace {

using namespace std::chrono_literals;

using Texts = std::vector<std::wstring>;

// The texts of the boxes raised while `act` ran, each answered OK by a watcher that runs
// `whileUp` with the first one up; this thread handles its messages, so that its windows answer.
Texts BoxesWhile(const std::function<void()>& act, const std::function<void()>& whileUp = {}) {
  const DWORD thread = GetCurrentThreadId();
  auto watcher = std::async(std::launch::async, [thread, whileUp] {
    Texts texts;
    for (auto quiet = std::chrono::steady_clock::now() + 10s;
         std::chrono::steady_clock::now() < quiet;) {
      std::this_thread::sleep_for(20ms);
      const HWND box = testing::FindMessageBox(thread);
      if (box == nullptr) continue;
      if (texts.empty() && whileUp) whileUp();
      texts.push_back(testing::MessageBoxText(box));
      SendMessageW(box, WM_COMMAND, IDOK, 0);
      quiet = std::chrono::steady_clock::now() + 1s;
    }
    return texts;
  });
  act();
  while (watcher.wait_for(10ms) != std::future_status::ready)
    testing::PumpMessages();
  return watcher.get();
}

void Click(POINT at, bool twice = false) {
  SetCursorPos(at.x, at.y);
  INPUT press[2] = {};
  press[0].type = press[1].type = INPUT_MOUSE;
  press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  for (int i = 0; i < (twice ? 2 : 1); ++i)
    SendInput(2, press, sizeof(INPUT));
}

// Info fails as nothing expects, in the system's language; any other program is refused.
struct FailingLauncher : platform::Launcher {
  void Start(const platform::StartRequest& request) override {
    if (request.kind == platform::ProgramKind::Interpreter)
      throw std::runtime_error("No s'ha pogut obrir «Tavelin.pdf»: accés denegat");
    throw platform::StartError("Cannot start", ERROR_BAD_EXE_FORMAT);
  }
};

// The program at the top left of the screen, in a folder of 51 sub-folders each with a note.
class ModalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::testing::WriteBytes(temp_ / L"nota.txt", "text\r\n");
    for (int i = 0; i < 51; ++i) {
      platform::testing::MakeFolder(temp_ / std::to_wstring(i));
      platform::testing::WriteBytes(temp_ / (std::to_wstring(i) + L"\\nota.txt"), "text\r\n");
    }
    program_.Chooser().Show(SW_SHOWNORMAL);
    SetWindowPos(Chooser(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }

  HWND Chooser() { return program_.Chooser().Handle(); }
  HWND Tree() { return FindWindowW(L"TavelinFKvel", nullptr); }
  void PressOk() { SendMessageW(GetDlgItem(Chooser(), ChooserWindow::kBtOk), BM_CLICK, 0, 0); }

  // The tree window as the user sees it: its title, place and size, and which lists show.
  auto Seen() {
    RECT place{};
    GetWindowRect(Tree(), &place);
    wchar_t title[512] = {};
    GetWindowTextW(Tree(), title, 512);
    std::wstring lists;
    for (int id = 100; id <= 150; ++id)
      lists += IsWindowVisible(GetDlgItem(Tree(), id)) ? L'1' : L'0';
    return std::tuple(std::wstring(title), place, lists);
  }

  // The user, while a message is up, clicks ok and double-clicks a folder of the chooser.
  void TryTheChooser() {
    EXPECT_FALSE(IsWindowEnabled(Chooser()));
    EXPECT_FALSE(IsWindowEnabled(Tree()));
    RECT ok{}, row{}, tree{};
    GetWindowRect(GetDlgItem(Chooser(), ChooserWindow::kBtOk), &ok);
    const HWND dirs = GetDlgItem(Chooser(), ChooserWindow::kLDirs);
    SendMessageW(dirs, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    MapWindowPoints(dirs, nullptr, reinterpret_cast<POINT*>(&row), 2);
    GetWindowRect(Tree(), &tree);
    const POINT onOk{ok.left + 4, (ok.top + ok.bottom) / 2}, onRow{row.left + 4, row.top + 3};
    ASSERT_FALSE(PtInRect(&tree, onOk) || PtInRect(&tree, onRow));
    Click(onOk);
    Click(onRow, true);
    std::this_thread::sleep_for(500ms);
  }

  const platform::testing::TempFolder temp_;
  const platform::testing::ScopedWorkingDirectory inside_{temp_.path()};
  Win32Screen screen_;
  MessageBoxView messages_;
  FailingLauncher launcher_;
  app::Win32Program program_{platform::NativeFileSystem(), launcher_, messages_, screen_};
};

TEST_F(ModalTest, WhileAMessageIsUpNoWindowOfTheProgramTakesInput) {
  const auto tryTheChooser = [this] { TryTheChooser(); };
  EXPECT_EQ(BoxesWhile([this] { PressOk(); }, tryTheChooser), Texts{L"Màxim  50 subcarpetes"});
  EXPECT_TRUE(IsWindowEnabled(Chooser()));
  const auto interrupted = Seen();
  EXPECT_EQ(BoxesWhile([this] { PressOk(); }).size(), 1u);
  EXPECT_EQ(Seen(), interrupted);

  // A note run as a program.
  const HWND notes = GetDlgItem(Tree(), 101);
  SendMessageW(notes, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(notes, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  const HWND executa = GetDlgItem(GetDlgItem(Tree(), 200), 302);
  EXPECT_EQ(BoxesWhile([&] { SendMessageW(executa, BM_CLICK, 0, 0); }, tryTheChooser),
            Texts{L"No és un executable"});
  EXPECT_EQ(Seen(), interrupted);
}

// Told once, in the system's words; then a pass runs, and the chooser closes keeping the folder.
TEST_F(ModalTest, AFailingHandlerIsReportedOnceAndTheProgramGoesOn) {
  EXPECT_EQ(BoxesWhile([this] { SendMessageW(Chooser(), WM_COMMAND, ChooserWindow::kOpInfo, 0); }),
            Texts{L"No s'ha pogut obrir «Tavelin.pdf»: accés denegat"});
  EXPECT_EQ(BoxesWhile([this] { PressOk(); }), Texts{L"Màxim  50 subcarpetes"});
  SendMessageW(Chooser(), WM_CLOSE, 0, 0);
  const std::wstring folder = temp_.path();
  EXPECT_EQ(platform::testing::ReadBytes(temp_ / L"Recents.txt"),
            std::string(folder.begin(), folder.end()) + "\r\n");
}

}  // namespace
}  // namespace tavelin::win32
