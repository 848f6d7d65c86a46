#include "screen/qt/window_events.h"

#include <QEvent>

#include "screen/logic/aiming.h"
#include "screen/logic/menu_handlers.h"
#include "screen/logic/pic_color_click.h"
#include "screen/logic/shot_controls.h"
#include "screen/qt/dialogs.h"
#include "screen/qt/main_window.h"
#include "screen/qt/result_dialogs.h"
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

using IndexHandler = void (*)(GameState&, Integer);

struct TitlePair {
  Ctl element0;
  IndexHandler click;
  IndexHandler move;  // nullptr: the pair does not react to the mouse passing over it
};

const TitlePair kTitlePairs[] = {
    {Ctl::picSoloPlay0, picSoloPlay_Click, picSoloPlay_MouseMove},
    {Ctl::picVSCPU0, picVSCPU_Click, picVSCPU_MouseMove},
    {Ctl::picVSPlay0, picVSPlay_Click, picVSPlay_MouseMove},
    {Ctl::picRecord0, picRecord_Click, picRecord_MouseMove},
    {Ctl::picExit0, picExit_Click, picExit_MouseMove},
    {Ctl::picBGM0, picBGM_Click, nullptr},
    {Ctl::picSound0, picSound_Click, nullptr},
    {Ctl::picColor0, picColor_Click, nullptr},
};

Ctl element(Ctl element0, int index) {
  return static_cast<Ctl>(static_cast<int>(element0) + index);
}

void wireMenuBar(MFVELKOR& w, GameState& g) {
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
}

void wireTitleScreen(MFVELKOR& w, GameState& g) {
  ControlEvents& menu = w.events(Ctl::picMenu);
  menu.mouseMove = [&g](const MouseArgs&) { picMenu_MouseMove(g); };
  menu.dblClick = [&g] { picMenu_DblClick(g); };
  w.events(Ctl::lblCopyright1).click = [&g] { lblCopyright_Click(g, 1); };
  w.events(Ctl::lblHelp).click = [&g] { lblHelp_Click(g); };
  w.events(Ctl::lblHelp).mouseMove = [&g](const MouseArgs&) { lblHelp_MouseMove(g); };
  for (const TitlePair& p : kTitlePairs) {
    for (int i = 0; i < 2; ++i) {
      ControlEvents& e = w.events(element(p.element0, i));
      const auto index = static_cast<Integer>(i);
      e.click = [&g, h = p.click, index] { h(g, index); };
      if (p.move) e.mouseMove = [&g, h = p.move, index](const MouseArgs&) { h(g, index); };
    }
  }
}

void wireGameLabels(MFVELKOR& w, GameState& g) {
  for (int i = 0; i < 3; ++i) {
    ControlEvents& e = w.events(element(Ctl::lblMenu0, i));
    const auto index = static_cast<Integer>(i);
    e.click = [&g, index] { lblMenu_Click(g, index); };
    e.mouseMove = [&g, index](const MouseArgs&) { lblMenu_MouseMove(g, index); };
  }
  w.events(Ctl::picInfomation).mouseMove = [&g](const MouseArgs&) { picInfomation_MouseMove(g); };
  if (QWidget* client = w.centralWidget()) {
    client->setMouseTracking(true);
    client->installEventFilter(new FormMouseMove(g, client));
  }
  w.events(Ctl::picScore).click = [&g] { picScore_Click(g); };
  w.events(Ctl::lblExitScore).click = [&g] { lblExitScore_Click(g); };
}

void wireShotControls(MFVELKOR& w, GameState& g) {
  ControlEvents& pool = w.events(Ctl::picPool);
  pool.mouseDown = [&g](const MouseArgs& a) {
    picPool_MouseDown(g, static_cast<Integer>(a.button), a.x, a.y);
  };
  pool.mouseMove = [&g](const MouseArgs& a) {
    picPool_MouseMove(g, static_cast<Integer>(a.button), a.x, a.y);
  };
  pool.mouseUp = [&g](const MouseArgs& a) {
    picPool_MouseUp(g, static_cast<Integer>(a.button), a.x, a.y);
  };
  pool.click = [&g] { picPool_Click(g); };
  w.events(Ctl::picSetPoint).mouseDown = [&g](const MouseArgs& a) {
    picSetPoint_MouseDown(g, static_cast<Integer>(a.button), a.x, a.y);
  };
  w.events(Ctl::HScroll1).change = [&g] { HScroll1_Change(g); };
  w.events(Ctl::cmdShot).click = [&g] { cmdShot_Click(g); };
}

void wireWindows(MFVELKOR& w, GameState& g) {
  w.openingWindow = [&g] { showOpeningWindow(g); };
  w.setModalWindow(Window::frmVersion, [&g, &w] { runVersionWindow(g, &w); });
  installResultWindows(w);
}

}  // namespace

void wireMainWindow(MFVELKOR& w) {
  GameState& g = w.game();
  wireMenuBar(w, g);
  wireTitleScreen(w, g);
  wireGameLabels(w, g);
  wireShotControls(w, g);
  wireWindows(w, g);
}

}  // namespace velkor
