#include "win32/treeview/ScrollCompanion.h"

#include <commctrl.h>

#include <algorithm>

#include "core/treeview/TreeWindowDesign.h"

namespace tavelin::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TavelinFScroll";
namespace design = core::FScrollDesign;
constexpr DWORD kStyle = WS_POPUP | WS_CLIPCHILDREN;
// No button on the task bar: the tree window stands for both.
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

}  // namespace

ScrollCompanion::ScrollCompanion(core::ScrollCompanionEvents& events)
    : events_(events), background_(CreateSolidBrush(design::kBackground)) {
  Create(kClassName, nullptr, kExStyle, kStyle, L"", {0, 0, 0, 0});
  dpi_ = Dpi::Of(Handle());
  bar_ = CreateWindowExW(0, WC_SCROLLBARW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_VERT, 0, 0,
                         0, 0, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SetRange(0, 0);
  RECT outer{};
  GetWindowRect(Handle(), &outer);
  Place(outer);
}

void ScrollCompanion::Place(const RECT& at) {
  RECT outer{0, 0, dpi_.ToDevice(design::kClientWidth), dpi_.ToDevice(design::kClientHeight)};
  AdjustWindowRectExForDpi(&outer, kStyle, FALSE, kExStyle, static_cast<UINT>(dpi_.Value()));
  SetWindowPos(Handle(), nullptr, at.left, at.top, outer.right - outer.left,
               outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(bar_, nullptr, 0, 0, dpi_.ToDevice(design::kBarWidth),
               dpi_.ToDevice(design::kBarHeight), SWP_NOZORDER | SWP_NOACTIVATE);
}

SCROLLINFO ScrollCompanion::Info(UINT mask) const {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = mask;
  GetScrollInfo(bar_, SB_CTL, &info);
  return info;
}

int ScrollCompanion::Min() const {
  return Info(SIF_RANGE).nMin;
}

int ScrollCompanion::Max() const {
  return Info(SIF_RANGE).nMax;
}

int ScrollCompanion::Value() const {
  return Info(SIF_POS).nPos;
}

void ScrollCompanion::SetRange(int min, int max) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
  info.nMin = min;
  info.nMax = max;
  // No page: the thumb's position runs over the whole range, from Min to Max.
  info.nPage = 0;
  SetScrollInfo(bar_, SB_CTL, &info, TRUE);
}

void ScrollCompanion::SetMin(int min) {
  SetRange(min, Max());
}

void ScrollCompanion::SetMax(int max) {
  SetRange(Min(), max);
}

int ScrollCompanion::Requested(WPARAM position) const {
  const WORD request = LOWORD(position);
  const SCROLLINFO info = Info(SIF_RANGE | SIF_POS);
  switch (request) {
    case SB_LINEUP:
      return info.nPos - design::kArrowStep;
    case SB_LINEDOWN:
      return info.nPos + design::kArrowStep;
    case SB_PAGEUP:
      return info.nPos - design::kPageStep;
    case SB_PAGEDOWN:
      return info.nPos + design::kPageStep;
    case SB_TOP:
      return info.nMin;
    case SB_BOTTOM:
      return info.nMax;
    case SB_THUMBPOSITION:
      // The range is 16-bit, so the message's own position is whole.
      return static_cast<short>(HIWORD(position));
    default:
      // SB_THUMBTRACK while the thumb is dragged, SB_ENDSCROLL after every request.
      return info.nPos;
  }
}

LRESULT ScrollCompanion::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_VSCROLL: {
      if (reinterpret_cast<HWND>(lParam) != bar_) break;
      const int value =
          std::clamp(Requested(wParam), std::min(Min(), Max()), std::max(Min(), Max()));
      if (value != Value()) {
        SetScrollPos(bar_, SB_CTL, value, TRUE);
        events_.ScrllFrmChanged();
      }
      return 0;
    }
    case WM_DPICHANGED:
      // The system's suggestion places it; its size follows from the figures at the new DPI.
      dpi_ = Dpi(HIWORD(wParam));
      Place(*reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(Handle(), &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
      return TRUE;
    }
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace tavelin::win32
