// The records screen on the real main window: what it paints, its two ways in and its two
// ways out. With VELKOR_SHOTS naming a folder, the screen after a ranked solo game is saved
// there as records-screen.png.
#include "screen/qt/records_screen.h"

#include <QFontMetrics>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "controls/shot_controls.h"
#include "engine/game_modes.h"
#include "engine/rack.h"
#include "engine/table_model.h"
#include "platform/text.h"
#include "records/record_tables.h"
#include "records/records_screen.h"
#include "screen/logic/menu_handlers.h"
#include "screen/logic/timer_handlers.h"
#include "screen/qt/main_window.h"
#include "screen/qt/table_renderer.h"
#include "support/temp_folder.h"

namespace velkor {
namespace {

class RecordsScreenOnWindow : public ::testing::Test {
 protected:
  RecordsScreenOnWindow() {
    g.iniDir = folder.dir();
    g.todayOverride = "26/12/10";
    window.modalWindow = [this](Window w) { modals.push_back(w); };
    // The result and name windows only record that they were asked for.
    for (Window w : {Window::frmRecord, Window::frmInputBox}) window.setModalWindow(w, nullptr);
    bindTimerHandlers(g);
    initPocketTable(g);
    window.loadBallSprites();
    loadSoloRecord(g);
    loadVsCpuRecord(g);
    setSoloMode(g);
    returnToMenu(g);
    g.bgmScene = bgmMenu;  // the title's music, as start-up leaves it
    g.form.setVisible(Ctl::MFVELKOR, true);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  ~RecordsScreenOnWindow() override { g.timDemo.setEnabled(false); }

  QWidget* score() { return window.widget(Ctl::picScore); }
  QWidget* exitLabel() { return window.widget(Ctl::lblExitScore); }
  QImage picture() { return score()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  // Colours painted in a band of rows of the picture.
  static std::vector<QRgb> coloursIn(const QImage& img, int top, int bottom) {
    std::vector<QRgb> seen;
    for (int y = top; y < bottom; ++y) {
      for (int x = 0; x < img.width(); ++x) {
        const QRgb c = img.pixel(x, y) & 0xffffff;
        if (std::find(seen.begin(), seen.end(), c) == seen.end()) seen.push_back(c);
      }
    }
    return seen;
  }
  static bool has(const std::vector<QRgb>& v, QRgb c) {
    return std::find(v.begin(), v.end(), c) != v.end();
  }

  // A solo game whose last shot drops the 9-ball in the third turn, judged by the rules.
  void winSoloGame() {
    picSoloPlay_Click(g, 0);
    for (int i = 1; i <= 8; ++i) g.balls[static_cast<std::size_t>(i)].onTable = false;
    g.balls[9].onTable = false;
    g.breakPending = false;
    g.players[0].name = fixedText("Ann", 12);
    g.shotCount = 7;
    g.turnCount = 2;
    g.elapsedSeconds = 95;
    g.shotPocketedCount = 1;
    g.shotPocketed[0] = 9;
    g.firstHit = 9;
    g.targetBall = 9;
    g.Timer1.setEnabled(true);
    g.Timer1.fire();
  }

  testing::TempFolder folder;
  GameState g;
  MFVELKOR window{g};
  std::vector<Window> modals;
};

constexpr QRgb kGreen = 0x00ff00;
constexpr QRgb kMagenta = 0xff00ff;

TEST_F(RecordsScreenOnWindow, TakesThePlaceOfPicScoreWithMenuInTheTopRightCorner) {
  ASSERT_NE(dynamic_cast<RecordsScreen*>(score()), nullptr);
  EXPECT_EQ(exitLabel()->parentWidget(), score());
  EXPECT_EQ(exitLabel()->geometry(), QRect(472, 0, 57, 25));
  EXPECT_EQ(static_cast<QLabel*>(exitLabel())->text(), "Menu");
  EXPECT_FALSE(score()->isVisible());
}

TEST_F(RecordsScreenOnWindow, NoTextTouchesTheMenuLabelOrLeavesThePicture) {
  g.vsRec[10].Level = 11;
  g.vsRec[10].CPUWon = 14;
  g.soloRec[1].Time = 32767;
  const QRect label = exitLabel()->geometry();
  for (const ScoreText& t : scoreDrawing(g).texts) {
    QFont f(QString::fromStdString(t.fontName));
    f.setPixelSize(pointsToPixels(t.points, g.twipsPerPixelY));
    f.setBold(t.bold);
    const QRect box = QFontMetrics(f)
                          .boundingRect(QString::fromStdString(t.text))
                          .translated(t.x, t.y + QFontMetrics(f).ascent());
    EXPECT_FALSE(box.intersects(label)) << t.text << " at " << t.x << ", " << t.y;
    EXPECT_LE(box.right(), 540) << t.text;
  }
}

TEST_F(RecordsScreenOnWindow, TitleButtonOpensItWithRecordsMusicAndNothingMagenta) {
  g.soloRec[4].Index = 11;  // a mark left by an earlier game
  g.vsRec[2].Index = 11;
  QTest::mouseMove(window.widget(Ctl::picRecord0), QPoint(10, 10));
  QTest::mouseClick(window.widget(Ctl::picRecord1), Qt::LeftButton);
  EXPECT_TRUE(score()->isVisible());
  EXPECT_EQ(g.gameMode, modeRecords);
  EXPECT_EQ(g.bgmScene, bgmRecord);
  EXPECT_EQ(g.bgmPrevScene, bgmMenu);
  // Only the label "Menu", above the rows, is magenta.
  const QImage img = picture();
  EXPECT_TRUE(has(coloursIn(img, 25, 366), kGreen));
  EXPECT_FALSE(has(coloursIn(img, 25, 366), kMagenta));
}

TEST_F(RecordsScreenOnWindow, MenuLabelAloneLeadsBackToTheTitle) {
  picRecord_Click(g, 0);
  ASSERT_TRUE(score()->isVisible());
  QTest::mouseClick(exitLabel(), Qt::LeftButton, {}, QPoint(20, 12));
  EXPECT_FALSE(score()->isVisible());
  EXPECT_EQ(g.gameMode, modeMenu);
  EXPECT_TRUE(window.widget(Ctl::picMenu)->isVisible());
  EXPECT_EQ(g.bgmScene, bgmMenu);
  EXPECT_EQ(g.bgmPrevScene, bgmRecord) << "one scene change, not two";

  // The face takes the next click of its own again.
  picRecord_Click(g, 0);
  QTest::mouseClick(score(), Qt::LeftButton, {}, QPoint(200, 300));
  EXPECT_FALSE(score()->isVisible());
  EXPECT_EQ(g.bgmScene, bgmMenu);
  EXPECT_EQ(g.bgmPrevScene, bgmRecord);
  EXPECT_EQ(g.gameMode, modeRecords) << "the title's own mouse handling sets the menu mode";
}

TEST_F(RecordsScreenOnWindow, RankedSoloGameShowsTheNewRowInMagentaOverTheTable) {
  winSoloGame();
  EXPECT_EQ(modals, (std::vector<Window>{Window::frmRecord, Window::frmInputBox}));
  ASSERT_TRUE(score()->isVisible());
  EXPECT_EQ(g.soloRec[1].Index, 11);
  EXPECT_EQ(g.gameMode, modeSolo);
  EXPECT_EQ(g.bgmScene, bgmSoloPlay) << "the game's music goes on";
  EXPECT_NE(testing::readBytes(folder.file("VKSCORE.INI")).find("Name01=Ann      "),
            std::string::npos)
      << "the table is saved once sorted";

  const QImage img = picture();
  if (const QString dir = qEnvironmentVariable("VELKOR_SHOTS"); !dir.isEmpty()) {
    img.save(dir + "/records-screen.png");
    QTest::qWait(200);  // let the window paint before the whole screen is photographed
    QProcess::execute("import", {"-window", "root", dir + "/records-screen-root.png"});
  }
  EXPECT_TRUE(has(coloursIn(img, 25, 40), kMagenta)) << "row 1 is the new entry";
  EXPECT_FALSE(has(coloursIn(img, 40, 366), kMagenta));
  // Icons of balls 1..9, copied unchanged from the table sheet, side by side from x = 300.
  const QImage sheet = window.renderer().tableSheet().convertToFormat(QImage::Format_RGB32);
  for (int k : {1, 9}) {
    for (int dy = 0; dy < 10; ++dy) {
      for (int dx = 0; dx < 10; ++dx) {
        ASSERT_EQ(img.pixel(290 + 10 * k + dx, 30 + dy), sheet.pixel(10 * k + dx, 350 + dy))
            << "ball " << k << " at " << dx << "," << dy;
      }
    }
  }

  // A click on the face hides it and leaves the game and its music as they are.
  QTest::mouseClick(score(), Qt::LeftButton, {}, QPoint(200, 300));
  EXPECT_FALSE(score()->isVisible());
  EXPECT_EQ(g.gameMode, modeSolo);
  EXPECT_EQ(g.bgmScene, bgmSoloPlay);
}

}  // namespace
}  // namespace velkor
