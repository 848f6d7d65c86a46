// The four windows on the screen: what they paint and show, and how each way of closing them
// leaves the game.
#include "screen/qt/result_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include "engine/game_modes.h"
#include "records/vs_setup.h"
#include "screen/qt/main_window.h"
#include "screen/qt/table_renderer.h"
#include "support/control_char_names.h"
#include "support/scroll_bar_clicks.h"

namespace velkor {
namespace {

QColor textColour(const QWidget* w) { return w->palette().color(QPalette::WindowText); }
const QColor kGreen(0, 255, 0);
const QColor kMagenta(255, 0, 255);

// The rightmost green pixel in rows y0..y1 of an image.
int rightmostGreen(const QImage& img, int y0, int y1) {
  int right = -1;
  for (int y = y0; y < y1 && y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      const QRgb p = img.pixel(x, y);
      if (qGreen(p) > 128 && qRed(p) < 100 && qBlue(p) < 100) right = std::max(right, x);
    }
  }
  return right;
}

struct RecordDialogTest : ::testing::Test {
  RecordDialogTest() : renderer(g) {
    renderer.loadBallSprites();
    g.shotCount = 7;
    g.turnCount = 3;
  }
  GameState g;
  TableRenderer renderer;
};

TEST_F(RecordDialogTest, PrintsTheFiguresInGreenAndTheMinutesUncut) {
  int timeRight[2] = {};
  const Long seconds[2] = {3725, 6005};
  const auto measure = [this](Single points) {
    QFont f("Arial");
    f.setPixelSize(pointsToPixels(points, g.twipsPerPixelY));
    const QFontMetrics fm(f);
    return FontMeasure{fm.height(), fm.averageCharWidth()};
  };
  for (int i = 0; i < 2; ++i) {
    g.elapsedSeconds = seconds[i];
    RecordDialog d(g, renderer.ballSprites());
    EXPECT_EQ(d.windowTitle(), "Your Record");
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    d.repaint();
    const RecordDrawing drawing = drawRecord(g, measure);
    const PrintedText& time = drawing.texts.at(12);  // the value of the Time line
    ASSERT_EQ(time.text, i == 0 ? "62:05" : "100:05");
    timeRight[i] = rightmostGreen(d.content(), time.y + 4, time.y + 20);
    EXPECT_GT(timeRight[i], time.x);
    d.close();
  }
  // "100:05" is one digit wider than "62:05".
  EXPECT_GT(timeRight[1] - timeRight[0], 6);
}

TEST_F(RecordDialogTest, DrawsThePocketedBallsAsMaskedSpritesAndRepaintsInFull) {
  for (int k : {1, 4, 9}) g.balls[static_cast<std::size_t>(k)].onTable = false;
  RecordDialog d(g, renderer.ballSprites());
  d.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
  d.repaint();
  const QImage first = d.content();
  const QImage sprites = renderer.ballSprites().convertToFormat(QImage::Format_RGB32);
  const RecordDrawing drawing = drawRecord(g, [this](Single points) {
    QFont f("Arial");
    f.setPixelSize(pointsToPixels(points, g.twipsPerPixelY));
    const QFontMetrics fm(f);
    return FontMeasure{fm.height(), fm.averageCharWidth()};
  });
  ASSERT_EQ(drawing.balls.size(), 3u);
  for (const BallSprite& b : drawing.balls) {
    // On black, AND with the mask then XOR with the sprite leaves the sprite where the
    // mask is black.
    const QRgb mask = sprites.pixel(200 + 10, 10);
    ASSERT_EQ(qRed(mask) | qGreen(mask) | qBlue(mask), 0);
    EXPECT_EQ(first.pixel(b.x + 10, b.y + 10), sprites.pixel(20 * b.ball + 10, 10)) << b.ball;
  }
  // Covered and uncovered: everything is drawn again.
  d.hide();
  d.show();
  d.repaint();
  EXPECT_EQ(d.content(), first);
  QTest::mouseClick(d.picOK(), Qt::LeftButton);
  EXPECT_EQ(d.result(), QDialog::Accepted);
}

struct InputBoxTest : ::testing::Test {
  GameState g;
};

TEST_F(InputBoxTest, BreakAndRunIsPerfectAndEnterStoresTheTypedName) {
  g.turnCount = 1;
  InputBoxDialog d(g);
  EXPECT_EQ(d.windowTitle(), "Velkor");
  EXPECT_EQ(d.lblMsg()->text(), "Perfect Game !");
  d.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
  EXPECT_EQ(QApplication::focusWidget(), d.txtName());
  EXPECT_TRUE(d.txtName()->text().isEmpty());
  QTest::keyClicks(d.txtName(), "Ann");
  QTest::keyClick(d.txtName(), Qt::Key_Return);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(g.players[0].name, "Ann         ");
}

TEST_F(InputBoxTest, EveryWayOfClosingStoresTheName) {
  g.turnCount = 4;
  struct Way {
    const char* name;
    std::function<void(InputBoxDialog&)> close;
  };
  const Way ways[] = {
      {"close box", [](InputBoxDialog& d) { d.close(); }},
      {"Escape", [](InputBoxDialog& d) { QTest::keyClick(d.txtName(), Qt::Key_Escape); }},
      {"OK", [](InputBoxDialog& d) { QTest::mouseClick(d.picOK(), Qt::LeftButton); }},
  };
  for (const Way& w : ways) {
    g.players[0].name = "old";
    InputBoxDialog d(g);
    EXPECT_EQ(d.lblMsg()->text(), "Good Game !");
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    QTest::keyClicks(d.txtName(), "Bartholomew the Great");
    w.close(d);
    EXPECT_FALSE(d.isVisible()) << w.name;
    EXPECT_EQ(g.players[0].name, "Bartholomew ") << w.name;
  }
}

struct VsSetupTest : ::testing::Test {
  VsSetupTest() {
    setVsPlayerNames(g);
    g.gameMode = modeVersus;
  }
  // One click on the bar's upper or lower arrow.
  static void clickArrow(QScrollBar* bar, bool up) {
    testing::clickScrollBarPart(bar, up ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine);
  }
  GameState g;
};

TEST_F(VsSetupTest, TheArrowsStepByTwoBetweenOneAndFifteen) {
  VsSetupDialog d(g);
  d.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
  EXPECT_EQ(d.lblXwins()->text(), "3Wins Match");
  clickArrow(d.vScroll1(), true);
  EXPECT_EQ(g.gamesToWin, 5);
  EXPECT_EQ(d.lblXwins()->text(), "5Wins Match");
  for (int i = 0; i < 3; ++i) clickArrow(d.vScroll1(), false);
  EXPECT_EQ(g.gamesToWin, 1);
  EXPECT_EQ(d.lblXwins()->text(), "1 Win Match");
  clickArrow(d.vScroll1(), false);
  EXPECT_EQ(g.gamesToWin, 1);
  for (int i = 0; i < 9; ++i) clickArrow(d.vScroll1(), true);
  EXPECT_EQ(g.gamesToWin, 15);
}

TEST_F(VsSetupTest, AMatchToOneOpensOnOneWin) {
  g.gamesToWin = 1;
  VsSetupDialog d(g);
  EXPECT_EQ(d.lblXwins()->text(), "1 Win Match");
  EXPECT_EQ(d.vScroll1()->value(), d.vScroll1()->maximum());  // the bottom end
}

TEST_F(VsSetupTest, TheComputersNameCannotBeEditedAPlayersCan) {
  VsSetupDialog two(g);
  EXPECT_EQ(two.txtPlayerName(1)->text(), "Player2");
  EXPECT_TRUE(two.txtPlayerName(1)->isEnabled());
  setVsCpuPlayerNames(g);
  VsSetupDialog cpu(g);
  EXPECT_EQ(cpu.txtPlayerName(1)->text(), "quib");
  EXPECT_FALSE(cpu.txtPlayerName(1)->isEnabled());
}

// Focus selects the first 12 characters, so typing replaces the whole name, emoji and all.
TEST_F(VsSetupTest, FocusSelectsTheWholeNameSoTypingReplacesIt) {
  std::string emoji;
  for (int i = 0; i < 12; ++i) emoji += "😀";
  setPlayerName(g, 1, emoji);
  VsSetupDialog d(g);
  d.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
  for (int i : {1, 0}) {
    d.txtPlayerName(i)->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(d.txtPlayerName(i)->selectedText(), d.txtPlayerName(i)->text()) << i;
  }
  d.txtPlayerName(1)->setFocus();
  QCoreApplication::processEvents();
  QTest::keyClicks(d.txtPlayerName(1), "Bo");
  EXPECT_EQ(d.txtPlayerName(1)->text(), "Bo");
}

TEST_F(VsSetupTest, OkStoresTheTypedNames) {
  VsSetupDialog d(g);
  d.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
  EXPECT_EQ(QApplication::focusWidget(), d.txtPlayerName(0));
  d.txtPlayerName(0)->selectAll();
  QTest::keyClicks(d.txtPlayerName(0), "Ann");
  QTest::mouseClick(d.picOK(), Qt::LeftButton);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(g.gameMode, modeVersus);
  EXPECT_EQ(g.players[0].name, "Ann         ");
  EXPECT_EQ(g.players[1].name, "Player2     ");
  EXPECT_EQ(g.form[Ctl::cmdShot].caption, "Ann's Shot");
}

TEST_F(VsSetupTest, ReturnOrKeypadEnterInEitherNameBoxActsAsOk) {
  const struct {
    int box;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  } presses[] = {{0, Qt::Key_Return, Qt::NoModifier},
                 {0, Qt::Key_Enter, Qt::KeypadModifier},
                 {1, Qt::Key_Return, Qt::NoModifier},
                 {1, Qt::Key_Enter, Qt::KeypadModifier}};
  for (const auto& p : presses) {
    const std::string where = "box " + std::to_string(p.box) + ", key " + std::to_string(p.key);
    setVsPlayerNames(g);
    g.gameMode = modeVersus;
    g.players[1].isBreaker = true;
    VsSetupDialog d(g);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    QLineEdit* box = d.txtPlayerName(p.box);
    box->setFocus();
    box->setText("Zed");
    QTest::keyClick(box, p.key, p.modifiers);
    EXPECT_FALSE(d.isVisible()) << where;
    EXPECT_EQ(d.result(), QDialog::Accepted) << where;
    EXPECT_EQ(g.gameMode, modeVersus) << where;
    EXPECT_EQ(g.players[static_cast<std::size_t>(p.box)].name, "Zed         ") << where;
    EXPECT_TRUE(g.players[0].isBreaker) << where << ": the match starts as OK starts it";
  }
  // Against the computer only the player's own box takes keys.
  setVsCpuPlayerNames(g);
  g.gameMode = modeVersus;
  VsSetupDialog cpu(g);
  cpu.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&cpu));
  QTest::keyClick(cpu.txtPlayerName(0), Qt::Key_Return);
  EXPECT_EQ(cpu.result(), QDialog::Accepted);
  EXPECT_EQ(g.players[1].name, "quib        ");
}

TEST_F(VsSetupTest, CancelEscapeAndTheCloseBoxGiveUpTheMatchAndKeepTheNames) {
  struct Way {
    const char* name;
    std::function<void(VsSetupDialog&)> close;
  };
  const Way ways[] = {
      {"Cancel", [](VsSetupDialog& d) { QTest::mouseClick(d.picCancel(), Qt::LeftButton); }},
      {"close box", [](VsSetupDialog& d) { d.close(); }},
      {"Escape", [](VsSetupDialog& d) { QTest::keyClick(d.txtPlayerName(0), Qt::Key_Escape); }},
  };
  for (const Way& w : ways) {
    g.gameMode = modeVersus;
    g.vsComputer = true;
    g.players[1].isBreaker = true;
    g.players[0].gamesWon = 2;
    VsSetupDialog d(g);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    d.txtPlayerName(0)->setText("Edited");
    w.close(d);
    EXPECT_FALSE(d.isVisible()) << w.name;
    EXPECT_EQ(g.gameMode, modeMenu) << w.name;
    EXPECT_FALSE(g.vsComputer) << w.name;
    EXPECT_EQ(g.players[0].name, "Player1     ") << w.name;
    EXPECT_EQ(g.form[Ctl::cmdShot].caption, "SHOT!") << w.name;
    EXPECT_EQ(g.players[0].gamesWon, 2) << w.name << ": a cancelled set-up starts nothing";
  }
}

// The three name boxes: the name entry's and both of the match set-up's.
struct NameBox {
  const char* name;
  std::function<QLineEdit*(InputBoxDialog&, VsSetupDialog&)> box;
  std::function<void(InputBoxDialog&, VsSetupDialog&)> ok;
  std::function<std::string(const GameState&)> stored;
};

void PrintTo(const NameBox& b, std::ostream* os) { *os << b.name; }

const NameBox kNameBoxes[] = {
    {"txtName", [](InputBoxDialog& d, VsSetupDialog&) { return d.txtName(); },
     [](InputBoxDialog& d, VsSetupDialog&) { QTest::mouseClick(d.picOK(), Qt::LeftButton); },
     [](const GameState& g) { return g.players[0].name; }},
    {"txtPlayerName0", [](InputBoxDialog&, VsSetupDialog& d) { return d.txtPlayerName(0); },
     [](InputBoxDialog&, VsSetupDialog& d) { QTest::mouseClick(d.picOK(), Qt::LeftButton); },
     [](const GameState& g) { return g.players[0].name; }},
    {"txtPlayerName1", [](InputBoxDialog&, VsSetupDialog& d) { return d.txtPlayerName(1); },
     [](InputBoxDialog&, VsSetupDialog& d) { QTest::mouseClick(d.picOK(), Qt::LeftButton); },
     [](const GameState& g) { return g.players[1].name; }},
};

class NameBoxTest : public ::testing::TestWithParam<NameBox> {
 protected:
  NameBoxTest() {
    setVsPlayerNames(g);
    g.gameMode = modeVersus;
    input.show();
    setup.show();
  }
  QLineEdit* box() { return GetParam().box(input, setup); }
  std::string okAndStored() {
    GetParam().ok(input, setup);
    return GetParam().stored(g);
  }
  GameState g;
  InputBoxDialog input{g};
  VsSetupDialog setup{g};
};

TEST_P(NameBoxTest, ATwelfthCharacterIsTheLastThatTheBoxTakes) {
  box()->clear();
  box()->setFocus();
  QTest::keyClicks(box(), "Maximilian Alexander");
  EXPECT_EQ(box()->text(), "Maximilian A");
  QTest::keyClick(box(), Qt::Key_Home);
  QTest::keyClicks(box(), "Z");
  EXPECT_EQ(box()->text(), "Maximilian A") << "a 13th character is refused wherever typed";
  EXPECT_EQ(okAndStored(), "Maximilian A");
}

// Characters, not UTF-16 units: an emoji takes one of the twelve places.
TEST_P(NameBoxTest, EmojiCountOneCharacterEach) {
  const QString emoji = QString::fromUtf8("😀");
  box()->clear();
  for (int i = 0; i < 13; ++i) box()->insert(emoji);
  EXPECT_EQ(box()->text(), emoji.repeated(12));
  box()->setText(QString::fromUtf8("Ann"));
  box()->setCursorPosition(1);
  box()->insert(QString::fromUtf8("0123456789😀"));  // a paste that does not fit is cut
  EXPECT_EQ(box()->text(), QString::fromUtf8("A012345678nn"));
  box()->setText(QString::fromUtf8("日本😀") + emoji.repeated(10));
  EXPECT_EQ(box()->text().toUcs4().size(), 12);
  std::string kept = "日本";
  for (int i = 0; i < 10; ++i) kept += "😀";
  EXPECT_EQ(okAndStored(), kept);
}

// A line break or tab pasted into a box is a blank in the name the game keeps.
TEST_P(NameBoxTest, PastedControlCharactersAreStoredAsBlanks) {
  for (const testing::TypedName& c : testing::kControlCharNames) {
    InputBoxDialog input2(g);
    VsSetupDialog setup2(g);
    input2.show();
    setup2.show();
    QLineEdit* b = GetParam().box(input2, setup2);
    b->clear();
    QApplication::clipboard()->setText(QString::fromStdString(c.typed));
    b->paste();
    GetParam().ok(input2, setup2);
    EXPECT_EQ(GetParam().stored(g), c.stored) << ::testing::PrintToString(c);
  }
}

INSTANTIATE_TEST_SUITE_P(Boxes, NameBoxTest, ::testing::ValuesIn(kNameBoxes),
                         [](const auto& info) { return std::string(info.param.name); });

struct VsResultTest : ::testing::Test {
  VsResultTest() {
    setPlayerName(g, 0, "You");
    setPlayerName(g, 1, "quib");
    g.gamesToWin = 3;
    g.balls[9].onTable = false;
  }
  GameState g;
};

TEST_F(VsResultTest, AGameWonShowsTheWinnerInGreen) {
  g.players[1].isBreaker = true;
  g.players[1].gamesWon = 1;
  VsResultDialog d(g);
  EXPECT_EQ(d.windowTitle(), "Velkor");
  EXPECT_EQ(d.lblWinner()->text(), "quib got this game.");
  EXPECT_EQ(textColour(d.lblWinner()), kGreen);
  EXPECT_EQ(d.lblPlayerName(0)->text(), "You         ");
  EXPECT_EQ(d.lblWins(0)->text(), " 0");
  EXPECT_EQ(d.lblWins(1)->text(), " 1");
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(textColour(d.lblPlayerName(i)), kGreen);
    EXPECT_EQ(textColour(d.lblWins(i)), kGreen);
  }
  EXPECT_EQ(d.lblPlayerName(0)->font().family(), "Arial");
}

TEST_F(VsResultTest, TheDecidingGameShowsTheWinnerInMagenta) {
  g.players[0].isBreaker = true;
  g.players[0].gamesWon = 3;
  g.players[1].gamesWon = 2;
  VsResultDialog d(g);
  EXPECT_EQ(d.lblWinner()->text(), "You defeated quib");
  EXPECT_EQ(textColour(d.lblWinner()), kMagenta);
  EXPECT_EQ(textColour(d.lblPlayerName(0)), kMagenta);
  EXPECT_EQ(textColour(d.lblWins(0)), kMagenta);
  EXPECT_EQ(textColour(d.lblPlayerName(1)), kGreen);
  EXPECT_EQ(textColour(d.lblWins(1)), kGreen);
}

// Names come from the players and from the score file; one that looks like markup is shown
// as typed in every label of the result and set-up windows.
TEST_F(VsResultTest, MarkupNamesAreShownAsTyped) {
  setPlayerName(g, 0, "<h1>AB</h1>");
  setPlayerName(g, 1, "<img src=x>");
  g.players[0].isBreaker = true;
  g.players[0].gamesWon = 1;
  VsResultDialog d(g);
  EXPECT_EQ(d.lblWinner()->text(), "<h1>AB</h1> got this game.");
  EXPECT_EQ(d.lblPlayerName(0)->text(), "<h1>AB</h1> ");
  EXPECT_EQ(d.lblPlayerName(1)->text(), "<img src=x> ");
  for (const QLabel* l : {d.lblWinner(), d.lblPlayerName(0), d.lblPlayerName(1), d.lblWins(0),
                          d.lblWins(1)}) {
    EXPECT_EQ(l->textFormat(), Qt::PlainText) << l->objectName().toStdString();
  }
  // As plain text the name is as wide as its characters; as markup it would be two large
  // letters or an empty picture.
  for (int i = 0; i < 2; ++i) {
    const QLabel* l = d.lblPlayerName(i);
    EXPECT_GE(l->sizeHint().width(), QFontMetrics(l->font()).horizontalAdvance(l->text())) << i;
  }

  g.balls[9].onTable = true;
  g.players[0].gamesWon = 3;
  VsResultDialog decided(g);
  EXPECT_EQ(decided.lblWinner()->text(), "<h1>AB</h1> defeated <img src=x>");

  VsSetupDialog setup(g);
  EXPECT_EQ(setup.txtPlayerName(0)->text(), "<h1>AB</h1>");
  EXPECT_EQ(setup.lblXwins()->textFormat(), Qt::PlainText);
}

// The decided match's headline holds both names. Two of 12 wide characters wrap it to more
// lines than the label holds at the design size; then it is set smaller until it fits. With
// VELKOR_SHOTS naming a folder each window is saved as vs-result-NAME.png.
TEST_F(VsResultTest, TheHeadlineFitsItsLabelAndKeepsTheDesignSizeWhenItCan) {
  struct Case {
    const char* what;
    const char* name0;
    const char* name1;
    bool designSize;
  };
  const Case cases[] = {
      {"short-names", "You", "quib", true},
      {"long-names", "ＷＷＷＷＷＷＷＷＷＷＷＷ", "東西南北春夏秋冬山川草木", false},
  };
  const QString shots = qEnvironmentVariable("VELKOR_SHOTS");
  const int flags = Qt::AlignCenter | Qt::TextWordWrap;
  const QFont design = [&] {
    QFont f("Arial");
    f.setPixelSize(pointsToPixels(18, g.twipsPerPixelY));
    return f;
  }();
  for (const Case& c : cases) {
    setPlayerName(g, 0, c.name0);
    setPlayerName(g, 1, c.name1);
    g.players[0].isBreaker = true;
    g.players[0].gamesWon = 3;
    VsResultDialog d(g);
    const QLabel* l = d.lblWinner();
    ASSERT_EQ(l->text(), QString("%1 defeated %2").arg(c.name0, c.name1)) << c.what;
    const QRect box = l->contentsRect();
    EXPECT_EQ(box.size(), QSize(291, 55)) << c.what;
    EXPECT_EQ(box.contains(QFontMetrics(design).boundingRect(box, flags, l->text())),
              c.designSize)
        << c.what << ": whether the design size fits";
    EXPECT_TRUE(box.contains(QFontMetrics(l->font()).boundingRect(box, flags, l->text())))
        << c.what << ": the headline as shown fits";
    EXPECT_EQ(l->font().pixelSize() == design.pixelSize(), c.designSize) << c.what;
    EXPECT_EQ(l->font().family(), "Arial") << c.what;
    EXPECT_FALSE(l->font().bold()) << c.what;
    EXPECT_EQ(l->alignment(), Qt::AlignCenter) << c.what;
    EXPECT_TRUE(l->wordWrap()) << c.what;
    if (!shots.isEmpty()) {
      d.grab().save(shots + "/vs-result-" + c.what + ".png");
    }
  }
}

TEST_F(VsResultTest, AnyKeyOrOkClosesIt) {
  for (int key : {int(Qt::Key_A), int(Qt::Key_Space), int(Qt::Key_Return), int(Qt::Key_Escape)}) {
    VsResultDialog d(g);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    QTest::keyClick(&d, static_cast<Qt::Key>(key));
    EXPECT_FALSE(d.isVisible()) << key;
    EXPECT_EQ(d.result(), QDialog::Accepted) << key;
  }
  VsResultDialog d(g);
  d.show();
  QTest::mouseClick(d.picOK(), Qt::LeftButton);
  EXPECT_FALSE(d.isVisible());
}

TEST(ResultWindows, TheMainWindowShowsEachWindowModallyAndPassesOthersOn) {
  GameState g;
  MFVELKOR window(g);
  std::vector<Window> passedOn;
  window.modalWindow = [&](Window w) { passedOn.push_back(w); };
  installResultWindows(window);
  const struct {
    Window w;
    const char* name;
  } shown[] = {{Window::frmRecord, "frmRecord"},
               {Window::frmInputBox, "frmInputBox"},
               {Window::frmVsResult, "frmVsResult"},
               {Window::frmChangeVsMode, "frmChangeVsMode"}};
  for (const auto& s : shown) {
    QString seen;
    bool modal = false;
    // Polled, since the window is up only once the nested event loop runs.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* d = qobject_cast<QDialog*>(top);
        if (d && d->isVisible() && d->objectName() == s.name) {
          seen = d->objectName();
          modal = d->isModal();
          d->reject();
        }
      }
    });
    poll.start(5);
    window.showModal(s.w);
    poll.stop();
    EXPECT_EQ(seen, s.name);
    EXPECT_TRUE(modal) << s.name;
  }
  window.setModalWindow(Window::frmVersion, nullptr);  // a window nobody set is passed on
  window.showModal(Window::frmVersion);
  EXPECT_EQ(passedOn, std::vector<Window>{Window::frmVersion});
}

}  // namespace
}  // namespace velkor
