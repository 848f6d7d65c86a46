#include "screen/qt/table_renderer.h"

#include <algorithm>

#include "screen/logic/layout.h"
#include "screen/qt/table_sheet.h"

namespace velkor {

namespace {
QRect rect(const PixelRect& r) { return QRect(r.x, r.y, r.width, r.height); }
const QColor kPocketedBackground(64, 64, 64);
const QColor kInfoText(0, 255, 0);
const QColor kDemoText(0, 128, 0);
constexpr double kInfomationFontSize = 12;  // points, Arial bold
}  // namespace

int pointsToPixels(double points, int twipsPerPixel) {
  return std::max(1, roundHalfEven(points * 20 / std::max(1, twipsPerPixel)));
}

TableRenderer::TableRenderer(const GameState& g)
    : g_(g),
      sheet_(makeTableSheet()),
      sprites_(kSpriteStripWidth, kSpriteStripHeight, QImage::Format_RGB32),
      pool_(kPoolWidth, kPoolHeight, QImage::Format_RGB32),
      buffer_(kPoolWidth, kPoolHeight, QImage::Format_RGB32),
      pocketed_(183, 25, QImage::Format_RGB32),
      info_(kInfomationWidth, kInfomationHeight, QImage::Format_RGB32) {
  sprites_.fill(Qt::black);
  pool_.fill(Qt::black);
  buffer_.fill(Qt::black);
  pocketed_.fill(kPocketedBackground);
  info_.fill(Qt::black);
  poolPainter_.begin(&pool_);
  bufferPainter_.begin(&buffer_);
  infoFont_ = QFont("Arial");
  infoFont_.setBold(true);
  // The demonstration texts take the default face at their sizes.
  demoTitleFont_ = QFont();
  demoClickFont_ = QFont();
  fitFonts();
}

void TableRenderer::fitFonts() {
  if (fontTwipsPerPixel_ == g_.twipsPerPixelY) return;
  fontTwipsPerPixel_ = g_.twipsPerPixelY;
  infoFont_.setPixelSize(pointsToPixels(kInfomationFontSize, fontTwipsPerPixel_));
  demoTitleFont_.setPixelSize(pointsToPixels(kDemoTitle.pointSize, fontTwipsPerPixel_));
  demoClickFont_.setPixelSize(pointsToPixels(kDemoClick.pointSize, fontTwipsPerPixel_));
}

TableRenderer::~TableRenderer() {
  poolPainter_.end();
  bufferPainter_.end();
}

bool TableRenderer::loadTableSheet(const QString& path) {
  QImage loaded(path);
  if (loaded.isNull()) return false;
  QImage sheet(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
  sheet.fill(Qt::black);
  QPainter p(&sheet);
  p.drawImage(0, 0, loaded.convertToFormat(QImage::Format_RGB32));
  p.end();
  sheet_ = sheet;
  return true;
}

QImage TableRenderer::cueBallImage() const { return sheet_.copy(rect(kCueBallImageCell)); }

void TableRenderer::maskedDraw(QPainter& p, PixelPoint at, const PixelRect& sprite) {
  const QPoint to(at.x, at.y);
  p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  p.drawImage(to, sprites_, rect(kBallMaskCell));
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.drawImage(to, sprites_, rect(sprite));
}

void TableRenderer::loadBallSprites() {
  QPainter p(&sprites_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QPoint(0, 0), sheet_, rect(kSpriteSourceCell));
}

void TableRenderer::drawTable() {
  fitFonts();
  bufferPainter_.setCompositionMode(QPainter::CompositionMode_Source);
  bufferPainter_.drawImage(QPoint(0, 0), sheet_, rect(kTableImageCell));
  if (g_.gameMode == modeDemo) {
    bufferPainter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    bufferPainter_.setPen(kDemoText);
    bufferPainter_.setFont(demoTitleFont_);
    bufferPainter_.drawText(QRect(kDemoTitle.at.x, kDemoTitle.at.y, kPoolWidth, kPoolHeight),
                            Qt::AlignLeft | Qt::AlignTop, kDemoTitleText);
    bufferPainter_.setFont(demoClickFont_);
    bufferPainter_.drawText(QRect(kDemoClick.at.x, kDemoClick.at.y, kPoolWidth, kPoolHeight),
                            Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(demoClickText(g_)));
  }
  for (int n = 0; n <= 9; ++n) drawBallShadow(n);
  for (int n = 0; n <= 9; ++n) drawBallOnBuffer(n);
  poolPainter_.setCompositionMode(QPainter::CompositionMode_Source);
  poolPainter_.drawImage(QPoint(0, 0), buffer_);
}

void TableRenderer::drawBallShadow(int n) {
  if (!g_.balls[static_cast<std::size_t>(n)].onTable) return;
  maskedDraw(bufferPainter_, shadowPoint(g_, n), kBallShadowCell);
}

void TableRenderer::drawBallOnBuffer(int n) {
  const BallRecord& b = g_.balls[static_cast<std::size_t>(n)];
  if (!b.onTable) return;
  maskedDraw(bufferPainter_, ballSpritePoint(g_, n),
             b.speed != 0 ? movingBallSpriteCell(n) : ballSpriteCell(n));
}

void TableRenderer::drawBallOnTable(int n) {
  if (!g_.balls[static_cast<std::size_t>(n)].onTable) return;
  maskedDraw(poolPainter_, ballSpritePoint(g_, n), ballSpriteCell(n));
}

void TableRenderer::drawBallIntoPocket(int n, int pocketNo) {
  for (const PixelPoint& at : pocketStampPoints(g_, pocketNo)) {
    maskedDraw(poolPainter_, at, ballSpriteCell(n));
  }
}

void TableRenderer::drawPocketedBalls() {
  QPainter p(&pocketed_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(pocketed_.rect(), kPocketedBackground);
  for (int n = 1; n <= 9; ++n) {
    if (g_.balls[static_cast<std::size_t>(n)].onTable) continue;
    maskedDraw(p, pocketedBallPlace(n), ballSpriteCell(n));
  }
}

void TableRenderer::showInfomation() {
  const InfomationStrip s = infomationStrip(g_);
  if (!s.draws) return;
  fitFonts();
  QPainter p(&info_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(info_.rect(), Qt::black);
  if (s.hasIcon) p.drawImage(QPoint(0, 0), sheet_, rect(modeIconCell(s.icon)));
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setPen(kInfoText);
  p.setFont(infoFont_);
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip;
  p.drawText(QRect(kInfomationTextPoint.x, kInfomationTextPoint.y, kInfomationWidth, 30), flags,
             QString::fromStdString(s.text));
  if (!s.hasNextBall) return;
  p.drawText(QRect(kNextTextPoint.x, kNextTextPoint.y, kInfomationWidth, 30), flags, kNextText);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kInfoText, 1));
  p.drawRect(QRect(QPoint(s.frameTopLeft.x, s.frameTopLeft.y),
                   QPoint(s.frameBottomRight.x - 1, s.frameBottomRight.y - 1)));
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QPoint(s.ballPoint.x, s.ballPoint.y), sprites_, rect(ballSpriteCell(s.nextBall)));
}

void TableRenderer::clearPool() {
  poolPainter_.setCompositionMode(QPainter::CompositionMode_Source);
  poolPainter_.fillRect(pool_.rect(), Qt::black);
}

}  // namespace velkor
