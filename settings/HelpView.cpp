#include "HelpView.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QTextBrowser>

namespace {

QPointer<QTextBrowser> gHelpWindow;

}  // namespace

QString HelpFilePath(const QString& programDir) {
  const QString dir = programDir.isEmpty() ? QApplication::applicationDirPath() : programDir;
  const QString beside = dir + QStringLiteral("/qn.html");
  const QString installed = QDir::cleanPath(dir + QStringLiteral("/" QUILLAN_INSTALLED_HELP_DIR "/qn.html"));
  return !QFileInfo(beside).isFile() && QFileInfo(installed).isFile() ? installed : beside;
}

QUrl HelpTopicUrl(int topic, const QString& helpFile) {
  QUrl url = QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath());
  url.setFragment(QStringLiteral("topic%1").arg(topic));
  return url;
}

bool ShowHelpTopic(int topic, QWidget* parent, const QString& helpFile) {
  if (!QFileInfo(helpFile).isFile()) {
    QMessageBox::warning(
        parent, QStringLiteral("Help"),
        QStringLiteral("The help file %1 was not found.").arg(QDir::toNativeSeparators(helpFile)));
    return false;
  }
  // One window for the whole run. While a modal dialog runs, the window must belong to
  // that dialog, or the dialog's modality would block it.
  QWidget* owner = QApplication::activeModalWidget();
  if (gHelpWindow && gHelpWindow->parentWidget() != owner) gHelpWindow->setParent(owner, Qt::Window);
  if (!gHelpWindow) {
    gHelpWindow = new QTextBrowser(owner);
    gHelpWindow->setWindowFlags(Qt::Window);
    gHelpWindow->setObjectName(QStringLiteral("HelpWindow"));
    gHelpWindow->setAttribute(Qt::WA_DeleteOnClose);
    gHelpWindow->setAttribute(Qt::WA_QuitOnClose, false);
    gHelpWindow->setOpenExternalLinks(true);
    gHelpWindow->resize(560, 480);
  }
  gHelpWindow->setSource(HelpTopicUrl(topic, helpFile));
  gHelpWindow->setWindowTitle(gHelpWindow->documentTitle().isEmpty() ? QStringLiteral("Quillan Help")
                                                                     : gHelpWindow->documentTitle());
  gHelpWindow->show();
  gHelpWindow->raise();
  gHelpWindow->activateWindow();
  return true;
}

QWidget* HelpWindow() { return gHelpWindow; }
