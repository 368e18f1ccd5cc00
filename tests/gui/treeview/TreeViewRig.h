// The tree view's real core objects on real folders, wired to the Qt hosts, with recording fakes
// for what leaves the system: messages and started programs.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/UKvel.h"
#include "fakes/FakeViews.h"
#include "gui/common/QtScreen.h"
#include "gui/treeview/ScrollCompanionHost.h"
#include "gui/treeview/TreeWindowHost.h"

namespace tavelin::gui::testing {

// What leaves the system is recorded.
using RecordingMessages = fakes::FakeMessages;
using RecordingLauncher = fakes::FakeLauncher;

struct TreeViewRig {
  TreeViewRig();
  ~TreeViewRig();

  core::TreeLayoutState layout;
  QtScreen screen;
  RecordingMessages messages;
  RecordingLauncher launcher;
  TreeWindowHost window;
  ScrollCompanionHost companion;
  core::FScroll fscroll{companion, window, screen};
  core::FKvel fkvel{window, fscroll, layout, launcher, messages};
  core::UKvel ukvel{layout, platform::NativeFileSystem(), messages, fkvel, fscroll, screen};
};

// Creates `folder` with empty files of these names, in this order.
void MakeFolder(const QString& folder, const QStringList& files);

// Deletes the windows that were let go of with deleteLater.
void FlushDeletes();

}  // namespace tavelin::gui::testing
