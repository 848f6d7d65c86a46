#include "platform/profile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "state/game_state.h"
#include "platform/folders.h"
#include "support/temp_folder.h"

namespace velkor {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

std::vector<std::string> namesIn(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) {
    names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

struct NumberCase {
  const char* value;
  long expected;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << '"' << c.value << '"'; }

class ProfileNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ProfileNumber, ReadsBlanksMinusAndDigitsUpToTheFirstOtherCharacter) {
  ProfileFile f = ProfileFile::parse(std::string("[S]\nK=") + GetParam().value + "\n");
  EXPECT_EQ(f.getInt("S", "K", 77), GetParam().expected) << '"' << GetParam().value << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileNumber,
    ::testing::Values(NumberCase{" 12", 12}, NumberCase{"-1", -1}, NumberCase{" 0", 0},
                      NumberCase{"   3600", 3600}, NumberCase{"\t42", 42},
                      NumberCase{"12abc", 12}, NumberCase{"1 2", 1}, NumberCase{"abc", 0},
                      NumberCase{"", 0}, NumberCase{"-", 0}, NumberCase{"- 5", 0},
                      NumberCase{"+5", 0}, NumberCase{"--5", 0},
                      NumberCase{"99999999999999999999999", LONG_MAX},
                      NumberCase{"-99999999999999999999999", LONG_MIN}));

TEST(Profile, IntegerReadsClampToSixteenBits) {
  ProfileFile f = ProfileFile::parse("[S]\nBig= 40000\nSmall=-40000\nHuge=999999999999999999999\n");
  EXPECT_EQ(f.getInteger("S", "Big", 0), 32767);
  EXPECT_EQ(f.getInteger("S", "Small", 0), -32768);
  EXPECT_EQ(f.getInteger("S", "Huge", 0), 32767);
  EXPECT_EQ(f.getInteger("S", "Missing", -5), -5);
}

TEST(Profile, MissingFileSectionOrKeyGivesTheDefault) {
  TempFolder t;
  std::string path = t.file("none.ini");
  EXPECT_EQ(getPrivateProfileInt("VELKOR", "HiColor", -1, path), -1);
  EXPECT_EQ(getPrivateProfileString("SOLO", "Name01", "quib", path), "quib");
  writeBytes(path, "[VELKOR]\nSOUND= 1\n");
  EXPECT_EQ(getPrivateProfileInt("VELKOR", "BGM", -1, path), -1);
  EXPECT_EQ(getPrivateProfileInt("OTHER", "SOUND", 5, path), 5);
  EXPECT_EQ(getPrivateProfileInt("VELKOR", "SOUND", 5, path), 1);
  EXPECT_FALSE(std::filesystem::exists(t.file("none.ini.tmp")));
}

TEST(Profile, NamesMatchWithoutCaseAndTheFirstDuplicateWins) {
  ProfileFile f = ProfileFile::parse(
      "[solo]\nname01=first\nNAME01=second\n[SOLO]\nName01=third\nShots01= 4\n"
      "  [ Quib ]  \n  LV = 3\n");
  EXPECT_EQ(f.getString("SOLO", "Name01", "d"), "first");
  EXPECT_EQ(f.getInt("Solo", "shots01", -9), -9) << "a later duplicate section is not read";
  EXPECT_EQ(f.getInt("QUIB", "lv", 0), 3) << "blanks around names are not part of them";
}

TEST(Profile, ValuesAreTakenAsWrittenAfterTheEqualsSign) {
  ProfileFile f = ProfileFile::parse(
      "[S]\nName=abc                 \nPad =  x \nEq=a=b\nNul=ab" + std::string(1, '\0') +
      "cd\nBad=a\xff" "b\n");
  EXPECT_EQ(f.getString("S", "Name", ""), "abc                 ");
  EXPECT_EQ(f.getString("S", "Pad", ""), "  x ");
  EXPECT_EQ(f.getString("S", "Eq", ""), "a=b");
  EXPECT_EQ(f.getString("S", "Nul", ""), "ab");
  EXPECT_EQ(f.getString("S", "Bad", ""), "a\xEF\xBF\xBD" "b") << "invalid UTF-8 reads as U+FFFD";
}

// The game reads into a buffer of 200 with 199 given as its size: the read leaves room for
// its terminating NUL, so 198 characters come back.
TEST(Profile, TextsAreLimitedTo198CharactersByTheBufferSizeOf199) {
  std::string ascii(300, 'a');
  std::string japanese;
  for (int i = 0; i < 250; ++i) japanese += "撞";
  ProfileFile f = ProfileFile::parse("[S]\nA=" + ascii + "\nJ=" + japanese + "\n");
  EXPECT_EQ(f.getString("S", "A", ""), std::string(198, 'a'));
  std::string j = f.getString("S", "J", "");
  EXPECT_EQ(j.size(), 198u * 3) << "198 characters, not 198 bytes";
  EXPECT_EQ(f.getString("S", "Missing", ascii), std::string(198, 'a'));
}

TEST(Profile, LineEndsLfCrlfAndCrAllRead) {
  for (const char* nl : {"\n", "\r\n", "\r"}) {
    std::string text = std::string("[S]") + nl + "A= 1" + nl + "B=two" + nl;
    ProfileFile f = ProfileFile::parse(text);
    EXPECT_EQ(f.getInt("S", "A", 0), 1);
    EXPECT_EQ(f.getString("S", "B", ""), "two");
    EXPECT_EQ(f.text(), text) << "an unchanged file is kept byte for byte";
  }
}

TEST(Profile, WriteReplacesInPlaceAndKeepsEveryOtherLine) {
  TempFolder t;
  std::string path = t.file("VELKOR.INI");
  writeBytes(path,
             "; my settings\r\n[Other]\r\nBGM=7\r\n\r\n[velkor]\r\nHiColor = 3 ; mine\r\n"
             "Unknown=keep\r\nSOUND= 1\r\n");
  ASSERT_TRUE(writePrivateProfileString("VELKOR", "HICOLOR", "-1", path));
  ASSERT_TRUE(writePrivateProfileString("VELKOR", "BGM", " 0", path));
  EXPECT_EQ(readBytes(path),
            "; my settings\r\n[Other]\r\nBGM=7\r\n\r\n[velkor]\r\nHiColor =-1\r\n"
            "Unknown=keep\r\nSOUND= 1\r\nBGM= 0\r\n");
}

TEST(Profile, NewKeysGoAtTheEndOfTheirSectionAndNewSectionsAtTheEndOfTheFile) {
  ProfileFile f = ProfileFile::parse("[A]\nx=1\n; note\n\n\n[B]\ny=2");
  ASSERT_TRUE(f.set("A", "z", "3"));
  ASSERT_TRUE(f.set("B", "w", "4"));
  ASSERT_TRUE(f.set("C", "v", "5"));
  EXPECT_EQ(f.text(), "[A]\nx=1\n; note\nz=3\n\n\n[B]\ny=2\nw=4\n\n[C]\nv=5\n");
}

TEST(Profile, FirstWriteCreatesTheFolderAndTheFile) {
  TempFolder t;
  std::string path = t.file("a/b/c/VKSCORE.INI");
  ASSERT_TRUE(writePrivateProfileString("QUIB", "LV", " 2", path));
  EXPECT_EQ(readBytes(path), "[QUIB]\nLV= 2\n");
  struct stat st {};
  ASSERT_EQ(::stat(t.file("a").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u) << "a new config folder is private";
  EXPECT_EQ(getPrivateProfileInt("quib", "lv", 0, path), 2);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.file("a/b/c")),
                          std::filesystem::directory_iterator()),
            1)
      << "no temporary file is left behind";
}

TEST(Profile, WriteKeepsTheModeOfTheOldFile) {
  TempFolder t;
  std::string path = t.file("VELKOR.INI");
  writeBytes(path, "[VELKOR]\n");
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(writePrivateProfileString("VELKOR", "SOUND", " 1", path));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// A file the user has made read-only is neither rewritten nor replaced by a rename. Root may
// write any file, so the mode itself must refuse: this holds when the tests run as root too.
TEST(Profile, ReadOnlyFileIsLeftByteForByte) {
  for (const mode_t mode : {0444, 0400, 0500, 0440}) {
    TempFolder t;
    const std::string path = t.file("VKSCORE.INI");
    const std::string bytes = "; mine\r\n[SOLO]\r\nShots01= 12\r\n";
    writeBytes(path, bytes);
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    EXPECT_FALSE(writePrivateProfileString("SOLO", "Shots01", " 3", path)) << std::oct << mode;
    ProfileFile f = ProfileFile::load(path);
    ASSERT_TRUE(f.set("QUIB", "LV", " 2"));
    EXPECT_FALSE(f.save(path)) << std::oct << mode;
    // Through a link, as dotfile managers keep the file.
    std::filesystem::create_symlink(path, t.file("link.ini"));
    EXPECT_FALSE(writePrivateProfileString("SOLO", "Shots01", " 3", t.file("link.ini")));

    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "not replaced";
    EXPECT_EQ(after.st_mode, before.st_mode);
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(readBytes(path), bytes);
    EXPECT_EQ(namesIn(t.dir()), (std::vector<std::string>{"VKSCORE.INI", "link.ini"}));
  }
}

TEST(Profile, ValuesCannotBreakTheLineStructure) {
  ProfileFile f;
  ASSERT_TRUE(f.set("S", "Name", "two\nlines\r[X]"));
  ASSERT_TRUE(f.set("S", "Cut", std::string("ab\0cd", 5)));
  EXPECT_EQ(f.text(), "[S]\nName=two lines [X]\nCut=ab\n");
  for (auto [section, key] : {std::pair<std::string, std::string>{"", "k"}, {"S", ""},
                              {"S]", "k"}, {"S", "a=b"}, {"S", "a\nb"}, {"S\r", "k"},
                              {"S", ";k"}, {"S", "[k"}, {"S", std::string("k\0", 2)}}) {
    EXPECT_FALSE(f.set(section, key, "v")) << section << "/" << key;
  }
  EXPECT_EQ(f.text(), "[S]\nName=two lines [X]\nCut=ab\n") << "a refused write changes nothing";
}

TEST(Profile, FileThatCannotBeReadGivesDefaultsAndIsNotOverwritten) {
  TempFolder t;
  // A folder in place of the file.
  std::string dirPath = t.file("VKSCORE.INI");
  std::filesystem::create_directory(dirPath);
  EXPECT_EQ(getPrivateProfileInt("SOLO", "Shots01", 0, dirPath), 0);
  EXPECT_FALSE(writePrivateProfileString("SOLO", "Shots01", " 1", dirPath));
  EXPECT_TRUE(std::filesystem::is_directory(dirPath));

  // A FIFO must neither hang the reader nor be replaced.
  std::string fifo = t.file("fifo.ini");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(getPrivateProfileString("S", "K", "dflt", fifo), "dflt");
  EXPECT_FALSE(writePrivateProfileString("S", "K", "v", fifo));
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));

  // A symbolic link that points at itself cannot be opened, even by root.
  std::string loop = t.file("loop.ini");
  std::filesystem::create_symlink(loop, loop);
  EXPECT_EQ(getPrivateProfileInt("S", "K", 9, loop), 9);
  EXPECT_FALSE(writePrivateProfileString("S", "K", "v", loop));
}

TEST(Profile, UnreadableByPermissionGivesDefaults) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads a file whatever its mode";
  TempFolder t;
  std::string path = t.file("VELKOR.INI");
  writeBytes(path, "[VELKOR]\nSOUND= 0\n");
  ::chmod(path.c_str(), 0);
  EXPECT_EQ(getPrivateProfileInt("VELKOR", "SOUND", 1, path), 1);
}

TEST(Profile, FailedWriteReturnsFalseAndLeavesTheOldFile) {
  TempFolder t;
  std::string path = t.file("VELKOR.INI");
  writeBytes(path, "[VELKOR]\nSOUND= 1\n");
  // The temporary file cannot be created when a folder holds its name.
  std::filesystem::create_directory(t.file(".VELKOR.INI." + std::to_string(::getpid()) + ".tmp"));
  EXPECT_FALSE(writePrivateProfileString("VELKOR", "SOUND", " 0", path));
  EXPECT_EQ(readBytes(path), "[VELKOR]\nSOUND= 1\n");

  // A folder that cannot be made: a file stands in its place, or a read-only file system.
  writeBytes(t.file("plain"), "x");
  EXPECT_FALSE(writePrivateProfileString("S", "K", "v", t.file("plain/sub/VELKOR.INI")));
  EXPECT_FALSE(writePrivateProfileString("S", "K", "v", "/proc/velkor-test/VELKOR.INI"));
  EXPECT_FALSE(writePrivateProfileString("S", "K", "v", ""));
}

TEST(Profile, ReadOnlyFolderRefusesTheWrite) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into a folder whatever its mode";
  TempFolder t;
  std::string sub = t.file("ro");
  std::filesystem::create_directory(sub);
  ::chmod(sub.c_str(), 0555);
  EXPECT_FALSE(writePrivateProfileString("S", "K", "v", sub + "/VELKOR.INI"));
}

// Copies killed at any moment of a save leave nothing behind once the next save has run.
TEST(Profile, SavesKilledMidWriteLeaveNoTemporaryFile) {
  TempFolder t;
  const std::string settings = t.file("VELKOR.INI");
  const std::string score = t.file("VKSCORE.INI");
  // What an older build left: the temporary file of a copy that no longer runs.
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  writeBytes(t.file(".VKSCORE.INI." + std::to_string(gone) + ".tmp"), "[SOLO]\n");

  const std::string name(20000, 'n');  // long enough that kills land inside the write
  for (int kill = 0; kill < 200; ++kill) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) {
        writePrivateProfileString("SOLO", "Name01", name + std::to_string(i), score);
        writePrivateProfileString("VELKOR", "SOUND", std::to_string(i), settings);
      }
    }
    ::usleep(static_cast<useconds_t>(200 + (kill * 37) % 3000));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
  }
  EXPECT_TRUE(writePrivateProfileString("SOLO", "Shots01", " 1", score));
  EXPECT_TRUE(writePrivateProfileString("VELKOR", "BGM", "-1", settings));
  EXPECT_EQ(namesIn(t.dir()), (std::vector<std::string>{"VELKOR.INI", "VKSCORE.INI"}));
  EXPECT_EQ(getPrivateProfileInt("SOLO", "Shots01", 0, score), 1);
}

// Dotfile managers put links where the files belong: a save writes the file the link points
// to, through any chain of links, and leaves the links as they are.
TEST(Profile, SaveThroughASymbolicLinkWritesItsTargetAndKeepsTheLink) {
  TempFolder t;
  std::filesystem::create_directory(t.file("dotfiles"));
  const std::string target = t.file("dotfiles/VELKOR.INI");
  writeBytes(target, "[VELKOR]\nSOUND= 1\n");
  std::filesystem::create_symlink("dotfiles/VELKOR.INI", t.file("VELKOR.INI"));
  std::filesystem::create_symlink(t.file("VELKOR.INI"), t.file("again.ini"));

  EXPECT_TRUE(writePrivateProfileString("VELKOR", "SOUND", " 0", t.file("VELKOR.INI")));
  EXPECT_TRUE(writePrivateProfileString("VELKOR", "BGM", "-1", t.file("again.ini")));
  EXPECT_TRUE(std::filesystem::is_symlink(t.file("VELKOR.INI")));
  EXPECT_TRUE(std::filesystem::is_symlink(t.file("again.ini")));
  EXPECT_EQ(readBytes(target), "[VELKOR]\nSOUND= 0\nBGM=-1\n");
  EXPECT_EQ(namesIn(t.file("dotfiles")), (std::vector<std::string>{"VELKOR.INI"}));

  // A link to a file not made yet: the save makes it.
  std::filesystem::create_symlink("dotfiles/VKSCORE.INI", t.file("VKSCORE.INI"));
  EXPECT_TRUE(writePrivateProfileString("QUIB", "LV", " 3", t.file("VKSCORE.INI")));
  EXPECT_TRUE(std::filesystem::is_symlink(t.file("VKSCORE.INI")));
  EXPECT_EQ(readBytes(t.file("dotfiles/VKSCORE.INI")), "[QUIB]\nLV= 3\n");

  // Links in a loop name no file: the save fails and changes nothing.
  std::filesystem::create_symlink("loop.b", t.file("loop.a"));
  std::filesystem::create_symlink("loop.a", t.file("loop.b"));
  EXPECT_FALSE(writePrivateProfileString("S", "K", "v", t.file("loop.a")));
  EXPECT_TRUE(std::filesystem::is_symlink(t.file("loop.a")));
}

TEST(Profile, TooLargeFileIsNeitherReadNorReplaced) {
  TempFolder t;
  std::string path = t.file("big.ini");
  writeBytes(path, "[S]\nK= 1\n" + std::string(ProfileFile::kMaxFileBytes, 'x'));
  EXPECT_EQ(getPrivateProfileInt("S", "K", 5, path), 5);
  EXPECT_FALSE(writePrivateProfileString("S", "K", " 2", path));
  EXPECT_EQ(std::filesystem::file_size(path), ProfileFile::kMaxFileBytes + 9);
}

TEST(Folders, WinDirFollowsXdgConfigHomeThenHome) {
  std::string savedXdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
  std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
  ::setenv("XDG_CONFIG_HOME", "/x/conf", 1);
  EXPECT_EQ(getWinDir(), "/x/conf/velkor/");
  ::setenv("XDG_CONFIG_HOME", "/x/conf/", 1);
  EXPECT_EQ(getWinDir(), "/x/conf/velkor/");
  ::setenv("HOME", "/home/q", 1);
  ::setenv("XDG_CONFIG_HOME", "relative", 1);
  EXPECT_EQ(getWinDir(), "/home/q/.config/velkor/") << "a relative XDG_CONFIG_HOME is ignored";
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(getWinDir(), "/home/q/.config/velkor/");
  ::setenv("HOME", "/", 1);
  EXPECT_EQ(getWinDir(), "/.config/velkor/") << "no second separator";
  EXPECT_FALSE(std::filesystem::exists("/x/conf")) << "nothing is created";

  GameState g;
  EXPECT_EQ(getWinDir(g.iniDir), "/.config/velkor/");
  g.iniDir = "/tmp/elsewhere";
  EXPECT_EQ(getWinDir(g.iniDir), "/tmp/elsewhere/");
  g.iniDir = "/tmp/elsewhere/";
  EXPECT_EQ(getWinDir(g.iniDir), "/tmp/elsewhere/");

  if (savedXdg.empty()) ::unsetenv("XDG_CONFIG_HOME"); else ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
  if (savedHome.empty()) ::unsetenv("HOME"); else ::setenv("HOME", savedHome.c_str(), 1);
}

TEST(Folders, CutAtNullCutsThenTrims) {
  EXPECT_EQ(cutAtNull(std::string("  Bob  \0junk", 12)), "Bob");
  EXPECT_EQ(cutAtNull("quib                "), "quib");
  EXPECT_EQ(cutAtNull(std::string("\0abc", 4)), "");
  EXPECT_EQ(cutAtNull("独り 撞き  "), "独り 撞き");
}

}  // namespace
}  // namespace velkor
