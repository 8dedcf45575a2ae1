#include "ui/qt/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace ui::qt {
namespace {

QString Existing(const QString& path) {
  if (QFileInfo::exists(path)) return path;
  if (path.endsWith(".hlp", Qt::CaseInsensitive)) {
    const QString html = path.left(path.size() - 4) + ".html";
    if (QFileInfo::exists(html)) return html;
  }
  return {};
}

}  // namespace

std::string FindHelpFile(const std::string& file) {
  const QString path = QString::fromStdString(file);
  QString found = Existing(path);
  if (found.isEmpty()) {
    // The installed layout: programs in bin/, their data in share/vantelor/.
    const QFileInfo info(path);
    found = Existing(QDir::cleanPath(info.path() + "/../share/vantelor/" + info.fileName()));
  }
  return found.toStdString();
}

HelpWindow::HelpWindow() : browser_(std::make_unique<QTextBrowser>()) {
  browser_->setWindowTitle("Aide");
  browser_->resize(640, 480);
}

void HelpWindow::Show(const std::string& file, const std::string& anchor) {
  const QString path = QString::fromStdString(FindHelpFile(file));
  if (path.isEmpty()) {
    browser_->setPlainText("Le fichier d'aide est introuvable : " + QString::fromStdString(file));
  } else {
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (!anchor.empty()) url.setFragment(QString::fromStdString(anchor));
    browser_->setSource(url);
    if (!anchor.empty()) browser_->scrollToAnchor(QString::fromStdString(anchor));
  }
  browser_->show();
  browser_->raise();
}

}  // namespace ui::qt
