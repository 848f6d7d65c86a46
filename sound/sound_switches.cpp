#include "sound/sound_switches.h"

#include <string>

#include "platform/folders.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "sound/send_mci.h"

namespace velkor {

void mnuSound_Click(GameState& g) {
  g.soundOn = g.soundOn == 0 ? 1 : 0;
  g.form.setChecked(Ctl::mnuSound, g.soundOn != 0);
  writePrivateProfileString(kSettingsSection, "SOUND", signedNumberText(g.soundOn),
                            settingsFilePath(g.iniDir));
}

void picSound_Click(GameState& g, Integer index) {
  const bool on = index != 0;
  g.form.setVisible(Ctl::picSound0, on);
  g.form.setVisible(Ctl::picSound1, !on);
  g.soundOn = on ? 1 : 0;
  writePrivateProfileString(kSettingsSection, "SOUND", signedNumberText(g.soundOn),
                            settingsFilePath(g.iniDir));
}

void picBGM_Click(GameState& g, Integer index) {
  const bool on = index != 0;
  g.form.setVisible(Ctl::picBGM0, on);
  g.form.setVisible(Ctl::picBGM1, !on);
  if (on) {
    g.bgmScene = bgmMenu;
    g.bgmOn = -1;
    g.bgmPrevScene = bgmOff;
    g.timBGM.setEnabled(true);
  } else {
    g.bgmOn = 0;
    g.bgmPrevScene = g.bgmScene;
    g.bgmScene = bgmOff;
    g.timBGM.setEnabled(false);
    closeAllTracks(g);
  }
  writePrivateProfileString(kSettingsSection, "BGM", signedNumberText(g.bgmOn),
                            settingsFilePath(g.iniDir));
}

}  // namespace velkor
