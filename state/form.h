// The main window's controls as plain data: every property that the game reads or sets.
// The screen layer mirrors each change onto its widgets; tests read the properties directly.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "state/types.h"

namespace velkor {

enum class Ctl : int {
  MFVELKOR,  // the main window itself: caption, position and outer size in twips
  picPool,   // index 0, the visible table
  picPocketedBalls,
  picInfomation,
  picSetPoint,
  shpPointBall,
  shpPoint,
  lblPower,
  HScroll1,
  cmdShot,
  lblBIP,
  lblQuibsMessage,
  lblMenu0,
  lblMenu1,
  lblMenu2,
  picMenu,
  picScore,
  lblExitScore,
  shpTarget,
  shpQBall,
  lblHelp,
  lblCopyright1,
  picSoloPlay0, picSoloPlay1,
  picVSCPU0, picVSCPU1,
  picVSPlay0, picVSPlay1,
  picRecord0, picRecord1,
  picExit0, picExit1,
  picBGM0, picBGM1,
  picSound0, picSound1,
  picColor0, picColor1,
  mnuGame, mnuStart, mnuRetry, mnuSep3, mnuRecord, mnuVS, mnuSep1, mnuExit,
  mnuChangeMode,
  mnuCurrentCondition,
  mnuOption, mnuSound,
  mnuHelp, mnuHelpCont, mnuKey, mnuSep2, mnuAbout,
  Count
};

constexpr std::size_t kControlCount = static_cast<std::size_t>(Ctl::Count);

constexpr std::uint32_t rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 |
         static_cast<std::uint32_t>(b);
}

struct ControlProps {
  Single left = 0;
  Single top = 0;
  Single width = 0;
  Single height = 0;
  bool visible = true;
  bool enabled = true;
  bool checked = false;     // menu items
  bool autoRedraw = false;  // pictures: persistent image
  std::string caption;
  std::string toolTip;
  std::string fontName = "Arial";
  Single fontSize = 9;
  bool fontBold = false;
  std::uint32_t foreColor = 0;
  Integer value = 0;  // scroll bar
  Integer min = 0;
  Integer max = 0;
  Integer smallChange = 1;
  Integer largeChange = 1;
};

class Form {
 public:
  Form();

  const ControlProps& operator[](Ctl c) const { return props_[index(c)]; }

  void setVisible(Ctl c, bool v) { set(c, &ControlProps::visible, v); }
  void setEnabled(Ctl c, bool v) { set(c, &ControlProps::enabled, v); }
  void setChecked(Ctl c, bool v) { set(c, &ControlProps::checked, v); }
  void setAutoRedraw(Ctl c, bool v) { set(c, &ControlProps::autoRedraw, v); }
  void setCaption(Ctl c, const std::string& v) { set(c, &ControlProps::caption, v); }
  void setToolTip(Ctl c, const std::string& v) { set(c, &ControlProps::toolTip, v); }
  void setFontName(Ctl c, const std::string& v) { set(c, &ControlProps::fontName, v); }
  void setFontSize(Ctl c, Single v) { set(c, &ControlProps::fontSize, v); }
  void setFontBold(Ctl c, bool v) { set(c, &ControlProps::fontBold, v); }
  void setForeColor(Ctl c, std::uint32_t v) { set(c, &ControlProps::foreColor, v); }
  void setLeft(Ctl c, Single v) { set(c, &ControlProps::left, v); }
  void setTop(Ctl c, Single v) { set(c, &ControlProps::top, v); }
  void setWidth(Ctl c, Single v) { set(c, &ControlProps::width, v); }
  void setHeight(Ctl c, Single v) { set(c, &ControlProps::height, v); }
  void move(Ctl c, Single left, Single top);
  // A scroll bar's value, clamped to its range like a real scroll bar. Returns true when it changed.
  bool setValue(Ctl c, Integer v);

  // Called after every property change with the control that changed.
  void setObserver(std::function<void(Ctl)> observer) { observer_ = std::move(observer); }

 private:
  static std::size_t index(Ctl c) { return static_cast<std::size_t>(c); }
  template <typename T, typename V>
  void set(Ctl c, T ControlProps::*field, const V& v) {
    props_[index(c)].*field = v;
    if (observer_) observer_(c);
  }

  std::array<ControlProps, kControlCount> props_;
  std::function<void(Ctl)> observer_;
};

// The shot button's caption as the window is made; solo mode sets it again.
inline constexpr const char* kShotButtonCaption = "SHOT!";

// The name of a control as the game calls it ("picPool", "lblMenu0", ...).
const char* controlName(Ctl c);

}  // namespace velkor
