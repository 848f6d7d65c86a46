#include "opponent/quib_level.h"

namespace velkor {

// The level stays where it is until its rule and its storage are in place.
void updateQuibLevel(GameState&, bool) {}
void saveQuibLevel(GameState&) {}

}  // namespace velkor
