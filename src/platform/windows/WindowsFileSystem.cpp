#include "platform/windows/WindowsFileSystem.h"

#include "platform/windows/Failures.h"
#include "platform/windows/NativeNames.h"
#include "platform/windows/UniqueHandle.h"
#include "platform/windows/Win32.h"

namespace tavelin::platform {

bool WindowsFileSystem::IsFolder(const std::u16string& path) const {
  // Listing is the test: a folder that exists but cannot be read is no use to a listing. An empty
  // drive root has nothing at all to list, not even "." and "..".
  std::wstring pattern = ToNativePath(path);
  if (!pattern.ends_with(L'\\')) pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW data;
  const UniqueFindHandle find(::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data,
                                                 FindExSearchNameMatch, nullptr, 0));
  return find || ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

bool WindowsFileSystem::IsOrdinaryFile(const std::u16string& path) const {
  const DWORD attributes = ::GetFileAttributesW(ToNativePath(path).c_str());
  constexpr DWORD kNotOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                                 FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotOrdinary) == 0;
}

std::string WindowsFileSystem::ReadFile(const std::u16string& path) const {
  const UniqueHandle file(::CreateFileW(ToNativePath(path).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                                        nullptr));
  if (!file) Fail(::GetLastError(), "Cannot open", path);

  std::string content;
  LARGE_INTEGER size;
  if (::GetFileSizeEx(file.get(), &size) && size.QuadPart > 0) {
    content.reserve(static_cast<std::size_t>(size.QuadPart));
  }
  char buffer[64 * 1024];
  for (;;) {
    DWORD count = 0;
    if (!::ReadFile(file.get(), buffer, sizeof buffer, &count, nullptr)) {
      Fail(::GetLastError(), "Cannot read", path);
    }
    if (count == 0) return content;
    content.append(buffer, count);
  }
}

FileSystem& NativeFileSystem() {
  static WindowsFileSystem fileSystem;
  return fileSystem;
}

}  // namespace tavelin::platform
