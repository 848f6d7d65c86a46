#include "screen/qt/records_screen.h"

#include <QMouseEvent>

#include "records/records_screen.h"
#include "screen/qt/table_renderer.h"

namespace velkor {

namespace {
QColor colour(std::uint32_t c) { return QColor((c >> 16) & 0xff, (c >> 8) & 0xff, c & 0xff); }
}  // namespace

void showScore(QPainter& p, const GameState& g, const QImage& tableSheet) {
  const ScoreDrawing d = scoreDrawing(g);
  for (const ScoreText& t : d.texts) {
    QFont f(QString::fromStdString(t.fontName));
    f.setPixelSize(pointsToPixels(t.points, g.twipsPerPixelY));
    f.setBold(t.bold);
    p.setFont(f);
    p.setPen(colour(t.color));
    // The text cell's top left corner is the drawing position.
    p.drawText(QRect(t.x, t.y, p.device()->width(), p.device()->height()),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, QString::fromStdString(t.text));
  }
  p.setCompositionMode(QPainter::CompositionMode_Source);
  for (const ScoreIcon& icon : d.icons) {
    const PixelRect& s = icon.source;
    p.drawImage(QPoint(icon.at.x, icon.at.y), tableSheet, QRect(s.x, s.y, s.width, s.height));
  }
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

RecordsScreen::RecordsScreen(const GameState& g, const QImage& tableSheet, ControlEvents& events,
                             QWidget* parent)
    : QWidget(parent), g_(g), sheet_(tableSheet), events_(events) {
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
}

// picScore_Paint: the screen keeps nothing between paints.
void RecordsScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  showScore(p, g_, sheet_);
}

bool RecordsScreen::onFace(const QMouseEvent* e) const {
  const QPoint at = e->position().toPoint();
  return rect().contains(at) && childAt(at) == nullptr;
}

// A press that reaches the face from the label (which passes presses on) is not the face's,
// so "Menu" never also counts as a click on the screen.
void RecordsScreen::mousePressEvent(QMouseEvent* e) {
  pressed_ = e->button() == Qt::LeftButton && onFace(e);
}

void RecordsScreen::mouseReleaseEvent(QMouseEvent* e) {
  const bool click = pressed_ && e->button() == Qt::LeftButton && onFace(e);
  pressed_ = false;
  if (click && events_.click) events_.click();
}

}  // namespace velkor
