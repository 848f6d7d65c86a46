// Numeric types, table units and the ball record shared by every part of the game.
#pragma once

#include <cstdint>
#include <limits>

namespace velkor {

// The numeric rule, the same everywhere so that every build gives the same numbers:
// - Every stored quantity is a Single: places, velocities, speeds, headings, spins, the aim
//   point, pixels and twips on the Form. Counters, indexes and flags are Integer (16 bits,
//   held at their range where they count), the game clock's seconds Long.
// - An expression of Singles alone runs in float, as written.
// - An expression with a double in it (kPiD, a random draw, a std:: function called on a
//   double) runs in double and is rounded to a Single once, where it is stored; the
//   static_cast<Single> marks that place.
// - No fused multiply-add (-ffp-contract=off in the build), so float and double results do
//   not depend on the optimiser.
using Single = float;
using Integer = std::int16_t;
using Long = std::int32_t;

// The game's own value of pi, kept as written so that every heading matches, once per rule
// above: kPi where the arithmetic is float, kPiD where it is double. They differ only in
// precision (kPi is kPiD rounded to a float), so swapping one for the other changes results.
constexpr Single kPi = 3.1415926f;
constexpr double kPiD = 3.1415926;

// The program's version, shown by the version window, the title and the music's caption.
inline const char* const kVersion = "3.02";

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
