// The program names itself to the desktop with the id its packaging files are installed under, and brings
// its icon in every installed size.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QIcon>

#include "AppIdentity.h"
#include "QtTestApp.h"

TEST(AppIdentity, IdMatchesThePackagingAndTheIconIsBuiltIn) {
  QApplication* app = EnsureQtApp();
  const QIcon before = app->windowIcon();
  const QString name = app->desktopFileName();
  ApplyDesktopIdentity(*app);
  const QString id = QString::fromLatin1(DesktopId);
  EXPECT_EQ(app->desktopFileName(), id);
  EXPECT_EQ(id, id.toLower());
  const QString packaging = QStringLiteral(QUILLAN_TEST_DATA "/../../packaging/");
  for (const QString& file : {id + ".desktop", id + ".metainfo.xml", "icons/" + id + ".svg"})
    EXPECT_TRUE(QFileInfo::exists(packaging + file)) << file.toStdString();
  const QList<QSize> sizes = app->windowIcon().availableSizes();
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
  app->setWindowIcon(before);
  app->setDesktopFileName(name);
}
