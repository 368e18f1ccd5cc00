// Linked into the programs whose start the bench times, and into nothing else: when the first
// window has painted, writes the monotonic time on the output and ends the program at once, so
// that nothing the program would do on closing (saving its recent folders) happens.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "Clock.h"

namespace {

class FirstPaint : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
      seen_ = true;
      // Queued, so it runs once the paint under way, children included, has been done.
      QMetaObject::invokeMethod(
          this,
          [] {
            std::printf("%lld\n", static_cast<long long>(tavelin::bench::MonotonicNs()));
            std::fflush(stdout);
            std::_Exit(0);
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  bool seen_ = false;
};

void WatchFirstPaint() {
  QCoreApplication::instance()->installEventFilter(new FirstPaint(QCoreApplication::instance()));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchFirstPaint)
