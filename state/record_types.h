// Rows of the two top-10 tables. Texts are fixed-width and blank-padded.
#pragma once

#include <array>
#include <string>

#include "state/types.h"

namespace velkor {

struct SoloRecord {
  std::string Name = std::string(20, ' ');  // 20 characters
  Integer Shots = 0;
  Integer Turn = 0;
  Integer Time = 0;
  std::string Balls = std::string(9, ' ');  // 9 characters
  Integer NumBalls = 0;                     // not stored; counted from Balls
  std::string Date = std::string(8, ' ');   // "yy/mm/dd"
  Integer Index = 0;                        // row before the last sort; 11 marks the new entry
};

struct VsCpuRecord {
  std::string Name = std::string(20, ' ');
  Integer YouWon = 0;
  Integer CPUWon = 0;
  std::string Date = std::string(8, ' ');
  Integer Time = 0;
  Integer Level = 0;  // stored under LevelOfQuib
  Integer Index = 0;
};

// Rows 1..10 are the table, best first; row 11 is the candidate being ranked; row 0 is unused.
using SoloTable = std::array<SoloRecord, 12>;
using VsCpuTable = std::array<VsCpuRecord, 12>;

}  // namespace velkor
