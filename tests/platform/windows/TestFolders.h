// Real folders for the Windows platform tests: a fresh one per test, removed afterwards, and the
// raw Win32 calls the platform layer is checked against. Paths are absolute and are handed to the
// system in their "\\?\" form, so that they may be longer than MAX_PATH.
#pragma once

#include <atomic>
#include <string>
#include <system_error>
#include <vector>

#include "platform/windows/Win32.h"

namespace tavelin::platform::testing {

[[noreturn]] inline void Fail(const std::wstring& what) {
  const DWORD code = ::GetLastError();
  const int length = static_cast<int>(what.size());
  std::string utf8(static_cast<std::size_t>(length) * 3, '\0');
  utf8.resize(static_cast<std::size_t>(
      ::WideCharToMultiByte(CP_UTF8, 0, what.data(), length, utf8.data(),
                            static_cast<int>(utf8.size()), nullptr, nullptr)));
  throw std::system_error(static_cast<int>(code), std::system_category(), utf8);
}

inline std::u16string Utf16(const std::wstring& text) {
  return {text.begin(), text.end()};
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
  if (!::CreateDirectoryW(Long(path).c_str(), nullptr)) Fail(L"CreateDirectoryW " + path);
  if (attributes != 0) SetAttributes(path, attributes);
}

inline void WriteBytes(const std::wstring& path, const std::string& bytes, DWORD attributes = 0) {
  const HANDLE file = ::CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) Fail(L"CreateFileW " + path);
  DWORD written = 0;
  const BOOL ok =
      ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
  if (!ok || written != bytes.size()) Fail(L"WriteFile " + path);
  if (attributes != 0) SetAttributes(path, attributes);
}

inline std::string ReadBytes(const std::wstring& path) {
  const HANDLE file = ::CreateFileW(Long(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) Fail(L"CreateFileW " + path);
  std::string bytes;
  char buffer[4096];
  DWORD count = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &count, nullptr) && count > 0) {
    bytes.append(buffer, count);
  }
  ::CloseHandle(file);
  return bytes;
}

struct RawEntry {
  std::wstring name;
  DWORD attributes;
};

// Every entry of `folder`, hidden and system ones too, in the order the system returns them.
inline std::vector<RawEntry> RawEntries(const std::wstring& folder) {
  std::vector<RawEntry> entries;
  WIN32_FIND_DATAW data;
  const HANDLE find = ::FindFirstFileW(Long(folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) {
    if (::GetLastError() == ERROR_FILE_NOT_FOUND) return entries;
    Fail(L"FindFirstFileW " + folder);
  }
  do {
    entries.push_back({data.cFileName, data.dwFileAttributes});
  } while (::FindNextFileW(find, &data));
  ::FindClose(find);
  return entries;
}

inline std::vector<std::wstring> RawNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  for (const RawEntry& entry : RawEntries(folder))
    names.push_back(entry.name);
  return names;
}

// Empties `folder`, whatever the attributes of what it holds.
inline void EmptyFolder(const std::wstring& folder) {
  for (const RawEntry& entry : RawEntries(folder)) {
    if (entry.name == L"." || entry.name == L"..") continue;
    const std::wstring path = folder + L'\\' + entry.name;
    SetAttributes(path, FILE_ATTRIBUTE_NORMAL);
    if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) {
      EmptyFolder(path);
      if (!::RemoveDirectoryW(Long(path).c_str())) Fail(L"RemoveDirectoryW " + path);
    } else if (!::DeleteFileW(Long(path).c_str())) {
      Fail(L"DeleteFileW " + path);
    }
  }
}

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<unsigned> counter{0};
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0) Fail(L"GetTempPathW");
    const std::wstring stem =
        std::wstring(temp, length) + L"tavelin-" + std::to_wstring(::GetCurrentProcessId()) + L'-';
    do {
      path_ = stem + std::to_wstring(counter++);
    } while (!::CreateDirectoryW(Long(path_).c_str(), nullptr) &&
             ::GetLastError() == ERROR_ALREADY_EXISTS);
    if (!Exists(path_)) Fail(L"CreateDirectoryW " + path_);
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

 private:
  std::wstring path_;
};

class ScopedWorkingDirectory {
 public:
  explicit ScopedWorkingDirectory(const std::wstring& folder) {
    wchar_t previous[MAX_PATH + 1];
    const DWORD length = ::GetCurrentDirectoryW(MAX_PATH + 1, previous);
    previous_.assign(previous, length);
    if (!::SetCurrentDirectoryW(folder.c_str())) Fail(L"SetCurrentDirectoryW " + folder);
  }
  ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
  ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;
  ~ScopedWorkingDirectory() { ::SetCurrentDirectoryW(previous_.c_str()); }

 private:
  std::wstring previous_;
};

}  // namespace tavelin::platform::testing
