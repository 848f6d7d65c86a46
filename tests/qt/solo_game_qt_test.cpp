// A whole solo game on the real main window, played with mouse events only: presses and
// drags on the table, a click on the spin picture, clicks on the power bar and on the shot
// button. The game's timers run on a virtual clock; message boxes are closed with a key.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>

#include "controls/coordinates.h"
#include "controls/shot_controls.h"
#include "engine/game_modes.h"
#include "engine/rack.h"
#include "engine/shot_rules.h"
#include "screen/logic/menu_handlers.h"
#include "screen/logic/startup.h"
#include "screen/logic/timer_handlers.h"
#include "screen/qt/dialogs.h"
#include "screen/qt/main_window.h"
#include "support/shot_planner.h"
#include "support/scroll_bar_clicks.h"

namespace velkor {
namespace {

// Closes every modal dialog as a user would: a key press once it is up. When the
// VELKOR_SHOTS folder is set, the first foul message is photographed first.
class DialogCloser : public QObject {
 public:
  std::vector<QString> texts;
  QString shotsDir = qEnvironmentVariable("VELKOR_SHOTS");

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Show) {
      if (auto* d = qobject_cast<QDialog*>(o); d && d->isModal()) {
        if (auto* box = qobject_cast<MsgBoxDialog*>(d)) texts.push_back(box->lblMsg()->text());
        QPointer<QDialog> dialog(d);
        QTimer::singleShot(0, d, [this, dialog] {
          if (!dialog) return;
          if (!shotsDir.isEmpty() && !photographed_ && qobject_cast<MsgBoxDialog*>(dialog)) {
            photographed_ = true;
            QCoreApplication::processEvents();
            QProcess::execute("import", {"-window", "root", shotsDir + "/foul-message.png"});
          }
          QTest::keyClick(dialog, Qt::Key_Return);
        });
      }
    }
    return false;
  }

 private:
  bool photographed_ = false;
};

void sendMouse(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButton button,
               Qt::MouseButtons held) {
  QMouseEvent e(type, pos, w->mapToGlobal(pos), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

struct SoloGameOnWindow : ::testing::Test {
  SoloGameOnWindow() : savedConfig(qgetenv("XDG_CONFIG_HOME")), window(g) {
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    g.random = &random;
    random.set({0.31, 0.77, 0.52, 0.08, 0.64, 0.45, 0.93, 0.27, 0.59, 0.12, 0.86});
    // The result and name windows are passed on below, not shown.
    for (Window w : {Window::frmRecord, Window::frmInputBox}) window.setModalWindow(w, nullptr);
    window.modalWindow = [this](Window w) {
      if (w == Window::frmRecord) won = true;
    };
    bindTimerHandlers(g);
    for (Timer* t : {&g.Timer1, &g.Timer2, &g.timCom, &g.timDemo, &g.timTimeCounter, &g.timBGM}) {
      clock.attach(*t);
    }
    qApp->installEventFilter(&closer);
  }
  ~SoloGameOnWindow() override {
    qApp->removeEventFilter(&closer);
    if (savedConfig.isEmpty()) {
      qunsetenv("XDG_CONFIG_HOME");
    } else {
      qputenv("XDG_CONFIG_HOME", savedConfig);
    }
  }

  QWidget* pool() { return window.widget(Ctl::picPool); }
  QPointF pixel(TablePoint p) { return {toPicX(g, p.x), toPicY(g, p.y)}; }

  void dragCueBall(TablePoint to) {
    const QPointF from = pixel({g.balls[0].x, g.balls[0].y});
    const QPointF dest = pixel(to);
    sendMouse(pool(), QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    ASSERT_TRUE(g.draggingCueBall);
    for (int i = 1; i <= 5; ++i) {
      sendMouse(pool(), QEvent::MouseMove, from + (dest - from) * i / 5.0, Qt::NoButton,
                Qt::LeftButton);
    }
    sendMouse(pool(), QEvent::MouseButtonRelease, dest, Qt::LeftButton, Qt::NoButton);
  }
  void aimAt(TablePoint p) {
    const QPointF at = pixel(p);
    sendMouse(pool(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    sendMouse(pool(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  }
  // Pages and steps the power bar with clicks on its trough and arrows.
  void setPower(int wanted) {
    auto* bar = qobject_cast<QScrollBar*>(window.widget(Ctl::HScroll1));
    ASSERT_TRUE(bar);
    for (int guard = 0; guard < 40 && bar->value() != wanted; ++guard) {
      const int diff = wanted - bar->value();
      QStyle::SubControl part = std::abs(diff) >= bar->pageStep()
                                    ? (diff < 0 ? QStyle::SC_ScrollBarSubPage : QStyle::SC_ScrollBarAddPage)
                                    : (diff < 0 ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine);
      testing::clickScrollBarPart(bar, part);
    }
    ASSERT_EQ(bar->value(), wanted);
  }
  void playShot(const testing::PlannedShot& plan) {
    if (plan.placeCueBall) dragCueBall(*plan.placeCueBall);
    if (!g.breakPending) aimAt(plan.aim);
    QTest::mouseClick(window.widget(Ctl::picSetPoint), Qt::LeftButton, {}, QPoint(22, 22));
    setPower(plan.power);
    auto* shot = qobject_cast<QPushButton*>(window.widget(Ctl::cmdShot));
    ASSERT_TRUE(shot->isEnabled());
    QTest::mouseClick(shot, Qt::LeftButton);
    ASSERT_TRUE(g.Timer1.enabled());
    int ticksAfterBreak = 0;
    ASSERT_TRUE(clock.runUntil(
        [&] {
          // With VELKOR_SHOTS set, the break is photographed while the rack scatters.
          if (!closer.shotsDir.isEmpty() && !midShotTaken && !g.breakPending &&
              ++ticksAfterBreak == 5) {
            midShotTaken = true;
            QCoreApplication::processEvents();
            QProcess::execute("import", {"-window", "root", closer.shotsDir + "/mid-shot.png"});
          }
          return !g.Timer1.enabled();
        },
        120000));
  }

  QTemporaryDir config;
  QByteArray savedConfig;
  GameState g;
  SequenceRandom random;
  MFVELKOR window;
  VirtualClock clock;
  DialogCloser closer;
  bool won = false;
  bool midShotTaken = false;
};

TEST_F(SoloGameOnWindow, IsPlayedFromTheBreakToTheNineBallWithTheMouse) {
  StartupEnv env;
  env.anotherCopyRunning = [] { return false; };
  ASSERT_TRUE(Form_Load(g, env));
  window.finishStartup();

  // The opening window is up and the main window waits for it; a click closes it.
  QWidget* opening = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == "frmOpening" && w->isVisible()) opening = w;
  }
  ASSERT_TRUE(opening);
  EXPECT_FALSE(window.isVisible());
  QTest::mouseClick(opening, Qt::LeftButton);
  EXPECT_TRUE(window.isVisible());

  // What the title screen's solo button does.
  setSoloMode(g);
  mnuStart_click(g);
  playShot({std::nullopt, {}, 100});  // the break
  EXPECT_FALSE(g.breakPending);

  // A shot sent away from every ball: the miss message, then ball in hand. The first one
  // is taken back, which restores the table and costs a foul; the second one stands.
  for (int attempt = 0; attempt < 2 && !won; ++attempt) {
    const TablePoint cue{g.balls[0].x, g.balls[0].y};
    const TablePoint away{cue.x < 1200 ? 50.f : 2350.f, cue.y};
    if (!testing::planner_detail::clearPath(g, cue, away, 0, 0)) break;
    const std::size_t before = closer.texts.size();
    playShot({std::nullopt, away, 35});
    ASSERT_EQ(closer.texts.size(), before + 1);
    EXPECT_EQ(closer.texts.back(), "You missed !");
    EXPECT_TRUE(g.ballInHand);
    EXPECT_TRUE(window.widget(Ctl::shpQBall)->isVisible());
    if (attempt == 1 && !closer.shotsDir.isEmpty()) {
      QCoreApplication::processEvents();
      QProcess::execute("import", {"-window", "root", closer.shotsDir + "/ball-in-hand.png"});
    }
    if (attempt == 0) {
      const Integer fouls = g.foulCount;
      takeBackShot(g);
      EXPECT_FLOAT_EQ(g.balls[0].x, cue.x);
      EXPECT_FLOAT_EQ(g.balls[0].y, cue.y);
      EXPECT_FALSE(g.ballInHand);
      EXPECT_EQ(g.foulCount, fouls + 1);
    }
  }

  int shots = 0;
  while (!won && shots < 150) {
    playShot(testing::planShot(g));
    ++shots;
  }
  EXPECT_TRUE(won) << shots << " shots";
}

}  // namespace
}  // namespace velkor
