#include "screen/qt/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <utility>

#include "sound/effect_sounds.h"

namespace velkor {

namespace {
// Effect sounds share one channel, so a new one can cut or spare the one playing.
constexpr int kEffectChannel = 0;
}  // namespace

_Mix_Music* SdlAudio::loadMusic(const std::string& path) { return Mix_LoadMUS(path.c_str()); }

SdlAudio::SdlAudio(std::string folder, MusicLoader loader)
    : folder_(std::move(folder)), loader_(std::move(loader)) {
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
  worker_ = std::thread([this] {
    work();
    SDL_TLSCleanup();  // SDL keeps an error buffer for each thread that loads
  });
}

SdlAudio::~SdlAudio() {
  if (!open_) return;
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  worker_.join();
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  if (music_) Mix_FreeMusic(music_);
  if (ahead_ && ahead_->music) Mix_FreeMusic(ahead_->music);
  for (_Mix_Music* m : done_) Mix_FreeMusic(m);
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
  music_ = takeCopy(file, std::exchange(music_, nullptr));
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

// Hands the halted copy done with to the worker and takes the copy of track loaded ahead,
// waiting for it only when the worker had another track's copy ahead, or none.
_Mix_Music* SdlAudio::takeCopy(const std::string& track, _Mix_Music* done) {
  std::unique_lock lock(mutex_);
  if (done) done_.push_back(done);
  wanted_ = track;
  changed_.notify_all();
  changed_.wait(lock, [&] { return ahead_ && ahead_->track == track; });
  _Mix_Music* copy = ahead_->music;
  ahead_.reset();
  changed_.notify_all();  // the next copy of the same track
  return copy;
}

bool SdlAudio::workerHasWork() const {
  return !done_.empty() || (ahead_ ? ahead_->track != wanted_ : !wanted_.empty());
}

// Loads come before frees, since the window's thread may be waiting for a load. Every
// load runs here, never two at once: SDL_mixer does not promise that loads may overlap.
void SdlAudio::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return stop_ || workerHasWork(); });
    if (stop_) return;
    busy_ = true;
    if (ahead_ && ahead_->track != wanted_) {
      if (ahead_->music) done_.push_back(ahead_->music);
      ahead_.reset();
    }
    if (!ahead_ && !wanted_.empty()) {
      const std::string track = wanted_;
      lock.unlock();
      _Mix_Music* music = loader_(path(track));
      lock.lock();
      ++loads_;
      if (music) ++copies_;
      ahead_ = Copy{track, music};
    } else {
      const std::vector<_Mix_Music*> done = std::exchange(done_, {});
      lock.unlock();
      // None of them plays: each was halted before it was handed over.
      for (_Mix_Music* m : done) Mix_FreeMusic(m);
      lock.lock();
      copies_ -= static_cast<int>(done.size());
    }
    busy_ = false;
    changed_.notify_all();
  }
}

int SdlAudio::musicLoads() const {
  std::lock_guard lock(mutex_);
  return loads_;
}

std::string SdlAudio::trackLoadedAhead() const {
  std::lock_guard lock(mutex_);
  return ahead_ && ahead_->music ? ahead_->track : std::string();
}

int SdlAudio::musicCopies() const {
  std::lock_guard lock(mutex_);
  return copies_;
}

void SdlAudio::waitForWorker() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return !busy_ && !workerHasWork(); });
}

}  // namespace velkor
