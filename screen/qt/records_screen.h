// The records screen picScore: paints the game's list of texts and ball icons again at every
// paint, on black, and turns a click on its bare face into picScore's click. A click on its
// "Menu" label belongs to the label alone.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "state/game_state.h"
#include "screen/qt/widgets.h"

namespace velkor {

class MFVELKOR;

// Paints both tables; the icons are copied from the table sheet.
void showScore(QPainter& p, const GameState& g, const QImage& tableSheet);

class RecordsScreen : public QWidget {
 public:
  // The sheet is read at every paint, so a 256-colour sheet loaded later shows too.
  RecordsScreen(const GameState& g, const QImage& tableSheet, ControlEvents& events,
                QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  // True when the pointer is on the bare face, not on a control lying on it.
  bool onFace(const QMouseEvent* e) const;

  const GameState& g_;
  const QImage& sheet_;
  ControlEvents& events_;
  bool pressed_ = false;
};

// Puts the records screen in the place of picScore, with lblExitScore on it.
RecordsScreen* installRecordsScreen(MFVELKOR& w);

}  // namespace velkor
