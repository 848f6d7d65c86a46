#include "state/timer.h"

#include <gtest/gtest.h>

#include <string>

namespace velkor {
namespace {

TEST(VirtualClock, FiresDueTimersInTimeOrder) {
  Timer fast("fast"), slow("slow");
  fast.setInterval(30);
  slow.setInterval(50);
  std::string log;
  fast.setHandler([&] { log += "f"; });
  slow.setHandler([&] { log += "s"; });
  VirtualClock clock;
  clock.attach(fast);
  clock.attach(slow);
  fast.setEnabled(true);
  slow.setEnabled(true);
  clock.advance(150);
  EXPECT_EQ(log, "fsffsffs") << "f30 s50 f60 f90 s100 f120 f150 s150: ties in attach order";
}

TEST(VirtualClock, SwitchingOffStopsAndOnRestartsTheCount) {
  Timer t("t");
  t.setInterval(100);
  int ticks = 0;
  t.setHandler([&] {
    if (++ticks == 2) t.setEnabled(false);
  });
  VirtualClock clock;
  clock.attach(t);
  t.setEnabled(true);
  clock.advance(1000);
  EXPECT_EQ(ticks, 2);
  t.setEnabled(true);
  clock.advance(99);
  EXPECT_EQ(ticks, 2);
  clock.advance(1);
  EXPECT_EQ(ticks, 3);
}

TEST(Timer, TickDueWhileItsHandlerRunsIsDropped) {
  Timer t("t");
  t.setInterval(50);
  t.setEnabled(true);
  int ticks = 0;
  t.setHandler([&] {
    ++ticks;
    t.fire();  // as a nested event loop would
  });
  t.fire();
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(t.running());
}

}  // namespace
}  // namespace velkor
