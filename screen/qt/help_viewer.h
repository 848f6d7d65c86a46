// The help viewer (our stand-in for the platform's help engine) and the help page, which
// opens in the desktop's browser. Bare names are looked up next to the program; a missing
// file or page shows a message and the game goes on.
#pragma once

#include <QDialog>
#include <QString>

#include <string>

#include "state/ports.h"
#include "screen/logic/help_file.h"

class QTextBrowser;

namespace velkor {

class HelpWindow : public QDialog {
 public:
  HelpWindow(HelpFile help, QWidget* parent = nullptr);
  void showContents();
  void showKeywordIndex();
  // Follows a "#topic" link; false when no topic has that id.
  bool showTopic(const QString& id);
  QTextBrowser* browser() const { return browser_; }

 private:
  HelpFile help_;
  QTextBrowser* browser_;
};

// The folder that bare file names resolve to: the program's own.
QString assetPath(const std::string& name);

// Opens (or raises) the one help window on the given file.
void showHelpFile(QWidget* parent, const std::string& file, HelpKind kind);
// Opens the page in the desktop's browser.
void openHelpPageInBrowser(QWidget* parent, const std::string& page);

}  // namespace velkor
