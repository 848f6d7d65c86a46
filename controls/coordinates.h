// Table units to pixels of the table picture and back, the mouse clamp, pixel points and
// rectangles, the screen's metrics, and the centring of windows in twips.
#pragma once

#include <ostream>

#include "state/game_state.h"

namespace velkor {

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};
// For test messages.
inline std::ostream& operator<<(std::ostream& os, const PixelPoint& p) {
  return os << '(' << p.x << ", " << p.y << ')';
}

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

// The screen as a window placement sees it, in twips.
struct ScreenMetrics {
  Single width = 1024 * 15;
  Single height = 768 * 15;
  Single twipsPerPixelX = 15;
  Single twipsPerPixelY = 15;
};

Single toPicX(const GameState& g, Single x);
Single toPicY(const GameState& g, Single y);
Single toTableX(const GameState& g, Single px);
Single toTableY(const GameState& g, Single py);
Single limitPicX(Single px);
Single limitPicY(Single py);

// Half of a free width or height in twips: rounded to whole twips, halved, remainder dropped.
long halfOfDifference(double difference);

}  // namespace velkor
