#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

#include "controls/shot_controls.h"
#include "engine/game_modes.h"
#include "screen/logic/menu_handlers.h"
#include "screen/logic/timer_handlers.h"
#include "screen/qt/main_window.h"
#include "screen/qt/title_screen.h"
#include "support/temp_folder.h"

namespace velkor {
namespace {

// The main window with the title screen hooked in, on the title menu as start-up leaves it.
class MenuHooksTest : public ::testing::Test {
 protected:
  MenuHooksTest() {
    g.iniDir = folder.dir();
    window.modalWindow = [this](Window w) { modals.push_back(w); };
    // The version and set-up windows answer at once: the version window only records that
    // it was asked for, the set-up window as with OK.
    window.setModalWindow(Window::frmVersion, [this] { modals.push_back(Window::frmVersion); });
    window.setModalWindow(Window::frmChangeVsMode, [this] {
      modals.push_back(Window::frmChangeVsMode);
      acceptVsSetupDefaults(g);
    });
    bindTimerHandlers(g);
    setSoloMode(g);
    setVsPlayerNames(g);
    returnToMenu(g);
    g.form.setVisible(Ctl::MFVELKOR, true);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  ~MenuHooksTest() override { g.timDemo.setEnabled(false); }
  QWidget* widget(Ctl c) { return window.widget(c); }

  testing::TempFolder folder;
  GameState g;
  MFVELKOR window{g};
  TitleScreen* title = qobject_cast<TitleScreen*>(window.widget(Ctl::picMenu));
  std::vector<Window> modals;
};

TEST_F(MenuHooksTest, TitleScreenTakesThePlaceOfPicMenuWithEveryControlOnIt) {
  EXPECT_EQ(widget(Ctl::picMenu), title);
  EXPECT_EQ(title->geometry(), QRect(0, 0, 540, 372));
  EXPECT_TRUE(title->isVisible());
  for (Ctl c : {Ctl::picSoloPlay0, Ctl::picExit1, Ctl::picColor0, Ctl::lblHelp}) {
    ASSERT_NE(widget(c), nullptr) << controlName(c);
    EXPECT_EQ(widget(c)->parentWidget(), title) << controlName(c);
  }
  EXPECT_EQ(&title->picture(), &window.menuPicture());
  ASSERT_NE(widget(Ctl::lblExitScore), nullptr);
  EXPECT_EQ(widget(Ctl::lblExitScore)->parentWidget(), widget(Ctl::picScore));
}

TEST_F(MenuHooksTest, SoloButtonThenMenuLabelGoThereAndBack) {
  QTest::mouseMove(widget(Ctl::picSoloPlay0), QPoint(20, 20));
  ASSERT_TRUE(widget(Ctl::picSoloPlay1)->isVisible());
  QTest::mouseClick(widget(Ctl::picSoloPlay1), Qt::LeftButton);
  EXPECT_EQ(g.gameMode, modeSolo);
  EXPECT_FALSE(title->isVisible());
  for (Ctl c : {Ctl::lblMenu0, Ctl::lblMenu1, Ctl::lblMenu2}) {
    EXPECT_TRUE(widget(c)->isVisible()) << controlName(c);
  }
  auto* menu = static_cast<QLabel*>(widget(Ctl::lblMenu0));
  QTest::mouseMove(menu, QPoint(5, 5));
  EXPECT_EQ(menu->palette().color(QPalette::WindowText), QColor(255, 0, 255));
  QTest::mouseMove(window.centralWidget(), QPoint(535, 10));  // bare window face
  EXPECT_EQ(menu->palette().color(QPalette::WindowText), QColor(192, 0, 192));
  QTest::mouseClick(menu, Qt::LeftButton);
  EXPECT_EQ(g.gameMode, modeMenu);
  EXPECT_TRUE(title->isVisible());
}

TEST_F(MenuHooksTest, OnlyTheLeftButtonClicks) {
  for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
    QTest::mouseClick(widget(Ctl::picSoloPlay0), b);
  }
  EXPECT_EQ(g.gameMode, modeMenu);
  QTest::mouseClick(widget(Ctl::picSoloPlay0), Qt::LeftButton);
  EXPECT_EQ(g.gameMode, modeSolo);
  for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
    QTest::mouseClick(widget(Ctl::lblMenu0), b);
  }
  EXPECT_EQ(g.gameMode, modeSolo) << "the Menu label ignores other buttons too";
}

TEST_F(MenuHooksTest, VsCpuButtonStartsAMatchThroughTheSetUpWindow) {
  QTest::mouseClick(widget(Ctl::picVSCPU0), Qt::LeftButton);
  EXPECT_EQ(g.gameMode, modeVersus);
  EXPECT_TRUE(g.vsComputer);
  EXPECT_EQ(g.players[0].name, "You         ");
  EXPECT_TRUE(g.players[0].isBreaker);
  EXPECT_EQ(g.gamesToWin, 3);
  EXPECT_EQ(g.bgmScene, bgmVSCPU);
  EXPECT_EQ(modals, std::vector<Window>{Window::frmChangeVsMode});
}

TEST_F(MenuHooksTest, MenuItemsRunTheirHandlers) {
  EXPECT_EQ(window.action(Ctl::mnuStart)->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(window.action(Ctl::mnuHelpCont)->shortcut(), QKeySequence(Qt::Key_F1));
  window.action(Ctl::mnuAbout)->trigger();
  EXPECT_EQ(modals, std::vector<Window>{Window::frmVersion});
  const bool checked = window.action(Ctl::mnuSound)->isChecked();
  window.action(Ctl::mnuSound)->trigger();
  EXPECT_EQ(window.action(Ctl::mnuSound)->isChecked(), g.form[Ctl::mnuSound].checked);
  EXPECT_NE(g.form[Ctl::mnuSound].checked, checked);
}

TEST_F(MenuHooksTest, HelpItemOpensTheHelpWindowOnTheShippedFile) {
  window.action(Ctl::mnuHelpCont)->trigger();
  QWidget* help = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == "helpWindow" && w->isVisible()) help = w;
  }
  ASSERT_NE(help, nullptr) << "velkor.HLP is copied next to the programs";
  help->close();
}

}  // namespace
}  // namespace velkor
