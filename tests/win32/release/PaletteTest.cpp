// The windows' colours outside and inside high contrast. Wine keeps high contrast off
// (SPI_SETHIGHCONTRAST fails there), so the palettes are read for both themes directly and the
// drawing is shown to take whatever stands in for the walk's colours.
#include <windows.h>

#include <gtest/gtest.h>

#include "win32/common/Palette.h"
#include "win32/treeview/MemorySurface.h"

namespace tavelin::win32 {
namespace {

TEST(PaletteTest, FixedColoursExactOutsideHighContrastAndTheSystemsInIt) {
  const ChooserPalette chooser = ChooserColours(false);
  const TreePalette tree = TreeColours(false);
  const ChooserPalette chooserHc = ChooserColours(true);
  const TreePalette treeHc = TreeColours(true);
  const struct {
    COLORREF normal;
    COLORREF expected;
    COLORREF highContrast;
    int system;
  } cases[] = {
      {chooser.label2Text, RGB(0, 0, 128), chooserHc.label2Text, COLOR_BTNTEXT},
      {chooser.label1Text, RGB(128, 0, 0), chooserHc.label1Text, COLOR_BTNTEXT},
      {chooser.recentsBack, RGB(255, 255, 192), chooserHc.recentsBack, COLOR_WINDOW},
      {chooser.dirsBack, RGB(192, 255, 192), chooserHc.dirsBack, COLOR_WINDOW},
      {tree.background, GetSysColor(COLOR_BTNFACE), treeHc.background, COLOR_BTNFACE},
      {tree.text, RGB(0, 0, 128), treeHc.text, COLOR_BTNTEXT},
      {tree.fill, RGB(255, 255, 128), treeHc.fill, COLOR_WINDOW},
      {tree.strip, RGB(192, 192, 255), treeHc.strip, COLOR_BTNFACE},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.normal, c.expected) << &c - cases;
    EXPECT_EQ(c.highContrast, GetSysColor(c.system)) << &c - cases;
  }
  EXPECT_FALSE(tree.connectors || tree.outlines);
  EXPECT_EQ(treeHc.connectors, GetSysColor(COLOR_BTNTEXT));
  EXPECT_EQ(treeHc.outlines, GetSysColor(COLOR_WINDOWTEXT));
}

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
