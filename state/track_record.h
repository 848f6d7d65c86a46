// One row of the music track table.
#pragma once

#include <string>

#include "state/types.h"

namespace velkor {

struct TrackRecord {
  std::string title;
  std::string file;
  Long seconds = 0;  // play time after which the track restarts
  std::string credit;
};

}  // namespace velkor
