#include "state/ports.h"

namespace velkor {

const char* windowName(Window w) {
  static const char* const names[] = {"frmRecord", "frmInputBox", "frmVsResult",
                                      "frmChangeVsMode", "frmVersion"};
  return names[static_cast<int>(w)];
}

Screen& nullScreen() {
  static Screen screen;
  return screen;
}

Sound& nullSound() {
  static Sound sound;
  return sound;
}

Audio& nullAudio() {
  static Audio audio;
  return audio;
}

}  // namespace velkor
