#include "sound/init_bgm_table.h"

namespace velkor {

namespace {
struct Track {
  const char* file;
  const char* title;
};
// Rows bgmMenu, bgmRecord, bgmSoloPlay, bgmVSCPU, bgmVSPlay.
constexpr Track kTracks[] = {
    {"menu.mid", "Green Baize Evening"},
    {"record.mid", "Hall of Fame"},
    {"game1.mid", "Quiet Table"},
    {"game2.mid", "Quib Is Thinking"},
    {"game3.mid", "Side Pocket Shuffle"},
};
}  // namespace

void initBgmTable(GameState& g) {
  for (TrackRecord& row : g.trackTable) row.credit = kBgmCredit;
  for (std::size_t r = 0; r < std::size(kTracks); ++r) {
    g.trackTable[r].file = kTracks[r].file;
    g.trackTable[r].title = kTracks[r].title;
    g.trackTable[r].seconds = kTrackSeconds;
  }
  g.bgmScene = bgmMenu;
  g.bgmPrevScene = bgmOff;
}

std::string bgmCaption(const TrackRecord& row) {
  return std::string("VELKOR Ver.") + kVersion + " by quib --- BGM:\"" + row.title + "\" by " +
         row.credit;
}

}  // namespace velkor
