#include "Spawn.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

#include "Clock.h"

extern char** environ;

namespace tavelin::bench {

namespace {

class FileActions {
 public:
  FileActions() { ::posix_spawn_file_actions_init(&actions_); }
  ~FileActions() { ::posix_spawn_file_actions_destroy(&actions_); }
  FileActions(const FileActions&) = delete;
  FileActions& operator=(const FileActions&) = delete;
  posix_spawn_file_actions_t* get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

// Starts the program with its output going to `outputFd` and returns its process id.
pid_t Start(const std::vector<std::string>& argv, int outputFd, int closeFd,
            const std::string& folder, bool quiet = true) {
  std::vector<char*> args;
  for (const std::string& arg : argv)
    args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  FileActions actions;
  ::posix_spawn_file_actions_adddup2(actions.get(), outputFd, STDOUT_FILENO);
  // Qt's warnings about the offscreen platform would break up the table.
  if (quiet)
    ::posix_spawn_file_actions_addopen(actions.get(), STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  if (closeFd >= 0) ::posix_spawn_file_actions_addclose(actions.get(), closeFd);
  if (!folder.empty()) ::posix_spawn_file_actions_addchdir_np(actions.get(), folder.c_str());
  pid_t pid = 0;
  if (::posix_spawnp(&pid, args[0], actions.get(), nullptr, args.data(), environ) != 0) {
    throw std::runtime_error("cannot start " + argv[0]);
  }
  return pid;
}

// The program's exit status; throws when it did not end by itself.
int ExitStatus(pid_t pid, const std::string& program) {
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
    throw std::runtime_error(program + " failed");
  }
  return WEXITSTATUS(status);
}

void Wait(pid_t pid, const std::string& program) {
  if (ExitStatus(pid, program) != 0) throw std::runtime_error(program + " failed");
}

struct Pipe {
  Pipe() {
    if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
  }
  ~Pipe() {
    for (int fd : fds)
      if (fd >= 0) ::close(fd);
  }
  void CloseWriteEnd() {
    ::close(fds[1]);
    fds[1] = -1;
  }
  std::string ReadAll() {
    std::string text;
    char chunk[4096];
    for (ssize_t n; (n = ::read(fds[0], chunk, sizeof chunk)) > 0;)
      text.append(chunk, static_cast<std::size_t>(n));
    return text;
  }
  int fds[2] = {-1, -1};
};

std::string Capture(const std::vector<std::string>& argv, const std::string& folder) {
  Pipe pipe;
  const pid_t pid = Start(argv, pipe.fds[1], pipe.fds[0], folder);
  pipe.CloseWriteEnd();
  std::string output = pipe.ReadAll();
  Wait(pid, argv[0]);
  return output;
}

}  // namespace

std::int64_t RunToEnd(const std::vector<std::string>& argv) {
  const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (null < 0) throw std::runtime_error("no /dev/null");
  const std::int64_t start = MonotonicNs();
  pid_t pid = 0;
  try {
    pid = Start(argv, null, -1, {});
  } catch (...) {
    ::close(null);
    throw;
  }
  ::close(null);
  Wait(pid, argv[0]);
  return MonotonicNs() - start;
}

int RunShown(const std::vector<std::string>& argv) {
  std::fflush(stdout);
  return ExitStatus(Start(argv, STDOUT_FILENO, -1, {}, false), argv[0]);
}

std::int64_t TimeToFirstPaint(const std::string& program, const std::string& folder) {
  const std::int64_t start = MonotonicNs();
  const std::string stamp = Capture({program}, folder);
  try {
    return std::stoll(stamp) - start;
  } catch (const std::logic_error&) {
    throw std::runtime_error(program + " reported no first paint");
  }
}

std::string OutputOf(const std::vector<std::string>& argv) {
  return Capture(argv, {});
}

}  // namespace tavelin::bench
