// Real folders for the platform tests: a fresh one per test, removed afterwards, and the raw
// system calls the platform layer is checked against.
#pragma once

#include <dirent.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "platform/posix/NativeNames.h"

namespace tavelin::platform::testing {

[[noreturn]] inline void Fail(const std::string& what) {
  throw std::system_error(errno, std::generic_category(), what);
}

inline std::u16string Utf16(const std::string& path) {
  return FromNativeName(path);
}

class TempFolder {
 public:
  TempFolder() : path_((std::filesystem::temp_directory_path() / "tavelin-XXXXXX").string()) {
    if (::mkdtemp(path_.data()) == nullptr) Fail("mkdtemp " + path_);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  // The folder's path, without a trailing slash.
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + '/' + name; }

 private:
  std::string path_;
};

class ScopedWorkingDirectory {
 public:
  explicit ScopedWorkingDirectory(const std::string& folder)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
  ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;
  ~ScopedWorkingDirectory() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

inline void MakeFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0755) != 0) Fail("mkdir " + path);
}

inline void WriteBytes(const std::string& path, const std::string& bytes, mode_t mode = 0644) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  if (::chmod(path.c_str(), mode) != 0) Fail("chmod " + path);
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail("open " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool Exists(const std::string& path) {
  return std::filesystem::exists(std::filesystem::symlink_status(path));
}

inline mode_t PermissionBits(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) Fail("stat " + path);
  return status.st_mode & 07777;
}

// Every name in `folder`, hidden ones too, in the order readdir returns them.
inline std::vector<std::string> RawNames(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) Fail("opendir " + folder);
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(dir))
    names.emplace_back(entry->d_name);
  ::closedir(dir);
  return names;
}

}  // namespace tavelin::platform::testing
