#include "screen/qt/fonts.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace velkor {

void installFontSubstitutions() {
  QFont::insertSubstitutions("Arial", QStringList{"Liberation Sans"});
  QFont::insertSubstitutions(QString::fromUtf8("ＭＳ ゴシック"), QStringList{"IPAGothic"});
  QFont::insertSubstitutions("MS Gothic", QStringList{"IPAGothic"});
}

}  // namespace velkor
