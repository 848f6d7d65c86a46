// Binds the game's timers to Qt timers: switching a timer starts or stops its QTimer, and
// each timeout runs the ticks that have come due.
#pragma once

#include <QObject>
#include <functional>

#include "state/timer.h"

class QTimer;

namespace velkor {

// Ticks faster than this are run in batches, one wake a frame: the screen shows no more of
// them, and every wake costs. The number of ticks a second stays that of the interval.
constexpr int kTimerFrameMs = 40;

// held: while it answers true the timer does not run, as its ticks would change nothing
// that can be seen (call refreshTimer when its answer changes).
QTimer* bindTimer(Timer& timer, QObject* parent, std::function<bool()> held = {});

// Applies the game timer's state and the hold to a QTimer made by bindTimer again.
void refreshTimer(QTimer* qt);

}  // namespace velkor
