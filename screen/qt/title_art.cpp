#include "screen/qt/title_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace velkor {

namespace {

// Ball colours 1..9 of a nine-ball set; 9 is the yellow stripe.
const std::array<QColor, 10> kBallColors = {
    QColor(250, 250, 245), QColor(250, 200, 20), QColor(30, 70, 200),  QColor(210, 30, 30),
    QColor(110, 40, 160),  QColor(245, 120, 20), QColor(20, 130, 60),  QColor(120, 25, 30),
    QColor(20, 20, 20),    QColor(250, 200, 20)};

QFont titleFont(int pixelSize, bool bold = true) {
  QFont f("Arial");
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

void drawBall(QPainter& p, QPointF c, qreal r, int n) {
  const QColor base = kBallColors[static_cast<std::size_t>(n)];
  QRadialGradient shade(c + QPointF(-r * 0.35, -r * 0.35), r * 1.4);
  shade.setColorAt(0, base.lighter(150));
  shade.setColorAt(0.6, base);
  shade.setColorAt(1, base.darker(220));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawEllipse(c + QPointF(r * 0.25, r * 0.3), r, r);  // shadow on the cloth
  if (n == 9) {
    p.setBrush(QColor(250, 250, 245));
    p.drawEllipse(c, r, r);
    p.save();
    QPainterPath clip;
    clip.addEllipse(c, r, r);
    p.setClipPath(clip);
    p.setBrush(shade);
    p.drawRect(QRectF(c.x() - r, c.y() - r * 0.5, 2 * r, r));
    p.restore();
  } else {
    p.setBrush(shade);
    p.drawEllipse(c, r, r);
  }
  if (n > 0) {
    p.setBrush(QColor(250, 250, 245));
    p.drawEllipse(c, r * 0.48, r * 0.48);
    p.setPen(QColor(20, 20, 20));
    p.setFont(titleFont(static_cast<int>(r * 0.75)));
    p.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter, QString::number(n));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawEllipse(c + QPointF(-r * 0.4, -r * 0.45), r * 0.18, r * 0.14);  // highlight
}

void drawTable(QPainter& p, QRectF outer) {
  // Rail, cloth, pockets and the diamond rack near the foot spot.
  QLinearGradient wood(outer.topLeft(), outer.bottomLeft());
  wood.setColorAt(0, QColor(120, 62, 28));
  wood.setColorAt(1, QColor(70, 34, 14));
  p.setPen(QPen(QColor(40, 18, 6), 2));
  p.setBrush(wood);
  p.drawRoundedRect(outer, 14, 14);
  const QRectF cloth = outer.adjusted(16, 16, -16, -16);
  QRadialGradient felt(cloth.center(), cloth.width() * 0.7);
  felt.setColorAt(0, QColor(30, 150, 70));
  felt.setColorAt(1, QColor(10, 90, 40));
  p.setPen(QPen(QColor(8, 60, 25), 2));
  p.setBrush(felt);
  p.drawRect(cloth);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(10, 10, 10));
  for (qreal x : {cloth.left(), cloth.center().x(), cloth.right()}) {
    for (qreal y : {cloth.top(), cloth.bottom()}) p.drawEllipse(QPointF(x, y), 9, 9);
  }
  p.setBrush(QColor(230, 210, 150));
  for (int i = 1; i < 8; ++i) {
    if (i == 4) continue;
    const qreal x = cloth.left() + cloth.width() * i / 8;
    p.drawEllipse(QPointF(x, outer.top() + 8), 2, 2);
    p.drawEllipse(QPointF(x, outer.bottom() - 8), 2, 2);
  }
  const qreal r = 9;
  const QPointF foot(cloth.left() + cloth.width() * 0.72, cloth.center().y());
  const qreal dx = r * std::sqrt(3.0);
  const std::array<std::array<int, 2>, 9> rackSlots = {{{0, 0}, {1, -1}, {1, 1}, {2, -2}, {2, 0},
                                                    {2, 2}, {3, -1}, {3, 1}, {4, 0}}};
  const std::array<int, 9> numbers = {1, 6, 5, 2, 9, 4, 7, 8, 3};
  for (std::size_t i = 0; i < rackSlots.size(); ++i) {
    drawBall(p, foot + QPointF(rackSlots[i][0] * dx, rackSlots[i][1] * r), r, numbers[i]);
  }
  drawBall(p, QPointF(cloth.left() + cloth.width() * 0.25, cloth.center().y() + 6), r, 0);
  // The cue, aimed at the rack.
  p.setPen(QPen(QColor(230, 200, 140), 4, Qt::SolidLine, Qt::RoundCap));
  const QPointF tip(cloth.left() + cloth.width() * 0.25 - 16, cloth.center().y() + 9);
  p.drawLine(tip, tip + QPointF(-150, 26));
  p.setPen(QPen(QColor(60, 30, 10), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(tip + QPointF(-95, 16.5), tip + QPointF(-150, 26));
}

QColor switchColor(TitleSwitch which) {
  switch (which) {
    case TitleSwitch::bgm: return QColor(60, 200, 255);
    case TitleSwitch::sound: return QColor(255, 200, 40);
    case TitleSwitch::color: return QColor(255, 80, 220);
  }
  return Qt::white;
}

void drawNote(QPainter& p, QRectF r, QColor c) {
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  const QPointF a = r.center() + QPointF(-6, 7), b = r.center() + QPointF(6, 4);
  p.drawEllipse(a, 4.5, 3.5);
  p.drawEllipse(b, 4.5, 3.5);
  p.setPen(QPen(c, 2));
  p.drawLine(a + QPointF(4, 0), a + QPointF(4, -15));
  p.drawLine(b + QPointF(4, 0), b + QPointF(4, -15));
  p.setPen(QPen(c, 4));
  p.drawLine(a + QPointF(4, -14), b + QPointF(4, -14));
}

void drawSpeaker(QPainter& p, QRectF r, QColor c, bool on) {
  const QPointF m = r.center() + QPointF(-4, 0);
  QPolygonF body;
  body << m + QPointF(-8, -4) << m + QPointF(-3, -4) << m + QPointF(4, -10) << m + QPointF(4, 10)
       << m + QPointF(-3, 4) << m + QPointF(-8, 4);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPolygon(body);
  if (on) {
    p.setPen(QPen(c, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(m.x() + 1, m.y() - 6, 10, 12), -50 * 16, 100 * 16);
    p.drawArc(QRectF(m.x() - 1, m.y() - 10, 16, 20), -50 * 16, 100 * 16);
  }
}

}  // namespace

const char* titleButtonCaption(TitleButton which) {
  switch (which) {
    case TitleButton::soloPlay: return "Solo Play";
    case TitleButton::vsCpu: return "VS CPU";
    case TitleButton::vsPlay: return "VS Player";
    case TitleButton::record: return "Record";
    case TitleButton::exit: return "Exit";
  }
  return "";
}

QImage makeTitleBackground() {
  QImage img(540, 372, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient sky(0, 0, 0, 372);
  sky.setColorAt(0, QColor(8, 12, 40));
  sky.setColorAt(0.55, QColor(20, 30, 70));
  sky.setColorAt(1, QColor(4, 6, 20));
  p.fillRect(img.rect(), sky);
  // A faint spotlight over the table.
  QRadialGradient spot(QPointF(275, 240), 260);
  spot.setColorAt(0, QColor(255, 240, 200, 70));
  spot.setColorAt(1, QColor(255, 240, 200, 0));
  p.fillRect(img.rect(), spot);

  // The name, with a drop shadow and a gold face.
  const QRectF nameBox(0, 0, 540, 56);
  p.setFont(titleFont(46));
  p.setPen(QColor(0, 0, 0, 200));
  p.drawText(nameBox.translated(3, 3), Qt::AlignCenter, "VELKOR");
  QLinearGradient gold(0, 6, 0, 50);
  gold.setColorAt(0, QColor(255, 245, 180));
  gold.setColorAt(0.5, QColor(240, 180, 40));
  gold.setColorAt(1, QColor(160, 90, 10));
  p.setPen(QPen(QBrush(gold), 1));
  p.drawText(nameBox, Qt::AlignCenter, "VELKOR");

  p.setFont(titleFont(15, false));
  p.setPen(QColor(200, 220, 255));
  p.drawText(QRectF(90, 108, 310, 22), Qt::AlignCenter, "Nine-Ball Pool   Ver.3.02");
  p.setFont(titleFont(11, false));
  p.setPen(QColor(150, 170, 210));
  p.drawText(QRectF(90, 130, 310, 18), Qt::AlignCenter, "Solo play  -  vs. quib  -  two players");

  drawTable(p, QRectF(96, 158, 344, 170));
  return img;
}

QImage makeTitleButtonPicture(TitleButton which, bool lit, const QImage& under) {
  QImage img = under.convertToFormat(QImage::Format_RGB32);
  const QSize size = img.size();
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF r = QRectF(img.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  QLinearGradient face(r.topLeft(), r.bottomLeft());
  if (lit) {
    face.setColorAt(0, QColor(255, 170, 255));
    face.setColorAt(0.5, QColor(235, 40, 235));
    face.setColorAt(1, QColor(140, 0, 150));
  } else {
    face.setColorAt(0, QColor(60, 80, 140));
    face.setColorAt(0.5, QColor(30, 45, 95));
    face.setColorAt(1, QColor(15, 22, 55));
  }
  p.setPen(QPen(lit ? QColor(255, 255, 160) : QColor(150, 170, 220), lit ? 3 : 1.5));
  p.setBrush(face);
  p.drawRoundedRect(r, 10, 10);
  const QString caption = titleButtonCaption(which);
  p.setFont(titleFont(size.height() >= 41 ? 21 : 19));
  p.setPen(QColor(0, 0, 0, 160));
  p.drawText(r.translated(1.5, 1.5), Qt::AlignCenter, caption);
  p.setPen(lit ? QColor(255, 255, 210) : QColor(225, 232, 255));
  p.drawText(r, Qt::AlignCenter, caption);
  return img;
}

QImage makeTitleSwitchPicture(TitleSwitch which, bool on, const QImage& under) {
  QImage img = under.convertToFormat(QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(img.rect()).adjusted(2, 2, -2, -2);
  const QColor c = on ? switchColor(which) : QColor(120, 120, 130);
  QRadialGradient face(r.center() + QPointF(-5, -5), r.width() * 0.7);
  face.setColorAt(0, on ? QColor(50, 60, 100) : QColor(45, 45, 50));
  face.setColorAt(1, on ? QColor(15, 20, 45) : QColor(20, 20, 24));
  p.setPen(QPen(c, 2.5));
  p.setBrush(face);
  p.drawEllipse(r);
  switch (which) {
    case TitleSwitch::bgm: drawNote(p, r, c); break;
    case TitleSwitch::sound: drawSpeaker(p, r, c, on); break;
    case TitleSwitch::color: {
      // True colour: a smooth rainbow; 256 colours: a coarse block palette.
      const QRectF sq(r.center().x() - 11, r.center().y() - 11, 22, 22);
      if (on) {
        QLinearGradient rainbow(sq.topLeft(), sq.topRight());
        const std::array<QColor, 5> hues = {Qt::red, Qt::yellow, Qt::green, Qt::cyan, Qt::blue};
        for (std::size_t i = 0; i < hues.size(); ++i) {
          rainbow.setColorAt(static_cast<qreal>(i) / 4, hues[i]);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(rainbow);
        p.drawRoundedRect(sq, 4, 4);
      } else {
        const std::array<QColor, 4> blocks = {QColor(160, 60, 60), QColor(160, 160, 60),
                                              QColor(60, 140, 60), QColor(60, 80, 160)};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
          p.setBrush(blocks[static_cast<std::size_t>(i)]);
          p.drawRect(QRectF(sq.left() + (i % 2) * 11, sq.top() + (i / 2) * 11, 11, 11));
        }
      }
      p.setFont(titleFont(on ? 11 : 9));
      p.setPen(on ? QColor(10, 10, 10) : Qt::white);
      p.drawText(sq, Qt::AlignCenter, on ? "TC" : "256");
      break;
    }
  }
  if (!on && which != TitleSwitch::color) {
    p.setPen(QPen(QColor(230, 50, 50), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft() + QPointF(8, 8), r.bottomRight() - QPointF(8, 8));
  }
  return img;
}

}  // namespace velkor
