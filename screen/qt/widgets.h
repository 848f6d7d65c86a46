// The one widget family of the main window: a picture box that shows an image, a label, and
// the outline and dot shapes. Pictures and labels report their mouse events to their
// control's hooks (MFVELKOR::events); the main window keeps them in step with the Form.
#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>

#include "state/types.h"

namespace velkor {

struct MouseArgs {
  int button = 0;  // 1 left, 2 right, 4 middle; 0 on a move without a button
  int shift = 0;   // 1 shift, 2 control, 4 alt
  Single x = 0;    // pixels of the control
  Single y = 0;
};

// What a control reports; each hook may be left empty.
struct ControlEvents {
  std::function<void(const MouseArgs&)> mouseDown;
  std::function<void(const MouseArgs&)> mouseMove;
  std::function<void(const MouseArgs&)> mouseUp;
  std::function<void()> click;
  std::function<void()> dblClick;
  std::function<void()> change;
};

MouseArgs mouseArgs(const QMouseEvent* e, bool withButton);

// Forwards a widget's mouse events to its control's hooks. A click is the left button
// pressed and released inside the control, as everywhere on the desktop.
class MouseForwarder {
 public:
  explicit MouseForwarder(ControlEvents& events) : events_(events) {}
  void press(QMouseEvent* e);
  void move(QMouseEvent* e);
  void release(QMouseEvent* e, bool inside);
  void doubleClick();

 private:
  ControlEvents& events_;
  bool pressed_ = false;
};

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  PictureBox(ControlEvents& events, QWidget* parent);
  // The image shown; not owned, read at every paint.
  void setImage(const QImage* image) { image_ = image; }
  const QImage* image() const { return image_; }
  void setBackground(const QColor& c) { background_ = c; }
  // Called before each paint, so a picture may draw itself again.
  std::function<void()> onPaint;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override { mouse_.press(e); }
  void mouseMoveEvent(QMouseEvent* e) override { mouse_.move(e); }
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent*) override { mouse_.doubleClick(); }

 private:
  const QImage* image_ = nullptr;
  QColor background_ = Qt::black;
  MouseForwarder mouse_;
};

class EventLabel : public QLabel {
  Q_OBJECT
 public:
  EventLabel(ControlEvents& events, QWidget* parent);
  // A label with hooks of its own, for a dialog's control.
  explicit EventLabel(QWidget* parent);
  ControlEvents& ownEvents() { return own_; }

 protected:
  void mousePressEvent(QMouseEvent* e) override { mouse_.press(e); }
  void mouseMoveEvent(QMouseEvent* e) override { mouse_.move(e); }
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent*) override { mouse_.doubleClick(); }

 private:
  ControlEvents own_;
  MouseForwarder mouse_;
};

// A dialog's picture button: an EventLabel whose click is a signal.
class ClickPicture : public EventLabel {
  Q_OBJECT
 public:
  explicit ClickPicture(QWidget* parent = nullptr);
 signals:
  void clicked();
};

class ShapeWidget : public QWidget {
  Q_OBJECT
 public:
  enum class Kind { dashedCircle, oval, filledDot, outlineCircle };
  ShapeWidget(Kind kind, const QColor& colour, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Kind kind_;
  QColor colour_;
};

}  // namespace velkor
