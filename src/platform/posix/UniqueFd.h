// A file descriptor that is closed when its owner goes, on every path out of a routine.
#pragma once

#include <unistd.h>

#include <cerrno>

namespace tavelin::platform {

class UniqueFd {
 public:
  explicit UniqueFd(int fd) noexcept : fd_(fd) {}
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() {
    if (fd_ >= 0) ::close(fd_);
  }

  int get() const noexcept { return fd_; }
  explicit operator bool() const noexcept { return fd_ >= 0; }

  // Closes now and tells how it went: 0, or the errno a destructor would have swallowed. An
  // interrupted close still releases the descriptor on Linux, and retrying could close another.
  int Close() noexcept {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 || errno == EINTR ? 0 : errno;
  }

 private:
  int fd_;
};

}  // namespace tavelin::platform
