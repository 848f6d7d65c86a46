// The small operations through which the engine and the computer place the table markers,
// name the shooter and switch the shot controls.
#pragma once

#include <string>

#include "state/game_state.h"

namespace velkor {

void placeCueBallMarker(GameState& g, Single px, Single py);
void placeTargetMarker(GameState& g, Single px, Single py);
void refreshTargetMarker(GameState& g);
void showShotOwner(GameState& g, Integer turn);
// The shot button's caption for the player with that trimmed name: "Your Shot" or "NAME's Shot".
std::string shotOwnerCaption(const std::string& name);
void setShotControlsEnabled(GameState& g, bool enabled);
void disableShotControls(GameState& g);
void enableShotControls(GameState& g);
void updateRetryMenu(GameState& g);
// Puts the contact-point dot back in the middle of the cue-ball picture.
void centreSpinMarker(GameState& g);
// Sets the power bar; its change handler runs when the value changes.
void setPowerBar(GameState& g, Integer value);
void HScroll1_Change(GameState& g);
// The shot button; the computer's turn presses it the same way.
void cmdShot_Click(GameState& g);

}  // namespace velkor
