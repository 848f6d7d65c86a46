#include <gtest/gtest.h>

#include <sstream>

#include "support/sim_runner.h"
#include "tools/sim/sim.h"

namespace velkor {
namespace {

using testing::runScriptOk;

TEST(SoundCommands, StrikesListTheirFilesAndFlagsUntilSoundIsOff) {
  EXPECT_EQ(runScriptOk("strike hit 1680.0001220703125\nstrike hit 1680.5\nstrike wall 55\n"
                "strike drop 5600\nwavs\nwavs\nsound off\nstrike hit 100\nwavs\nsound on\n"
                "strike wall 3000\nwavs\n"),
            "wav vmin.wav 0x11\nwav vmid.wav 0x11\nwav drop.wav 0x01\n"
            "wav meetwall.wav 0x01\n");
}

TEST(SoundCommands, TheEnginesContactsReachTheEffectSoundsAndPrintStaysAsItWas) {
  const std::string out = runScriptOk("ball 0 600 600 3000 0\nball 1 1800 600\nstep 20\nprint\nwavs\n");
  EXPECT_NE(out.find("\nsounds hit "), std::string::npos) << out;
  EXPECT_NE(out.find("\nwav vm"), std::string::npos) << out;
}

TEST(SoundCommands, BgmtickStartsTheSceneAndNamesItInTheCaption) {
  const std::string out = runScriptOk("bgmtick 3\nscene 0\nbgmtick\nscene 3\nbgmtick 2\n");
  EXPECT_EQ(out,
            "mci close menu.mid\nmci close record.mid\nmci close game1.mid\n"
            "mci close game2.mid\nmci close game3.mid\n"
            "mci close menu.mid\nmci close record.mid\nmci close game1.mid\n"
            "mci close game2.mid\nmci close game3.mid\n"
            "mci close menu.mid\nmci close record.mid\nmci close game1.mid\n"
            "mci close game2.mid\nmci close game3.mid\n"
            "mci open menu.mid\nmci play menu.mid\n"
            "caption VELKOR Ver.3.02 by quib --- BGM:\"Green Baize Evening\" by Tiru\n"
            "mci close menu.mid\nmci close record.mid\nmci close game1.mid\n"
            "mci close game2.mid\nmci close game3.mid\n"
            "mci open game2.mid\nmci play game2.mid\n"
            "caption VELKOR Ver.3.02 by quib --- BGM:\"Quib Is Thinking\" by Tiru\n");
}

TEST(SoundCommands, BadWordsAreRefusedBeforeAnythingRuns) {
  for (const char* script : {"sound maybe\n", "strike push 10\n", "strike hit\n", "scene 5\n",
                             "scene -2\n", "bgmtick x\n", "wavs 1\n"}) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(sim::runScript(in, out, err), 2) << script;
    EXPECT_TRUE(out.str().empty()) << script;
  }
}

}  // namespace
}  // namespace velkor
