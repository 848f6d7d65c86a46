#include "screen/qt/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <cmath>

#include "screen/qt/dialog_pictures.h"

namespace velkor {

namespace {

// The frame's caption bar: the game's heights are outer heights, Qt sizes the client area.
constexpr int kCaptionPx = 25;

int toPx(Single twips, Single twipsPerPixel) {
  return static_cast<int>(std::lround(twips / twipsPerPixel));
}

}  // namespace

ScreenMetrics currentScreenMetrics() {
  ScreenMetrics m;
  if (QScreen* s = QGuiApplication::primaryScreen()) {
    const double dpiX = s->logicalDotsPerInchX();
    const double dpiY = s->logicalDotsPerInchY();
    if (dpiX > 0) m.twipsPerPixelX = static_cast<Single>(std::round(1440.0 / dpiX));
    if (dpiY > 0) m.twipsPerPixelY = static_cast<Single>(std::round(1440.0 / dpiY));
    m.width = static_cast<Single>(s->geometry().width()) * m.twipsPerPixelX;
    m.height = static_cast<Single>(s->geometry().height()) * m.twipsPerPixelY;
  }
  return m;
}

void runDesktopMessageBox(QWidget* parent, const QString& title, const QString& text,
                          bool warning) {
  QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::NoIcon, title, text,
                  QMessageBox::Ok, parent, kSmallWindowFlags);
  // The text may name a file or come from a player: never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

MsgBoxDialog::MsgBoxDialog(const MsgBoxLayout& box, QWidget* parent)
    : QDialog(parent, kSmallWindowFlags),
      lblMsg_(new QLabel(this)),
      picOK_(new EventLabel(okEvents_, this)) {
  setObjectName("frmMsgBox");
  setWindowTitle("Massage from Velkor");
  setModal(true);
  const ScreenMetrics m = currentScreenMetrics();
  const Single tx = m.twipsPerPixelX;
  const Single ty = m.twipsPerPixelY;

  lblMsg_->setObjectName("lblMsg");
  QFont font(QString::fromStdString(box.labelFontName));
  font.setPointSizeF(box.labelFontSize);
  lblMsg_->setFont(font);
  // The text may hold a player's name: never read as markup.
  lblMsg_->setTextFormat(Qt::PlainText);
  lblMsg_->setText(QString::fromStdString(box.text));
  lblMsg_->adjustSize();  // the label sizes itself to its text unless the box says otherwise
  if (box.labelWidth) lblMsg_->resize(toPx(*box.labelWidth, tx), lblMsg_->height());
  lblMsg_->move(toPx(box.labelLeft, tx), toPx(box.labelTop, ty));

  picOK_->setObjectName("picOK");
  picOK_->setPixmap(QPixmap::fromImage(makeOkPicture()));
  picOK_->setCursor(Qt::PointingHandCursor);
  picOK_->setGeometry(toPx(box.okLeft, tx), toPx(box.okTop, ty), toPx(box.okWidth, tx),
                      toPx(box.okHeight, ty));
  okEvents_.click = [this] { accept(); };

  setFixedSize(toPx(box.width, tx), std::max(1, toPx(box.height, ty) - kCaptionPx));
  move(toPx(box.left, tx), toPx(box.top, ty));
}

void MsgBoxDialog::keyPressEvent(QKeyEvent* e) {
  const int k = e->key();
  if (!e->text().isEmpty() || k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape) {
    accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

void runMessageBox(const MsgBoxLayout& box) {
  MsgBoxDialog dialog(box);
  dialog.exec();
}

OpeningWidget::OpeningWidget(GameState& g, const ScreenMetrics& screen)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Window), g_(g) {
  setObjectName("frmOpening");
  setAttribute(Qt::WA_DeleteOnClose);
  events_.click = [this] {
    frmOpening_Form_Click(g_, w_);
    follow();
  };
  frmOpening_Form_Load(g_, w_, screen);
  // A bare name: looked up in the program's own folder, where the assets are.
  if (!w_.pictureFile.empty()) {
    picture_.load(QDir(QCoreApplication::applicationDirPath())
                      .filePath(QString::fromStdString(w_.pictureFile)));
  }
  // A missing or unreadable bitmap file leaves the built-in picture.
  if (picture_.isNull()) picture_ = makeOpeningPicture();
  setFixedSize(OpeningWindow::kPictureWidth, OpeningWindow::kPictureHeight);
  move(toPx(w_.left, screen.twipsPerPixelX), toPx(w_.top, screen.twipsPerPixelY));
  timer_.setInterval(OpeningWindow::kTimerInterval);
  connect(&timer_, &QTimer::timeout, this, &OpeningWidget::tick);
  timer_.start();
}

void OpeningWidget::tick() {
  frmOpening_Timer1_Timer(g_, w_);
  follow();
}

void OpeningWidget::mouseReleaseEvent(QMouseEvent* e) {
  mouse_.release(e, rect().contains(e->position().toPoint()));
}

void OpeningWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, picture_);
}

void OpeningWidget::follow() {
  if (!w_.timerEnabled) timer_.stop();
  if (!w_.open) close();
}

OpeningWidget* showOpeningWindow(GameState& g) {
  auto* w = new OpeningWidget(g, currentScreenMetrics());
  w->show();
  return w;
}

VersionDialog::VersionDialog(const GameState& g, QWidget* parent)
    : QDialog(parent, kSmallWindowFlags),
      label1_(new QLabel(this)),
      command1_(new QPushButton("OK", this)),
      picPelzo_(new EventLabel(pelzoEvents_, this)),
      picPelzos_(makePelzoStrip()) {
  setObjectName("frmVersion");
  setWindowTitle("バージョン情報");
  setModal(true);
  const ScreenMetrics m = currentScreenMetrics();
  constexpr int kWidth = 300;
  constexpr int kHeight = 150;
  setFixedSize(kWidth, kHeight - kCaptionPx);
  w_.width = kWidth * m.twipsPerPixelX;
  w_.height = kHeight * m.twipsPerPixelY;
  frmVersion_Form_Load(g, w_, m);
  move(toPx(w_.left, m.twipsPerPixelX), toPx(w_.top, m.twipsPerPixelY));

  picPelzo_->setObjectName("picPelzo");
  picPelzo_->setGeometry(20, 22, VersionWindow::kFrameSize, VersionWindow::kFrameSize);
  picPelzo_->setCursor(Qt::PointingHandCursor);
  showFrame(0);
  pelzoEvents_.click = [this] {
    frmVersion_picPelzo_Click(w_);
    if (w_.timerEnabled && !timer_.isActive()) timer_.start();
  };

  auto* label4 = new QLabel("VELKOR", this);
  label4->setObjectName("Label4");
  QFont big("Arial");
  big.setPointSize(18);
  big.setBold(true);
  label4->setFont(big);
  label4->setGeometry(72, 10, 200, 32);

  label1_->setObjectName("Label1");
  QFont small("Arial");
  small.setPointSize(10);
  label1_->setFont(small);
  // The caption's line break is CR LF; the label breaks the line at the LF.
  label1_->setTextFormat(Qt::PlainText);
  label1_->setText(QString::fromStdString(w_.label1Caption).remove('\r'));
  label1_->setGeometry(72, 44, 220, 40);

  command1_->setObjectName("Command1");
  command1_->setGeometry(kWidth - 100, kHeight - kCaptionPx - 36, 84, 26);
  command1_->setDefault(true);
  connect(command1_, &QPushButton::clicked, this, &QDialog::accept);

  timer_.setInterval(VersionWindow::kTimerInterval);
  connect(&timer_, &QTimer::timeout, this, &VersionDialog::tick);
}

void VersionDialog::tick() {
  showFrame(frmVersion_Timer1_Timer(w_));
  if (!w_.timerEnabled) timer_.stop();
}

void VersionDialog::showFrame(int f) {
  constexpr int s = VersionWindow::kFrameSize;
  picPelzo_->setPixmap(QPixmap::fromImage(picPelzos_.copy(s * f, 0, s, s)));
}

void runVersionWindow(const GameState& g, QWidget* parent) {
  VersionDialog dialog(g, parent);
  dialog.exec();
}

}  // namespace velkor
