#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/folders.h"

namespace velkor {

std::string instanceLockPath(const std::string& iniDir) {
  return getWinDir(iniDir) + "velkor.lock";
}

InstanceLock::InstanceLock(std::string path, OpenFile openFile)
    : path_(std::move(path)), openFile_(openFile) {}

int InstanceLock::openForLock(const char* path, int flags, mode_t mode) {
  return ::open(path, flags, mode);
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool InstanceLock::anotherCopyRunning() {
  if (fd_ >= 0) return false;
  const std::size_t slash = path_.rfind('/');
  if (slash != std::string::npos && slash > 0) (void)makeFolders(path_.substr(0, slash));
  // O_CLOEXEC: a program the game starts (the help page's browser) must not inherit the
  // lock and keep refusing starts after the game has ended. A lock file that the user may
  // only read still takes a lock.
  constexpr int kFlags = O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
  int fd = openFile_(path_.c_str(), O_RDWR | kFlags, 0600);
  if (fd < 0) fd = openFile_(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0);
  if (fd < 0) return false;
  int r = 0;
  do {
    r = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (r != 0 && errno == EINTR);
  if (r == 0) {
    fd_ = fd;
    return false;
  }
  const bool running = errno == EWOULDBLOCK;
  ::close(fd);
  return running;
}

}  // namespace velkor
