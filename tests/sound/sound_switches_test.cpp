#include "sound/sound_switches.h"

#include <gtest/gtest.h>

#include "sound/effect_sounds.h"
#include "support/fake_screen.h"
#include "support/temp_folder.h"

namespace velkor {
namespace {

// Whether a hit now makes a sound.
bool hitSounds(testing::Fixture& f) {
  f.audio.calls.clear();
  playHitSound(f.g, 1000);
  return !f.audio.calls.empty();
}

TEST(SoundSwitches, EachSwitchSilencesOrRestoresTheEffectsByItsOwnRule) {
  testing::TempFolder dir;
  testing::Fixture f;
  f.g.iniDir = dir.dir();
  ASSERT_TRUE(hitSounds(f));
  mnuSound_Click(f.g);
  EXPECT_FALSE(hitSounds(f));
  EXPECT_FALSE(f.g.form[Ctl::mnuSound].checked);
  // The on picture still shows; clicking it switches to off, which the sounds already are.
  picSound_Click(f.g, 0);
  EXPECT_FALSE(hitSounds(f));
  EXPECT_TRUE(f.g.form[Ctl::picSound1].visible);
  picSound_Click(f.g, 1);
  EXPECT_TRUE(hitSounds(f));
  EXPECT_FALSE(f.g.form[Ctl::mnuSound].checked) << "the picture leaves the menu's check alone";
  mnuSound_Click(f.g);
  EXPECT_FALSE(hitSounds(f));
}

}  // namespace
}  // namespace velkor
