// Real folders for the Windows platform tests: a fresh one per test, removed afterwards, and the
// raw Win32 calls the platform layer is checked against. Paths are absolute and are handed to the
// system in their "\\?\" form, so that they may be longer than MAX_PATH.
#pragma once

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/windows/NativeNames.h"
#include "platform/windows/Win32.h"

namespace tavelin::platform::testing {

inline std::u16string Utf16(const std::wstring& text) {
  return {text.begin(), text.end()};
}

[[noreturn]] inline void Fail(const std::wstring& what) {
  throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                          ToUtf8(Utf16(what)));
}

inline std::wstring Long(const std::wstring& path) {
  return L"\\\\?\\" + path;
}

inline DWORD Attributes(const std::wstring& path) {
  return ::GetFileAttributesW(Long(path).c_str());
}

inline bool Exists(const std::wstring& path) {
  return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

inline void SetAttributes(const std::wstring& path, DWORD attributes) {
  if (!::SetFileAttributesW(Long(path).c_str(), attributes)) Fail(L"SetFileAttributesW " + path);
}

inline void MakeFolder(const std::wstring& path, DWORD attributes = 0) {
  std::filesystem::create_directory(Long(path));
  if (attributes != 0) SetAttributes(path, attributes);
}

inline void WriteBytes(const std::wstring& path, const std::string& bytes, DWORD attributes = 0) {
  if (!(std::ofstream(std::filesystem::path(Long(path)), std::ios::binary) << bytes)) {
    Fail(L"writing " + path);
  }
  if (attributes != 0) SetAttributes(path, attributes);
}

inline std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(Long(path)), std::ios::binary);
  if (!in) Fail(L"opening " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every entry of `folder`, hidden and system ones too, in the order the system returns them.
inline std::vector<WIN32_FIND_DATAW> RawEntries(const std::wstring& folder) {
  std::vector<WIN32_FIND_DATAW> entries(1);
  const HANDLE find = ::FindFirstFileW(Long(folder + L"\\*").c_str(), &entries[0]);
  if (find == INVALID_HANDLE_VALUE) {
    if (::GetLastError() == ERROR_FILE_NOT_FOUND) return {};
    Fail(L"FindFirstFileW " + folder);
  }
  do {
    entries.emplace_back();
  } while (::FindNextFileW(find, &entries.back()));
  ::FindClose(find);
  entries.pop_back();
  return entries;
}

inline std::vector<std::wstring> RawNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  for (const WIN32_FIND_DATAW& entry : RawEntries(folder))
    names.emplace_back(entry.cFileName);
  return names;
}

// Empties `folder`, whatever the attributes of what it holds.
inline void EmptyFolder(const std::wstring& folder) {
  for (const WIN32_FIND_DATAW& entry : RawEntries(folder)) {
    const std::wstring name = entry.cFileName, path = folder + L'\\' + name;
    if (name == L"." || name == L"..") continue;
    SetAttributes(path, FILE_ATTRIBUTE_NORMAL);
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) EmptyFolder(path);
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? ::RemoveDirectoryW
                                                            : ::DeleteFileW)(Long(path).c_str())) {
      Fail(L"removing " + path);
    }
  }
}

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<unsigned> counter{0};
    const std::wstring stem = std::filesystem::temp_directory_path().native() + L"tavelin-" +
                              std::to_wstring(::GetCurrentProcessId()) + L'-';
    do {
      path_ = stem + std::to_wstring(counter++);
    } while (!std::filesystem::create_directory(Long(path_)));
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    try {
      EmptyFolder(path_);
    } catch (const std::system_error&) {
      // What cannot be removed stays in the temporary folder; the test has its verdict already.
    }
    ::RemoveDirectoryW(Long(path_).c_str());
  }

  // The folder's path, without a trailing backslash.
  const std::wstring& path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return path_ + L'\\' + name; }
  // An ASCII name, with '/' standing for the backslash.
  std::wstring operator/(std::string_view name) const {
    std::wstring wide(name.begin(), name.end());
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    return *this / wide;
  }

 private:
  std::wstring path_;
};

class ScopedWorkingDirectory {
 public:
  explicit ScopedWorkingDirectory(const std::wstring& folder) {
    wchar_t previous[MAX_PATH + 1];
    previous_.assign(previous, ::GetCurrentDirectoryW(MAX_PATH + 1, previous));
    if (!::SetCurrentDirectoryW(folder.c_str())) Fail(L"SetCurrentDirectoryW " + folder);
  }
  ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
  ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;
  ~ScopedWorkingDirectory() { ::SetCurrentDirectoryW(previous_.c_str()); }

 private:
  std::wstring previous_;
};

}  // namespace tavelin::platform::testing
