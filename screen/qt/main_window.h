// The main window MFVELKOR: its controls as widgets named after them (built here, one way),
// the one mirror of the game's Form onto those widgets, the six timers, and the Screen port on
// top of the table drawing. Its events are wired in one place, wireMainWindow, which the
// constructor calls once every widget stands. Other parts of the screen add their own widgets
// with registerWidget and their modal windows with setModalWindow, without changing this class.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "state/game_state.h"
#include "screen/qt/table_renderer.h"
#include "screen/qt/widgets.h"

class QAction;
class QMenu;
class QTimer;

namespace velkor {

class MFVELKOR : public QMainWindow, public Screen {
  Q_OBJECT
 public:
  explicit MFVELKOR(GameState& g, QWidget* parent = nullptr);
  ~MFVELKOR() override;

  GameState& game() { return g_; }
  TableRenderer& renderer() { return renderer_; }

  // The hooks of a control; wireMainWindow sets them.
  ControlEvents& events(Ctl c) { return events_[static_cast<std::size_t>(c)]; }
  // The widget of a control (nullptr for menu items and controls without one).
  QWidget* widget(Ctl c) const { return widgets_[static_cast<std::size_t>(c)]; }
  // The menu action of a menu item (for a menu, its title action).
  QAction* action(Ctl c) const { return actions_[static_cast<std::size_t>(c)]; }
  // Adds a control's widget (the title screen's buttons and switches, a widget made
  // elsewhere), or puts one in the place of the widget built here; it is then kept in step
  // with the Form like every other control.
  void registerWidget(Ctl c, QWidget* w);
  QTimer* qtTimer(const Timer& t) const;

  // The title picture (picMenu) and the contact-point picture (picSetPoint).
  const QImage& menuPicture() const { return menuPicture_; }
  const QImage& setPointPicture() const { return setPointPicture_; }

  // Shows the opening window; set by the opening window's owner. Without it the main
  // window shows itself once start-up has finished.
  std::function<void()> openingWindow;
  // Shows a modal window of the game: each window's owner sets its own, once and in any order
  // (an empty one passes the window on to modalWindow).
  void setModalWindow(Window w, std::function<void()> show);
  // The windows that no owner has set (windows built later; tests record them here).
  std::function<void(Window)> modalWindow;
  // Called after start-up: shows the main window unless the opening window will.
  void finishStartup();

  void Form_Paint();
  void picInfomation_Paint();

  // Screen.
  void controlChanged(Ctl c) override;
  void drawTable() override;
  void drawBallOnTable(int ballNo) override;
  void drawBallIntoPocket(int ballNo, int pocketNo) override;
  void drawPocketedBalls() override;
  void showInfomation() override;
  void clearPicture(Ctl c) override;
  void refreshPicture(Ctl c) override;
  void showSizedMessageBox(const MsgBoxLayout& box) override;
  void showStandardMessage(const std::string& text) override;
  void showModal(Window w) override;
  void pumpEvents() override;
  void loadBallSprites() override;
  void loadPicture(Picture which, const std::string& file) override;
  void copyCueBallImage() override;
  void showOpeningWindow() override;
  void endProgram() override;
  void showHelp(const std::string& file, HelpKind kind) override;
  void openHelpPage(const std::string& page) override;

  // Where bare file names are looked up: the folder of the executable.
  static QString programFile(const std::string& name);

 protected:
  void closeEvent(QCloseEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void moveEvent(QMoveEvent* e) override;

 private:
  void buildControls();
  void buildMenus();
  void mirror(Ctl c);
  void mirrorWindow();

  GameState& g_;
  TableRenderer renderer_;
  QImage menuPicture_;
  QImage setPointPicture_;
  std::array<ControlEvents, kControlCount> events_{};
  std::array<QWidget*, kControlCount> widgets_{};
  std::array<QAction*, kControlCount> actions_{};
  std::array<QMenu*, kControlCount> menus_{};
  std::array<QTimer*, 6> timers_{};
  std::map<Window, std::function<void()>> modalWindows_;
  // The Form's window position (twips) that the window last took from it or reported to it.
  std::optional<std::pair<Single, Single>> placedAt_;
  bool openingShown_ = false;
  bool ending_ = false;
};

}  // namespace velkor
