// One folder's enumeration on POSIX. The type of an entry comes with the directory read itself;
// its status is read only where the read leaves the type open (an unknown type, a link), through
// a reader that tests replace to count those reads.
#pragma once

#include <sys/stat.h>

#include <functional>
#include <string>

#include "platform/Platform.h"

namespace tavelin::platform {

// The status of `name` in the folder open as `dirFd`, links followed: 0, or -1 when unreadable.
using StatusReader = int (*)(int dirFd, const char* name, struct stat* status);

int ReadStatus(int dirFd, const char* name, struct stat* status);

// Hands the entries of the folder `nativeFolder` to `take` as FileSystem::EnumerateFolder does.
void EnumerateEntries(const std::string& nativeFolder,
                      const std::function<void(FolderEntry&&)>& take,
                      StatusReader readStatus = ReadStatus);

}  // namespace tavelin::platform
