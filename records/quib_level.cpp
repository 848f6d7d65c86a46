#include "records/quib_level.h"

#include <algorithm>

#include "platform/profile.h"
#include "platform/text.h"
#include "records/record_tables.h"
#include "state/types.h"

namespace velkor {

namespace {
constexpr Integer kTopLevel = 11;
constexpr Integer kWinsToRise = 2;
}  // namespace

void loadQuibLevel(GameState& g) {
  const ProfileFile f = ProfileFile::load(scoreFilePath(g));
  g.quibLevel = std::clamp<Integer>(f.getInteger("QUIB", "LV", 1), 1, 11);
  // Between matches the progress is 0 or 1; anything else was edited by hand and must
  // neither raise the level at the next win nor hold it back.
  g.quibProgress = std::clamp<Integer>(f.getInteger("QUIB", "PG", 0), 0, 1);
}

void updateQuibLevel(GameState& g, bool humanWon) {
  g.quibProgress = humanWon ? plusOne(g.quibProgress) : Integer{0};
  if (g.quibProgress >= kWinsToRise) {
    g.quibLevel = std::min(plusOne(g.quibLevel), kTopLevel);
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
