// What the live preview's page may read: the decision for every way a request can name a file outside the
// document's folder, and the open that checks the file it got.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "LivePreviewFolder.h"

namespace {

struct PreviewFolder : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(Top.isValid());
    Root = QFile::encodeName(QDir(Top.path()).canonicalPath());
    ASSERT_TRUE(QDir(Top.path()).mkpath("site/css/.git") && QDir(Top.path()).mkpath("site/.cache/img") &&
                QDir(Top.path()).mkpath("site-other") && QDir(Top.path()).mkpath("site/with space"));
    for (const char* name :
         {"outside.txt", "site/page.html", "site/pic.png", "site/css/style.css", "site/css/.git/config",
          "site/.cache/img/a.png", "site/.hidden", "site-other/x.txt", "site/with space/é.png"})
      Write(name);
    Link("../outside.txt", "site/out-link");
    Link(Root + "/site-other", "site/other");  // a sibling whose name starts like the folder's
    Link("pic.png", "site/in-link.png");
    Link("css", "site/styles");
    Link("/etc/passwd", "site/passwd");
    Link("/proc/self/environ", "site/environ");
    Link("loop", "site/loop");
    Link("/", "site/root");
    ASSERT_EQ(::mkfifo(Root + "/site/fifo", 0600), 0);
    Tree = PreviewTreeOf(Root + "/site");
  }
  void Write(const char* Name) {
    QFile file(QFile::decodeName(Root + '/' + Name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("content");
  }
  void Link(const QByteArray& Target, const char* Name) {
    ASSERT_EQ(::symlink(Target.constData(), Root + '/' + Name), 0) << Name;
  }

  QTemporaryDir Top;
  QByteArray Root, Tree;
};

TEST_F(PreviewFolder, OnlyFilesOfTheFolderTreeAreServed) {
  EXPECT_EQ(Tree, Root + "/site");
  EXPECT_EQ(PreviewTreeOf(Root + "/site/../site/"), Tree);
  EXPECT_EQ(PreviewTreeOf("/"), "") << "the root folder's tree would be every file";
  EXPECT_EQ(PreviewTreeOf(Root + "/missing"), "");
  EXPECT_EQ(PreviewTreeOf(Root + "/site/page.html"), "");

  // A request's path as it stands in the address -> the real file served ("" refused).
  const QByteArray site = Root + "/site";
  const struct {
    QByteArray Request, Served;
  } rows[] = {
      {site + "/pic.png", site + "/pic.png"},
      {site + "/css/style.css", site + "/css/style.css"},
      {site + "/in-link.png", site + "/pic.png"},
      {site + "/styles/style.css", site + "/css/style.css"},
      {site + "/css/../pic.png", site + "/pic.png"},
      {site + "/with%20space/%C3%A9.png", site + "/with space/é.png"},
      {site + "/../outside.txt", ""},
      {site + "/%2e%2e/outside.txt", ""},
      {site + "/..%2foutside.txt", ""},
      {site + "/%2E%2E%2Foutside.txt", ""},
      {site + "/css/..%2f..%2f..%2foutside.txt", ""},
      {Root + "/outside.txt", ""},
      {"/etc/passwd", ""},
      {"/proc/self/environ", ""},
      {site + "/out-link", ""},
      {site + "/other/x.txt", ""},
      {Root + "/site-other/x.txt", ""},
      {site + "/passwd", ""},
      {site + "/environ", ""},
      {site + "/root/etc/passwd", ""},
      {site + "/loop", ""},
      {site + "/.hidden", ""},
      {site + "/css/.git/config", ""},
      {site + "/.cache/img/a.png", ""},
      {site + "/missing.png", ""},
      {site, ""},
      {site + "/css", site + "/css"},  // a folder passes here; the open refuses it
      {site + "/pic.png%00.txt", ""},
      {"pic.png", ""},
      {"", ""},
  };
  for (const auto& row : rows)
    EXPECT_EQ(PreviewFileFor(Tree, row.Request), row.Served) << row.Request.constData();
  EXPECT_EQ(PreviewFileFor("", site + "/pic.png"), "") << "no tree, no file";
}

TEST_F(PreviewFolder, TheFileOpenedIsCheckedAgain) {
  const QByteArray picture = PreviewFileFor(Tree, Tree + "/pic.png");
  const int fd = OpenPreviewFile(Tree, picture);
  ASSERT_GE(fd, 0);
  char bytes[16] = {};
  EXPECT_EQ(::read(fd, bytes, sizeof bytes), 7);
  ::close(fd);

  for (const char* name : {"/css", "/fifo"})
    EXPECT_EQ(OpenPreviewFile(Tree, Tree + name), -1) << name << ": only regular files, and without waiting";
  EXPECT_EQ(OpenPreviewFile(Tree, Root + "/outside.txt"), -1);
  EXPECT_EQ(OpenPreviewFile(Tree, Tree + "/.hidden"), -1);

  // Between the decision and the open the file becomes a link out, or its folder does.
  const QByteArray style = PreviewFileFor(Tree, Tree + "/css/style.css");
  ASSERT_EQ(style, Tree + "/css/style.css");
  ASSERT_EQ(::rename(Tree + "/css", Tree + "/css-old"), 0);
  ASSERT_EQ(::symlink(Root + "/site-other", Tree + "/css"), 0);
  Write("site-other/style.css");
  EXPECT_EQ(OpenPreviewFile(Tree, style), -1) << "a folder on the way swapped for a link";
  ASSERT_EQ(::unlink(Tree + "/css"), 0);
  ASSERT_EQ(::rename(Tree + "/css-old", Tree + "/css"), 0);
  ASSERT_EQ(::unlink(style), 0);
  ASSERT_EQ(::symlink(Root + "/outside.txt", style), 0);
  EXPECT_EQ(OpenPreviewFile(Tree, style), -1) << "the file swapped for a link";
}

}  // namespace
