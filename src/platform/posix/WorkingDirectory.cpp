#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/Platform.h"
#include "platform/posix/Failures.h"
#include "platform/posix/NativeNames.h"

namespace tavelin::platform {

std::u16string WorkingDirectory() {
  std::string buffer(256, '\0');
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) Fail(errno, "Cannot read", "the working directory");
    buffer.resize(buffer.size() * 2);
  }
  buffer.resize(buffer.find('\0'));
  return FromNativeName(buffer);
}

}  // namespace tavelin::platform
