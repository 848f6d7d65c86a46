// Table units to pixels of the table picture and back, and the mouse clamp.
#pragma once

#include "state/game_state.h"

namespace velkor {

Single toPicX(const GameState& g, Single x);
Single toPicY(const GameState& g, Single y);
Single toTableX(const GameState& g, Single px);
Single toTableY(const GameState& g, Single py);
Single limitPicX(Single px);
Single limitPicY(Single py);

}  // namespace velkor
