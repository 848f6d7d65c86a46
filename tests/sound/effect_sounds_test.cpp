#include "sound/effect_sounds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/fake_screen.h"

namespace velkor {
namespace {

enum class Op { hit, drop, wall };

struct BandCase {
  const char* name;
  Op op;
  Single strength;
  const char* file;  // nullptr: silent
};

std::optional<WavChoice> choose(Op op, Single strength, Integer shotCount) {
  switch (op) {
    case Op::hit: return chooseHitSound(strength, shotCount);
    case Op::drop: return chooseDropSound(strength);
    case Op::wall: return chooseWallSound(strength);
  }
  return std::nullopt;
}

const Single kAbove1680 = std::nextafter(1680.0f, 2000.0f);
const Single kBelow56 = std::nextafter(56.0f, 0.0f);  // still 0.01 once divided

class EffectBands : public ::testing::TestWithParam<BandCase> {};

TEST_P(EffectBands, PickTheFileOfTheFirstBandThatHolds) {
  const BandCase& c = GetParam();
  const auto got = choose(c.op, c.strength, 5);
  if (!c.file) {
    EXPECT_FALSE(got) << got->file;
    return;
  }
  ASSERT_TRUE(got);
  EXPECT_STREQ(got->file, c.file);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, EffectBands,
    ::testing::Values(
        BandCase{"HitZeroIsTheSoftest", Op::hit, 0, "vmin.wav"},
        BandCase{"HitAt1680", Op::hit, 1680, "vmin.wav"},
        // In double the fraction would be past 0.3; as a Single it rounds back onto it.
        BandCase{"HitOneFloatStepAbove1680", Op::hit, kAbove1680, "vmin.wav"},
        BandCase{"HitJustPast1680", Op::hit, 1680.5f, "vmid.wav"},
        BandCase{"HitAt3360", Op::hit, 3360, "vmid.wav"},
        BandCase{"HitPast3360", Op::hit, 3361, "vmax.wav"},
        BandCase{"HitAt28000", Op::hit, 28000, "vmax.wav"},
        BandCase{"HitPast28000", Op::hit, 28010, nullptr},
        BandCase{"HitNegative", Op::hit, -1, nullptr},
        BandCase{"HitNaN", Op::hit, std::numeric_limits<Single>::quiet_NaN(), nullptr},
        BandCase{"DropAtFullPower", Op::drop, 5600, "drop.wav"},
        BandCase{"DropAt56", Op::drop, 56, "drop.wav"},
        BandCase{"DropOneFloatStepBelow56", Op::drop, kBelow56, "drop.wav"},
        BandCase{"DropJustBelow56", Op::drop, 55.99f, nullptr},
        BandCase{"DropPastFullPower", Op::drop, 5601, nullptr},
        BandCase{"WallAt56", Op::wall, 56, "meetwall.wav"},
        BandCase{"WallOneFloatStepBelow56", Op::wall, kBelow56, "meetwall.wav"},
        BandCase{"WallJustBelow56", Op::wall, 55.99f, nullptr},
        BandCase{"WallZero", Op::wall, 0, nullptr},
        BandCase{"WallAt56000", Op::wall, 56000, "meetwall.wav"},
        BandCase{"WallPast56000", Op::wall, 56010, nullptr},
        BandCase{"WallNegative", Op::wall, -100, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EffectFlags, HitsOfTheBreakShotSpareAPlayingSoundAndLaterHitsCutIt) {
  for (Integer shots : {0, 1}) EXPECT_EQ(chooseHitSound(3000, shots)->flags, 0x11u) << shots;
  for (Integer shots : {2, 40}) EXPECT_EQ(chooseHitSound(3000, shots)->flags, 0x01u) << shots;
  // Drops and cushions always cut, even during the break.
  EXPECT_EQ(chooseDropSound(5600)->flags, 0x01u);
  EXPECT_EQ(chooseWallSound(3000)->flags, 0x01u);
}

TEST(EffectOperations, PlayTheChosenFileWhileSoundsAreOnAndNothingWhenOff) {
  testing::Fixture f;
  f.g.shotCount = 1;
  playHitSound(f.g, 5000);
  playWallSound(f.g, 10);  // too soft: silent
  f.g.shotCount = 3;
  playHitSound(f.g, 100);
  playWallSound(f.g, 2000);
  playDropSound(f.g, 5600);
  EXPECT_EQ(f.audio.calls,
            (std::vector<std::string>{"wav vmax.wav 0x11", "wav vmin.wav 0x01",
                                      "wav meetwall.wav 0x01", "wav drop.wav 0x01"}));
  f.audio.calls.clear();
  f.g.soundOn = 0;
  for (Single s : {0.0f, 1000.0f, 5600.0f, 20000.0f}) {
    playHitSound(f.g, s);
    playWallSound(f.g, s);
    playDropSound(f.g, s);
  }
  EXPECT_TRUE(f.audio.calls.empty());
}

TEST(EffectOperations, TheInstalledPortTurnsTheEnginesCallsIntoFiles) {
  testing::Fixture f;
  EffectSounds effects(f.g);
  Sound& port = effects;
  port.playHitSound(2000);
  port.playDropSound(5600);
  port.playWallSound(300);
  EXPECT_EQ(f.audio.calls, (std::vector<std::string>{"wav vmid.wav 0x11", "wav drop.wav 0x01",
                                                     "wav meetwall.wav 0x01"}));
}

}  // namespace
}  // namespace velkor
