// The single-instance guard: an advisory lock (flock) on velkor.lock in the folder of the INI
// files, held for the whole run. The kernel drops the lock when the process ends, however it
// ends, so only a copy that still runs can refuse a start; whatever a file left on disk holds
// (nothing, garbage, another machine's or a killed copy's details) does not matter. The file
// itself is never removed: removing it could let two copies lock two different files.
#pragma once

#include <sys/types.h>

#include <string>

namespace velkor {

// velkor.lock in the folder that getWinDir(iniDir) names.
std::string instanceLockPath(const std::string& iniDir);

class InstanceLock {
 public:
  // How the file is opened: open(2) with its flags and the mode of a new file. A test passes
  // one that refuses writing as the kernel refuses a user who may only read the file; root's
  // open never refuses it.
  using OpenFile = int (*)(const char* path, int flags, mode_t mode);

  explicit InstanceLock(std::string path, OpenFile openFile = openForLock);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // Takes the lock, creating the file and its folder when missing. True when another
  // running copy holds it. False, without the lock, when the lock cannot be made at all
  // (a folder that cannot be created, a file system without locks): the game then runs
  // without the guard rather than refusing for a reason that is no other copy.
  bool anotherCopyRunning();
  bool held() const { return fd_ >= 0; }

  static int openForLock(const char* path, int flags, mode_t mode);

 private:
  std::string path_;
  OpenFile openFile_;
  int fd_ = -1;
};

}  // namespace velkor
