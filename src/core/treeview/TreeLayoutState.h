// The values that the folder walk, the display pass and the file actions share. One instance
// lives for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/common/Bool16.h"
#include "core/views/TreeWindowView.h"

namespace tavelin::core {

struct TreeLayoutState {
  // Folders reached in the current pass; the current folder's number and list index.
  std::int16_t FolderCount = 0;
  // Set when the pass went past the folder limit; every later walk call returns at once.
  Bool16 StopWalk = kFalse;
  // Pixels: the next free row of the drawing.
  float NextY = 0;
  // Pixels: the furthest x the drawing has reached in any pass of the run; only ever raised.
  float MaxRight = 0;
  // Twips: the tree window's outer size minus its drawing area.
  float FrameExtraH = 0;
  float FrameExtraW = 0;
  // FolderPaths[n]: the folder, with its trailing separator, whose files Lst(n) lists. Entries
  // outlive the pass that wrote them until a later pass fills the same list.
  std::array<std::u16string, kFileListCount> FolderPaths;
};

}  // namespace tavelin::core
