#include "screen/logic/game_menu.h"

namespace velkor {

void changGameMenu(GameState& g) {
  const bool solo = g.gameMode == modeSolo;
  const bool match = g.gameMode == modeVersus || g.gameMode == modeDemo;
  g.form.setVisible(Ctl::lblMenu0, solo || match);
  g.form.setVisible(Ctl::lblMenu1, solo);
  g.form.setVisible(Ctl::lblMenu2, solo);
}

}  // namespace velkor
