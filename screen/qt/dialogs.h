// The message box frmMsgBox, the opening window frmOpening and the version window frmVersion.
// Each mirrors its state from screen/logic and forwards its events there.
#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "state/game_state.h"
#include "screen/logic/dialogs.h"
#include "screen/qt/widgets.h"

class QPushButton;

namespace velkor {

// The screen in twips, as the Qt screen reports it.
ScreenMetrics currentScreenMetrics();

// The frame of the message boxes and the small windows: a title and a close button. A modal
// window minimised out of sight would leave the game blocked behind it, and none of them
// changes its size.
inline constexpr Qt::WindowFlags kSmallWindowFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// The desktop's message box with an OK button, in the small windows' frame; returns when it
// has closed.
void runDesktopMessageBox(QWidget* parent, const QString& title, const QString& text,
                          bool warning = false);

class MsgBoxDialog : public QDialog {
  Q_OBJECT
 public:
  explicit MsgBoxDialog(const MsgBoxLayout& box, QWidget* parent = nullptr);
  QLabel* lblMsg() const { return lblMsg_; }
  EventLabel* picOK() const { return picOK_; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  ControlEvents okEvents_;
  QLabel* lblMsg_;
  EventLabel* picOK_;
};

// Shows the box modally, with no owner window; returns when it has closed.
void runMessageBox(const MsgBoxLayout& box);

class OpeningWidget : public QWidget {
  Q_OBJECT
 public:
  OpeningWidget(GameState& g, const ScreenMetrics& screen);
  const OpeningWindow& state() const { return w_; }
  QTimer* timer() { return &timer_; }
  // The opening timer's tick.
  void tick();

 protected:
  void mousePressEvent(QMouseEvent* e) override { mouse_.press(e); }
  void mouseReleaseEvent(QMouseEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  void follow();
  ControlEvents events_;
  MouseForwarder mouse_{events_};
  GameState& g_;
  OpeningWindow w_;
  QImage picture_;
  QTimer timer_;
};

// Shows the opening window without waiting; it deletes itself when it closes.
OpeningWidget* showOpeningWindow(GameState& g);

class VersionDialog : public QDialog {
  Q_OBJECT
 public:
  explicit VersionDialog(const GameState& g, QWidget* parent = nullptr);
  const VersionWindow& state() const { return w_; }
  QLabel* label1() const { return label1_; }
  QPushButton* command1() const { return command1_; }
  EventLabel* picPelzo() const { return picPelzo_; }
  QTimer* timer() { return &timer_; }
  // The mascot timer's tick.
  void tick();

 private:
  void showFrame(int f);
  ControlEvents pelzoEvents_;
  VersionWindow w_;
  QLabel* label1_;
  QPushButton* command1_;
  EventLabel* picPelzo_;
  QImage picPelzos_;
  QTimer timer_;
};

// Shows the version window modally; returns when it has closed.
void runVersionWindow(const GameState& g, QWidget* parent = nullptr);

}  // namespace velkor
