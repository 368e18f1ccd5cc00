#include "gui/treeview/TreeWindowHost.h"

#include <QScreen>
#include <algorithm>

#include "core/treeview/FKvel.h"
#include "gui/common/Failures.h"
#include "gui/common/TextConversion.h"
#include "gui/common/Twips.h"
#include "gui/common/WindowExposure.h"

namespace tavelin::gui {

namespace {

// How long a pass waits for the window system to show a freshly loaded tree window: far more
// than a window manager at work needs, and no hang where none ever answers.
constexpr std::chrono::milliseconds kFrameWait(2000);

}  // namespace

core::DrawingSurface& TreeWindowHost::Surface() {
  return Require().Surface();
}

core::FileList& TreeWindowHost::Lst(int index) {
  return Require().Lst(index);
}

std::unique_ptr<TreeWindow> TreeWindowHost::Make() {
  auto window = std::make_unique<TreeWindow>();
  QObject::connect(window.get(), &TreeWindow::ListPressed, [this](int index) {
    if (handlers_ != nullptr)
      Guarded([&] { handlers_->Lst_MouseDown(static_cast<std::int16_t>(index)); });
  });
  QObject::connect(window.get(), &TreeWindow::ListDoubleClicked, [this](int index) {
    if (handlers_ != nullptr)
      Guarded([&] { handlers_->Lst_DblClick(static_cast<std::int16_t>(index)); });
  });
  QObject::connect(window.get(), &TreeWindow::ButtonClicked, [this](int index) {
    if (handlers_ != nullptr)
      Guarded([&] { handlers_->Bt_Click(static_cast<std::int16_t>(index)); });
  });
  QObject::connect(window.get(), &TreeWindow::Closing, [this] { Guarded([this] { Closed(); }); });
  return window;
}

void TreeWindowHost::Retire(std::unique_ptr<TreeWindow> window) {
  window->disconnect();
  window->hide();
  // The window may be closing from its own event handler: it goes once that has returned.
  window.release()->deleteLater();
}

void TreeWindowHost::Show() {
  TreeWindow& window = Require();
  if (FirstShowSinceLoad()) {
    // The window is centred by its outer frame, which a window manager gives it only once it is
    // on the screen; every size and place read later is that frame's too.
    ShowAndWaitUntilExposed(window, kFrameWait);
    const QRect screen = window.screen()->geometry();
    const QSize frame = window.frameGeometry().size();
    window.move(screen.x() + (screen.width() - frame.width()) / 2,
                screen.y() + (screen.height() - frame.height()) / 2);
  }
  window.show();
  window.raise();
  window.activateWindow();
}

void TreeWindowHost::SetFocus() {
  Require().activateWindow();
}

void TreeWindowHost::SetCaption(const std::u16string& caption) {
  // Qt reads "[*]" in a title as the modified-document mark; doubled it is shown as written.
  Require().setWindowTitle(
      ToQString(caption).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

float TreeWindowHost::Left() const {
  return PixelsToTwips(Require().frameGeometry().x());
}

float TreeWindowHost::Top() const {
  return PixelsToTwips(Require().frameGeometry().y());
}

void TreeWindowHost::SetTop(float top) {
  TreeWindow& window = Require();
  window.move(window.frameGeometry().x(), TwipsToPixels(top));
}

float TreeWindowHost::Width() const {
  return PixelsToTwips(Require().frameGeometry().width());
}

void TreeWindowHost::SetWidth(float width) {
  TreeWindow& window = Require();
  const int frameExtra = window.frameGeometry().width() - window.width();
  window.resize(std::max(TwipsToPixels(width) - frameExtra, 0), window.height());
}

float TreeWindowHost::Height() const {
  return PixelsToTwips(Require().frameGeometry().height());
}

void TreeWindowHost::SetHeight(float height) {
  TreeWindow& window = Require();
  const int frameExtra = window.frameGeometry().height() - window.height();
  window.resize(window.width(), std::max(TwipsToPixels(height) - frameExtra, 0));
}

float TreeWindowHost::ScaleWidth() const {
  return static_cast<float>(Require().width());
}

float TreeWindowHost::ScaleHeight() const {
  return static_cast<float>(Require().height());
}

float TreeWindowHost::PBtsHeight() const {
  return static_cast<float>(Require().PBts().height());
}

}  // namespace tavelin::gui
