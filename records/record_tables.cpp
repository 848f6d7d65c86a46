#include "records/record_tables.h"

#include <cstdio>

#include "platform/folders.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace velkor {

namespace {
constexpr const char* kSolo = "SOLO";
constexpr const char* kVsCpu = "VSCPU";

std::string key(const char* name, int row) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%s%02d", name, row);
  return buf;
}

std::string readText(const ProfileFile& f, const char* section, const std::string& k,
                     const char* defaultValue, std::size_t width) {
  return fixedText(cutAtNull(f.getString(section, k, defaultValue)), width);
}
}  // namespace

std::string scoreFilePath(const GameState& g) { return getWinDir(g.iniDir) + "VKSCORE.INI"; }

std::string getPocketedBalls(const GameState& g) {
  std::string s;
  for (int k = 1; k <= 9; ++k) {
    s += g.balls[static_cast<std::size_t>(k)].onTable ? '0' : static_cast<char>('0' + k);
  }
  return s;
}

Integer getNumOfBallFromBalls(std::string_view strBalls) {
  // Positions are characters, as the fixed-width fields count them, not bytes.
  Integer n = 0;
  for (int k = 0; k < 9; ++k) {
    const std::string c = leftChars(strBalls, 1);
    if (c != "0") ++n;
    strBalls.remove_prefix(c.size());
  }
  return n;
}

void loadSoloRecord(GameState& g) {
  ProfileFile f = ProfileFile::load(scoreFilePath(g));
  for (int i = 1; i <= 10; ++i) {
    SoloRecord& r = g.soloRec[static_cast<std::size_t>(i)];
    r.Shots = f.getInteger(kSolo, key("Shots", i), 0);
    r.Time = f.getInteger(kSolo, key("Time", i), 3600);
    r.Turn = f.getInteger(kSolo, key("Turn", i), 10);
    r.Name = readText(f, kSolo, key("Name", i), "quib", 20);
    r.Balls = readText(f, kSolo, key("Balls", i), "000000000", 9);
    r.Date = readText(f, kSolo, key("Date", i), "98/01/01", 8);
    r.NumBalls = getNumOfBallFromBalls(r.Balls);
    r.Index = static_cast<Integer>(i);
  }
}

void loadVsCpuRecord(GameState& g) {
  ProfileFile f = ProfileFile::load(scoreFilePath(g));
  for (int i = 1; i <= 10; ++i) {
    VsCpuRecord& r = g.vsRec[static_cast<std::size_t>(i)];
    r.Name = readText(f, kVsCpu, key("Name", i), "quib", 20);
    r.Date = readText(f, kVsCpu, key("Date", i), "98/01/01", 8);
    r.Time = f.getInteger(kVsCpu, key("Time", i), 3600);
    r.YouWon = f.getInteger(kVsCpu, key("YouWon", i), 0);
    r.CPUWon = f.getInteger(kVsCpu, key("CPUWon", i), 0);
    r.Level = f.getInteger(kVsCpu, key("LevelOfQuib", i), 0);
    r.Index = static_cast<Integer>(i);
  }
}

// Both savers set every key on one copy of the file and replace it once: sixty separate
// writes would leave a mix of old and new rows when the program dies in the middle.
void saveSoloRecord(GameState& g) {
  const std::string path = scoreFilePath(g);
  ProfileFile f = ProfileFile::load(path);
  for (int i = 1; i <= 10; ++i) {
    const SoloRecord& r = g.soloRec[static_cast<std::size_t>(i)];
    f.set(kSolo, key("Shots", i), signedNumberText(r.Shots));
    f.set(kSolo, key("Time", i), signedNumberText(r.Time));
    f.set(kSolo, key("Turn", i), signedNumberText(r.Turn));
    f.set(kSolo, key("Name", i), fixedText(r.Name, 20));
    f.set(kSolo, key("Balls", i), fixedText(r.Balls, 9));
    f.set(kSolo, key("Date", i), fixedText(r.Date, 8));
  }
  f.save(path);
}

void saveVsCpuRecord(GameState& g) {
  const std::string path = scoreFilePath(g);
  ProfileFile f = ProfileFile::load(path);
  for (int i = 1; i <= 10; ++i) {
    const VsCpuRecord& r = g.vsRec[static_cast<std::size_t>(i)];
    f.set(kVsCpu, key("Name", i), fixedText(r.Name, 20));
    f.set(kVsCpu, key("Date", i), fixedText(r.Date, 8));
    f.set(kVsCpu, key("Time", i), signedNumberText(r.Time));
    f.set(kVsCpu, key("YouWon", i), signedNumberText(r.YouWon));
    f.set(kVsCpu, key("CPUWon", i), signedNumberText(r.CPUWon));
    f.set(kVsCpu, key("LevelOfQuib", i), signedNumberText(r.Level));
  }
  f.save(path);
}

}  // namespace velkor
