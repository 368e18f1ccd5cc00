// The program's display pass on its real tree window, offscreen, timed from the call until the
// window has painted once with every list filled.
#pragma once

#include <QObject>
#include <cstdint>
#include <string>
#include <vector>

#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/UKvel.h"
#include "gui/common/QtScreen.h"
#include "gui/treeview/ScrollCompanionHost.h"
#include "gui/treeview/TreeWindowHost.h"

namespace tavelin::bench {

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

  char16_t Separator() const override { return native_.Separator(); }
  void EnumerateFolder(const std::u16string& folder,
                       const std::function<void(platform::FolderEntry&&)>& take) const override;
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

class TreePass : public QObject {
 public:
  TreePass();
  ~TreePass() override;

  // One display pass on `folder`; returns nanoseconds from the call to the painted window.
  std::int64_t Run(const std::string& folder);
  // The files now in the lists the last pass filled.
  std::size_t ListedFiles();
  // The time the last pass spent reading folders, and how many it read.
  std::int64_t ReadNs() const { return fileSystem_.readNs; }
  int FoldersRead() const { return fileSystem_.foldersRead; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  core::TreeLayoutState layout_;
  gui::QtScreen screen_;
  NotedMessages messages_;
  NoLauncher launcher_;
  gui::TreeWindowHost window_;
  gui::ScrollCompanionHost companion_;
  core::FScroll fscroll_{companion_, window_, screen_};
  core::FKvel fkvel_{window_, fscroll_, layout_, launcher_, messages_};
  TimedFileSystem fileSystem_;
  core::UKvel ukvel_{layout_, fileSystem_, messages_, fkvel_, fscroll_, screen_};
  bool painted_ = false;
};

}  // namespace tavelin::bench
