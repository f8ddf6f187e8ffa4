// Changes of the open file by other programs: only other bytes count, never a new time alone; the
// question to reload says what it costs when the text has unsaved changes. The checksums taken while a file
// is read or written agree with one taken from the file itself.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include "FileContent.h"
#include "main_fakes.h"
#include "xeCustomEdit.h"
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
      "",
      "one\n",
      "caf\xC3\xA9\n",
      "caf\xE9 in 8 bits\n",
      "<meta charset=\"windows-1251\"><p>\xE6</p>\n",
      "\xFF\xFEu\0t\0f\0-\0001\0006\0"s,
      big,
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

struct DiskWatch : ::testing::Test {
  void SetUp() override {
    Form = ShownMainForm();
    Boxes.Shown.clear();
  }
  void TearDown() override {
    Boxes.Answers = {mrNo};
    Form.reset();
  }
  void Type(const QString& Text) {
    QGuiApplication::clipboard()->setText(Text);
    Form->EditPaste1Execute();
  }

  QTemporaryDir Dir;
  TScriptedBoxes Boxes;
  TScriptedFileDialogs Dialogs;
  std::unique_ptr<TMainForm> Form;
};

// What other programs do to the file, and what the activation after it asks; No keeps the text, Yes
// reloads it.
TEST_F(DiskWatch, OnlyOtherContentsAskAndUnsavedChangesAreKeptByDefault) {
  const QString page = Dir.filePath(QStringLiteral("page.html"));
  const QString question = page + " modified by external software\nReload this file?";
  const QString discards = question + "\n\nReloading discards your unsaved changes.";
  struct TCase {
    const char* What;
    std::string Bytes;  // written by the other program (empty: only touched)
    bool Edited;        // the document has unsaved changes
    QString Asked;      // empty: nothing
    int Buttons;
  } cases[] = {
      {"touched", "", false, "", 0},
      {"touched, text edited", "", true, "", 0},
      {"same bytes written again", "one\r\n", true, "", 0},
      {"as many other bytes", "two\r\n", false, question, mbYes | mbNo},
      {"more bytes", "three\r\n", false, question, mbYes | mbNo},
      {"other bytes, text edited", "two\r\n", true, discards, mbYes | mbNo | mbDefaultNo},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    WriteBytes(page, "one\r\n");
    ASSERT_TRUE(Form->LoadDocument(page));
    Form->AppEventsDeactivate();
    if (c.Edited) Type(QStringLiteral("x"));
    const std::string text = Form->Memo1->Text();
    if (!c.Bytes.empty()) WriteBytes(page, c.Bytes);
    SetModifiedLater(page, 10);
    Boxes.Shown.clear();
    Boxes.Answers = {mrNo};
    Form->AppEventsActivate();
    if (c.Asked.isEmpty()) {
      EXPECT_TRUE(Boxes.Shown.empty()) << Boxes.Shown[0].Text.toStdString();
      // Saving over a touched file is no overwrite of another program's work either.
      if (c.Edited) {
        EXPECT_TRUE(Form->Save1Click());
        EXPECT_TRUE(Boxes.Shown.empty());
        EXPECT_EQ(FileBytes(page), "xone\r\n");
      }
      continue;
    }
    ASSERT_EQ(Boxes.Shown.size(), 1u);
    EXPECT_EQ(Boxes.Shown[0].Text, c.Asked);
    EXPECT_EQ(Boxes.Shown[0].Buttons, c.Buttons);
    EXPECT_EQ(Form->Memo1->Text(), text) << "No keeps the text";
    Boxes.Answers = {mrYes};
    Form->AppEventsActivate();
    EXPECT_EQ(Form->Memo1->Text(), c.Bytes) << "Yes reloads";
    EXPECT_FALSE(Form->Memo1->Modified());
  }
}

// While the window is active the watch asks at once, with the same rule.
TEST_F(DiskWatch, TheWatchIgnoresATouch) {
  const QString page = Dir.filePath(QStringLiteral("page.html"));
  WriteBytes(page, "one\r\n");
  ASSERT_TRUE(Form->LoadDocument(page));
  Form->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Form->isActiveWindow(); }, 5000));
  Type(QStringLiteral("x"));
  SetModifiedLater(page, 10);
  QTest::qWait(800);
  EXPECT_TRUE(Boxes.Shown.empty());
  Boxes.Answers = {mrNo};
  WriteBytes(page, "two\r\n");
  ASSERT_TRUE(QTest::qWaitFor([&] { return Boxes.Shown.size() == 1u; }, 5000));
  EXPECT_EQ(Boxes.Shown[0].Buttons, mbYes | mbNo | mbDefaultNo);
  EXPECT_EQ(Form->Memo1->Text(), "xone\r\n");
}

}  // namespace
