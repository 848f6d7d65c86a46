// The game's audio on SDL2_mixer: the effect sounds on one mixer channel and the music
// commands on the one music stream. Without a device, or with a file missing or unreadable,
// every call does nothing: the game goes on silently.
//
// Each open of a MIDI track plays a copy that has never played: played again after a halt, a
// copy starts 0.2 to 0.6 s late in SDL_mixer's FluidSynth, leaving a hole in the music, while
// one that never played starts at once, also 30 s after it was loaded. Loading a copy (a
// synthesizer with its soundfont) blocks for 25 to 125 ms, so a worker thread keeps the next
// copy of the open track loaded ahead and frees the copies done with; the window's thread
// only hands them over and plays them. A copy holds about 8 MB, so only the open track has
// one ahead, and an open of another track waits for its load.
#pragma once

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "state/ports.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace velkor {

inline const char* const kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class SdlAudio : public Audio {
 public:
  // Loads one copy of a MIDI file, on the worker thread; null when it would not load.
  using MusicLoader = std::function<_Mix_Music*(const std::string& path)>;
  static _Mix_Music* loadMusic(const std::string& path);

  // Opens the audio device; folder is where the WAV and MIDI files lie.
  explicit SdlAudio(std::string folder, MusicLoader loader = loadMusic);
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  bool deviceOpen() const { return open_; }
  // What plays now: the effect sound's file (empty when none) and whether music plays.
  std::string playingEffect() const;
  bool musicPlaying() const;
  // What the worker has done: MIDI loads so far, the track whose next copy waits loaded
  // (empty when none) and the copies alive (the one played, the one ahead, those to free).
  int musicLoads() const;
  std::string trackLoadedAhead() const;
  int musicCopies() const;
  // Returns once the worker has nothing left to do.
  void waitForWorker();

  void sndPlaySound(const std::string& file, unsigned flags) override;
  void mciSendString(const std::string& command) override;

 private:
  struct Copy {
    std::string track;
    _Mix_Music* music;  // null for a file that would not load
  };

  std::string path(const std::string& file) const;
  Mix_Chunk* chunk(const std::string& file);
  void openTrack(const std::string& file);
  void playTrack(const std::string& file);
  void closeTrack(const std::string& file);
  _Mix_Music* takeCopy(const std::string& track, _Mix_Music* done);
  bool workerHasWork() const;
  void work();

  std::string folder_;
  MusicLoader loader_;
  bool open_ = false;
  std::map<std::string, Mix_Chunk*> chunks_;  // null for a file that would not load
  _Mix_Music* music_ = nullptr;  // the copy of the last open, on the window's thread
  std::string openTrack_;        // the track opened and not yet closed; empty when none

  // Shared with the worker, under mutex_; changed_ tells either side that they changed.
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::string wanted_;              // the track whose next copy is to wait loaded
  std::optional<Copy> ahead_;       // a copy loaded and never played
  std::vector<_Mix_Music*> done_;   // halted copies for the worker to free
  bool busy_ = false;
  bool stop_ = false;
  int loads_ = 0;
  int copies_ = 0;
  std::thread worker_;
};

}  // namespace velkor
