// Real folders for the platform tests, the raw system calls the platform layer is checked against
// and the codes it fails with. On Windows paths reach the system in their "\\?\" form, longer
// than MAX_PATH if need be.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include "platform/windows/NativeNames.h"
#include "platform/windows/Win32.h"
#else
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/NativeNames.h"
#endif

#include "platform/Platform.h"

namespace tavelin::platform::testing {

using Path = std::filesystem::path::string_type;

#ifdef _WIN32
constexpr wchar_t kSeparator = L'\\';
// What an entry is beside its kind, as attributes; none by default.
using Marks = DWORD;
constexpr Marks kFileMarks = 0, kFolderMarks = 0;

inline std::u16string Utf16(const Path& path) {
  return {path.begin(), path.end()};
}
inline Path Native(std::u16string_view name) {
  return {name.begin(), name.end()};
}
[[noreturn]] inline void Fail(const Path& what) {
  throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                          ToUtf8(Utf16(what)));
}
inline Path Long(const Path& path) {
  return L"\\\\?\\" + path;
}
inline DWORD Attributes(const Path& path) {
  return ::GetFileAttributesW(Long(path).c_str());
}
inline bool Exists(const Path& path) {
  return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}
inline void SetMarks(const Path& path, Marks attributes) {
  if (attributes != 0 && !::SetFileAttributesW(Long(path).c_str(), attributes)) {
    Fail(L"SetFileAttributesW " + path);
  }
}

// Every entry of `folder`, hidden and system ones too, in the order the system returns them.
inline std::vector<WIN32_FIND_DATAW> RawEntries(const Path& folder) {
  std::vector<WIN32_FIND_DATAW> entries(1);
  const HANDLE find = ::FindFirstFileW(Long(folder + L"\\*").c_str(), &entries[0]);
  if (find == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_NOT_FOUND) return {};
  if (find == INVALID_HANDLE_VALUE) Fail(L"FindFirstFileW " + folder);
  while (::FindNextFileW(find, &entries.emplace_back())) {
  }
  ::FindClose(find);
  entries.pop_back();
  return entries;
}
inline std::vector<Path> RawNames(const Path& folder) {
  std::vector<Path> names;
  for (const WIN32_FIND_DATAW& entry : RawEntries(folder))
    names.emplace_back(entry.cFileName);
  return names;
}

// Empties `folder`, whatever the attributes of what it holds.
inline void EmptyFolder(const Path& folder) {
  for (const WIN32_FIND_DATAW& entry : RawEntries(folder)) {
    const Path name = entry.cFileName, path = folder + L'\\' + name;
    if (name == L"." || name == L"..") continue;
    SetMarks(path, FILE_ATTRIBUTE_NORMAL);
    const bool isFolder = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    if (isFolder) EmptyFolder(path);
    if (!(isFolder ? ::RemoveDirectoryW : ::DeleteFileW)(Long(path).c_str())) Fail(path);
  }
}
// What cannot be removed stays in the temporary folder; the test has its verdict already.
inline void RemoveFolder(const Path& folder) {
  try {
    EmptyFolder(folder);
  } catch (const std::system_error&) {
  }
  ::RemoveDirectoryW(Long(folder).c_str());
}
#else
constexpr char kSeparator = '/';
using Marks = mode_t;
constexpr Marks kFileMarks = 0644, kFolderMarks = 0755;

inline std::u16string Utf16(const Path& path) {
  return FromNativeName(path);
}
inline Path Native(std::u16string_view name) {
  return ToNativeName(name);
}
[[noreturn]] inline void Fail(const Path& what) {
  throw std::system_error(errno, std::generic_category(), what);
}
inline const Path& Long(const Path& path) {
  return path;
}
inline bool Exists(const Path& path) {
  return std::filesystem::exists(std::filesystem::symlink_status(path));
}
inline void SetMarks(const Path& path, Marks mode) {
  if (::chmod(path.c_str(), mode) != 0) Fail("chmod " + path);
}
inline mode_t PermissionBits(const Path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) Fail("stat " + path);
  return status.st_mode & 07777;
}

// Every name in `folder`, hidden ones too, in the order readdir returns them.
inline std::vector<Path> RawNames(const Path& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) Fail("opendir " + folder);
  std::vector<Path> names;
  while (const dirent* entry = ::readdir(dir))
    names.emplace_back(entry->d_name);
  ::closedir(dir);
  return names;
}
inline void RemoveFolder(const Path& folder) {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}
#endif

inline void MakeFolder(const Path& path, Marks marks = kFolderMarks) {
  std::filesystem::create_directory(Long(path));
  SetMarks(path, marks);
}

inline void WriteBytes(const Path& path, const std::string& bytes, Marks marks = kFileMarks) {
  if (!(std::ofstream(std::filesystem::path(Long(path)), std::ios::binary) << bytes)) Fail(path);
  SetMarks(path, marks);
}

inline std::string ReadBytes(const Path& path) {
  std::ifstream in(std::filesystem::path(Long(path)), std::ios::binary);
  if (!in) Fail(path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The code of the `Error` that `call` throws; 0 when it throws none.
template <typename Error = SystemError>
int ErrorCodeOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const Error& error) {
    return error.code();
  }
  return 0;
}

class TempFolder {
 public:
  // Named at random, and again while the name is taken: other processes make theirs there too.
  TempFolder() {
    static std::mt19937 random{std::random_device{}()};
    do {
      path_ = (std::filesystem::temp_directory_path() / ("tavelin-" + std::to_string(random())))
                  .native();
    } while (!std::filesystem::create_directory(Long(path_)));
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() { RemoveFolder(path_); }

  // The folder's path, without a trailing separator.
  const Path& path() const { return path_; }
  Path operator/(const Path& name) const { return path_ + kSeparator + name; }
#ifdef _WIN32
  // An ASCII name, with '/' standing for the backslash.
  Path operator/(std::string_view name) const {
    Path wide(name.begin(), name.end());
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    return *this / wide;
  }
#endif

 private:
  Path path_;
};

class ScopedWorkingDirectory {
 public:
  explicit ScopedWorkingDirectory(const Path& folder) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
  ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;
  ~ScopedWorkingDirectory() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

}  // namespace tavelin::platform::testing
