#include "screen/qt/timer_binding.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

namespace velkor {

namespace {

// Drives one game timer from its QTimer; lives as the QTimer's child.
class TimerDriver : public QObject {
 public:
  TimerDriver(Timer& timer, QTimer* qt, std::function<bool()> held)
      : QObject(qt), timer_(timer), qt_(qt), held_(std::move(held)) {
    setObjectName("timerDriver");
  }

  void apply() {
    ++starts_;
    const int interval = timer_.interval();
    if (!timer_.enabled() || interval <= 0 || (held_ && held_())) {
      qt_->stop();
      return;
    }
    interval_ = interval;
    fired_ = 0;
    clock_.start();
    // A whole number of ticks a wake, so that each wake runs the same number.
    qt_->start(interval >= kTimerFrameMs ? interval : kTimerFrameMs / interval * interval);
  }

  void timeout() {
    if (interval_ >= kTimerFrameMs) {
      timer_.fire();
      return;
    }
    const qint64 due = clock_.elapsed() / interval_;
    // After a stall (a modal window, a busy machine) the backlog is dropped rather than run
    // in one burst, which would make the motion jump.
    const qint64 perWake = qt_->interval() / interval_;
    const qint64 n = std::clamp<qint64>(due - fired_, 0, 2 * perWake);
    fired_ = due;
    const unsigned start = starts_;
    for (qint64 i = 0; i < n && starts_ == start && timer_.enabled(); ++i) timer_.fire();
  }

 private:
  Timer& timer_;
  QTimer* qt_;
  std::function<bool()> held_;
  QElapsedTimer clock_;
  int interval_ = 0;
  qint64 fired_ = 0;
  unsigned starts_ = 0;
};

}  // namespace

QTimer* bindTimer(Timer& timer, QObject* parent, std::function<bool()> held) {
  auto* qt = new QTimer(parent);
  qt->setObjectName(QString::fromStdString(timer.name()));
  qt->setTimerType(Qt::PreciseTimer);
  auto* driver = new TimerDriver(timer, qt, std::move(held));
  timer.setObserver([driver](Timer&) { driver->apply(); });
  QObject::connect(qt, &QTimer::timeout, driver, [driver] { driver->timeout(); });
  driver->apply();
  return qt;
}

void refreshTimer(QTimer* qt) {
  if (!qt) return;
  if (QObject* driver = qt->findChild<QObject*>("timerDriver", Qt::FindDirectChildrenOnly)) {
    static_cast<TimerDriver*>(driver)->apply();
  }
}

}  // namespace velkor
