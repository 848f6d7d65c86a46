// The opening window and the version window, as plain data that the screen layer shows.
#pragma once

#include <string>

#include "controls/coordinates.h"
#include "state/game_state.h"

namespace velkor {

// frmOpening: shown at start-up without waiting; closes on its sixth tick or at a click
// and then shows the main window.
struct OpeningWindow {
  static constexpr int kPictureWidth = 229;  // pixels
  static constexpr int kPictureHeight = 168;
  static constexpr int kTimerInterval = 1000;  // ms
  std::string pictureFile;  // empty: the built-in picture
  Single left = 0;          // twips, outer frame
  Single top = 0;
  Single width = 0;
  Single height = 0;
  Integer splashTicks = 0;
  bool timerEnabled = true;
  bool open = true;
};

void frmOpening_Form_Load(const GameState& g, OpeningWindow& w, const ScreenMetrics& screen);
void frmOpening_Timer1_Timer(GameState& g, OpeningWindow& w);
void frmOpening_Form_Click(GameState& g, OpeningWindow& w);

// frmVersion: the version and the computer's level, and the mascot that moves when clicked.
struct VersionWindow {
  static constexpr int kFrameSize = 32;  // pixels; picPelzos holds five frames side by side
  static constexpr int kTimerInterval = 50;  // ms
  std::string label1Caption = " Ver.";
  Single left = 0;  // twips, outer frame
  Single top = 0;
  Single width = 0;
  Single height = 0;
  Integer animTicks = 0;
  bool timerEnabled = false;
  Integer frame = 0;  // the frame that picPelzo shows
};

// The window's size (width, height, twips) is its design; Form_Load places it and fills Label1.
void frmVersion_Form_Load(const GameState& g, VersionWindow& w, const ScreenMetrics& screen);
void frmVersion_picPelzo_Click(VersionWindow& w);
// One tick of the mascot timer; returns the frame to copy into picPelzo.
Integer frmVersion_Timer1_Timer(VersionWindow& w);

}  // namespace velkor
