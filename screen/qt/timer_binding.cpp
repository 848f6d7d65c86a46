#include "screen/qt/timer_binding.h"

#include <QTimer>

namespace velkor {

QTimer* bindTimer(Timer& timer, QObject* parent) {
  auto* qt = new QTimer(parent);
  qt->setObjectName(QString::fromStdString(timer.name()));
  qt->setTimerType(Qt::PreciseTimer);
  auto apply = [qt](Timer& t) {
    if (t.enabled() && t.interval() > 0) {
      qt->start(t.interval());  // also restarts the count when the interval changes
    } else {
      qt->stop();
    }
  };
  timer.setObserver(apply);
  QObject::connect(qt, &QTimer::timeout, qt, [&timer] { timer.fire(); });
  apply(timer);
  return qt;
}

}  // namespace velkor
