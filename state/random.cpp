#include "state/random.h"

#include <chrono>

namespace velkor {

std::uint64_t splitmix64(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

ClockRandom::ClockRandom()
    : ClockRandom([] {
        return static_cast<std::uint64_t>(
            std::chrono::steady_clock::now().time_since_epoch().count());
      }) {}

ClockRandom::ClockRandom(ClockSource clock) : clock_(std::move(clock)) {}

double ClockRandom::draw() {
  state_ ^= clock_();
  // 53 random bits make a double in [0, 1).
  return static_cast<double>(splitmix64(state_) >> 11) * 0x1.0p-53;
}

double SequenceRandom::draw() {
  ++taken_;
  if (values_.empty()) return 0.5;
  double v = values_[next_ < values_.size() ? next_ : values_.size() - 1];
  if (next_ < values_.size()) ++next_;
  return v;
}

}  // namespace velkor
