// The file system's own pace under Windows: every folder read with FindFirstFileExW at its
// fastest level, hidden and system entries left out, names kept as the system gives them.
#include <windows.h>

#include "Floor.h"
#include "platform/windows/NativeNames.h"
#include "platform/windows/UniqueHandle.h"

namespace tavelin::bench {

namespace {

bool IsDots(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

void ReadFolder(const std::wstring& path, FloorListing& listing) {
  WIN32_FIND_DATAW data;
  const platform::UniqueFindHandle find(FindFirstFileExW((path + L"\\*").c_str(), FindExInfoBasic,
                                                         &data, FindExSearchNameMatch, nullptr,
                                                         FIND_FIRST_EX_LARGE_FETCH));
  if (!find) return;
  ++listing.folders;
  std::vector<std::u16string>& files = listing.files.emplace_back();
  std::vector<std::wstring> subFolders;
  do {
    if ((data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0) continue;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      if (!IsDots(data.cFileName)) subFolders.emplace_back(data.cFileName);
    } else {
      const auto* name = reinterpret_cast<const char16_t*>(data.cFileName);
      files.emplace_back(name);
    }
  } while (FindNextFileW(find.get(), &data));
  for (const std::wstring& sub : subFolders)
    ReadFolder(path + L'\\' + sub, listing);
}

}  // namespace

FloorListing ReadFloor(const std::string& root) {
  FloorListing listing;
  ReadFolder(platform::Wide(platform::FromUtf8(root)), listing);
  return listing;
}

}  // namespace tavelin::bench
