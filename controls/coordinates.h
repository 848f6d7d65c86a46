// Table units to pixels of the table picture and back, the mouse clamp, and the centring
// of windows in twips.
#pragma once

#include "state/game_state.h"

namespace velkor {

Single toPicX(const GameState& g, Single x);
Single toPicY(const GameState& g, Single y);
Single toTableX(const GameState& g, Single px);
Single toTableY(const GameState& g, Single py);
Single limitPicX(Single px);
Single limitPicY(Single py);

// Half of a free width or height in twips: rounded to whole twips, halved, remainder dropped.
long halfOfDifference(double difference);

}  // namespace velkor
