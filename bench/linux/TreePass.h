// The Qt program's display pass on its real tree window, offscreen, timed from the call until
// the window has painted once with every list filled.
#pragma once

#include <QObject>

#include "DisplayPass.h"
#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/UKvel.h"
#include "gui/common/QtScreen.h"
#include "gui/treeview/ScrollCompanionHost.h"
#include "gui/treeview/TreeWindowHost.h"

namespace tavelin::bench {

class TreePass : public QObject, public DisplayPass {
 public:
  TreePass();
  ~TreePass() override;

  std::int64_t Run(const std::string& folder) override;
  std::size_t ListedFiles() override;
  std::int64_t ReadNs() const override { return fileSystem_.readNs; }
  int FoldersRead() const override { return fileSystem_.foldersRead; }

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
