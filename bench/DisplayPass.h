// A display pass on the program's real tree window, as either front end makes it, and what the
// bench hands the walk in place of the user and the system.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "Clock.h"
#include "core/views/MessageView.h"
#include "platform/Platform.h"

namespace tavelin::bench {

class DisplayPass {
 public:
  virtual ~DisplayPass() = default;
  // One display pass on `folder` (UTF-8); nanoseconds from the call until the window has painted
  // with every list filled.
  virtual std::int64_t Run(const std::string& folder) = 0;
  // The files now in the lists the last pass filled.
  virtual std::size_t ListedFiles() = 0;
  // The time the last pass spent reading folders, and how many it read.
  virtual std::int64_t ReadNs() const = 0;
  virtual int FoldersRead() const = 0;
};

// The folder-limit message is modal: a user would dismiss it, the bench only notes it.
class NotedMessages : public core::MessageView {
 public:
  void ShowMessage(const std::u16string&) override {}
};

// No pass starts a program.
class NoLauncher : public platform::Launcher {
 public:
  void Start(const platform::StartRequest&) override {}
};

// The system's own file system, with the time the walk spends reading folders counted.
class TimedFileSystem : public platform::FileSystem {
 public:
  mutable std::int64_t readNs = 0;
  mutable int foldersRead = 0;

  void Reset() const {
    readNs = 0;
    foldersRead = 0;
  }

  char16_t Separator() const override { return native_.Separator(); }
  void EnumerateFolder(const std::u16string& folder,
                       const std::function<void(platform::FolderEntry&&)>& take) const override {
    const std::int64_t start = MonotonicNs();
    native_.EnumerateFolder(folder, take);
    // What the walk does with each entry as it comes is counted too; it is little beside the
    // read.
    readNs += MonotonicNs() - start;
    ++foldersRead;
  }
  bool IsFolder(const std::u16string& path) const override { return native_.IsFolder(path); }
  bool IsOrdinaryFile(const std::u16string& path) const override {
    return native_.IsOrdinaryFile(path);
  }
  std::string ReadFile(const std::u16string& path) const override { return native_.ReadFile(path); }
  void ReplaceFile(const std::u16string& path, const std::string& bytes) const override {
    native_.ReplaceFile(path, bytes);
  }

 private:
  const platform::FileSystem& native_ = platform::NativeFileSystem();
};

}  // namespace tavelin::bench
