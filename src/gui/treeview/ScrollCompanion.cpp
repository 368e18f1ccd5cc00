#include "gui/treeview/ScrollCompanion.h"

#include <QCloseEvent>

namespace tavelin::gui {

namespace {

constexpr QSize kClientSize(9, 254);
constexpr QColor kBackground(255, 224, 192);
// Wider and taller than the window: only the bar's track shows, not its right and lower edges.
constexpr QRect kBarGeometry(0, 0, 12, 257);
constexpr int kSingleStep = 100;
constexpr int kPageStep = 1000;

}  // namespace

ScrollCompanion::ScrollCompanion()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      bar_(new QScrollBar(Qt::Vertical, this)) {
  QPalette background = palette();
  background.setColor(QPalette::Window, kBackground);
  setPalette(background);
  setAutoFillBackground(true);
  resize(kClientSize);

  bar_->setGeometry(kBarGeometry);
  bar_->setSingleStep(kSingleStep);
  bar_->setPageStep(kPageStep);
  bar_->setValue(0);
  // The tree window moves once the thumb is released, not while it is dragged.
  bar_->setTracking(false);
  connect(bar_, &QScrollBar::valueChanged, this, [this] { emit ScrllFrmChanged(); });
}

void ScrollCompanion::closeEvent(QCloseEvent* event) {
  emit Closing();
  event->accept();
}

}  // namespace tavelin::gui
