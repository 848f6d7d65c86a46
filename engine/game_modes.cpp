#include "engine/game_modes.h"

#include "controls/shot_controls.h"
#include "engine/rack.h"
#include "platform/text.h"
#include "records/vs_setup.h"

namespace velkor {

namespace {
constexpr std::size_t kNameWidth = 12;

void setShotButton(GameState& g, const std::string& caption, Single size) {
  g.form.setCaption(Ctl::cmdShot, caption);
  g.form.setFontName(Ctl::cmdShot, "Arial");
  g.form.setFontBold(Ctl::cmdShot, true);
  g.form.setFontSize(Ctl::cmdShot, size);
}
}  // namespace

void setPlayerName(GameState& g, int player, std::string_view name) {
  g.players.at(static_cast<std::size_t>(player)).name = fixedText(name, kNameWidth);
}

void setSoloMode(GameState& g) {
  g.gameMode = modeSolo;
  g.form.setCaption(Ctl::mnuChangeMode, "独り撞き→対戦(&M)");
  g.form.setEnabled(Ctl::mnuStart, true);
  setShotButton(g, "SHOT!", 24);
}

void startVsGame(GameState& g) {
  g.gameMode = modeVersus;
  g.screen->showModal(Window::frmChangeVsMode);
  if (g.gameMode == modeVersus) {
    g.form.setEnabled(Ctl::mnuStart, false);
    startRack(g);
    g.form.setVisible(Ctl::picMenu, false);
  } else {
    returnToMenu(g);
  }
}

void returnToMenu(GameState& g) {
  startRack(g);
  switchComputerTurn(g, false);
  g.Timer1.setEnabled(false);
  g.timDemo.setEnabled(true);
  g.form.setVisible(Ctl::picMenu, true);
  g.gameMode = modeMenu;
}

void startDemo(GameState& g) {
  g.gameMode = modeDemo;
  centreSpinMarker(g);
  g.form.setVisible(Ctl::picMenu, false);
  startRack(g);
  g.vsComputer = true;
  setPlayerName(g, 0, "You");
  setPlayerName(g, 1, "quib");
  g.players[0].isBreaker = true;
  g.players[1].isBreaker = false;
  g.players[0].gamesWon = 0;
  g.players[1].gamesWon = 0;
  setShotButton(g, "DEMO", 12);
  switchComputerTurn(g, true);
}

void setVsPlayerNames(GameState& g) {
  setPlayerName(g, 0, "Player1");
  setPlayerName(g, 1, "Player2");
  g.gamesToWin = 3;
}

void setVsCpuPlayerNames(GameState& g) {
  setPlayerName(g, 0, "You");
  setPlayerName(g, 1, "quib");
  g.gamesToWin = 3;
}

void acceptVsSetupDefaults(GameState& g) {
  VsSetupWindow w = frmChangeVsMode_Form_Load(g, ScreenMetrics{});
  frmChangeVsMode_picOK_Click(g, w);
}

void cancelVsSetup(GameState& g) {
  VsSetupWindow w = frmChangeVsMode_Form_Load(g, ScreenMetrics{});
  frmChangeVsMode_picCancel_Click(g, w);
}

}  // namespace velkor
