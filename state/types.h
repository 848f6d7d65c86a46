// Numeric types, table units and the ball record shared by every part of the game.
#pragma once

#include <cstdint>
#include <limits>

namespace velkor {

using Single = float;
using Integer = std::int16_t;
using Long = std::int32_t;

// The game's own value of pi; kept as written so that every heading matches.
constexpr Single kPi = 3.1415926f;

// Stored or shown flags use the classic -1 / 0 convention.
constexpr Integer flagValue(bool b) { return b ? Integer{-1} : Integer{0}; }

// A count one higher, held at the type's largest value instead of wrapping to negative.
constexpr Integer plusOne(Integer v) {
  return v < std::numeric_limits<Integer>::max() ? static_cast<Integer>(v + 1) : v;
}

struct TablePoint {
  Single x = 0;
  Single y = 0;
};

struct BallRecord {
  Single x = 0;
  Single y = 0;
  Single vx = 0;
  Single vy = 0;
  bool onTable = true;
  Single speed = 0;  // at rest when <= 0
  Single direction = 0;
  Single followSpin = 0;
  Single sideSpin = 0;
};

enum GameMode : Integer {
  modeSolo = 0,
  modeVersus = 1,
  modeDemo = 2,
  modeMenu = 3,
  modeRecords = 4,
};

enum Cushion : Integer {
  cushionLeft = 101,
  cushionRight = 102,
  cushionTop = 103,
  cushionBottom = 104,
};

// Music scenes: rows of the track table.
enum BgmScene : Integer {
  bgmOff = -1,
  bgmMenu = 0,
  bgmRecord = 1,
  bgmSoloPlay = 2,
  bgmVSCPU = 3,
  bgmVSPlay = 4,
};

}  // namespace velkor
