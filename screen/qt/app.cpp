#include "screen/qt/app.h"

#include <memory>

#include "platform/instance_lock.h"
#include "screen/logic/layout.h"
#include "screen/logic/timer_handlers.h"
#include "screen/qt/dialogs.h"
#include "screen/qt/fonts.h"
#include "screen/qt/main_window.h"
#include "screen/qt/sdl_audio.h"
#include "sound/effect_sounds.h"

namespace velkor {

std::string commandLineText(const QStringList& arguments) {
  return arguments.mid(1).join(' ').toStdString();
}

StartupEnv startupEnv(const QStringList& arguments) {
  StartupEnv env;
  env.commandLine = commandLineText(arguments);
  // The screen's one twips-per-pixel value, the same that the message box centres itself by.
  const ScreenMetrics m = currentScreenMetrics();
  env.frame.twipsPerPixelX = static_cast<int>(m.twipsPerPixelX);
  env.frame.twipsPerPixelY = static_cast<int>(m.twipsPerPixelY);
  env.screenWidthTwips = static_cast<long>(m.width);
  env.screenHeightTwips = static_cast<long>(m.height);
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
  bindTimerHandlers(g);

  // Held until the program ends; the kernel releases it however the program ends.
  InstanceLock guard(instanceLockPath(g.iniDir));
  StartupEnv env = startupEnv(app.arguments());
  env.anotherCopyRunning = [&guard] { return guard.anotherCopyRunning(); };
  if (!Form_Load(g, env)) return 0;
  window.finishStartup();
  return app.exec();
}

}  // namespace velkor
