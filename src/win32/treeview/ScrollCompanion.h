#pragma once

#include "core/views/ScrollCompanionView.h"
#include "win32/common/Dpi.h"
#include "win32/common/Handles.h"
#include "win32/common/OuterFrame.h"
#include "win32/common/Window.h"

namespace tavelin::win32 {

// The scroll companion FScroll as the user sees it: a narrow window without title bar or close
// button, filled by the vertical bar ScrllFrm, which reaches beyond it on the right and below so
// that only its track shows. Created hidden, the bar's value at 0.
class ScrollCompanion : public Window {
 public:
  // Without a close button it reports only the bar's changes.
  explicit ScrollCompanion(core::ScrollCompanionEvents& events);

  HWND ScrllFrm() const { return bar_; }

  core::WindowFrame Frame() const { return FrameOf(Handle(), dpi_); }
  void MoveFrame(float left, float top) { win32::MoveFrame(Handle(), dpi_, left, top); }
  // Shown, it leaves the activation where it is.
  void SetVisible(bool visible) { ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE); }

  int Min() const;
  int Max() const;
  int Value() const;
  // Sets one end of the range, keeping the other; the value is kept within the range.
  void SetMin(int min);
  void SetMax(int max);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Sizes the window and the bar at the window's DPI.
  void Place(const RECT& outer);
  SCROLLINFO Info(UINT mask) const;
  void SetRange(int min, int max);
  // The value the scroll request of WM_VSCROLL's `position` asks for, or the current one when it
  // asks for none.
  int Requested(WPARAM position) const;

  core::ScrollCompanionEvents& events_;
  Dpi dpi_;
  UniqueBrush background_;
  HWND bar_ = nullptr;
};

}  // namespace tavelin::win32
