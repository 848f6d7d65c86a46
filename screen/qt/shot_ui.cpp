#include "screen/qt/shot_ui.h"

#include "screen/logic/aiming.h"
#include "screen/logic/shot_controls.h"
#include "screen/qt/dialogs.h"
#include "screen/qt/main_window.h"

namespace velkor {

void installShotUi(MFVELKOR& window) {
  GameState& g = window.game();
  ControlEvents& pool = window.events(Ctl::picPool);
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
  window.events(Ctl::picSetPoint).mouseDown = [&g](const MouseArgs& a) {
    picSetPoint_MouseDown(g, static_cast<Integer>(a.button), a.x, a.y);
  };
  window.events(Ctl::HScroll1).change = [&g] { HScroll1_Change(g); };
  window.events(Ctl::cmdShot).click = [&g] { cmdShot_Click(g); };

  window.openingWindow = [&g] { showOpeningWindow(g); };
  window.modalWindow = [&g, &window, other = window.modalWindow](Window w) {
    if (w == Window::frmVersion) {
      runVersionWindow(g, &window);
    } else if (other) {
      other(w);
    }
  };
}

}  // namespace velkor
