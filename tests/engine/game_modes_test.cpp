#include "engine/game_modes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "controls/shot_controls.h"
#include "engine/shot_rules.h"
#include "engine/table_model.h"
#include "platform/text.h"
#include "records/vs_setup.h"
#include "screen/logic/menu_handlers.h"
#include "screen/logic/timer_handlers.h"
#include "support/fake_screen.h"

namespace velkor {
namespace {

using testing::Fixture;

constexpr const char* kSoloToVersus = "独り撞き→対戦(&M)";
constexpr const char* kVersusToSolo = "対戦→独り撞き(&S)";

class GameModes : public ::testing::Test, public Fixture {
 protected:
  // As the main window's start-up leaves the game: the title menu over a fresh rack.
  GameModes() {
    bindTimerHandlers(g);
    initPocketTable(g);
    setSoloMode(g);
    setVsPlayerNames(g);
    g.vsComputer = true;
    returnToMenu(g);
  }

  void expectSoloCaptions() {
    EXPECT_EQ(g.form[Ctl::mnuChangeMode].caption, kSoloToVersus);
    EXPECT_EQ(g.form[Ctl::cmdShot].caption, "SHOT!");
    EXPECT_EQ(g.form[Ctl::cmdShot].fontName, "Arial");
    EXPECT_TRUE(g.form[Ctl::cmdShot].fontBold);
    EXPECT_EQ(g.form[Ctl::cmdShot].fontSize, 24);
  }

  // The title screen's versus buttons, up to the set-up window.
  void chooseMatch(bool computer) {
    if (computer) {
      setVsCpuPlayerNames(g);
    } else {
      setVsPlayerNames(g);
    }
    g.vsComputer = computer;
    startVsGame(g);
  }
};

TEST_F(GameModes, StartUpEndsOnTheTitleMenuWithTheTwoPlayerDefaults) {
  EXPECT_EQ(g.gameMode, modeMenu);
  EXPECT_TRUE(g.form[Ctl::picMenu].visible);
  EXPECT_TRUE(g.timDemo.enabled());
  EXPECT_FALSE(g.Timer1.enabled());
  EXPECT_FALSE(g.timCom.enabled());
  EXPECT_TRUE(g.Timer2.enabled()) << "the rack's break-aim swing";
  EXPECT_EQ(g.players[0].name, "Player1     ");
  EXPECT_EQ(g.players[1].name, "Player2     ");
  EXPECT_EQ(g.gamesToWin, 3);
  expectSoloCaptions();
  EXPECT_TRUE(g.form[Ctl::mnuStart].enabled);
}

TEST_F(GameModes, MatchAgainstTheComputerStartsAsYouAgainstQuib) {
  Integer modeDuringSetUp = -1;
  screen.onModal = [&](Window w) {
    ASSERT_EQ(w, Window::frmChangeVsMode);
    modeDuringSetUp = g.gameMode;
    acceptVsSetupDefaults(g);
  };
  g.players[1].gamesWon = 2;
  chooseMatch(true);
  EXPECT_EQ(modeDuringSetUp, modeVersus);
  EXPECT_EQ(g.gameMode, modeVersus);
  EXPECT_EQ(trimBlanks(g.players[0].name), "You");
  EXPECT_EQ(trimBlanks(g.players[1].name), "quib");
  EXPECT_EQ(g.gamesToWin, 3);
  EXPECT_TRUE(g.vsComputer);
  EXPECT_TRUE(g.players[0].isBreaker);
  EXPECT_FALSE(g.players[1].isBreaker);
  EXPECT_EQ(g.players[1].gamesWon, 0);
  EXPECT_FALSE(g.form[Ctl::picMenu].visible);
  EXPECT_FALSE(g.form[Ctl::mnuStart].enabled);
  EXPECT_TRUE(g.breakPending);
  EXPECT_EQ(g.form[Ctl::mnuChangeMode].caption, kVersusToSolo);
  EXPECT_EQ(g.form[Ctl::cmdShot].caption, "Your Shot");
  EXPECT_EQ(g.form[Ctl::cmdShot].fontSize, 12);
}

TEST_F(GameModes, NamesTypedAtSetUpStayForTheNextMatchFromTheMenuItem) {
  screen.onModal = [&](Window) {
    setPlayerName(g, 0, "Kenji");
    g.gamesToWin = 5;
    acceptVsSetupDefaults(g);
  };
  chooseMatch(true);
  EXPECT_EQ(g.form[Ctl::cmdShot].caption, "Kenji's Shot");

  // Back to solo and, through the menu item, into a match again: nothing is reset.
  setSoloMode(g);
  screen.onModal = [&](Window) { acceptVsSetupDefaults(g); };
  startVsGame(g);
  EXPECT_EQ(g.gameMode, modeVersus);
  EXPECT_EQ(trimBlanks(g.players[0].name), "Kenji");
  EXPECT_EQ(trimBlanks(g.players[1].name), "quib");
  EXPECT_EQ(g.gamesToWin, 5);
  EXPECT_TRUE(g.vsComputer);
}

TEST_F(GameModes, SetUpOkStoresTheNamesAsItsBoxesShowThemTrimmed) {
  // A name typed with leading blanks last time: the boxes open on the trimmed names, and an
  // OK at once stores what they show.
  setPlayerName(g, 0, "  Ann");
  setPlayerName(g, 1, " Bo ");
  acceptVsSetupDefaults(g);
  EXPECT_EQ(g.players[0].name, "Ann         ");
  EXPECT_EQ(g.players[1].name, "Bo          ");
  EXPECT_EQ(g.form[Ctl::cmdShot].caption, "Ann's Shot");
}

TEST_F(GameModes, CancellingTheSetUpLeavesSoloCaptionsAndTheTitleMenu) {
  for (bool computer : {true, false}) {
    screen.onModal = [&](Window) { cancelVsSetup(g); };
    g.form.setVisible(Ctl::picMenu, false);
    g.timDemo.setEnabled(false);
    chooseMatch(computer);
    EXPECT_EQ(g.gameMode, modeMenu) << computer;
    EXPECT_FALSE(g.vsComputer);
    EXPECT_TRUE(g.form[Ctl::picMenu].visible);
    EXPECT_TRUE(g.timDemo.enabled());
    EXPECT_TRUE(g.form[Ctl::mnuStart].enabled);
    expectSoloCaptions();
  }
}

TEST_F(GameModes, ReturningToTheMenuRacksAndStopsTheShotButNotTheClock) {
  setSoloMode(g);
  mnuStart_click(g);
  g.Timer1.setEnabled(true);
  g.timCom.setEnabled(true);
  g.timTimeCounter.setEnabled(true);
  g.balls[3].onTable = false;
  setPlayerName(g, 0, "Ann");
  g.gamesToWin = 7;
  returnToMenu(g);
  EXPECT_EQ(g.gameMode, modeMenu);
  EXPECT_FALSE(g.Timer1.enabled());
  EXPECT_FALSE(g.timCom.enabled());
  EXPECT_TRUE(g.timDemo.enabled());
  EXPECT_TRUE(g.timTimeCounter.enabled());
  EXPECT_TRUE(g.balls[3].onTable);
  EXPECT_TRUE(g.breakPending);
  EXPECT_TRUE(g.form[Ctl::picMenu].visible);
  EXPECT_EQ(trimBlanks(g.players[0].name), "Ann");
  EXPECT_EQ(g.gamesToWin, 7);
}

TEST_F(GameModes, DemonstrationAlwaysPitsYouAgainstQuib) {
  setPlayerName(g, 0, "Kenji");
  setPlayerName(g, 1, "Mia");
  g.vsComputer = false;
  g.players[1].isBreaker = true;
  g.players[0].gamesWon = 2;
  g.gamesToWin = 9;
  g.form.move(Ctl::shpPoint, 3, 30);
  startDemo(g);
  EXPECT_EQ(g.gameMode, modeDemo);
  EXPECT_TRUE(g.vsComputer);
  EXPECT_EQ(g.players[0].name, "You         ");
  EXPECT_EQ(g.players[1].name, "quib        ");
  EXPECT_TRUE(g.players[0].isBreaker);
  EXPECT_FALSE(g.players[1].isBreaker);
  EXPECT_EQ(g.players[0].gamesWon, 0);
  EXPECT_EQ(g.gamesToWin, 9) << "a demonstration is one game; the match length stays";
  EXPECT_EQ(g.form[Ctl::cmdShot].caption, "DEMO");
  EXPECT_EQ(g.form[Ctl::cmdShot].fontSize, 12);
  EXPECT_TRUE(g.form[Ctl::cmdShot].fontBold);
  EXPECT_TRUE(g.timCom.enabled()) << "the computer breaks";
  EXPECT_FALSE(g.form[Ctl::picMenu].visible);
  EXPECT_EQ(g.form[Ctl::shpPoint].left, 20);
  EXPECT_EQ(g.form[Ctl::shpPoint].top, 20);
  EXPECT_TRUE(g.breakPending);
}

// The transitions between the modes, each from the state the previous one leaves.
struct Transition {
  const char* label;
  std::function<void(GameState&, testing::FakeScreen&)> event;
  Integer expected;
};

TEST_F(GameModes, ModesFollowTheirTransitions) {
  const Transition steps[] = {
      {"solo button", [](GameState& s, testing::FakeScreen&) {
         setSoloMode(s);
         mnuStart_click(s);
       }, modeSolo},
      {"menu item to versus, OK", [](GameState& s, testing::FakeScreen& f) {
         f.onModal = [&s](Window) { acceptVsSetupDefaults(s); };
         startVsGame(s);
       }, modeVersus},
      {"menu item back to solo", [](GameState& s, testing::FakeScreen&) { setSoloMode(s); },
       modeSolo},
      {"menu item to versus, Cancel", [](GameState& s, testing::FakeScreen& f) {
         f.onModal = [&s](Window) { cancelVsSetup(s); };
         startVsGame(s);
       }, modeMenu},
      {"idle title screen", [](GameState& s, testing::FakeScreen&) { startDemo(s); }, modeDemo},
      {"9-ball in the demonstration", [](GameState& s, testing::FakeScreen&) {
         s.breakPending = false;
         s.balls[9].onTable = false;
         s.shotPocketedCount = 1;
         s.shotPocketed[0] = 9;
         s.firstHit = s.targetBall = 1;
         s.Timer1.setEnabled(true);
         s.Timer1.fire();
       }, modeMenu},
  };
  for (const Transition& t : steps) {
    t.event(g, screen);
    EXPECT_EQ(g.gameMode, t.expected) << t.label;
  }
}

}  // namespace
}  // namespace velkor
