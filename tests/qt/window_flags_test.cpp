// The frames of the game's windows: every message box and small window is opened the way the
// game opens it and must carry a title and a close button only, so no window manager offers to
// minimise or maximise it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>

#include "controls/message_box.h"
#include "screen/qt/dialogs.h"
#include "screen/qt/help_viewer.h"
#include "screen/qt/main_window.h"
#include "screen/qt/window_events.h"
#include "support/temp_folder.h"

namespace velkor {
namespace {

// Opens a window modally through `open` and returns the flags of the modal window that came
// up (none when nothing came up), closing it so that `open` returns.
std::optional<Qt::WindowFlags> flagsOfModalWindow(const std::function<void()>& open,
                                                  QString* name) {
  std::optional<Qt::WindowFlags> seen;
  // Polled, since the window is up only once its nested event loop runs.
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      seen = d->windowFlags();
      *name = d->metaObject()->className() + QString(" ") + d->objectName();
      d->reject();
    }
  });
  poll.start(5);
  open();
  poll.stop();
  return seen;
}

TEST(WindowFlags, MessageBoxesAndSmallWindowsHaveATitleAndACloseButtonOnly) {
  testing::TempFolder folder;
  GameState g;
  g.iniDir = folder.dir();
  MFVELKOR window(g);
  wireMainWindow(window);
  const struct {
    const char* what;
    std::function<void()> open;
  } cases[] = {
      {"the game's message box",
       [&] { window.showSizedMessageBox(layoutMessageBox(g, "You missed !")); }},
      {"the desktop's message box", [&] { window.showStandardMessage("Colour depth changed."); }},
      {"the message of a missing help file",
       [&] { showHelpFile(&window, "no-such-help.HLP", HelpKind::contents); }},
      {"frmVersion", [&] { window.showModal(Window::frmVersion); }},
      {"frmRecord", [&] { window.showModal(Window::frmRecord); }},
      {"frmInputBox", [&] { window.showModal(Window::frmInputBox); }},
      {"frmVsResult", [&] { window.showModal(Window::frmVsResult); }},
      {"frmChangeVsMode", [&] { window.showModal(Window::frmChangeVsMode); }},
  };
  for (const auto& c : cases) {
    QString name;
    const auto flags = flagsOfModalWindow(c.open, &name);
    ASSERT_TRUE(flags.has_value()) << c.what << " did not come up as a modal window";
    const std::string what = std::string(c.what) + " (" + name.toStdString() + ")";
    EXPECT_EQ(Qt::WindowType(flags->toInt() & Qt::WindowType_Mask), Qt::Dialog) << what;
    // Without the customise hint the window manager would choose the buttons itself.
    EXPECT_TRUE(flags->testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowCloseButtonHint))
        << what;
    EXPECT_FALSE(flags->testAnyFlags(Qt::WindowMinMaxButtonsHint | Qt::WindowFullscreenButtonHint |
                                     Qt::WindowContextHelpButtonHint))
        << what;
  }
}

TEST(WindowFlags, TheOpeningWindowStaysFrameless) {
  GameState g;
  QPointer<OpeningWidget> w = showOpeningWindow(g);
  ASSERT_TRUE(w);
  EXPECT_TRUE(w->isWindow());
  EXPECT_TRUE(w->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_FALSE(w->windowFlags().testAnyFlags(Qt::WindowMinMaxButtonsHint));
  w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace velkor
