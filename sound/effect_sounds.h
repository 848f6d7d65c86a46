// The table's effect sounds: a ball hitting a ball, a ball dropping into a pocket and a ball
// bouncing off a cushion. The strength picks the file; the audio port plays it.
#pragma once

#include <optional>

#include "state/game_state.h"

namespace velkor {

// Play flags of the WAV player.
constexpr unsigned kSndAsync = 0x0001;   // play in the background, cutting what plays
constexpr unsigned kSndNoStop = 0x0010;  // leave a playing sound alone; the new one is dropped

// Full power in table units per second; strengths are taken as a fraction of it.
constexpr Single kFullPower = 5600;

struct WavChoice {
  const char* file;  // bare name in the program's folder
  unsigned flags;
  bool operator==(const WavChoice& o) const;
};

// The file and flags for each sound, or nothing when the strength lies outside every band.
// The fraction and its bands are Single, so a strength a hair above a band's end in double
// arithmetic may still fall inside it.
std::optional<WavChoice> chooseHitSound(Single strength, Integer shotCount);
std::optional<WavChoice> chooseDropSound(Single strength);
std::optional<WavChoice> chooseWallSound(Single strength);

// The three operations: silent while soundOn is 0.
void playHitSound(GameState& g, Single strength);
void playDropSound(GameState& g, Single strength);
void playWallSound(GameState& g, Single strength);

// The Sound port that the game installs: the engine's calls reach the operations above.
class EffectSounds : public Sound {
 public:
  explicit EffectSounds(GameState& g) : g_(g) {}
  void playHitSound(Single strength) override { velkor::playHitSound(g_, strength); }
  void playWallSound(Single strength) override { velkor::playWallSound(g_, strength); }
  void playDropSound(Single strength) override { velkor::playDropSound(g_, strength); }

 private:
  GameState& g_;
};

}  // namespace velkor
