// velkor: the game's main window.
#include <QApplication>

#include "screen/qt/app.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return velkor::runVelkor(app);
}
