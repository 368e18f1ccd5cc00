#include "gui/common/WindowExposure.h"

#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>

namespace tavelin::gui {

namespace {

// Ends a wait once the window it watches is exposed.
class ExposeWatch : public QObject {
 public:
  ExposeWatch(QWindow& window, QEventLoop& wait) : window_(window), wait_(wait) {
    window_.installEventFilter(this);
  }
  ~ExposeWatch() override { window_.removeEventFilter(this); }
  ExposeWatch(const ExposeWatch&) = delete;
  ExposeWatch& operator=(const ExposeWatch&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Expose && window_.isExposed()) {
      wait_.quit();
    }
    return false;
  }

 private:
  QWindow& window_;
  QEventLoop& wait_;
};

}  // namespace

void ShowAndWaitUntilExposed(QWidget& window, std::chrono::milliseconds bound) {
  // The native window exists before it is shown, so that its expose event is seen.
  window.winId();
  QWindow& handle = *window.windowHandle();
  QEventLoop wait;
  const ExposeWatch watch(handle, wait);
  window.show();
  if (handle.isExposed()) return;
  QTimer::singleShot(bound, &wait, &QEventLoop::quit);
  wait.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace tavelin::gui
