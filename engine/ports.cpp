#include "engine/ports.h"

namespace velkor {

Screen& nullScreen() {
  static Screen screen;
  return screen;
}

Sound& nullSound() {
  static Sound sound;
  return sound;
}

}  // namespace velkor
