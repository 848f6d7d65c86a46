#include "screen/logic/menu_handlers.h"

#include <array>
#include <limits>

#include "controls/shot_controls.h"
#include "engine/game_modes.h"
#include "engine/rack.h"
#include "engine/shot_rules.h"
#include "records/record_tables.h"
#include "screen/logic/game_menu.h"
#include "screen/logic/layout.h"
#include "screen/logic/startup.h"
#include "sound/music_scene.h"

namespace velkor {

namespace {

constexpr std::array<Ctl, 3> kMenuLabels = {Ctl::lblMenu0, Ctl::lblMenu1, Ctl::lblMenu2};

// The title buttons in the order in which they are switched off; each names its element 0.
constexpr std::array<Ctl, 5> kTitleButtons = {Ctl::picSoloPlay0, Ctl::picVSPlay0, Ctl::picVSCPU0,
                                              Ctl::picRecord0, Ctl::picExit0};

Ctl element1(Ctl element0) { return static_cast<Ctl>(static_cast<int>(element0) + 1); }

void setMenuLabelColors(GameState& g, int hovered) {
  for (int i = 0; i < 3; ++i) {
    g.form.setForeColor(kMenuLabels[static_cast<std::size_t>(i)],
                        i == hovered ? kHoverColor : kMenuLabelColor);
  }
}

// Moving onto a button's normal picture lights it; its lit picture, lying on top, ignores moves.
void hoverTitleButton(GameState& g, Ctl element0, Integer index) {
  if (index != 0) return;
  setAllMenuPicOff(g);
  g.form.setVisible(element1(element0), true);
}

void startMatchFromTitle(GameState& g, bool vsComputer, Integer scene) {
  if (vsComputer) {
    setVsCpuPlayerNames(g);
  } else {
    setVsPlayerNames(g);
  }
  g.vsComputer = vsComputer;
  g.form.setFontSize(Ctl::cmdShot, 12);
  g.form.setVisible(Ctl::lblQuibsMessage, false);
  startVsGame(g);
  changGameMenu(g);
  setBgmScene(g, scene);
}

}  // namespace

void mnuStart_click(GameState& g) { startNewGame(g); }

void mnuRetry_Click(GameState& g) { takeBackShot(g); }

// Both exits go through the unload handler, so the music devices are closed.
void mnuExit_Click(GameState& g) { Form_Unload(g); }

void mnuChangeMode_Click(GameState& g) {
  if (g.gameMode == modeSolo) {
    startVsGame(g);
  } else if (g.gameMode == modeVersus) {
    g.form.setEnabled(Ctl::mnuStart, true);
    setSoloMode(g);
    setUpRack(g);
    startRack(g);
  }
}

void mnuCurrentCondition_Click(GameState& g) {
  if (g.gameMode == modeSolo) {
    g.screen->showModal(Window::frmRecord);
  } else if (g.gameMode == modeVersus) {
    g.screen->showModal(Window::frmVsResult);
  }
}

void mnuHelpCont_Click(GameState& g) { g.screen->showHelp(kHelpFile, HelpKind::contents); }

void mnuKey_Click(GameState& g) { g.screen->showHelp(kHelpFile, HelpKind::keywordIndex); }

void mnuAbout_Click(GameState& g) { g.screen->showModal(Window::frmVersion); }

void lblMenu_Click(GameState& g, Integer index) {
  // The labels stay dead while the balls roll.
  if (g.Timer1.enabled() || index < 0 || index > 2) return;
  switch (index) {
    case 0:
      returnToMenu(g);
      setBgmScene(g, bgmMenu);
      break;
    case 1:
      startNewGame(g);
      break;
    default:
      // Before the break there is nothing to take back.
      if (!g.breakPending) {
        takeBackShot(g);
        g.screen->showInfomation();
      }
      break;
  }
  g.screen->drawTable();
}

void lblMenu_MouseMove(GameState& g, Integer index) {
  if (g.Timer1.enabled() || index < 0 || index > 2) return;
  setMenuLabelColors(g, index);
}

void Form_MouseMove(GameState& g) { setMenuLabelColors(g, -1); }

void picInfomation_MouseMove(GameState& g) { setMenuLabelColors(g, -1); }

void lblHelp_Click(GameState& g) { g.screen->openHelpPage(kHelpPage); }

void lblCopyright_Click(GameState& g, Integer) { g.screen->openHelpPage(kHelpPage); }

void lblHelp_MouseMove(GameState& g) { g.form.setForeColor(Ctl::lblHelp, kHoverColor); }

void lblExitScore_Click(GameState& g) {
  g.form.setVisible(Ctl::picScore, false);
  returnToMenu(g);
  setBgmScene(g, bgmMenu);
}

void picSoloPlay_Click(GameState& g, Integer) {
  centreSpinMarker(g);
  startRack(g);
  g.screen->showInfomation();
  g.form.setVisible(Ctl::picMenu, false);
  g.gameMode = modeSolo;
  g.form.setFontSize(Ctl::cmdShot, pixelsToPoints(25, g.twipsPerPixelY));
  g.form.setCaption(Ctl::cmdShot, kSoloPlayShotCaption);
  g.form.setVisible(Ctl::lblQuibsMessage, false);
  changGameMenu(g);
  setBgmScene(g, bgmSoloPlay);
}

void picVSCPU_Click(GameState& g, Integer) { startMatchFromTitle(g, true, bgmVSCPU); }

void picVSPlay_Click(GameState& g, Integer) { startMatchFromTitle(g, false, bgmVSPlay); }

void picExit_Click(GameState& g, Integer) { Form_Unload(g); }

void picRecord_Click(GameState& g, Integer) {
  // Opened from the title screen, no row is marked as the new entry.
  for (Integer i = 1; i <= 10; ++i) {
    g.soloRec[static_cast<std::size_t>(i)].Index = i;
    g.vsRec[static_cast<std::size_t>(i)].Index = i;
  }
  g.gameMode = modeRecords;
  g.form.setVisible(Ctl::picScore, true);
  setBgmScene(g, bgmRecord);
}

void picScore_Click(GameState& g) {
  g.form.setVisible(Ctl::picScore, false);
  g.bgmPrevScene = g.bgmScene;
  if (g.bgmScene == bgmRecord) g.bgmScene = bgmMenu;
}

void picSoloPlay_MouseMove(GameState& g, Integer index) {
  hoverTitleButton(g, Ctl::picSoloPlay0, index);
}
void picVSCPU_MouseMove(GameState& g, Integer index) { hoverTitleButton(g, Ctl::picVSCPU0, index); }
void picVSPlay_MouseMove(GameState& g, Integer index) {
  hoverTitleButton(g, Ctl::picVSPlay0, index);
}
void picExit_MouseMove(GameState& g, Integer index) { hoverTitleButton(g, Ctl::picExit0, index); }
void picRecord_MouseMove(GameState& g, Integer index) {
  hoverTitleButton(g, Ctl::picRecord0, index);
}

void picMenu_MouseMove(GameState& g) {
  setAllMenuPicOff(g);
  g.form.setForeColor(Ctl::lblHelp, kHelpLabelColor);
  g.gameMode = modeMenu;
}

void picMenu_DblClick(GameState& g) { loadSoloRecord(g); }

void setAllMenuPicOff(GameState& g) {
  for (Ctl c : kTitleButtons) {
    g.form.setVisible(c, true);
    g.form.setVisible(element1(c), false);
  }
}

void timDemo_Timer(GameState& g) {
  if (g.gameMode != modeMenu) {
    g.idleSeconds = 0;
    return;
  }
  if (g.idleSeconds < std::numeric_limits<Integer>::max()) ++g.idleSeconds;
  if (g.idleSeconds > kIdleSecondsBeforeDemo) {
    changGameMenu(g);  // still the menu mode: hides every label
    startDemo(g);
  }
}

}  // namespace velkor
