#pragma once

#include <QScrollBar>

#include "core/views/ScrollCompanionView.h"
#include "gui/common/HostedWidget.h"

namespace tavelin::gui {

// The scroll companion FScroll as the user sees it: a narrow window without title bar, filled
// by the vertical bar ScrllFrm. Its events go to the ScrollCompanionEvents it is made with.
class ScrollCompanion : public HostedWidget {
  Q_OBJECT

 public:
  explicit ScrollCompanion(core::ScrollCompanionEvents& events);

  QScrollBar& ScrllFrm() { return *bar_; }
  int Min() const { return bar_->minimum(); }
  int Max() const { return bar_->maximum(); }
  int Value() const { return bar_->value(); }
  void SetMin(int min) { bar_->setMinimum(min); }
  void SetMax(int max) { bar_->setMaximum(max); }

  void SetVisible(bool visible) { setVisible(visible); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  core::ScrollCompanionEvents& events_;
  QScrollBar* bar_;
};

}  // namespace tavelin::gui
