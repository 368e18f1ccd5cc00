// The tree view's core on recording views, walking whatever file system it is given: the real
// one, or one that changes the tree while the walk reads it.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "fakes/FakeTreeView.h"

namespace tavelin::hardening {

using Names = std::vector<std::u16string>;

inline Names Sorted(Names names) {
  std::sort(names.begin(), names.end());
  return names;
}

struct WalkRig : fakes::RecordingTreeView {
  using RecordingTreeView::RecordingTreeView;

  // The shown file lists of the last pass, sorted, by the folder path each was filled for.
  std::map<std::u16string, Names> ShownLists() const {
    std::map<std::u16string, Names> shown;
    for (int i = 1; i < core::kFileListCount; ++i) {
      const fakes::FakeList& list = window.lists[static_cast<std::size_t>(i)];
      if (list.visible) shown[layout.FolderPaths[static_cast<std::size_t>(i)]] = Sorted(list.items);
    }
    return shown;
  }

  // The folder names printed, sorted.
  Names PrintedNames() const {
    Names names;
    for (const fakes::DrawCall& call : window.surface.Of(fakes::DrawCall::kPrint))
      names.push_back(call.text);
    return Sorted(names);
  }

  // The pass reached its end, without a message: the window's height follows the drawing.
  bool PassCompletedQuietly() const {
    return messages.shown.empty() && window.height == layout.NextY * 15 + layout.FrameExtraH + 200;
  }
};

}  // namespace tavelin::hardening
