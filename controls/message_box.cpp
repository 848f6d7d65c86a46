#include "controls/message_box.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "controls/coordinates.h"
#include "platform/text.h"

namespace velkor {

namespace {
constexpr long kIntegerMax = std::numeric_limits<Integer>::max();
}  // namespace

MsgBoxLayout layoutMessageBox(const GameState& g, const std::string& text,
                              const MsgBoxDesign& design) {
  MsgBoxLayout box;
  box.text = text;
  box.labelTop = design.labelTop;
  box.labelFontSize = design.labelFontSize;
  box.okTop = design.okTop;
  box.okWidth = design.okWidth;
  box.okHeight = design.okHeight;
  box.height = design.height;

  // The estimate works in 16-bit Integers; a text too long for them (over 182 characters
  // at 18 points) gets the widest box they can hold instead of overflowing.
  const long n = static_cast<long>(std::min<std::size_t>(textLength(text), kIntegerMax));
  const long nTwenty = std::min(n * 20, kIntegerMax);
  const double estimate = std::trunc(static_cast<double>(nTwenty) * design.labelFontSize * 0.5);
  auto w = static_cast<Integer>(std::clamp(estimate, 0.0, static_cast<double>(kIntegerMax)));

  const auto m = static_cast<Integer>(std::nearbyint(static_cast<double>(design.okWidth) * 1.2));
  if (w < m) {
    w = m;
    box.labelWidth = w;
  }
  box.width = static_cast<Single>(w * 1.2);
  box.labelLeft = static_cast<Single>(w * 0.1);
  box.okLeft = static_cast<Single>(halfOfDifference(static_cast<double>(box.width) - box.okWidth));

  const ControlProps& main = g.form[Ctl::MFVELKOR];
  box.left = main.left + static_cast<Single>(halfOfDifference(static_cast<double>(main.width) - box.width));
  box.top = main.top + static_cast<Single>(halfOfDifference(static_cast<double>(main.height) - box.height));
  return box;
}

void showMessage(GameState& g, const std::string& text) {
  g.screen->showSizedMessageBox(layoutMessageBox(g, text));
}

}  // namespace velkor
