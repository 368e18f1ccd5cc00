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
#include "platform/posix/NativeNames.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::platform {
namespace {

using namespace std::chrono_literals;
using testing::Exists;
using testing::ReadBytes;
using testing::ScopedWorkingDirectory;
using testing::TempFolder;
using testing::WriteBytes;

// A stand-in program that writes down how it was started: its arguments, where its input and
// output lead, and whether it leads a session of its own.
std::string Recorder(const std::string& proof) {
  return "#!/bin/sh\n"
         "session_of() { set -- ${1##*) }; printf '%s' \"$4\"; }\n"
         "input=$(readlink /proc/$$/fd/0)\n"
         "output=$(readlink /proc/$$/fd/1)\n"
         "session=$(session_of \"$(cat /proc/$$/stat)\")\n"
         "{\n"
         "  printf 'argc=%s\\n' $(($# + 1))\n"
         "  for argument in \"$@\"; do printf '[%s]\\n' \"$argument\"; done\n"
         "  printf 'stdin=%s\\nstdout=%s\\n' \"$input\" \"$output\"\n"
         "  [ \"$session\" = $$ ] && echo 'own session' || echo 'shared session'\n"
         "} > '" +
         proof + ".part' && mv '" + proof + ".part' '" + proof + "'\n";
}

// The file once it exists, waiting a few seconds at most for the started program to write it.
std::optional<std::string> WaitForFile(const std::string& path) {
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (!Exists(path)) {
    if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(10ms);
  }
  return ReadBytes(path);
}

bool HasNoChildren() {
  errno = 0;
  return ::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD;
}

int StartErrorCodeOf(const StartRequest& request) {
  try {
    NativeLauncher().Start(request);
  } catch (const StartError& error) {
    return error.code();
  }
  return 0;
}

class LauncherTest : public ::testing::Test {
 protected:
  LauncherTest() : bin_(temp_ / "bin"), proof_(temp_ / "proof") {
    if (const char* path = std::getenv("PATH")) previousPath_ = path;
    std::filesystem::create_directory(bin_);
    ::setenv("PATH", (bin_ + ':' + previousPath_.value_or("/usr/bin:/bin")).c_str(), 1);
  }
  ~LauncherTest() override {
    if (previousPath_) {
      ::setenv("PATH", previousPath_->c_str(), 1);
    } else {
      ::unsetenv("PATH");
    }
  }

  void InstallRecorder(const std::string& path) const { WriteBytes(path, Recorder(proof_), 0755); }

  TempFolder temp_;
  const std::string bin_;
  const std::string proof_;
  std::optional<std::string> previousPath_;
};

TEST_F(LauncherTest, NamedProgramGetsTheRestOfTheLineAsOneArgument) {
  InstallRecorder(bin_ + "/Notepad.exe");
  const ScopedWorkingDirectory inside(temp_.path());
  const std::u16string argument = u"/tmp/x y/a b; touch pwned $(touch pwned2)";
  char ownStdout[4096] = {};
  ASSERT_GT(::readlink("/proc/self/fd/1", ownStdout, sizeof ownStdout - 1), 0);

  // With other input in the test process, a program that inherited it would show.
  WriteBytes(temp_ / "input", "typed\n");
  const int savedStdin = ::dup(STDIN_FILENO);
  const int input = ::open((temp_ / "input").c_str(), O_RDONLY | O_CLOEXEC);
  ::dup2(input, STDIN_FILENO);
  NativeLauncher().Start({u"Notepad.exe " + argument, ProgramKind::Named, u"Notepad.exe", argument,
                          WindowState::NormalFocus});
  ::dup2(savedStdin, STDIN_FILENO);
  ::close(savedStdin);
  ::close(input);

  EXPECT_EQ(WaitForFile(proof_),
            "argc=2\n"
            "[/tmp/x y/a b; touch pwned $(touch pwned2)]\n"
            "stdin=/dev/null\n"
            "stdout=" +
                std::string(ownStdout) +
                "\n"
                "own session\n");
  EXPECT_FALSE(Exists(temp_ / "pwned"));
  EXPECT_FALSE(Exists(temp_ / "pwned2"));
  EXPECT_TRUE(HasNoChildren());
}

TEST_F(LauncherTest, DocumentOpenerGetsTheCommandLineHidden) {
  InstallRecorder(bin_ + "/xdg-open");

  NativeLauncher().Start({u"cmd.exe /c Tavelin manual.pdf", ProgramKind::Interpreter, u"cmd.exe",
                          u"Tavelin manual.pdf", WindowState::Hidden});

  EXPECT_EQ(WaitForFile(proof_),
            "argc=2\n[Tavelin manual.pdf]\nstdin=/dev/null\nstdout=/dev/null\nown session\n");
  EXPECT_TRUE(HasNoChildren());
}

TEST_F(LauncherTest, ProgramsWithoutArgumentGetNone) {
  const std::string program = temp_ / "Els meus programes/fes-ho ara.sh";
  std::filesystem::create_directory(temp_ / "Els meus programes");
  InstallRecorder(program);
  InstallRecorder(bin_ + "/mspaint.exe");
  const std::string started = "argc=1\nstdin=/dev/null\nstdout=/dev/null\nown session\n";

  NativeLauncher().Start({FromNativeName(program),
                          ProgramKind::File,
                          FromNativeName(program),
                          {},
                          WindowState::Hidden});
  EXPECT_EQ(WaitForFile(proof_), started);

  ASSERT_EQ(::unlink(proof_.c_str()), 0);
  NativeLauncher().Start(
      {u"mspaint.exe ", ProgramKind::Named, u"mspaint.exe", {}, WindowState::Hidden});
  EXPECT_EQ(WaitForFile(proof_), started);
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
  const auto elapsed = std::chrono::steady_clock::now() - before;

  const std::optional<std::string> pid = WaitForFile(proof_);
  ASSERT_TRUE(pid.has_value());
  const pid_t program = std::stoi(*pid);
  EXPECT_EQ(::kill(program, 0), 0);  // still running
  EXPECT_TRUE(HasNoChildren());
  EXPECT_LT(elapsed, 3s);
  ::kill(program, SIGKILL);
}

TEST_F(LauncherTest, RefusesWhatCannotBeStarted) {
  const ScopedWorkingDirectory inside(temp_.path());
  ::setenv("PATH", bin_.c_str(), 1);  // no real document opener may answer
  const auto file = [](const std::string& path) {
    return StartRequest{FromNativeName(path),
                        ProgramKind::File,
                        FromNativeName(path),
                        {},
                        WindowState::NormalFocus};
  };
  const auto named = [](const std::u16string& program) {
    return StartRequest{program + u" x", ProgramKind::Named, program, u"x",
                        WindowState::NormalFocus};
  };
  InstallRecorder(bin_ + "/Notepad.exe");
  WriteBytes(temp_ / "document.txt", Recorder(proof_), 0644);
  WriteBytes(temp_ / "no format", "touch pwned\n", 0755);

  EXPECT_EQ(StartErrorCodeOf(file(temp_ / "document.txt")), EACCES);
  EXPECT_EQ(StartErrorCodeOf(file(temp_ / "no format")), ENOEXEC);
  EXPECT_EQ(StartErrorCodeOf(file(temp_ / "missing.exe")), ENOENT);
  EXPECT_EQ(StartErrorCodeOf(file(temp_.path() + '/')), EACCES);
  EXPECT_EQ(StartErrorCodeOf(file("Notepad.exe")), ENOENT);  // a file is not looked for on PATH
  EXPECT_EQ(StartErrorCodeOf(named(u"notepad.exe")), ENOENT);
  EXPECT_EQ(StartErrorCodeOf(named(u"")), ENOENT);
  EXPECT_EQ(StartErrorCodeOf({u"cmd.exe /c Tavelin.pdf", ProgramKind::Interpreter, u"cmd.exe",
                              u"Tavelin.pdf", WindowState::Hidden}),
            ENOENT);

  EXPECT_FALSE(Exists(proof_));
  EXPECT_FALSE(Exists(temp_ / "pwned"));
  EXPECT_TRUE(HasNoChildren());
}

}  // namespace
}  // namespace tavelin::platform
