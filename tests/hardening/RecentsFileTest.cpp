// Recents.txt on a real disk: killing the program while it writes the file never leaves a cut or
// mixed file, and a link to it is written through.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <thread>

#include "SaverLists.h"
#include "platform/Platform.h"
#include "platform/TestFolders.h"

namespace tavelin::hardening {
namespace {

using namespace platform::testing;

// The saver at work in a folder, its output read through a pipe.
class Saver {
 public:
  explicit Saver(const std::string& folder) {
    int fds[2];
    if (::pipe(fds) != 0 || (pid_ = ::fork()) < 0) Fail("fork");
    if (pid_ == 0) {
      ::dup2(fds[1], STDOUT_FILENO);
      ::execl(TAVELIN_RECENTS_SAVER, TAVELIN_RECENTS_SAVER, folder.c_str(), nullptr);
      ::_exit(127);
    }
    ::close(fds[1]);
    output_ = ::fdopen(fds[0], "r");
  }
  ~Saver() {
    Kill();
    std::fclose(output_);
  }

  // Whether it was still running, and so died of this kill.
  bool Kill() {
    if (pid_ <= 0) return false;
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = 0;
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  }

  // The last generation it began to save: once it is gone, of all it told; else the next it tells.
  // Each is one small write to the pipe, so none is read cut.
  int LastStarted(bool waitForOne) {
    int last = 0;
    for (int told = 0; std::fscanf(output_, "%d", &told) == 1 && (last = told, !waitForOne);) {
    }
    return last;
  }

 private:
  pid_t pid_ = 0;
  std::FILE* output_ = nullptr;
};

TEST(KillWhileSaving, TheFileIsAlwaysTheOldOrTheNewOneWhole) {
  TempFolder temp;
  const std::string file = temp / "Recents.txt", before = FileOfGeneration(0);

  // How long the saver takes to start and make a few saves sets the range of the kill times.
  WriteBytes(file, before);
  const auto start = std::chrono::steady_clock::now();
  for (Saver saver(temp.path()); saver.LastStarted(true) < 4;) {
  }
  using std::chrono::microseconds;
  std::mt19937 random(20240);
  std::uniform_int_distribution<long> delay(
      0,
      std::chrono::duration_cast<microseconds>(std::chrono::steady_clock::now() - start).count());
  int old = 0, renewed = 0;
  // TAVELIN_KILLS asks for another number of kills, as the soak run does.
  const int kills = std::getenv("TAVELIN_KILLS") ? std::atoi(std::getenv("TAVELIN_KILLS")) : 25;
  for (int kill = 0; kill < kills; ++kill) {
    SCOPED_TRACE(kill);
    WriteBytes(file, before);
    Saver saver(temp.path());
    std::this_thread::sleep_for(microseconds(delay(random)));
    ASSERT_TRUE(saver.Kill());
    const int started = saver.LastStarted(false);
    const std::string found = ReadBytes(file);
    if (started == 0) {
      ASSERT_EQ(found, before);
    } else if (found == FileOfGeneration(started)) {
      ++renewed;
    } else {
      ASSERT_TRUE(found == FileOfGeneration(started - 1))
          << "generation " << started << ": " << found.size() << " bytes";
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
}

// A replace through a link writes the file it leads to and leaves the link a link.
TEST(RecentsFile, ALinkIsWrittenThroughAndStaysALink) {
  TempFolder temp;
  ASSERT_EQ(::mkdir((temp / "config").c_str(), 0755), 0);
  WriteBytes(temp / "config/recents", "/srv\r\n", 0640);
  ASSERT_EQ(::symlink("config/recents", (temp / "Recents.txt").c_str()), 0);
  platform::NativeFileSystem().ReplaceFile(Utf16(temp / "Recents.txt"), "/home/anna\r\n");
  EXPECT_TRUE(std::filesystem::is_symlink(temp / "Recents.txt"));
  EXPECT_EQ(ReadBytes(temp / "config/recents"), "/home/anna\r\n");
  EXPECT_EQ(PermissionBits(temp / "config/recents"), 0640u);
  EXPECT_EQ(RawNames(temp / "config").size(), 3u);  // no temporary left
}

}  // namespace
}  // namespace tavelin::hardening
