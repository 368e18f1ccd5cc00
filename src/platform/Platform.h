// The operating system as Tavelin needs it: folder listings, the recent-folders text file,
// the system code page and starting programs. One implementation per platform is picked by
// CMake; the core reaches the system only through these interfaces, so tests can hand it fakes.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavelin::platform {

#ifdef _WIN32
inline constexpr char16_t kNativeSeparator = u'\\';
#else
inline constexpr char16_t kNativeSeparator = u'/';
#endif

// A call into the operating system failed; `code` is errno or GetLastError().
class SystemError : public std::runtime_error {
 public:
  SystemError(const std::string& what, int code) : std::runtime_error(what), code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};

struct FolderEntry {
  std::u16string name;  // bare name, no folder part
  bool isDirectory = false;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The separator that paths on this file system use.
  virtual char16_t Separator() const = 0;

  // The entries of `folder` (a path that ends with the separator) in the order the file system
  // returns them, handed to `take` one at a time as they are read, so that a caller keeping only
  // their names never holds the whole listing as well. Hidden entries are left out, but "." and
  // ".." come through where the file system has them. An entry whose type cannot be read is left
  // out; a folder that cannot be listed yields no entries, and an enumeration that fails half
  // way keeps what it read.
  virtual void EnumerateFolder(const std::u16string& folder,
                               const std::function<void(FolderEntry&&)>& take) const = 0;

  // Whether `path` names a folder that can be listed.
  virtual bool IsFolder(const std::u16string& path) const = 0;

  // Whether `path` names an ordinary file: not a folder, not hidden or system.
  virtual bool IsOrdinaryFile(const std::u16string& path) const = 0;

  // The whole content of a file. Throws SystemError when it cannot be opened or read.
  virtual std::string ReadFile(const std::u16string& path) const = 0;

  // Makes `bytes` the content of `path`. The new content is written beside the old file and
  // takes its place only once complete, so a failure (thrown as SystemError) leaves the old
  // file as it was.
  virtual void ReplaceFile(const std::u16string& path, const std::string& bytes) const = 0;
};

// The program's working directory, which it never changes.
std::u16string WorkingDirectory();

// The system code page of text files: UTF-8 on POSIX, the ANSI code page on Windows.
// Returns nothing for a text the code page cannot represent exactly.
std::optional<std::string> ToSystemCodePage(std::u16string_view text);
std::u16string FromSystemCodePage(std::string_view bytes);

// Window state of a started program.
enum class WindowState : std::int16_t { Hidden = 0, NormalFocus = 1 };

enum class ProgramKind {
  Named,        // a program named without a folder, found by the system's program search
  File,         // the file itself is the program
  Interpreter,  // the command interpreter, handed a command line to run
};

// One program to start. `commandLine` is the line exactly as the caller built it; Windows hands
// it unchanged to the new process. POSIX never uses a shell: it starts `program` with
// `argument` as its one argument (none for a File).
struct StartRequest {
  std::u16string commandLine;
  ProgramKind kind = ProgramKind::Named;
  std::u16string program;
  std::u16string argument;
  WindowState windowState = WindowState::NormalFocus;
};

// The program could not be started: not found, not a program, or refused by the system.
class StartError : public SystemError {
 public:
  using SystemError::SystemError;
};

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts the program and returns at once, without waiting for it. Throws StartError.
  virtual void Start(const StartRequest& request) = 0;
};

// The running system's own implementations, alive for the whole run.
FileSystem& NativeFileSystem();
Launcher& NativeLauncher();

}  // namespace tavelin::platform
