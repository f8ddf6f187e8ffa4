// Files that the kernel makes up as they are read: their size says 0 (proc) or a page (sysfs), and two reads
// may differ. They open with what one read to their end gives, as cat shows them.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <fstream>
#include <iterator>

#include "DocumentFile.h"
#include "xeLineStore.h"

namespace {

std::string CatOf(const char* Path) {
  std::ifstream in(Path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(DocumentGenerated, ProcAndSysFilesAreReadOnceToTheirEnd) {
  // version never changes; status and mountinfo differ between reads or may; cpu/online says 4096 bytes.
  const char* const paths[] = {"/proc/version", "/proc/self/status", "/proc/self/mountinfo",
                               "/sys/devices/system/cpu/online"};
  int tried = 0;
  for (const char* path : paths) {
    if (!QFileInfo::exists(QString::fromLatin1(path))) continue;
    ++tried;
    std::string text;
    QString why;
    TFileForm form;
    form.ExchangeTabs = false;
    EXPECT_EQ(ReadDocumentFile(QString::fromLatin1(path), text, &why, {}, &form), TReadResult::Done)
        << path << ": " << why.toStdString();
    EXPECT_FALSE(text.empty()) << path;
    TxeLineStore lines;
    EXPECT_EQ(ReadDocumentLines(QString::fromLatin1(path), lines, &why, {}, &form), TReadResult::Done)
        << path << ": " << why.toStdString();
    EXPECT_GT(lines.Count(), 0) << path;
    if (std::string_view(path) == "/proc/version") {
      EXPECT_EQ(text, CatOf(path));
      EXPECT_EQ(std::string(lines.Get(0)) + "\n", CatOf(path));
    }
  }
  EXPECT_GT(tried, 0) << "no file of the kernel's to read";
}

}  // namespace
