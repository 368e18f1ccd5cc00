#include "gui/treeview/ScrollCompanionHost.h"

#include "core/treeview/FScroll.h"
#include "gui/common/Failures.h"
#include "gui/common/Twips.h"

namespace tavelin::gui {

std::unique_ptr<ScrollCompanion> ScrollCompanionHost::Make() {
  auto window = std::make_unique<ScrollCompanion>();
  QObject::connect(window.get(), &ScrollCompanion::ScrllFrmChanged, [this] {
    if (handlers_ != nullptr) Guarded([this] { handlers_->ScrllFrm_Change(); });
  });
  QObject::connect(window.get(), &ScrollCompanion::Closing,
                   [this] { Guarded([this] { Closed(); }); });
  return window;
}

void ScrollCompanionHost::Retire(std::unique_ptr<ScrollCompanion> window) {
  window->disconnect();
  window->hide();
  // The window may be closing from its own event handler: it goes once that has returned.
  window.release()->deleteLater();
}

void ScrollCompanionHost::SetVisible(bool visible) {
  Require().setVisible(visible);
}

float ScrollCompanionHost::Left() const {
  return PixelsToTwips(Require().frameGeometry().x());
}

void ScrollCompanionHost::SetLeft(float left) {
  ScrollCompanion& window = Require();
  window.move(TwipsToPixels(left), window.frameGeometry().y());
}

float ScrollCompanionHost::Top() const {
  return PixelsToTwips(Require().frameGeometry().y());
}

void ScrollCompanionHost::SetTop(float top) {
  ScrollCompanion& window = Require();
  window.move(window.frameGeometry().x(), TwipsToPixels(top));
}

float ScrollCompanionHost::Height() const {
  return PixelsToTwips(Require().frameGeometry().height());
}

std::int16_t ScrollCompanionHost::Max() const {
  return static_cast<std::int16_t>(Require().ScrllFrm().maximum());
}

void ScrollCompanionHost::SetMax(std::int16_t max) {
  Require().ScrllFrm().setMaximum(max);
}

std::int16_t ScrollCompanionHost::Min() const {
  return static_cast<std::int16_t>(Require().ScrllFrm().minimum());
}

void ScrollCompanionHost::SetMin(std::int16_t min) {
  Require().ScrllFrm().setMinimum(min);
}

std::int16_t ScrollCompanionHost::Value() const {
  return static_cast<std::int16_t>(Require().ScrllFrm().value());
}

}  // namespace tavelin::gui
