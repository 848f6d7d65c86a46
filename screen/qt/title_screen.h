// The title screen picMenu: its background picture, the five buttons and three switches as
// picture pairs, the help label and the copyright line, each mirroring its control of g.form
// and running the game's handler for its events.
#pragma once

#include <QImage>
#include <QWidget>

#include <map>

#include "state/game_state.h"
#include "screen/qt/control_widgets.h"

namespace velkor {

class TitleScreen : public QWidget {
 public:
  TitleScreen(GameState& g, QWidget* parent = nullptr);

  // Replaces the background (start-up does so with the 256-colour file).
  void setPicture(const QImage& picture);
  // Paints an image kept elsewhere (the main window's picMenu picture) instead; not owned.
  void setPictureSource(const QImage* picture);
  const QImage& picture() const { return source_ ? *source_ : background_; }

  // True for picMenu and the controls that lie on it.
  bool mirrors(Ctl c) const;
  // Copies the control's properties from g.form onto its widget.
  void sync(Ctl c);
  void syncAll();
  // The widget of a control on the title screen, or nullptr.
  QWidget* control(Ctl c) const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;

 private:
  GameState& g_;
  QImage background_;
  const QImage* source_ = nullptr;
  std::map<Ctl, QWidget*> controls_;
};

}  // namespace velkor
