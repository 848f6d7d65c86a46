// Widget tests run with one QApplication (offscreen under CTest) and the game's font faces.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

#include "screen/qt/fonts.h"

namespace {

// A test that ends the program leaves the application quitting, and every modal window of a
// later test would then close as soon as it opened. A turn of the application's own loop
// clears that.
class ClearQuitAfterEachTest : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override {
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
  }
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Test discovery runs this program outside CTest's environment, too.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Without a runtime folder Qt makes one in the temporary folder and leaves it there; this one
  // goes when the program ends.
  std::optional<QTemporaryDir> runtime;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.emplace().isValid()) {
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
  }
  QApplication app(argc, argv);
  velkor::installFontSubstitutions();
  ::testing::UnitTest::GetInstance()->listeners().Append(new ClearQuitAfterEachTest);
  return RUN_ALL_TESTS();
}
