// Widget tests run with one QApplication (offscreen under CTest) and the game's font faces.
#include <QApplication>
#include <gtest/gtest.h>

#include "screen/qt/fonts.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Test discovery runs this program outside CTest's environment, too.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  velkor::installFontSubstitutions();
  return RUN_ALL_TESTS();
}
