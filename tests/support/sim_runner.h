// Runs velkor-sim scenarios for the tests: the real binary, or the driver in this process.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "support/temp_folder.h"
#include "tools/sim/sim.h"

namespace velkor::testing {

struct SimRun {
  int status = -1;
  std::string out;
  std::string err;
};

struct SimLines {
  int status = -1;
  std::vector<std::string> lines;
  std::string err;
};

inline std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> v;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) v.push_back(l);
  return v;
}

// The real binary, as a user runs it. With joinErr, standard error joins the output in the
// order the two were written; otherwise it comes apart in err.
inline SimRun runSimBinary(const std::string& script, const std::string& args = "",
                           bool joinErr = false) {
  TempFolder dir;
  std::ofstream(dir.file("in")) << script;
  const std::string errTo = joinErr ? "2>&1" : "2> '" + dir.file("err") + "'";
  const std::string cmd = std::string("'") + VELKOR_SIM_PATH + "' " + args + " < '" +
                          dir.file("in") + "' > '" + dir.file("out") + "' " + errTo;
  const int raw = std::system(cmd.c_str());
  SimRun r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = slurp(dir.file("out"));
  if (!joinErr) r.err = slurp(dir.file("err"));
  return r;
}

inline SimRun runSimJoined(const std::string& script) { return runSimBinary(script, "", true); }

// The driver in this process, its output cut into lines.
inline SimLines runScriptLines(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  SimLines o;
  o.status = sim::runScript(in, out, err);
  o.lines = lines(out.str());
  o.err = err.str();
  return o;
}

// The driver in this process on a script that must run cleanly; its whole output.
inline std::string runScriptOk(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  EXPECT_EQ(sim::runScript(in, out, err), 0) << err.str();
  return out.str();
}

}  // namespace velkor::testing
