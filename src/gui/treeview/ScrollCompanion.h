#pragma once

#include <QScrollBar>
#include <QWidget>

namespace tavelin::gui {

// The scroll companion FScroll as the user sees it: a narrow window without title bar, filled
// by the vertical bar ScrllFrm.
class ScrollCompanion : public QWidget {
  Q_OBJECT

 public:
  ScrollCompanion();

  QScrollBar& ScrllFrm() { return *bar_; }

 signals:
  // The bar's value changed: after a click, a key, or the release of a dragged thumb.
  void ScrllFrmChanged();
  void Closing();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QScrollBar* bar_;
};

}  // namespace tavelin::gui
