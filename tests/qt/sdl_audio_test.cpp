#include "screen/qt/sdl_audio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <thread>

#include "support/temp_folder.h"

namespace velkor {
namespace {

// The disk driver writes what the mixer puts out, in real time, to a file.
class SdlAudioOnDisk : public ::testing::Test {
 protected:
  SdlAudioOnDisk() {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output().c_str(), 1);
  }
  ~SdlAudioOnDisk() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
  std::string output() const { return dir_.file("out.raw"); }

  // Samples (16-bit) of the written output louder than a whisper, in the whole output or in
  // the stretch of the given length that begins the given time after byte offset from.
  long loudSamples() const { return loudSamples(0, 0, 1e9); }
  long loudSamples(std::uintmax_t from, double after, double seconds) const {
    std::ifstream in(output(), std::ios::binary);
    const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto begin = from + bytes(after);
    const auto end = std::min<std::uintmax_t>(raw.size(), begin + bytes(seconds));
    long loud = 0;
    for (std::size_t i = begin; i + 1 < end; i += 2) {
      std::int16_t v;
      std::memcpy(&v, raw.data() + i, 2);
      if (std::abs(static_cast<int>(v)) > 500) ++loud;
    }
    return loud;
  }
  // Waits until the driver has written the given stretch of audio beyond what it has
  // written so far (44.1 kHz, 16-bit stereo), however slowly a busy machine lets it run.
  void waitForAudio(double seconds) const {
    const auto want = fileSize() + bytes(seconds);
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (fileSize() < want && std::chrono::steady_clock::now() < limit)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  static std::uintmax_t bytes(double seconds) {
    return static_cast<std::uintmax_t>(seconds * 44100) * 4;  // whole stereo frames
  }
  std::uintmax_t fileSize() const {
    std::error_code ec;
    const auto n = std::filesystem::file_size(output(), ec);
    return ec ? 0 : n;
  }

  testing::TempFolder dir_;
};

TEST_F(SdlAudioOnDisk, AnEffectSoundComesOut) {
  {
    SdlAudio audio(VELKOR_ASSET_DIR);
    ASSERT_TRUE(audio.deviceOpen());
    audio.sndPlaySound("vmax.wav", 0x01);
    waitForAudio(0.4);
  }
  EXPECT_GT(loudSamples(), 200);
}

// What the music timer sends to start a track after closing every one.
void startTrack(SdlAudio& audio, const std::string& file) {
  for (const char* track : {"menu.mid", "record.mid", "game1.mid", "game2.mid", "game3.mid"})
    audio.mciSendString(std::string("close ") + track);
  audio.mciSendString("open " + file);
  audio.mciSendString("play " + file);
}

TEST_F(SdlAudioOnDisk, AMusicTrackComesOutAndEachStartPlaysANewCopyLoadedAhead) {
  {
    SdlAudio audio(VELKOR_ASSET_DIR);
    ASSERT_TRUE(audio.deviceOpen());
    audio.mciSendString("open menu.mid");
    audio.mciSendString("play menu.mid");
    EXPECT_TRUE(audio.musicPlaying());
    waitForAudio(1.2);
    audio.waitForWorker();
    EXPECT_EQ(audio.trackLoadedAhead(), "menu.mid");
    EXPECT_EQ(audio.musicLoads(), 2);
    audio.mciSendString("close menu.mid");
    EXPECT_FALSE(audio.musicPlaying());
    startTrack(audio, "menu.mid");  // the timer's restart of the same track
    EXPECT_TRUE(audio.musicPlaying());
    audio.waitForWorker();
    EXPECT_EQ(audio.musicLoads(), 3);
    EXPECT_EQ(audio.trackLoadedAhead(), "menu.mid");
    EXPECT_EQ(audio.musicCopies(), 2);  // the halted copy is freed
    audio.mciSendString("open menu.mid");  // already open: nothing to do
    audio.waitForWorker();
    EXPECT_EQ(audio.musicLoads(), 3);
    startTrack(audio, "game1.mid");
    EXPECT_TRUE(audio.musicPlaying());
    // Closed while the worker loads the next copy of game1.mid.
  }
  EXPECT_GT(loudSamples(), 2000);
}

// Holds the worker's loads back while shut, to show whether the window's side waits for one.
// A held load goes on by itself after 10 s and notes that it was kept waiting that long.
class LoadGate {
 public:
  SdlAudio::MusicLoader loader() {
    return [this](const std::string& path) {
      {
        std::unique_lock lock(mutex_);
        if (!opened_.wait_for(lock, std::chrono::seconds(10), [&] { return open_; }))
          heldTooLong_ = true;
      }
      return SdlAudio::loadMusic(path);
    };
  }
  void shut() { set(false); }
  void open() { set(true); }
  bool heldTooLong() {
    std::lock_guard lock(mutex_);
    return heldTooLong_;
  }

 private:
  void set(bool open) {
    {
      std::lock_guard lock(mutex_);
      open_ = open;
    }
    opened_.notify_all();
  }
  std::mutex mutex_;
  std::condition_variable opened_;
  bool open_ = true;
  bool heldTooLong_ = false;
};

TEST_F(SdlAudioOnDisk, ARestartPlaysTheCopyLoadedAheadWithoutWaitingForALoad) {
  LoadGate gate;
  SdlAudio audio(VELKOR_ASSET_DIR, gate.loader());
  ASSERT_TRUE(audio.deviceOpen());
  startTrack(audio, "menu.mid");
  audio.waitForWorker();
  ASSERT_EQ(audio.trackLoadedAhead(), "menu.mid");
  gate.shut();
  startTrack(audio, "menu.mid");
  EXPECT_TRUE(audio.musicPlaying());
  EXPECT_FALSE(gate.heldTooLong());
  gate.open();
  audio.waitForWorker();
  EXPECT_FALSE(gate.heldTooLong());
  EXPECT_EQ(audio.trackLoadedAhead(), "menu.mid");  // ready for the next restart
}

TEST_F(SdlAudioOnDisk, ATrackChangePlaysTheNewTrackAndDropsTheCopyLoadedForTheOldOne) {
  std::filesystem::copy_file(std::string(VELKOR_ASSET_DIR) + "/menu.mid", dir_.file("menu.mid"));
  // Five seconds without a note: a quiet track that still plays.
  testing::writeBytes(dir_.file("quiet.mid"),
                      std::string("MThd\0\0\0\6\0\0\0\1\0\x60"
                                  "MTrk\0\0\0\5\x87\x40\xff\x2f\0",
                                  27));
  SdlAudio audio(dir_.dir());
  ASSERT_TRUE(audio.deviceOpen());
  const struct {
    const char* track;
    bool loud;
  } changes[] = {{"menu.mid", true}, {"quiet.mid", false}, {"menu.mid", true}};
  for (const auto& change : changes) {
    SCOPED_TRACE(change.track);
    audio.waitForWorker();  // the copy of the track before is loaded ahead
    startTrack(audio, change.track);
    const auto from = fileSize();
    EXPECT_TRUE(audio.musicPlaying());
    waitForAudio(1.0);
    // The first buffers may still hold the track before.
    const long loud = loudSamples(from, 0.15, 0.75);
    if (change.loud) {
      EXPECT_GT(loud, 1000);
    } else {
      EXPECT_EQ(loud, 0);
    }
    audio.waitForWorker();
    EXPECT_EQ(audio.trackLoadedAhead(), change.track);
    EXPECT_EQ(audio.musicCopies(), 2);  // the one playing and the one ahead
  }
}

TEST_F(SdlAudioOnDisk, DuringTheBreakAHitSparesTheSoundPlayingAndLaterOnesCutIt) {
  SdlAudio audio(VELKOR_ASSET_DIR);
  ASSERT_TRUE(audio.deviceOpen());
  audio.sndPlaySound("drop.wav", 0x01);
  audio.sndPlaySound("vmin.wav", 0x11);
  EXPECT_EQ(audio.playingEffect(), "drop.wav");
  audio.sndPlaySound("vmid.wav", 0x01);
  EXPECT_EQ(audio.playingEffect(), "vmid.wav");
}

TEST_F(SdlAudioOnDisk, MissingFilesAndCommandsForTracksNotOpenAreSilent) {
  SdlAudio audio(VELKOR_ASSET_DIR);
  ASSERT_TRUE(audio.deviceOpen());
  audio.sndPlaySound("nothere.wav", 0x01);
  EXPECT_EQ(audio.playingEffect(), "");
  audio.mciSendString("open nothere.mid");
  audio.mciSendString("play nothere.mid");
  EXPECT_FALSE(audio.musicPlaying());
  audio.mciSendString("play menu.mid");  // never opened
  audio.mciSendString("close ");
  audio.mciSendString("close game2.mid");
  EXPECT_FALSE(audio.musicPlaying());
  audio.waitForWorker();
  EXPECT_EQ(audio.trackLoadedAhead(), "");
  EXPECT_EQ(audio.musicCopies(), 0);
  startTrack(audio, "nothere.mid");  // its restart
  EXPECT_FALSE(audio.musicPlaying());
  startTrack(audio, "menu.mid");
  EXPECT_TRUE(audio.musicPlaying());
}

TEST(SdlAudioWithoutDevice, EveryCallDoesNothing) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  {
    SdlAudio audio(VELKOR_ASSET_DIR);
    EXPECT_FALSE(audio.deviceOpen());
    audio.sndPlaySound("vmax.wav", 0x11);
    audio.mciSendString("open menu.mid");
    audio.mciSendString("play menu.mid");
    EXPECT_FALSE(audio.musicPlaying());
    EXPECT_EQ(audio.playingEffect(), "");
  }
  setenv("SDL_AUDIODRIVER", "dummy", 1);
}

}  // namespace
}  // namespace velkor
