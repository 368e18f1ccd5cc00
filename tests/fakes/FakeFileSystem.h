// An in-memory file system: folders hold entries in the order they were added, which is the
// order ListFolder returns them, with the separator of the system it stands for.
#pragma once

#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace tavelin::fakes {

class FakeFileSystem : public platform::FileSystem {
 public:
  explicit FakeFileSystem(char16_t separator = u'\\') : separator_(separator) {}

  // Adds a sub-folder to `folder` (given without trailing separator), an empty folder of its own.
  // Below a root such as "C:\" that name has a doubled separator, as the walk forms it.
  void AddFolder(const std::u16string& folder, const std::u16string& name) {
    folders_[folder].push_back({name, true});
    folders_[folder + separator_ + name];
  }
  // Adds each entry below `root` in order: "x" a file, "x\" a folder, "a\x" an entry of a.
  void Add(const std::u16string& root, std::initializer_list<std::u16string> entries) {
    for (std::u16string entry : entries) {
      const bool folder = entry.ends_with(separator_);
      if (folder) entry.pop_back();
      const std::size_t cut = entry.rfind(separator_);
      const std::u16string parent =
          cut == std::u16string::npos ? root : root + separator_ + entry.substr(0, cut);
      const std::u16string name = entry.substr(cut + 1);  // npos + 1 is 0
      folder ? AddFolder(parent, name) : folders_[parent].push_back({name, false});
    }
  }
  // Lists the folder as the system would, with "." and ".." first.
  void AddDotEntries(const std::u16string& folder) {
    folders_[folder].insert(folders_[folder].begin(), {{u".", true}, {u"..", true}});
  }
  void Remove(const std::u16string& folder) { folders_.erase(folder); }

  void SetFile(const std::u16string& path, std::string bytes) { files_[path] = std::move(bytes); }
  const std::map<std::u16string, std::string>& Files() const { return files_; }
  void FailWritesTo(const std::u16string& path) { failingWrites_.insert(path); }
  void FailReadsOf(const std::u16string& path) { failingReads_.insert(path); }

  // The folders listed so far, in order, each with its trailing separator.
  const std::vector<std::u16string>& Listed() const { return listed_; }
  char16_t Separator() const override { return separator_; }
  void EnumerateFolder(const std::u16string& folder,
                       const std::function<void(platform::FolderEntry&&)>& take) const override {
    listed_.push_back(folder);
    // "C:\\" stands for the root "C:\"; any other path loses its one trailing separator.
    std::u16string key = folder;
    if (!key.empty() && key.back() == separator_) key.pop_back();
    for (const auto& name : {key, key + separator_}) {
      if (auto found = folders_.find(name); found != folders_.end()) {
        for (platform::FolderEntry entry : found->second)
          take(std::move(entry));
        return;
      }
    }
  }
  bool IsFolder(const std::u16string& path) const override { return folders_.contains(path); }
  bool IsOrdinaryFile(const std::u16string& path) const override { return files_.contains(path); }
  std::string ReadFile(const std::u16string& path) const override {
    if (failingReads_.contains(path) || !files_.contains(path))
      throw platform::SystemError("cannot read", 13);
    return files_.at(path);
  }
  void ReplaceFile(const std::u16string& path, const std::string& bytes) const override {
    if (failingWrites_.contains(path)) throw platform::SystemError("cannot write", 28);
    files_[path] = bytes;
  }

 private:
  char16_t separator_;
  std::map<std::u16string, std::vector<platform::FolderEntry>> folders_;
  mutable std::map<std::u16string, std::string> files_;
  std::set<std::u16string> failingWrites_, failingReads_;
  mutable std::vector<std::u16string> listed_;
};

}  // namespace tavelin::fakes
