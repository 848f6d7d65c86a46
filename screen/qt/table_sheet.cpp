#include "screen/qt/table_sheet.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "records/records_screen.h"
#include "screen/logic/table_drawing.h"
#include "screen/qt/title_art.h"

namespace velkor {

namespace {

const QColor kCloth(20, 120, 60);
const QColor kCushion(14, 96, 46);
const QColor kWood(110, 58, 24);
const QColor kWoodDark(70, 34, 12);

struct BallLook {
  QColor colour;
  bool stripe;
};
// 0 cue ball; 1 yellow, 2 blue, 3 red, 4 purple, 5 orange, 6 green, 7 maroon, 8 black, 9 yellow stripe.
const std::array<BallLook, 10> kBalls{{
    {QColor(250, 250, 244), false},
    {QColor(250, 204, 0), false},
    {QColor(20, 60, 200), false},
    {QColor(220, 20, 30), false},
    {QColor(110, 30, 150), false},
    {QColor(255, 120, 0), false},
    {QColor(0, 130, 50), false},
    {QColor(128, 20, 30), false},
    {QColor(20, 20, 20), false},
    {QColor(250, 204, 0), true},
}};

// The disc every sprite, the mask and the shadow share: whole pixels, no soft edge, so a
// sprite is black exactly where the mask is white.
bool inDisc(int x, int y, double centre, double radius) {
  const double dx = x + 0.5 - centre;
  const double dy = y + 0.5 - centre;
  return dx * dx + dy * dy <= radius * radius;
}
constexpr double kDiscRadius = 9.7;

QColor shade(const QColor& base, double light) {
  auto ch = [light](int c) {
    const double v = light >= 0 ? c + (255 - c) * light : c * (1 + light);
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
  };
  return QColor(ch(base.red()), ch(base.green()), ch(base.blue()));
}

// One ball of the given diameter on black, painted with light from the upper left.
QImage paintBall(int n, int size, bool moving) {
  QImage img(size, size, QImage::Format_RGB32);
  img.fill(Qt::black);
  const double c = size / 2.0;
  const double r = size == kSpriteSize ? kDiscRadius : c - 0.3;
  const BallLook& look = kBalls[static_cast<std::size_t>(n)];
  const QColor white(248, 248, 240);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (!inDisc(x, y, c, r)) continue;
      const double dx = (x + 0.5 - c) / r;
      const double dy = (y + 0.5 - c) / r;
      QColor base = look.colour;
      if (look.stripe && std::abs(dy) > 0.45) base = white;
      // Diffuse light from the upper left, a specular spot, darker rim.
      const double nz = std::sqrt(std::max(0.0, 1 - dx * dx - dy * dy));
      const double diffuse = std::clamp(-0.45 * dx - 0.55 * dy + 0.70 * nz, 0.0, 1.0);
      double light = (diffuse - 0.62) * 0.9;
      const double sx = dx + 0.38;
      const double sy = dy + 0.42;
      const double spot = std::exp(-(sx * sx + sy * sy) * 9);
      light = std::clamp(light + spot * 0.85, -0.75, 0.95);
      if (moving) light = std::clamp(light + 0.28, -0.5, 0.97);
      img.setPixelColor(x, y, shade(base, light));
    }
  }
  if (size != kSpriteSize || (n == 0 && !moving)) return img;

  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  if (moving) {
    // A moving ball: its number spot smeared into a bright band.
    const QColor streak = n == 0 ? QColor(150, 170, 200) : QColor(255, 255, 255);
    QLinearGradient band(c - 7, 0, c + 7, 0);
    band.setColorAt(0, QColor(streak.red(), streak.green(), streak.blue(), 0));
    band.setColorAt(0.5, QColor(streak.red(), streak.green(), streak.blue(), 200));
    band.setColorAt(1, QColor(streak.red(), streak.green(), streak.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawEllipse(QRectF(c - 8, c - 3, 16, 6));
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 252, 248));
    p.drawEllipse(QRectF(c - 5.2, c - 5.2, 10.4, 10.4));
    QFont f("Liberation Sans");
    f.setPixelSize(9);
    f.setBold(true);
    f.setHintingPreference(QFont::PreferFullHinting);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRectF(c - 6, c - 6.2, 12, 12), Qt::AlignCenter, QString::number(n));
  }
  p.end();
  // Keep the background black: nothing may spill out of the disc.
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (!inDisc(x, y, c, r)) img.setPixel(x, y, 0xff000000);
  return img;
}

void drawTableImage(QPainter& p) {
  // Frame, rails, cloth: the cloth is pixels 30..510 by 30..270, the cushions' inner edges.
  QLinearGradient wood(0, 0, 0, 300);
  wood.setColorAt(0, kWood.lighter(115));
  wood.setColorAt(1, kWood.darker(115));
  p.fillRect(0, 0, 540, 300, kWoodDark);
  p.setPen(Qt::NoPen);
  p.setBrush(wood);
  p.drawRoundedRect(QRectF(1, 1, 538, 298), 10, 10);
  p.setBrush(kCushion);
  p.drawRect(QRectF(18, 18, 504, 264));
  QRadialGradient cloth(270, 150, 300);
  cloth.setColorAt(0, kCloth.lighter(112));
  cloth.setColorAt(1, kCloth.darker(110));
  p.setBrush(cloth);
  p.drawRect(QRectF(30, 30, 480, 240));
  // Cushion noses: a lighter line along the cloth edge.
  p.setPen(QPen(kCushion.lighter(135), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(29.5, 29.5, 481, 241));

  // Diamonds on the rails: eighths of the long side, quarters of the short side.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(235, 225, 190));
  auto diamond = [&p](double x, double y) {
    QPainterPath d;
    d.moveTo(x, y - 3);
    d.lineTo(x + 2.5, y);
    d.lineTo(x, y + 3);
    d.lineTo(x - 2.5, y);
    d.closeSubpath();
    p.drawPath(d);
  };
  for (int k = 1; k <= 7; ++k) {
    if (k == 4) continue;
    diamond(30 + 60 * k, 9);
    diamond(30 + 60 * k, 291);
  }
  for (int k = 1; k <= 3; ++k) {
    diamond(9, 30 + 60 * k);
    diamond(531, 30 + 60 * k);
  }

  // Pockets: the corner pockets at the cloth corners, the middle pockets on the long sides.
  const std::array<QPointF, 6> pockets{{{30, 30}, {270, 28}, {510, 30}, {30, 270}, {270, 272}, {510, 270}}};
  for (const QPointF& c : pockets) {
    p.setBrush(QColor(40, 28, 18));
    p.drawEllipse(c, 14.5, 14.5);
    QRadialGradient hole(c, 12);
    hole.setColorAt(0, QColor(0, 0, 0));
    hole.setColorAt(1, QColor(16, 16, 16));
    p.setBrush(hole);
    p.drawEllipse(c, 12, 12);
  }

  // Head string and foot spot, faintly.
  p.setPen(QPen(QColor(255, 255, 255, 40), 1));
  p.drawLine(QPointF(150.5, 31), QPointF(150.5, 269));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 90));
  p.drawEllipse(QPointF(390, 150), 1.6, 1.6);
  p.drawEllipse(QPointF(150, 150), 1.6, 1.6);
}

void drawModeIcon(QPainter& p, ModeIcon icon) {
  const PixelRect cell = modeIconCell(icon);
  const QRectF r(cell.x, cell.y, cell.width, cell.height);
  p.fillRect(r, QColor(0, 0, 0));
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 255, 0), 1.5));
  p.setBrush(Qt::NoBrush);
  const double x = r.x();
  const double y = r.y();
  switch (icon) {
    case ModeIcon::solo:  // one cue aimed at a ball
      p.setBrush(QColor(250, 250, 244));
      p.setPen(Qt::NoPen);
      p.drawEllipse(QPointF(x + 17, y + 8), 4.5, 4.5);
      p.setPen(QPen(QColor(210, 160, 90), 2.5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(x + 3, y + 22), QPointF(x + 13, y + 12));
      break;
    case ModeIcon::versusComputer:  // a person facing a screen
      p.setBrush(QColor(0, 90, 0));
      p.drawRect(QRectF(x + 12.5, y + 4.5, 10, 8));
      p.drawLine(QPointF(x + 17.5, y + 12.5), QPointF(x + 17.5, y + 15.5));
      p.drawLine(QPointF(x + 14, y + 15.5), QPointF(x + 21, y + 15.5));
      p.setBrush(QColor(0, 255, 0));
      p.drawEllipse(QPointF(x + 6, y + 9), 2.6, 2.6);
      p.drawChord(QRectF(x + 1.5, y + 13, 9, 10), 0, 180 * 16);
      break;
    case ModeIcon::twoPlayers:  // two people
      p.setBrush(QColor(0, 255, 0));
      p.drawEllipse(QPointF(x + 7, y + 8), 2.6, 2.6);
      p.drawChord(QRectF(x + 2.5, y + 12, 9, 10), 0, 180 * 16);
      p.setBrush(QColor(0, 160, 0));
      p.drawEllipse(QPointF(x + 18, y + 8), 2.6, 2.6);
      p.drawChord(QRectF(x + 13.5, y + 12, 9, 10), 0, 180 * 16);
      break;
  }
  p.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace

QImage makeTableSheet() {
  QImage sheet(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
  sheet.fill(Qt::black);
  QPainter p(&sheet);
  p.setRenderHint(QPainter::Antialiasing);
  drawTableImage(p);
  p.setRenderHint(QPainter::Antialiasing, false);

  // The sprite source: balls at rest, mask, balls moving, shadow.
  const int sx = kSpriteSourceCell.x;
  const int sy = kSpriteSourceCell.y;
  p.fillRect(sx, sy, kSpriteSourceCell.width, kSpriteSourceCell.height, Qt::black);
  for (int n = 0; n <= 9; ++n) {
    const PixelRect rest = ballSpriteCell(n);
    const PixelRect moving = movingBallSpriteCell(n);
    p.drawImage(sx + rest.x, sy + rest.y, paintBall(n, kSpriteSize, false));
    p.drawImage(sx + moving.x, sy + moving.y, paintBall(n, kSpriteSize, true));
  }
  for (int y = 0; y < kSpriteSize; ++y) {
    for (int x = 0; x < kSpriteSize; ++x) {
      const bool disc = inDisc(x, y, kSpriteSize / 2.0, kDiscRadius);
      sheet.setPixel(sx + kBallMaskCell.x + x, sy + kBallMaskCell.y + y,
                     disc ? 0xff000000 : 0xffffffff);
      sheet.setPixel(sx + kBallShadowCell.x + x, sy + kBallShadowCell.y + y,
                     disc ? qRgb(0, 89, 0) : 0xff000000);
    }
  }

  drawModeIcon(p, ModeIcon::solo);
  drawModeIcon(p, ModeIcon::versusComputer);
  drawModeIcon(p, ModeIcon::twoPlayers);

  // The cue-ball picture of the contact-point control.
  p.fillRect(kCueBallImageCell.x, kCueBallImageCell.y, kCueBallImageCell.width,
             kCueBallImageCell.height, QColor(0, 0, 0));
  p.drawImage(kCueBallImageCell.x, kCueBallImageCell.y, paintBall(0, 45, false));

  // Small ball icons of the records screen.
  for (int k = 1; k <= 9; ++k) {
    const PixelRect cell = scoreBallIconCell(k);
    const QImage small = paintBall(k, 10, false);
    p.drawImage(cell.x, cell.y, small);
    if (kBalls[static_cast<std::size_t>(k)].stripe) continue;
    p.setPen(QColor(255, 255, 255));
    p.drawPoint(cell.x + 4, cell.y + 4);
    p.drawPoint(cell.x + 5, cell.y + 4);
  }
  p.end();
  return sheet;
}

// The title picture is drawn with the title screen's buttons in mind.
QImage makeTitlePicture() { return makeTitleBackground(); }

QImage toPalettised(const QImage& picture) {
  const QImage src = picture.convertToFormat(QImage::Format_RGB32);
  const QList<QRgb> exact{qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0, 89, 0), qRgb(64, 64, 64)};
  // The most used colours, counted in boxes of 8 levels per channel, fill the rest.
  struct Box {
    long long count = 0, r = 0, g = 0, b = 0;
  };
  std::vector<Box> boxes(32 * 32 * 32);
  for (int y = 0; y < src.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    for (int x = 0; x < src.width(); ++x) {
      const QRgb c = line[x];
      if (exact.contains(c | 0xff000000)) continue;
      Box& box = boxes[static_cast<std::size_t>((qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | (qBlue(c) >> 3))];
      ++box.count;
      box.r += qRed(c);
      box.g += qGreen(c);
      box.b += qBlue(c);
    }
  }
  std::vector<const Box*> used;
  for (const Box& box : boxes)
    if (box.count > 0) used.push_back(&box);
  std::sort(used.begin(), used.end(), [](const Box* a, const Box* b) { return a->count > b->count; });
  QList<QRgb> palette = exact;
  for (const Box* box : used) {
    if (palette.size() == 256) break;
    palette.append(qRgb(static_cast<int>(box->r / box->count), static_cast<int>(box->g / box->count),
                        static_cast<int>(box->b / box->count)));
  }
  while (palette.size() < 256) palette.append(qRgb(0, 0, 0));

  QImage out(src.size(), QImage::Format_Indexed8);
  out.setColorTable(palette);
  for (int y = 0; y < src.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    uchar* dst = out.scanLine(y);
    for (int x = 0; x < src.width(); ++x) {
      const QRgb c = line[x];
      int best = 0;
      int bestDist = 1 << 30;
      for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(c) - qRed(palette[i]);
        const int dg = qGreen(c) - qGreen(palette[i]);
        const int db = qBlue(c) - qBlue(palette[i]);
        const int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (d < bestDist) {
          bestDist = d;
          best = i;
          if (d == 0) break;
        }
      }
      dst[x] = static_cast<uchar>(best);
    }
  }
  return out;
}

}  // namespace velkor
