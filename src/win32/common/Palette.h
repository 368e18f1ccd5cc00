// The windows' fixed colours, and the system's that stand in for them while the user has a
// high-contrast theme on. Outside high contrast every colour is exactly the fixed one.
#pragma once

#include <windows.h>

#include <optional>

namespace tavelin::win32 {

struct ChooserPalette {
  COLORREF label2Text;   // "Recents:"
  COLORREF label1Text;   // the prompt under the directory list
  COLORREF recentsBack;  // the recent list's edit field and dropped list
  COLORREF dirsBack;     // the directory list
};

struct TreePalette {
  COLORREF background;  // the drawing and the window around the strip
  COLORREF text;        // the folder names
  COLORREF fill;        // the inside of the boxes
  COLORREF strip;       // the button strip
  // Unset: the colours the walk names for connectors and box outlines.
  std::optional<COLORREF> connectors;
  std::optional<COLORREF> outlines;
};

ChooserPalette ChooserColours(bool highContrast);
TreePalette TreeColours(bool highContrast);

// Whether the user has a high-contrast theme on.
bool HighContrastOn();

// After WM_SYSCOLORCHANGE or WM_SETTINGCHANGE: passes the first on to the window's controls, as
// common controls need, and repaints the window whole.
void FollowColourChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tavelin::win32
