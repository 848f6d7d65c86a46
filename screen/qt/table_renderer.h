// The table drawing on images: the table sheet, the sprite strip, the visible table and its
// back buffer, the pocketed-ball strip and the status strip. Masked draws are two raster
// operations, AND with the mask and then XOR with the sprite. Every image is made once;
// a frame only copies pixels.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

#include "state/game_state.h"
#include "screen/logic/table_drawing.h"

namespace velkor {

class TableRenderer {
 public:
  explicit TableRenderer(const GameState& g);
  ~TableRenderer();
  TableRenderer(const TableRenderer&) = delete;
  TableRenderer& operator=(const TableRenderer&) = delete;

  // Replaces the table sheet by a bitmap file; false (sheet unchanged) when it cannot be read.
  bool loadTableSheet(const QString& path);

  void loadBallSprites();
  void drawTable();
  void drawBallShadow(int ballNo);
  void drawBallOnBuffer(int ballNo);
  void drawBallOnTable(int ballNo);
  void drawBallIntoPocket(int ballNo, int pocketNo);
  void drawPocketedBalls();
  void showInfomation();
  void clearPool();

  const QImage& tableSheet() const { return sheet_; }
  const QImage& ballSprites() const { return sprites_; }
  const QImage& pool() const { return pool_; }  // picPool index 0
  const QImage& backBuffer() const { return buffer_; }  // picPool index 1
  const QImage& pocketedBalls() const { return pocketed_; }
  const QImage& infomation() const { return info_; }
  QImage cueBallImage() const;

 private:
  void maskedDraw(QPainter& p, PixelPoint at, const PixelRect& sprite);
  // Sizes the fonts by the screen's twips per pixel, which start-up reads after the renderer
  // is made; again whenever the value has changed.
  void fitFonts();

  const GameState& g_;
  QImage sheet_;
  QImage sprites_;
  QImage pool_;
  QImage buffer_;
  QImage pocketed_;
  QImage info_;
  // Painters stay open on the two table pictures for the whole run.
  QPainter poolPainter_;
  QPainter bufferPainter_;
  QFont infoFont_;
  QFont demoTitleFont_;
  QFont demoClickFont_;
  int fontTwipsPerPixel_ = 0;  // what the fonts were sized by; 0: not yet
};

// Twips per point over the screen's twips per pixel: a font size in points as a pixel size.
int pointsToPixels(double points, int twipsPerPixel);

}  // namespace velkor
