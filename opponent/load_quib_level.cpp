#include "opponent/load_quib_level.h"

#include "opponent/obstruction.h"
#include "platform/profile.h"
#include "records/record_tables.h"

namespace velkor {

void loadQuibLevel(GameState& g) {
  const ProfileFile f = ProfileFile::load(scoreFilePath(g));
  g.quibLevel = limitRange<Integer>(f.getInteger("QUIB", "LV", 1), 1, 11);
  // Between matches the progress is 0 or 1; anything else was edited by hand and must
  // neither raise the level at the next win nor hold it back.
  g.quibProgress = limitRange<Integer>(f.getInteger("QUIB", "PG", 0), 0, 1);
}

}  // namespace velkor
