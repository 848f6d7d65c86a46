#include "screen/logic/startup.h"

#include "controls/language.h"
#include "controls/shot_controls.h"
#include "engine/game_modes.h"
#include "engine/rack.h"
#include "engine/table_model.h"
#include "platform/profile.h"
#include "records/quib_level.h"
#include "records/record_tables.h"
#include "screen/logic/pic_color_click.h"
#include "sound/init_bgm_table.h"
#include "sound/sound_switches.h"

namespace velkor {

namespace {
void debugMessage(GameState& g, int pass) {
  if (g.debugMode) g.screen->showStandardMessage("Pass " + std::to_string(pass) + " !");
}
}  // namespace

bool Form_Load(GameState& g, const StartupEnv& env) {
  g.debugMode = hasSwitch(env.commandLine, "/debug");  // "/nomidi" is accepted and ignored
  g.japaneseUI = isJapanese();
  debugMessage(g, 1);
  if (env.anotherCopyRunning && env.anotherCopyRunning()) {
    showLangMsgBox(g, kSecondCopyJapanese, kSecondCopyEnglish);
    return false;
  }
  debugMessage(g, 2);
  debugMessage(g, 3);

  const std::string settings = settingsFilePath(g.iniDir);
  g.startHiColor = getProfileInteger(kSettingsSection, "HiColor", -1, settings);
  if (g.startHiColor != -1) {
    g.screen->loadPicture(Picture::picTable, "vk256.bmp");
    g.screen->loadPicture(Picture::picMenu, "vkmnu256.bmp");
    g.screen->copyCueBallImage();
  }
  debugMessage(g, 4);

  setMenuCaptions(g);
  g.Timer1.setInterval(50);
  g.timDemo.setInterval(1000);
  g.timDemo.setEnabled(false);
  g.twipsPerPixelX = env.frame.twipsPerPixelX;
  g.twipsPerPixelY = env.frame.twipsPerPixelY;
  setControlLayout(g, env.frame);
  centreWindow(g, env.screenWidthTwips, env.screenHeightTwips);
  // The main window stays hidden: the opening window shows it when it closes.
  debugMessage(g, 5);
  debugMessage(g, 6);
  g.screen->showOpeningWindow();
  debugMessage(g, 7);

  g.breakPending = true;
  g.form.setCaption(Ctl::MFVELKOR, std::string("VELKOR Ver.") + kVersion);

  initPocketTable(g);
  g.screen->loadBallSprites();
  setSoloMode(g);
  setVsPlayerNames(g);
  g.vsComputer = true;
  loadQuibLevel(g);

  g.soundOn = getProfileInteger(kSettingsSection, "SOUND", 1, settings);
  g.bgmOn = getProfileInteger(kSettingsSection, "BGM", -1, settings);
  picBGM_Click(g, g.bgmOn != 0 ? 1 : 0);
  picSound_Click(g, g.soundOn == 1 ? 1 : 0);
  picColor_Click(g, g.startHiColor != 0 ? 1 : 0);
  g.form.setChecked(Ctl::mnuSound, g.soundOn != 0);

  g.scaleX = 480.0f / 2400;
  g.scaleY = 240.0f / 1200;
  g.ballDiameterPx = 20;
  g.form.setFontName(Ctl::lblQuibsMessage, g.japaneseUI ? "ＭＳ ゴシック" : "Arial");
  for (Ctl marker : {Ctl::shpTarget, Ctl::shpQBall}) {
    g.form.setHeight(marker, g.ballDiameterPx);
    g.form.setWidth(marker, g.ballDiameterPx);
  }

  setUpRack(g);
  startRack(g);

  // The records screen covers the whole client area; the outer size is held in twips.
  const ControlProps& window = g.form[Ctl::MFVELKOR];
  g.form.move(Ctl::picScore, 0, 0);
  g.form.setWidth(Ctl::picScore, window.width / static_cast<Single>(env.frame.twipsPerPixelX));
  g.form.setHeight(Ctl::picScore, window.height / static_cast<Single>(env.frame.twipsPerPixelY));

  debugMessage(g, 8);
  loadSoloRecord(g);
  debugMessage(g, 9);
  loadVsCpuRecord(g);
  returnToMenu(g);
  initBgmTable(g);
  debugMessage(g, 10);
  return true;
}

}  // namespace velkor
