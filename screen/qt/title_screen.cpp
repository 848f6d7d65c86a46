#include "screen/qt/title_screen.h"

#include "screen/qt/main_window.h"
#include "screen/qt/title_art.h"

namespace velkor {

namespace {

struct TitleButtonDef {
  Ctl element0;
  TitleButton art;
};

const TitleButtonDef kButtons[] = {
    {Ctl::picSoloPlay0, TitleButton::soloPlay}, {Ctl::picVSCPU0, TitleButton::vsCpu},
    {Ctl::picVSPlay0, TitleButton::vsPlay},     {Ctl::picRecord0, TitleButton::record},
    {Ctl::picExit0, TitleButton::exit},
};

struct TitleSwitchDef {
  Ctl element0;
  TitleSwitch art;
};

const TitleSwitchDef kSwitches[] = {
    {Ctl::picBGM0, TitleSwitch::bgm},
    {Ctl::picSound0, TitleSwitch::sound},
    {Ctl::picColor0, TitleSwitch::color},
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

const std::vector<Ctl>& TitleScreen::controls() {
  // The copyright line first, so that the exit button lies over it; element 1 of a pair after
  // element 0, so that it lies over it.
  static const std::vector<Ctl> order = [] {
    std::vector<Ctl> v{Ctl::lblCopyright1, Ctl::lblHelp};
    for (const TitleButtonDef& b : kButtons) {
      v.insert(v.end(), {element(b.element0, 0), element(b.element0, 1)});
    }
    for (const TitleSwitchDef& s : kSwitches) {
      v.insert(v.end(), {element(s.element0, 0), element(s.element0, 1)});
    }
    return v;
  }();
  return order;
}

TitleScreen::TitleScreen(MFVELKOR& window, QWidget* parent)
    : PictureBox(window.events(Ctl::picMenu), parent) {
  setImage(&window.menuPicture());
  const GameState& g = window.game();
  const QImage background = makeTitleBackground();

  auto* copyright = new EventLabel(window.events(Ctl::lblCopyright1), this);
  copyright->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  controls_[Ctl::lblCopyright1] = copyright;
  auto* help = new EventLabel(window.events(Ctl::lblHelp), this);
  help->setAlignment(Qt::AlignCenter);
  help->setCursor(Qt::PointingHandCursor);
  controls_[Ctl::lblHelp] = help;

  auto picture = [&](Ctl c, QImage image) {
    pictures_[c] = std::move(image);
    auto* w = new PictureBox(window.events(c), this);
    w->setImage(&pictures_[c]);
    controls_[c] = w;
  };
  for (const TitleButtonDef& b : kButtons) {
    for (int i = 0; i < 2; ++i) {
      const Ctl c = element(b.element0, i);
      picture(c, makeTitleButtonPicture(b.art, i == 1, under(background, g.form[c])));
    }
  }
  for (const TitleSwitchDef& s : kSwitches) {
    for (int i = 0; i < 2; ++i) {
      const Ctl c = element(s.element0, i);
      picture(c, makeTitleSwitchPicture(s.art, i == 0, under(background, g.form[c])));
    }
  }
}

QWidget* TitleScreen::control(Ctl c) const {
  const auto it = controls_.find(c);
  return it == controls_.end() ? nullptr : it->second;
}

}  // namespace velkor
