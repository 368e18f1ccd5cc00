#pragma once

#include <memory>

#include "core/views/ScrollCompanionView.h"
#include "win32/treeview/ScrollCompanion.h"

namespace tavelin::core {
class FScroll;
}

namespace tavelin::win32 {

// The scroll companion's single instance: creates and destroys the Win32 window and hands the
// bar's changes to the companion's handlers. Places are twips of the outer window at 96 DPI.
class ScrollCompanionHost : public core::ScrollCompanionView {
 public:
  ScrollCompanionHost() = default;
  ScrollCompanionHost(const ScrollCompanionHost&) = delete;
  ScrollCompanionHost& operator=(const ScrollCompanionHost&) = delete;

  void Attach(core::FScroll& handlers) { handlers_ = &handlers; }

  // The Win32 window; nullptr while not loaded.
  ScrollCompanion* Window() const { return window_.get(); }

  bool Loaded() const override { return window_ != nullptr; }
  void Load() override;
  void Unload() override;
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
  // The loaded window; throws std::logic_error when there is none.
  ScrollCompanion& Require() const;
  RECT Outer() const;
  void MoveTo(int x, int y);

  std::unique_ptr<ScrollCompanion> window_;
  core::FScroll* handlers_ = nullptr;
};

}  // namespace tavelin::win32
