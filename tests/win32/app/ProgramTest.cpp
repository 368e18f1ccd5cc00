// tavelin.exe as a user runs it: copied alone into a folder of its own and started there.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/windows/StandIns.h"

namespace tavelin::win32 {
namespace {

// The program the build made, found from this test's own folder.
std::wstring BuiltProgram() {
  const std::wstring built = platform::testing::OwnFolder() + L'\\' + TAVELIN_PROGRAM_FROM_TESTS;
  std::wstring full(32768, L'\0');
  full.resize(
      GetFullPathNameW(built.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
  return full;
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

// The visible top-level window of `process` of the class, once it is there.
HWND WaitForWindow(DWORD process, const wchar_t* className) {
  for (int attempt = 0; attempt < 200; ++attempt) {
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, className, nullptr));) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == process && IsWindowVisible(window)) return window;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return nullptr;
}

class ProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyFileW(BuiltProgram().c_str(), program_.c_str(), FALSE)) << GetLastError();
  }
  void TearDown() override {
    if (process_.hProcess != nullptr) {
      if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(process_.hProcess, 1);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
  }

  std::wstring Recents() const { return temp_ / L"Recents.txt"; }

  // Started in its folder, the chooser up.
  HWND Start() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"tavelin.exe";
    EXPECT_TRUE(CreateProcessW(program_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, folder_.c_str(), &startup, &process_));
    return WaitForWindow(process_.dwProcessId, L"TavelinFPrvSD");
  }
  bool Ended(DWORD milliseconds) const {
    return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
  }

  const platform::testing::TempFolder temp_;  // the program's folder, removed with what it wrote
  const std::wstring folder_ = temp_.path();
  const std::wstring program_ = temp_ / L"tavelin.exe";
  PROCESS_INFORMATION process_{};
};

TEST_F(ProgramTest, EndsWithItsLastWindowAndWritesTheRecentsWhenTheChooserCloses) {
  platform::testing::WriteBytes(Recents(), "D:\\Zeta\r\nC:\\alfa");
  const HWND chooser = Start();
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(TextOf(chooser), L"Visió total carpeta");
  const HWND recents = GetDlgItem(chooser, 103);
  ASSERT_EQ(SendMessageW(recents, CB_GETCOUNT, 0, 0), 2);

  // OK draws the working folder's tree and lists the folder.
  SendMessageW(GetDlgItem(chooser, 101), BM_CLICK, 0, 0);
  const HWND tree = WaitForWindow(process_.dwProcessId, L"TavelinFKvel");
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(TextOf(tree), folder_);

  // The tree window outlives the chooser.
  PostMessageW(chooser, WM_CLOSE, 0, 0);
  for (int attempt = 0; attempt < 100 && IsWindow(chooser); ++attempt)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(IsWindow(chooser));
  EXPECT_FALSE(Ended(500));
  const std::string folder(folder_.begin(), folder_.end());
  EXPECT_EQ(platform::testing::ReadBytes(Recents()), "C:\\alfa\r\n" + folder + "\r\nD:\\Zeta\r\n");

  PostMessageW(tree, WM_CLOSE, 0, 0);
  ASSERT_TRUE(Ended(20000));
  DWORD exitCode = 1;
  GetExitCodeProcess(process_.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
}

}  // namespace
}  // namespace tavelin::win32
