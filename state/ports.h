// What the game asks of the outside world. The core calls these; the application
// implements them with Qt and SDL, tests with fakes, and a build without a screen
// or sound uses the empty bodies below.
#pragma once

#include <optional>
#include <string>

#include "state/types.h"
#include "state/form.h"

namespace velkor {

// Dialog windows that the game shows modally; each call returns when the window has closed.
enum class Window {
  frmRecord,        // solo result
  frmInputBox,      // name entry
  frmVsResult,      // game and match result
  frmChangeVsMode,  // match set-up
  frmVersion,       // version window
};

// The game's message box as the game has sized and placed it, in twips: the box's outer
// frame and the controls in its client area.
struct MsgBoxLayout {
  std::string text;
  Single left = 0;
  Single top = 0;
  Single width = 0;
  Single height = 0;
  Single labelLeft = 0;
  Single labelTop = 0;
  // Set only when the text is narrower than the box's minimum; otherwise the label
  // sizes itself to its text.
  std::optional<Single> labelWidth;
  std::string labelFontName = "Arial";
  Single labelFontSize = 18;
  Single okLeft = 0;
  Single okTop = 0;
  Single okWidth = 0;
  Single okHeight = 0;
};

// The window's name as the game calls it ("frmRecord", ...).
const char* windowName(Window w);

// Pictures that start-up may replace by a 256-colour bitmap file.
enum class Picture {
  picTable,  // the table sheet
  picMenu,   // the title screen
};

// What the help viewer opens with.
enum class HelpKind {
  contents,      // the table of contents
  keywordIndex,  // the keyword index to pick a topic from
};

class Screen {
 public:
  virtual ~Screen() = default;

  // A property of a control in the game's Form changed.
  virtual void controlChanged(Ctl) {}

  // Table drawing.
  virtual void drawTable() {}
  virtual void drawBallOnTable(int /*ballNo*/) {}
  virtual void drawBallIntoPocket(int /*ballNo*/, int /*pocketNo*/) {}
  virtual void drawPocketedBalls() {}
  virtual void showInfomation() {}
  // Clears a picture (picPool, picPocketedBalls) to its background.
  virtual void clearPicture(Ctl) {}
  // Makes what was drawn into a picture's persistent image visible.
  virtual void refreshPicture(Ctl) {}

  // The game's own message box (already sized by the game); returns when closed.
  virtual void showMessageBox(const std::string& /*text*/) {}
  // The same with the box's computed geometry; screens that only show the text keep the above.
  virtual void showSizedMessageBox(const MsgBoxLayout& box) { showMessageBox(box.text); }
  // The standard message box with an OK button; returns when closed.
  virtual void showStandardMessage(const std::string& /*text*/) {}
  virtual void showModal(Window) {}

  // Lets pending window events run; called by the physics step at the head of every pass.
  virtual void pumpEvents() {}

  // Start-up and shut-down of the main window.
  // Cuts the sprite strip out of the table sheet.
  virtual void loadBallSprites() {}
  // Replaces a picture by a bitmap file given by bare name.
  virtual void loadPicture(Picture /*which*/, const std::string& /*file*/) {}
  // Copies the cue-ball image of the table sheet into the contact-point picture.
  virtual void copyCueBallImage() {}
  // Shows the opening window without waiting; it shows the main window when it closes.
  virtual void showOpeningWindow() {}
  // Ends the program at once: every window goes and no further event runs.
  virtual void endProgram() {}
  // Opens the help file (a bare name next to the program) in the help viewer.
  virtual void showHelp(const std::string& /*file*/, HelpKind) {}
  // Opens a page (a bare name next to the program) in the desktop's browser.
  virtual void openHelpPage(const std::string& /*page*/) {}
};

class Sound {
 public:
  virtual ~Sound() = default;
  virtual void playHitSound(Single /*strength*/) {}
  virtual void playWallSound(Single /*strength*/) {}
  virtual void playDropSound(Single /*strength*/) {}
};

// The system's players behind the effect sounds and the music. Both take bare file names,
// which the player looks up in the program's folder; every failure is silent.
class Audio {
 public:
  virtual ~Audio() = default;
  // Plays a WAV file in the background; flags as the effect sounds give them
  // (0x01 plays at once, cutting what plays; 0x11 drops the new sound while one plays).
  virtual void sndPlaySound(const std::string& /*file*/, unsigned /*flags*/) {}
  // One media command: "open F", "play F" or "close F". Answers and errors are not used.
  virtual void mciSendString(const std::string& /*command*/) {}
};

// The default, silent and invisible, ports.
Screen& nullScreen();
Sound& nullSound();
Audio& nullAudio();

}  // namespace velkor
