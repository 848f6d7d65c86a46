#include "screen/logic/pic_color_click.h"

#include "platform/profile.h"
#include "platform/text.h"
#include "screen/logic/startup.h"

namespace velkor {

void picColor_Click(GameState& g, Integer index) {
  const Integer before = g.hiColor;
  const bool trueColor = index != 0;
  g.form.setVisible(Ctl::picColor0, trueColor);
  g.form.setVisible(Ctl::picColor1, !trueColor);
  g.hiColor = trueColor ? Integer{-1} : Integer{0};
  writePrivateProfileString(kSettingsSection, "HiColor", signedNumberText(g.hiColor),
                            settingsFilePath(g.iniDir));
  // Applying the stored setting at start-up, before the window shows, tells nothing.
  if (g.form[Ctl::MFVELKOR].visible && g.hiColor != before) {
    g.screen->showStandardMessage(trueColor ? "色数をTrue Colorに変更します。次回起動から有効です。"
                                            : "色数を256色に変更します。次回起動から有効です。");
  }
}

}  // namespace velkor
