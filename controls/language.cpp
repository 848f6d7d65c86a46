#include "controls/language.h"

#include <cstdlib>
#include <string_view>

namespace velkor {

bool isJapanese() {
  // The C library's order: the first of these that is set and non-empty decides.
  for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* v = std::getenv(var);
    if (v && *v) return std::string_view(v).substr(0, 2) == "ja";
  }
  return false;
}

std::string getLangText(const GameState& g, const std::string& japanese,
                        const std::string& english) {
  return g.japaneseUI ? japanese : english;
}

}  // namespace velkor

namespace velkor {

void showLangMsgBox(GameState& g, const std::string& japanese, const std::string& english) {
  g.screen->showStandardMessage(getLangText(g, japanese, english));
}

const std::array<MenuCaption, 12>& menuCaptions() {
  static const std::array<MenuCaption, 12> captions{{
      {Ctl::mnuGame, "ゲーム(&G)", "&Game"},
      {Ctl::mnuStart, "スタート(&S)", "&Start"},
      {Ctl::mnuRetry, "一手戻し", "Back"},
      {Ctl::mnuRecord, "独り撞き成績", "Record"},
      {Ctl::mnuVS, "対戦成績", "VS Record"},
      {Ctl::mnuExit, "終了(&X)", "E&xit"},
      {Ctl::mnuChangeMode, "独り撞き\u2192対戦(&M)", "Solo->VS"},
      {Ctl::mnuOption, "\uFF75\uFF8C\uFF9F\uFF7C\uFF6E\uFF9D(&O)", "&Option"},
      {Ctl::mnuSound, "効果音", "&Sound"},
      {Ctl::mnuHelp, "ヘルプ(&H)", "&Help"},
      {Ctl::mnuHelpCont, "目次", "Contents"},
      {Ctl::mnuAbout, "バージョン情報...(&V)", "&Version..."},
  }};
  return captions;
}

void setMenuCaptions(GameState& g) {
  for (const MenuCaption& c : menuCaptions()) {
    g.form.setCaption(c.item, g.japaneseUI ? c.japanese : c.english);
  }
}

}  // namespace velkor
