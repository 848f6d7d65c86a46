// The whole state of one run of the game: the table, the shot, the match, the records,
// the settings, the main window's controls and timers, and the ports to the outside.
// Each test builds its own; nothing here is global.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state/ports.h"
#include "state/types.h"
#include "state/form.h"
#include "state/random.h"
#include "state/timer.h"
#include "state/record_types.h"
#include "state/track_record.h"

namespace velkor {

struct PlayerRecord {
  std::string name = std::string(12, ' ');  // 12 characters, blank-padded
  bool isBreaker = false;
  Integer gamesWon = 0;
};

// The computer's last ball-in-hand turn, kept from its press until the next shot starts: a
// foul repeated from the same placement would otherwise repeat for as long as the table does.
struct CpuPlacement {
  bool ballInHand = false;  // the turn had ball in hand
  bool shotTaken = false;   // the computer pressed the shot of that turn
  Integer target = 0;
  TablePoint targetAt{};
};

struct GameState {
  GameState();
  GameState(const GameState&) = delete;
  GameState& operator=(const GameState&) = delete;

  // Table and balls.
  std::array<BallRecord, 10> balls{};
  std::array<BallRecord, 10> savedBalls{};
  std::array<TablePoint, 11> pocketPoints{};
  TablePoint aimPoint{};

  // Per-shot state.
  std::array<Integer, 10> shotPocketed{};
  Integer shotPocketedCount = 0;
  Integer firstHit = 0;
  bool firstHitPending = false;
  Integer targetBall = 0;
  bool ballInHand = false;
  bool savedBallInHand = false;
  // Set while stepBalls runs, so that a call from inside its own event pump returns at once.
  bool steppingBalls = false;
  // Bumped whenever a running shot is cut short, so that a tick still under way (inside the
  // event pump of stepBalls) sees that its shot is gone and does not judge the new table.
  std::uint32_t shotSerial = 0;

  // Counters.
  Integer shotCount = 0;
  Integer turnCount = 0;
  Integer foulCount = 0;
  Long elapsedSeconds = 0;
  Integer idleSeconds = 0;
  Single swingPhase = 0;  // break-aim swing; kept from one rack to the next
  Integer comStep = 0;    // ticks already taken in the computer's turn
  CpuPlacement lastCpuPlacement;

  // Players and mode.
  std::array<PlayerRecord, 2> players{};
  Integer gameMode = modeSolo;
  bool vsComputer = false;
  Integer gamesToWin = 3;
  Integer quibLevel = 1;
  Integer quibProgress = 0;

  // Records.
  SoloTable soloRec{};
  VsCpuTable vsRec{};

  // Settings and language.
  bool japaneseUI = false;
  Integer startHiColor = -1;
  Integer hiColor = -1;
  Integer soundOn = 1;
  Integer bgmOn = -1;

  // Music.
  std::array<TrackRecord, 11> trackTable{};
  Integer bgmScene = bgmOff;
  Integer bgmPrevScene = bgmOff;
  Integer bgmTicks = 0;  // music timer ticks since the current track started

  // Main-window fields.
  Single scaleX = 0.2f;
  Single scaleY = 0.2f;
  Single ballDiameterPx = 20;
  // The screen's twips per pixel, read once at start-up: every twips/pixel conversion uses it.
  int twipsPerPixelX = 15;
  int twipsPerPixelY = 15;
  bool breakPending = true;
  bool draggingCueBall = false;
  bool debugMode = false;

  // Folder of the INI files for this run; empty: the user's config folder (getWinDir).
  std::string iniDir;
  // The date new records take as today's ("yy/mm/dd"); empty: the system clock's local date.
  std::string todayOverride;

  // Controls and timers of the main window.
  Form form;
  Timer Timer1{"Timer1"};                  // shot tick, 50 ms
  Timer Timer2{"Timer2"};                  // break-aim swing, 10 ms
  Timer timCom{"timCom"};                  // computer turn, 100 ms
  Timer timDemo{"timDemo"};                // title-screen idle count, 1 s
  Timer timTimeCounter{"timTimeCounter"};  // game clock, 1 s
  Timer timBGM{"timBGM"};                  // music, 500 ms

  // Ports; never null.
  Screen* screen = &nullScreen();
  Sound* sound = &nullSound();
  Audio* audio = &nullAudio();
  Random* random = nullptr;  // points at ownRandom unless a test or tool injects one

 private:
  ClockRandom ownRandom_;
};

}  // namespace velkor
