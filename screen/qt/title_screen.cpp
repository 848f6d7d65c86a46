#include "screen/qt/title_screen.h"

#include <QMouseEvent>
#include <QPainter>

#include "screen/logic/menu_handlers.h"
#include "screen/logic/pic_color_click.h"
#include "screen/qt/title_art.h"
#include "sound/sound_switches.h"

namespace velkor {

namespace {

using Handler = void (*)(GameState&, Integer);

struct TitleButtonDef {
  Ctl element0;
  TitleButton art;
  Handler click;
  Handler move;
};

const TitleButtonDef kButtons[] = {
    {Ctl::picSoloPlay0, TitleButton::soloPlay, picSoloPlay_Click, picSoloPlay_MouseMove},
    {Ctl::picVSCPU0, TitleButton::vsCpu, picVSCPU_Click, picVSCPU_MouseMove},
    {Ctl::picVSPlay0, TitleButton::vsPlay, picVSPlay_Click, picVSPlay_MouseMove},
    {Ctl::picRecord0, TitleButton::record, picRecord_Click, picRecord_MouseMove},
    {Ctl::picExit0, TitleButton::exit, picExit_Click, picExit_MouseMove},
};

struct TitleSwitchDef {
  Ctl element0;
  TitleSwitch art;
  Handler click;
};

const TitleSwitchDef kSwitches[] = {
    {Ctl::picBGM0, TitleSwitch::bgm, picBGM_Click},
    {Ctl::picSound0, TitleSwitch::sound, picSound_Click},
    {Ctl::picColor0, TitleSwitch::color, picColor_Click},
};

Ctl element(Ctl element0, int index) {
  return static_cast<Ctl>(static_cast<int>(element0) + index);
}

// The part of the title background that a control covers.
QImage under(const QImage& background, const ControlProps& p) {
  return background.copy(static_cast<int>(p.left), static_cast<int>(p.top),
                         static_cast<int>(p.width), static_cast<int>(p.height));
}

}  // namespace

TitleScreen::TitleScreen(GameState& g, QWidget* parent)
    : QWidget(parent), g_(g), background_(makeTitleBackground()) {
  setObjectName("picMenu");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);

  // Created first, so that the exit button lies over the copyright line.
  auto* copyright = new ControlLabel(Ctl::lblCopyright1, this);
  copyright->callbacks.click = [this] { lblCopyright_Click(g_, 1); };
  controls_[Ctl::lblCopyright1] = copyright;

  auto* help = new ControlLabel(Ctl::lblHelp, this);
  help->setAlignment(Qt::AlignCenter);
  help->setCursor(Qt::PointingHandCursor);
  help->callbacks.click = [this] { lblHelp_Click(g_); };
  help->callbacks.mouseMove = [this] { lblHelp_MouseMove(g_); };
  controls_[Ctl::lblHelp] = help;

  // Element 1 is created after element 0 and so lies over it.
  for (const TitleButtonDef& b : kButtons) {
    for (int i = 0; i < 2; ++i) {
      const Ctl c = element(b.element0, i);
      auto* w = new PictureControl(c, this);
      w->setPicture(makeTitleButtonPicture(b.art, i == 1, under(background_, g_.form[c])));
      const Integer index = static_cast<Integer>(i);
      w->callbacks.click = [this, h = b.click, index] { h(g_, index); };
      w->callbacks.mouseMove = [this, h = b.move, index] { h(g_, index); };
      controls_[c] = w;
    }
  }
  for (const TitleSwitchDef& s : kSwitches) {
    for (int i = 0; i < 2; ++i) {
      const Ctl c = element(s.element0, i);
      auto* w = new PictureControl(c, this);
      w->setPicture(makeTitleSwitchPicture(s.art, i == 0, under(background_, g_.form[c])));
      const Integer index = static_cast<Integer>(i);
      w->callbacks.click = [this, h = s.click, index] { h(g_, index); };
      controls_[c] = w;
    }
  }
  syncAll();
}

void TitleScreen::setPicture(const QImage& picture) {
  background_ = picture;
  source_ = nullptr;
  update();
}

void TitleScreen::setPictureSource(const QImage* picture) {
  source_ = picture;
  update();
}

bool TitleScreen::mirrors(Ctl c) const { return c == Ctl::picMenu || controls_.count(c) != 0; }

void TitleScreen::sync(Ctl c) {
  if (c == Ctl::picMenu) {
    applyControlGeometry(*this, g_.form[c]);
    return;
  }
  const auto it = controls_.find(c);
  if (it == controls_.end()) return;
  if (auto* label = dynamic_cast<ControlLabel*>(it->second)) {
    label->sync(g_.form[c]);
  } else if (auto* pic = dynamic_cast<PictureControl*>(it->second)) {
    pic->sync(g_.form[c]);
  }
}

void TitleScreen::syncAll() {
  for (const auto& [c, w] : controls_) sync(c);
  sync(Ctl::picMenu);
}

QWidget* TitleScreen::control(Ctl c) const {
  const auto it = controls_.find(c);
  return it == controls_.end() ? nullptr : it->second;
}

void TitleScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.drawImage(QPoint(0, 0), picture());
}

void TitleScreen::mouseMoveEvent(QMouseEvent*) { picMenu_MouseMove(g_); }

void TitleScreen::mouseDoubleClickEvent(QMouseEvent*) { picMenu_DblClick(g_); }

}  // namespace velkor
