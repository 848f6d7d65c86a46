// Commands of the records group: the score file, the two tables, and the ranking of a
// finished game or match.
#include <limits>
#include <ostream>

#include "platform/text.h"
#include "records/ranking.h"
#include "records/record_tables.h"
#include "tools/sim/sim.h"

namespace velkor::sim {

namespace {

// "yy/mm/dd": two digits, a slash, two digits, a slash, two digits.
bool isShortDate(const std::string& d) {
  if (d.size() != 8) return false;
  for (std::size_t i = 0; i < d.size(); ++i) {
    const bool slash = i == 2 || i == 5;
    if (slash ? d[i] != '/' : (d[i] < '0' || d[i] > '9')) return false;
  }
  return true;
}
constexpr long kIntegerMin = std::numeric_limits<Integer>::min();
constexpr long kIntegerMax = std::numeric_limits<Integer>::max();

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

Command noArgs(std::string usage, std::string help, void (*run)(Sim&)) {
  return {std::move(usage), std::move(help), [run](const Args& a) -> Action {
            a.expectCount(0, 0);
            return run;
          }};
}

// A script word cannot hold a blank, so '_' stands for one.
std::string blanked(std::string s) {
  for (char& c : s) {
    if (c == '_') c = ' ';
  }
  return s;
}

Integer integerArg(const Args& a, std::size_t i) {
  return static_cast<Integer>(a.integer(i, kIntegerMin, kIntegerMax));
}

void printSoloRow(std::ostream& out, std::size_t i, const SoloRecord& r) {
  out << "solo " << i << ' ' << quoted(r.Name) << ' ' << r.Shots << ' ' << r.Turn << ' ' << r.Time
      << ' ' << quoted(r.Balls) << ' ' << r.NumBalls << ' ' << quoted(r.Date) << ' ' << r.Index
      << "\n";
}

void printVsRow(std::ostream& out, std::size_t i, const VsCpuRecord& r) {
  out << "vscpu " << i << ' ' << quoted(r.Name) << ' ' << r.YouWon << ' ' << r.CPUWon << ' '
      << quoted(r.Date) << ' ' << r.Time << ' ' << r.Level << ' ' << r.Index << "\n";
}

// BALLS as the balls text gives it: character k is the digit k (ball k off the table) or "0".
std::string ballsArg(const Args& a, std::size_t i) {
  const std::string& w = a.word(i);
  bool ok = w.size() == 9;
  for (std::size_t k = 0; ok && k < 9; ++k) {
    ok = w[k] == '0' || w[k] == static_cast<char>('1' + k);
  }
  if (!ok) throw ParseError{"balls '" + w + "' is not like 120000009"};
  return w;
}

Action parseRow(const Args& a) {
  const std::string table = a.choice(0, {"solo", "vscpu"});
  a.expectCount(8, 8);
  const auto row = static_cast<std::size_t>(a.integer(1, 1, 11));
  const std::string name = fixedText(blanked(a.word(2)), 20);
  if (table == "solo") {
    SoloRecord r;
    r.Name = name;
    r.Shots = integerArg(a, 3);
    r.Turn = integerArg(a, 4);
    r.Time = integerArg(a, 5);
    r.Balls = fixedText(blanked(a.word(6)), 9);
    r.NumBalls = getNumOfBallFromBalls(r.Balls);
    r.Date = fixedText(blanked(a.word(7)), 8);
    r.Index = static_cast<Integer>(row);
    return [row, r](Sim& s) { s.g.soloRec[row] = r; };
  }
  VsCpuRecord r;
  r.Name = name;
  r.YouWon = integerArg(a, 3);
  r.CPUWon = integerArg(a, 4);
  r.Date = fixedText(blanked(a.word(5)), 8);
  r.Time = integerArg(a, 6);
  r.Level = integerArg(a, 7);
  r.Index = static_cast<Integer>(row);
  return [row, r](Sim& s) { s.g.vsRec[row] = r; };
}

Action parseRank(const Args& a) {
  const std::string table = a.choice(0, {"solo", "vscpu"});
  a.expectCount(6, 6);
  const std::string name = fixedText(blanked(a.word(1)), 12);
  const Long seconds = static_cast<Long>(
      a.integer(4, std::numeric_limits<Long>::min(), std::numeric_limits<Long>::max()));
  if (table == "solo") {
    const Integer shots = integerArg(a, 2);
    const Integer turns = integerArg(a, 3);
    const std::string balls = ballsArg(a, 5);
    return [=](Sim& s) {
      GameState& g = s.g;
      g.players[0].name = name;
      g.shotCount = shots;
      g.turnCount = turns;
      g.elapsedSeconds = seconds;
      for (std::size_t k = 1; k <= 9; ++k) g.balls[k].onTable = balls[k - 1] == '0';
      const bool enters = doseLankInSolo(g);
      s.out << "rank solo " << flagValue(enters) << "\n";
      if (enters) sortSoloRecord(g);
    };
  }
  const Integer youWon = integerArg(a, 2);
  const Integer cpuWon = integerArg(a, 3);
  const Integer level = integerArg(a, 5);
  return [=](Sim& s) {
    GameState& g = s.g;
    g.players[0].name = name;
    g.players[0].gamesWon = youWon;
    g.players[1].gamesWon = cpuWon;
    g.elapsedSeconds = seconds;
    g.quibLevel = level;
    const bool enters = doseLankInVSCpu(g);
    s.out << "rank vscpu " << flagValue(enters) << "\n";
    if (enters) sortVsCPURecord(g);
  };
}
}  // namespace

void addRecordsCommands(CommandTable& t) {
  t["inidir"] = {"inidir PATH",
                 "use the folder PATH (no blanks) for VELKOR.INI and VKSCORE.INI in this run, "
                 "in place of $XDG_CONFIG_HOME/velkor/; it is created by the first save",
                 [](const Args& a) -> Action {
                   a.expectCount(1, 1);
                   std::string path = a.word(0);
                   return [path](Sim& s) { s.g.iniDir = path; };
                 }};
  t["loadrecords"] = noArgs("loadrecords",
                            "load rows 1..10 of the solo and the versus table from VKSCORE.INI",
                            [](Sim& s) {
                              loadSoloRecord(s.g);
                              loadVsCpuRecord(s.g);
                            });
  t["saverecords"] = noArgs("saverecords",
                            "save rows 1..10 of the solo and the versus table to VKSCORE.INI",
                            [](Sim& s) {
                              saveSoloRecord(s.g);
                              saveVsCpuRecord(s.g);
                            });
  t["records"] = noArgs(
      "records",
      "print rows 1..10 of both tables, one row a line, texts whole in double quotes:\n"
      "      solo ROW \"Name\" Shots Turn Time \"Balls\" NumBalls \"Date\" Index\n"
      "      vscpu ROW \"Name\" YouWon CPUWon \"Date\" Time Level Index",
      [](Sim& s) {
        for (std::size_t i = 1; i <= 10; ++i) printSoloRow(s.out, i, s.g.soloRec[i]);
        for (std::size_t i = 1; i <= 10; ++i) printVsRow(s.out, i, s.g.vsRec[i]);
      });
  t["today"] = {"today YY/MM/DD", "the date that later candidates take as today's",
                [](const Args& a) -> Action {
                  a.expectCount(1, 1);
                  const std::string date = a.word(0);
                  if (!isShortDate(date)) {
                    throw ParseError{"date '" + date + "' is not like 26/12/10"};
                  }
                  return [date](Sim& s) { s.g.todayOverride = date; };
                }};
  t["row"] = {"row solo N NAME SHOTS TURN TIME BALLS DATE | "
              "row vscpu N NAME YOUWON CPUWON DATE TIME LEVEL",
              "set row N (1..11) of a table as a load sets a row: texts padded or cut to 20, 9 "
              "and 8 characters, NumBalls counted from BALLS, Index N; '_' in NAME, BALLS and "
              "DATE stands for a blank",
              parseRow};
  t["rank"] = {"rank solo NAME SHOTS TURN SECONDS BALLS | "
               "rank vscpu NAME YOUWON CPUWON SECONDS LEVEL",
               "set player 0's name and the counts of a finished solo game (BALLS like "
               "120000009: character k is k when ball k is off the table, 0 when on it) or "
               "the games won by players 0 and 1 and the computer's level; rank it and print "
               "'rank solo|vscpu F' (F -1 when it enters the table, else 0); sort it in only "
               "when it enters. No turn limit, no save, no window",
               parseRank};
  t["candidate"] = {"candidate solo|vscpu", "print row 11, the last candidate, as records does",
                    [](const Args& a) -> Action {
                      a.expectCount(1, 1);
                      const bool solo = a.choice(0, {"solo", "vscpu"}) == "solo";
                      return [solo](Sim& s) {
                        if (solo) {
                          printSoloRow(s.out, 11, s.g.soloRec[11]);
                        } else {
                          printVsRow(s.out, 11, s.g.vsRec[11]);
                        }
                      };
                    }};
}

}  // namespace velkor::sim
