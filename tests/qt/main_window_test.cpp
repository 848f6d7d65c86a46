#include "screen/qt/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include "controls/language.h"
#include "screen/logic/layout.h"
#include "screen/qt/app.h"
#include "screen/qt/timer_binding.h"

namespace velkor {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  GameState g;
  MFVELKOR window{g};

  QWidget* child(const char* name) { return window.findChild<QWidget*>(name); }
  QAction* menuAction(const char* name) {
    for (QAction* a : window.findChildren<QAction*>(name)) return a;
    return nullptr;
  }
};

TEST_F(MainWindowTest, EveryControlIsAWidgetNamedAfterIt) {
  for (const char* name : {"picPool", "picPocketedBalls", "picInfomation", "picSetPoint",
                           "shpPointBall", "shpPoint", "lblPower", "HScroll1", "cmdShot", "lblBIP",
                           "lblQuibsMessage", "lblMenu0", "lblMenu1", "lblMenu2", "picMenu",
                           "picScore", "shpTarget", "shpQBall"}) {
    EXPECT_NE(child(name), nullptr) << name;
  }
  EXPECT_EQ(window.objectName(), "MFVELKOR");
  // The markers lie inside the pictures they mark.
  EXPECT_EQ(child("shpTarget")->parentWidget(), child("picPool"));
  EXPECT_EQ(child("shpPoint")->parentWidget(), child("picSetPoint"));
}

TEST_F(MainWindowTest, LabelCaptionsAreShownAsPlainText) {
  for (Ctl c : {Ctl::lblQuibsMessage, Ctl::lblBIP, Ctl::lblPower}) {
    g.form.setCaption(c, "<h1>AB</h1>");
    auto* l = qobject_cast<QLabel*>(window.widget(c));
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->text(), "<h1>AB</h1>");
    EXPECT_EQ(l->textFormat(), Qt::PlainText);
  }
}

// Drawn crisp, a marker's outline is in exactly its colour; blended edges would have none.
TEST_F(MainWindowTest, MarkersAreDrawnInExactlyTheirColours) {
  const struct {
    Ctl marker;
    QRgb colour;
    int least;  // pixels of the colour at the least
  } markers[] = {{Ctl::shpTarget, qRgb(0, 255, 255), 16},
                 {Ctl::shpQBall, qRgb(255, 0, 0), 40},
                 {Ctl::shpPoint, qRgb(255, 0, 0), 9}};
  g.form.setVisible(Ctl::picMenu, false);
  for (const auto& m : markers) {
    g.form.setVisible(m.marker, true);
    QWidget* w = window.widget(m.marker);
    const QImage picture = w->parentWidget()->grab(w->geometry()).toImage();
    int exact = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) exact += (picture.pixel(x, y) & 0xFFFFFF) == (m.colour & 0xFFFFFF);
    }
    EXPECT_GE(exact, m.least) << controlName(m.marker);
  }
}

TEST_F(MainWindowTest, WindowIsFixedAroundItsClientAreaAndTheTitleCoversIt) {
  window.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  window.resize(window.width() + 100, window.height() + 80);
  QCoreApplication::processEvents();
  EXPECT_EQ(window.centralWidget()->size(), QSize(kClientWidth, kClientHeight));
  EXPECT_EQ(window.size(), window.minimumSize());
  EXPECT_EQ(window.widget(Ctl::picMenu)->geometry(), QRect(0, 0, kClientWidth, kClientHeight));
}

// Qt sets WA_Moved at every move() of the window: cleared, it shows whether one came since.
TEST_F(MainWindowTest, TheWindowIsPlacedOnlyWhenTheFormMovesIt) {
  g.form.move(Ctl::MFVELKOR, 369 * 15, 312 * 15);
  g.form.setVisible(Ctl::MFVELKOR, true);
  QCoreApplication::processEvents();
  const QPoint place = window.pos();
  EXPECT_EQ(place, QPoint(369, 312));
  window.setAttribute(Qt::WA_Moved, false);
  g.form.setCaption(Ctl::MFVELKOR, "VELKOR Ver.3.02 by quib --- BGM");
  g.form.setVisible(Ctl::MFVELKOR, true);
  QCoreApplication::processEvents();
  EXPECT_FALSE(window.testAttribute(Qt::WA_Moved));
  EXPECT_EQ(window.pos(), place);
  g.form.move(Ctl::MFVELKOR, 200 * 15, 100 * 15);
  QCoreApplication::processEvents();
  EXPECT_TRUE(window.testAttribute(Qt::WA_Moved));
  EXPECT_EQ(window.pos(), QPoint(200, 100));
}

TEST_F(MainWindowTest, AWindowMovedOnTheDesktopTellsTheFormAndIsNotPlacedAgain) {
  g.form.move(Ctl::MFVELKOR, 369 * 15, 312 * 15);
  g.form.setVisible(Ctl::MFVELKOR, true);
  QCoreApplication::processEvents();
  window.setAttribute(Qt::WA_Moved, false);
  window.windowHandle()->setFramePosition(QPoint(100, 80));  // as a drag of the title bar
  QCoreApplication::processEvents();
  EXPECT_FLOAT_EQ(g.form[Ctl::MFVELKOR].left, 100 * 15);
  EXPECT_FLOAT_EQ(g.form[Ctl::MFVELKOR].top, 80 * 15);
  g.form.setCaption(Ctl::MFVELKOR, "VELKOR Ver.3.02");
  QCoreApplication::processEvents();
  EXPECT_FALSE(window.testAttribute(Qt::WA_Moved));
  EXPECT_EQ(window.pos(), QPoint(100, 80));
}

TEST_F(MainWindowTest, MenuBarHoldsTheItemsInTheirMenus) {
  for (const char* name : {"mnuGame", "mnuStart", "mnuRetry", "mnuSep3", "mnuRecord", "mnuVS",
                           "mnuSep1", "mnuExit", "mnuChangeMode", "mnuCurrentCondition",
                           "mnuOption", "mnuSound", "mnuHelp", "mnuHelpCont", "mnuKey", "mnuSep2",
                           "mnuAbout"}) {
    EXPECT_NE(menuAction(name), nullptr) << name;
  }
  EXPECT_TRUE(window.action(Ctl::mnuSep1)->isSeparator());
  EXPECT_TRUE(window.action(Ctl::mnuSound)->isChecked());
  EXPECT_EQ(window.action(Ctl::mnuStart)->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(window.action(Ctl::mnuHelpCont)->shortcut(), QKeySequence(Qt::Key_F1));
  const QList<QAction*> top = window.menuBar()->actions();
  ASSERT_EQ(top.size(), 5);
  EXPECT_EQ(top[0]->objectName(), "mnuGame");
  EXPECT_EQ(top[1]->objectName(), "mnuChangeMode");
  EXPECT_EQ(top[2]->objectName(), "mnuCurrentCondition");
  EXPECT_EQ(top[3]->objectName(), "mnuOption");
  EXPECT_EQ(top[4]->objectName(), "mnuHelp");
}

TEST_F(MainWindowTest, LayoutEndsWithTheShotRowInWholePixels) {
  setControlLayout(g);
  EXPECT_EQ(child("picPocketedBalls")->geometry(), QRect(346, 347, 183, 25));
  EXPECT_EQ(child("lblBIP")->geometry(), QRect(346, 327, 183, 20));
  EXPECT_EQ(child("lblPower")->geometry(), QRect(49, 327, 149, 22));   // 22.5 -> 22
  EXPECT_EQ(child("HScroll1")->geometry(), QRect(49, 350, 149, 22));   // 350.5 -> 350, 21.5 -> 22
  EXPECT_EQ(child("cmdShot")->geometry(), QRect(200, 327, 145, 45));
  EXPECT_EQ(child("picSetPoint")->geometry(), QRect(2, 327, 45, 45));
  EXPECT_EQ(child("picPool")->geometry(), QRect(0, 25, 540, 299));
  EXPECT_EQ(child("picInfomation")->geometry(), QRect(0, 0, 321, 25));
  EXPECT_EQ(window.centralWidget()->size(), QSize(kClientWidth, kClientHeight));
}

TEST_F(MainWindowTest, PowerBarRunsFrom35To100InStepsOf1And10) {
  auto* bar = qobject_cast<QScrollBar*>(child("HScroll1"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->minimum(), 35);
  EXPECT_EQ(bar->maximum(), 100);
  EXPECT_EQ(bar->singleStep(), 1);
  EXPECT_EQ(bar->pageStep(), 10);
  EXPECT_EQ(bar->value(), 100);
}

TEST_F(MainWindowTest, PowerBarReportsUserChangesOnceAndGameChangesNot) {
  int changes = 0;
  window.events(Ctl::HScroll1).change = [&changes] { ++changes; };
  auto* bar = qobject_cast<QScrollBar*>(child("HScroll1"));
  bar->setValue(60);  // as the user would
  EXPECT_EQ(g.form[Ctl::HScroll1].value, 60);
  EXPECT_EQ(changes, 1);
  g.form.setValue(Ctl::HScroll1, 80);  // the game sets it and calls its handler itself
  EXPECT_EQ(bar->value(), 80);
  EXPECT_EQ(changes, 1);
}

TEST_F(MainWindowTest, MenuCaptionsInBothLanguages) {
  g.japaneseUI = true;
  setMenuCaptions(g);
  EXPECT_EQ(window.action(Ctl::mnuGame)->text(), QString::fromUtf8("ゲーム(&G)"));
  EXPECT_EQ(window.action(Ctl::mnuChangeMode)->text(), QString::fromUtf8("独り撞き→対戦(&M)"));
  EXPECT_EQ(window.action(Ctl::mnuOption)->text(), QString::fromUtf8("ｵﾌﾟｼｮﾝ(&O)"));
  EXPECT_EQ(window.action(Ctl::mnuAbout)->text(), QString::fromUtf8("バージョン情報...(&V)"));
  g.japaneseUI = false;
  setMenuCaptions(g);
  EXPECT_EQ(window.action(Ctl::mnuGame)->text(), "&Game");
  EXPECT_EQ(window.action(Ctl::mnuChangeMode)->text(), "Solo->VS");
  EXPECT_EQ(window.action(Ctl::mnuOption)->text(), "&Option");
  EXPECT_EQ(window.action(Ctl::mnuExit)->text(), "E&xit");
  EXPECT_EQ(window.action(Ctl::mnuCurrentCondition)->text(), QString::fromUtf8("実況(&C)"));
  EXPECT_EQ(window.action(Ctl::mnuKey)->text(), QString::fromUtf8("キーワードで検索"));
}

TEST_F(MainWindowTest, FormChangesReachTheWidgets) {
  g.form.setCaption(Ctl::cmdShot, "Your Shot");
  g.form.setVisible(Ctl::lblMenu1, false);
  g.form.setEnabled(Ctl::mnuRetry, false);
  g.form.setCaption(Ctl::MFVELKOR, "VELKOR Ver.3.02");
  g.form.setForeColor(Ctl::lblMenu0, rgb(255, 0, 255));
  EXPECT_EQ(qobject_cast<QPushButton*>(child("cmdShot"))->text(), "Your Shot");
  EXPECT_TRUE(child("lblMenu1")->isHidden());
  EXPECT_FALSE(window.action(Ctl::mnuRetry)->isEnabled());
  EXPECT_EQ(window.windowTitle(), "VELKOR Ver.3.02");
  EXPECT_EQ(child("lblMenu0")->palette().color(QPalette::WindowText), QColor(255, 0, 255));
}

TEST_F(MainWindowTest, HooksReceiveTheControlsEvents) {
  std::vector<std::string> seen;
  window.events(Ctl::mnuStart).click = [&seen] { seen.push_back("mnuStart"); };
  window.events(Ctl::cmdShot).click = [&seen] { seen.push_back("cmdShot"); };
  window.action(Ctl::mnuStart)->trigger();
  qobject_cast<QPushButton*>(child("cmdShot"))->click();
  EXPECT_EQ(seen, (std::vector<std::string>{"mnuStart", "cmdShot"}));
}

TEST_F(MainWindowTest, AWidgetMadeElsewhereTakesTheControlsPlace) {
  auto* title = new QWidget;
  window.registerWidget(Ctl::picMenu, title);
  EXPECT_EQ(window.widget(Ctl::picMenu), title);
  EXPECT_EQ(title->parentWidget(), window.centralWidget());
  EXPECT_EQ(title->geometry(), QRect(0, 0, 540, 372));
  g.form.setVisible(Ctl::picMenu, false);
  EXPECT_TRUE(title->isHidden());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window.findChildren<QWidget*>("picMenu").size(), 1);
}

TEST_F(MainWindowTest, GameTimersDriveQtTimers) {
  QTimer* shot = window.qtTimer(g.Timer1);
  ASSERT_NE(shot, nullptr);
  EXPECT_FALSE(shot->isActive());
  g.Timer1.setEnabled(true);
  EXPECT_TRUE(shot->isActive());
  EXPECT_EQ(shot->interval(), 50);
  int ticks = 0;
  g.Timer1.setHandler([&ticks] { ++ticks; });
  g.Timer1.setInterval(1);
  QElapsedTimer clock;
  clock.start();
  while (ticks == 0 && clock.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_GE(ticks, 1);
  g.Timer1.setEnabled(false);
  EXPECT_FALSE(shot->isActive());
  for (const Timer* t : {&g.Timer2, &g.timCom, &g.timDemo, &g.timTimeCounter, &g.timBGM})
    EXPECT_NE(window.qtTimer(*t), nullptr) << t->name();
}

// A timer faster than a frame wakes once a frame and runs the ticks due, so it keeps its rate.
TEST_F(MainWindowTest, FastTimerRunsItsTicksInBatchesAtItsRate) {
  QTimer* swing = window.qtTimer(g.Timer2);
  int ticks = 0;
  g.Timer2.setHandler([&ticks] { ++ticks; });
  g.Timer2.setInterval(5);
  g.form.setVisible(Ctl::picMenu, false);
  g.Timer2.setEnabled(true);
  EXPECT_EQ(swing->interval(), kTimerFrameMs);
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 400) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  const qint64 elapsed = clock.elapsed();
  EXPECT_LE(ticks, elapsed / 5 + 1);
  EXPECT_GE(ticks, elapsed / 5 / 2) << "a loaded machine may drop some, never most";
}

// Under the title picture the swing is not seen: its timer sleeps there.
TEST_F(MainWindowTest, BreakAimTimerSleepsWhileTheTitleCoversTheTable) {
  QTimer* swing = window.qtTimer(g.Timer2);
  g.form.setVisible(Ctl::picMenu, true);
  g.Timer2.setEnabled(true);
  EXPECT_FALSE(swing->isActive());
  g.form.setVisible(Ctl::picMenu, false);
  EXPECT_TRUE(swing->isActive());
  g.form.setVisible(Ctl::picMenu, true);
  EXPECT_FALSE(swing->isActive());
  g.Timer2.setEnabled(false);
  g.form.setVisible(Ctl::picMenu, false);
  EXPECT_FALSE(swing->isActive());
}

TEST_F(MainWindowTest, ClosingTheWindowUnloadsItAndStopsTheTimers) {
  g.form.setVisible(Ctl::MFVELKOR, true);
  EXPECT_TRUE(window.isVisible());
  g.Timer2.setEnabled(true);
  window.close();
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(window.qtTimer(g.Timer2)->isActive());
}

TEST(Fonts, GameFacesResolveToInstalledOnes) {
  EXPECT_EQ(QFontInfo(QFont("Arial")).family(), "Liberation Sans");
  EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8("ＭＳ ゴシック"))).family(), "IPAGothic");
  EXPECT_EQ(QFontInfo(QFont("MS Gothic")).family(), "IPAGothic");
}

TEST(CommandLineText, JoinsTheArgumentsAfterTheProgramName) {
  EXPECT_EQ(commandLineText({"velkor", "/DEBUG", "x/nomidix"}), "/DEBUG x/nomidix");
  EXPECT_EQ(commandLineText({"velkor"}), "");
}

}  // namespace
}  // namespace velkor
