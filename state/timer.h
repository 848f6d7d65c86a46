// Timers of the game: an interval and an on/off switch, with a handler that runs per tick.
// The application binds each one to a real timer; tests drive them with VirtualClock.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace velkor {

class Timer {
 public:
  explicit Timer(std::string name) : name_(std::move(name)) {}
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return name_; }
  int interval() const { return intervalMs_; }
  bool enabled() const { return enabled_; }
  bool running() const { return running_; }

  // Changing the interval restarts the count; switching on a running timer changes nothing.
  void setInterval(int ms);
  void setEnabled(bool on);

  void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }
  // The binding that turns switch and interval changes into real timer calls.
  void setObserver(std::function<void(Timer&)> observer) { observer_ = std::move(observer); }

  // One tick. A tick that falls due while the previous tick of the same timer is
  // still running (inside a nested event loop) is dropped, never run re-entrantly.
  void fire();

 private:
  std::string name_;
  int intervalMs_ = 0;
  bool enabled_ = false;
  bool running_ = false;
  std::function<void()> handler_;
  std::function<void(Timer&)> observer_;
};

// Simulated time for tests and tools: fires due timers in time order.
class VirtualClock {
 public:
  void attach(Timer& t);
  long long now() const { return nowMs_; }
  // Fires every tick due up to now + ms, in time order (ties in attach order).
  void advance(long long ms);
  // Runs until pred() holds or limitMs pass; true when pred() held.
  bool runUntil(const std::function<bool()>& pred, long long limitMs);

 private:
  struct Entry {
    Timer* timer;
    long long due;
  };
  Entry* nextDue(long long until);
  std::vector<Entry> entries_;
  long long nowMs_ = 0;
};

}  // namespace velkor
