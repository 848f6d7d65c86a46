// The main window's menu bar: every item mirrors its control of g.form (caption, enabled,
// visible, check mark) and runs the game's handler; F2 starts a new rack, F1 opens the help.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <map>

#include "engine/game_state.h"

namespace velkor {

class GameMenuBar {
 public:
  // Fills menuBar with the game's menus.
  GameMenuBar(GameState& g, QMenuBar* menuBar);

  bool mirrors(Ctl c) const { return actions_.count(c) != 0; }
  void sync(Ctl c);
  void syncAll();
  QAction* action(Ctl c) const;

 private:
  QMenu* addMenu(Ctl c);
  QAction* addItem(QMenu* menu, Ctl c, void (*handler)(GameState&), QKeySequence key = {});
  void track(Ctl c, QAction* a) { actions_[c] = a; }

  GameState& g_;
  QMenuBar* bar_;
  std::map<Ctl, QAction*> actions_;
  std::map<Ctl, QMenu*> menus_;
};

}  // namespace velkor
