#include "win32/common/AppIcon.h"

#include <commctrl.h>

#include <utility>

namespace tavelin::win32 {

namespace {

UniqueIcon IconAt(int sideMetric, Dpi dpi) {
  const int side = GetSystemMetricsForDpi(sideMetric, static_cast<UINT>(dpi.Value()));
  HICON icon = nullptr;
  if (FAILED(LoadIconWithScaleDown(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kAppIconId), side,
                                   side, &icon)))
    return nullptr;
  return UniqueIcon(icon);
}

void Show(HWND window, WPARAM which, UniqueIcon& held, UniqueIcon icon) {
  if (!icon) return;
  SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon.get()));
  // The window no longer shows the one it had.
  held = std::move(icon);
}

}  // namespace

void WindowIcons::Apply(HWND window, Dpi dpi) {
  Show(window, ICON_BIG, big_, IconAt(SM_CXICON, dpi));
  Show(window, ICON_SMALL, small_, IconAt(SM_CXSMICON, dpi));
}

}  // namespace tavelin::win32
