#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <memory>

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

std::vector<FolderEntry> PosixFileSystem::ListFolder(const std::u16string& folder) const {
  std::vector<FolderEntry> entries;
  const std::unique_ptr<DIR, DirCloser> dir(::opendir(ToNativeName(folder).c_str()));
  if (!dir) return entries;
  const int dirFd = ::dirfd(dir.get());

  // readdir gives no way to tell the end from a failure; both end the listing with what was read.
  while (const dirent* entry = ::readdir(dir.get())) {
    const char* name = entry->d_name;
    if (IsHidden(name)) continue;
    bool isDirectory = entry->d_type == DT_DIR;
    if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
      // Links count as what they lead to; one that leads nowhere is left out.
      struct stat status {};
      if (::fstatat(dirFd, name, &status, 0) != 0) continue;
      isDirectory = S_ISDIR(status.st_mode);
    }
    entries.push_back({FromNativeName(name), isDirectory});
  }
  return entries;
}

}  // namespace tavelin::platform
