// Widgets that mirror one control of the game's Form: its place, size, visibility, tooltip
// and, for labels, caption, font and colour. Mouse events go to callbacks that run the
// game's handlers; moves are reported without a button pressed too.
#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

#include <functional>

#include "state/form.h"

namespace velkor {

struct ControlCallbacks {
  std::function<void()> click;
  std::function<void()> mouseMove;
  std::function<void()> doubleClick;
};

// Applies left, top, width, height (rounded to pixels), visibility, enabled and tooltip.
void applyControlGeometry(QWidget& w, const ControlProps& p);

// A picture control: shows its image stretched to its size.
class PictureControl : public QWidget {
 public:
  PictureControl(Ctl ctl, QWidget* parent);
  Ctl ctl() const { return ctl_; }
  void setPicture(const QImage& image);
  const QImage& picture() const { return picture_; }
  void sync(const ControlProps& p) { applyControlGeometry(*this, p); }
  ControlCallbacks callbacks;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  Ctl ctl_;
  QImage picture_;
};

// A label control with a transparent background.
class ControlLabel : public QLabel {
 public:
  ControlLabel(Ctl ctl, QWidget* parent);
  Ctl ctl() const { return ctl_; }
  void sync(const ControlProps& p);
  ControlCallbacks callbacks;

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;

 private:
  Ctl ctl_;
};

}  // namespace velkor
