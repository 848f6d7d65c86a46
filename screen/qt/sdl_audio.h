// The game's audio on SDL2_mixer: the effect sounds on one mixer channel and the music
// commands on the one music stream. Without a device, or with a file missing or unreadable,
// every call does nothing: the game goes on silently.
#pragma once

#include <map>
#include <string>

#include "state/ports.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace velkor {

inline const char* const kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class SdlAudio : public Audio {
 public:
  // Opens the audio device; folder is where the WAV and MIDI files lie.
  explicit SdlAudio(std::string folder);
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  bool deviceOpen() const { return open_; }
  // What plays now: the effect sound's file (empty when none) and whether music plays.
  std::string playingEffect() const;
  bool musicPlaying() const;
  // How many times a MIDI file has been loaded.
  int musicLoads() const { return musicLoads_; }

  void sndPlaySound(const std::string& file, unsigned flags) override;
  void mciSendString(const std::string& command) override;

 private:
  std::string path(const std::string& file) const;
  Mix_Chunk* chunk(const std::string& file);
  void openTrack(const std::string& file);
  void playTrack(const std::string& file);
  void closeTrack(const std::string& file);

  std::string folder_;
  bool open_ = false;
  std::map<std::string, Mix_Chunk*> chunks_;  // null for a file that would not load
  // The MIDI file of the last open, loaded anew by every open (see openTrack).
  _Mix_Music* music_ = nullptr;
  std::string openTrack_;  // the track opened and not yet closed; empty when none
  int musicLoads_ = 0;
};

}  // namespace velkor
