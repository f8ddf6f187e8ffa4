// The state folder: made private, never reached through a link, refused when it is not the user's own.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "FileBytes.h"
#include "QtPrinters.h"
#include "StateFolder.h"

TEST(StateFolder, FollowsXdgStateHomeOnlyWhenAbsolute) {
  const QByteArray kept = qgetenv("XDG_STATE_HOME");
  qputenv("XDG_STATE_HOME", "/somewhere/state");
  EXPECT_EQ(StateFolder(), "/somewhere/state/quillan");
  qputenv("XDG_STATE_HOME", "relative/state");
  EXPECT_EQ(StateFolder(), QDir::homePath() + "/.local/state/quillan");
  qputenv("XDG_STATE_HOME", kept);
}

TEST(StateFolder, OpensOnlyAPrivateFolderOfTheUser) {
  QTemporaryDir top;
  ASSERT_TRUE(top.isValid());
  struct TCase {
    const char* What;
    std::function<void(const QString& Folder)> Make;
    bool Create;
    bool Opens;
    QString Why;
  };
  const TCase cases[] = {
      {"missing, not to be made", [](const QString&) {}, false, false, ""},
      {"missing, made", [](const QString&) {}, true, true, ""},
      {"open to others",
       [](const QString& F) {
         QDir().mkpath(F);
         ::chmod(QFile::encodeName(F), 0755);
       },
       false, true, ""},
      {"a symbolic link to a folder",
       [&top](const QString& F) {
         QDir().mkpath(top.filePath("elsewhere"));
         QDir().mkpath(QFileInfo(F).absolutePath());
         QFile::link(top.filePath("elsewhere"), F);
       },
       true, false, "is a symbolic link, not a folder"},
      {"a file",
       [](const QString& F) {
         QDir().mkpath(QFileInfo(F).absolutePath());
         WriteBytes(F, "x");
       },
       true, false, "is not a folder"},
  };
  int round = 0;
  for (const TCase& c : cases) {
    const QString folder = top.filePath(QString::number(++round) + "/state/quillan");
    c.Make(folder);
    QString why = "untouched";
    const TReadOnlyFile dir = OpenStateFolder(folder, c.Create, &why);
    EXPECT_EQ(dir.IsOpen(), c.Opens) << c.What;
    if (!c.Opens) {
      EXPECT_EQ(why, c.Why.isEmpty() ? QString("untouched") : c.Why) << c.What;
    }
    if (c.Opens) {
      struct stat st {};
      ASSERT_EQ(::fstat(dir.Fd(), &st), 0);
      EXPECT_EQ(st.st_mode & 0777, 0700u) << c.What << ": nobody else enters it";
    }
  }
}
