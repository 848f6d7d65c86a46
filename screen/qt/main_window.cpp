#include "screen/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include "screen/logic/layout.h"
#include "screen/logic/startup.h"
#include "screen/qt/dialogs.h"
#include "screen/qt/help_viewer.h"
#include "screen/qt/records_screen.h"
#include "screen/qt/table_sheet.h"
#include "screen/qt/timer_binding.h"
#include "screen/qt/title_screen.h"
#include "screen/qt/window_events.h"

namespace velkor {

namespace {
QColor colour(std::uint32_t c) { return QColor((c >> 16) & 0xff, (c >> 8) & 0xff, c & 0xff); }

bool isMenuItem(Ctl c) { return c >= Ctl::mnuGame && c < Ctl::Count; }

// Controls inside another control: measured in the parent's pixels.
bool insidePool(Ctl c) { return c == Ctl::shpTarget || c == Ctl::shpQBall; }
}  // namespace

MFVELKOR::MFVELKOR(GameState& g, QWidget* parent)
    : QMainWindow(parent),
      g_(g),
      renderer_(g),
      menuPicture_(makeTitlePicture()),
      setPointPicture_(renderer_.cueBallImage()) {
  setObjectName("MFVELKOR");
  buildControls();
  buildMenus();
  Timer* timers[] = {&g_.Timer1, &g_.Timer2, &g_.timCom, &g_.timDemo, &g_.timTimeCounter, &g_.timBGM};
  // The break aim swings under the title picture too; unseen, its ticks only cost.
  const auto underTitle = [this] { return g_.form[Ctl::picMenu].visible; };
  for (std::size_t i = 0; i < timers_.size(); ++i)
    timers_[i] = bindTimer(*timers[i], this, timers[i] == &g_.Timer2 ? underTitle : std::function<bool()>{});
  g_.screen = this;
  g_.form.setObserver([this](Ctl c) { controlChanged(c); });
  for (std::size_t i = 0; i < kControlCount; ++i) mirror(static_cast<Ctl>(i));
  wireMainWindow(*this);
}

MFVELKOR::~MFVELKOR() {
  g_.form.setObserver(nullptr);
  for (Timer* t : {&g_.Timer1, &g_.Timer2, &g_.timCom, &g_.timDemo, &g_.timTimeCounter, &g_.timBGM})
    t->setObserver(nullptr);
  if (g_.screen == this) g_.screen = &nullScreen();
}

QString MFVELKOR::programFile(const std::string& name) {
  return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromStdString(name));
}

void MFVELKOR::buildControls() {
  auto* client = new QWidget(this);
  client->setObjectName("client");
  client->setFixedSize(kClientWidth, kClientHeight);
  client->setAutoFillBackground(true);
  QPalette pal = client->palette();
  // The classic window face behind the controls.
  pal.setColor(QPalette::Window, QColor(192, 192, 192));
  client->setPalette(pal);
  setCentralWidget(client);
  // The layout is fixed, so is the window: no blank grey area to drag it out to.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  auto picture = [this](Ctl c, QWidget* parent, const QImage* image) {
    auto* w = new PictureBox(events(c), parent);
    w->setImage(image);
    registerWidget(c, w);
    return w;
  };
  auto label = [this](Ctl c, QWidget* parent) {
    auto* w = new EventLabel(events(c), parent);
    registerWidget(c, w);
    return w;
  };

  auto* info = picture(Ctl::picInfomation, client, &renderer_.infomation());
  info->onPaint = [this] { picInfomation_Paint(); };
  auto* pool = picture(Ctl::picPool, client, &renderer_.pool());
  registerWidget(Ctl::shpTarget, new ShapeWidget(ShapeWidget::Kind::dashedCircle, QColor(0, 255, 255), pool));
  registerWidget(Ctl::shpQBall, new ShapeWidget(ShapeWidget::Kind::oval, QColor(255, 0, 0), pool));

  auto* setPoint = picture(Ctl::picSetPoint, client, &setPointPicture_);
  registerWidget(Ctl::shpPointBall,
                 new ShapeWidget(ShapeWidget::Kind::outlineCircle, QColor(128, 128, 128), setPoint));
  registerWidget(Ctl::shpPoint, new ShapeWidget(ShapeWidget::Kind::filledDot, QColor(255, 0, 0), setPoint));

  EventLabel* power = label(Ctl::lblPower, client);
  power->setAlignment(Qt::AlignCenter);
  auto* bar = new QScrollBar(Qt::Horizontal, client);
  registerWidget(Ctl::HScroll1, bar);
  connect(bar, &QScrollBar::valueChanged, this, [this](int v) {
    g_.form.setValue(Ctl::HScroll1, static_cast<Integer>(v));
    if (ControlEvents& e = events(Ctl::HScroll1); e.change) e.change();
  });
  auto* shot = new QPushButton(client);
  registerWidget(Ctl::cmdShot, shot);
  connect(shot, &QPushButton::clicked, this, [this] {
    if (ControlEvents& e = events(Ctl::cmdShot); e.click) e.click();
  });
  picture(Ctl::picPocketedBalls, client, &renderer_.pocketedBalls());
  EventLabel* bip = label(Ctl::lblBIP, client);
  bip->setAlignment(Qt::AlignCenter);

  EventLabel* quib = label(Ctl::lblQuibsMessage, client);
  quib->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  quib->setAutoFillBackground(true);  // covers the status strip's text while quib speaks
  QPalette quibGround = quib->palette();
  quibGround.setColor(QPalette::Window, Qt::black);
  quib->setPalette(quibGround);
  for (Ctl c : {Ctl::lblMenu2, Ctl::lblMenu1, Ctl::lblMenu0}) {
    EventLabel* l = label(c, client);
    l->setAlignment(Qt::AlignCenter);
    l->setCursor(Qt::PointingHandCursor);
  }
  auto* title = new TitleScreen(*this, client);
  registerWidget(Ctl::picMenu, title);
  for (Ctl c : TitleScreen::controls()) registerWidget(c, title->control(c));
  auto* score = new RecordsScreen(g_, renderer_.tableSheet(), events(Ctl::picScore), client);
  registerWidget(Ctl::picScore, score);
  EventLabel* exitScore = label(Ctl::lblExitScore, score);
  exitScore->setAlignment(Qt::AlignCenter);
  exitScore->setCursor(Qt::PointingHandCursor);
}

void MFVELKOR::buildMenus() {
  QMenuBar* bar = menuBar();
  auto menu = [this, bar](Ctl c) {
    QMenu* m = bar->addMenu(QString());
    m->setObjectName(controlName(c));
    m->menuAction()->setObjectName(controlName(c));
    menus_[static_cast<std::size_t>(c)] = m;
    actions_[static_cast<std::size_t>(c)] = m->menuAction();
    return m;
  };
  auto item = [this](QWidget* owner, Ctl c) {
    auto* a = new QAction(owner);
    a->setObjectName(controlName(c));
    if (c == Ctl::mnuSep1 || c == Ctl::mnuSep2 || c == Ctl::mnuSep3) a->setSeparator(true);
    owner->addAction(a);
    actions_[static_cast<std::size_t>(c)] = a;
    connect(a, &QAction::triggered, this, [this, c] {
      if (ControlEvents& e = events(c); e.click) e.click();
    });
    return a;
  };
  QMenu* game = menu(Ctl::mnuGame);
  item(game, Ctl::mnuStart)->setShortcut(Qt::Key_F2);
  for (Ctl c : {Ctl::mnuRetry, Ctl::mnuSep3, Ctl::mnuRecord, Ctl::mnuVS, Ctl::mnuSep1, Ctl::mnuExit})
    item(game, c);
  item(bar, Ctl::mnuChangeMode);
  item(bar, Ctl::mnuCurrentCondition);
  QMenu* option = menu(Ctl::mnuOption);
  item(option, Ctl::mnuSound)->setCheckable(true);
  QMenu* help = menu(Ctl::mnuHelp);
  item(help, Ctl::mnuHelpCont)->setShortcut(Qt::Key_F1);
  for (Ctl c : {Ctl::mnuKey, Ctl::mnuSep2, Ctl::mnuAbout}) item(help, c);
}

void MFVELKOR::registerWidget(Ctl c, QWidget* w) {
  // A widget made elsewhere takes the place of the one built here.
  if (QWidget* old = widgets_[static_cast<std::size_t>(c)]; old && old != w) {
    if (!w->parentWidget()) w->setParent(old->parentWidget());
    w->stackUnder(old);
    old->deleteLater();
    old->setObjectName(QString());
  }
  w->setObjectName(controlName(c));
  widgets_[static_cast<std::size_t>(c)] = w;
  mirror(c);
}

QTimer* MFVELKOR::qtTimer(const Timer& t) const {
  for (QTimer* q : timers_)
    if (q->objectName().toStdString() == t.name()) return q;
  return nullptr;
}

void MFVELKOR::controlChanged(Ctl c) {
  mirror(c);
  if (c == Ctl::picMenu) refreshTimer(qtTimer(g_.Timer2));
}

void MFVELKOR::mirrorWindow() {
  const ControlProps& p = g_.form[Ctl::MFVELKOR];
  setWindowTitle(QString::fromStdString(p.caption));
  // Under a window manager move() places the client area while the frame is still unknown
  // (at start-up) and the frame once it is known, so the same position applied again shifts
  // the window by its frame: it is placed only when the Form holds another position than the
  // one it last took or reported.
  if (const std::pair place{p.left, p.top}; placedAt_ != place) {
    placedAt_ = place;
    move(static_cast<int>(p.left) / g_.twipsPerPixelX, static_cast<int>(p.top) / g_.twipsPerPixelY);
  }
  if (p.visible != isVisible() && !ending_) setVisible(p.visible);
}

void MFVELKOR::mirror(Ctl c) {
  if (c == Ctl::MFVELKOR) return mirrorWindow();
  const ControlProps& p = g_.form[c];
  const QString caption = QString::fromStdString(p.caption);
  if (isMenuItem(c)) {
    QAction* a = action(c);
    if (!a) return;
    if (QMenu* m = menus_[static_cast<std::size_t>(c)]) m->setTitle(caption);
    if (!a->isSeparator()) a->setText(caption);
    a->setVisible(p.visible);
    a->setEnabled(p.enabled);
    a->setChecked(p.checked);
    return;
  }
  QWidget* w = widget(c);
  if (!w) return;
  const WidgetGeometry r = widgetGeometry(p);
  w->setGeometry(r.left, r.top, r.width, r.height);
  w->setVisible(p.visible);
  w->setEnabled(p.enabled);
  w->setToolTip(QString::fromStdString(p.toolTip));
  QFont f(QString::fromStdString(p.fontName));
  f.setPointSizeF(p.fontSize > 0 ? p.fontSize : 9);
  f.setBold(p.fontBold);
  w->setFont(f);
  if (auto* l = qobject_cast<QLabel*>(w)) {
    l->setTextFormat(Qt::PlainText);
    l->setText(caption);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour(p.foreColor));
    l->setPalette(pal);
  } else if (auto* b = qobject_cast<QPushButton*>(w)) {
    b->setText(caption);
  } else if (auto* s = qobject_cast<QScrollBar*>(w)) {
    const QSignalBlocker block(s);
    s->setRange(p.min, p.max);
    s->setSingleStep(p.smallChange);
    s->setPageStep(p.largeChange);
    s->setValue(p.value);
  }
  if (insidePool(c)) w->raise();
}

void MFVELKOR::finishStartup() {
  if (!openingShown_) g_.form.setVisible(Ctl::MFVELKOR, true);
}

void MFVELKOR::moveEvent(QMoveEvent* e) {
  QMainWindow::moveEvent(e);
  // The message box centres itself on the window wherever the user has moved it.
  const auto left = static_cast<Single>(x() * g_.twipsPerPixelX);
  const auto top = static_cast<Single>(y() * g_.twipsPerPixelY);
  placedAt_ = {left, top};
  const ControlProps& p = g_.form[Ctl::MFVELKOR];
  if (left != p.left || top != p.top) g_.form.move(Ctl::MFVELKOR, left, top);
}

void MFVELKOR::Form_Paint() {
  g_.form.setAutoRedraw(Ctl::picPool, true);
  drawTable();
}

void MFVELKOR::picInfomation_Paint() { renderer_.showInfomation(); }

void MFVELKOR::paintEvent(QPaintEvent* e) {
  QMainWindow::paintEvent(e);
  Form_Paint();
}

void MFVELKOR::drawTable() {
  renderer_.drawTable();
  if (QWidget* w = widget(Ctl::picPool)) w->update();
}

void MFVELKOR::drawBallOnTable(int ballNo) {
  renderer_.drawBallOnTable(ballNo);
  if (QWidget* w = widget(Ctl::picPool)) w->update();
}

void MFVELKOR::drawBallIntoPocket(int ballNo, int pocketNo) {
  renderer_.drawBallIntoPocket(ballNo, pocketNo);
  if (QWidget* w = widget(Ctl::picPool)) w->update();
}

void MFVELKOR::drawPocketedBalls() {
  renderer_.drawPocketedBalls();
  if (QWidget* w = widget(Ctl::picPocketedBalls)) w->update();
}

void MFVELKOR::showInfomation() {
  renderer_.showInfomation();
  if (QWidget* w = widget(Ctl::picInfomation)) w->update();
}

void MFVELKOR::clearPicture(Ctl c) {
  if (c == Ctl::picPool) renderer_.clearPool();
  if (c == Ctl::picPocketedBalls) {
    // The strip's background is its only content when every ball is on the table.
    renderer_.drawPocketedBalls();
  }
  if (QWidget* w = widget(c)) w->update();
}

void MFVELKOR::refreshPicture(Ctl c) {
  if (QWidget* w = widget(c)) w->update();
}

void MFVELKOR::showSizedMessageBox(const MsgBoxLayout& box) { runMessageBox(box); }

void MFVELKOR::showStandardMessage(const std::string& text) {
  runDesktopMessageBox(isVisible() ? this : nullptr, QCoreApplication::applicationName(),
                       QString::fromStdString(text));
}

void MFVELKOR::setModalWindow(Window w, std::function<void()> show) {
  modalWindows_[w] = std::move(show);
}

void MFVELKOR::showModal(Window w) {
  if (const auto it = modalWindows_.find(w); it != modalWindows_.end() && it->second) {
    it->second();
  } else if (modalWindow) {
    modalWindow(w);
  }
}

void MFVELKOR::pumpEvents() { QCoreApplication::processEvents(); }

void MFVELKOR::loadBallSprites() { renderer_.loadBallSprites(); }

void MFVELKOR::loadPicture(Picture which, const std::string& file) {
  // A missing or unreadable file keeps the built-in picture.
  const QString path = programFile(file);
  if (which == Picture::picTable) {
    renderer_.loadTableSheet(path);
    return;
  }
  QImage loaded(path);
  if (loaded.isNull()) return;
  menuPicture_ = loaded.convertToFormat(QImage::Format_RGB32);
  if (QWidget* w = widget(Ctl::picMenu)) w->update();
}

void MFVELKOR::copyCueBallImage() {
  setPointPicture_ = renderer_.cueBallImage();
  if (QWidget* w = widget(Ctl::picSetPoint)) w->update();
}

void MFVELKOR::showOpeningWindow() {
  if (!openingWindow) return;
  openingShown_ = true;
  openingWindow();
}

void MFVELKOR::endProgram() {
  if (ending_) return;
  ending_ = true;
  for (QTimer* t : timers_) t->stop();
  for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
  QCoreApplication::exit(0);
}

void MFVELKOR::showHelp(const std::string& file, HelpKind kind) { showHelpFile(this, file, kind); }

void MFVELKOR::openHelpPage(const std::string& page) { openHelpPageInBrowser(this, page); }

void MFVELKOR::closeEvent(QCloseEvent* e) {
  e->accept();
  if (!ending_) Form_Unload(g_);
}

}  // namespace velkor
