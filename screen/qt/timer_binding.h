// Binds the game's timers to Qt timers: switching a timer starts or stops its QTimer, and
// each timeout runs one tick.
#pragma once

#include <QObject>

#include "state/timer.h"

class QTimer;

namespace velkor {

QTimer* bindTimer(Timer& timer, QObject* parent);

}  // namespace velkor
