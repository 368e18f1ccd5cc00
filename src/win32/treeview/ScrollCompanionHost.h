#pragma once

#include <memory>

#include "core/views/ScrollCompanionView.h"
#include "core/views/WindowHost.h"
#include "win32/treeview/ScrollCompanion.h"

namespace tavelin::core {
class FScroll;
}

namespace tavelin::win32 {

// The scroll companion's single instance: creates and destroys the Win32 window and hands the
// bar's changes to the companion's handlers. Places are twips of the outer window at 96 DPI.
class ScrollCompanionHost
    : public core::WindowHost<core::ScrollCompanionView, ScrollCompanion, core::FScroll> {
 public:
  ScrollCompanionHost() : WindowHost("the scroll companion") {}

  void SetVisible(bool visible) override;

  float Left() const override;
  void SetLeft(float left) override;
  float Top() const override;
  void SetTop(float top) override;
  float Height() const override;

  std::int16_t Max() const override;
  void SetMax(std::int16_t max) override;
  std::int16_t Min() const override;
  void SetMin(std::int16_t min) override;
  std::int16_t Value() const override;

 private:
  std::unique_ptr<ScrollCompanion> Make() override;
  // Without a close button the companion is only ever closed from the tree window's handlers,
  // never from its own, so it goes at once.
  void Retire(std::unique_ptr<ScrollCompanion>) override {}
  RECT Outer() const;
  void MoveTo(int x, int y);
};

}  // namespace tavelin::win32
