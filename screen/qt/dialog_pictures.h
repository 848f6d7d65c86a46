// The built-in pictures of the small windows, drawn in code: the opening picture, the
// message box's OK button and the strip of five mascot frames.
#pragma once

#include <QImage>

namespace velkor {

QImage makeOpeningPicture();  // 229 x 168
QImage makeOkPicture();       // 80 x 30
QImage makePelzoStrip();      // 160 x 32: frame f at x = 32 f, f = 0..4

}  // namespace velkor
