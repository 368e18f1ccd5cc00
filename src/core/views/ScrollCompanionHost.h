// The scroll companion's host over a front end's window, written once for both front ends: it
// makes the window, hands the bar's changes to the handlers and answers the view with the
// window's own calls. `FrontWindow` is made from the ScrollCompanionEvents it reports to and
// offers its outer frame in twips (Frame, MoveFrame), SetVisible and the bar's range and value.
#pragma once

#include <cstdint>
#include <memory>

#include "core/treeview/FScroll.h"
#include "core/views/ScrollCompanionView.h"
#include "core/views/WindowFrame.h"
#include "core/views/WindowHost.h"

namespace tavelin::core {

template <typename FrontWindow, typename Retirement>
class ScrollCompanionHost
    : public WindowHost<ScrollCompanionView, FrontWindow, FScroll, Retirement>,
      private ScrollCompanionEvents {
 public:
  ScrollCompanionHost() : ScrollCompanionHost::WindowHost("the scroll companion") {}

  void SetVisible(bool visible) override { this->Require().SetVisible(visible); }

  float Left() const override { return Frame().left; }
  void SetLeft(float left) override { this->Require().MoveFrame(left, Frame().top); }
  float Top() const override { return Frame().top; }
  void SetTop(float top) override { this->Require().MoveFrame(Frame().left, top); }
  float Height() const override { return Frame().height; }

  std::int16_t Max() const override { return static_cast<std::int16_t>(this->Require().Max()); }
  void SetMax(std::int16_t max) override { this->Require().SetMax(max); }
  std::int16_t Min() const override { return static_cast<std::int16_t>(this->Require().Min()); }
  void SetMin(std::int16_t min) override { this->Require().SetMin(min); }
  std::int16_t Value() const override { return static_cast<std::int16_t>(this->Require().Value()); }

 private:
  std::unique_ptr<FrontWindow> Make() override {
    return std::make_unique<FrontWindow>(static_cast<ScrollCompanionEvents&>(*this));
  }
  WindowFrame Frame() const { return this->Require().Frame(); }

  void ScrllFrmChanged() override {
    if (this->handlers_ != nullptr) this->handlers_->ScrllFrm_Change();
  }
  void Closing() override { this->Closed(); }
};

}  // namespace tavelin::core
