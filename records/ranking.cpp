#include "records/ranking.h"

#include <algorithm>
#include <ctime>
#include <limits>
#include <utility>

#include "records/record_tables.h"
#include "platform/text.h"

namespace velkor {

namespace {

constexpr std::size_t kCandidate = 11;
constexpr int kSortPasses = 11;

// The 16-bit Time field holds the game clock up to 32767 s; a longer game keeps the largest.
Integer clockAsTime(Long seconds) {
  return static_cast<Integer>(std::clamp<Long>(seconds, std::numeric_limits<Integer>::min(),
                                               std::numeric_limits<Integer>::max()));
}

// Every row's Index back to its row number, in both tables, so that only the record just
// sorted in can carry the new-entry mark.
void clearNewEntryMarks(GameState& g) {
  for (std::size_t i = 1; i <= 10; ++i) {
    g.soloRec[i].Index = static_cast<Integer>(i);
    g.vsRec[i].Index = static_cast<Integer>(i);
  }
}

// Bubble passes that exchange only strictly better neighbours, so equal records keep their
// order and a candidate equal to a row stays behind it.
template <typename Table, typename Better>
void bubbleIntoPlace(Table& rows, Better better) {
  for (int pass = 0; pass < kSortPasses; ++pass) {
    for (std::size_t j = 1; j <= 10; ++j) {
      if (better(rows[j + 1], rows[j])) std::swap(rows[j], rows[j + 1]);
    }
  }
}

}  // namespace

std::string todayText(const GameState& g) {
  if (!g.todayOverride.empty()) return fixedText(g.todayOverride, 8);
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  if (!local) return "00/01/01";
  char buf[16];
  std::strftime(buf, sizeof buf, "%y/%m/%d", local);
  return buf;
}

bool isBetterSolo(const SoloRecord& a, const SoloRecord& b) {
  if (a.Turn != b.Turn) return a.Turn < b.Turn;
  if (a.Shots != b.Shots) return a.Shots > b.Shots;
  if (a.NumBalls != b.NumBalls) return a.NumBalls > b.NumBalls;
  return a.Time < b.Time;
}

bool isBetterVsCpu(const VsCpuRecord& a, const VsCpuRecord& b) {
  if (a.Level != b.Level) return a.Level > b.Level;
  if (a.YouWon != b.YouWon) return a.YouWon > b.YouWon;
  if (a.CPUWon != b.CPUWon) return a.CPUWon < b.CPUWon;
  return a.Time < b.Time;
}

void buildSoloCandidate(GameState& g) {
  SoloRecord& r = g.soloRec[kCandidate];
  r.Shots = g.shotCount;
  r.Turn = g.turnCount;
  r.Time = clockAsTime(g.elapsedSeconds);
  r.Name = fixedText(g.players[0].name, 20);
  r.Balls = fixedText(getPocketedBalls(g), 9);
  r.Date = todayText(g);
  r.NumBalls = getNumOfBallFromBalls(r.Balls);
}

void buildVsCpuCandidate(GameState& g) {
  VsCpuRecord& r = g.vsRec[kCandidate];
  r.Name = fixedText(g.players[0].name, 20);
  r.Time = clockAsTime(g.elapsedSeconds);
  r.Date = todayText(g);
  r.YouWon = g.players[0].gamesWon;
  r.CPUWon = g.players[1].gamesWon;
  r.Level = g.quibLevel;
}

bool doseLankInSolo(GameState& g) {
  buildSoloCandidate(g);
  return isBetterSolo(g.soloRec[kCandidate], g.soloRec[10]);
}

bool doseLankInVSCpu(GameState& g) {
  if (g.players[0].gamesWon <= g.players[1].gamesWon) return false;
  buildVsCpuCandidate(g);
  return isBetterVsCpu(g.vsRec[kCandidate], g.vsRec[10]);
}

// The candidate is built again: the name entry may have renamed player 0 since the test.
void sortSoloRecord(GameState& g) {
  buildSoloCandidate(g);
  g.soloRec[kCandidate].Index = static_cast<Integer>(kCandidate);
  clearNewEntryMarks(g);
  bubbleIntoPlace(g.soloRec, isBetterSolo);
}

void sortVsCPURecord(GameState& g) {
  buildVsCpuCandidate(g);
  g.vsRec[kCandidate].Index = static_cast<Integer>(kCandidate);
  clearNewEntryMarks(g);
  bubbleIntoPlace(g.vsRec, isBetterVsCpu);
}

}  // namespace velkor
