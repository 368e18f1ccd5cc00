// The tree view's walk and display pass: draws a folder's tree on the tree window and sizes and
// places the window for it.
#pragma once

#include <string>

#include "core/treeview/TreeLayoutState.h"
#include "core/views/MessageView.h"
#include "core/views/Screen.h"
#include "core/views/TreeWindowView.h"
#include "platform/Platform.h"

namespace tavelin::core {

class FKvel;
class FScroll;

class UKvel {
 public:
  // At most this many folders are drawn in one pass; one list of the pool for each.
  static constexpr std::int16_t kMaxFolders = kFileListCount - 1;

  UKvel(TreeLayoutState& layout, const platform::FileSystem& fileSystem, MessageView& messages,
        FKvel& tree, FScroll& companion, const Screen& screen);

  // Draws `path` with its box's top left corner at (x, y), lists its files, and walks its
  // sub-folders depth first below it.
  void WalkFolder(TreeCanvas& canvas, std::u16string path, float x, float y);

  // One display pass: shows and clears the tree window, walks `path` and sizes and places the
  // window, with the scroll companion beside it when the window is too tall for the screen.
  void ShowTree(const std::u16string& path);

 private:
  TreeLayoutState& layout_;
  const platform::FileSystem& fileSystem_;
  MessageView& messages_;
  FKvel& tree_;
  FScroll& companion_;
  const Screen& screen_;
};

}  // namespace tavelin::core
