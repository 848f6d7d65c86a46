#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "controls/message_box.h"
#include "screen/qt/dialogs.h"
#include "screen/qt/main_window.h"

namespace velkor {
namespace {

struct ShotUi : ::testing::Test {
  ShotUi() : window(g) {
    window.modalWindow = [this](Window w) { passedOn.push_back(w); };
    window.setModalWindow(Window::frmRecord, nullptr);  // passed on, not shown
  }
  GameState g;
  MFVELKOR window;
  std::vector<Window> passedOn;
};

TEST_F(ShotUi, TheVersionWindowIsShownModallyAndOtherWindowsArePassedOn) {
  QString title;
  QTimer::singleShot(0, [&] {
    auto* d = qobject_cast<VersionDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(d);
    title = d->windowTitle();
    QTest::mouseClick(d->command1(), Qt::LeftButton);
  });
  window.showModal(Window::frmVersion);
  EXPECT_EQ(title, "バージョン情報");
  window.showModal(Window::frmRecord);
  EXPECT_EQ(passedOn, std::vector<Window>{Window::frmRecord});
}

TEST_F(ShotUi, TheMessageBoxIsCentredOnTheMainWindowWhereverItWasMoved) {
  g.form.setWidth(Ctl::MFVELKOR, 550 * 15);
  g.form.setHeight(Ctl::MFVELKOR, 409 * 15);
  g.form.setVisible(Ctl::MFVELKOR, true);
  for (QPoint at : {QPoint(100, 80), QPoint(300, 20)}) {
    window.move(at);  // as the user drags it
    QCoreApplication::processEvents();
    ASSERT_EQ(g.form[Ctl::MFVELKOR].left, window.x() * 15);
    QPoint boxAt;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<MsgBoxDialog*>(QApplication::activeModalWidget());
      ASSERT_TRUE(box);
      boxAt = box->pos();
      QTest::keyClick(box, Qt::Key_Escape);
    });
    showMessage(g, "Your Ball was falling down !!");
    const MsgBoxLayout expected = layoutMessageBox(g, "Your Ball was falling down !!");
    EXPECT_EQ(boxAt.x(), static_cast<int>(std::lround(expected.left / 15))) << at.x();
    EXPECT_EQ(boxAt.y(), static_cast<int>(std::lround(expected.top / 15))) << at.y();
    EXPECT_NEAR(boxAt.x() + expected.width / 30, window.x() + 275, 1) << "centred across";
  }
}

}  // namespace
}  // namespace velkor
