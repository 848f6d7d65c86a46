#include "screen/qt/control_widgets.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace velkor {

namespace {
int px(Single v) { return static_cast<int>(std::nearbyint(v)); }

// A click is a release inside the control of the button that was pressed there.
bool isClick(const QWidget& w, const QMouseEvent* e) {
  return e->button() == Qt::LeftButton && w.rect().contains(e->position().toPoint());
}
}  // namespace

void applyControlGeometry(QWidget& w, const ControlProps& p) {
  w.setGeometry(px(p.left), px(p.top), px(p.width), px(p.height));
  w.setEnabled(p.enabled);
  w.setToolTip(QString::fromStdString(p.toolTip));
  w.setVisible(p.visible);
}

PictureControl::PictureControl(Ctl ctl, QWidget* parent) : QWidget(parent), ctl_(ctl) {
  setObjectName(controlName(ctl));
  setMouseTracking(true);
}

void PictureControl::setPicture(const QImage& image) {
  picture_ = image;
  update();
}

void PictureControl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!picture_.isNull()) p.drawImage(rect(), picture_);
}

void PictureControl::mouseReleaseEvent(QMouseEvent* e) {
  if (isClick(*this, e) && callbacks.click) callbacks.click();
}

void PictureControl::mouseMoveEvent(QMouseEvent*) {
  if (callbacks.mouseMove) callbacks.mouseMove();
}

void PictureControl::mouseDoubleClickEvent(QMouseEvent*) {
  if (callbacks.doubleClick) callbacks.doubleClick();
}

ControlLabel::ControlLabel(Ctl ctl, QWidget* parent) : QLabel(parent), ctl_(ctl) {
  setObjectName(controlName(ctl));
  setMouseTracking(true);
  setAttribute(Qt::WA_TranslucentBackground);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ControlLabel::sync(const ControlProps& p) {
  applyControlGeometry(*this, p);
  setText(QString::fromStdString(p.caption));
  QFont f(QString::fromStdString(p.fontName));
  f.setPointSizeF(p.fontSize);
  f.setBold(p.fontBold);
  setFont(f);
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, QColor::fromRgb(p.foreColor));
  setPalette(pal);
}

void ControlLabel::mouseReleaseEvent(QMouseEvent* e) {
  if (isClick(*this, e) && callbacks.click) callbacks.click();
}

void ControlLabel::mouseMoveEvent(QMouseEvent*) {
  if (callbacks.mouseMove) callbacks.mouseMove();
}

}  // namespace velkor
