#include "screen/qt/dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "controls/message_box.h"
#include "screen/qt/dialog_pictures.h"
#include "support/fake_screen.h"

namespace velkor {
namespace {

using testing::Fixture;

MsgBoxLayout sampleBox(const std::string& text) {
  Fixture f;
  f.g.form.move(Ctl::MFVELKOR, 3000, 2000);
  f.g.form.setWidth(Ctl::MFVELKOR, 8250);
  f.g.form.setHeight(Ctl::MFVELKOR, 6135);
  return layoutMessageBox(f.g, text);
}

// Runs the box modally and lets the user act on it once it is up; true when exec returned.
template <typename Act>
bool closesWhen(Act act) {
  MsgBoxDialog box(sampleBox("You missed !"));
  bool acted = false;
  QTimer::singleShot(0, [&] {
    auto* active = qobject_cast<MsgBoxDialog*>(QApplication::activeModalWidget());
    ASSERT_EQ(active, &box);
    act(box);
    acted = true;
    // Whatever the act did not close, the test closes so that exec returns.
    if (box.isVisible()) QTimer::singleShot(0, &box, [&] { box.done(7); });
  });
  const int result = box.exec();
  return acted && result != 7;
}

TEST(MsgBoxWidget, ClosesOnAnyCharacterKeyEnterOrEscape) {
  for (Qt::Key key : {Qt::Key_A, Qt::Key_Space, Qt::Key_1, Qt::Key_Return, Qt::Key_Enter,
                      Qt::Key_Escape}) {
    EXPECT_TRUE(closesWhen([key](QWidget& w) { QTest::keyClick(&w, key); })) << key;
  }
}

TEST(MsgBoxWidget, StaysOpenOnKeysThatGiveNoCharacter) {
  for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Left, Qt::Key_F5}) {
    EXPECT_FALSE(closesWhen([key](QWidget& w) { QTest::keyClick(&w, key); })) << key;
  }
}

TEST(MsgBoxWidget, ClosesOnAClickOnTheOkPicture) {
  EXPECT_TRUE(closesWhen([](MsgBoxDialog& w) { QTest::mouseClick(w.picOK(), Qt::LeftButton); }));
}

TEST(MsgBoxWidget, ShowsTheTextInArial18AtTheComputedPlace) {
  const MsgBoxLayout layout = sampleBox(std::string(40, 'x'));
  MsgBoxDialog box(layout);
  EXPECT_EQ(box.windowTitle(), "Massage from Velkor");
  EXPECT_EQ(box.lblMsg()->text(), QString(40, 'x'));
  EXPECT_EQ(box.lblMsg()->font().family(), "Arial");
  EXPECT_EQ(box.lblMsg()->font().pointSizeF(), 18);
  EXPECT_EQ(box.width(), 8640 / 15);
  EXPECT_EQ(box.lblMsg()->x(), 720 / 15);
  EXPECT_EQ(box.picOK()->x() + box.picOK()->width() / 2, box.width() / 2) << "OK is centred";
  EXPECT_EQ(box.pos(), QPoint(static_cast<int>(std::lround(layout.left / 15)),
                              static_cast<int>(std::lround(layout.top / 15))));
}

// A player's name that looks like markup is drawn as its characters, not as a heading or a
// picture: the label, sized to its text, is as wide as those characters.
TEST(MsgBoxWidget, AMarkupNameIsShownAsTyped) {
  for (const char* text : {"<h1>AB</h1> missed!", "<img src=x> is Winner!", "A&amp;B missed!"}) {
    MsgBoxDialog box(sampleBox(text));
    const QLabel* l = box.lblMsg();
    EXPECT_EQ(l->text(), text);
    EXPECT_EQ(l->textFormat(), Qt::PlainText) << text;
    EXPECT_GE(l->width(), QFontMetrics(l->font()).horizontalAdvance(text)) << text;
  }
}

TEST(OpeningWidget, AClickClosesItAtOnceAndShowsTheMainWindow) {
  Fixture f;
  QPointer<OpeningWidget> w = showOpeningWindow(f.g);
  ASSERT_TRUE(w);
  EXPECT_EQ(w->size(), QSize(229, 168));
  EXPECT_TRUE(w->timer()->isActive());
  EXPECT_EQ(w->timer()->interval(), 1000);
  EXPECT_FALSE(f.g.form[Ctl::MFVELKOR].visible);
  QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(100, 80));
  EXPECT_TRUE(f.g.form[Ctl::MFVELKOR].visible);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(w.isNull()) << "the window is unloaded";
}

TEST(OpeningWidget, ClosesItselfOnTheSixthTick) {
  Fixture f;
  QPointer<OpeningWidget> w = showOpeningWindow(f.g);
  for (int i = 0; i < 5; ++i) w->tick();
  EXPECT_TRUE(w->isVisible());
  EXPECT_FALSE(f.g.form[Ctl::MFVELKOR].visible);
  w->tick();
  EXPECT_TRUE(f.g.form[Ctl::MFVELKOR].visible);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(w.isNull());
}

TEST(VersionWidget, ShowsTheVersionAndClosesOnOk) {
  Fixture f;
  f.g.quibLevel = 7;
  VersionDialog dialog(f.g);
  EXPECT_EQ(dialog.windowTitle(), "バージョン情報");
  EXPECT_EQ(dialog.label1()->text(), " Ver.3.02\n Quib's Level is 7.");
  EXPECT_EQ(dialog.findChild<QLabel*>("Label4")->text(), "VELKOR");
  EXPECT_EQ(dialog.command1()->text(), "OK");
  QTimer::singleShot(0, [&] { QTest::mouseClick(dialog.command1(), Qt::LeftButton); });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

TEST(VersionWidget, AClickOnTheMascotPlaysItsFramesAndStops) {
  Fixture f;
  VersionDialog dialog(f.g);
  EXPECT_FALSE(dialog.timer()->isActive());
  EXPECT_EQ(dialog.picPelzo()->size(), QSize(32, 32));
  QTest::mouseClick(dialog.picPelzo(), Qt::LeftButton);
  EXPECT_TRUE(dialog.timer()->isActive());
  EXPECT_EQ(dialog.timer()->interval(), 50);
  const QImage strip = makePelzoStrip();
  std::vector<int> shown;
  while (dialog.timer()->isActive() && shown.size() < 30) {
    dialog.tick();
    const QImage frame = dialog.picPelzo()->pixmap().toImage().convertToFormat(strip.format());
    for (int k = 0; k < 5; ++k) {
      if (frame == strip.copy(32 * k, 0, 32, 32)) {
        shown.push_back(k);
        break;
      }
    }
  }
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4, 4, 3, 2, 1, 0, 0, 1, 2, 3, 4, 4, 3, 2, 1, 0, 0}));
}

TEST(DialogPictures, FramesOfTheMascotDiffer) {
  const QImage strip = makePelzoStrip();
  ASSERT_EQ(strip.size(), QSize(160, 32));
  for (int a = 0; a < 5; ++a) {
    for (int b = a + 1; b < 5; ++b) {
      EXPECT_NE(strip.copy(32 * a, 0, 32, 32), strip.copy(32 * b, 0, 32, 32)) << a << " " << b;
    }
  }
  EXPECT_EQ(makeOpeningPicture().size(), QSize(229, 168));
}

}  // namespace
}  // namespace velkor
