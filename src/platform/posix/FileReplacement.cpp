#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

#include "platform/posix/Failures.h"
#include "platform/posix/NativeNames.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/UniqueFd.h"

namespace tavelin::platform {

namespace {

// The new content on its way: a file beside the target that is removed unless it became the target.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string folderPrefix)
      // The leading dot keeps it out of the folder's listing while it exists.
      : path_(std::move(folderPrefix) + ".tavelin-XXXXXX"),
        fd_(::mkostemp(path_.data(), O_CLOEXEC)) {
    if (!fd_) Fail(errno, "Cannot create a file like", path_);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (!renamed_) ::unlink(path_.c_str());
  }

  int fd() const { return fd_.get(); }
  const std::string& path() const { return path_; }

  void Write(const std::string& bytes) const {
    for (std::size_t done = 0; done < bytes.size();) {
      const ssize_t count = ::write(fd_.get(), bytes.data() + done, bytes.size() - done);
      if (count > 0) {
        done += static_cast<std::size_t>(count);
      } else if (count == 0) {
        Fail(EIO, "Cannot write", path_);
      } else if (errno != EINTR) {
        Fail(errno, "Cannot write", path_);
      }
    }
  }

  void Close() {
    if (const int code = fd_.Close(); code != 0) Fail(code, "Cannot close", path_);
  }

  void RenameTo(const std::string& target) {
    if (::rename(path_.c_str(), target.c_str()) != 0) Fail(errno, "Cannot replace", target);
    renamed_ = true;
  }

 private:
  std::string path_;
  UniqueFd fd_;
  bool renamed_ = false;
};

mode_t CurrentUmask() {
  // POSIX can only read the umask by setting it; the program never changes it otherwise.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// The permission bits the new content gets: the old file's, or those a new file would get.
mode_t ModeFor(const std::string& target) {
  struct stat status {};
  if (::stat(target.c_str(), &status) != 0) {
    if (errno != ENOENT) Fail(errno, "Cannot read the attributes of", target);
    return 0666 & ~CurrentUmask();
  }
  if (S_ISDIR(status.st_mode)) Fail(EISDIR, "Cannot replace", target);
  return status.st_mode & 07777;
}

// The file that gets the new content: for a link, the file it leads to, as opening the link for
// writing would reach it; the link itself stays. A link that leads nowhere is replaced.
std::string WrittenPath(std::string path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
  const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                             &std::free);
  return resolved ? std::string(resolved.get()) : path;
}

// Makes the rename itself survive a power cut. It comes after the new content is in place, so a
// folder that cannot be synced is no failure of the replacement and goes unreported.
void SyncFolder(const std::string& folder) {
  const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd) ::fsync(fd.get());
}

}  // namespace

void PosixFileSystem::ReplaceFile(const std::u16string& path, const std::string& bytes) const {
  const std::string target = WrittenPath(ToNativeName(path));
  const mode_t mode = ModeFor(target);
  const std::size_t slash = target.rfind('/');
  const std::string folderPrefix = slash == std::string::npos ? "" : target.substr(0, slash + 1);

  TemporaryFile temporary(folderPrefix);
  temporary.Write(bytes);
  if (::fchmod(temporary.fd(), mode) != 0) Fail(errno, "Cannot set the permissions of", target);
  if (::fsync(temporary.fd()) != 0) Fail(errno, "Cannot sync", temporary.path());
  temporary.Close();
  temporary.RenameTo(target);
  SyncFolder(folderPrefix.empty() ? "." : folderPrefix);
}

}  // namespace tavelin::platform
