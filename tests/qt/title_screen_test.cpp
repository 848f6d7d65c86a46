#include "screen/qt/title_screen.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QTextBrowser>

#include "screen/logic/help_file.h"
#include "screen/logic/menu_handlers.h"
#include "screen/qt/help_viewer.h"
#include "screen/qt/main_window.h"
#include "screen/qt/title_art.h"
#include "support/fake_screen.h"

namespace velkor {
namespace {

// The main window's title screen, with the fake screen recording what the handlers ask.
struct TitleFixture : testing::Fixture {
  TitleFixture() {
    g.screen = &screen;
    g.form.setVisible(Ctl::MFVELKOR, true);
  }
  QWidget* at(Ctl c) const { return window.widget(c); }
  TitleScreen& title() const { return *qobject_cast<TitleScreen*>(window.widget(Ctl::picMenu)); }
  MFVELKOR window{g};
};

struct Place {
  Ctl ctl;
  QRect rect;
  const char* toolTip;
};

TEST(TitleScreenWidget, ControlsStandAtTheirPlacesWithTheirTooltips) {
  TitleFixture f;
  EXPECT_EQ(f.title().geometry(), QRect(0, 0, 540, 372));
  const Place places[] = {
      {Ctl::picSoloPlay1, {16, 56, 163, 41}, "独り撞きモード"},
      {Ctl::picVSCPU1, {216, 56, 135, 41}, "成長する思考ルーチン\"quib\"と対戦"},
      {Ctl::picVSPlay1, {376, 56, 143, 41}, "お友達とどうぞ"},
      {Ctl::picRecord1, {408, 112, 126, 39}, "記録"},
      {Ctl::picExit1, {456, 328, 70, 39}, "VELKORを終了"},
      {Ctl::picBGM0, {40, 120, 40, 40}, "BGMのOn/Off"},
      {Ctl::picSound1, {24, 160, 40, 40}, "サウンドのOn/Off"},
      {Ctl::picColor0, {8, 200, 40, 40}, "True Color/256 Colorの切り替え"},
      {Ctl::lblHelp, {512, 0, 25, 33}, "ヘルプ"},
      {Ctl::lblCopyright1, {0, 336, 537, 17}, ""},
  };
  for (const Place& p : places) {
    ASSERT_NE(f.at(p.ctl), nullptr) << controlName(p.ctl);
    EXPECT_EQ(f.at(p.ctl)->geometry(), p.rect) << controlName(p.ctl);
    EXPECT_EQ(f.at(p.ctl)->toolTip(), QString::fromUtf8(p.toolTip)) << controlName(p.ctl);
  }
  EXPECT_EQ(f.at(Ctl::picSoloPlay0)->toolTip(), "") << "a button's tooltip is on its lit picture";
  EXPECT_FALSE(f.at(Ctl::picSoloPlay1)->isVisible());
  EXPECT_TRUE(f.at(Ctl::picSoloPlay0)->isVisible());
}

TEST(TitleScreenWidget, MovingOverAButtonLightsItAndTheBareTitleRestoresIt) {
  TitleFixture f;
  QTest::mouseMove(f.at(Ctl::picVSPlay0), QPoint(10, 10));
  EXPECT_TRUE(f.at(Ctl::picVSPlay1)->isVisible());
  QTest::mouseMove(f.at(Ctl::picVSPlay1), QPoint(12, 12));
  EXPECT_TRUE(f.at(Ctl::picVSPlay1)->isVisible());
  QTest::mouseMove(f.at(Ctl::picExit0), QPoint(5, 5));
  EXPECT_FALSE(f.at(Ctl::picVSPlay1)->isVisible());
  EXPECT_TRUE(f.at(Ctl::picExit1)->isVisible());
  QTest::mouseMove(&f.title(), QPoint(300, 250));
  EXPECT_FALSE(f.at(Ctl::picExit1)->isVisible());
  EXPECT_EQ(f.g.gameMode, modeMenu);
}

TEST(TitleScreenWidget, TheLitPictureTakesTheClick) {
  TitleFixture f;
  f.g.gameMode = modeMenu;
  QTest::mouseMove(f.at(Ctl::picExit0), QPoint(5, 5));
  QTest::mouseClick(f.at(Ctl::picExit1), Qt::LeftButton);
  EXPECT_EQ(f.screen.callsStartingWith("endProgram").size(), 1u);
}

TEST(TitleScreenWidget, HelpLabelLightsUnderTheMouseAndOpensThePage) {
  TitleFixture f;
  auto* help = f.at(Ctl::lblHelp);
  EXPECT_EQ(help->palette().color(QPalette::WindowText), QColor(128, 0, 128));
  QTest::mouseMove(help, QPoint(5, 5));
  EXPECT_EQ(help->palette().color(QPalette::WindowText), QColor(255, 0, 255));
  QTest::mouseClick(help, Qt::LeftButton);
  QTest::mouseClick(f.at(Ctl::lblCopyright1), Qt::LeftButton, {}, QPoint(20, 8));
  EXPECT_EQ(f.screen.callsStartingWith("helpPage"),
            (std::vector<std::string>{"helpPage help.html", "helpPage help.html"}));
}

// Share of pixels that differ between two pictures of one size.
double differingShare(const QImage& a, const QImage& b) {
  int diff = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) diff += a.pixel(x, y) != b.pixel(x, y);
  }
  return static_cast<double>(diff) / (a.width() * a.height());
}

TEST(TitleArt, LitButtonsAndOffSwitchesLookClearlyDifferent) {
  for (TitleButton b : {TitleButton::soloPlay, TitleButton::vsCpu, TitleButton::vsPlay,
                        TitleButton::record, TitleButton::exit}) {
    const QImage under = makeTitleBackground().copy(408, 112, 126, 39);
    EXPECT_GT(differingShare(makeTitleButtonPicture(b, false, under),
                             makeTitleButtonPicture(b, true, under)),
              0.5)
        << titleButtonCaption(b);
  }
  for (TitleSwitch s : {TitleSwitch::bgm, TitleSwitch::sound, TitleSwitch::color}) {
    const QImage under = makeTitleBackground().copy(8, 200, 40, 40);
    EXPECT_GT(differingShare(makeTitleSwitchPicture(s, true, under),
                             makeTitleSwitchPicture(s, false, under)),
              0.2);
  }
  EXPECT_EQ(makeTitleBackground().size(), QSize(540, 372));
}

TEST(MenuLabelsWidget, LabelsMirrorTheFormAndIgnoreHoverDuringAShot) {
  TitleFixture f;
  f.g.form.setVisible(Ctl::picMenu, false);  // on the table, as in a game
  std::vector<QLabel*> labels;
  for (Ctl c : {Ctl::lblMenu0, Ctl::lblMenu1, Ctl::lblMenu2}) {
    labels.push_back(qobject_cast<QLabel*>(f.at(c)));
  }
  EXPECT_EQ(labels[0]->text(), "Menu");
  EXPECT_EQ(labels[2]->geometry(), QRect(360, 0, 57, 25));
  EXPECT_EQ(labels[1]->toolTip(), QString::fromUtf8("始めからやり直し"));
  QTest::mouseMove(labels[1], QPoint(3, 3));
  EXPECT_EQ(labels[1]->palette().color(QPalette::WindowText), QColor(255, 0, 255));
  f.g.Timer1.setEnabled(true);
  QTest::mouseMove(labels[2], QPoint(3, 3));
  EXPECT_EQ(labels[2]->palette().color(QPalette::WindowText), QColor(192, 0, 192));
  EXPECT_EQ(labels[1]->palette().color(QPalette::WindowText), QColor(255, 0, 255));
}

TEST(HelpWindowWidget, ContentsLinkToTopicsAndTheIndexListsKeywords) {
  const auto help = loadHelpFile(std::string(VELKOR_ASSET_DIR) + "/velkor.HLP");
  ASSERT_TRUE(help.has_value());
  HelpWindow w(*help);
  w.showContents();
  EXPECT_TRUE(w.browser()->toHtml().contains("Nine-ball rules"));
  w.showKeywordIndex();
  EXPECT_TRUE(w.browser()->toPlainText().contains("foul"));
  EXPECT_TRUE(w.showTopic("rules"));
  EXPECT_TRUE(w.browser()->toPlainText().contains("lowest-numbered ball"));
  EXPECT_FALSE(w.showTopic("no-such-topic"));
}

}  // namespace
}  // namespace velkor
