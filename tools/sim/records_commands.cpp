// Commands of the records group.
#include <ostream>

#include "records/record_tables.h"
#include "tools/sim/sim.h"

namespace velkor::sim {

namespace {
std::string quoted(const std::string& s) { return "\"" + s + "\""; }

Command noArgs(std::string usage, std::string help, void (*run)(Sim&)) {
  return {std::move(usage), std::move(help), [run](const Args& a) -> Action {
            a.expectCount(0, 0);
            return run;
          }};
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
        for (std::size_t i = 1; i <= 10; ++i) {
          const SoloRecord& r = s.g.soloRec[i];
          s.out << "solo " << i << ' ' << quoted(r.Name) << ' ' << r.Shots << ' ' << r.Turn << ' '
                << r.Time << ' ' << quoted(r.Balls) << ' ' << r.NumBalls << ' ' << quoted(r.Date)
                << ' ' << r.Index << "\n";
        }
        for (std::size_t i = 1; i <= 10; ++i) {
          const VsCpuRecord& r = s.g.vsRec[i];
          s.out << "vscpu " << i << ' ' << quoted(r.Name) << ' ' << r.YouWon << ' ' << r.CPUWon
                << ' ' << quoted(r.Date) << ' ' << r.Time << ' ' << r.Level << ' ' << r.Index
                << "\n";
        }
      });
}

}  // namespace velkor::sim
