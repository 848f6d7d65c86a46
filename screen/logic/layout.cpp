#include "screen/logic/layout.h"

#include <cmath>

#include "screen/logic/table_drawing.h"

namespace velkor {

Single pixelsToPoints(Integer px, int twipsPerPixelY) {
  const Integer t = static_cast<Integer>(roundHalfEven(static_cast<double>(px) * twipsPerPixelY));
  return static_cast<Single>(t) * 0.05f;
}

void setControlLayout(GameState& g, const FrameMetrics& m) {
  Form& f = g.form;
  auto box = [&f](Ctl c, Single l, Single t, Single w, Single h) {
    f.setLeft(c, l);
    f.setTop(c, t);
    f.setWidth(c, w);
    f.setHeight(c, h);
  };
  // Each row reads what the rows before it set.
  box(Ctl::picSetPoint, 2, 327, 45, 45);
  f.setWidth(Ctl::shpPointBall, 45);
  f.setHeight(Ctl::shpPointBall, 45);
  f.move(Ctl::shpPoint, (f[Ctl::picSetPoint].width - f[Ctl::shpPoint].width) / 2,
         (f[Ctl::picSetPoint].height - f[Ctl::shpPoint].height) / 2);
  box(Ctl::lblPower, 49, 327, 149, 45.0f / 2);
  f.setFontSize(Ctl::lblPower, std::trunc(pixelsToPoints(19, m.twipsPerPixelY)));
  const ControlProps& power = f[Ctl::lblPower];
  box(Ctl::HScroll1, power.left, power.height + 327 + 1, power.width, 45 - power.height - 1);
  box(Ctl::cmdShot, 200, 327, 145, 45);
  f.setFontSize(Ctl::cmdShot, pixelsToPoints(25, m.twipsPerPixelY));
  const ControlProps& shot = f[Ctl::cmdShot];
  f.setLeft(Ctl::picPocketedBalls, shot.width + shot.left + 1);
  f.setWidth(Ctl::picPocketedBalls, 183);
  f.setHeight(Ctl::picPocketedBalls, 25);
  f.setTop(Ctl::picPocketedBalls, 372 - f[Ctl::picPocketedBalls].height);
  const ControlProps& pocketed = f[Ctl::picPocketedBalls];
  box(Ctl::lblBIP, pocketed.left, 327, pocketed.width, 45 - pocketed.height);
  f.setFontSize(Ctl::lblBIP, pixelsToPoints(19, m.twipsPerPixelY));
  box(Ctl::picPool, 0, 25, 540, 299);
  f.move(Ctl::picMenu, 0, 0);

  // The outer size has no menu-bar term: the window adds its menu bar above the client area.
  f.setWidth(Ctl::MFVELKOR, static_cast<Single>((2 * m.border + kClientWidth) * m.twipsPerPixelX));
  f.setHeight(Ctl::MFVELKOR, static_cast<Single>((m.caption + kClientHeight + 6 + 2 * m.border) *
                                                 m.twipsPerPixelY));
}

void centreWindow(GameState& g, long screenWidthTwips, long screenHeightTwips) {
  const ControlProps& w = g.form[Ctl::MFVELKOR];
  g.form.setTop(Ctl::MFVELKOR, static_cast<Single>(halfOfDifference(
                                   static_cast<double>(screenHeightTwips) - w.height)));
  g.form.setLeft(Ctl::MFVELKOR, static_cast<Single>(halfOfDifference(
                                    static_cast<double>(screenWidthTwips) - w.width)));
}

WidgetGeometry widgetGeometry(const ControlProps& p) {
  return {roundHalfEven(p.left), roundHalfEven(p.top), roundHalfEven(p.width),
          roundHalfEven(p.height)};
}

}  // namespace velkor
