// One row of the music track table.
#pragma once

#include <string>

#include "state/types.h"

namespace velkor {

struct TrackRecord {
  std::string title;
  std::string file;
  Integer seconds = 0;
  std::string credit;
};

}  // namespace velkor
