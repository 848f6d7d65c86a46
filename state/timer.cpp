#include "state/timer.h"

namespace velkor {

void Timer::setInterval(int ms) {
  intervalMs_ = ms;
  if (observer_) observer_(*this);
}

void Timer::setEnabled(bool on) {
  if (enabled_ == on) return;
  enabled_ = on;
  if (observer_) observer_(*this);
}

void Timer::fire() {
  if (running_ || !enabled_) return;
  running_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{running_};
  if (handler_) handler_();
}

void VirtualClock::attach(Timer& t) {
  std::size_t index = entries_.size();
  entries_.push_back({&t, -1});
  t.setObserver([this, index](Timer& timer) {
    Entry& e = entries_[index];
    e.due = timer.enabled() && timer.interval() > 0 ? nowMs_ + timer.interval() : -1;
  });
  if (t.enabled() && t.interval() > 0) entries_[index].due = nowMs_ + t.interval();
}

VirtualClock::Entry* VirtualClock::nextDue(long long until) {
  Entry* best = nullptr;
  for (Entry& e : entries_) {
    if (e.due < 0 || e.due > until) continue;
    if (!best || e.due < best->due) best = &e;
  }
  return best;
}

void VirtualClock::advance(long long ms) {
  const long long until = nowMs_ + ms;
  while (Entry* e = nextDue(until)) {
    nowMs_ = e->due;
    e->due += e->timer->interval();
    e->timer->fire();
  }
  nowMs_ = until;
}

bool VirtualClock::runUntil(const std::function<bool()>& pred, long long limitMs) {
  const long long until = nowMs_ + limitMs;
  while (!pred()) {
    Entry* e = nextDue(until);
    if (!e) {
      nowMs_ = until;
      return pred();
    }
    nowMs_ = e->due;
    e->due += e->timer->interval();
    e->timer->fire();
  }
  return true;
}

}  // namespace velkor
