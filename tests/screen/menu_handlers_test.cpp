#include "screen/logic/menu_handlers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/shot_controls.h"
#include "engine/game_modes.h"
#include "engine/rack.h"
#include "platform/profile.h"
#include "screen/logic/pic_color_click.h"
#include "support/fake_screen.h"
#include "support/temp_folder.h"

namespace velkor {
namespace {

using testing::Fixture;

// A game on the title screen, as start-up leaves it, with the idle timer on a virtual clock.
struct MenuFixture : Fixture {
  MenuFixture() {
    g.timDemo.setInterval(1000);
    g.timDemo.setHandler([this] { timDemo_Timer(g); });
    clock.attach(g.timDemo);
    setSoloMode(g);
    setVsPlayerNames(g);
    g.vsComputer = true;
    returnToMenu(g);
  }
  // A solo game started from the title screen.
  void startSolo() {
    picSoloPlay_Click(g, 0);
    screen.calls.clear();
  }
  std::vector<std::uint32_t> labelColors() const {
    return {g.form[Ctl::lblMenu0].foreColor, g.form[Ctl::lblMenu1].foreColor,
            g.form[Ctl::lblMenu2].foreColor};
  }
  VirtualClock clock;
};

TEST(MenuHandlers, BackBeforeTheFirstShotOfARackOnlyRedraws) {
  MenuFixture f;
  f.startSolo();
  ASSERT_TRUE(f.g.breakPending);
  const auto before = f.g.balls;
  const Integer shots = f.g.shotCount;
  lblMenu_Click(f.g, 2);
  EXPECT_EQ(f.screen.calls, std::vector<std::string>{"drawTable"});
  EXPECT_EQ(f.g.shotCount, shots);
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(f.g.balls[i].x, before[i].x) << "ball " << i;
    EXPECT_EQ(f.g.balls[i].y, before[i].y) << "ball " << i;
  }
}

// F2 and the "Start" label start the same new rack, and the status strip shows its counts.
TEST(MenuHandlers, F2AndTheStartLabelBothRedrawTheStatusStripOfTheNewRack) {
  for (bool label : {false, true}) {
    MenuFixture f;
    f.startSolo();
    f.g.shotCount = 7;
    f.g.turnCount = 5;
    if (label) {
      lblMenu_Click(f.g, 1);
    } else {
      mnuStart_click(f.g);
    }
    EXPECT_EQ(f.g.shotCount, 0) << label;
    const auto& calls = f.screen.calls;
    const auto strip = std::find(calls.begin(), calls.end(), "showInfomation");
    ASSERT_NE(strip, calls.end()) << label;
    EXPECT_LT(std::find(calls.begin(), calls.end(), "drawTable"), strip) << "after the rack";
  }
}

TEST(MenuHandlers, LabelsIgnoreClicksAndHoverWhileTheBallsRoll) {
  for (Integer index = 0; index < 3; ++index) {
    MenuFixture f;
    f.startSolo();
    f.g.breakPending = false;
    f.g.Timer1.setEnabled(true);
    const auto colors = f.labelColors();
    lblMenu_Click(f.g, index);
    lblMenu_MouseMove(f.g, index);
    EXPECT_TRUE(f.screen.calls.empty()) << "label " << index;
    EXPECT_EQ(f.g.gameMode, modeSolo) << "label " << index;
    EXPECT_FALSE(f.g.form[Ctl::picMenu].visible) << "label " << index;
    EXPECT_TRUE(f.g.Timer1.enabled()) << "label " << index;
    EXPECT_EQ(f.labelColors(), colors) << "label " << index;
  }
}

TEST(MenuHandlers, HoverLightsOneLabelAndLeavingRestoresAll) {
  MenuFixture f;
  f.startSolo();
  lblMenu_MouseMove(f.g, 1);
  EXPECT_EQ(f.labelColors(),
            (std::vector<std::uint32_t>{kMenuLabelColor, kHoverColor, kMenuLabelColor}));
  lblMenu_MouseMove(f.g, 2);
  EXPECT_EQ(f.labelColors(),
            (std::vector<std::uint32_t>{kMenuLabelColor, kMenuLabelColor, kHoverColor}));
  picInfomation_MouseMove(f.g);
  EXPECT_EQ(f.labelColors(), std::vector<std::uint32_t>(3, kMenuLabelColor));
  lblMenu_MouseMove(f.g, 0);
  Form_MouseMove(f.g);
  EXPECT_EQ(f.labelColors(), std::vector<std::uint32_t>(3, kMenuLabelColor));
}

TEST(MenuHandlers, MenuLabelReturnsToTheTitleWithItsMusic) {
  MenuFixture f;
  f.startSolo();
  ASSERT_EQ(f.g.bgmScene, bgmSoloPlay);
  lblMenu_Click(f.g, 0);
  EXPECT_EQ(f.g.gameMode, modeMenu);
  EXPECT_TRUE(f.g.form[Ctl::picMenu].visible);
  EXPECT_TRUE(f.g.timDemo.enabled());
  EXPECT_EQ(f.g.bgmScene, bgmMenu);
  EXPECT_EQ(f.g.bgmPrevScene, bgmSoloPlay);
  EXPECT_EQ(f.screen.calls.back(), "drawTable");
}

TEST(MenuHandlers, SoloButtonStartsASoloGameWithAllThreeLabels) {
  MenuFixture f;
  picSoloPlay_Click(f.g, 1);  // the lit picture takes the click
  EXPECT_EQ(f.g.gameMode, modeSolo);
  EXPECT_FALSE(f.g.form[Ctl::picMenu].visible);
  EXPECT_EQ(f.g.form[Ctl::cmdShot].caption, "Shot!");
  EXPECT_FLOAT_EQ(f.g.form[Ctl::cmdShot].fontSize, 18.75f);
  EXPECT_FALSE(f.g.form[Ctl::lblQuibsMessage].visible);
  for (Ctl c : {Ctl::lblMenu0, Ctl::lblMenu1, Ctl::lblMenu2}) {
    EXPECT_TRUE(f.g.form[c].visible) << controlName(c);
  }
  EXPECT_EQ(f.g.bgmScene, bgmSoloPlay);
  EXPECT_EQ(f.screen.callsStartingWith("showInfomation").size(), 1u);
}

TEST(MenuHandlers, DemonstrationStartsOnThe31stSecondWhateverTheMouseDoes) {
  MenuFixture f;
  for (int s = 0; s < 30; ++s) {
    f.clock.advance(500);
    picMenu_MouseMove(f.g);  // moving on the title keeps the menu mode and the count
    picSoloPlay_MouseMove(f.g, 0);
    f.clock.advance(500);
  }
  EXPECT_EQ(f.g.gameMode, modeMenu);
  EXPECT_EQ(f.g.idleSeconds, 30);
  f.clock.advance(1000);
  EXPECT_EQ(f.g.gameMode, modeDemo);
  EXPECT_FALSE(f.g.form[Ctl::picMenu].visible);
  EXPECT_EQ(f.g.form[Ctl::cmdShot].caption, "DEMO");
  EXPECT_TRUE(f.g.timCom.enabled());
  for (Ctl c : {Ctl::lblMenu0, Ctl::lblMenu1, Ctl::lblMenu2}) {
    EXPECT_FALSE(f.g.form[c].visible) << controlName(c);
  }
  f.clock.advance(1000);
  EXPECT_EQ(f.g.idleSeconds, 0) << "the demonstration resets the count";
}

TEST(MenuHandlers, ATickAwayFromTheTitleStartsTheCountAgain) {
  MenuFixture f;
  f.clock.advance(20000);
  ASSERT_EQ(f.g.idleSeconds, 20);
  picRecord_Click(f.g, 0);  // records view for one tick
  f.clock.advance(1000);
  EXPECT_EQ(f.g.idleSeconds, 0);
  picScore_Click(f.g);
  picMenu_MouseMove(f.g);  // back in the menu mode
  f.clock.advance(30000);
  EXPECT_EQ(f.g.gameMode, modeMenu);
  f.clock.advance(1000);
  EXPECT_EQ(f.g.gameMode, modeDemo);
}

TEST(MenuHandlers, ModeMenuItemsDoNothingOutsideTheirModes) {
  for (Integer mode : {modeDemo, modeMenu, modeRecords}) {
    MenuFixture f;
    f.g.gameMode = mode;
    f.g.form.setCaption(Ctl::cmdShot, "unchanged");
    f.screen.calls.clear();
    mnuChangeMode_Click(f.g);
    mnuCurrentCondition_Click(f.g);
    EXPECT_TRUE(f.screen.calls.empty()) << "mode " << mode;
    EXPECT_EQ(f.g.gameMode, mode);
    EXPECT_EQ(f.g.form[Ctl::cmdShot].caption, "unchanged");
  }
}

TEST(MenuHandlers, CurrentConditionShowsTheResultWindowOfTheMode) {
  MenuFixture f;
  f.screen.calls.clear();
  f.g.gameMode = modeSolo;
  mnuCurrentCondition_Click(f.g);
  f.g.gameMode = modeVersus;
  mnuCurrentCondition_Click(f.g);
  EXPECT_EQ(f.screen.calls,
            (std::vector<std::string>{"window frmRecord", "window frmVsResult"}));
}

TEST(MenuHandlers, ChangeModeFromVersusGoesBackToSoloWithANewRack) {
  MenuFixture f;
  f.screen.onModal = [&](Window w) {
    if (w == Window::frmChangeVsMode) acceptVsSetupDefaults(f.g);
  };
  picVSPlay_Click(f.g, 0);
  ASSERT_EQ(f.g.gameMode, modeVersus);
  EXPECT_FALSE(f.g.form[Ctl::mnuStart].enabled);
  mnuChangeMode_Click(f.g);
  EXPECT_EQ(f.g.gameMode, modeSolo);
  EXPECT_TRUE(f.g.form[Ctl::mnuStart].enabled);
  EXPECT_EQ(f.g.form[Ctl::mnuChangeMode].caption, "独り撞き→対戦(&M)");
  EXPECT_TRUE(f.g.breakPending);
}

struct MatchButtonCase {
  const char* name;
  void (*click)(GameState&, Integer);
  bool vsComputer;
  Integer scene;
  const char* player1;
};

class MatchButtons : public ::testing::TestWithParam<MatchButtonCase> {};

TEST_P(MatchButtons, CancellingTheSetUpReturnsToTheTitleWithTheSceneSet) {
  const MatchButtonCase& c = GetParam();
  MenuFixture f;
  f.screen.onModal = [&](Window w) {
    if (w == Window::frmChangeVsMode) cancelVsSetup(f.g);
  };
  c.click(f.g, 1);
  EXPECT_EQ(f.g.gameMode, modeMenu);
  EXPECT_TRUE(f.g.form[Ctl::picMenu].visible);
  EXPECT_EQ(f.g.bgmScene, c.scene);
  EXPECT_EQ(f.g.bgmPrevScene, bgmOff);
  EXPECT_FALSE(f.g.vsComputer) << "Cancel leaves no computer opponent";
  for (Ctl l : {Ctl::lblMenu0, Ctl::lblMenu1, Ctl::lblMenu2}) {
    EXPECT_FALSE(f.g.form[l].visible) << controlName(l);
  }
}

TEST_P(MatchButtons, OkStartsTheMatchWithTheDefaultNames) {
  const MatchButtonCase& c = GetParam();
  MenuFixture f;
  bool computerWhileOpen = !c.vsComputer;
  f.screen.onModal = [&](Window w) {
    if (w != Window::frmChangeVsMode) return;
    computerWhileOpen = f.g.vsComputer;
    acceptVsSetupDefaults(f.g);
  };
  c.click(f.g, 0);
  EXPECT_EQ(computerWhileOpen, c.vsComputer);
  EXPECT_EQ(f.g.gameMode, modeVersus);
  EXPECT_FALSE(f.g.form[Ctl::picMenu].visible);
  EXPECT_EQ(f.g.players[1].name, c.player1);
  EXPECT_EQ(f.g.gamesToWin, 3);
  EXPECT_TRUE(f.g.form[Ctl::lblMenu0].visible);
  EXPECT_FALSE(f.g.form[Ctl::lblMenu1].visible);
  EXPECT_EQ(f.g.bgmScene, c.scene);
}

INSTANTIATE_TEST_SUITE_P(
    TitleScreen, MatchButtons,
    ::testing::Values(MatchButtonCase{"VsCpu", picVSCPU_Click, true, bgmVSCPU, "quib        "},
                      MatchButtonCase{"VsPlay", picVSPlay_Click, false, bgmVSPlay,
                                      "Player2     "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuHandlers, HoverLightsOnlyTheButtonUnderTheMouse) {
  MenuFixture f;
  picVSCPU_MouseMove(f.g, 0);
  EXPECT_TRUE(f.g.form[Ctl::picVSCPU1].visible);
  picExit_MouseMove(f.g, 0);
  EXPECT_FALSE(f.g.form[Ctl::picVSCPU1].visible);
  EXPECT_TRUE(f.g.form[Ctl::picExit1].visible);
  picExit_MouseMove(f.g, 1);  // moving over the lit picture changes nothing
  EXPECT_TRUE(f.g.form[Ctl::picExit1].visible);
  f.g.form.setForeColor(Ctl::lblHelp, kHoverColor);
  picMenu_MouseMove(f.g);
  for (Ctl c : {Ctl::picSoloPlay0, Ctl::picVSCPU0, Ctl::picVSPlay0, Ctl::picRecord0,
                Ctl::picExit0}) {
    EXPECT_TRUE(f.g.form[c].visible) << controlName(c);
    EXPECT_FALSE(f.g.form[static_cast<Ctl>(static_cast<int>(c) + 1)].visible) << controlName(c);
  }
  EXPECT_EQ(f.g.form[Ctl::lblHelp].foreColor, kHelpLabelColor);
}

TEST(MenuHandlers, RecordsButtonOpensTheRecordsScreenAndItsMenuLabelLeadsBack) {
  MenuFixture f;
  f.g.soloRec[3].Index = 11;
  picRecord_Click(f.g, 1);
  EXPECT_EQ(f.g.gameMode, modeRecords);
  EXPECT_TRUE(f.g.form[Ctl::picScore].visible);
  EXPECT_EQ(f.g.soloRec[3].Index, 3) << "no row is marked as new";
  EXPECT_EQ(f.g.bgmScene, bgmRecord);
  lblExitScore_Click(f.g);
  EXPECT_FALSE(f.g.form[Ctl::picScore].visible);
  EXPECT_EQ(f.g.gameMode, modeMenu);
  EXPECT_EQ(f.g.bgmScene, bgmMenu);
  EXPECT_EQ(f.g.bgmPrevScene, bgmRecord);
}

TEST(MenuHandlers, ExitHelpAndVersionGoThroughTheScreen) {
  MenuFixture f;
  f.screen.calls.clear();
  mnuHelpCont_Click(f.g);
  mnuKey_Click(f.g);
  lblHelp_Click(f.g);
  lblCopyright_Click(f.g, 1);
  mnuAbout_Click(f.g);
  picExit_Click(f.g, 0);
  mnuExit_Click(f.g);
  EXPECT_EQ(f.screen.calls,
            (std::vector<std::string>{"help velkor.HLP contents", "help velkor.HLP keywords",
                                      "helpPage help.html", "helpPage help.html",
                                      "window frmVersion", "endProgram", "endProgram"}));
}

class ColorSwitch : public ::testing::Test {
 protected:
  MenuFixture f;
  testing::TempFolder folder;
  void SetUp() override { f.g.iniDir = folder.dir(); }
  std::string stored() {
    return getPrivateProfileString("VELKOR", "HiColor", "missing", folder.file("VELKOR.INI"));
  }
};

TEST_F(ColorSwitch, ElementZeroSwitchesTo256ColoursAndWritesZero) {
  f.g.form.setVisible(Ctl::MFVELKOR, true);
  picColor_Click(f.g, 0);
  EXPECT_EQ(f.g.hiColor, 0);
  EXPECT_FALSE(f.g.form[Ctl::picColor0].visible);
  EXPECT_TRUE(f.g.form[Ctl::picColor1].visible);
  EXPECT_EQ(stored(), " 0");
  EXPECT_EQ(f.screen.callsStartingWith("msgbox"),
            std::vector<std::string>{"msgbox 色数を256色に変更します。次回起動から有効です。"});
  picColor_Click(f.g, 1);
  EXPECT_EQ(stored(), "-1");
  EXPECT_EQ(f.screen.callsStartingWith("msgbox").back(),
            "msgbox 色数をTrue Colorに変更します。次回起動から有効です。");
}

TEST_F(ColorSwitch, NoMessageWhileTheWindowIsHiddenOrNothingChanges) {
  ASSERT_FALSE(f.g.form[Ctl::MFVELKOR].visible);
  picColor_Click(f.g, 0);  // start-up applying a stored 0
  EXPECT_EQ(stored(), " 0");
  f.g.form.setVisible(Ctl::MFVELKOR, true);
  picColor_Click(f.g, 0);  // already 256 colours
  EXPECT_TRUE(f.screen.callsStartingWith("msgbox").empty());
}

}  // namespace
}  // namespace velkor
