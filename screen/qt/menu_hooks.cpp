#include "screen/qt/menu_hooks.h"

#include <QEvent>
#include <QMouseEvent>

#include "screen/logic/menu_handlers.h"
#include "screen/qt/records_screen.h"
#include "screen/qt/title_screen.h"
#include "sound/sound_switches.h"

namespace velkor {

namespace {

// Mouse moves over the bare window face (no control under the mouse).
class FormMouseMove : public QObject {
 public:
  FormMouseMove(GameState& g, QObject* parent) : QObject(parent), g_(g) {}
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::MouseMove) Form_MouseMove(g_);
    return QObject::eventFilter(watched, e);
  }

 private:
  GameState& g_;
};

const Ctl kTitleControls[] = {
    Ctl::lblCopyright1, Ctl::lblHelp,   Ctl::picSoloPlay0, Ctl::picSoloPlay1, Ctl::picVSCPU0,
    Ctl::picVSCPU1,     Ctl::picVSPlay0, Ctl::picVSPlay1,  Ctl::picRecord0,   Ctl::picRecord1,
    Ctl::picExit0,      Ctl::picExit1,  Ctl::picBGM0,      Ctl::picBGM1,      Ctl::picSound0,
    Ctl::picSound1,     Ctl::picColor0, Ctl::picColor1};

}  // namespace

TitleScreen* installMenusAndTitle(MFVELKOR& w) {
  GameState& g = w.game();
  auto menu = [&w, &g](Ctl c, void (*handler)(GameState&)) {
    w.events(c).click = [&w, &g, handler, c] {
      handler(g);
      w.controlChanged(c);  // a check mark shows what the handler left, not Qt's toggle
    };
  };
  menu(Ctl::mnuStart, mnuStart_click);
  menu(Ctl::mnuRetry, mnuRetry_Click);
  menu(Ctl::mnuExit, mnuExit_Click);
  menu(Ctl::mnuChangeMode, mnuChangeMode_Click);
  menu(Ctl::mnuCurrentCondition, mnuCurrentCondition_Click);
  menu(Ctl::mnuSound, mnuSound_Click);
  menu(Ctl::mnuHelpCont, mnuHelpCont_Click);
  menu(Ctl::mnuKey, mnuKey_Click);
  menu(Ctl::mnuAbout, mnuAbout_Click);

  for (int i = 0; i < 3; ++i) {
    const Ctl c = static_cast<Ctl>(static_cast<int>(Ctl::lblMenu0) + i);
    const auto index = static_cast<Integer>(i);
    w.events(c).click = [&g, index] { lblMenu_Click(g, index); };
    w.events(c).mouseMove = [&g, index](const MouseArgs&) { lblMenu_MouseMove(g, index); };
    if (QWidget* label = w.widget(c)) {
      label->setMouseTracking(true);
      label->setCursor(Qt::PointingHandCursor);
    }
  }
  w.events(Ctl::picInfomation).mouseMove = [&g](const MouseArgs&) { picInfomation_MouseMove(g); };
  if (QWidget* info = w.widget(Ctl::picInfomation)) info->setMouseTracking(true);
  if (QWidget* client = w.centralWidget()) {
    client->setMouseTracking(true);
    client->installEventFilter(new FormMouseMove(g, client));
  }

  // The title screen takes the place of the plain picMenu picture and shows the same image,
  // so a 256-colour file loaded at start-up appears on it.
  QWidget* oldMenu = w.widget(Ctl::picMenu);
  auto* title = new TitleScreen(g, oldMenu ? oldMenu->parentWidget() : w.centralWidget());
  title->setPictureSource(&w.menuPicture());
  w.registerWidget(Ctl::picMenu, title);
  for (Ctl c : kTitleControls) w.registerWidget(c, title->control(c));

  installRecordsScreen(w);

  return title;
}

}  // namespace velkor
