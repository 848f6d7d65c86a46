// Test doubles for the game's ports: they record every call, in order, as text.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace velkor::testing {

class FakeScreen : public Screen {
 public:
  // Each entry is a call: "drawTable", "drawBallOnTable 3", "message You missed !", ...
  std::vector<std::string> calls;
  // Control changes are noisy; recorded only when asked.
  bool recordControls = false;
  // Called when a modal window opens, so a test can act as the user would.
  std::function<void(Window)> onModal;
  std::function<void(const std::string&)> onMessage;

  void controlChanged(Ctl c) override {
    if (recordControls) calls.push_back(std::string("control ") + controlName(c));
  }
  void drawTable() override { calls.push_back("drawTable"); }
  void drawBallOnTable(int n) override { calls.push_back("drawBallOnTable " + std::to_string(n)); }
  void drawBallIntoPocket(int n, int p) override {
    calls.push_back("drawBallIntoPocket " + std::to_string(n) + " " + std::to_string(p));
  }
  void drawPocketedBalls() override { calls.push_back("drawPocketedBalls"); }
  void showInfomation() override { calls.push_back("showInfomation"); }
  void clearPicture(Ctl c) override { calls.push_back(std::string("clear ") + controlName(c)); }
  void refreshPicture(Ctl c) override { calls.push_back(std::string("refresh ") + controlName(c)); }
  void showMessageBox(const std::string& text) override {
    calls.push_back("message " + text);
    if (onMessage) onMessage(text);
  }
  void showStandardMessage(const std::string& text) override { calls.push_back("msgbox " + text); }
  void showModal(Window w) override {
    calls.push_back(std::string("window ") + windowName(w));
    if (onModal) onModal(w);
  }
  void pumpEvents() override {
    ++pumps;
    if (onPump) onPump();
  }
  // What the user does while the physics step lets window events run.
  std::function<void()> onPump;
  int pumps = 0;
  void loadBallSprites() override { calls.push_back("sprites"); }
  void loadPicture(Picture which, const std::string& file) override {
    calls.push_back(std::string("picture ") + (which == Picture::picTable ? "picTable " : "picMenu ") +
                    file);
  }
  void copyCueBallImage() override { calls.push_back("picture cue ball"); }
  void showOpeningWindow() override { calls.push_back("opening"); }
  void endProgram() override { calls.push_back("endProgram"); }
  void showHelp(const std::string& file, HelpKind kind) override {
    calls.push_back("help " + file + (kind == HelpKind::contents ? " contents" : " keywords"));
  }
  void openHelpPage(const std::string& page) override { calls.push_back("helpPage " + page); }

  // Calls that start with prefix.
  std::vector<std::string> callsStartingWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& c : calls) {
      if (c.rfind(prefix, 0) == 0) out.push_back(c);
    }
    return out;
  }
};

class FakeSound : public Sound {
 public:
  std::vector<std::pair<std::string, Single>> calls;
  void playHitSound(Single s) override { calls.push_back({"hit", s}); }
  void playWallSound(Single s) override { calls.push_back({"wall", s}); }
  void playDropSound(Single s) override { calls.push_back({"drop", s}); }
};

// Each entry is a call: "wav vmin.wav 0x11", "mci open menu.mid".
class FakeAudio : public Audio {
 public:
  std::vector<std::string> calls;
  void sndPlaySound(const std::string& file, unsigned flags) override {
    calls.push_back("wav " + file + (flags == 0x11 ? " 0x11" : flags == 0x01 ? " 0x01" : " ?"));
  }
  void mciSendString(const std::string& command) override { calls.push_back("mci " + command); }
};

// A game state wired to fakes and a fixed random sequence.
struct Fixture {
  Fixture() {
    g.screen = &screen;
    g.sound = &sound;
    g.audio = &audio;
    g.random = &random;
  }
  GameState g;
  FakeScreen screen;
  FakeSound sound;
  FakeAudio audio;
  SequenceRandom random;
};

}  // namespace velkor::testing
