// Commands of the computer-opponent group: its level and language, its shot choice, and the
// level's storage and update at the end of a match.
#include <ostream>
#include <string>
#include <vector>

#include "engine/table_model.h"
#include "opponent/shot_driver.h"
#include "records/quib_level.h"
#include "tools/sim/sim.h"

namespace velkor::sim {

namespace {

Command noArgs(std::string usage, std::string help, void (*run)(Sim&)) {
  return {std::move(usage), std::move(help), [run](const Args& a) -> Action {
            a.expectCount(0, 0);
            return run;
          }};
}

void choose(Sim& s) {
  initPocketTable(s.g);
  std::vector<std::string> ran;
  std::string standing = "none";
  ShotPlan last;
  const std::size_t drawsBefore = s.random.drawsTaken();
  playComputerShot(s.g, [&](const char* name, bool accepted, const ShotPlan& plan) {
    ran.emplace_back(name);
    if (accepted) standing = name;
    last = plan;
  });
  const std::size_t drawn = s.random.drawsTaken() - drawsBefore;
  s.out << "plan " << num(last.aim.x) << ' ' << num(last.aim.y) << ' ' << num(last.bestCut) << ' '
        << num(last.cueTravel) << ' ' << num(last.objTravel) << ' ' << flagValue(last.found)
        << "\n";
  s.out << "chooser " << standing << "\n";
  s.out << "ran";
  for (const std::string& n : ran) s.out << ' ' << n;
  s.out << "\n";
  s.out << "remark \"" << s.g.form[Ctl::lblQuibsMessage].caption << "\"\n";
  s.out << "power " << s.g.form[Ctl::HScroll1].value << "\n";
  s.out << "aimpoint " << num(s.g.aimPoint.x) << ' ' << num(s.g.aimPoint.y) << "\n";
  s.out << "drawn " << drawn << "\n";
}

}  // namespace

void addOpponentCommands(CommandTable& t) {
  t["level"] = {"level L", "sets the computer's level quibLevel (1..11)",
                [](const Args& a) -> Action {
                  a.expectCount(1, 1);
                  const auto level = static_cast<Integer>(a.integer(0, 1, 11));
                  return [level](Sim& s) { s.g.quibLevel = level; };
                }};
  t["language"] = {"language en|ja", "the language of the bilingual texts (japaneseUI)",
                   [](const Args& a) -> Action {
                     a.expectCount(1, 1);
                     const bool japanese = a.choice(0, {"en", "ja"}) == "ja";
                     return [japanese](Sim& s) { s.g.japaneseUI = japanese; };
                   }};
  t["choose"] = noArgs(
      "choose",
      "fills the pocket table, has the computer choose its shot on the table as it stands "
      "(aim point, level, language and draws as set) and prints seven lines:\n"
      "      plan AIMX AIMY BESTCUT CUETRAVEL OBJTRAVEL FOUND   the plan the choosers left\n"
      "      chooser NAME   the chooser whose shot stands, or none\n"
      "      ran NAME1 NAME2 ...   the choosers called, in order\n"
      "      remark \"TEXT\"   the computer's remark (UTF-8)\n"
      "      power P   the power bar's value\n"
      "      aimpoint X Y   the aim point, aiming error included\n"
      "      drawn N   the random draws taken",
      choose);
  t["quib"] = noArgs("quib", "prints 'quib LEVEL PROGRESS', the computer's level and progress",
                     [](Sim& s) {
                       s.out << "quib " << s.g.quibLevel << ' ' << s.g.quibProgress << "\n";
                     });
  t["loadquib"] = noArgs("loadquib", "loads the computer's level and progress from VKSCORE.INI",
                         [](Sim& s) { loadQuibLevel(s.g); });
  t["savequib"] = noArgs("savequib", "saves the computer's level and progress to VKSCORE.INI",
                         [](Sim& s) { saveQuibLevel(s.g); });
  t["matchend"] = {"matchend you|cpu",
                   "a match against the computer is decided (you: the human won): the level "
                   "and progress are updated and saved, as the end of a match does",
                   [](const Args& a) -> Action {
                     a.expectCount(1, 1);
                     const bool humanWon = a.choice(0, {"you", "cpu"}) == "you";
                     return [humanWon](Sim& s) {
                       updateQuibLevel(s.g, humanWon);
                       saveQuibLevel(s.g);
                     };
                   }};
}

}  // namespace velkor::sim
