#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>
#include <thread>

#include "core/common/CommandLines.h"
#include "core/common/Externs.h"
#include "platform/Platform.h"
#include "platform/windows/TestFolders.h"
#include "platform/windows/Win32.h"

namespace tavelin::platform {
namespace {

using namespace std::chrono_literals;
using testing::Exists;
using testing::Utf16;
using Lines = std::map<std::wstring, std::wstring>;

// Copies the stand-in program, built beside this test executable, to `as`.
void InstallProbe(const std::wstring& as) {
  std::wstring self(32768, L'\0');
  self.resize(::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  const std::wstring probe = self.substr(0, self.rfind(L'\\') + 1) + L"start_probe.exe";
  if (!::CopyFileW(probe.c_str(), as.c_str(), FALSE)) testing::Fail(L"CopyFileW " + as);
}

// How the stand-in at `program` was started, line by line ("command line", "show" ...), once it
// has written it down; empty when it was not started within a few seconds. A program started
// with a window shares this test's console, if it has one, so its console lines are left out.
Lines StartOf(const std::wstring& program, bool withWindow) {
  Lines lines;
  const std::wstring proof = program + L".started";
  for (const auto deadline = std::chrono::steady_clock::now() + 10s; !Exists(proof);) {
    if (std::chrono::steady_clock::now() > deadline) return lines;
    std::this_thread::sleep_for(20ms);
  }
  const std::string bytes = testing::ReadBytes(proof);
  const std::wstring record(reinterpret_cast<const wchar_t*>(bytes.data()),
                            bytes.size() / sizeof(wchar_t));
  for (std::size_t start = 0, end; start < record.size(); start = end + 1) {
    end = record.find(L'\n', start);
    const std::wstring line = record.substr(start, end - start);
    const std::size_t colon = line.find(L": ");
    lines[line.substr(0, colon)] = line.substr(colon + 2);
  }
  if (withWindow) {
    lines.erase(L"console processes");
    lines.erase(L"console window");
  }
  return lines;
}

int StartErrorCodeOf(const StartRequest& request) {
  try {
    NativeLauncher().Start(request);
  } catch (const StartError& error) {
    return error.code();
  }
  return 0;
}

// Programs named without a folder are looked for in the working directory before the system's
// folders, so the stand-ins put there take the place of the real programs.
class LauncherTest : public ::testing::Test {
 protected:
  std::wstring At(const wchar_t* name) const { return temp_ / name; }
  testing::TempFolder temp_;
  const testing::ScopedWorkingDirectory inside_{temp_.path()};
};

// Hidden, with a console of its own that has no window; command.com once cmd.exe cannot start.
TEST_F(LauncherTest, TheInterpreterIsCmdFirstThenCommandComAndRunsHidden) {
  InstallProbe(At(L"cmd.exe"));
  InstallProbe(At(L"command.com"));
  core::Externs::RunCommand(u"Tavelin manual.pdf", NativeLauncher());
  const auto hidden = [](const std::wstring& program, const std::wstring& line) {
    return Lines{{L"program", program},
                 {L"command line", line},
                 {L"show", L"0"},
                 {L"console processes", L"1"},
                 {L"console window", L"no"}};
  };
  EXPECT_EQ(StartOf(At(L"cmd.exe"), false),
            hidden(At(L"cmd.exe"), L"cmd.exe /c Tavelin manual.pdf"));
  EXPECT_FALSE(Exists(At(L"command.com.started")));

  testing::WriteBytes(At(L"cmd.exe"), "no program\r\n");
  core::Externs::RunCommand(u"Tavelin.pdf", NativeLauncher());
  EXPECT_EQ(StartOf(At(L"command.com"), false),
            hidden(At(L"command.com"), L"command.com /c Tavelin.pdf"));
}

TEST_F(LauncherTest, NamedProgramGetsTheCommandLineUnchangedAndAWindow) {
  InstallProbe(At(L"visor.exe"));
  NativeLauncher().Start(core::NamedProgram(u"visor.exe", u"C:\\Carpeta amb espais\\a b.txt",
                                            WindowState::NormalFocus));
  EXPECT_EQ(StartOf(At(L"visor.exe"), true),
            (Lines{{L"program", At(L"visor.exe")},
                   {L"command line", L"visor.exe C:\\Carpeta amb espais\\a b.txt"},
                   {L"show", L"1"}}));
}

// An unquoted "...\Program Files\x" read as a command line would first try "...\Program.exe".
TEST_F(LauncherTest, AFileIsStartedItselfNeverAProgramAtAShorterPrefix) {
  const std::wstring decoy = At(L"Program.exe"), tool = At(L"Program Files\\eina.exe");
  InstallProbe(decoy);
  testing::MakeFolder(At(L"Program Files"));
  testing::WriteBytes(At(L"Program Files\\informe.txt"), "no program\r\n");
  InstallProbe(tool);
  const auto file = [this](const wchar_t* name) {
    return core::FileAsProgram(Utf16(At(name)), WindowState::NormalFocus);
  };
  EXPECT_EQ(StartErrorCodeOf(file(L"Program Files\\informe.txt")), ERROR_BAD_EXE_FORMAT);
  // A folder cannot start; Windows and Wine give different codes for it.
  EXPECT_NE(StartErrorCodeOf(file(L"Program Files\\")), 0);
  EXPECT_EQ(StartErrorCodeOf(file(L"cap.exe")), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(StartErrorCodeOf(core::NamedProgram(u"marbek.exe", Utf16(temp_.path() + L'\\'),
                                                WindowState::NormalFocus)),
            ERROR_FILE_NOT_FOUND);
  NativeLauncher().Start(core::FileAsProgram(Utf16(tool), WindowState::NormalFocus));
  EXPECT_EQ(StartOf(tool, true),
            (Lines{{L"program", tool}, {L"command line", tool}, {L"show", L"1"}}));
  EXPECT_FALSE(Exists(decoy + L".started"));
}

}  // namespace
}  // namespace tavelin::platform
