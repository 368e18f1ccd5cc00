#include "platform/windows/NativeNames.h"
#include "platform/windows/UniqueHandle.h"
#include "platform/windows/Win32.h"
#include "platform/windows/WindowsFileSystem.h"

namespace tavelin::platform {

namespace {

constexpr DWORD kLeftOut = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// "." and ".." carry the attributes of the folders they stand for, and come through whatever
// those are.
bool IsDots(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

}  // namespace

void WindowsFileSystem::EnumerateFolder(const std::u16string& folder,
                                        const std::function<void(FolderEntry&&)>& take) const {
  std::wstring pattern = ToNativePath(folder);
  if (!pattern.ends_with(L'\\')) pattern += L'\\';
  pattern += L'*';

  // The basic level leaves out the short 8.3 names, which nothing here reads.
  WIN32_FIND_DATAW data;
  const UniqueFindHandle find(::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data,
                                                 FindExSearchNameMatch, nullptr,
                                                 FIND_FIRST_EX_LARGE_FETCH));
  if (!find) return;
  // A failure of FindNextFileW ends the listing with what was read, as its end does.
  do {
    if ((data.dwFileAttributes & kLeftOut) != 0 && !IsDots(data.cFileName)) continue;
    take({FromWide(data.cFileName), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (::FindNextFileW(find.get(), &data));
}

}  // namespace tavelin::platform
