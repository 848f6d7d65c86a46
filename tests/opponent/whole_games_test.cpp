// Whole games with the computer on the virtual clock: a demonstration from the title timer
// back to the title menu, matches against the computer played to their end by the autopilot,
// and the demonstration soak with the checks that hold between any two timer ticks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "engine/game_modes.h"
#include "engine/shot_rules.h"
#include "engine/table_model.h"
#include "opponent/computer_turn.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "screen/logic/timer_handlers.h"
#include "support/fake_screen.h"
#include "support/temp_folder.h"
#include "tools/sim/demo_games.h"
#include "tools/sim/sim.h"

namespace velkor {
namespace {

TEST(WholeGames, DemonstrationStartsFromTheTitleTimerPlaysBothSidesAndReturnsToTheMenu) {
  testing::Fixture f;
  GameState& g = f.g;
  sim::SeededRandom random(7);
  g.random = &random;
  bindTimerHandlers(g);
  initPocketTable(g);
  sim::GameClock gameClock(g);
  VirtualClock& clock = gameClock.clock();
  returnToMenu(g);
  f.screen.calls.clear();

  ASSERT_TRUE(clock.runUntil([&] { return g.gameMode == modeDemo; }, 40000));
  EXPECT_EQ(clock.now(), 31000) << "the 31st second on the title menu";
  EXPECT_FALSE(g.form[Ctl::picMenu].visible);

  bool shooting = false;
  int shotsBy[2] = {0, 0};
  ASSERT_TRUE(clock.runUntil(
      [&] {
        if (g.Timer1.enabled() && !shooting) ++shotsBy[getTurnPlayerIndex(g, g.turnCount)];
        shooting = g.Timer1.enabled();
        return g.gameMode != modeDemo;
      },
      4LL * 3600 * 1000))
      << "the rack is played to its 9-ball";
  EXPECT_EQ(g.gameMode, modeMenu);
  EXPECT_TRUE(g.form[Ctl::picMenu].visible);
  EXPECT_FALSE(g.timCom.enabled());
  EXPECT_EQ(g.comStep, 0);
  EXPECT_TRUE(g.breakPending) << "a new rack waits under the title menu";
  EXPECT_GT(shotsBy[0], 0);
  EXPECT_GT(shotsBy[0] + shotsBy[1], 1);
  EXPECT_TRUE(f.screen.callsStartingWith("message").empty());
  EXPECT_TRUE(f.screen.callsStartingWith("window").empty());
  EXPECT_EQ(trimBlanks(g.players[1].name), "quib");
}

// Runs one velkor-sim command line on a scenario that is already going.
void exec(sim::Sim& s, const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  const sim::Command& c = sim::commands().at(words.at(0));
  c.parse(sim::Args({words.begin() + 1, words.end()}))(s);
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

class MatchAgainstTheComputer : public ::testing::TestWithParam<int> {};

TEST_P(MatchAgainstTheComputer, AutopilotPlaysItToTheEndAndTheLevelIsSavedBeforeTheRanking) {
  const int gamesToWin = GetParam();
  testing::TempFolder folder;
  std::ostringstream out;
  sim::Sim s(out);
  exec(s, "inidir " + folder.dir());
  exec(s, "mode versuscpu");
  exec(s, "gamestowin " + std::to_string(gamesToWin));
  exec(s, "autopilot on");
  const std::string score = folder.file("VKSCORE.INI");
  // The score file is first written at the end of the match.
  int seconds = 0;
  for (; seconds < 6 * 3600 && !std::filesystem::exists(score); ++seconds) exec(s, "clock 1");
  ASSERT_TRUE(std::filesystem::exists(score)) << "the match ends";

  int wins[2] = {0, 0};
  std::vector<std::string> windows;
  for (const std::string& l : linesOf(out.str())) {
    if (l == "message You are Winner!") ++wins[0];
    if (l == "message quib is Winner!") ++wins[1];
    if (l.rfind("window ", 0) == 0) windows.push_back(l);
  }
  ASSERT_EQ(std::max(wins[0], wins[1]), gamesToWin);
  ASSERT_LT(std::min(wins[0], wins[1]), gamesToWin);
  EXPECT_EQ(std::count(windows.begin(), windows.end(), "window frmVsResult"),
            wins[0] + wins[1]);
  const bool humanWon = wins[0] == gamesToWin;
  EXPECT_EQ(getPrivateProfileInt("QUIB", "LV", -9, score), 1);
  EXPECT_EQ(getPrivateProfileInt("QUIB", "PG", -9, score), humanWon ? 1 : 0);
  EXPECT_EQ(s.g.quibProgress, humanWon ? 1 : 0);
  EXPECT_EQ(s.g.players[0].gamesWon + s.g.players[1].gamesWon, 0) << "a new match stands";
  EXPECT_TRUE(s.g.players[0].isBreaker);
  EXPECT_EQ(s.g.gameMode, modeVersus);
}

INSTANTIATE_TEST_SUITE_P(ToOneAndToThree, MatchAgainstTheComputer, ::testing::Values(1, 3));

// --- The demonstration soak ---------------------------------------------------------

// Games per level; the full soak sets VELKOR_DEMO_SOAK_GAMES (scripts/demo_soak.sh).
long soakGames() {
  if (const char* n = std::getenv("VELKOR_DEMO_SOAK_GAMES")) return std::max(1L, std::atol(n));
#if defined(__SANITIZE_ADDRESS__)
  return 20;
#else
  return 100;
#endif
}

// What holds between any two timer ticks of a demonstration; empty when all is well.
std::string checkDemoTick(const GameState& g) {
  if (g.gameMode != modeDemo) return "left the demonstration in the middle of a tick";
  if (g.Timer1.enabled() && g.timCom.enabled()) return "a turn paced while a shot runs";
  if (g.comStep < 0 || g.comStep >= kComTurnTicks) return "comStep outside the turn";
  if (!g.timCom.enabled() && g.comStep != 0) return "comStep kept after the turn";
  if (g.timCom.enabled() && g.comStep > 0 &&
      (g.form[Ctl::cmdShot].enabled || g.form[Ctl::HScroll1].enabled ||
       g.form[Ctl::picSetPoint].enabled)) {
    return "shot controls live in the computer's turn";
  }
  if (!g.form[Ctl::picPool].enabled) return "the table locked in the demonstration";
  if (!g.Timer1.enabled() && !g.timCom.enabled()) return "nobody on turn";
  const Integer power = g.form[Ctl::HScroll1].value;
  if (power < 35 || power > 100) return "power outside 35..100";
  for (int i = 0; i <= 9; ++i) {
    const BallRecord& b = g.balls[static_cast<std::size_t>(i)];
    const std::string ball = "ball " + std::to_string(i) + ": ";
    for (Single v : {b.x, b.y, b.vx, b.vy, b.speed, b.direction}) {
      if (!std::isfinite(v)) return ball + "not a finite number";
    }
    if (!b.onTable && b.speed != 0) return ball + "pocketed but moving";
    if (g.Timer1.enabled()) continue;
    if (b.speed != 0) return ball + "moving between shots";
    if (b.onTable && (b.x < 50 || b.x > 2350 || b.y < 50 || b.y > 1150)) {
      return ball + "at rest beyond a cushion line";
    }
  }
  if (!g.Timer1.enabled() && !g.balls[0].onTable) return "the cue ball off the table between shots";
  return {};
}

// Counts what would stop a demonstration: a message or a window.
class WindowCounter : public Screen {
 public:
  void showMessageBox(const std::string&) override { ++shown; }
  void showStandardMessage(const std::string&) override { ++shown; }
  void showModal(Window) override { ++shown; }
  long shown = 0;
};

class DemoSoak : public ::testing::TestWithParam<int> {};

TEST_P(DemoSoak, EveryDemonstrationGameEndsAndKeepsItsInvariantsOnEveryTick) {
  const auto level = static_cast<Integer>(GetParam());
  const long games = soakGames();
  GameState g;
  WindowCounter screen;
  g.screen = &screen;
  sim::SeededRandom random(1000 + static_cast<std::uint64_t>(level));
  g.random = &random;
  bindTimerHandlers(g);
  std::string failure;
  long ticks = 0;
  const sim::DemoTally tally = sim::playDemoRacks(g, level, games, 1000, [&](const GameState& s) {
    ++ticks;
    if (failure.empty()) {
      const std::string why = checkDemoTick(s);
      if (!why.empty()) failure = "tick " + std::to_string(ticks) + ": " + why;
    }
  });
  EXPECT_TRUE(failure.empty()) << failure;
  EXPECT_EQ(tally.racks, games);
  EXPECT_EQ(tally.unfinished, 0) << "of those cut off, " << tally.repeating
                                 << " repeated one foul from one table";
  EXPECT_EQ(screen.shown, 0) << "the demonstration shows no message and no window";
  EXPECT_EQ(g.gameMode, modeMenu);
  RecordProperty("shots", std::to_string(tally.shots));
}

INSTANTIATE_TEST_SUITE_P(Levels, DemoSoak, ::testing::Values(1, 6, 11));

}  // namespace
}  // namespace velkor
