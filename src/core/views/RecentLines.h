#pragma once

#include <algorithm>
#include <vector>

#include "core/views/Color.h"

namespace tavelin::core {

// The lines of one colour drawn since the last box, text or erase, which a drawing surface keeps
// so as not to draw them again: drawn again, such a line changes no pixel, and past the folder
// limit the walk repeats the same two connectors for every sub-folder left, thousands of them in
// a large folder.
class RecentLines {
 public:
  // Whether the line still has to be drawn; it is remembered from now on.
  bool IsNew(float x1, float y1, float x2, float y2, Color color) {
    const Line line{x1, y1, x2, y2, color};
    if (!lines_.empty() && lines_.front().color != color) lines_.clear();
    if (std::ranges::find(lines_, line) != lines_.end()) return false;
    lines_.push_back(line);
    return true;
  }
  // Something else was drawn or erased, which may have covered any of them.
  void Forget() { lines_.clear(); }

 private:
  struct Line {
    float x1, y1, x2, y2;
    Color color;
    bool operator==(const Line&) const = default;
  };
  std::vector<Line> lines_;
};

}  // namespace tavelin::core
