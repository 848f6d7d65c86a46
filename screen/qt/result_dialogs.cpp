#include "screen/qt/result_dialogs.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QValidator>
#include <algorithm>
#include <cmath>

#include "screen/qt/main_window.h"
#include "screen/qt/table_renderer.h"

namespace velkor {

namespace {

QColor colour(std::uint32_t c) { return QColor((c >> 16) & 0xff, (c >> 8) & 0xff, c & 0xff); }

int toPx(Single twips, Single twipsPerPixel) {
  return static_cast<int>(std::lround(twips / twipsPerPixel));
}

// Sized by the screen's twips per pixel, the one value that start-up read.
QFont arial(Single points, const GameState& g) {
  QFont f("Arial");
  f.setPixelSize(pointsToPixels(points, g.twipsPerPixelY));
  return f;
}

void placeWindow(QDialog& d, const WindowPlace& place, const ScreenMetrics& m, int clientWidth,
                 int clientHeight) {
  d.setFixedSize(clientWidth, clientHeight);
  d.move(toPx(place.left, m.twipsPerPixelX), toPx(place.top, m.twipsPerPixelY));
}

void blackFace(QDialog& d) {
  QPalette pal = d.palette();
  pal.setColor(QPalette::Window, Qt::black);
  d.setPalette(pal);
  d.setAutoFillBackground(true);
}

void place(QWidget* w, const PixelBox& b) { w->setGeometry(b.left, b.top, b.width, b.height); }

// True when the label's text, wrapped as the label wraps it, lies wholly inside the label.
bool textFits(const QLabel* l, const QFont& f) {
  const int flags = static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
  const QRect box = l->contentsRect();
  return box.contains(QFontMetrics(f).boundingRect(box, flags, l->text()));
}

// The label in Arial at its design size, or, when two long names would wrap the text past
// the label's edges, a point smaller at a time until it fits: a cut line would hide a name.
void fitArial(QLabel* l, Single points, const GameState& g) {
  QFont f = arial(points, g);
  while (!textFits(l, f) && f.pixelSize() > 1) {
    points -= 1;
    f = arial(points, g);
  }
  l->setFont(f);
}

// UTF-16 units of the first n characters (code points) of s, a pair of surrogates being one.
qsizetype unitsOfFirstChars(const QString& s, qsizetype n) {
  qsizetype i = 0;
  for (; n > 0 && i < s.size(); --n) {
    i += s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate() ? 2 : 1;
  }
  return i;
}

// Holds a name box to n characters counted as code points: QLineEdit's maxLength counts
// UTF-16 units, and an emoji takes two. What overflows is cut from the text just inserted,
// before the cursor, as maxLength cuts an insertion, so a 13th character is refused.
class CharLimit : public QValidator {
 public:
  CharLimit(int n, QObject* parent) : QValidator(parent), n_(n) {}
  State validate(QString& input, int& pos) const override {
    qsizetype excess = input.toUcs4().size() - n_;
    if (excess <= 0) return Acceptable;
    pos = static_cast<int>(std::clamp<qsizetype>(pos, 0, input.size()));
    qsizetype start = pos;
    for (; excess > 0 && start > 0; --excess) {
      const bool pair = start > 1 && input[start - 1].isLowSurrogate() &&
                        input[start - 2].isHighSurrogate();
      start -= pair ? 2 : 1;
    }
    input.remove(start, pos - start);
    pos = static_cast<int>(start);
    if (excess > 0) input.truncate(unitsOfFirstChars(input, n_));  // too long after the cursor alone
    pos = std::min(pos, static_cast<int>(input.size()));
    return Acceptable;
  }

 private:
  int n_;
};

void limitChars(QLineEdit* box, int n) { box->setValidator(new CharLimit(n, box)); }

// A label whose text is shown as it stands: names come from players and from the score file,
// and Qt would take "<h1>AB</h1>" for markup.
QLabel* plainLabel(QLabel* l) {
  l->setTextFormat(Qt::PlainText);
  return l;
}

// A label or box with text in a colour on a background (none: the window shows through).
void paint(QWidget* w, std::uint32_t text, std::optional<std::uint32_t> background) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, colour(text));
  pal.setColor(QPalette::Text, colour(text));
  if (background) {
    pal.setColor(QPalette::Window, colour(*background));
    pal.setColor(QPalette::Base, colour(*background));
    w->setAutoFillBackground(true);
  }
  w->setPalette(pal);
}

// A picture button: a rounded face with its caption.
QImage makeButtonPicture(int width, int height, const QString& caption, QColor top,
                         QColor bottom) {
  QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient face(0, 0, 0, height);
  face.setColorAt(0, top);
  face.setColorAt(1, bottom);
  p.setPen(QPen(bottom.darker(200), 1.5));
  p.setBrush(face);
  p.drawRoundedRect(QRectF(1, 1, width - 2, height - 2), 12, 12);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 70));
  p.drawRoundedRect(QRectF(6, 3, width - 12, height / 3.0), 5, 5);
  QFont f("Arial");
  f.setPixelSize(16);
  f.setBold(true);
  p.setFont(f);
  p.setPen(bottom.darker(250));
  p.drawText(QRectF(1, 1, width, height), Qt::AlignCenter, caption);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 0, width, height), Qt::AlignCenter, caption);
  return img;
}

ClickPicture* pictureButton(QWidget* parent, const char* name, const QString& caption,
                            const PixelBox& box, bool cancel = false) {
  auto* b = new ClickPicture(parent);
  b->setObjectName(name);
  b->setPixmap(QPixmap::fromImage(
      cancel ? makeButtonPicture(box.width, box.height, caption, QColor(220, 140, 140), QColor(120, 20, 30))
             : makeButtonPicture(box.width, box.height, caption, QColor(120, 200, 120), QColor(20, 110, 40))));
  b->setCursor(Qt::PointingHandCursor);
  place(b, box);
  return b;
}

}  // namespace

RecordDialog::RecordDialog(const GameState& g, const QImage& sprites, QWidget* parent)
    : QDialog(parent, kSmallWindowFlags),
      g_(g),
      sprites_(sprites.convertToFormat(QImage::Format_RGB32)) {
  setObjectName("frmRecord");
  setWindowTitle("Your Record");
  setModal(true);
  const ScreenMetrics m = currentScreenMetrics();
  placeWindow(*this, frmRecord_Form_Load(m), m, kRecordClientWidth, kRecordClientHeight);
  picOK_ = pictureButton(this, "picOK", "OK",
                         {kRecordOkLeft, kRecordOkTop, kRecordOkWidth, kRecordOkHeight});
  connect(picOK_, &ClickPicture::clicked, this, &QDialog::accept);
}

void RecordDialog::paintEvent(QPaintEvent*) {
  // Cleared and printed again in full, so a window that was covered shows all of it.
  content_ = QImage(size(), QImage::Format_RGB32);
  content_.fill(colour(kResultBlack));
  QPainter p(&content_);
  const RecordDrawing d = drawRecord(g_, [this](Single points) {
    const QFontMetrics fm(arial(points, g_));
    return FontMeasure{fm.height(), fm.averageCharWidth()};
  });
  p.setPen(colour(kResultGreen));
  for (const PrintedText& t : d.texts) {
    p.setFont(arial(t.fontSize, g_));
    p.drawText(QRect(t.x, t.y, width() - t.x, height() - t.y), Qt::AlignLeft | Qt::AlignTop,
               QString::fromStdString(t.text));
  }
  const QRect mask(200, 0, 20, 20);
  for (const BallSprite& b : d.balls) {
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(QPoint(b.x, b.y), sprites_, mask);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.drawImage(QPoint(b.x, b.y), sprites_, QRect(20 * b.ball, 0, 20, 20));
  }
  p.end();
  QPainter(this).drawImage(0, 0, content_);
}

InputBoxDialog::InputBoxDialog(GameState& g, QWidget* parent)
    : QDialog(parent, kSmallWindowFlags),
      g_(g),
      lblMsg_(plainLabel(new QLabel(this))),
      txtName_(new QLineEdit(this)) {
  setObjectName("frmInputBox");
  setWindowTitle("Velkor");
  setModal(true);
  blackFace(*this);
  const ScreenMetrics m = currentScreenMetrics();
  const InputBoxWindow w = frmInputBox_Form_Load(g_, m);
  placeWindow(*this, w.place, m, kInputBoxClientWidth, kInputBoxClientHeight);

  lblMsg_->setObjectName("lblMsg");
  lblMsg_->setText(QString::fromStdString(w.headline));
  QFont headline = arial(kInputBoxHeadlineFontSize, g_);
  headline.setBold(true);
  lblMsg_->setFont(headline);
  paint(lblMsg_, kResultMagenta, std::nullopt);
  lblMsg_->setAlignment(Qt::AlignCenter);
  place(lblMsg_, kInputBoxLblMsg);

  auto* label1 = new QLabel("Please input your name.", this);
  label1->setObjectName("Label1");
  label1->setFont(arial(kInputBoxLabelFontSize, g_));
  paint(label1, kResultGreen, std::nullopt);
  place(label1, kInputBoxLabel1);

  txtName_->setObjectName("txtName");
  txtName_->setFont(arial(kInputBoxFontSize, g_));
  limitChars(txtName_, kInputBoxMaxLength);
  paint(txtName_, kResultGreen, kResultDarkGrey);
  place(txtName_, kInputBoxTxtName);
  connect(txtName_, &QLineEdit::returnPressed, this, &QDialog::accept);

  picOK_ = pictureButton(this, "picOK", "OK",
                         {w.okLeft, kInputBoxOkTop, kInputBoxOkWidth, kInputBoxOkHeight});
  connect(picOK_, &ClickPicture::clicked, this, &QDialog::accept);
}

void InputBoxDialog::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  txtName_->setFocus();
}

void InputBoxDialog::paintEvent(QPaintEvent* e) {
  QDialog::paintEvent(e);
  if (!txtName_->hasFocus()) txtName_->setFocus();
}

void InputBoxDialog::done(int r) {
  // OK, Enter, Escape and the close box all end here.
  frmInputBox_Form_Unload(g_, txtName_->text().toStdString());
  QDialog::done(r);
}

VsSetupDialog::VsSetupDialog(GameState& g, QWidget* parent)
    : QDialog(parent, kSmallWindowFlags),
      g_(g),
      lblXwins_(plainLabel(new QLabel(this))),
      vScroll1_(new QScrollBar(Qt::Vertical, this)) {
  setObjectName("frmChangeVsMode");
  setWindowTitle("Velkor");
  setModal(true);
  blackFace(*this);
  const ScreenMetrics m = currentScreenMetrics();
  w_ = frmChangeVsMode_Form_Load(g_, m);
  placeWindow(*this, w_.place, m, kVsSetupClientWidth, kVsSetupClientHeight);

  for (int i = 0; i < 2; ++i) {
    auto* box = new QLineEdit(this);
    txtPlayerName_[static_cast<std::size_t>(i)] = box;
    box->setObjectName(QString("txtPlayerName%1").arg(i));
    box->setFont(arial(kVsSetupFontSize, g_));
    limitChars(box, kPlayerNameMaxLength);
    box->setFrame(false);
    paint(box, kResultGreen, kResultDarkGrey);
    place(box, kTxtPlayerName[static_cast<std::size_t>(i)]);
    box->setText(QString::fromStdString(w_.names[static_cast<std::size_t>(i)]));
    box->installEventFilter(this);
    // Return and keypad Enter alike; Escape stays Cancel through the dialog.
    connect(box, &QLineEdit::returnPressed, this, [this] { picOK_Click(); });
  }
  txtPlayerName_[1]->setEnabled(w_.name1Enabled);
  if (!w_.name1Enabled) {
    // A disabled box keeps the window's colours rather than the style's grey.
    QPalette pal = txtPlayerName_[1]->palette();
    pal.setColor(QPalette::Disabled, QPalette::Text, colour(kResultGreen));
    pal.setColor(QPalette::Disabled, QPalette::Base, colour(kResultDarkGrey));
    txtPlayerName_[1]->setPalette(pal);
  }

  auto* label1 = new QLabel("VS", this);
  label1->setObjectName("Label1");
  label1->setFont(arial(kVsSetupFontSize, g_));
  paint(label1, kResultMagenta, std::nullopt);
  label1->setAlignment(Qt::AlignCenter);
  place(label1, kVsLabel1);

  lblXwins_->setObjectName("lblXwins");
  lblXwins_->setFont(arial(kVsSetupFontSize, g_));
  paint(lblXwins_, kResultGreen, kResultDarkGrey);
  place(lblXwins_, kLblXwins);
  lblXwins_->setText(QString::fromStdString(w_.winsText));

  vScroll1_->setObjectName("VScroll1");
  vScroll1_->setRange(scrollPlaceOfGames(kGamesToWinTop), scrollPlaceOfGames(kGamesToWinBottom));
  vScroll1_->setSingleStep(kGamesToWinStep);
  vScroll1_->setPageStep(kGamesToWinStep);
  vScroll1_->setValue(scrollPlaceOfGames(w_.scrollValue));
  place(vScroll1_, kVScroll1);
  connect(vScroll1_, &QScrollBar::valueChanged, this, [this](int place) {
    frmChangeVsMode_VScroll1_Change(g_, w_, gamesAtScrollPlace(place));
    lblXwins_->setText(QString::fromStdString(w_.winsText));
  });

  picOK_ = pictureButton(this, "picOK", "OK", kVsSetupOk);
  picCancel_ = pictureButton(this, "picCancel", "Cancel", kVsSetupCancel, true);
  connect(picOK_, &ClickPicture::clicked, this, [this] { picOK_Click(); });
  connect(picCancel_, &ClickPicture::clicked, this, &QDialog::reject);
}

void VsSetupDialog::picOK_Click() {
  for (std::size_t i = 0; i < 2; ++i) w_.names[i] = txtPlayerName_[i]->text().toStdString();
  frmChangeVsMode_picOK_Click(g_, w_);
  accept();
}

void VsSetupDialog::done(int r) {
  // Cancel, Escape and the close box: the match is given up.
  if (w_.open) frmChangeVsMode_picCancel_Click(g_, w_);
  QDialog::done(r);
}

void VsSetupDialog::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  txtPlayerName_[0]->setFocus();
}

bool VsSetupDialog::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::FocusIn) {
    if (auto* box = qobject_cast<QLineEdit*>(o)) {
      // After the click that gave the focus, so typing replaces the whole name.
      QMetaObject::invokeMethod(
          box,
          [box] {
            const qsizetype units = unitsOfFirstChars(box->text(), kPlayerNameMaxLength);
            box->setSelection(0, static_cast<int>(units));
          },
          Qt::QueuedConnection);
    }
  }
  return QDialog::eventFilter(o, e);
}

VsResultDialog::VsResultDialog(const GameState& g, QWidget* parent)
    : QDialog(parent, kSmallWindowFlags), lblWinner_(plainLabel(new QLabel(this))) {
  setObjectName("frmVsResult");
  setWindowTitle("Velkor");
  setModal(true);
  blackFace(*this);
  const ScreenMetrics m = currentScreenMetrics();
  const VsResultWindow w = frmVsResult_Form_Load(g, m);
  placeWindow(*this, w.place, m, kVsResultClientWidth, kVsResultClientHeight);

  lblWinner_->setObjectName("lblWinner");
  lblWinner_->setAlignment(Qt::AlignCenter);
  lblWinner_->setWordWrap(true);
  lblWinner_->setText(QString::fromStdString(w.winner));
  paint(lblWinner_, w.winnerColor, std::nullopt);
  place(lblWinner_, kVsLblWinner);
  fitArial(lblWinner_, kVsWinnerFontSize, g);

  for (std::size_t i = 0; i < 2; ++i) {
    auto* name = plainLabel(new QLabel(this));
    name->setText(QString::fromStdString(w.names[i]));
    name->setObjectName(QString("lblPlayerName%1").arg(i));
    auto* wins = plainLabel(new QLabel(this));
    wins->setText(QString::fromStdString(w.wins[i]));
    wins->setObjectName(QString("lblWins%1").arg(i));
    for (QLabel* l : {name, wins}) {
      l->setFont(arial(kVsScoreFontSize, g));
      paint(l, w.colors[i], kResultDarkGrey);
    }
    place(name, kVsLblPlayerName[i]);
    place(wins, kVsLblWins[i]);
    lblPlayerName_[i] = name;
    lblWins_[i] = wins;
  }

  picOK_ = pictureButton(this, "picOK", "OK", kVsResultOk);
  connect(picOK_, &ClickPicture::clicked, this, &QDialog::accept);
  setFocusPolicy(Qt::StrongFocus);
}

void VsResultDialog::keyPressEvent(QKeyEvent* e) {
  // A key that types a character (Enter and Escape among them); Shift alone types nothing.
  const int k = e->key();
  if (!e->text().isEmpty() || k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape) {
    accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

void installResultWindows(MFVELKOR& window) {
  GameState& g = window.game();
  window.setModalWindow(Window::frmRecord, [&g, &window] {
    RecordDialog d(g, window.renderer().ballSprites(), &window);
    d.exec();
  });
  window.setModalWindow(Window::frmInputBox, [&g, &window] {
    InputBoxDialog d(g, &window);
    d.exec();
  });
  window.setModalWindow(Window::frmVsResult, [&g, &window] {
    VsResultDialog d(g, &window);
    d.exec();
  });
  window.setModalWindow(Window::frmChangeVsMode, [&g, &window] {
    VsSetupDialog d(g, &window);
    d.exec();
  });
}

}  // namespace velkor
