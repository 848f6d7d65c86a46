// Writes the 256-colour pictures of the game: vk256.bmp (table sheet), vkmnu256.bmp
// (title screen) and vkopn256.bmp (opening picture), 8-bit palettised BMP files drawn from
// the built-in pictures.
// Usage: velkor-make-assets [folder]   (default: the current folder)
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "screen/qt/fonts.h"
#include "screen/qt/dialog_pictures.h"
#include "screen/qt/table_sheet.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  velkor::installFontSubstitutions();
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
  const struct {
    const char* name;
    QImage picture;
  } files[] = {{"vk256.bmp", velkor::makeTableSheet()}, {"vkmnu256.bmp", velkor::makeTitlePicture()},
                 {"vkopn256.bmp", velkor::makeOpeningPicture()}};
  for (const auto& f : files) {
    const QString path = out.filePath(f.name);
    if (!velkor::toPalettised(f.picture).save(path, "BMP")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s\n", qPrintable(path));
  }
  return 0;
}
