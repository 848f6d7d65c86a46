#include "records/vs_setup.h"

#include <algorithm>

#include "controls/shot_controls.h"
#include "platform/text.h"

namespace velkor {

namespace {
constexpr std::size_t kNameWidth = 12;
}  // namespace

void setPlayerName(GameState& g, int player, std::string_view name) {
  g.players.at(static_cast<std::size_t>(player)).name = fixedText(name, kNameWidth);
}

std::string gamesToWinText(Integer n) {
  return n == 1 ? "1 Win Match" : std::to_string(n) + "Wins Match";
}

VsSetupWindow frmChangeVsMode_Form_Load(GameState& g, const ScreenMetrics& screen) {
  VsSetupWindow w;
  w.place = centreOnMainWindow(g, screen, kVsSetupClientWidth, kVsSetupClientHeight);
  for (std::size_t i = 0; i < 2; ++i) w.names[i] = trimBlanks(g.players[i].name);
  w.winsText = gamesToWinText(g.gamesToWin);
  // A value outside the bar's range would not stand on it; the bar takes its nearest end.
  frmChangeVsMode_VScroll1_Change(g, w, g.gamesToWin);
  w.name1Enabled = w.names[1] != "quib";
  return w;
}

void frmChangeVsMode_VScroll1_Change(GameState& g, VsSetupWindow& w, Integer value) {
  w.scrollValue = std::clamp(value, kGamesToWinBottom, kGamesToWinTop);
  g.gamesToWin = w.scrollValue;
  w.winsText = gamesToWinText(w.scrollValue);
}

void frmChangeVsMode_picOK_Click(GameState& g, VsSetupWindow& w) {
  g.gameMode = modeVersus;
  setPlayerName(g, 0, blankControlChars(w.names[0]));
  setPlayerName(g, 1, blankControlChars(w.names[1]));
  g.players[0].isBreaker = true;
  g.players[1].isBreaker = false;
  g.players[0].gamesWon = 0;
  g.players[1].gamesWon = 0;
  g.form.setCaption(Ctl::mnuChangeMode, "対戦→独り撞き(&S)");
  g.form.setFontSize(Ctl::cmdShot, 12);
  g.form.setCaption(Ctl::cmdShot, shotOwnerCaption(trimBlanks(g.players[0].name)));
  g.form.setFontName(Ctl::cmdShot, "Arial");
  g.form.setFontBold(Ctl::cmdShot, true);
  w.accepted = true;
  w.open = false;
}

void frmChangeVsMode_picCancel_Click(GameState& g, VsSetupWindow& w) {
  g.vsComputer = false;
  setSoloMode(g);
  g.gameMode = modeMenu;
  w.open = false;
}

}  // namespace velkor
