// velkor-make-sounds FOLDER: writes the game's WAV and MIDI files into FOLDER (assets/).
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/sounds/sound_files.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: velkor-make-sounds FOLDER\n");
    return 2;
  }
  for (const auto& [name, bytes] : velkor::sounds::makeSoundFiles()) {
    const std::string path = std::string(argv[1]) + "/" + name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s %zu bytes\n", path.c_str(), bytes.size());
  }
  return 0;
}
