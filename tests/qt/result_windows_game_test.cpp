// The end of a game on the real main window: a solo break-and-run that enters the top 10,
// and a match to one game against the computer set up through the set-up window. The game's
// timers run on a virtual clock; every window is answered as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include "engine/game_modes.h"
#include "engine/table_model.h"
#include "platform/text.h"
#include "records/record_tables.h"
#include "screen/logic/startup.h"
#include "screen/logic/timer_handlers.h"
#include "screen/qt/main_window.h"
#include "screen/qt/result_dialogs.h"
#include "support/temp_folder.h"
#include "support/scroll_bar_clicks.h"

namespace velkor {
namespace {

// Answers each modal window once it is up, and notes what it showed. With VELKOR_SHOTS set,
// each result window is photographed first.
class WindowAnswerer : public QObject {
 public:
  std::vector<QString> shown;  // object names, in order
  QString recordTitle;
  QString inputHeadline;
  QString winnerLine;
  QString typedName = "Zed";
  QString shotsDir = qEnvironmentVariable("VELKOR_SHOTS");

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() != QEvent::Show) return false;
    auto* d = qobject_cast<QDialog*>(o);
    if (!d || !d->isModal()) return false;
    shown.push_back(d->objectName());
    QPointer<QDialog> dialog(d);
    QTimer::singleShot(0, d, [this, dialog] {
      if (dialog) answer(dialog);
    });
    return false;
  }

 private:
  void photograph(QDialog* d) {
    if (shotsDir.isEmpty()) return;
    QTest::qWait(150);
    QProcess::execute("import", {"-window", "root", shotsDir + "/" + d->objectName() + ".png"});
  }
  void answer(QDialog* d) {
    if (auto* r = qobject_cast<RecordDialog*>(d)) {
      recordTitle = r->windowTitle();
      photograph(d);
      QTest::mouseClick(r->picOK(), Qt::LeftButton);
    } else if (auto* in = qobject_cast<InputBoxDialog*>(d)) {
      inputHeadline = in->lblMsg()->text();
      QTest::keyClicks(in->txtName(), typedName);
      photograph(d);
      QTest::keyClick(in->txtName(), Qt::Key_Return);
    } else if (auto* s = qobject_cast<VsSetupDialog*>(d)) {
      clickLowerArrow(s->vScroll1());  // 3 games down to 1
      photograph(d);
      QTest::mouseClick(s->picOK(), Qt::LeftButton);
    } else if (auto* v = qobject_cast<VsResultDialog*>(d)) {
      winnerLine = v->lblWinner()->text();
      photograph(d);
      QTest::keyClick(v, Qt::Key_Space);
    } else {
      QTest::keyClick(d, Qt::Key_Return);
    }
  }
  static void clickLowerArrow(QScrollBar* bar) {
    testing::clickScrollBarPart(bar, QStyle::SC_ScrollBarAddLine);
  }
};

class GameEndOnWindow : public ::testing::Test {
 protected:
  GameEndOnWindow() {
    g.iniDir = folder.dir();
    g.random = &random;  // the break below drops the 9-ball with these draws
    bindTimerHandlers(g);
    for (Timer* t : {&g.Timer1, &g.Timer2, &g.timCom, &g.timDemo, &g.timTimeCounter, &g.timBGM}) {
      clock.attach(*t);
    }
    // Start-up as the program runs it, so the windows centre on a placed main window.
    StartupEnv env;
    env.anotherCopyRunning = [] { return false; };
    EXPECT_TRUE(Form_Load(g, env));
    window.finishStartup();
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == "frmOpening" && w->isVisible()) QTest::mouseClick(w, Qt::LeftButton);
    }
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    qApp->installEventFilter(&answerer);
  }
  ~GameEndOnWindow() override {
    qApp->removeEventFilter(&answerer);
    g.timDemo.setEnabled(false);
  }

  void breakAndRun() {
    auto* shot = qobject_cast<QPushButton*>(window.widget(Ctl::cmdShot));
    ASSERT_TRUE(shot && shot->isEnabled());
    QTest::mouseClick(shot, Qt::LeftButton);
    ASSERT_TRUE(g.Timer1.enabled());
    ASSERT_TRUE(clock.runUntil([&] { return !g.Timer1.enabled(); }, 60000));
  }

  testing::TempFolder folder;
  GameState g;
  SequenceRandom random{{0.5}};
  MFVELKOR window{g};
  VirtualClock clock;
  WindowAnswerer answerer;
};

TEST_F(GameEndOnWindow, SoloBreakAndRunShowsTheRecordAsksTheNameAndRanksIt) {
  QTest::mouseClick(window.widget(Ctl::picSoloPlay0), Qt::LeftButton);
  ASSERT_EQ(g.gameMode, modeSolo);
  breakAndRun();
  EXPECT_EQ(answerer.shown, (std::vector<QString>{"frmRecord", "frmInputBox"}));
  EXPECT_EQ(answerer.recordTitle, "Your Record");
  EXPECT_EQ(answerer.inputHeadline, "Perfect Game !");
  EXPECT_EQ(g.players[0].name, "Zed         ");

  QWidget* score = window.widget(Ctl::picScore);
  ASSERT_TRUE(score->isVisible());
  EXPECT_EQ(g.soloRec[1].Index, 11);
  EXPECT_EQ(trimBlanks(g.soloRec[1].Name), "Zed");
  const QImage img = score->grab().toImage().convertToFormat(QImage::Format_RGB32);
  bool magenta = false;
  for (int y = 25; y < 40; ++y) {
    for (int x = 0; x < img.width(); ++x) magenta |= (img.pixel(x, y) & 0xffffff) == 0xff00ff;
  }
  EXPECT_TRUE(magenta) << "the new row 1 is magenta";
  if (!answerer.shotsDir.isEmpty()) {
    QTest::qWait(150);
    QProcess::execute("import", {"-window", "root", answerer.shotsDir + "/records-after-solo.png"});
  }
  EXPECT_NE(testing::readBytes(folder.file("VKSCORE.INI")).find("Name01=Zed"), std::string::npos);
  // A new rack waits for the next game.
  EXPECT_TRUE(g.breakPending);
}

TEST_F(GameEndOnWindow, MatchToOneAgainstTheComputerEndsWithTheDefeatedLine) {
  QTest::mouseClick(window.widget(Ctl::picVSCPU0), Qt::LeftButton);
  ASSERT_EQ(answerer.shown, std::vector<QString>{"frmChangeVsMode"});
  ASSERT_EQ(g.gameMode, modeVersus);
  EXPECT_EQ(g.gamesToWin, 1);
  breakAndRun();
  EXPECT_EQ(answerer.shown,
            (std::vector<QString>{"frmChangeVsMode", "frmMsgBox", "frmVsResult"}));
  EXPECT_EQ(answerer.winnerLine, "You defeated quib");
  // The match is over: both start again from nothing, player 0 breaking.
  EXPECT_EQ(g.players[0].gamesWon, 0);
  EXPECT_TRUE(g.players[0].isBreaker);
  EXPECT_EQ(g.gameMode, modeVersus);
}

}  // namespace
}  // namespace velkor
