#include "platform/posix/PosixLauncher.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/posix/Failures.h"
#include "platform/posix/NativeNames.h"
#include "platform/posix/UniqueFd.h"

namespace tavelin::platform {

namespace {

// The desktop's own way to open a document with the program that belongs to its type.
constexpr const char* kDocumentOpener = "xdg-open";

struct Invocation {
  std::vector<std::string> arguments;  // the program first
  bool searchPath = true;
};

// A command line whose rest is empty hands the program no argument, as it would on Windows.
Invocation Plan(const StartRequest& request) {
  Invocation invocation;
  switch (request.kind) {
    case ProgramKind::Named:
      invocation.arguments = {ToNativeName(request.program)};
      break;
    case ProgramKind::File:
      // No PATH search, and posix_spawn refuses a folder, a file that may not be executed and one
      // in no executable format alike, without falling back to a shell as exec*p once did.
      invocation.arguments = {ToNativeName(request.program)};
      invocation.searchPath = false;
      return invocation;
    case ProgramKind::Interpreter:
      invocation.arguments = {kDocumentOpener};
      break;
  }
  if (!request.argument.empty()) invocation.arguments.push_back(ToNativeName(request.argument));
  return invocation;
}

// What the started program gets besides its arguments: a session of its own, so that it outlives
// Tavelin's terminal; default signal handling; no input; and for a hidden start, no output either.
class SpawnSetup {
 public:
  explicit SpawnSetup(WindowState windowState) {
    ::posix_spawn_file_actions_init(&actions_);
    ::posix_spawnattr_init(&attributes_);
    ::posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (windowState == WindowState::Hidden) {
      ::posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
      ::posix_spawn_file_actions_adddup2(&actions_, STDOUT_FILENO, STDERR_FILENO);
    }
#if defined(__GLIBC__) && __GLIBC_PREREQ(2, 34)
    // Descriptors that Tavelin or its libraries left inheritable are none of the program's
    // business.
    ::posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1);
#endif
    sigset_t signals;
    ::sigemptyset(&signals);
    ::posix_spawnattr_setsigmask(&attributes_, &signals);
    ::sigfillset(&signals);
    ::sigdelset(&signals, SIGKILL);
    ::sigdelset(&signals, SIGSTOP);
    ::posix_spawnattr_setsigdefault(&attributes_, &signals);
    ::posix_spawnattr_setflags(&attributes_,
                               POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;
  ~SpawnSetup() {
    ::posix_spawnattr_destroy(&attributes_);
    ::posix_spawn_file_actions_destroy(&actions_);
  }

  const posix_spawn_file_actions_t* actions() const {
    return &actions_;
  }
  const posix_spawnattr_t* attributes() const {
    return &attributes_;
  }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

// Starts the program from a short-lived child, which reports how the start went through a pipe
// and ends at once. Tavelin reaps that child here, and the program itself, orphaned, is reaped
// by the system: nothing is left to wait for and SIGCHLD stays the host's business.
int SpawnDetached(const Invocation& invocation, const SpawnSetup& setup) {
  std::vector<char*> argv;
  for (const std::string& argument : invocation.arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);

  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) return errno;
  UniqueFd readEnd(pipeFds[0]);
  UniqueFd writeEnd(pipeFds[1]);

  const pid_t child = ::fork();
  if (child < 0) return errno;
  if (child == 0) {
    // Only async-signal-safe work from here on: everything was prepared before the fork.
    pid_t program;
    const int result = invocation.searchPath
                           ? ::posix_spawnp(&program, argv[0], setup.actions(), setup.attributes(),
                                            argv.data(), environ)
                           : ::posix_spawn(&program, argv[0], setup.actions(), setup.attributes(),
                                           argv.data(), environ);
    const ssize_t written = ::write(writeEnd.get(), &result, sizeof result);
    ::_exit(written == sizeof result ? 0 : 1);
  }
  writeEnd.Close();

  int result = 0;
  ssize_t count;
  do {
    count = ::read(readEnd.get(), &result, sizeof result);
  } while (count < 0 && errno == EINTR);
  // With SIGCHLD ignored the system reaps the child itself and waitpid says ECHILD: that is fine.
  while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  return count == sizeof result ? result : ECHILD;
}

}  // namespace

void PosixLauncher::Start(const StartRequest& request) {
  const Invocation invocation = Plan(request);
  const SpawnSetup setup(request.windowState);
  if (const int code = SpawnDetached(invocation, setup); code != 0) {
    Fail<StartError>(code, "Cannot start", invocation.arguments.front());
  }
}

Launcher& NativeLauncher() {
  static PosixLauncher launcher;
  return launcher;
}

}  // namespace tavelin::platform
