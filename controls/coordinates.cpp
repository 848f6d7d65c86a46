#include "controls/coordinates.h"

#include <cmath>

namespace velkor {

Single toPicX(const GameState& g, Single x) { return g.scaleX * x + 30; }
Single toPicY(const GameState& g, Single y) { return (1200 - y) * g.scaleY + 30; }
Single toTableX(const GameState& g, Single px) { return (px - 30) / g.scaleX; }
Single toTableY(const GameState& g, Single py) { return 1200 - (py - 30) / g.scaleY; }
Single limitPicX(Single px) { return px < 40 ? 40 : px > 500 ? 500 : px; }
Single limitPicY(Single py) { return py < 40 ? 40 : py > 260 ? 260 : py; }

long halfOfDifference(double difference) {
  return static_cast<long>(std::nearbyint(difference)) / 2;
}

}  // namespace velkor
