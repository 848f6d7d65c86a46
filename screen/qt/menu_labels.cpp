#include "screen/qt/menu_labels.h"

#include "screen/logic/menu_handlers.h"

namespace velkor {

ControlLabel* makeMenuLabel(GameState& g, Ctl c, QWidget* parent) {
  auto* label = new ControlLabel(c, parent);
  label->setAlignment(Qt::AlignCenter);
  label->setCursor(Qt::PointingHandCursor);
  if (c == Ctl::lblExitScore) {
    label->callbacks.click = [&g] { lblExitScore_Click(g); };
  } else {
    const auto index = static_cast<Integer>(static_cast<int>(c) - static_cast<int>(Ctl::lblMenu0));
    label->callbacks.click = [&g, index] { lblMenu_Click(g, index); };
    label->callbacks.mouseMove = [&g, index] { lblMenu_MouseMove(g, index); };
  }
  label->sync(g.form[c]);
  return label;
}

}  // namespace velkor
