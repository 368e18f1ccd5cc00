// The tree view's core on recording views, walking whatever file system it is given: the real
// one, or one that changes the tree while the walk reads it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/UKvel.h"
#include "fakes/FakeViews.h"
#include "platform/Platform.h"

namespace tavelin::hardening {

struct WalkRig {
  explicit WalkRig(const platform::FileSystem& fileSystem)
      : ukvel(layout, fileSystem, messages, fkvel, fscroll, screen) {}

  fakes::FakeTreeWindow window;
  fakes::FakeScrollCompanion companion;
  fakes::FakeMessages messages;
  fakes::FakeScreen screen;
  fakes::FakeLauncher launcher;
  core::TreeLayoutState layout;
  core::FScroll fscroll{companion, window, screen};
  core::FKvel fkvel{window, fscroll, layout, launcher, messages};
  core::UKvel ukvel;

  // The shown file lists of the last pass, by the folder path each was filled for.
  std::map<std::u16string, std::vector<std::u16string>> ShownLists() const {
    std::map<std::u16string, std::vector<std::u16string>> shown;
    for (int i = 1; i < core::kFileListCount; ++i) {
      const fakes::FakeList& list = window.lists[static_cast<std::size_t>(i)];
      if (list.visible) shown[layout.FolderPaths[static_cast<std::size_t>(i)]] = list.items;
    }
    return shown;
  }

  // The folder names printed, in drawing order.
  std::vector<std::u16string> PrintedNames() const {
    std::vector<std::u16string> names;
    for (const fakes::DrawCall& call : window.surface.Of(fakes::DrawCall::kPrint))
      names.push_back(call.text);
    return names;
  }

  std::size_t BoxCount() const { return window.surface.Of(fakes::DrawCall::kBox).size(); }

  // Whether the display pass reached its end: the window's height follows the drawing.
  bool PassCompleted() const {
    return window.height == layout.NextY * 15 + layout.FrameExtraH + 200;
  }
};

}  // namespace tavelin::hardening
