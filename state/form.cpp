#include "state/form.h"

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
  // quib speaks in yellow on the status strip's black ground, which its label covers.
  at(Ctl::lblQuibsMessage).foreColor = rgb(255, 255, 0);
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
  at(Ctl::cmdShot).caption = kShotButtonCaption;
  box(Ctl::picPocketedBalls, 346, 347, 183, 25);
  box(Ctl::lblBIP, 346, 327, 183, 20);
  box(Ctl::picMenu, 0, 0, 540, 372);  // the whole client area
  box(Ctl::picScore, 0, 0, 540, 372);
  at(Ctl::picScore).visible = false;
  at(Ctl::lblExitScore).caption = "Menu";
  at(Ctl::lblExitScore).foreColor = rgb(255, 0, 255);
  box(Ctl::shpTarget, 0, 0, 20, 20);
  box(Ctl::shpQBall, 0, 0, 20, 20);
  at(Ctl::shpQBall).visible = false;
  // A fresh string, not an assignment from the literal: GCC 12's -Wrestrict misreads that at -O3.
  for (Ctl c : {Ctl::mnuSep1, Ctl::mnuSep2, Ctl::mnuSep3}) at(c).caption = std::string("-");
  at(Ctl::mnuCurrentCondition).caption = "実況(&C)";
  at(Ctl::mnuKey).caption = "キーワードで検索";
  at(Ctl::mnuSound).checked = true;

  // Title screen: positions inside picMenu. Each picture pair shares one place; a button's
  // highlighted element 1 and a switch's off element 1 start hidden.
  struct Pair {
    Ctl first;
    Single l, t, w, h;
    const char* tip;
    bool tipOnBoth;  // switches carry the tooltip on both elements, buttons on element 1
  };
  const Pair pairs[] = {
      {Ctl::picSoloPlay0, 16, 56, 163, 41, "独り撞きモード", false},
      {Ctl::picVSCPU0, 216, 56, 135, 41, "成長する思考ルーチン\"quib\"と対戦", false},
      {Ctl::picVSPlay0, 376, 56, 143, 41, "お友達とどうぞ", false},
      {Ctl::picRecord0, 408, 112, 126, 39, "記録", false},
      {Ctl::picExit0, 456, 328, 70, 39, "VELKORを終了", false},
      {Ctl::picBGM0, 40, 120, 40, 40, "BGMのOn/Off", true},
      {Ctl::picSound0, 24, 160, 40, 40, "サウンドのOn/Off", true},
      {Ctl::picColor0, 8, 200, 40, 40, "True Color/256 Colorの切り替え", true},
  };
  for (const Pair& pr : pairs) {
    const Ctl second = static_cast<Ctl>(static_cast<int>(pr.first) + 1);
    for (Ctl c : {pr.first, second}) box(c, pr.l, pr.t, pr.w, pr.h);
    at(second).visible = false;
    at(second).toolTip = pr.tip;
    if (pr.tipOnBoth) at(pr.first).toolTip = pr.tip;
  }
  box(Ctl::lblHelp, 512, 0, 25, 33);
  at(Ctl::lblHelp).caption = std::string("?");
  at(Ctl::lblHelp).toolTip = "ヘルプ";
  at(Ctl::lblHelp).foreColor = rgb(128, 0, 128);
  box(Ctl::lblCopyright1, 0, 336, 537, 17);
  at(Ctl::lblCopyright1).caption = "VELKOR Ver.3.02  -  click here for help";
  // Top right of the records screen, above its first row: no text of either table lies there.
  box(Ctl::lblExitScore, 472, 0, 57, 25);
  for (Ctl c : {Ctl::lblMenu0, Ctl::lblMenu1, Ctl::lblMenu2, Ctl::lblExitScore}) {
    at(c).fontSize = 12;
    at(c).fontBold = true;
  }
  at(Ctl::lblHelp).fontSize = 18;
  at(Ctl::lblHelp).fontBold = true;
  at(Ctl::lblCopyright1).foreColor = rgb(170, 190, 230);
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
