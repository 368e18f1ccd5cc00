#include "win32/treeview/TreeWindowHost.h"

#include <algorithm>

#include "core/treeview/FKvel.h"
#include "win32/common/Utf16.h"

namespace tavelin::win32 {

core::DrawingSurface& TreeWindowHost::Surface() {
  return Require().Surface();
}

core::FileList& TreeWindowHost::Lst(int index) {
  return Require().Lst(index);
}

std::unique_ptr<TreeWindow> TreeWindowHost::Make() {
  TreeWindow::Events events;
  events.listPressed = [this](int index) {
    if (handlers_ != nullptr) handlers_->Lst_MouseDown(static_cast<std::int16_t>(index));
  };
  events.listDoubleClicked = [this](int index) {
    if (handlers_ != nullptr) handlers_->Lst_DblClick(static_cast<std::int16_t>(index));
  };
  events.buttonClicked = [this](int index) {
    if (handlers_ != nullptr) handlers_->Bt_Click(static_cast<std::int16_t>(index));
  };
  events.closing = [this] { Closed(); };
  return std::make_unique<TreeWindow>(std::move(events));
}

void TreeWindowHost::Retire(std::unique_ptr<TreeWindow> window) {
  retired_ = std::move(window);
  DestroyWindow(retired_->Handle());
}

void TreeWindowHost::Show() {
  const HWND window = Require().Handle();
  if (FirstShowSinceLoad()) {
    const RECT outer = Outer();
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
}

void TreeWindowHost::SetFocus() {
  SetForegroundWindow(Require().Handle());
}

void TreeWindowHost::SetCaption(const std::u16string& caption) {
  SetWindowTextW(Require().Handle(), ToWide(caption).c_str());
}

RECT TreeWindowHost::Outer() const {
  RECT outer{};
  GetWindowRect(Require().Handle(), &outer);
  return outer;
}

void TreeWindowHost::Resize(int width, int height) {
  SetWindowPos(Require().Handle(), nullptr, 0, 0, std::max(width, 0), std::max(height, 0),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

float TreeWindowHost::Left() const {
  return Require().WindowDpi().DeviceToTwips(Outer().left);
}

float TreeWindowHost::Top() const {
  return Require().WindowDpi().DeviceToTwips(Outer().top);
}

void TreeWindowHost::SetTop(float top) {
  SetWindowPos(Require().Handle(), nullptr, Outer().left, Require().WindowDpi().TwipsToDevice(top),
               0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

float TreeWindowHost::Width() const {
  const RECT outer = Outer();
  return Require().WindowDpi().DeviceToTwips(outer.right - outer.left);
}

void TreeWindowHost::SetWidth(float width) {
  const RECT outer = Outer();
  Resize(Require().WindowDpi().TwipsToDevice(width), outer.bottom - outer.top);
}

float TreeWindowHost::Height() const {
  const RECT outer = Outer();
  return Require().WindowDpi().DeviceToTwips(outer.bottom - outer.top);
}

void TreeWindowHost::SetHeight(float height) {
  const RECT outer = Outer();
  Resize(outer.right - outer.left, Require().WindowDpi().TwipsToDevice(height));
}

float TreeWindowHost::ScaleWidth() const {
  RECT client{};
  GetClientRect(Require().Handle(), &client);
  return Require().WindowDpi().FromDevice(client.right);
}

float TreeWindowHost::ScaleHeight() const {
  RECT client{};
  GetClientRect(Require().Handle(), &client);
  return Require().WindowDpi().FromDevice(client.bottom);
}

float TreeWindowHost::PBtsHeight() const {
  // The figure itself: read back from the control at 150 % it would be 38 / 1.5 pixels.
  Require();
  return core::FKvelDesign::kStripHeight;
}

}  // namespace tavelin::win32
