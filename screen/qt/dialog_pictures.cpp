#include "screen/qt/dialog_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace velkor {

namespace {

// A ball seen from above with a soft highlight; stripe balls carry a white band.
void drawBall(QPainter& p, QPointF c, qreal r, QColor colour, int number, bool stripe) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 40, 0, 120));
  p.drawEllipse(c + QPointF(r * 0.25, r * 0.3), r, r);
  QRadialGradient body(c - QPointF(r * 0.35, r * 0.35), r * 1.6);
  body.setColorAt(0, stripe ? QColor(255, 255, 255) : colour.lighter(150));
  body.setColorAt(0.55, stripe ? QColor(235, 235, 235) : colour);
  body.setColorAt(1, stripe ? QColor(150, 150, 150) : colour.darker(200));
  p.setBrush(body);
  p.drawEllipse(c, r, r);
  if (stripe) {
    p.setClipPath([&] {
      QPainterPath path;
      path.addEllipse(c, r, r);
      return path;
    }());
    QLinearGradient band(c - QPointF(0, r), c + QPointF(0, r));
    band.setColorAt(0, colour.lighter(140));
    band.setColorAt(1, colour.darker(170));
    p.setBrush(band);
    p.drawRect(QRectF(c.x() - r, c.y() - r * 0.5, 2 * r, r));
    p.setClipping(false);
  }
  if (number > 0) {
    p.setBrush(Qt::white);
    p.drawEllipse(c, r * 0.45, r * 0.45);
    QFont f("Arial");
    f.setPixelSize(static_cast<int>(r * 0.7));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter,
               QString::number(number));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawEllipse(c - QPointF(r * 0.38, r * 0.42), r * 0.22, r * 0.16);
  p.restore();
}

}  // namespace

QImage makeOpeningPicture() {
  QImage img(229, 168, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // Wooden rail around a felt bed.
  QLinearGradient wood(0, 0, 229, 168);
  wood.setColorAt(0, QColor(120, 62, 24));
  wood.setColorAt(0.5, QColor(92, 44, 16));
  wood.setColorAt(1, QColor(64, 30, 10));
  p.fillRect(img.rect(), wood);
  const QRectF felt(12, 12, 205, 144);
  QRadialGradient cloth(felt.center(), 140);
  cloth.setColorAt(0, QColor(30, 150, 60));
  cloth.setColorAt(1, QColor(8, 84, 30));
  p.setPen(QPen(QColor(4, 50, 16), 2));
  p.setBrush(cloth);
  p.drawRect(felt);
  // Six pockets and the diamonds on the rail.
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  for (QPointF c : {QPointF(13, 13), QPointF(114.5, 11), QPointF(216, 13), QPointF(13, 155),
                    QPointF(114.5, 157), QPointF(216, 155)}) {
    p.drawEllipse(c, 7, 7);
  }
  p.setBrush(QColor(235, 220, 170));
  for (int i = 1; i < 8; ++i) {
    if (i == 4) continue;
    const qreal x = 12 + 205.0 * i / 8;
    p.drawEllipse(QPointF(x, 5.5), 1.6, 1.6);
    p.drawEllipse(QPointF(x, 162.5), 1.6, 1.6);
  }
  for (int i = 1; i < 4; ++i) {
    const qreal y = 12 + 144.0 * i / 4;
    p.drawEllipse(QPointF(5.5, y), 1.6, 1.6);
    p.drawEllipse(QPointF(223.5, y), 1.6, 1.6);
  }
  // The nine-ball diamond, the cue ball and a cue aimed at it.
  const qreal r = 7;
  const qreal s = 2 * r * 0.87;
  struct Spot {
    qreal col, row;
    int n;
  };
  const QColor colours[10] = {Qt::white,          QColor(240, 200, 0), QColor(20, 60, 200),
                              QColor(210, 30, 30), QColor(110, 30, 150), QColor(240, 110, 0),
                              QColor(0, 130, 60),  QColor(130, 20, 20), QColor(20, 20, 20),
                              QColor(240, 200, 0)};
  const Spot rack[] = {{0, 0, 1}, {1, -0.5, 6}, {1, 0.5, 5}, {2, -1, 2}, {2, 0, 9},
                       {2, 1, 4}, {3, -0.5, 7}, {3, 0.5, 8}, {4, 0, 3}};
  for (const Spot& b : rack) {
    drawBall(p, QPointF(150 + b.col * s, 118 + b.row * 2 * r), r, colours[b.n], b.n, b.n == 9);
  }
  p.save();
  p.translate(74, 118);
  p.rotate(-12);
  QLinearGradient cue(0, -2, 0, 2);
  cue.setColorAt(0, QColor(250, 225, 170));
  cue.setColorAt(1, QColor(170, 120, 60));
  p.setBrush(cue);
  p.drawRect(QRectF(-95, -1.6, 86, 3.2));
  p.setBrush(QColor(60, 30, 10));
  p.drawRect(QRectF(-95, -2.2, 30, 4.4));
  p.setBrush(QColor(80, 150, 230));
  p.drawRect(QRectF(-10, -1.6, 2.5, 3.2));
  p.restore();
  drawBall(p, QPointF(86, 118), r, Qt::white, 0, false);
  // The name, embossed over the felt.
  QFont title("Arial");
  title.setPixelSize(44);
  title.setBold(true);
  title.setLetterSpacing(QFont::AbsoluteSpacing, 2);
  QPainterPath name;
  name.addText(0, 0, title, "VELKOR");
  const QRectF nb = name.boundingRect();
  name.translate(114.5 - nb.center().x(), 62 - nb.center().y());
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 30, 8, 160));
  p.drawPath(name.translated(2, 3));
  QLinearGradient gold(0, nb.top() + 62 - nb.center().y(), 0, 62 + nb.height() / 2);
  gold.setColorAt(0, QColor(255, 245, 180));
  gold.setColorAt(0.5, QColor(235, 185, 40));
  gold.setColorAt(1, QColor(150, 95, 10));
  p.setBrush(gold);
  p.setPen(QPen(QColor(90, 50, 0), 1));
  p.drawPath(name);
  QFont sub("Arial");
  sub.setPixelSize(10);
  sub.setItalic(true);
  p.setFont(sub);
  p.setPen(QColor(220, 240, 200));
  p.drawText(QRectF(12, 86, 205, 14), Qt::AlignCenter, "nine-ball pool");
  return img;
}

QImage makeOkPicture() {
  QImage img(80, 30, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);  // the box's own background shows round the button
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient face(0, 0, 0, 30);
  face.setColorAt(0, QColor(120, 200, 120));
  face.setColorAt(1, QColor(20, 110, 40));
  p.setPen(QPen(QColor(10, 60, 20), 1.5));
  p.setBrush(face);
  p.drawRoundedRect(QRectF(1, 1, 78, 28), 12, 12);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 70));
  p.drawRoundedRect(QRectF(6, 3, 68, 10), 5, 5);
  drawBall(p, QPointF(16, 15), 7, Qt::white, 0, false);
  QFont f("Arial");
  f.setPixelSize(17);
  f.setBold(true);
  p.setFont(f);
  p.setPen(QColor(0, 40, 0));
  p.drawText(QRectF(27, 1, 48, 28), Qt::AlignCenter, "OK");
  p.setPen(Qt::white);
  p.drawText(QRectF(26, 0, 48, 28), Qt::AlignCenter, "OK");
  return img;
}

QImage makePelzoStrip() {
  QImage img(160, 32, QImage::Format_RGB32);
  img.fill(QColor(192, 192, 192));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // Pelzo, a round little creature with a cue: it crouches, jumps and waves as the frames run.
  for (int f = 0; f < 5; ++f) {
    p.save();
    p.translate(32 * f, 0);
    p.setClipRect(0, 0, 32, 32);
    const qreal t = f / 4.0;
    const qreal hop = 7 * std::sin(t * 3.1415926);   // up and back
    const qreal squash = f == 0 ? 1.12 : 1.0 - 0.05 * t;
    const qreal cy = 19 - hop;
    // Shadow on the floor, smaller while in the air.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 110, 110));
    p.drawEllipse(QPointF(16, 30), 8 - hop * 0.5, 1.6);
    // Feet.
    p.setBrush(QColor(120, 60, 20));
    p.drawEllipse(QPointF(11.5, cy + 8.5), 3, 1.8);
    p.drawEllipse(QPointF(20.5, cy + 8.5), 3, 1.8);
    // Body: a furry green ball.
    QRadialGradient fur(QPointF(13, cy - 4), 13);
    fur.setColorAt(0, QColor(150, 230, 120));
    fur.setColorAt(1, QColor(30, 120, 40));
    p.setBrush(fur);
    p.setPen(QPen(QColor(20, 70, 20), 1));
    p.drawEllipse(QPointF(16, cy), 9 * (2 - squash), 9 * squash);
    // Arms: the right one swings up with the cue over the frames.
    const qreal angle = (-30 + 115 * t) * 3.1415926 / 180;
    const QPointF shoulder(23, cy);
    const QPointF hand = shoulder + QPointF(6 * std::cos(angle), -6 * std::sin(angle));
    p.setPen(QPen(QColor(20, 90, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(shoulder, hand);
    p.drawLine(QPointF(9, cy + 1), QPointF(5, cy + 5 - 2 * t));
    p.setPen(QPen(QColor(200, 150, 80), 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF dir(std::cos(angle + 0.3 - 0.5 * t), -std::sin(angle + 0.3 - 0.5 * t));
    p.drawLine(hand - dir * 4, hand + dir * 9);
    // Eyes look up as it jumps; the mouth opens into a grin at the top.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12.5, cy - 2.5), 2.6, 3);
    p.drawEllipse(QPointF(19, cy - 2.5), 2.6, 3);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(13, cy - 2.5 - 1.2 * t), 1.2, 1.4);
    p.drawEllipse(QPointF(19.5, cy - 2.5 - 1.2 * t), 1.2, 1.4);
    p.setBrush(QColor(150, 20, 30));
    p.drawChord(QRectF(12, cy + 1.5 - t, 8, 3 + 3 * t), 180 * 16, 180 * 16);
    p.restore();
  }
  return img;
}

}  // namespace velkor
