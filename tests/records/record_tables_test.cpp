#include "records/record_tables.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <sstream>
#include <thread>

#include "platform/profile.h"
#include "platform/text.h"
#include "support/temp_folder.h"

namespace velkor {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

std::string padded(const std::string& s, std::size_t n) { return fixedText(s, n); }

// Every field of rows 1..10 in one comparable text.
std::string describe(const GameState& g) {
  std::ostringstream s;
  for (std::size_t i = 1; i <= 10; ++i) {
    const SoloRecord& r = g.soloRec[i];
    s << "solo " << i << " [" << r.Name << "] " << r.Shots << ' ' << r.Turn << ' ' << r.Time
      << " [" << r.Balls << "] " << r.NumBalls << " [" << r.Date << "] " << r.Index << "\n";
  }
  for (std::size_t i = 1; i <= 10; ++i) {
    const VsCpuRecord& r = g.vsRec[i];
    s << "vs " << i << " [" << r.Name << "] " << r.YouWon << ' ' << r.CPUWon << " [" << r.Date
      << "] " << r.Time << ' ' << r.Level << ' ' << r.Index << "\n";
  }
  return s.str();
}

// A table that differs from the defaults in every field; `salt` makes two distinct tables.
void fillTables(GameState& g, int salt) {
  for (std::size_t i = 1; i <= 10; ++i) {
    int v = static_cast<int>(i) + 100 * salt;
    SoloRecord& r = g.soloRec[i];
    r.Name = padded((salt % 2 ? "独り撞き" : "Bob") + std::to_string(v), 20);
    r.Shots = static_cast<Integer>(v);
    r.Turn = static_cast<Integer>(v + 1);
    r.Time = static_cast<Integer>(-v);
    r.Balls = i % 2 ? "120450009" : "123456789";
    r.NumBalls = 0;
    r.Date = "26/12/" + std::to_string(10 + i % 10);
    r.Index = 11;
    VsCpuRecord& w = g.vsRec[i];
    w.Name = padded("You" + std::to_string(v), 20);
    w.YouWon = static_cast<Integer>(v % 15);
    w.CPUWon = static_cast<Integer>(v % 7);
    w.Date = "27/01/0" + std::to_string(i % 10);
    w.Time = static_cast<Integer>(v * 3);
    w.Level = static_cast<Integer>(v % 11 + 1);
    w.Index = 11;
  }
}

class RecordTables : public ::testing::Test {
 protected:
  RecordTables() { g.iniDir = t.dir(); }
  std::string path() const { return t.file("VKSCORE.INI"); }
  void loadBoth() {
    loadSoloRecord(g);
    loadVsCpuRecord(g);
  }
  void saveBoth() {
    saveSoloRecord(g);
    saveVsCpuRecord(g);
  }

  TempFolder t;
  GameState g;
};

void expectDefaultRows(const GameState& g) {
  for (std::size_t i = 1; i <= 10; ++i) {
    const SoloRecord& r = g.soloRec[i];
    EXPECT_EQ(r.Name, "quib                ");
    EXPECT_EQ(r.Shots, 0);
    EXPECT_EQ(r.Turn, 10);
    EXPECT_EQ(r.Time, 3600);
    EXPECT_EQ(r.Balls, "000000000");
    EXPECT_EQ(r.NumBalls, 0);
    EXPECT_EQ(r.Date, "98/01/01");
    EXPECT_EQ(r.Index, static_cast<Integer>(i));
    const VsCpuRecord& v = g.vsRec[i];
    EXPECT_EQ(v.Name, "quib                ");
    EXPECT_EQ(v.YouWon, 0);
    EXPECT_EQ(v.CPUWon, 0);
    EXPECT_EQ(v.Time, 3600);
    EXPECT_EQ(v.Level, 0);
    EXPECT_EQ(v.Date, "98/01/01");
    EXPECT_EQ(v.Index, static_cast<Integer>(i));
  }
}

TEST(BallsText, PocketedBallsAndTheirCount) {
  GameState g;
  EXPECT_EQ(getPocketedBalls(g), "000000000");
  EXPECT_EQ(getNumOfBallFromBalls(getPocketedBalls(g)), 0);
  for (int i = 1; i <= 9; ++i) g.balls[i].onTable = false;
  EXPECT_EQ(getPocketedBalls(g), "123456789");
  EXPECT_EQ(getNumOfBallFromBalls("0000"), 5);
  EXPECT_EQ(getNumOfBallFromBalls("0 0000000"), 1);
  // A Balls text read back from a hand-edited score file: positions are characters, so the
  // three bytes of one katakana count once, and the ninth character is still looked at.
  EXPECT_EQ(getNumOfBallFromBalls("ｱ00000000"), 1);
  EXPECT_EQ(getNumOfBallFromBalls("ｱ0000000ｱ"), 2);
}

TEST_F(RecordTables, FirstStartWithoutScoreFileLoadsDefaultRowsAndCreatesNothing) {
  loadBoth();
  expectDefaultRows(g);
  EXPECT_FALSE(std::filesystem::exists(path()));
}

TEST_F(RecordTables, LoadLeavesRowsZeroAndElevenAlone) {
  g.soloRec[11].Name = padded("candidate", 20);
  g.vsRec[0].YouWon = 7;
  loadBoth();
  EXPECT_EQ(g.soloRec[11].Name, padded("candidate", 20));
  EXPECT_EQ(g.vsRec[0].YouWon, 7);
}

TEST_F(RecordTables, SaveThenLoadGivesTheSameTablesWithIndexReset) {
  fillTables(g, 1);
  g.soloRec[11].Name = padded("not stored", 20);
  saveBoth();
  GameState h;
  h.iniDir = g.iniDir;
  loadSoloRecord(h);
  loadVsCpuRecord(h);
  for (std::size_t i = 1; i <= 10; ++i) {
    g.soloRec[i].NumBalls = getNumOfBallFromBalls(g.soloRec[i].Balls);
    g.soloRec[i].Index = g.vsRec[i].Index = static_cast<Integer>(i);
  }
  EXPECT_EQ(describe(h), describe(g));
  EXPECT_EQ(h.soloRec[1].NumBalls, 5) << "120450009: balls 1, 2, 4, 5 and 9 pocketed";
  EXPECT_EQ(readBytes(path()).find("not stored"), std::string::npos) << "row 11 is not written";
}

TEST_F(RecordTables, WrittenValuesFollowTheNumberAndTextConventions) {
  loadBoth();
  g.soloRec[1].Shots = 12;
  g.soloRec[2].Shots = -1;
  g.soloRec[1].Name = padded("Bob", 20);
  g.soloRec[3].Name = "Al";  // shorter than its field in memory: still written at full width
  saveSoloRecord(g);
  ProfileFile f = ProfileFile::load(path());
  EXPECT_EQ(*f.find("SOLO", "Shots01"), " 12");
  EXPECT_EQ(*f.find("SOLO", "Shots02"), "-1");
  EXPECT_EQ(*f.find("SOLO", "Time01"), " 3600");
  EXPECT_EQ(*f.find("SOLO", "Name01"), "Bob" + std::string(17, ' '));
  EXPECT_EQ(*f.find("SOLO", "Name03"), "Al" + std::string(18, ' '));
  loadSoloRecord(g);
  EXPECT_EQ(g.soloRec[1].Name, "Bob" + std::string(17, ' '));
}

TEST_F(RecordTables, WrittenFileListsTheKeysInOrder) {
  saveBoth();
  std::vector<std::string> expected{"[SOLO]"};
  for (int i = 1; i <= 10; ++i) {
    char n[3];
    std::snprintf(n, sizeof n, "%02d", i);
    for (const char* k : {"Shots", "Time", "Turn", "Name", "Balls", "Date"}) {
      expected.push_back(k + std::string(n));
    }
  }
  expected.push_back("");
  expected.push_back("[VSCPU]");
  for (int i = 1; i <= 10; ++i) {
    char n[3];
    std::snprintf(n, sizeof n, "%02d", i);
    for (const char* k : {"Name", "Date", "Time", "YouWon", "CPUWon", "LevelOfQuib"}) {
      expected.push_back(k + std::string(n));
    }
  }
  std::vector<std::string> keys;
  std::istringstream in(readBytes(path()));
  for (std::string line; std::getline(in, line);) keys.push_back(line.substr(0, line.find('=')));
  EXPECT_EQ(keys, expected);
}

TEST_F(RecordTables, SavingKeepsOtherSectionsAndUnknownLines) {
  writeBytes(path(), "; scores\n[QUIB]\nLV= 4\nPG= 2\n[SOLO]\nShots01= 9\nExtra=keep me\n");
  saveSoloRecord(g);
  std::string text = readBytes(path());
  EXPECT_EQ(text.rfind("; scores\n[QUIB]\nLV= 4\nPG= 2\n[SOLO]\nShots01=", 0), 0u) << text;
  EXPECT_NE(text.find("\nExtra=keep me\n"), std::string::npos);
  EXPECT_EQ(ProfileFile::load(path()).getInt("QUIB", "LV", 0), 4);
}

TEST_F(RecordTables, StoredValuesAreReadAsTheGameReadsThem) {
  writeBytes(path(),
             "[solo]\n"
             "time01= 3600\n"
             "Time02=  1234\n"
             "Shots01= 70000\n"         // beyond the 16-bit range: clamped
             "Turn01=-99999\n"
             "Balls01=100\n"            // short: padded, and each blank counts as a ball
             "Name01=  Zed  \n"         // trimmed, then padded
             "Name02=abcdefghijklmnopqrstuvwxyz\n"  // cut to the field
             "Date01=2026/12/10\n"
             "[VSCPU]\n"
             "LevelOfQuib01= 40000\n"
             "YouWon01=x\n");
  loadBoth();
  EXPECT_EQ(g.soloRec[1].Time, 3600);
  EXPECT_EQ(g.soloRec[2].Time, 1234);
  EXPECT_EQ(g.soloRec[1].Shots, 32767);
  EXPECT_EQ(g.soloRec[1].Turn, -32768);
  EXPECT_EQ(g.soloRec[1].Balls, "100      ");
  EXPECT_EQ(g.soloRec[1].NumBalls, 7);
  EXPECT_EQ(g.soloRec[1].Name, padded("Zed", 20));
  EXPECT_EQ(g.soloRec[2].Name, "abcdefghijklmnopqrst");
  EXPECT_EQ(g.soloRec[1].Date, "2026/12/");
  EXPECT_EQ(g.vsRec[1].Level, 32767);
  EXPECT_EQ(g.vsRec[1].YouWon, 0) << "a value without digits reads as 0, not the default";
  EXPECT_EQ(g.vsRec[2].Level, 0);
}

// Files that are damaged or not files at all: loading gives the defaults or what can be read,
// and a later save either repairs the file or leaves what is not ours alone.
struct BadFile {
  const char* name;
  std::function<void(const std::string& path)> make;
  std::function<void(const GameState& g)> expect;
  bool saveWorks;
};

std::string repeated(char c, std::size_t n) { return std::string(n, c); }

const BadFile kBadFiles[] = {
    {"Empty", [](const std::string& p) { writeBytes(p, ""); }, expectDefaultRows, true},
    {"MissingEquals", [](const std::string& p) { writeBytes(p, "[SOLO]\nShots01 5\nTurn01\n"); },
     expectDefaultRows, true},
    {"DuplicateSection",
     [](const std::string& p) { writeBytes(p, "[SOLO]\nShots01= 5\n[solo]\nShots01= 6\nTurn01= 3\n"); },
     [](const GameState& g) {
       EXPECT_EQ(g.soloRec[1].Shots, 5);
       EXPECT_EQ(g.soloRec[1].Turn, 10);
     },
     true},
    {"DuplicateKey", [](const std::string& p) { writeBytes(p, "[SOLO]\nShots01= 5\nSHOTS01= 6\n"); },
     [](const GameState& g) { EXPECT_EQ(g.soloRec[1].Shots, 5); }, true},
    {"KeyBeforeAnySection", [](const std::string& p) { writeBytes(p, "Shots01= 5\n[SOLO]\n"); },
     expectDefaultRows, true},
    {"HundredThousandCharacterValue",
     [](const std::string& p) {
       writeBytes(p, "[SOLO]\nName01=" + repeated('x', 100000) + "\nShots01= 4\n");
     },
     [](const GameState& g) {
       EXPECT_EQ(g.soloRec[1].Name, repeated('x', 20));
       EXPECT_EQ(g.soloRec[1].Shots, 4);
     },
     true},
    {"MegabyteLine",
     [](const std::string& p) {
       writeBytes(p, "[SOLO]\n" + repeated('#', 1 << 20) + "\nShots01= 4\n");
     },
     [](const GameState& g) { EXPECT_EQ(g.soloRec[1].Shots, 4); }, true},
    {"NulBytes",
     [](const std::string& p) {
       const std::string nul(1, '\0');
       writeBytes(p, "[SOLO]\nName01=Al" + nul + "ice\nShots" + nul + "02= 8\nShots01= 4\n");
     },
     [](const GameState& g) {
       EXPECT_EQ(g.soloRec[1].Name, padded("Al", 20));
       EXPECT_EQ(g.soloRec[1].Shots, 4);
       EXPECT_EQ(g.soloRec[2].Shots, 0);
     },
     true},
    {"InvalidUtf8",
     [](const std::string& p) { writeBytes(p, "[SOLO]\nName01=\xff\xc3(Bob\nShots01= 4\n"); },
     [](const GameState& g) {
       EXPECT_EQ(g.soloRec[1].Name, padded("\xEF\xBF\xBD\xEF\xBF\xBD(Bob", 20));
       EXPECT_EQ(validUtf8(g.soloRec[1].Name), g.soloRec[1].Name);
       EXPECT_EQ(g.soloRec[1].Shots, 4);
     },
     true},
    {"CrOnlyLineEnds",
     [](const std::string& p) { writeBytes(p, "[SOLO]\rShots01= 4\rName01=Cr\r[VSCPU]\rYouWon01= 2\r"); },
     [](const GameState& g) {
       EXPECT_EQ(g.soloRec[1].Shots, 4);
       EXPECT_EQ(g.soloRec[1].Name, padded("Cr", 20));
       EXPECT_EQ(g.vsRec[1].YouWon, 2);
     },
     true},
    {"BinaryJunk",
     [](const std::string& p) {
       std::mt19937 rng(7);
       std::string junk;
       for (int i = 0; i < 5000; ++i) junk += static_cast<char>(rng());
       writeBytes(p, junk + "\n[SOLO]\nShots01= 4\n");
     },
     [](const GameState& g) {
       EXPECT_EQ(g.soloRec[1].Shots, 4);
       EXPECT_EQ(g.soloRec[2].Name, "quib                ");
     },
     true},
    {"DirectoryInPlaceOfTheFile",
     [](const std::string& p) { std::filesystem::create_directory(p); }, expectDefaultRows, false},
    {"FifoInPlaceOfTheFile", [](const std::string& p) { ::mkfifo(p.c_str(), 0600); },
     expectDefaultRows, false},
};

void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }

class BadScoreFile : public RecordTables, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadScoreFile, LoadsDefaultsOrTheReadablePartAndNeverCrashes) {
  GetParam().make(path());
  loadBoth();
  GetParam().expect(g);
  fillTables(g, 2);
  saveBoth();
  GameState h;
  h.iniDir = g.iniDir;
  loadSoloRecord(h);
  loadVsCpuRecord(h);
  if (GetParam().saveWorks) {
    EXPECT_EQ(h.soloRec[5].Shots, g.soloRec[5].Shots) << "a save repairs a readable file";
  } else {
    expectDefaultRows(h);
    EXPECT_FALSE(std::filesystem::is_regular_file(path())) << "what is not a file is left alone";
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, BadScoreFile, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecordTables, UnreadableFileLoadsDefaults) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads a file whatever its mode";
  fillTables(g, 1);
  saveBoth();
  ::chmod(path().c_str(), 0);
  loadBoth();
  expectDefaultRows(g);
}

TEST_F(RecordTables, SaveIntoFolderThatCannotBeWrittenChangesNothing) {
  fillTables(g, 1);
  std::string before = describe(g);
  writeBytes(t.file("blocker"), "a file where the folder should be");
  g.iniDir = t.file("blocker/velkor");
  saveBoth();
  EXPECT_EQ(describe(g), before) << "the tables in memory stay as they are";
  if (::geteuid() != 0) {
    std::filesystem::create_directory(t.file("ro"));
    ::chmod(t.file("ro").c_str(), 0555);
    g.iniDir = t.file("ro");
    saveBoth();
    EXPECT_FALSE(std::filesystem::exists(t.file("ro/VKSCORE.INI")));
  }
}

TEST_F(RecordTables, ReadOnlyScoreFileIsNeitherWrittenNorReplaced) {
  fillTables(g, 1);
  saveBoth();
  const std::string bytes = readBytes(path());
  ::chmod(path().c_str(), 0444);
  fillTables(g, 2);
  const std::string inMemory = describe(g);
  saveBoth();
  EXPECT_EQ(describe(g), inMemory) << "the game goes on with its tables";
  ::chmod(path().c_str(), 0600);
  EXPECT_EQ(readBytes(path()), bytes);
}

// A child saves two different tables in turn, for ever, and is killed at random moments: each
// table on disk must then be wholly the old one or wholly the new one.
TEST_F(RecordTables, SaveKilledAtAnyMomentLeavesTheOldOrTheNewTables) {
  GameState a;
  GameState b;
  a.iniDir = b.iniDir = g.iniDir;
  fillTables(a, 1);
  fillTables(b, 2);
  saveSoloRecord(a);
  saveVsCpuRecord(a);
  loadSoloRecord(a);  // the forms a load gives back, NumBalls and Index included
  loadVsCpuRecord(a);
  saveSoloRecord(b);
  saveVsCpuRecord(b);
  loadSoloRecord(b);
  loadVsCpuRecord(b);
  std::string soloA = describe(a).substr(0, describe(a).find("vs "));
  std::string soloB = describe(b).substr(0, describe(b).find("vs "));
  std::string vsA = describe(a).substr(describe(a).find("vs "));
  std::string vsB = describe(b).substr(describe(b).find("vs "));

  std::mt19937 rng(12345);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(6);
  int kills = 0;
  int tornCandidates = 0;  // kills that left a temporary file: the save was cut short
  for (; kills < 300 && std::chrono::steady_clock::now() < deadline; ++kills) {
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int n = 0;; ++n) {
        GameState& src = n % 2 ? a : b;
        saveSoloRecord(src);
        saveVsCpuRecord(src);
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200 + rng() % 3000));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    std::string tmp = t.file(".VKSCORE.INI." + std::to_string(child) + ".tmp");
    if (std::filesystem::exists(tmp)) {
      ++tornCandidates;
      std::filesystem::remove(tmp);
    }
    GameState c;
    c.iniDir = g.iniDir;
    loadSoloRecord(c);
    loadVsCpuRecord(c);
    std::string d = describe(c);
    std::string solo = d.substr(0, d.find("vs "));
    std::string vs = d.substr(d.find("vs "));
    ASSERT_TRUE(solo == soloA || solo == soloB) << "after kill " << kills << ":\n" << solo;
    ASSERT_TRUE(vs == vsA || vs == vsB) << "after kill " << kills << ":\n" << vs;
  }
  EXPECT_GE(kills, 50) << "too few kills to mean anything";
  RecordProperty("kills", kills);
  RecordProperty("killedMidSave", tornCandidates);
  std::printf("%d kills, %d in the middle of writing a file\n", kills, tornCandidates);
}

}  // namespace
}  // namespace velkor
