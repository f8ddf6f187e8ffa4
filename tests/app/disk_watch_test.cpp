// The checksums taken while a file is read or written agree with one taken from the file itself, and tell
// other contents from a new time alone.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QTemporaryDir>

#include "FileContent.h"
#include "main_fakes.h"
#include "xeLineStore.h"

namespace {

void SetModifiedLater(const QString& Path, int Seconds) {
  QFile file(Path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(
      file.setFileTime(QDateTime::currentDateTime().addSecs(Seconds), QFileDevice::FileModificationTime));
}

TEST(FileContent, ChecksumsOfReadsAndWritesAgreeWithTheFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("page.html"));
  std::string big;
  for (int i = 0; big.size() < (9u << 20); ++i) big += "<p>line " + std::to_string(i) + "\tend</p>\r\n";
  using std::string_literals::operator""s;
  const std::string cases[] = {
      "", "one\n", "caf\xC3\xA9\n", "caf\xE9 in 8 bits\n",
      "<meta charset=\"windows-1251\"><p>\xE6</p>\n", "\xFF\xFEu\0t\0f\0-\0001\0006\0"s, big,
  };
  for (const std::string& bytes : cases) {
    SCOPED_TRACE(bytes.substr(0, 40));
    WriteBytes(path, bytes);
    const std::optional<TContentStamp> stamp = StampOfFile(path);
    ASSERT_TRUE(stamp && stamp->Checksum);
    EXPECT_EQ(stamp->Identity, FileIdentityOf(path));
    TFileForm form;
    TEncodingChoice choice;
    choice.Declarations = dcHTML;
    std::string text;
    ASSERT_EQ(ReadDocumentFile(path, text, nullptr, {}, &form, {}, choice), TReadResult::Done);
    EXPECT_EQ(form.Checksum, stamp->Checksum) << "whole read";
    TFileForm linesForm;
    TxeLineStore lines;
    ASSERT_EQ(ReadDocumentLines(path, lines, nullptr, {}, &linesForm, {}, choice), TReadResult::Done);
    EXPECT_EQ(linesForm.Checksum, stamp->Checksum) << "read into lines";
    // Written back in its own form, the file's checksum is the one the writer gives.
    std::uint64_t written = 0;
    ASSERT_TRUE(WriteDocumentFile(
        path, lines.Count(), [&](std::size_t I) { return lines.Get(I); }, nullptr, {}, linesForm, &written));
    const std::optional<TContentStamp> after = StampOfFile(path);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->Checksum, written);
  }
  // Contents tell apart; a touch does not.
  WriteBytes(path, "one\n");
  const TContentStamp seen = *StampOfFile(path);
  TContentStamp now;
  SetModifiedLater(path, 10);
  EXPECT_FALSE(ContentChanged(seen, path, &now));
  EXPECT_EQ(now.Identity, FileIdentityOf(path));
  EXPECT_EQ(now.Checksum, seen.Checksum);
  WriteBytes(path, "two\n");
  SetModifiedLater(path, 20);
  EXPECT_TRUE(ContentChanged(seen, path));
  EXPECT_TRUE(ContentChanged({seen.Identity, std::nullopt}, path)) << "no checksum: a new time counts";
  QFile::remove(path);
  EXPECT_TRUE(ContentChanged(seen, path)) << "gone";
}

}  // namespace
