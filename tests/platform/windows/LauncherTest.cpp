#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "core/common/CommandLines.h"
#include "core/common/Externs.h"
#include "platform/Platform.h"
#include "platform/windows/StandIns.h"
#include "platform/windows/Win32.h"
#include "platform/windows/WindowsLauncher.h"

namespace tavelin::platform {
namespace {

using namespace std::chrono_literals;
using namespace testing;

constexpr unsigned long kElevationRequired = 740;

class LauncherTest : public ::testing::Test {
 protected:
  std::wstring At(const wchar_t* name) const { return temp_ / name; }
  testing::TempFolder temp_;
  const testing::ScopedWorkingDirectory inside_{temp_.path()};
};

// Each call to the system as "how|application|line|hidden"; no test system can ask for elevation.
TEST_F(LauncherTest, EachProgramGoesToTheSystemWithItsFolderAndTheLineAsBuilt) {
  std::vector<std::wstring> calls;
  std::vector<unsigned long> answers;
  const auto call = [&](const std::wstring& record) {
    calls.push_back(record);
    const unsigned long answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  };
  WindowsLauncher launcher(
      {[&](const std::wstring& application, std::wstring& line, bool hidden, bool console) {
         return call((console ? L"console|" : L"process|") + application + L'|' + line + L'|' +
                     (hidden ? L'h' : L's'));
       },
       [&](const std::wstring& application, const std::wstring& parameters, bool hidden) {
         return call(L"shell|" + application + L'|' + parameters + L'|' + (hidden ? L'h' : L's'));
       }});
  const std::wstring cmd = SystemFolder() + L"\\cmd.exe", line = L"cmd.exe /c Tavelin.pdf";
  const std::wstring wordPad = L"C:\\Archivos de programa\\Windows NT\\Accesorios\\wordpad.exe";
  const std::wstring file = L"C:\\Eines amb blancs\\instal·lador.exe";
  const auto named = core::NamedProgram(Utf16(wordPad), u"C:\\a b.txt", WindowState::NormalFocus);
  const auto itself = core::FileAsProgram(Utf16(file), WindowState::NormalFocus);
  const std::wstring namedCall = L"process|" + wordPad + L'|' + wordPad + L" C:\\a b.txt|s";
  const struct {
    std::vector<unsigned long> answers;
    StartRequest request;
    int error;
    std::vector<std::wstring> calls;
  } cases[] = {
      {{0},
       core::ThroughInterpreter(u"cmd.exe", u"Tavelin.pdf", WindowState::Hidden),
       0,
       {L"console|" + cmd + L'|' + line + L"|h"}},
      {{0}, named, 0, {namedCall}},
      {{kElevationRequired, 0},
       itself,
       0,
       {L"process|" + file + L'|' + file + L"|s", L"shell|" + file + L"||s"}},
      {{kElevationRequired, ERROR_CANCELLED},
       named,
       ERROR_CANCELLED,
       {namedCall, L"shell|" + wordPad + L"|C:\\a b.txt|s"}},
      {{ERROR_BAD_EXE_FORMAT},
       itself,
       ERROR_BAD_EXE_FORMAT,
       {L"process|" + file + L'|' + file + L"|s"}},
  };
  for (const auto& c : cases) {
    calls.clear();
    answers = c.answers;
    EXPECT_EQ(ErrorCodeOf<StartError>([&] { launcher.Start(c.request); }), c.error);
    EXPECT_EQ(calls, c.calls);
  }
}

// Any file in the working folder, a download among them, could stand in for a program.
TEST_F(LauncherTest, NamedProgramsComeFromTheProgramsFolderOrPathNeverTheWorkingFolder) {
  Launcher& launcher = NativeLauncher();
  const auto visor = core::NamedProgram(u"visor.exe", u"C:\\a b.txt", WindowState::NormalFocus);
  InstallProbe(At(L"visor.exe"));
  EXPECT_EQ(ErrorCodeOf<StartError>([&] { launcher.Start(visor); }), ERROR_FILE_NOT_FOUND);

  const std::wstring onPath = At(L"Camí amb blancs"), onPathVisor = onPath + L"\\visor.exe";
  testing::MakeFolder(onPath);
  InstallProbe(onPathVisor);
  std::wstring path(32768, L'\0');
  path.resize(::GetEnvironmentVariableW(L"PATH", path.data(), static_cast<DWORD>(path.size())));
  ::SetEnvironmentVariableW(L"PATH", (L"relativa;\"" + onPath + L"\";" + path).c_str());
  launcher.Start(visor);
  EXPECT_EQ(StartOf(onPathVisor), ShownWith(onPathVisor, L"visor.exe C:\\a b.txt"));

  {
    const ProbesBeside beside({L"visor.exe"});
    launcher.Start(visor);
    EXPECT_EQ(StartOf(beside.paths[0]), ShownWith(beside.paths[0], L"visor.exe C:\\a b.txt"));
  }
  ::SetEnvironmentVariableW(L"PATH", path.c_str());
  EXPECT_FALSE(Exists(At(L"visor.exe.started")));
}

// "cmd.exe" beside the program or in the working folder is not the system's interpreter.
TEST_F(LauncherTest, TheInterpreterComesFromTheSystemFolderOnly) {
  const ProbesBeside beside({L"cmd.exe", L"command.com"});
  InstallProbe(At(L"cmd.exe"));
  InstallProbe(At(L"command.com"));
  core::Externs::RunCommand(u"echo sistema>marca.txt", NativeLauncher());
  for (const auto deadline = std::chrono::steady_clock::now() + 10s;
       !Exists(At(L"marca.txt")) && std::chrono::steady_clock::now() < deadline;)
    std::this_thread::sleep_for(20ms);
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(testing::ReadBytes(At(L"marca.txt")), "sistema\r\n");
  for (const std::wstring& standIn :
       {beside.paths[0], beside.paths[1], At(L"cmd.exe"), At(L"command.com")})
    EXPECT_FALSE(Exists(standIn + L".started")) << standIn;
}

// An unquoted "...\Eines amb blancs\x" read as a command line would first try "...\Eines.exe".
TEST_F(LauncherTest, AProgramWithAFolderIsNeverOneAtAShorterPrefix) {
  Launcher& launcher = NativeLauncher();
  const std::wstring decoy = At(L"Eines.exe"), tool = At(L"Eines amb blancs\\eina.exe");
  const std::wstring note = At(L"Eines amb blancs\\informe.txt");
  InstallProbe(decoy);
  testing::MakeFolder(At(L"Eines amb blancs"));
  testing::WriteBytes(note, "no program\r\n");
  const auto named = core::NamedProgram(Utf16(tool), Utf16(note), WindowState::NormalFocus);
  const auto file = [](const std::wstring& path) {
    return core::FileAsProgram(Utf16(path), WindowState::NormalFocus);
  };
  EXPECT_EQ(ErrorCodeOf<StartError>([&] { launcher.Start(named); }), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(ErrorCodeOf<StartError>([&] { launcher.Start(file(note)); }), ERROR_BAD_EXE_FORMAT);
  // A folder cannot start; Windows and Wine give different codes for it.
  EXPECT_NE(ErrorCodeOf<StartError>([&] { launcher.Start(file(At(L"Eines amb blancs\\"))); }), 0);
  EXPECT_EQ(ErrorCodeOf<StartError>([&] { launcher.Start(file(At(L"cap.exe"))); }),
            ERROR_FILE_NOT_FOUND);

  InstallProbe(tool);
  launcher.Start(named);
  EXPECT_EQ(StartOf(tool), ShownWith(tool, tool + L" " + note));
  launcher.Start(file(tool));
  EXPECT_EQ(StartOf(tool), ShownWith(tool, tool));
  EXPECT_FALSE(Exists(decoy + L".started"));
}

}  // namespace
}  // namespace tavelin::platform
