#include "opponent/shot_driver.h"

namespace velkor {

// Seams until the shot driver stands: the aim and power stay as they are.
void playComputerShot(GameState&) {}
Single getAimErrorRate(Integer) { return 0; }

}  // namespace velkor
