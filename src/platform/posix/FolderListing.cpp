#include "platform/posix/FolderListing.h"

#include <dirent.h>
#include <fcntl.h>

#include <memory>
#include <string_view>
#include <vector>

#include "platform/posix/NativeNames.h"
#include "platform/posix/PosixFileSystem.h"

namespace tavelin::platform {

namespace {

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

bool IsHidden(const char* name) {
  return name[0] == '.' && name[1] != '\0' && !(name[1] == '.' && name[2] == '\0');
}

}  // namespace

int ReadStatus(int dirFd, const char* name, struct stat* status) {
  return ::fstatat(dirFd, name, status, 0);
}

void EnumerateEntries(const std::string& nativeFolder,
                      const std::function<void(FolderEntry&&)>& take, StatusReader readStatus) {
  const std::unique_ptr<DIR, DirCloser> dir(::opendir(nativeFolder.c_str()));
  if (!dir) return;
  const int dirFd = ::dirfd(dir.get());

  // readdir gives no way to tell the end from a failure; both end the listing with what was read.
  while (const dirent* entry = ::readdir(dir.get())) {
    const char* name = entry->d_name;
    if (IsHidden(name)) continue;
    bool isDirectory = entry->d_type == DT_DIR;
    if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
      // Links count as what they lead to; one that leads nowhere is left out.
      struct stat status {};
      if (readStatus(dirFd, name, &status) != 0) continue;
      isDirectory = S_ISDIR(status.st_mode);
    }
    take({FromNativeName(std::string_view(name)), isDirectory});
  }
}

void PosixFileSystem::EnumerateFolder(const std::u16string& folder,
                                      const std::function<void(FolderEntry&&)>& take) const {
  EnumerateEntries(ToNativeName(folder), take);
}

}  // namespace tavelin::platform
