// The file system as Win32 offers it. Entries with the hidden or the system attribute are left
// out, as Windows' own folder views leave them out.
#pragma once

#include "platform/Platform.h"

namespace tavelin::platform {

class WindowsFileSystem final : public FileSystem {
 public:
  char16_t Separator() const override { return u'\\'; }
  void EnumerateFolder(const std::u16string& folder,
                       const std::function<void(FolderEntry&&)>& take) const override;
  bool IsFolder(const std::u16string& path) const override;
  bool IsOrdinaryFile(const std::u16string& path) const override;
  std::string ReadFile(const std::u16string& path) const override;
  void ReplaceFile(const std::u16string& path, const std::string& bytes) const override;
};

}  // namespace tavelin::platform
