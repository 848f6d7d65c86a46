// Widget tests run with one QApplication (offscreen under CTest) and the game's font faces.
#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include "screen/qt/fonts.h"

namespace {
// A test that ends the program (closing the main window) calls QCoreApplication::exit, which
// stops every event loop, modal dialogs' included, until the main loop runs again. Running
// the main loop for a moment after each test lets the next one start as a fresh program does.
class MainLoopBetweenTests : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override {
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
  }
};
}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Test discovery runs this program outside CTest's environment, too.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  velkor::installFontSubstitutions();
  ::testing::UnitTest::GetInstance()->listeners().Append(new MainLoopBetweenTests);
  return RUN_ALL_TESTS();
}
