// The file system as POSIX offers it. Paths are UTF-16 on the outside and raw bytes inside, so
// that names which are not valid UTF-8 can still be listed, opened and written.
#pragma once

#include "platform/Platform.h"

namespace tavelin::platform {

class PosixFileSystem final : public FileSystem {
 public:
  char16_t Separator() const override { return u'/'; }
  void EnumerateFolder(const std::u16string& folder,
                       const std::function<void(FolderEntry&&)>& take) const override;
  bool IsFolder(const std::u16string& path) const override;
  bool IsOrdinaryFile(const std::u16string& path) const override;
  std::string ReadFile(const std::u16string& path) const override;
  void ReplaceFile(const std::u16string& path, const std::string& bytes) const override;
};

}  // namespace tavelin::platform
