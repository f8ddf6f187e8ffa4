#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include "HelpView.h"

namespace {

TEST(Help, ShowsThePageAtTheTopicsAnchor) {
  QTemporaryDir dir;
  const QString page = dir.filePath("qn.html");
  QFile f(page);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("<html><body><h1 id=\"topic20\">Editor</h1><h1 id=\"topic30\">Setup</h1></body></html>");
  f.close();

  EXPECT_EQ(HelpTopicUrl(htSetup, page).fragment(), "topic30");
  ASSERT_TRUE(ShowHelpTopic(htEditor, nullptr, page));
  auto* browser = qobject_cast<QTextBrowser*>(HelpWindow());
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->isVisible());
  EXPECT_EQ(browser->source().fragment(), "topic20");

  // The same window serves the next topic.
  ASSERT_TRUE(ShowHelpTopic(htSetup, nullptr, page));
  EXPECT_EQ(HelpWindow(), browser);
  EXPECT_EQ(browser->source().fragment(), "topic30");
  browser->close();
}

// Help asked for from a modal dialog belongs to that dialog, so the dialog's modality does not block it.
TEST(Help, WindowOpenedFromAModalDialogIsUsable) {
  QTemporaryDir dir;
  const QString page = dir.filePath("qn.html");
  QFile f(page);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("<html><body><h1 id=\"topic30\">Setup</h1></body></html>");
  f.close();
  QDialog dialog;
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  ASSERT_TRUE(ShowHelpTopic(htSetup, &dialog, page));
  EXPECT_EQ(HelpWindow()->parentWidget(), &dialog);
  EXPECT_TRUE(HelpWindow()->isWindow());
}

TEST(Help, MissingPageIsReportedNotShown) {
  QString shown;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->text();
      box->accept();
    }
  });
  EXPECT_FALSE(ShowHelpTopic(htSetup, nullptr, "/nonexistent/qn.html"));
  EXPECT_TRUE(shown.contains("/nonexistent/qn.html"));
}

}  // namespace

TEST(Help, PageBesideTheProgramElseInTheInstalledDataFolder) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString bin = dir.filePath("bin");
  QDir(dir.path()).mkpath("bin");
  EXPECT_EQ(HelpFilePath(bin), bin + "/qn.html") << "neither: the page beside the program is named";
  QDir(dir.path()).mkpath("share/quillan");
  QFile(dir.filePath("share/quillan/qn.html")).open(QIODevice::WriteOnly);
  EXPECT_EQ(HelpFilePath(bin), dir.filePath("share/quillan/qn.html"));
  QFile(bin + "/qn.html").open(QIODevice::WriteOnly);
  EXPECT_EQ(HelpFilePath(bin), bin + "/qn.html");
}
