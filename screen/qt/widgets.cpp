#include "screen/qt/widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace velkor {

namespace {
int buttonCode(Qt::MouseButtons b) {
  int code = 0;
  if (b & Qt::LeftButton) code |= 1;
  if (b & Qt::RightButton) code |= 2;
  if (b & Qt::MiddleButton) code |= 4;
  return code;
}
int shiftCode(Qt::KeyboardModifiers m) {
  int code = 0;
  if (m & Qt::ShiftModifier) code |= 1;
  if (m & Qt::ControlModifier) code |= 2;
  if (m & Qt::AltModifier) code |= 4;
  return code;
}
}  // namespace

MouseArgs mouseArgs(const QMouseEvent* e, bool withButton) {
  MouseArgs a;
  a.button = withButton ? buttonCode(e->button()) : buttonCode(e->buttons());
  a.shift = shiftCode(e->modifiers());
  a.x = static_cast<Single>(e->position().x());
  a.y = static_cast<Single>(e->position().y());
  return a;
}

void MouseForwarder::press(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) pressed_ = true;
  if (events_.mouseDown) events_.mouseDown(mouseArgs(e, true));
}

void MouseForwarder::move(QMouseEvent* e) {
  if (events_.mouseMove) events_.mouseMove(mouseArgs(e, false));
}

void MouseForwarder::release(QMouseEvent* e, bool inside) {
  if (events_.mouseUp) events_.mouseUp(mouseArgs(e, true));
  if (e->button() != Qt::LeftButton) return;
  const bool click = pressed_ && inside;
  pressed_ = false;
  if (click && events_.click) events_.click();
}

void MouseForwarder::doubleClick() {
  if (events_.dblClick) events_.dblClick();
}

PictureBox::PictureBox(ControlEvents& events, QWidget* parent) : QWidget(parent), mouse_(events) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);  // moves without a button are events of the control too
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (onPaint) onPaint();
  QPainter p(this);
  p.fillRect(rect(), background_);
  if (image_) p.drawImage(QPoint(0, 0), *image_);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
  mouse_.release(e, rect().contains(e->position().toPoint()));
}

EventLabel::EventLabel(ControlEvents& events, QWidget* parent) : QLabel(parent), mouse_(events) {
  setMouseTracking(true);
}

EventLabel::EventLabel(QWidget* parent) : QLabel(parent), mouse_(own_) { setMouseTracking(true); }

ClickPicture::ClickPicture(QWidget* parent) : EventLabel(parent) {
  ownEvents().click = [this] { emit clicked(); };
}

void EventLabel::mouseReleaseEvent(QMouseEvent* e) {
  mouse_.release(e, rect().contains(e->position().toPoint()));
}

ShapeWidget::ShapeWidget(Kind kind, const QColor& colour, QWidget* parent)
    : QWidget(parent), kind_(kind), colour_(colour) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
  // Not antialiased: a marker's pixels are exactly its colour, as on the classic screen.
  QPainter p(this);
  const QRect r = rect().adjusted(0, 0, -1, -1);
  switch (kind_) {
    case Kind::dashedCircle:
      p.setPen(QPen(colour_, 1, Qt::DashLine));
      p.drawEllipse(r);
      break;
    case Kind::oval:
    case Kind::outlineCircle:
      p.setPen(QPen(colour_, 1));
      p.drawEllipse(r);
      break;
    case Kind::filledDot:
      p.setPen(colour_);
      p.setBrush(colour_);
      p.drawEllipse(r);
      break;
  }
}

}  // namespace velkor
