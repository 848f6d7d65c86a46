// The result windows frmRecord, frmInputBox and frmVsResult and the match set-up window
// frmChangeVsMode. Each shows what records/ computes and forwards its events there.
#pragma once

#include <QDialog>
#include <QImage>

#include "records/result_windows.h"
#include "records/vs_setup.h"
#include "screen/qt/dialogs.h"

class QLabel;
class QLineEdit;
class QScrollBar;

namespace velkor {

class MFVELKOR;

// The solo figures; the whole content is drawn again at every paint.
class RecordDialog : public QDialog {
  Q_OBJECT
 public:
  // sprites: the ball strip of the table sheet (sprite n at (20 n, 0), mask at (200, 0)).
  RecordDialog(const GameState& g, const QImage& sprites, QWidget* parent = nullptr);
  ClickPicture* picOK() const { return picOK_; }
  // The client area as the last paint drew it.
  const QImage& content() const { return content_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  const GameState& g_;
  QImage sprites_;
  QImage content_;
  ClickPicture* picOK_;
};

// The name of a solo game that enters the top 10; however it closes, the name is stored.
class InputBoxDialog : public QDialog {
  Q_OBJECT
 public:
  explicit InputBoxDialog(GameState& g, QWidget* parent = nullptr);
  QLabel* lblMsg() const { return lblMsg_; }
  QLineEdit* txtName() const { return txtName_; }
  ClickPicture* picOK() const { return picOK_; }
  void done(int r) override;

 protected:
  void showEvent(QShowEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  GameState& g_;
  QLabel* lblMsg_;
  QLineEdit* txtName_;
  ClickPicture* picOK_;
};

// The names and the games to win of the next match. Closing it any way but OK is Cancel.
class VsSetupDialog : public QDialog {
  Q_OBJECT
 public:
  explicit VsSetupDialog(GameState& g, QWidget* parent = nullptr);
  QLineEdit* txtPlayerName(int i) const { return txtPlayerName_[static_cast<std::size_t>(i)]; }
  QLabel* lblXwins() const { return lblXwins_; }
  QScrollBar* vScroll1() const { return vScroll1_; }
  ClickPicture* picOK() const { return picOK_; }
  ClickPicture* picCancel() const { return picCancel_; }
  const VsSetupWindow& state() const { return w_; }
  void done(int r) override;

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void picOK_Click();
  GameState& g_;
  VsSetupWindow w_;
  std::array<QLineEdit*, 2> txtPlayerName_{};
  QLabel* lblXwins_;
  QScrollBar* vScroll1_;
  ClickPicture* picOK_;
  ClickPicture* picCancel_;
};

// The standing of a match; any key or OK closes it.
class VsResultDialog : public QDialog {
  Q_OBJECT
 public:
  explicit VsResultDialog(const GameState& g, QWidget* parent = nullptr);
  QLabel* lblWinner() const { return lblWinner_; }
  QLabel* lblPlayerName(int i) const { return lblPlayerName_[static_cast<std::size_t>(i)]; }
  QLabel* lblWins(int i) const { return lblWins_[static_cast<std::size_t>(i)]; }
  ClickPicture* picOK() const { return picOK_; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  QLabel* lblWinner_;
  std::array<QLabel*, 2> lblPlayerName_{};
  std::array<QLabel*, 2> lblWins_{};
  ClickPicture* picOK_;
};

// Shows the four windows modally when the game asks for them.
void installResultWindows(MFVELKOR& window);

}  // namespace velkor
