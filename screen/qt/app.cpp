#include "screen/qt/app.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <memory>

#include "engine/timer_handlers.h"
#include "screen/logic/layout.h"
#include "screen/qt/fonts.h"
#include "screen/qt/main_window.h"
#include "screen/qt/menu_hooks.h"
#include "screen/qt/result_dialogs.h"
#include "screen/qt/sdl_audio.h"
#include "screen/qt/shot_ui.h"
#include "sound/effect_sounds.h"

namespace velkor {

std::string commandLineText(const QStringList& arguments) {
  return arguments.mid(1).join(' ').toStdString();
}

QString instanceLockPath(const GameState& g) {
  const QString settings = QString::fromStdString(settingsFilePath(g));
  return QFileInfo(settings).dir().filePath("velkor.lock");
}

InstanceGuard::InstanceGuard(const QString& path) : lock_(path) { lock_.setStaleLockTime(0); }

bool InstanceGuard::anotherCopyRunning() {
  if (lock_.isLocked()) return false;
  QDir().mkpath(QFileInfo(lock_.fileName()).path());
  return !lock_.tryLock(0);
}

StartupEnv startupEnv(const QStringList& arguments) {
  StartupEnv env;
  env.commandLine = commandLineText(arguments);
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    env.screenWidthTwips = static_cast<long>(s->geometry().width()) * kTwipsPerPixel;
    env.screenHeightTwips = static_cast<long>(s->geometry().height()) * kTwipsPerPixel;
  }
  return env;
}

int runVelkor(QApplication& app) {
  app.setApplicationName("VELKOR");
  installFontSubstitutions();
  GameState g;
  SdlAudio audio(QCoreApplication::applicationDirPath().toStdString());
  EffectSounds effects(g);
  g.audio = &audio;
  g.sound = &effects;
  MFVELKOR window(g);
  installShotUi(window);
  installMenusAndTitle(window);
  installResultWindows(window);
  bindTimerHandlers(g);

  InstanceGuard guard(instanceLockPath(g));
  StartupEnv env = startupEnv(app.arguments());
  env.anotherCopyRunning = [&guard] { return guard.anotherCopyRunning(); };
  if (!Form_Load(g, env)) return 0;
  window.finishStartup();
  return app.exec();
}

}  // namespace velkor
