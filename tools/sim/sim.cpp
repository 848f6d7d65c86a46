#include "tools/sim/sim.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <istream>
#include <ostream>
#include <sstream>

#include "platform/text.h"
#include "records/result_windows.h"
#include "records/vs_setup.h"
#include "screen/logic/timer_handlers.h"
#include "sound/init_bgm_table.h"

namespace velkor::sim {

void RecordingScreen::showMessageBox(const std::string& text) { out_ << "message " << text << "\n"; }
void RecordingScreen::showStandardMessage(const std::string& text) {
  out_ << "message " << text << "\n";
}
void RecordingScreen::showModal(Window w) {
  out_ << "window " << windowName(w) << "\n";
  if (onModal) onModal(w);
}

void RecordingAudio::mciSendString(const std::string& command) { out_ << "mci " << command << "\n"; }

Sim::Sim(std::ostream& o) : audio(o), screen(o), out(o) {
  g.sound = &sound;
  g.audio = &audio;
  // The track table as start-up leaves it, but no scene until a command sets one.
  initBgmTable(g);
  g.bgmScene = bgmOff;
  g.bgmPrevScene = bgmOff;
  g.screen = &screen;
  g.random = &random;
  // A hand-built scenario starts as a fresh shot, so its first contact is recorded.
  g.firstHitPending = true;
  bindTimerHandlers(g);
  screen.onModal = [this](Window w) { answerWindow(w); };
}

void Sim::answerWindow(Window w) {
  if (w == Window::frmChangeVsMode) {
    VsSetupWindow setup = frmChangeVsMode_Form_Load(g, ScreenMetrics{});
    if (nextSetup) {
      // A name box takes at most 12 characters; a disabled box keeps its name.
      setup.names[0] = leftChars(nextSetup->name0, kPlayerNameMaxLength);
      if (setup.name1Enabled) setup.names[1] = leftChars(nextSetup->name1, kPlayerNameMaxLength);
      frmChangeVsMode_VScroll1_Change(g, setup, nextSetup->wins);
    }
    if (!nextSetup || nextSetup->ok) {
      frmChangeVsMode_picOK_Click(g, setup);
    } else {
      frmChangeVsMode_picCancel_Click(g, setup);
    }
    nextSetup.reset();
  } else if (w == Window::frmInputBox) {
    frmInputBox_Form_Unload(g, nextName.value_or(""));
    nextName.reset();
  }
}

void Args::expectCount(std::size_t lo, std::size_t hi) const {
  if (words_.size() < lo || words_.size() > hi) {
    throw ParseError{lo == hi ? "expects " + std::to_string(lo) + " arguments"
                              : "expects " + std::to_string(lo) + " to " + std::to_string(hi) +
                                    " arguments"};
  }
}

double Args::number(std::size_t i) const {
  const std::string& w = word(i);
  double v = 0;
  auto [ptr, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
  if (ec != std::errc() || ptr != w.data() + w.size() || !std::isfinite(v)) {
    throw ParseError{"bad number '" + w + "'"};
  }
  return v;
}

double Args::number(std::size_t i, double fallback) const {
  return i < words_.size() ? number(i) : fallback;
}

long Args::integer(std::size_t i, long lo, long hi) const {
  const std::string& w = word(i);
  long v = 0;
  auto [ptr, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
  if (ec != std::errc() || ptr != w.data() + w.size()) {
    throw ParseError{"bad whole number '" + w + "'"};
  }
  if (v < lo || v > hi) {
    throw ParseError{"'" + w + "' is outside " + std::to_string(lo) + ".." + std::to_string(hi)};
  }
  return v;
}

const std::string& Args::word(std::size_t i) const {
  if (i >= words_.size()) throw ParseError{"missing argument " + std::to_string(i + 1)};
  return words_[i];
}

const std::string& Args::choice(std::size_t i, const std::vector<std::string>& choices) const {
  const std::string& w = word(i);
  for (const std::string& c : choices) {
    if (c == w) return w;
  }
  throw ParseError{"unknown choice '" + w + "'"};
}

std::string num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", v);
  return buf;
}

const CommandTable& commands() {
  static const CommandTable table = [] {
    CommandTable t;
    addTableCommands(t);
    addPhysicsCommands(t);
    addRackCommands(t);
    addGeometryCommands(t);
    addRulesCommands(t);
    addRecordsCommands(t);
    addOpponentCommands(t);
    addTurnCommands(t);
    addSoundCommands(t);
    addSoakCommands(t);
    return t;
  }();
  return table;
}

namespace {
std::vector<std::string> splitWords(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line.substr(0, line.find('#')));
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}
}  // namespace

int runScript(std::istream& in, std::ostream& out, std::ostream& err) {
  std::vector<Action> actions;
  std::string line;
  for (int lineNo = 1; std::getline(in, line); ++lineNo) {
    std::vector<std::string> words = splitWords(line);
    if (words.empty()) continue;
    auto it = commands().find(words[0]);
    if (it == commands().end()) {
      err << "line " << lineNo << ": unknown command '" << words[0] << "'\n";
      return 2;
    }
    try {
      actions.push_back(it->second.parse(Args({words.begin() + 1, words.end()})));
    } catch (const ParseError& e) {
      err << "line " << lineNo << ": " << words[0] << ": " << e.reason << "\n";
      return 2;
    }
  }
  Sim sim(out);
  for (const Action& a : actions) a(sim);
  return 0;
}

std::string helpText() {
  std::ostringstream s;
  s << "velkor-sim: runs a table scenario read from standard input.\n"
       "One command a line; '#' starts a comment. The whole script is checked first: an\n"
       "unknown command or a bad number prints 'line N: reason' on standard error and exits\n"
       "with status 2 before anything runs. Numbers print with 9 significant digits.\n\n"
       "Commands:\n";
  for (const auto& [name, c] : commands()) s << "  " << c.usage << "\n      " << c.help << "\n";
  return s.str();
}

}  // namespace velkor::sim
