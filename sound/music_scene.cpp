#include "sound/music_scene.h"

namespace velkor {

void setBgmScene(GameState& g, Integer scene) {
  g.bgmPrevScene = g.bgmScene;
  g.bgmScene = scene;
}

}  // namespace velkor
