#include <algorithm>
#include <atomic>
#include <string>

#include "platform/windows/Failures.h"
#include "platform/windows/NativeNames.h"
#include "platform/windows/UniqueHandle.h"
#include "platform/windows/Win32.h"
#include "platform/windows/WindowsFileSystem.h"

namespace tavelin::platform {

namespace {

// The attributes that describe what a file is, rather than what happened to it.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The new content on its way: a file beside the target that is removed unless it became the target.
class TemporaryFile {
 public:
  TemporaryFile(const std::wstring& folderPrefix, const std::u16string& target)
      : file_(CreateBeside(folderPrefix, target, path_)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (file_) file_.Release();
    if (!moved_) ::DeleteFileW(path_.c_str());
  }

  void Write(const std::string& bytes, const std::u16string& target) const {
    for (std::size_t done = 0; done < bytes.size();) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
      DWORD count = 0;
      if (!::WriteFile(file_.get(), bytes.data() + done, chunk, &count, nullptr)) {
        Fail(::GetLastError(), "Cannot write the new content of", target);
      }
      done += count;
    }
  }

  // Makes the file durable with the attributes it is to have as the target, and closes it.
  void Finish(DWORD attributes, const std::u16string& target) {
    if (!::FlushFileBuffers(file_.get())) Fail(::GetLastError(), "Cannot sync", target);
    FILE_BASIC_INFO basic{};  // zero times are left as they are
    basic.FileAttributes = attributes;
    if (!::SetFileInformationByHandle(file_.get(), FileBasicInfo, &basic, sizeof basic)) {
      Fail(::GetLastError(), "Cannot set the attributes of", target);
    }
    if (const DWORD code = file_.Release(); code != 0) Fail(code, "Cannot close", target);
  }

  // Puts the new content in the target's place: an existing target is replaced with ReplaceFileW,
  // which keeps its security, owner and attributes; a plain move makes a new one. A target held
  // open for a moment by another program (a virus scanner, the indexer) is waited for.
  void MoveTo(const std::wstring& nativeTarget, bool exists, const std::u16string& target) {
    for (int attempt = 1;; ++attempt) {
      DWORD code = exists ? Holding(nativeTarget) : 0;
      if (code == 0) code = PutInPlace(nativeTarget, exists);
      if (code == 0) {
        moved_ = true;
        return;
      }
      if (!IsHeld(code) || attempt == kAttempts) Fail(code, "Cannot replace", target);
      ::Sleep(kPauseMilliseconds);
    }
  }

 private:
  static constexpr int kAttempts = 20;
  static constexpr DWORD kPauseMilliseconds = 50;

  // The codes of a file that another program holds open; ReplaceFileW reports a target it
  // cannot take away as one it could not remove.
  static bool IsHeld(DWORD code) {
    return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION ||
           code == ERROR_UNABLE_TO_REMOVE_REPLACED;
  }

  // Whether the target can be taken away now: 0, or why not. Asked before ReplaceFileW, which
  // under some systems leaves a file of its own in the folder when the target is held.
  static DWORD Holding(const std::wstring& nativeTarget) {
    const UniqueHandle probe(::CreateFileW(nativeTarget.c_str(), DELETE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, 0, nullptr));
    return probe ? 0 : ::GetLastError();
  }

  DWORD PutInPlace(const std::wstring& nativeTarget, bool exists) const {
    if (exists) {
      // Merging the old file's details may fail on some file systems: the content matters more.
      if (::ReplaceFileW(nativeTarget.c_str(), path_.c_str(), nullptr,
                         REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        return 0;
      }
      const DWORD code = ::GetLastError();
      // The old file was moved aside but the new one not moved in: the name is free for it.
      if (code != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) return code;
    }
    return ::MoveFileExW(path_.c_str(), nativeTarget.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : ::GetLastError();
  }

  // A new file with a name of its own; `path` receives that name.
  static HANDLE CreateBeside(const std::wstring& folderPrefix, const std::u16string& target,
                             std::wstring& path) {
    static std::atomic<unsigned> counter{0};
    const std::wstring stem =
        folderPrefix + L"~tavelin-" + std::to_wstring(::GetCurrentProcessId()) + L'-';
    for (;;) {
      path = stem + std::to_wstring(counter++) + L".tmp";
      // Hidden, so that it stays out of the folder's listing while it exists.
      const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_HIDDEN, nullptr);
      if (file != INVALID_HANDLE_VALUE) return file;
      if (const DWORD code = ::GetLastError(); code != ERROR_FILE_EXISTS) {
        Fail(code, "Cannot create a file beside", target);
      }
    }
  }

  std::wstring path_;
  UniqueHandle file_;
  bool moved_ = false;
};

// What the target is now, and the attributes the new content gets: those of the old file that say
// what it is, or those of a new file. A folder, or a read-only file that could not be replaced
// anyway, is refused before anything is written.
struct TargetState {
  bool exists;
  DWORD attributes;
};

TargetState StateOf(const std::wstring& nativeTarget, const std::u16string& target) {
  const DWORD old = ::GetFileAttributesW(nativeTarget.c_str());
  if (old == INVALID_FILE_ATTRIBUTES) {
    const DWORD code = ::GetLastError();
    if (code != ERROR_FILE_NOT_FOUND) Fail(code, "Cannot read the attributes of", target);
    return {false, FILE_ATTRIBUTE_ARCHIVE};
  }
  if ((old & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
    Fail(ERROR_ACCESS_DENIED, "Cannot replace", target);
  }
  return {true, (old & kKeptAttributes) | FILE_ATTRIBUTE_ARCHIVE};
}

}  // namespace

void WindowsFileSystem::ReplaceFile(const std::u16string& path, const std::string& bytes) const {
  const std::wstring target = ToNativePath(path);
  const TargetState state = StateOf(target, path);
  const std::wstring folderPrefix = target.substr(0, target.rfind(L'\\') + 1);

  TemporaryFile temporary(folderPrefix, path);
  temporary.Write(bytes, path);
  temporary.Finish(state.attributes, path);
  temporary.MoveTo(target, state.exists, path);
}

}  // namespace tavelin::platform
