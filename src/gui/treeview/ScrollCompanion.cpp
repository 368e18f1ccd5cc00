#include "gui/treeview/ScrollCompanion.h"

#include <QCloseEvent>

#include "core/treeview/TreeWindowDesign.h"
#include "gui/treeview/ImageSurface.h"

namespace tavelin::gui {

namespace {

namespace design = core::FScrollDesign;

}  // namespace

ScrollCompanion::ScrollCompanion(core::ScrollCompanionEvents& events)
    : HostedWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      events_(events),
      bar_(new QScrollBar(Qt::Vertical, this)) {
  QPalette background = palette();
  background.setColor(QPalette::Window, ToQColor(design::kBackground));
  setPalette(background);
  setAutoFillBackground(true);
  resize(QSizeF(design::kClientWidth, design::kClientHeight).toSize());

  bar_->setGeometry(QRectF(0, 0, design::kBarWidth, design::kBarHeight).toRect());
  bar_->setSingleStep(design::kArrowStep);
  bar_->setPageStep(design::kPageStep);
  bar_->setValue(0);
  // The tree window moves once the thumb is released, not while it is dragged.
  bar_->setTracking(false);
  connect(bar_, &QScrollBar::valueChanged, this,
          [this] { Tell([this] { events_.ScrllFrmChanged(); }); });
}

void ScrollCompanion::closeEvent(QCloseEvent* event) {
  Tell([this] { events_.Closing(); });
  event->accept();
}

}  // namespace tavelin::gui
