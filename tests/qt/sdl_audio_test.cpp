#include "screen/qt/sdl_audio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
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

  // Samples (16-bit) of the written output louder than a whisper.
  long loudSamples() const {
    std::ifstream in(output(), std::ios::binary);
    const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    long loud = 0;
    for (std::size_t i = 0; i + 1 < raw.size(); i += 2) {
      std::int16_t v;
      std::memcpy(&v, raw.data() + i, 2);
      if (std::abs(static_cast<int>(v)) > 500) ++loud;
    }
    return loud;
  }
  // Waits until the driver has written the given stretch of audio beyond what it has
  // written so far (44.1 kHz, 16-bit stereo), however slowly a busy machine lets it run.
  void waitForAudio(double seconds) const {
    const auto want = fileSize() + static_cast<std::uintmax_t>(seconds * 44100 * 4);
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (fileSize() < want && std::chrono::steady_clock::now() < limit)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
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

TEST_F(SdlAudioOnDisk, AMusicTrackComesOutAndIsLoadedAnewForEachStart) {
  {
    SdlAudio audio(VELKOR_ASSET_DIR);
    ASSERT_TRUE(audio.deviceOpen());
    audio.mciSendString("open menu.mid");
    audio.mciSendString("play menu.mid");
    EXPECT_TRUE(audio.musicPlaying());
    waitForAudio(1.2);
    audio.mciSendString("close menu.mid");
    EXPECT_FALSE(audio.musicPlaying());
    // The timer's restart: close every track, open and play the same one again.
    audio.mciSendString("close record.mid");
    audio.mciSendString("open menu.mid");
    audio.mciSendString("play menu.mid");
    EXPECT_TRUE(audio.musicPlaying());
    EXPECT_EQ(audio.musicLoads(), 2);
    audio.mciSendString("open menu.mid");  // already open: nothing to do
    EXPECT_EQ(audio.musicLoads(), 2);
    audio.mciSendString("close menu.mid");
    audio.mciSendString("open game1.mid");
    audio.mciSendString("play game1.mid");
    EXPECT_TRUE(audio.musicPlaying());
    EXPECT_EQ(audio.musicLoads(), 3);
  }
  EXPECT_GT(loudSamples(), 2000);
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
