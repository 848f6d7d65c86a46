#include "platform/form.h"

#include <algorithm>

namespace velkor {

namespace {
constexpr const char* kNames[] = {
    "MFVELKOR", "picPool", "picPocketedBalls", "picInfomation", "picSetPoint", "shpPointBall",
    "shpPoint", "lblPower", "HScroll1", "cmdShot", "lblBIP", "lblQuibsMessage", "lblMenu0",
    "lblMenu1", "lblMenu2", "picMenu", "picScore", "lblExitScore", "shpTarget", "shpQBall",
    "lblHelp", "lblCopyright1", "picSoloPlay0", "picSoloPlay1", "picVSCPU0", "picVSCPU1",
    "picVSPlay0", "picVSPlay1", "picRecord0", "picRecord1", "picExit0", "picExit1", "picBGM0",
    "picBGM1", "picSound0", "picSound1", "picColor0", "picColor1", "mnuGame", "mnuStart",
    "mnuRetry", "mnuSep3", "mnuRecord", "mnuVS", "mnuSep1", "mnuExit", "mnuChangeMode",
    "mnuCurrentCondition", "mnuOption", "mnuSound", "mnuHelp", "mnuHelpCont", "mnuKey",
    "mnuSep2", "mnuAbout"};
static_assert(std::size(kNames) == kControlCount);
}  // namespace

const char* controlName(Ctl c) { return kNames[static_cast<std::size_t>(c)]; }

// The form design: what each control holds before start-up changes it.
Form::Form() {
  auto& p = props_;
  auto at = [&p](Ctl c) -> ControlProps& { return p[index(c)]; };
  auto box = [&](Ctl c, Single l, Single t, Single w, Single h) {
    ControlProps& cp = at(c);
    cp.left = l;
    cp.top = t;
    cp.width = w;
    cp.height = h;
  };
  at(Ctl::MFVELKOR).visible = false;
  at(Ctl::MFVELKOR).caption = "VELKOR";
  box(Ctl::picPool, 0, 25, 540, 299);
  box(Ctl::picInfomation, 0, 0, 321, 25);
  box(Ctl::lblQuibsMessage, 88, 0, 357, 25);
  box(Ctl::lblMenu2, 360, 0, 57, 25);
  box(Ctl::lblMenu1, 416, 0, 49, 25);
  box(Ctl::lblMenu0, 472, 0, 57, 25);
  at(Ctl::lblMenu0).caption = "Menu";
  at(Ctl::lblMenu1).caption = "Start";
  at(Ctl::lblMenu2).caption = "Back";
  at(Ctl::lblMenu0).toolTip = "メニュー画面に戻る";
  at(Ctl::lblMenu1).toolTip = "始めからやり直し";
  at(Ctl::lblMenu2).toolTip = "一手戻る";
  for (Ctl c : {Ctl::lblMenu0, Ctl::lblMenu1, Ctl::lblMenu2}) at(c).foreColor = rgb(192, 0, 192);
  box(Ctl::picSetPoint, 2, 327, 45, 45);
  box(Ctl::shpPointBall, 0, 0, 45, 45);
  box(Ctl::shpPoint, 20, 20, 5, 5);
  box(Ctl::lblPower, 49, 327, 149, 22.5f);
  at(Ctl::lblPower).caption = "POWER 100%";
  box(Ctl::HScroll1, 49, 350.5f, 149, 21.5f);
  at(Ctl::HScroll1).min = 35;
  at(Ctl::HScroll1).max = 100;
  at(Ctl::HScroll1).value = 100;
  at(Ctl::HScroll1).smallChange = 1;
  at(Ctl::HScroll1).largeChange = 10;
  box(Ctl::cmdShot, 200, 327, 145, 45);
  at(Ctl::cmdShot).caption = "SHOT!";
  box(Ctl::picPocketedBalls, 346, 347, 183, 25);
  box(Ctl::lblBIP, 346, 327, 183, 20);
  box(Ctl::picMenu, 0, 0, 540, 365);
  box(Ctl::picScore, 0, 0, 540, 372);
  at(Ctl::picScore).visible = false;
  at(Ctl::lblExitScore).caption = "Menu";
  at(Ctl::lblExitScore).foreColor = rgb(255, 0, 255);
  box(Ctl::shpTarget, 0, 0, 20, 20);
  box(Ctl::shpQBall, 0, 0, 20, 20);
  at(Ctl::shpQBall).visible = false;
  for (Ctl c : {Ctl::mnuSep1, Ctl::mnuSep2, Ctl::mnuSep3}) at(c).caption = "-";
  at(Ctl::mnuCurrentCondition).caption = "実況(&C)";
  at(Ctl::mnuKey).caption = "キーワードで検索";
  at(Ctl::mnuSound).checked = true;
}

void Form::move(Ctl c, Single left, Single top) {
  ControlProps& cp = props_[index(c)];
  cp.left = left;
  cp.top = top;
  if (observer_) observer_(c);
}

bool Form::setValue(Ctl c, Integer v) {
  ControlProps& cp = props_[index(c)];
  Integer clamped = std::clamp(v, cp.min, std::max(cp.min, cp.max));
  if (clamped == cp.value) return false;
  cp.value = clamped;
  if (observer_) observer_(c);
  return true;
}

}  // namespace velkor
