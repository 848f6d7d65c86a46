// The small operations through which the rules and the computer place the table markers,
// switch the shot controls, set the power bar and switch the computer's turn timer. They touch
// only the Form, its timers and the shot state, so the engine calls them without reaching up
// into the screen's handlers or the computer.
#pragma once

#include <string>

#include "state/game_state.h"

namespace velkor {

void placeCueBallMarker(GameState& g, Single px, Single py);
void placeTargetMarker(GameState& g, Single px, Single py);
void refreshTargetMarker(GameState& g);
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
// The shot button's caption in Arial bold at that size.
void setShotButton(GameState& g, const std::string& caption, Single size);
// Solo play: its captions on the mode menu item and the shot button, and Start enabled.
void setSoloMode(GameState& g);
// Switches the computer's turn timer; a turn always starts from its first tick, also after
// one was cut short.
void switchComputerTurn(GameState& g, bool on);

}  // namespace velkor
