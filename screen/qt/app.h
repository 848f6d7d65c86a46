// Start of the program: fonts, the single-instance guard, the main window and its load
// handler, then the event loop.
#pragma once

#include <QApplication>
#include <QLockFile>
#include <QString>

#include "screen/logic/startup.h"

namespace velkor {

// The command line as one text, the arguments after the program's name joined by blanks.
std::string commandLineText(const QStringList& arguments);
// The file that guards against a second copy: in the folder of the INI files.
QString instanceLockPath(const GameState& g);
// The single-instance guard: a lock file held for the whole run. A lock left behind by a
// copy that was killed or crashed is taken over, since its process no longer runs.
class InstanceGuard {
 public:
  explicit InstanceGuard(const QString& path);
  // Takes the lock; true when another running copy holds it. False, without the lock, when
  // the lock file cannot be made at all.
  bool anotherCopyRunning();

 private:
  QLockFile lock_;
};

// The screen's size and the frame metrics as the load handler reads them.
StartupEnv startupEnv(const QStringList& arguments);

int runVelkor(QApplication& app);

}  // namespace velkor
