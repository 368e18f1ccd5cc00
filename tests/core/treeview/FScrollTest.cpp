#include <gtest/gtest.h>

#include "fakes/FakeTreeView.h"

namespace tavelin::core {
namespace {

TEST(FScroll, RangeIsHalfTheScreenEitherWayRoundedToEven) {
  struct Case {
    float screen;
    std::int16_t max, min;
  };
  const Case cases[] = {
      {11520, 5760, -5760},    {15735, 7868, -7868},    // 7867.5 goes to the even neighbour
      {15705, 7852, -7852},                             // 7852.5 too
      {65534, 32767, -32767},  {65535, 32767, -32768},  // 32767.5 would overflow: clamped
      {200000, 32767, -32768},
  };
  for (const auto& c : cases) {
    fakes::FakeTreeView tree;
    tree.screen.height = c.screen;
    tree.window.Load();
    tree.fscroll.Height();  // loads the companion
    EXPECT_EQ(tree.companion.max, c.max) << c.screen;
    EXPECT_EQ(tree.companion.min, c.min) << c.screen;
    EXPECT_EQ(tree.companion.value, 0);
  }
}

TEST(FScroll, StandsLeftOfTheTreeWindowAndMovesIt) {
  fakes::FakeTreeView tree;
  tree.window.Load();
  tree.window.left = 450;
  tree.window.top = 120;
  tree.fscroll.SetVisible(true);
  EXPECT_EQ(tree.companion.left, -150);  // partly beyond the screen's left edge, as placed
  EXPECT_EQ(tree.companion.top, 120);
  EXPECT_EQ(tree.fscroll.TopAtLoad, 120);

  tree.companion.value = -1000;
  tree.fscroll.ScrllFrm_Change();
  EXPECT_EQ(tree.window.top, -880);
  tree.companion.value = 5760;
  tree.fscroll.ScrllFrm_Change();
  EXPECT_EQ(tree.window.top, 5880);

  // Loading happens once; a later use does not move it back.
  tree.window.left = 9000;
  tree.fscroll.Height();
  EXPECT_EQ(tree.companion.loads, 1);
  EXPECT_EQ(tree.companion.left, -150);
}

}  // namespace
}  // namespace tavelin::core
