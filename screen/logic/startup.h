// Start-up and shut-down of the main window: the load handler's steps in their order.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/folders.h"
#include "screen/logic/layout.h"
#include "state/game_state.h"

namespace velkor {

inline const char* const kSecondCopyJapanese = "このプログラムは複数起動することは出来ません。";
inline const char* const kSecondCopyEnglish = "Velkor can't be loaded twice.";

// What the load handler reads from the system; read once, at start-up.
struct StartupEnv {
  std::string commandLine;
  // Takes the single-instance guard; true when another copy already holds it.
  std::function<bool()> anotherCopyRunning;
  long screenWidthTwips = 1024L * kTwipsPerPixel;
  long screenHeightTwips = 768L * kTwipsPerPixel;
  FrameMetrics frame;
};

// True when the command line holds the switch anywhere, in any case ("/DEBUG", "x/debugx").
bool hasSwitch(std::string_view commandLine, std::string_view sw);

// The load handler. Returns false when the program must end at once (a second copy).
bool Form_Load(GameState& g, const StartupEnv& env);
// The unload handler: closes the music devices, then ends the program.
void Form_Unload(GameState& g);

}  // namespace velkor
