#include "screen/logic/shot_controls.h"

#include <gtest/gtest.h>

#include "engine/shot_rules.h"
#include "platform/text.h"
#include "support/fake_screen.h"

namespace velkor {
namespace {

using testing::Fixture;

TEST(ShotOwner, NamesTheShooterOnTheButton) {
  Fixture f;
  f.g.players[0].isBreaker = true;
  f.g.players[0].name = fixedText("You", 12);
  f.g.players[1].name = fixedText("Player1", 12);
  showShotOwner(f.g, 0);
  EXPECT_EQ(f.g.form[Ctl::cmdShot].caption, "Your Shot");
  showShotOwner(f.g, 1);
  EXPECT_EQ(f.g.form[Ctl::cmdShot].caption, "Player1's Shot");
  f.g.players[0].name = fixedText("you", 12);
  showShotOwner(f.g, 2);
  EXPECT_EQ(f.g.form[Ctl::cmdShot].caption, "you's Shot") << "only the exact name is addressed";
}

}  // namespace
}  // namespace velkor
