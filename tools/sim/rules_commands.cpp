// Commands of the rules group: game modes, players, shots played through the shot timer,
// take-back and the state of the game.
#include <ostream>

#include "controls/shot_controls.h"
#include "engine/game_modes.h"
#include "engine/shot_rules.h"
#include "engine/table_model.h"
#include "platform/text.h"
#include "records/vs_setup.h"
#include "screen/logic/menu_handlers.h"
#include "screen/logic/shot_controls.h"
#include "tools/sim/sim.h"

namespace velkor::sim {

namespace {

constexpr int kRunLimit = 10000;

// A match as the title screen's buttons start it; the set-up window takes the queued
// answer of a setup command, or OK at once.
void startMatch(Sim& s, bool againstComputer) {
  if (againstComputer) {
    setVsCpuPlayerNames(s.g);
  } else {
    setVsPlayerNames(s.g);
  }
  s.g.vsComputer = againstComputer;
  startVsGame(s.g);
}

// A typed or pasted text: '_' stands for a blank, and the escapes \n, \t and \\ for a line
// break, a tab and a backslash, which a script word cannot hold either.
std::string typedText(const std::string& w) {
  std::string out;
  for (std::size_t i = 0; i < w.size(); ++i) {
    if (w[i] == '_') {
      out += ' ';
    } else if (w[i] != '\\') {
      out += w[i];
    } else if (i + 1 < w.size() && (w[i + 1] == 'n' || w[i + 1] == 't' || w[i + 1] == '\\')) {
      ++i;
      out += w[i] == 'n' ? '\n' : w[i] == 't' ? '\t' : '\\';
    } else {
      throw ParseError{"unknown escape in '" + w + "' (\\n, \\t and \\\\ are known)"};
    }
  }
  return out;
}

void printState(Sim& s) {
  const GameState& g = s.g;
  s.out << "state " << g.gameMode << " " << g.turnCount << " " << g.shotCount << " "
        << g.foulCount << " " << flagValue(g.ballInHand) << " " << flagValue(g.breakPending)
        << " " << g.targetBall << "\n";
  for (std::size_t i = 0; i < g.players.size(); ++i) {
    const PlayerRecord& p = g.players[i];
    s.out << "player " << i << " \"" << trimBlanks(p.name) << "\" " << flagValue(p.isBreaker)
          << " " << p.gamesWon << "\n";
  }
}

}  // namespace

void addRulesCommands(CommandTable& t) {
  t["mode"] = {"mode solo|versus|versuscpu|demo|menu",
               "switches the game mode: solo starts a new rack; versus and versuscpu set the "
               "default names and show the match set-up window, answered by the last setup "
               "command or else with OK at once; demo starts the "
               "demonstration; menu returns to the title menu",
               [](const Args& a) -> Action {
                 a.expectCount(1, 1);
                 const std::string m =
                     a.choice(0, {"solo", "versus", "versuscpu", "demo", "menu"});
                 return [m](Sim& s) {
                   initPocketTable(s.g);  // as the program's start-up fills it
                   if (m == "solo") {
                     setSoloMode(s.g);
                     mnuStart_click(s.g);
                   } else if (m == "versus" || m == "versuscpu") {
                     startMatch(s, m == "versuscpu");
                   } else if (m == "demo") {
                     startDemo(s.g);
                   } else {
                     returnToMenu(s.g);
                   }
                 };
               }};
  t["names"] = {"names NAME0 NAME1",
                "sets the two players' names (12 characters, blank-padded or cut)",
                [](const Args& a) -> Action {
                  a.expectCount(2, 2);
                  const std::string n0 = a.word(0);
                  const std::string n1 = a.word(1);
                  return [n0, n1](Sim& s) {
                    setPlayerName(s.g, 0, n0);
                    setPlayerName(s.g, 1, n1);
                  };
                }};
  t["entername"] = {"entername NAME",
                    "the next name entry window receives NAME ('_' for a blank; \\n, \\t and \\\\ "
                    "for a line break, a tab and a backslash) and closes with OK; without it "
                    "the window closes with an empty box",
                    [](const Args& a) -> Action {
                      a.expectCount(1, 1);
                      std::string name = typedText(a.word(0));
                      return [name](Sim& s) { s.nextName = name; };
                    }};
  t["setup"] = {"setup NAME0 NAME1 WINS ok|cancel",
                "the next match set-up window runs its load, gets NAME0 and NAME1 typed into "
                "its boxes ('_' for a blank; \\n, \\t and \\\\ for a line break, a tab and a "
                "backslash; 12 characters at most; a disabled box keeps its "
                "name) and its scroll bar set to WINS (1..15), and closes with OK or Cancel",
                [](const Args& a) -> Action {
                  a.expectCount(4, 4);
                  SetupAnswer answer{typedText(a.word(0)), typedText(a.word(1)),
                                     static_cast<Integer>(a.integer(2, 1, 15)),
                                     a.choice(3, {"ok", "cancel"}) == "ok"};
                  return [answer](Sim& s) { s.nextSetup = answer; };
                }};
  t["shot"] = {"shot", "presses the shot button with the current aim, power and spin",
               [](const Args& a) -> Action {
                 a.expectCount(0, 0);
                 return [](Sim& s) { cmdShot_Click(s.g); };
               }};
  t["tick"] = {"tick [K]",
               "fires the shot timer K times (default 1); a tick while no shot runs does nothing",
               [](const Args& a) -> Action {
                 a.expectCount(0, 1);
                 const long k = a.size() == 1 ? a.integer(0, 0, kRunLimit) : 1;
                 return [k](Sim& s) {
                   for (long i = 0; i < k; ++i) s.g.Timer1.fire();
                 };
               }};
  t["run"] = {"run",
              "fires the shot timer until the shot and its rules are over (at most 10000 "
              "ticks); prints 'run N' with the ticks fired, 'run N unfinished' at the limit",
              [](const Args& a) -> Action {
                a.expectCount(0, 0);
                return [](Sim& s) {
                  int n = 0;
                  while (s.g.Timer1.enabled() && n < kRunLimit) {
                    s.g.Timer1.fire();
                    ++n;
                  }
                  s.out << "run " << n << (s.g.Timer1.enabled() ? " unfinished" : "") << "\n";
                };
              }};
  t["takeback"] = {"takeback", "takes back the last shot (refused while a shot runs)",
                   [](const Args& a) -> Action {
                     a.expectCount(0, 0);
                     return [](Sim& s) { takeBackShot(s.g); };
                   }};
  t["state"] = {"state",
                "prints 'state MODE TURN SHOTS FOULS BALLINHAND BREAKPENDING TARGET' (flags -1/0) "
                "and one line 'player I \"NAME\" BREAKER GAMESWON' per player, name trimmed",
                [](const Args& a) -> Action {
                  a.expectCount(0, 0);
                  return printState;
                }};
}

}  // namespace velkor::sim
