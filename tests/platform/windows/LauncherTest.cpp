#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <thread>

#include "core/common/CommandLines.h"
#include "core/common/Externs.h"
#include "platform/Platform.h"
#include "platform/windows/TestFolders.h"
#include "platform/windows/Win32.h"

// After <windows.h>, which it needs.
#include <tlhelp32.h>

namespace tavelin::platform {
namespace {

using namespace std::chrono_literals;
using testing::Exists;
using testing::MakeFolder;
using testing::ScopedWorkingDirectory;
using testing::TempFolder;
using testing::Utf16;
using testing::WriteBytes;

// The stand-in program, built beside this test executable.
std::wstring ProbeProgram() {
  std::wstring self(32768, L'\0');
  self.resize(::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  return self.substr(0, self.rfind(L'\\') + 1) + L"start_probe.exe";
}

void InstallProbe(const std::wstring& as) {
  if (!::CopyFileW(ProbeProgram().c_str(), as.c_str(), FALSE)) {
    testing::Fail(L"CopyFileW " + as);
  }
}

using Lines = std::map<std::wstring, std::wstring>;

// How the stand-in installed at `program` was started, line by line ("command line", "show" ...),
// once it has written it down; empty when it was not started within a few seconds.
Lines StartOf(const std::wstring& program) {
  Lines lines;
  const std::wstring proof = program + L".started";
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  while (!Exists(proof)) {
    if (std::chrono::steady_clock::now() > deadline) return lines;
    std::this_thread::sleep_for(20ms);
  }
  const std::string bytes = testing::ReadBytes(proof);
  const std::wstring record(reinterpret_cast<const wchar_t*>(bytes.data()),
                            bytes.size() / sizeof(wchar_t));
  for (std::size_t start = 0; start < record.size();) {
    const std::size_t end = record.find(L'\n', start);
    const std::wstring line = record.substr(start, end - start);
    const std::size_t colon = line.find(L": ");
    lines[line.substr(0, colon)] = line.substr(colon + 2);
    start = end + 1;
  }
  return lines;
}

// A program started with a window shares the console of this test, if it has one, so the console
// lines of its record tell nothing about the launcher.
Lines WithoutConsole(Lines lines) {
  lines.erase(L"console processes");
  lines.erase(L"console window");
  return lines;
}

// The content of a file that another program writes, once it can be read.
std::optional<std::string> ContentOf(const std::wstring& path) {
  try {
    return testing::ReadBytes(path);
  } catch (const std::system_error&) {
    return std::nullopt;
  }
}

int StartErrorCodeOf(const StartRequest& request) {
  try {
    NativeLauncher().Start(request);
  } catch (const StartError& error) {
    return error.code();
  }
  return 0;
}

std::set<DWORD> ProcessesNamed(const wchar_t* name) {
  std::set<DWORD> ids;
  const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32FirstW(snapshot, &entry); more;
       more = ::Process32NextW(snapshot, &entry)) {
    if (::lstrcmpiW(entry.szExeFile, name) == 0) ids.insert(entry.th32ProcessID);
  }
  ::CloseHandle(snapshot);
  return ids;
}

struct WindowSearch {
  DWORD process;
  std::wstring title;
};

BOOL CALLBACK TakeTitleOfVisibleWindow(HWND window, LPARAM search) {
  auto& wanted = *reinterpret_cast<WindowSearch*>(search);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  if (process != wanted.process || !::IsWindowVisible(window)) return TRUE;
  wchar_t title[512];
  wanted.title.assign(title, static_cast<std::size_t>(::GetWindowTextW(window, title, 512)));
  return wanted.title.empty();
}

void EndProcess(DWORD process) {
  if (const HANDLE handle = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process)) {
    ::TerminateProcess(handle, 0);
    ::WaitForSingleObject(handle, 5000);
    ::CloseHandle(handle);
  }
}

// Waits a few seconds at most for a process named `name` that was not running `before` to show a
// window titled `title`, and returns the last title such a process showed. Every such process is
// ended afterwards.
std::wstring WaitForWindowTitle(const wchar_t* name, const std::set<DWORD>& before,
                                const std::wstring& title) {
  std::wstring seen;
  const auto deadline = std::chrono::steady_clock::now() + 15s;
  while (seen != title && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(50ms);
    for (const DWORD process : ProcessesNamed(name)) {
      if (before.contains(process)) continue;
      WindowSearch search{process, {}};
      ::EnumWindows(TakeTitleOfVisibleWindow, reinterpret_cast<LPARAM>(&search));
      if (!search.title.empty()) seen = search.title;
    }
  }
  for (const DWORD process : ProcessesNamed(name)) {
    if (!before.contains(process)) EndProcess(process);
  }
  return seen;
}

class LauncherTest : public ::testing::Test {
 protected:
  TempFolder temp_;
  // Programs named without a folder are looked for in the working directory before the system's
  // folders, so the stand-ins put there take the place of the real programs.
  const ScopedWorkingDirectory inside_{temp_.path()};
};

TEST_F(LauncherTest, TheInterpreterIsCmdFirstAndRunsHidden) {
  InstallProbe(temp_ / L"cmd.exe");
  InstallProbe(temp_ / L"command.com");

  core::Externs::RunCommand(u"Tavelin manual.pdf", NativeLauncher());

  // Hidden, and with a console of its own that has no window.
  EXPECT_EQ(StartOf(temp_ / L"cmd.exe"), (Lines{{L"program", temp_ / L"cmd.exe"},
                                                {L"command line", L"cmd.exe /c Tavelin manual.pdf"},
                                                {L"show", L"0"},
                                                {L"console processes", L"1"},
                                                {L"console window", L"no"}}));
  EXPECT_FALSE(Exists(temp_ / L"command.com.started"));
}

TEST_F(LauncherTest, CommandComRunsTheLineWhenCmdCannotBeStarted) {
  WriteBytes(temp_ / L"cmd.exe", "no program\r\n");
  InstallProbe(temp_ / L"command.com");

  core::Externs::RunCommand(u"Tavelin.pdf", NativeLauncher());

  EXPECT_EQ(StartOf(temp_ / L"command.com"),
            (Lines{{L"program", temp_ / L"command.com"},
                   {L"command line", L"command.com /c Tavelin.pdf"},
                   {L"show", L"0"},
                   {L"console processes", L"1"},
                   {L"console window", L"no"}}));
}

TEST_F(LauncherTest, TheSystemsInterpreterRunsTheCommandLine) {
  core::Externs::RunCommand(u"echo dades> \"sortida amb blancs.txt\"", NativeLauncher());

  const std::wstring output = temp_ / L"sortida amb blancs.txt";
  const auto deadline = std::chrono::steady_clock::now() + 15s;
  while (ContentOf(output) != "dades\r\n" && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(50ms);
  }
  EXPECT_EQ(ContentOf(output), "dades\r\n");
}

TEST_F(LauncherTest, NamedProgramGetsTheCommandLineUnchangedAndAWindow) {
  InstallProbe(temp_ / L"visor.exe");

  NativeLauncher().Start(core::NamedProgram(u"visor.exe", u"C:\\Carpeta amb espais\\a b.txt",
                                            WindowState::NormalFocus));

  EXPECT_EQ(WithoutConsole(StartOf(temp_ / L"visor.exe")),
            (Lines{{L"program", temp_ / L"visor.exe"},
                   {L"command line", L"visor.exe C:\\Carpeta amb espais\\a b.txt"},
                   {L"show", L"1"}}));
}

TEST_F(LauncherTest, NotepadOpensAFileUnderAFolderWithBlanks) {
  MakeFolder(temp_ / L"Carpeta amb espais");
  WriteBytes(temp_ / L"Carpeta amb espais\\nota del dia.txt", "Bon dia\r\n");
  const std::set<DWORD> before = ProcessesNamed(L"notepad.exe");

  NativeLauncher().Start(core::NamedProgram(u"Notepad.exe",
                                            Utf16(temp_ / L"Carpeta amb espais\\nota del dia.txt"),
                                            WindowState::NormalFocus));

  // The window opens untitled and takes the file's name once the file is read.
  EXPECT_EQ(WaitForWindowTitle(L"notepad.exe", before, L"nota del dia.txt - Notepad"),
            L"nota del dia.txt - Notepad");
}

TEST_F(LauncherTest, AMissingProgramIsAFailure) {
  EXPECT_EQ(StartErrorCodeOf(core::NamedProgram(u"marbek.exe", Utf16(temp_.path() + L'\\'),
                                                WindowState::NormalFocus)),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(
      StartErrorCodeOf(core::FileAsProgram(Utf16(temp_ / L"cap.exe"), WindowState::NormalFocus)),
      ERROR_FILE_NOT_FOUND);
}

// An unquoted "...\Program Files\x" read as a command line would first try "...\Program.exe".
TEST_F(LauncherTest, AFileIsStartedItselfNeverAProgramAtAShorterPrefix) {
  const std::wstring decoy = temp_ / L"Program.exe";
  InstallProbe(decoy);
  MakeFolder(temp_ / L"Program Files");
  const std::wstring document = temp_ / L"Program Files\\informe.txt";
  WriteBytes(document, "no program\r\n");
  const std::wstring tool = temp_ / L"Program Files\\eina.exe";
  InstallProbe(tool);

  EXPECT_EQ(StartErrorCodeOf(core::FileAsProgram(Utf16(document), WindowState::NormalFocus)),
            ERROR_BAD_EXE_FORMAT);
  EXPECT_THROW(NativeLauncher().Start(core::FileAsProgram(Utf16(temp_ / L"Program Files\\"),
                                                          WindowState::NormalFocus)),
               StartError);

  NativeLauncher().Start(core::FileAsProgram(Utf16(tool), WindowState::NormalFocus));
  EXPECT_EQ(WithoutConsole(StartOf(tool)),
            (Lines{{L"program", tool}, {L"command line", tool}, {L"show", L"1"}}));
  EXPECT_FALSE(Exists(decoy + L".started"));
}

}  // namespace
}  // namespace tavelin::platform
