// The built-in pictures: the table sheet (table image, ball sprites, mask, shadow, icons,
// cue-ball picture, score-ball icons) and the title picture, drawn in code. The asset
// generator saves the same pictures as the 256-colour bitmap files.
#pragma once

#include <QImage>

namespace velkor {

QImage makeTableSheet();    // 540 x 360, RGB32
QImage makeTitlePicture();  // 540 x 372, RGB32

// The picture quantised to 256 colours (8-bit with a colour table). Black, white, the shadow
// green and the strip grey stay exact, so masks and sprite backgrounds keep working.
QImage toPalettised(const QImage& picture);

}  // namespace velkor
