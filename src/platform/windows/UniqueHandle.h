// Kernel handles that are closed when their owner goes, on every path out of a routine.
#pragma once

#include "platform/windows/Win32.h"

namespace tavelin::platform {

// `Close` is CloseHandle or FindClose: each kind of handle has its own.
template <BOOL(WINAPI* Close)(HANDLE)>
class BasicUniqueHandle {
 public:
  explicit BasicUniqueHandle(HANDLE handle) noexcept : handle_(handle) {}
  BasicUniqueHandle(const BasicUniqueHandle&) = delete;
  BasicUniqueHandle& operator=(const BasicUniqueHandle&) = delete;
  ~BasicUniqueHandle() {
    if (*this) Close(handle_);
  }

  HANDLE get() const noexcept { return handle_; }
  explicit operator bool() const noexcept {
    return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr;
  }

  // Closes now and tells how it went: 0, or the GetLastError() a destructor would have swallowed.
  DWORD Release() noexcept {
    const BOOL closed = Close(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed ? 0 : ::GetLastError();
  }

 private:
  HANDLE handle_;
};

using UniqueHandle = BasicUniqueHandle<::CloseHandle>;
using UniqueFindHandle = BasicUniqueHandle<::FindClose>;

}  // namespace tavelin::platform
