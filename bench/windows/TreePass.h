// tavelin.exe's display pass on its real Win32 tree window, timed from the call until the window
// and every list in it have painted.
#pragma once

#include "DisplayPass.h"
#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/UKvel.h"
#include "win32/common/Win32Screen.h"
#include "win32/treeview/ScrollCompanionHost.h"
#include "win32/treeview/TreeWindowHost.h"

namespace tavelin::bench {

class TreePass : public DisplayPass {
 public:
  TreePass();
  ~TreePass() override;

  std::int64_t Run(const std::string& folder) override;
  std::size_t ListedFiles() override;
  std::int64_t ReadNs() const override { return fileSystem_.readNs; }
  int FoldersRead() const override { return fileSystem_.foldersRead; }

 private:
  core::TreeLayoutState layout_;
  win32::Win32Screen screen_;
  NotedMessages messages_;
  NoLauncher launcher_;
  win32::TreeWindowHost window_;
  win32::ScrollCompanionHost companion_;
  core::FScroll fscroll_{companion_, window_, screen_};
  core::FKvel fkvel_{window_, fscroll_, layout_, launcher_, messages_};
  TimedFileSystem fileSystem_;
  core::UKvel ukvel_{layout_, fileSystem_, messages_, fkvel_, fscroll_, screen_};
};

}  // namespace tavelin::bench
