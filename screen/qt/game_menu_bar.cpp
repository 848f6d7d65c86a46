#include "screen/qt/game_menu_bar.h"

#include "screen/logic/menu_handlers.h"
#include "sound/sound_switches.h"

namespace velkor {

GameMenuBar::GameMenuBar(GameState& g, QMenuBar* menuBar) : g_(g), bar_(menuBar) {
  QMenu* game = addMenu(Ctl::mnuGame);
  addItem(game, Ctl::mnuStart, mnuStart_click, QKeySequence(Qt::Key_F2));
  addItem(game, Ctl::mnuRetry, mnuRetry_Click);
  addItem(game, Ctl::mnuSep3, nullptr);
  addItem(game, Ctl::mnuRecord, nullptr);  // no action
  addItem(game, Ctl::mnuVS, nullptr);      // no action
  addItem(game, Ctl::mnuSep1, nullptr);
  addItem(game, Ctl::mnuExit, mnuExit_Click);
  addItem(nullptr, Ctl::mnuChangeMode, mnuChangeMode_Click);
  addItem(nullptr, Ctl::mnuCurrentCondition, mnuCurrentCondition_Click);
  QMenu* option = addMenu(Ctl::mnuOption);
  addItem(option, Ctl::mnuSound, mnuSound_Click)->setCheckable(true);
  QMenu* help = addMenu(Ctl::mnuHelp);
  addItem(help, Ctl::mnuHelpCont, mnuHelpCont_Click, QKeySequence(Qt::Key_F1));
  addItem(help, Ctl::mnuKey, mnuKey_Click);
  addItem(help, Ctl::mnuSep2, nullptr);
  addItem(help, Ctl::mnuAbout, mnuAbout_Click);
  syncAll();
}

QMenu* GameMenuBar::addMenu(Ctl c) {
  QMenu* m = bar_->addMenu(QString());
  m->setObjectName(controlName(c));
  menus_[c] = m;
  track(c, m->menuAction());
  return m;
}

QAction* GameMenuBar::addItem(QMenu* menu, Ctl c, void (*handler)(GameState&), QKeySequence key) {
  const bool separator = g_.form[c].caption == "-";
  QAction* a = separator ? (menu ? menu->addSeparator() : bar_->addSeparator())
                         : (menu ? menu->addAction(QString()) : bar_->addAction(QString()));
  a->setObjectName(controlName(c));
  if (!key.isEmpty()) {
    a->setShortcut(key);
    a->setShortcutContext(Qt::WindowShortcut);
  }
  // The form holds the truth: a checkable item shows what the handler left, not Qt's toggle.
  if (handler) {
    QObject::connect(a, &QAction::triggered, [this, handler, c] {
      handler(g_);
      sync(c);
    });
  }
  track(c, a);
  return a;
}

void GameMenuBar::sync(Ctl c) {
  QAction* a = action(c);
  if (!a) return;
  const ControlProps& p = g_.form[c];
  if (!a->isSeparator()) a->setText(QString::fromStdString(p.caption));
  a->setEnabled(p.enabled);
  a->setVisible(p.visible);
  if (a->isCheckable()) a->setChecked(p.checked);
}

void GameMenuBar::syncAll() {
  for (const auto& [c, a] : actions_) sync(c);
}

QAction* GameMenuBar::action(Ctl c) const {
  const auto it = actions_.find(c);
  return it == actions_.end() ? nullptr : it->second;
}

}  // namespace velkor
