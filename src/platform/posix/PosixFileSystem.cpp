#include "platform/posix/PosixFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/Failures.h"
#include "platform/posix/NativeNames.h"
#include "platform/posix/UniqueFd.h"

namespace tavelin::platform {

bool PosixFileSystem::IsFolder(const std::u16string& path) const {
  // Opening is the test: a folder that exists but cannot be read is no use to a listing.
  const UniqueFd fd(::open(ToNativeName(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return static_cast<bool>(fd);
}

bool PosixFileSystem::IsOrdinaryFile(const std::u16string& path) const {
  const std::string nativePath = ToNativeName(path);
  const std::size_t nameStart = nativePath.rfind('/') + 1;  // npos + 1 == 0: no folder part
  if (nameStart < nativePath.size() && nativePath[nameStart] == '.') return false;
  struct stat status {};
  return ::stat(nativePath.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::string PosixFileSystem::ReadFile(const std::u16string& path) const {
  const std::string nativePath = ToNativeName(path);
  const UniqueFd fd(::open(nativePath.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd) Fail(errno, "Cannot open", nativePath);

  std::string content;
  struct stat status {};
  if (::fstat(fd.get(), &status) == 0 && status.st_size > 0) {
    content.reserve(static_cast<std::size_t>(status.st_size));
  }
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
    if (count > 0) {
      content.append(buffer, static_cast<std::size_t>(count));
    } else if (count == 0) {
      return content;
    } else if (errno != EINTR) {
      Fail(errno, "Cannot read", nativePath);
    }
  }
}

FileSystem& NativeFileSystem() {
  static PosixFileSystem fileSystem;
  return fileSystem;
}

}  // namespace tavelin::platform
