// The tree view's core on recording views, walking whatever file system it is given: the real
// one, or one that changes the tree while the walk reads it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "fakes/FakeTreeView.h"
#include "platform/Platform.h"

namespace tavelin::hardening {

struct WalkRig : fakes::RecordingTreeView {
  using RecordingTreeView::RecordingTreeView;

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
