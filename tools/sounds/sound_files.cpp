#include "tools/sounds/sound_files.h"

namespace velkor::sounds {

std::map<std::string, Bytes> makeSoundFiles() {
  std::map<std::string, Bytes> files = makeEffectFiles();
  files.merge(makeMusicFiles());
  return files;
}

}  // namespace velkor::sounds
