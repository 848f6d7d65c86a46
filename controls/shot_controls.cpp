#include "controls/shot_controls.h"

#include "controls/coordinates.h"
#include "platform/text.h"

namespace velkor {

void placeCueBallMarker(GameState& g, Single px, Single py) {
  g.form.move(Ctl::shpQBall, px - g.ballDiameterPx * 0.5f, py - g.ballDiameterPx * 0.5f);
  g.balls[0].x = toTableX(g, px);
  g.balls[0].y = toTableY(g, py);
}

void placeTargetMarker(GameState& g, Single px, Single py) {
  g.form.move(Ctl::shpTarget, px - g.ballDiameterPx * 0.5f, py - g.ballDiameterPx * 0.5f);
  g.aimPoint = {toTableX(g, px), toTableY(g, py)};
}

void refreshTargetMarker(GameState& g) {
  g.form.move(Ctl::shpTarget, toPicX(g, g.aimPoint.x) - g.ballDiameterPx * 0.5f,
              toPicY(g, g.aimPoint.y) - g.ballDiameterPx * 0.5f);
}

std::string shotOwnerCaption(const std::string& name) {
  return name == "You" ? "Your Shot" : name + "'s Shot";
}

void setShotControlsEnabled(GameState& g, bool enabled) {
  g.form.setEnabled(Ctl::picSetPoint, enabled);
  g.form.setEnabled(Ctl::HScroll1, enabled);
  g.form.setEnabled(Ctl::cmdShot, enabled);
}

void disableShotControls(GameState& g) {
  g.form.setEnabled(Ctl::cmdShot, false);
  g.form.setEnabled(Ctl::HScroll1, false);
  g.form.setEnabled(Ctl::picSetPoint, false);
}

void enableShotControls(GameState& g) {
  g.form.setEnabled(Ctl::cmdShot, true);
  g.form.setEnabled(Ctl::HScroll1, true);
  g.form.setEnabled(Ctl::picSetPoint, true);
  g.form.setEnabled(Ctl::picPool, true);
}

void updateRetryMenu(GameState& g) { g.form.setEnabled(Ctl::mnuRetry, g.gameMode == modeSolo); }

void centreSpinMarker(GameState& g) {
  const Single c = (g.form[Ctl::picSetPoint].width - g.form[Ctl::shpPoint].width) / 2;
  g.form.move(Ctl::shpPoint, c, c);
}

void setPowerBar(GameState& g, Integer value) {
  if (g.form.setValue(Ctl::HScroll1, value)) HScroll1_Change(g);
}

void HScroll1_Change(GameState& g) {
  g.form.setCaption(Ctl::lblPower,
                    "POWER " + signedNumberText(g.form[Ctl::HScroll1].value) + "%");
}

void setShotButton(GameState& g, const std::string& caption, Single size) {
  g.form.setCaption(Ctl::cmdShot, caption);
  g.form.setFontName(Ctl::cmdShot, "Arial");
  g.form.setFontBold(Ctl::cmdShot, true);
  g.form.setFontSize(Ctl::cmdShot, size);
}

void setSoloMode(GameState& g) {
  g.gameMode = modeSolo;
  g.form.setCaption(Ctl::mnuChangeMode, "独り撞き→対戦(&M)");
  g.form.setEnabled(Ctl::mnuStart, true);
  setShotButton(g, kShotButtonCaption, 24);
}

void switchComputerTurn(GameState& g, bool on) {
  g.comStep = 0;
  g.timCom.setEnabled(on);
}

}  // namespace velkor
