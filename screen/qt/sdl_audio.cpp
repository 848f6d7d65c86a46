#include "screen/qt/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "sound/effect_sounds.h"

namespace velkor {

namespace {
// Effect sounds share one channel, so a new one can cut or spare the one playing.
constexpr int kEffectChannel = 0;
}  // namespace

SdlAudio::SdlAudio(std::string folder) : folder_(std::move(folder)) {
  // SDL would otherwise catch SIGINT and SIGTERM for an event loop this program never reads,
  // and the game could no longer be ended by a signal.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  // Debian's build reads the soundfont only from here, and only before the device opens.
  Mix_SetSoundFonts(kSoundFont);
  Mix_Init(MIX_INIT_MID);
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  Mix_AllocateChannels(1);
  open_ = true;
}

SdlAudio::~SdlAudio() {
  if (!open_) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  if (music_) Mix_FreeMusic(music_);
  for (auto& [file, c] : chunks_)
    if (c) Mix_FreeChunk(c);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::string SdlAudio::path(const std::string& file) const {
  return folder_.empty() ? file : folder_ + "/" + file;
}

Mix_Chunk* SdlAudio::chunk(const std::string& file) {
  auto it = chunks_.find(file);
  if (it == chunks_.end()) it = chunks_.emplace(file, Mix_LoadWAV(path(file).c_str())).first;
  return it->second;
}

std::string SdlAudio::playingEffect() const {
  if (!open_ || !Mix_Playing(kEffectChannel)) return {};
  const Mix_Chunk* playing = Mix_GetChunk(kEffectChannel);
  for (const auto& [file, c] : chunks_)
    if (c == playing) return file;
  return {};
}

bool SdlAudio::musicPlaying() const { return open_ && Mix_PlayingMusic(); }

void SdlAudio::sndPlaySound(const std::string& file, unsigned flags) {
  if (!open_) return;
  Mix_Chunk* c = chunk(file);
  if (!c) return;
  if ((flags & kSndNoStop) && Mix_Playing(kEffectChannel)) return;
  Mix_HaltChannel(kEffectChannel);
  Mix_PlayChannel(kEffectChannel, c, 0);
}

void SdlAudio::mciSendString(const std::string& command) {
  if (!open_) return;
  const auto space = command.find(' ');
  if (space == std::string::npos) return;
  const std::string verb = command.substr(0, space);
  const std::string file = command.substr(space + 1);
  if (file.empty()) return;
  if (verb == "open") openTrack(file);
  if (verb == "play") playTrack(file);
  if (verb == "close") closeTrack(file);
}

void SdlAudio::openTrack(const std::string& file) {
  if (file == openTrack_) return;
  // One music stream: a second track takes the place of the first.
  if (!openTrack_.empty()) Mix_HaltMusic();
  openTrack_.clear();
  // Every open loads the file anew, also for the music timer's restart of the same track:
  // played again after a halt, a loaded track starts 0.2 to 0.6 s late in SDL_mixer's
  // FluidSynth, leaving a hole in the music, while a fresh load starts within 0.1 s. The load
  // blocks for about that long, at a restart only when every ball is at rest.
  if (music_) Mix_FreeMusic(music_);
  music_ = Mix_LoadMUS(path(file).c_str());
  ++musicLoads_;
  if (music_) openTrack_ = file;
}

void SdlAudio::playTrack(const std::string& file) {
  if (file != openTrack_ || !music_) return;
  Mix_PlayMusic(music_, 0);  // once; the music timer starts it again
}

void SdlAudio::closeTrack(const std::string& file) {
  if (file != openTrack_) return;
  Mix_HaltMusic();
  openTrack_.clear();
}

}  // namespace velkor
