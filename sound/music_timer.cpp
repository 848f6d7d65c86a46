#include "sound/music_timer.h"

#include "engine/table_model.h"
#include "sound/init_bgm_table.h"
#include "sound/send_mci.h"

namespace velkor {

namespace {

constexpr double kWrapSeconds = 3600;

bool isTrackRow(Integer row) {
  return row >= 0 && static_cast<std::size_t>(row) < std::tuple_size_v<decltype(GameState::trackTable)>;
}

double elapsedSeconds(const GameState& g) {
  return static_cast<double>(g.bgmTicks) * g.timBGM.interval() / 1000.0;
}

}  // namespace

void startTrack(GameState& g, Integer row) {
  if (!isTrackRow(row)) return;
  const TrackRecord& track = g.trackTable[static_cast<std::size_t>(row)];
  sendMci(g, "open " + track.file);
  sendMci(g, "play " + track.file);
  g.form.setCaption(Ctl::MFVELKOR, bgmCaption(track));
}

void timBGM_Timer(GameState& g) {
  if (g.bgmScene == bgmOff) {
    closeAllTracks(g);
  } else if (g.bgmScene != g.bgmPrevScene) {
    if (g.bgmPrevScene != bgmOff) closeAllTracks(g);
    startTrack(g, g.bgmScene);
    g.bgmPrevScene = g.bgmScene;
    g.bgmTicks = 0;
  } else {
    const Long seconds =
        isTrackRow(g.bgmScene) ? g.trackTable[static_cast<std::size_t>(g.bgmScene)].seconds : 0;
    if (elapsedSeconds(g) > seconds) {
      closeAllTracks(g);
      // A track never starts over the sound of a shot still rolling; it waits for the rest.
      if (isAllBallsStopped(g)) {
        startTrack(g, g.bgmScene);
        g.bgmTicks = 0;
        g.bgmPrevScene = g.bgmScene;
      }
    }
    g.bgmTicks = plusOne(g.bgmTicks);
  }
  if (elapsedSeconds(g) > kWrapSeconds) g.bgmTicks = 0;
}

}  // namespace velkor
