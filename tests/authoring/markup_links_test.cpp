// Addresses read from Internet shortcut files.
#include "LinkCommands.h"
#include "MakerAddresses.h"

#include <QDir>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>

namespace {

class LinksTest : public ::testing::Test {
 protected:
  static std::string Url(const std::string& file) {
    std::string url;
    EXPECT_TRUE(UrlFromFile(file, url));
    return url;
  }
  QTemporaryDir Dir;
  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = Dir.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
};

TEST_F(LinksTest, ShortcutFiles) {
  struct {
    const char* Name;
    std::string Text;
    std::string Url;
  } cases[] = {
      {"plain", "[InternetShortcut]\r\nURL=http://a.example/x?y=1\r\n", "http://a.example/x?y=1"},
      {"other keys first",
       "[DEFAULT]\r\nBASEURL=http://b\r\n[InternetShortcut]\r\nIconIndex=0\r\nURL=http://c\r\n", "http://c"},
      {"case and blanks", "[ internetshortcut ]\n  url =  http://d  \n", "http://d"},
      {"quoted", "[InternetShortcut]\nURL=\"http://e f\"\n", "http://e f"},
      {"empty value", "[InternetShortcut]\nURL=\n", ""},
      {"key elsewhere only", "[Other]\nURL=http://f\n[InternetShortcut]\nIconFile=x\n", kMakerWebSite},
      {"no key", "[InternetShortcut]\nIconIndex=1\n", kMakerWebSite},
      {"empty file", "", kMakerWebSite},
      {"equals in value", "[InternetShortcut]\nURL=http://g/?a=b=c\n", "http://g/?a=b=c"},
      {"first of two", "[InternetShortcut]\nURL=http://h\nURL=http://i\n", "http://h"},
      {"byte order mark", "\xEF\xBB\xBF[InternetShortcut]\nURL=http://j\n", "http://j"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(Url(Write("link.URL", c.Text)), c.Url);
  }
}

TEST_F(LinksTest, NonShortcutLinksToTheFileName) {
  const std::string path = Write("page.url.html", "[InternetShortcut]\nURL=http://x\n");
  EXPECT_EQ(Url(path), path);
  EXPECT_EQ(Url("/no such/dir.url/file"), "/no such/dir.url/file");
  EXPECT_EQ(Url("/missing.url"), kMakerWebSite);
}

TEST_F(LinksTest, ShortcutsThatAreNotFilesAreRefusedWithoutWaiting) {
  const std::string pipe = Dir.filePath("pipe.url").toStdString();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string big = Write("big.url", "[InternetShortcut]\nURL=http://x\n" + std::string(2 << 20, ';'));
  const std::pair<std::string, const char*> cases[] = {
      {pipe, "is a named pipe"}, {Dir.path().toStdString() + "/.url", "is a folder"}, {big, "too large"}};
  QDir(Dir.path()).mkdir(".url");
  for (const auto& [file, reason] : cases) {
    std::string url = "kept", why;
    EXPECT_FALSE(UrlFromFile(file, url, &why)) << file;
    EXPECT_NE(why.find(reason), std::string::npos) << why;
    EXPECT_EQ(url, "kept");
  }
}

}  // namespace
