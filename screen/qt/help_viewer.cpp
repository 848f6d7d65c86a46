#include "screen/qt/help_viewer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "screen/qt/dialogs.h"

namespace velkor {

namespace {

QString html(const std::string& s) { return QString::fromStdString(s); }

void tellMissing(QWidget* parent, const std::string& text) {
  runDesktopMessageBox(parent, "VELKOR", QString::fromStdString(text), true);
}

}  // namespace

HelpWindow::HelpWindow(HelpFile help, QWidget* parent)
    : QDialog(parent), help_(std::move(help)), browser_(new QTextBrowser(this)) {
  setObjectName("helpWindow");
  setWindowTitle(QString::fromStdString(help_.title.empty() ? "Help" : help_.title));
  setAttribute(Qt::WA_DeleteOnClose);
  resize(520, 460);
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.hasFragment() && url.path().isEmpty()) {
      showTopic(url.fragment());
    } else {
      QDesktopServices::openUrl(url);
    }
  });
  auto* contents = new QPushButton("Contents", this);
  auto* index = new QPushButton("Keywords", this);
  auto* close = new QPushButton("Close", this);
  connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
  connect(index, &QPushButton::clicked, this, &HelpWindow::showKeywordIndex);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(index);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);
}

void HelpWindow::showContents() { browser_->setHtml(html(helpContentsHtml(help_))); }

void HelpWindow::showKeywordIndex() { browser_->setHtml(html(helpKeywordIndexHtml(help_))); }

bool HelpWindow::showTopic(const QString& id) {
  const HelpTopic* t = findHelpTopic(help_, id.toStdString());
  if (!t) return false;
  browser_->setHtml(html(helpTopicHtml(help_, *t)));
  return true;
}

QString assetPath(const std::string& name) {
  return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromStdString(name));
}

void showHelpFile(QWidget* parent, const std::string& file, HelpKind kind) {
  static QPointer<HelpWindow> window;
  const auto help = loadHelpFile(assetPath(file).toStdString());
  if (!help) {
    tellMissing(parent, missingHelpText(file));
    return;
  }
  if (window) window->close();
  window = new HelpWindow(*help, parent);
  if (kind == HelpKind::contents) {
    window->showContents();
  } else {
    window->showKeywordIndex();
  }
  window->show();
  window->raise();
  window->activateWindow();
}

void openHelpPageInBrowser(QWidget* parent, const std::string& page) {
  const QString path = assetPath(page);
  if (!QFileInfo::exists(path)) {
    tellMissing(parent, missingHelpText(page));
    return;
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
    tellMissing(parent, "The help page \"" + page + "\" could not be opened: no web browser answered.");
  }
}

}  // namespace velkor
