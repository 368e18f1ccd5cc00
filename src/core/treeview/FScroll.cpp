#include "core/treeview/FScroll.h"

#include <cmath>
#include <limits>

namespace tavelin::core {

namespace {

// Converts to a 16-bit integer as the system does, halves to the even neighbour. Screens so tall
// that half their height leaves the 16-bit range get the range's ends instead of an overflow.
std::int16_t ToInt16(float value) {
  const float rounded = std::nearbyint(value);
  if (rounded > std::numeric_limits<std::int16_t>::max()) {
    return std::numeric_limits<std::int16_t>::max();
  }
  if (rounded < std::numeric_limits<std::int16_t>::min()) {
    return std::numeric_limits<std::int16_t>::min();
  }
  return static_cast<std::int16_t>(rounded);
}

// The companion stands this many twips left of the tree window.
constexpr float kLeftOfTree = 600;

}  // namespace

FScroll::FScroll(ScrollCompanionView& view, TreeWindowView& tree, const Screen& screen)
    : view_(view), tree_(tree), screen_(screen) {}

void FScroll::EnsureLoaded() {
  if (view_.Loaded()) return;
  view_.Load();
  Form_Load();
}

float FScroll::Height() {
  EnsureLoaded();
  return view_.Height();
}

void FScroll::SetTop(float top) {
  EnsureLoaded();
  view_.SetTop(top);
}

void FScroll::SetVisible(bool visible) {
  EnsureLoaded();
  view_.SetVisible(visible);
}

void FScroll::Unload() {
  if (view_.Loaded()) view_.Unload();
}

void FScroll::Form_Load() {
  const float screenHeight = screen_.Height();
  view_.SetMax(ToInt16(screenHeight / 2));
  view_.SetMin(ToInt16(-screenHeight / 2));
  view_.SetLeft(tree_.Left() - kLeftOfTree);
  TopAtLoad = tree_.Top();
  view_.SetTop(TopAtLoad);
}

void FScroll::ScrllFrm_Change() {
  tree_.SetTop(static_cast<float>(view_.Value()) + TopAtLoad);
}

}  // namespace tavelin::core
