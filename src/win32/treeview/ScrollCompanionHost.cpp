#include "win32/treeview/ScrollCompanionHost.h"

#include "core/treeview/FScroll.h"

namespace tavelin::win32 {

std::unique_ptr<ScrollCompanion> ScrollCompanionHost::Make() {
  return std::make_unique<ScrollCompanion>([this] {
    if (handlers_ != nullptr) handlers_->ScrllFrm_Change();
  });
}

void ScrollCompanionHost::SetVisible(bool visible) {
  ShowWindow(Require().Handle(), visible ? SW_SHOWNA : SW_HIDE);
}

RECT ScrollCompanionHost::Outer() const {
  RECT outer{};
  GetWindowRect(Require().Handle(), &outer);
  return outer;
}

void ScrollCompanionHost::MoveTo(int x, int y) {
  SetWindowPos(Require().Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

float ScrollCompanionHost::Left() const {
  return Require().WindowDpi().DeviceToTwips(Outer().left);
}

void ScrollCompanionHost::SetLeft(float left) {
  MoveTo(Require().WindowDpi().TwipsToDevice(left), Outer().top);
}

float ScrollCompanionHost::Top() const {
  return Require().WindowDpi().DeviceToTwips(Outer().top);
}

void ScrollCompanionHost::SetTop(float top) {
  MoveTo(Outer().left, Require().WindowDpi().TwipsToDevice(top));
}

float ScrollCompanionHost::Height() const {
  const RECT outer = Outer();
  return Require().WindowDpi().DeviceToTwips(outer.bottom - outer.top);
}

std::int16_t ScrollCompanionHost::Max() const {
  return static_cast<std::int16_t>(Require().Max());
}

void ScrollCompanionHost::SetMax(std::int16_t max) {
  Require().SetMax(max);
}

std::int16_t ScrollCompanionHost::Min() const {
  return static_cast<std::int16_t>(Require().Min());
}

void ScrollCompanionHost::SetMin(std::int16_t min) {
  Require().SetMin(min);
}

std::int16_t ScrollCompanionHost::Value() const {
  return static_cast<std::int16_t>(Require().Value());
}

}  // namespace tavelin::win32
