#include "opponent/quib_level.h"

#include "opponent/obstruction.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "records/record_tables.h"
#include "state/types.h"

namespace velkor {

namespace {
constexpr Integer kTopLevel = 11;
constexpr Integer kWinsToRise = 2;
}  // namespace

void updateQuibLevel(GameState& g, bool humanWon) {
  g.quibProgress = humanWon ? plusOne(g.quibProgress) : Integer{0};
  if (g.quibProgress >= kWinsToRise) {
    g.quibLevel = getMin(plusOne(g.quibLevel), kTopLevel);
    g.quibProgress = 0;
  }
}

// Both keys go into one copy of the file, saved once: a crash between two writes would
// leave a raised level with the progress that raised it, and the next win would raise it again.
void saveQuibLevel(GameState& g) {
  const std::string path = scoreFilePath(g);
  ProfileFile f = ProfileFile::load(path);
  f.set("QUIB", "LV", signedNumberText(g.quibLevel));
  f.set("QUIB", "PG", signedNumberText(g.quibProgress));
  f.save(path);
}

}  // namespace velkor
