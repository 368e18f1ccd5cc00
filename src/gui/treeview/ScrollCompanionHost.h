#pragma once

#include "core/views/ScrollCompanionView.h"
#include "gui/treeview/ScrollCompanion.h"

namespace tavelin::core {
class FScroll;
}

namespace tavelin::gui {

// The scroll companion's single instance: loads and discards the Qt window and hands the bar's
// changes to the companion's handlers.
class ScrollCompanionHost : public core::ScrollCompanionView {
 public:
  ScrollCompanionHost() = default;
  ~ScrollCompanionHost() override;
  ScrollCompanionHost(const ScrollCompanionHost&) = delete;
  ScrollCompanionHost& operator=(const ScrollCompanionHost&) = delete;

  // The handlers need this host as their view, so they are attached once both exist.
  void Attach(core::FScroll& handlers) { handlers_ = &handlers; }

  // The Qt window; nullptr while not loaded.
  ScrollCompanion* Window() const { return window_; }

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

  ScrollCompanion* window_ = nullptr;
  core::FScroll* handlers_ = nullptr;
};

}  // namespace tavelin::gui
