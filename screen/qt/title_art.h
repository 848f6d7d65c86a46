// The built-in pictures of the title screen, drawn in code: the background of picMenu and
// the normal and lit pictures of its buttons and switches.
#pragma once

#include <QImage>
#include <QSize>

namespace velkor {

enum class TitleButton { soloPlay, vsCpu, vsPlay, record, exit };
enum class TitleSwitch { bgm, sound, color };

// 540 x 372, the whole client area: the program's name, a table with a rack of balls.
QImage makeTitleBackground();
// A button drawn over the part of the title background it covers (which gives its size);
// lit is the picture shown under the mouse.
QImage makeTitleButtonPicture(TitleButton which, bool lit, const QImage& under);
// A round switch drawn over the background it covers; on is element 0 (for the colour
// switch: true colour).
QImage makeTitleSwitchPicture(TitleSwitch which, bool on, const QImage& under);
// The caption a button shows.
const char* titleButtonCaption(TitleButton which);

}  // namespace velkor
