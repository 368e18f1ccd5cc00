#include "win32/common/Palette.h"

#include "core/folderchoice/ChooserDesign.h"
#include "core/treeview/TreeWindowDesign.h"

namespace tavelin::win32 {

using namespace core;

ChooserPalette ChooserColours(bool highContrast) {
  if (highContrast)
    return {GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_WINDOW),
            GetSysColor(COLOR_WINDOW)};
  return {FPrvSDDesign::kLabel2Color, FPrvSDDesign::kLabel1Color, FPrvSDDesign::kLstRColor,
          FPrvSDDesign::kLDirsColor};
}

TreePalette TreeColours(bool highContrast) {
  // Text, connectors and outlines on the button face; the boxes' inside is a window's.
  if (highContrast)
    return {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_WINDOW),
            GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_WINDOWTEXT)};
  return {GetSysColor(COLOR_BTNFACE),
          FKvelDesign::kForeColor,
          FKvelDesign::kFillColor,
          FKvelDesign::kStripColor,
          std::nullopt,
          std::nullopt};
}

bool HighContrastOn() {
  HIGHCONTRASTW state{};
  state.cbSize = sizeof state;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof state, &state, 0) &&
         (state.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void FollowColourChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOLORCHANGE) {
    struct Change {
      WPARAM wParam;
      LPARAM lParam;
    } change{wParam, lParam};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
          const auto& c = *reinterpret_cast<const Change*>(data);
          SendMessageW(child, WM_SYSCOLORCHANGE, c.wParam, c.lParam);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&change));
  }
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace tavelin::win32
