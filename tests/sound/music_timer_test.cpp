#include "sound/music_timer.h"

#include <gtest/gtest.h>

#include <set>

#include "sound/init_bgm_table.h"
#include "sound/music_scene.h"
#include "sound/sound_switches.h"
#include "support/fake_screen.h"
#include "support/temp_folder.h"

namespace velkor {
namespace {

const std::vector<std::string> kCloseAll = {"mci close menu.mid", "mci close record.mid",
                                            "mci close game1.mid", "mci close game2.mid",
                                            "mci close game3.mid"};

std::vector<std::string> closeAllThen(std::vector<std::string> more) {
  std::vector<std::string> out = kCloseAll;
  out.insert(out.end(), more.begin(), more.end());
  return out;
}

// A game as start-up leaves it: the table filled, the title track wanted, the timer on.
class MusicTimer : public ::testing::Test {
 protected:
  MusicTimer() {
    initBgmTable(f.g);
    f.g.timBGM.setEnabled(true);
  }
  // One tick; returns the media commands it sent.
  std::vector<std::string> tick() {
    f.audio.calls.clear();
    timBGM_Timer(f.g);
    return f.audio.calls;
  }
  // Ticks until a track opens; returns how many ticks that took (0 when none within limit).
  int ticksUntilOpen(int limit) {
    for (int n = 1; n <= limit; ++n) {
      for (const std::string& c : tick())
        if (c.rfind("mci open", 0) == 0) return n;
    }
    return 0;
  }
  testing::Fixture f;
};

TEST_F(MusicTimer, TableHoldsFiveTracksAndTheCreditInEveryRow) {
  const char* files[] = {"menu.mid", "record.mid", "game1.mid", "game2.mid", "game3.mid"};
  std::set<std::string> titles;
  for (std::size_t r = 0; r < 11; ++r) {
    const TrackRecord& row = f.g.trackTable[r];
    EXPECT_EQ(row.credit, "Tiru") << r;
    if (r < 5) {
      EXPECT_EQ(row.file, files[r]);
      EXPECT_EQ(row.seconds, 30);
      EXPECT_FALSE(row.title.empty());
      titles.insert(row.title);
    } else {
      EXPECT_TRUE(row.file.empty() && row.title.empty()) << r;
    }
  }
  EXPECT_EQ(titles.size(), 5u);
  EXPECT_EQ(f.g.bgmScene, bgmMenu);
  EXPECT_EQ(f.g.bgmPrevScene, bgmOff);
}

TEST_F(MusicTimer, FirstTickStartsTheTitleTrackAndNamesItInTheCaption) {
  EXPECT_EQ(tick(), (std::vector<std::string>{"mci open menu.mid", "mci play menu.mid"}));
  EXPECT_EQ(f.g.form[Ctl::MFVELKOR].caption,
            "VELKOR Ver.3.02 by quib --- BGM:\"" + f.g.trackTable[0].title + "\" by Tiru");
  EXPECT_EQ(f.g.bgmPrevScene, bgmMenu);
  EXPECT_EQ(f.g.bgmTicks, 0);
}

TEST_F(MusicTimer, SceneChangeClosesEveryTrackAndStartsTheNewOne) {
  tick();
  setBgmScene(f.g, bgmVSCPU);
  EXPECT_EQ(tick(), closeAllThen({"mci open game2.mid", "mci play game2.mid"}));
  EXPECT_NE(f.g.form[Ctl::MFVELKOR].caption.find(f.g.trackTable[3].title), std::string::npos);
}

TEST_F(MusicTimer, TrackRestarts31SecondsAfterASceneChangeAndEvery30AndAHalfAfter) {
  tick();
  // 500 ms ticks: 62 ticks are 31 s, 61 ticks are 30.5 s.
  EXPECT_EQ(ticksUntilOpen(200), 62);
  EXPECT_EQ(ticksUntilOpen(200), 61);
  EXPECT_EQ(ticksUntilOpen(200), 61);
}

TEST_F(MusicTimer, WhileBallsRollTheCloseCommandsRepeatUntilAllRestThenTheTrackStartsOver) {
  tick();
  for (int n = 0; n < 61; ++n) ASSERT_TRUE(tick().empty()) << n;
  f.g.balls[4].speed = 300;
  for (int n = 0; n < 5; ++n) EXPECT_EQ(tick(), kCloseAll) << n;
  f.g.balls[4].speed = 0;
  EXPECT_EQ(tick(), closeAllThen({"mci open menu.mid", "mci play menu.mid"}));
  EXPECT_EQ(f.g.bgmTicks, 1);
}

TEST_F(MusicTimer, TwoSceneChangesInOneTickStartOnlyTheLast) {
  tick();
  setBgmScene(f.g, bgmRecord);
  setBgmScene(f.g, bgmSoloPlay);
  EXPECT_EQ(tick(), closeAllThen({"mci open game1.mid", "mci play game1.mid"}));
}

TEST_F(MusicTimer, TheSameSceneAgainLetsTheTrackPlayOn) {
  tick();
  for (int n = 0; n < 10; ++n) tick();
  setBgmScene(f.g, bgmMenu);
  EXPECT_TRUE(tick().empty());
  EXPECT_EQ(f.g.bgmTicks, 11);
}

TEST_F(MusicTimer, MusicOffStopsTheTimerAndSwitchingOnRestartsTheTitleTrack) {
  const testing::TempFolder folder;  // the switch writes its setting
  f.g.iniDir = folder.dir();
  tick();
  setBgmScene(f.g, bgmSoloPlay);
  tick();
  f.audio.calls.clear();
  picBGM_Click(f.g, 0);
  EXPECT_FALSE(f.g.timBGM.enabled());
  EXPECT_EQ(f.audio.calls, kCloseAll);
  EXPECT_EQ(f.g.bgmScene, bgmOff);
  picBGM_Click(f.g, 1);
  EXPECT_TRUE(f.g.timBGM.enabled());
  EXPECT_EQ(tick(), (std::vector<std::string>{"mci open menu.mid", "mci play menu.mid"}));
}

TEST_F(MusicTimer, SceneOffClosesEveryTrackOnEveryTick) {
  f.g.bgmScene = bgmOff;
  EXPECT_EQ(tick(), kCloseAll);
  EXPECT_EQ(tick(), kCloseAll);
}

TEST_F(MusicTimer, TickCountStartsAgainAfterAnHour) {
  tick();
  f.g.balls[1].speed = 10;  // keeps the track from restarting, so the count runs on
  f.g.bgmTicks = 7199;
  tick();
  EXPECT_EQ(f.g.bgmTicks, 7200) << "3600 s is not yet past the hour";
  tick();
  EXPECT_EQ(f.g.bgmTicks, 0);
}

}  // namespace
}  // namespace velkor
