#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "platform/Platform.h"
#include "platform/TestFolders.h"

namespace tavelin::platform {
namespace {

using namespace std::chrono_literals;
using testing::Exists;
using testing::Utf16;
using testing::WriteBytes;

// A stand-in program that writes down how it was started: its arguments, where its input and
// output lead, and whether it leads a session of its own.
std::string Recorder(const std::string& proof) {
  return "#!/bin/sh\n"
         "session_of() { set -- ${1##*) }; printf '%s' \"$4\"; }\n"
         "io=\"stdin=$(readlink /proc/$$/fd/0)\nstdout=$(readlink /proc/$$/fd/1)\"\n"
         "{\n"
         "  printf 'argc=%s\\n' $(($# + 1))\n"
         "  for argument in \"$@\"; do printf '[%s]\\n' \"$argument\"; done\n"
         "  echo \"$io\"\n"
         "  [ \"$(session_of \"$(cat /proc/$$/stat)\")\" = $$ ] && echo own || echo shared\n"
         "} > '" +
         proof + ".part' && mv '" + proof + ".part' '" + proof + "'\n";
}

// The file once it exists, waiting a few seconds at most for the started program to write it.
std::optional<std::string> WaitForFile(const std::string& path) {
  for (const auto deadline = std::chrono::steady_clock::now() + 5s; !Exists(path);) {
    if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(10ms);
  }
  return testing::ReadBytes(path);
}

bool HasNoChildren() {
  errno = 0;
  return ::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD;
}

// Stand-ins in a folder of their own, put first on PATH.
class LauncherTest : public ::testing::Test {
 protected:
  LauncherTest() {
    if (const char* path = std::getenv("PATH")) previousPath_ = path;
    testing::MakeFolder(bin_);
    ::setenv("PATH", (bin_ + ':' + previousPath_.value_or("/usr/bin:/bin")).c_str(), 1);
  }
  ~LauncherTest() override {
    previousPath_ ? ::setenv("PATH", previousPath_->c_str(), 1) : ::unsetenv("PATH");
  }

  testing::TempFolder temp_;
  const std::string bin_ = temp_ / "bin", proof_ = temp_ / "proof";
  const testing::ScopedWorkingDirectory inside_{temp_.path()};
  std::optional<std::string> previousPath_;
};

// No shell: the argument reaches the program whole, and nothing in it runs. The program gets no
// input, output only when it has a window, and a session of its own.
TEST_F(LauncherTest, StartsTheProgramWithItsOneArgumentAndNoShell) {
  const std::u16string hostile = u"/tmp/x y/a b; touch pwned $(touch pwned2)";
  const std::string program = temp_ / "Els meus programes/fes-ho ara.sh";
  testing::MakeFolder(temp_ / "Els meus programes");
  for (const std::string& path :
       {program, bin_ + "/Notepad.exe", bin_ + "/xdg-open", bin_ + "/mspaint.exe"})
    WriteBytes(path, Recorder(proof_), 0755);
  char ownStdout[4096] = {};
  ASSERT_GT(::readlink("/proc/self/fd/1", ownStdout, sizeof ownStdout - 1), 0);
  WriteBytes(temp_ / "input", "typed\n");  // a program that inherited this input would show it
  const int savedStdin = ::dup(STDIN_FILENO), input = ::open((temp_ / "input").c_str(), O_RDONLY);
  ::dup2(input, STDIN_FILENO);

  struct Case {
    StartRequest request;
    std::string arguments;
  };
  const Case cases[] = {
      {{u"Notepad.exe " + hostile, ProgramKind::Named, u"Notepad.exe", hostile,
        WindowState::NormalFocus},
       "argc=2\n[/tmp/x y/a b; touch pwned $(touch pwned2)]\n"},
      {{u"cmd.exe /c Tavelin manual.pdf", ProgramKind::Interpreter, u"cmd.exe",
        u"Tavelin manual.pdf", WindowState::Hidden},
       "argc=2\n[Tavelin manual.pdf]\n"},
      {{Utf16(program), ProgramKind::File, Utf16(program), {}, WindowState::Hidden}, "argc=1\n"},
      {{u"mspaint.exe ", ProgramKind::Named, u"mspaint.exe", {}, WindowState::Hidden}, "argc=1\n"},
  };
  for (const Case& c : cases) {
    ::unlink(proof_.c_str());
    NativeLauncher().Start(c.request);
    const std::string output =
        c.request.windowState == WindowState::Hidden ? "/dev/null" : std::string(ownStdout);
    EXPECT_EQ(WaitForFile(proof_), c.arguments + "stdin=/dev/null\nstdout=" + output + "\nown\n");
  }
  ::dup2(savedStdin, STDIN_FILENO);
  ::close(savedStdin);
  ::close(input);
  EXPECT_FALSE(Exists(temp_ / "pwned"));
  EXPECT_FALSE(Exists(temp_ / "pwned2"));
  EXPECT_TRUE(HasNoChildren());
}

TEST_F(LauncherTest, ReturnsWhileTheProgramRunsOnWithoutBeingItsParent) {
  WriteBytes(bin_ + "/marbek.exe",
             "#!/bin/sh\nprintf '%s' $$ > '" + proof_ + ".part' && mv '" + proof_ + ".part' '" +
                 proof_ + "'\nexec sleep 30\n",
             0755);
  const auto before = std::chrono::steady_clock::now();
  NativeLauncher().Start(
      {u"marbek.exe /tmp/", ProgramKind::Named, u"marbek.exe", u"/tmp/", WindowState::Hidden});
  EXPECT_LT(std::chrono::steady_clock::now() - before, 3s);
  const std::optional<std::string> pid = WaitForFile(proof_);
  ASSERT_TRUE(pid.has_value());
  EXPECT_EQ(::kill(std::stoi(*pid), 0), 0);  // still running
  EXPECT_TRUE(HasNoChildren());
  ::kill(std::stoi(*pid), SIGKILL);
}

TEST_F(LauncherTest, RefusesWhatCannotBeStarted) {
  ::setenv("PATH", bin_.c_str(), 1);  // no real document opener may answer
  WriteBytes(bin_ + "/Notepad.exe", Recorder(proof_), 0755);
  WriteBytes(temp_ / "document.txt", Recorder(proof_), 0644);
  WriteBytes(temp_ / "no format", "touch pwned\n", 0755);
  const auto file = [](const std::string& path) {
    return StartRequest{Utf16(path), ProgramKind::File, Utf16(path), {}, WindowState::NormalFocus};
  };
  const auto named = [](const std::u16string& program) {
    return StartRequest{program + u" x", ProgramKind::Named, program, u"x",
                        WindowState::NormalFocus};
  };
  const std::pair<StartRequest, int> cases[] = {
      {file(temp_ / "document.txt"), EACCES},
      {file(temp_ / "no format"), ENOEXEC},
      {file(temp_ / "missing.exe"), ENOENT},
      {file(temp_.path() + '/'), EACCES},
      {file("Notepad.exe"), ENOENT},  // a file is not looked for on PATH
      {named(u"notepad.exe"), ENOENT},
      {named(u""), ENOENT},
      {{u"cmd.exe /c Tavelin.pdf", ProgramKind::Interpreter, u"cmd.exe", u"Tavelin.pdf",
        WindowState::Hidden},
       ENOENT},
  };
  for (const auto& [request, code] : cases)
    EXPECT_EQ(testing::ErrorCodeOf<StartError>([&] { NativeLauncher().Start(request); }), code)
        << ToNativeName(request.commandLine);
  EXPECT_FALSE(Exists(proof_));
  EXPECT_FALSE(Exists(temp_ / "pwned"));
  EXPECT_TRUE(HasNoChildren());
}

}  // namespace
}  // namespace tavelin::platform
