// Killing the program while it writes Recents.txt never leaves a cut or mixed file: whatever
// the moment, the file is the one before that save or the one after it, whole.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>

#include "SaverLists.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::hardening {
namespace {

using platform::testing::RawNames;
using platform::testing::ReadBytes;
using platform::testing::TempFolder;
using platform::testing::WriteBytes;
using Clock = std::chrono::steady_clock;

// TAVELIN_KILLS asks for another number of kills, as the soak run does.
int KillCount() {
  const char* asked = std::getenv("TAVELIN_KILLS");
  return asked != nullptr ? std::atoi(asked) : 25;
}

// The saver at work in a folder, its output read through a pipe.
class Saver {
 public:
  explicit Saver(const std::string& folder) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) platform::testing::Fail("pipe2");
    readEnd_ = fds[0];
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    char* argv[] = {const_cast<char*>(TAVELIN_RECENTS_SAVER), const_cast<char*>(folder.c_str()),
                    nullptr};
    const int result = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv, environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (result != 0) {
      errno = result;
      platform::testing::Fail("posix_spawn");
    }
  }
  Saver(const Saver&) = delete;
  Saver& operator=(const Saver&) = delete;
  ~Saver() {
    Kill();
    ::close(readEnd_);
  }

  void Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    killed_ = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    pid_ = 0;
  }
  bool Killed() const { return killed_; }

  // The last generation it began to save: all it wrote once it is gone, or the first line.
  int LastStarted(bool waitForOne) {
    std::string output;
    char buffer[4096];
    for (;;) {
      const ssize_t count = ::read(readEnd_, buffer, sizeof buffer);
      if (count <= 0) break;
      output.append(buffer, static_cast<std::size_t>(count));
      if (waitForOne && output.find('\n') != std::string::npos) break;
    }
    const std::size_t end = output.rfind('\n');
    if (end == std::string::npos) return 0;
    const std::size_t start = output.rfind('\n', end - 1);
    return std::stoi(output.substr(start == std::string::npos ? 0 : start + 1));
  }

 private:
  pid_t pid_ = 0;
  int readEnd_ = -1;
  bool killed_ = false;
};

TEST(KillWhileSaving, TheFileIsAlwaysTheOldOrTheNewOneWhole) {
  TempFolder temp;
  const std::string file = temp / "Recents.txt";
  const std::string before = FileOfGeneration(0);

  // How long the saver takes to start and make a few saves sets the range of the kill times.
  WriteBytes(file, before);
  auto start = Clock::now();
  {
    Saver saver(temp.path());
    while (saver.LastStarted(true) < 4) {
    }
  }
  const auto span = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);

  std::mt19937 random(20240);
  std::uniform_int_distribution<long> delay(0, span.count());
  int untouched = 0, old = 0, renewed = 0;
  const int kills = KillCount();
  for (int kill = 0; kill < kills; ++kill) {
    WriteBytes(file, before);
    Saver saver(temp.path());
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    saver.Kill();
    ASSERT_TRUE(saver.Killed()) << "kill " << kill;
    const int started = saver.LastStarted(false);

    const std::string found = ReadBytes(file);
    if (started == 0) {
      ASSERT_EQ(found, before) << "kill " << kill;
      ++untouched;
    } else if (found == FileOfGeneration(started)) {
      ++renewed;
    } else {
      ASSERT_TRUE(found == FileOfGeneration(started - 1))
          << "kill " << kill << " in generation " << started << ": " << found.size() << " bytes";
      ++old;
    }
    // What a cut save leaves beside the file is hidden from every listing, and goes now.
    for (const std::string& name : RawNames(temp.path())) {
      if (name == "." || name == ".." || name == "Recents.txt") continue;
      ASSERT_EQ(name.rfind(".tavelin-", 0), 0u) << name;
      ::unlink((temp / name).c_str());
    }
  }
  // The kills landed inside saves and between them, not only before the first.
  EXPECT_GT(old, kills / 10);
  EXPECT_GT(renewed, 0);
  std::printf("%d kills: %d before the first save, %d during a save, %d after one\n", kills,
              untouched, old, renewed);
}

}  // namespace
}  // namespace tavelin::hardening
