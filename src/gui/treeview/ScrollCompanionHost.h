#pragma once

#include <memory>

#include "core/views/ScrollCompanionView.h"
#include "core/views/WindowHost.h"
#include "gui/treeview/ScrollCompanion.h"

namespace tavelin::core {
class FScroll;
}

namespace tavelin::gui {

// The scroll companion's single instance: loads and discards the Qt window and hands the bar's
// changes to the companion's handlers.
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
  void Retire(std::unique_ptr<ScrollCompanion> window) override;
};

}  // namespace tavelin::gui
