// The drawing under the colours that stand in for the walk's in high contrast. Wine keeps high
// contrast off (SPI_SETHIGHCONTRAST fails there); outside it the window tests see every fixed
// colour exact.
#include <windows.h>

#include <gtest/gtest.h>

#include "win32/treeview/MemorySurface.h"

namespace tavelin::win32 {
namespace {

TEST(PaletteTest, DrawingTakesTheStandInsFromItsNextStrokeAndKeepsWhatIsDrawn) {
  const COLORREF grey = RGB(128, 128, 128);
  const COLORREF outline = RGB(192, 192, 192);
  MemorySurface surface(Dpi(96), {RGB(1, 2, 3), RGB(0, 0, 128), RGB(255, 255, 128), {}, {}},
                        nullptr, nullptr);
  surface.Box(0, 0, 20, 13, outline);
  surface.Line(5, 14, 5, 30, grey);
  surface.SetStyle({RGB(1, 2, 3), RGB(0, 0, 128), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12)});
  surface.Box(30, 0, 50, 13, outline);
  surface.Line(35, 14, 35, 30, grey);

  const struct {
    int x, y;
    COLORREF expected;
  } pixels[] = {
      {0, 0, outline},          {10, 6, RGB(255, 255, 128)}, {5, 20, grey},
      {30, 0, RGB(10, 11, 12)}, {40, 6, RGB(4, 5, 6)},       {35, 20, RGB(7, 8, 9)},
  };
  for (const auto& p : pixels)
    EXPECT_EQ(GetPixel(surface.Dc(), p.x, p.y), p.expected) << p.x << ',' << p.y;
}

}  // namespace
}  // namespace tavelin::win32
