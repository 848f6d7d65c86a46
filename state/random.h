// The random generator: every draw is uniform in [0, 1) and is preceded by a re-seed from the clock.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace velkor {

// One step of splitmix64: advances x and returns 64 well-mixed bits.
std::uint64_t splitmix64(std::uint64_t& x);

class Random {
 public:
  virtual ~Random() = default;
  // Re-seeds from the clock, then draws one number in [0, 1).
  virtual double draw() = 0;
};

// The game's generator. The re-seed mixes the clock into the state instead of
// replacing it, so two draws within one clock tick still differ.
class ClockRandom : public Random {
 public:
  using ClockSource = std::function<std::uint64_t()>;
  ClockRandom();  // steady clock in nanoseconds
  explicit ClockRandom(ClockSource clock);
  double draw() override;

 private:
  ClockSource clock_;
  std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

// A fixed sequence for tests and scenarios; after the last number it repeats the last.
class SequenceRandom : public Random {
 public:
  explicit SequenceRandom(std::vector<double> values = {0.5}) : values_(std::move(values)) {}
  void set(std::vector<double> values) { values_ = std::move(values); next_ = 0; }
  double draw() override;
  std::size_t drawsTaken() const { return taken_; }

 private:
  std::vector<double> values_;
  std::size_t next_ = 0;
  std::size_t taken_ = 0;
};

}  // namespace velkor
