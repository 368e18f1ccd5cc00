// A file system that changes the real tree under the walk: after each listing it runs a step
// that may remove, replace or add entries, as another program could while a pass runs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace tavelin::hardening {

class ChangingFileSystem : public platform::FileSystem {
 public:
  explicit ChangingFileSystem(const platform::FileSystem& real) : real_(real) {}

  // Runs after the listing of each folder, with that folder's path.
  std::function<void(const std::u16string& folder)> afterListing;

  char16_t Separator() const override { return real_.Separator(); }
  std::vector<platform::FolderEntry> ListFolder(const std::u16string& folder) const override {
    std::vector<platform::FolderEntry> entries = real_.ListFolder(folder);
    if (afterListing) afterListing(folder);
    return entries;
  }
  bool IsFolder(const std::u16string& path) const override { return real_.IsFolder(path); }
  bool IsOrdinaryFile(const std::u16string& path) const override {
    return real_.IsOrdinaryFile(path);
  }
  std::string ReadFile(const std::u16string& path) const override { return real_.ReadFile(path); }
  void ReplaceFile(const std::u16string& path, const std::string& bytes) const override {
    real_.ReplaceFile(path, bytes);
  }

 private:
  const platform::FileSystem& real_;
};

}  // namespace tavelin::hardening
