// The whole tree view wired to fakes, as the program wires it to real windows.
#pragma once

#include <string>
#include <vector>

#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/UKvel.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeViews.h"
#include "platform/Platform.h"

namespace tavelin::fakes {

// The tree view's core on recording views, walking the file system it is given.
struct RecordingTreeView {
  explicit RecordingTreeView(const platform::FileSystem& fileSystem)
      : ukvel(layout, fileSystem, messages, fkvel, fscroll, screen) {}

  FakeTreeWindow window;
  FakeScrollCompanion companion;
  FakeMessages messages;
  FakeScreen screen;
  FakeLauncher launcher;
  core::TreeLayoutState layout;
  core::FScroll fscroll{companion, window, screen};
  core::FKvel fkvel{window, fscroll, layout, launcher, messages};
  core::UKvel ukvel;

  // The folder names drawn so far, in order.
  std::vector<std::u16string> FolderNames() const {
    std::vector<std::u16string> names;
    for (const DrawCall& call : window.surface.Of(DrawCall::kPrint))
      names.push_back(call.text);
    return names;
  }
};

// The file system exists before the views that walk it.
struct FakeFileSystemHolder {
  FakeFileSystem fs;
};

// ... on an in-memory file system.
struct FakeTreeView : FakeFileSystemHolder, RecordingTreeView {
  explicit FakeTreeView(char16_t separator = u'\\')
      : FakeFileSystemHolder{FakeFileSystem(separator)}, RecordingTreeView(fs) {}
};

}  // namespace tavelin::fakes
