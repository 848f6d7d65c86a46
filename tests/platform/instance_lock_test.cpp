#include "platform/instance_lock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <string>

#include "support/temp_folder.h"

namespace velkor {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

// Another copy of the game: a child process that takes the lock at path and then waits until
// it is killed. The destructor kills it, so a failing test leaves no process behind.
class OtherCopy {
 public:
  explicit OtherCopy(const std::string& path) {
    int ready[2];
    if (::pipe(ready) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ready[0]);
      InstanceLock lock(path);
      const char refused = lock.anotherCopyRunning() ? 'r' : (lock.held() ? 'h' : 'n');
      (void)!::write(ready[1], &refused, 1);
      for (;;) ::pause();
    }
    ::close(ready[1]);
    if (pid_ > 0 && ::read(ready[0], &state_, 1) != 1) state_ = '?';
    ::close(ready[0]);
  }
  ~OtherCopy() { kill(); }
  OtherCopy(const OtherCopy&) = delete;
  OtherCopy& operator=(const OtherCopy&) = delete;

  // 'h' when it holds the lock.
  char state() const { return state_; }
  // As a crash or `kill -9` ends it: nothing of its own runs on the way out.
  void kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  char state_ = '?';
};

TEST(InstanceLock, LiesInTheFolderOfTheIniFiles) {
  EXPECT_EQ(instanceLockPath("/home/a/.config/velkor"), "/home/a/.config/velkor/velkor.lock");
  EXPECT_EQ(instanceLockPath("/home/a/.config/velkor/"), "/home/a/.config/velkor/velkor.lock");
}

TEST(InstanceLock, ACopyRunningInAnotherProcessRefusesTheStartUntilItEnds) {
  TempFolder dir;
  const std::string path = dir.file("velkor/velkor.lock");  // the folder is made, too
  OtherCopy first(path);
  ASSERT_EQ(first.state(), 'h');
  InstanceLock second(path);
  EXPECT_TRUE(second.anotherCopyRunning());
  EXPECT_FALSE(second.held());
  first.kill();
  EXPECT_FALSE(second.anotherCopyRunning());
  EXPECT_TRUE(second.held());
  EXPECT_TRUE(std::filesystem::exists(path)) << "the lock file is never removed";
}

TEST(InstanceLock, ASecondGuardOfTheSameProcessIsRefusedToo) {
  TempFolder dir;
  const std::string path = dir.file("velkor.lock");
  auto first = std::make_unique<InstanceLock>(path);
  EXPECT_FALSE(first->anotherCopyRunning());
  EXPECT_FALSE(first->anotherCopyRunning()) << "asking again keeps the lock";
  InstanceLock second(path);
  EXPECT_TRUE(second.anotherCopyRunning());
  first.reset();
  EXPECT_FALSE(second.anotherCopyRunning());
}

// open(2) as the kernel answers a user who may only read the file, also when the suite runs
// as root, whom a mode of 0444 does not stop.
int openAsReader(const char* path, int flags, mode_t mode) {
  if ((flags & O_ACCMODE) != O_RDONLY) {
    errno = EACCES;
    return -1;
  }
  return ::open(path, flags, mode);
}

// What a power loss, a crash, another machine sharing the config folder or an older build
// leaves on disk. None of it is a running copy, so every start goes ahead, and the file is
// left as it was.
struct LeftFile {
  const char* what;
  std::string bytes;
  mode_t mode;
  InstanceLock::OpenFile open = InstanceLock::openForLock;
};

void PrintTo(const LeftFile& c, std::ostream* os) { *os << c.what; }

class LeftLockFile : public ::testing::TestWithParam<LeftFile> {};

TEST_P(LeftLockFile, DoesNotRefuseTheStart) {
  TempFolder dir;
  const std::string path = dir.file("velkor.lock");
  writeBytes(path, GetParam().bytes);
  ASSERT_EQ(::chmod(path.c_str(), GetParam().mode), 0);
  {
    InstanceLock lock(path, GetParam().open);
    EXPECT_FALSE(lock.anotherCopyRunning());
    EXPECT_TRUE(lock.held()) << "the guard stands for this run";
    OtherCopy next(path);
    EXPECT_EQ(next.state(), 'r') << "and refuses a copy started while it runs";
  }
  EXPECT_EQ(readBytes(path), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LeftLockFile,
    ::testing::Values(LeftFile{"empty", "", 0600},
                      LeftFile{"garbage", std::string("\xff\xfe\0zz\n\n-1\n", 10), 0600},
                      LeftFile{"another host's copy", "4242\nvelkor\nsome-other-machine\n", 0600},
                      LeftFile{"a process that no longer runs", "999999999\nvelkor\nlocalhost\n",
                               0600},
                      LeftFile{"read-only", "", 0444, openAsReader}),
    [](const auto& info) {
      std::string name;
      for (const char* c = info.param.what; *c; ++c) name += std::isalnum(*c) ? *c : '_';
      return name;
    });

TEST(InstanceLock, ACopyKilledWhileHoldingTheLockLeavesNothingThatRefuses) {
  TempFolder dir;
  const std::string path = dir.file("velkor.lock");
  OtherCopy killed(path);
  ASSERT_EQ(killed.state(), 'h');
  killed.kill();
  ASSERT_TRUE(std::filesystem::exists(path));
  InstanceLock next(path);
  EXPECT_FALSE(next.anotherCopyRunning());
  EXPECT_TRUE(next.held());
}

// A program that the game starts (a browser for the help page) may outlive it; it must not
// carry the lock with it.
TEST(InstanceLock, AProgramStartedByTheGameDoesNotKeepTheLock) {
  TempFolder dir;
  const std::string path = dir.file("velkor.lock");
  auto game = std::make_unique<InstanceLock>(path);
  ASSERT_FALSE(game->anotherCopyRunning());
  int execed[2];
  ASSERT_EQ(::pipe2(execed, O_CLOEXEC), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::execl("/bin/sleep", "sleep", "30", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(execed[1]);
  char c = 0;
  (void)!::read(execed[0], &c, 1);  // end of file once the child has run exec
  ::close(execed[0]);
  game.reset();
  InstanceLock next(path);
  EXPECT_FALSE(next.anotherCopyRunning());
  EXPECT_TRUE(next.held());
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
}

// A lock file that cannot be made is no sign of another copy: the game starts without the guard.
TEST(InstanceLock, ALockThatCannotBeMadeDoesNotRefuseTheStart) {
  TempFolder dir;
  writeBytes(dir.file("F"), "");
  for (const std::string& path : {dir.file("F/cfg/velkor/velkor.lock"),  // through a regular file
                                  std::string("/proc/velkor-no-such-folder/velkor.lock")}) {
    InstanceLock lock(path);
    EXPECT_FALSE(lock.anotherCopyRunning()) << path;
    EXPECT_FALSE(lock.held()) << path;
    InstanceLock again(path);
    EXPECT_FALSE(again.anotherCopyRunning()) << path;
  }
}

}  // namespace
}  // namespace velkor
