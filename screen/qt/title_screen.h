// The title screen picMenu: the title picture with the five buttons and three switches as
// picture pairs, the help label and the copyright line on it. It only builds them, one way,
// as every control of the main window: window_events wires their hooks and the main window
// keeps them in step with the Form.
#pragma once

#include <QImage>

#include <map>
#include <vector>

#include "screen/qt/widgets.h"
#include "state/game_state.h"

namespace velkor {

class MFVELKOR;

class TitleScreen : public PictureBox {
  Q_OBJECT
 public:
  // Shows the main window's picMenu picture, so a 256-colour file loaded at start-up appears.
  TitleScreen(MFVELKOR& window, QWidget* parent);

  const QImage& picture() const { return *image(); }
  // The widget of a control on the title screen, or nullptr.
  QWidget* control(Ctl c) const;
  // picMenu's controls in the order they are made (later ones lie over earlier ones).
  static const std::vector<Ctl>& controls();

 private:
  std::map<Ctl, QWidget*> controls_;
  std::map<Ctl, QImage> pictures_;  // the buttons' and switches' own pictures
};

}  // namespace velkor
