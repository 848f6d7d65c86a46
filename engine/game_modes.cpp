#include "engine/game_modes.h"

#include "controls/shot_controls.h"
#include "engine/rack.h"
#include "records/vs_setup.h"

namespace velkor {

void startNewGame(GameState& g) {
  centreSpinMarker(g);
  startRack(g);
  g.form.setVisible(Ctl::picMenu, false);
  g.screen->showInfomation();  // as the Start label does: the old counts must not stay
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
