#include "screen/logic/dialogs.h"

#include "platform/text.h"
#include "screen/logic/layout.h"
#include "screen/logic/startup.h"

namespace velkor {

namespace {
void closeOpening(GameState& g, OpeningWindow& w) {
  w.open = false;
  g.form.setVisible(Ctl::MFVELKOR, true);
  w.timerEnabled = false;
}
}  // namespace

void frmOpening_Form_Load(const GameState& g, OpeningWindow& w, const ScreenMetrics& screen) {
  if (g.startHiColor != -1) w.pictureFile = "vkopn256.bmp";
  w.height = OpeningWindow::kPictureHeight * screen.twipsPerPixelY;
  w.width = OpeningWindow::kPictureWidth * screen.twipsPerPixelX;
  w.left = static_cast<Single>(halfOfDifference(static_cast<double>(screen.width) - w.width));
  w.top = static_cast<Single>(halfOfDifference(static_cast<double>(screen.height) - w.height));
}

void frmOpening_Timer1_Timer(GameState& g, OpeningWindow& w) {
  // Tested before counting: the sixth tick closes the window.
  if (w.splashTicks >= 5) closeOpening(g, w);
  if (w.splashTicks < 32767) ++w.splashTicks;
}

void frmOpening_Form_Click(GameState& g, OpeningWindow& w) { closeOpening(g, w); }

void frmVersion_Form_Load(const GameState& g, VersionWindow& w, const ScreenMetrics& screen) {
  w.top = static_cast<Single>(
      halfOfDifference((static_cast<double>(screen.height) - w.height) * 0.4));
  w.left = static_cast<Single>(halfOfDifference(static_cast<double>(screen.width) - w.width));
  std::string level = g.quibLevel > 10
                          ? " Quib is a Master!"
                          : " Quib's Level is" + signedNumberText(g.quibLevel) + ".";
  w.label1Caption += std::string(kVersion) + "\r\n" + level;
}

void frmVersion_picPelzo_Click(VersionWindow& w) { w.timerEnabled = true; }

Integer frmVersion_Timer1_Timer(VersionWindow& w) {
  const Integer c = w.animTicks;
  Integer f = 0;
  if (c >= 0 && c <= 4) {
    f = c;
  } else if (c >= 5 && c <= 9) {
    f = static_cast<Integer>(9 - c);
  } else if (c >= 10 && c <= 14) {
    f = static_cast<Integer>(c - 10);
  } else if (c >= 15 && c <= 19) {
    f = static_cast<Integer>(19 - c);
  } else {
    w.timerEnabled = false;
    w.animTicks = 0;
    f = 0;
  }
  w.frame = f;
  ++w.animTicks;
  return f;
}

}  // namespace velkor
