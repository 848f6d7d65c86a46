#include "screen/logic/pic_color_click.h"

#include "platform/profile.h"
#include "platform/text.h"
#include "screen/logic/startup.h"

namespace velkor {

void picColor_Click(GameState& g, Integer index) {
  const Integer before = g.hiColor;
  const bool builtIn = index != 0;
  g.form.setVisible(Ctl::picColor0, builtIn);
  g.form.setVisible(Ctl::picColor1, !builtIn);
  g.hiColor = builtIn ? -1 : 0;
  writePrivateProfileString(kSettingsSection, "HiColor", signedNumberText(g.hiColor),
                            settingsFilePath(g));
  if (g.form[Ctl::MFVELKOR].visible && g.hiColor != before) {
    g.screen->showStandardMessage(g.hiColor == -1
                                      ? "色数をTrue Colorに変更します。次回起動から有効です。"
                                      : "色数を256色に変更します。次回起動から有効です。");
  }
}

}  // namespace velkor
