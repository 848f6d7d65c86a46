// The scenario driver: a game state with recording ports, and the table of commands
// that velkor-sim reads one a line. Each group of commands registers itself in its own file.
#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sound/effect_sounds.h"
#include "state/game_state.h"
#include "tools/sim/demo_games.h"

namespace velkor::sim {

// Sounds asked for by the engine, in order; each then goes on to the effect operations.
class RecordingSound : public Sound {
 public:
  explicit RecordingSound(GameState& g) : effects_(g) {}
  struct Call {
    std::string kind;  // "hit", "wall", "drop"
    Single strength;
  };
  void playHitSound(Single s) override {
    calls.push_back({"hit", s});
    effects_.playHitSound(s);
  }
  void playWallSound(Single s) override {
    calls.push_back({"wall", s});
    effects_.playWallSound(s);
  }
  void playDropSound(Single s) override {
    calls.push_back({"drop", s});
    effects_.playDropSound(s);
  }
  std::vector<Call> calls;

 private:
  EffectSounds effects_;
};

// The WAV files the effect operations asked to play (until 'wavs' prints them), and the
// media commands, printed as they are sent.
class RecordingAudio : public Audio {
 public:
  explicit RecordingAudio(std::ostream& out) : out_(out) {}
  struct Wav {
    std::string file;
    unsigned flags;
  };
  void sndPlaySound(const std::string& file, unsigned flags) override { wavs.push_back({file, flags}); }
  void mciSendString(const std::string& command) override;
  std::vector<Wav> wavs;

 private:
  std::ostream& out_;
};

// Messages and windows that the rules showed, printed as they come.
class RecordingScreen : public Screen {
 public:
  explicit RecordingScreen(std::ostream& out) : out_(out) {}
  void showMessageBox(const std::string& text) override;
  void showStandardMessage(const std::string& text) override;
  void showModal(Window w) override;
  // Acts as the user of a modal window would, after its line is printed.
  std::function<void(Window)> onModal;

 private:
  std::ostream& out_;
};

// How the next match set-up window is answered.
struct SetupAnswer {
  std::string name0;
  std::string name1;
  Integer wins = 3;
  bool ok = true;
};

struct Sim {
  explicit Sim(std::ostream& out);
  // Answers a modal window as its user would: the set-up window with the queued answer or
  // OK at once, the name entry with the queued name or an empty box.
  void answerWindow(Window w);
  GameState g;
  std::optional<SetupAnswer> nextSetup;
  std::optional<std::string> nextName;
  RecordingSound sound{g};
  RecordingAudio audio;
  RecordingScreen screen;
  SequenceRandom random;
  std::ostream& out;
  GameClock gameClock{g};  // the paced timers on simulated time, for 'clock'
  bool autopilot = false;  // player 0 (or the solo player) plays as the computer does
};

struct ParseError {
  std::string reason;
};

// The words of one command line after the command's name.
class Args {
 public:
  explicit Args(std::vector<std::string> words) : words_(std::move(words)) {}
  std::size_t size() const { return words_.size(); }
  // Throws ParseError unless there are between lo and hi words.
  void expectCount(std::size_t lo, std::size_t hi) const;
  double number(std::size_t i) const;                     // any finite number
  double number(std::size_t i, double fallback) const;     // optional
  long integer(std::size_t i, long lo, long hi) const;     // a whole number in lo..hi
  const std::string& word(std::size_t i) const;
  // The word, which must be one of the choices.
  const std::string& choice(std::size_t i, const std::vector<std::string>& choices) const;

 private:
  std::vector<std::string> words_;
};

using Action = std::function<void(Sim&)>;

struct Command {
  std::string usage;  // "ball N X Y [SPEED DIRECTION FOLLOW SIDE]"
  std::string help;
  std::function<Action(const Args&)> parse;  // throws ParseError
};

using CommandTable = std::map<std::string, Command>;

// One registration function per group of commands, each in its own file.
void addTableCommands(CommandTable& t);
void addPhysicsCommands(CommandTable& t);
void addRackCommands(CommandTable& t);
void addGeometryCommands(CommandTable& t);
void addRulesCommands(CommandTable& t);
void addRecordsCommands(CommandTable& t);
void addOpponentCommands(CommandTable& t);
void addTurnCommands(CommandTable& t);
void addSoundCommands(CommandTable& t);
void addSoakCommands(CommandTable& t);

const CommandTable& commands();

// Prints numbers with 9 significant digits, the format of every result line.
std::string num(double v);

// Parses the whole script first; on the first bad line prints "line N: reason" to err and
// returns 2 without running anything. Otherwise runs every line and returns 0.
int runScript(std::istream& in, std::ostream& out, std::ostream& err);

std::string helpText();

}  // namespace velkor::sim
