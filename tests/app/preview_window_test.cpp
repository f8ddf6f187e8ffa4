// The "&Show" commands as the main window runs them.
#include "Preview.h"
#include "main_fakes.h"
#include "xeEditModel.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class PreviewWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    Form = ShownMainForm();
    Memo = dynamic_cast<TxeEditModel*>(Form->findChild<QWidget*>("Memo1"));
    ASSERT_NE(Memo, nullptr);
    // A program that records its arguments.
    Program = Dir.filePath("fake browser");
    Record = Dir.filePath("args.txt");
    WriteBytes(Program, ("#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > '" + Record + ".tmp'; mv '" + Record +
                         ".tmp' '" + Record + "'\n")
                            .toStdString());
    QFile(Program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  std::string WaitForRecord() {
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(Record) && timer.elapsed() < 20000) QThread::msleep(20);
    return FileBytes(Record);
  }

  std::unique_ptr<TMainForm> Form;
  TxeEditModel* Memo = nullptr;
  TScriptedBoxes Boxes;
  QTemporaryDir Dir;
  QString Program, Record;
};

TEST_F(PreviewWindow, ShowsACopyOfTheTextAndNeverWritesTheUsersFile) {
  const char* const actions[] = {"Netscape1", "MSIE1", "Custon1", "Openinextended1"};
  QString TMainForm::*const paths[] = {&TMainForm::NetscapePath, &TMainForm::MSIEPath, &TMainForm::CustomPath,
                                       &TMainForm::ExtendedPath};
  const QString page = Dir.filePath("my page.html");
  WriteBytes(page, "old\r\n");
  ASSERT_TRUE(Form->LoadDocument(page));
  QString previous;
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(actions[i]);
    QFile::remove(Record);
    Memo->SetText("a    b\n\t<x>");
    Memo->SetModified(true);
    // The setting may carry arguments; a path with blanks that names a program is taken whole.
    (*Form).*paths[i] = i % 2 ? "\"" + Program + "\" --new-window" : Program;
    Form->Action(actions[i])->trigger();
    const QStringList got = QString::fromStdString(WaitForRecord()).split('|');
    ASSERT_EQ(got.size(), i % 2 ? 4 : 3);
    const QString copy = got[got.size() - 2];
    EXPECT_EQ(got[0], i % 2 ? "2" : "1");
    if (i % 2) {
      EXPECT_EQ(got[1], "--new-window");
    }
    // A hidden file beside the document, so that relative addresses resolve.
    EXPECT_EQ(QFileInfo(copy).absolutePath(), Dir.path());
    EXPECT_TRUE(QFileInfo(copy).fileName().startsWith(".my page-preview-")) << copy.toStdString();
    EXPECT_TRUE(copy.endsWith(".html"));
    EXPECT_EQ(FileBytes(copy), "a    b\r\n\t<x>\r\n");
    EXPECT_EQ(FileBytes(page), "old\r\n") << "the user's file is never written";
    EXPECT_TRUE(Memo->Modified());
    EXPECT_TRUE(Boxes.Shown.empty());
    if (!previous.isEmpty()) {
      EXPECT_FALSE(QFile::exists(previous)) << "the next preview replaces the copy";
    }
    previous = copy;
    (*Form).*paths[i] = "";
  }
  // A document never saved is shown from the temporary folder; no file of the default name appears.
  Boxes.Answers = {mrNo};
  Form->Action("HTMLfile1")->trigger();
  QFile::remove(Record);
  Form->CustomPath = Program;
  Form->Action("Custon1")->trigger();
  const QString copy = QString::fromStdString(WaitForRecord()).split('|').value(1);
  EXPECT_EQ(QFileInfo(copy).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
  EXPECT_FALSE(QFile::exists(Form->DocFileName));
  Form.reset();
  EXPECT_FALSE(QFile::exists(copy)) << "the copy goes with the program";
}

// The preview in a real browser: headless Chromium prints the page it rendered from the copy.
TEST_F(PreviewWindow, ARealBrowserRendersTheEditorsText) {
  const QString browser = "/usr/bin/chromium";
  if (!QFileInfo(browser).isExecutable()) GTEST_SKIP() << "chromium is installed by scripts/install-deps.sh";
  const QString page = Dir.filePath("site/page.html");
  QDir(Dir.path()).mkdir("site");
  WriteBytes(page, "<p>saved text</p>\n");
  WriteBytes(Dir.filePath("site/style.css"), "p::after { content: \" and the style sheet beside it\"; }\n");
  ASSERT_TRUE(Form->LoadDocument(page));
  Memo->SetText(
      "<html><head><link rel=\"stylesheet\" href=\"style.css\"></head>\n"
      "<body><p>Unsaved words 4711</p></body></html>");
  const QString pdf = Dir.filePath("out.pdf");
  Form->NetscapePath = browser +
                       " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
                       " --disable-background-networking --disable-component-update --disable-sync"
                       " --user-data-dir=\"" +
                       Dir.filePath("profile") + "\" --print-to-pdf=\"" + pdf + "\"";
  Form->Action("Netscape1")->trigger();
  EXPECT_TRUE(Boxes.Shown.empty());
  QString text;
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 60000 && !text.contains("4711")) {
    QThread::msleep(200);
    if (!QFile::exists(pdf)) continue;
    QProcess pdftotext;
    pdftotext.start("pdftotext", {pdf, "-"});
    pdftotext.waitForFinished(10000);
    text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
  }
  EXPECT_TRUE(text.contains("Unsaved words 4711 and the style sheet beside it")) << text.toStdString();
  EXPECT_EQ(FileBytes(page), "<p>saved text</p>\n");
}

TEST_F(PreviewWindow, Failures) {
  // No path for the program: nothing at all.
  Form->DocFileName = Dir.filePath("a.html");
  Form->NetscapePath.clear();
  Form->Action("Netscape1")->trigger();
  EXPECT_TRUE(Boxes.Shown.empty());
  EXPECT_FALSE(QFile::exists(Form->DocFileName));

  const QByteArray tmp = qgetenv("TMPDIR");
  struct {
    const char* Name;
    QString Doc, Program, TempDir, Message;
    TMsgDlgType Type;
  } cases[] = {
      {"no file name", "", Program, "", "Uncnown file name!", mtInformation},
      {"no place for the copy", Dir.filePath("b.html"), Program, Program, kPreviewWriteErrorMessage, mtError},
      {"missing program", Dir.filePath("b.html"), Dir.filePath("no such program"), "",
       "Error on launch application.\nCheck Quillan preferences.", mtError},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Boxes.Shown.clear();
    QFile::remove(Record);
    if (!c.TempDir.isEmpty()) qputenv("TMPDIR", c.TempDir.toUtf8());
    Form->DocFileName = c.Doc;
    Form->MSIEPath = c.Program;
    Form->Action("MSIE1")->trigger();
    qputenv("TMPDIR", tmp);
    if (tmp.isEmpty()) qunsetenv("TMPDIR");
    ASSERT_EQ(Boxes.Shown.size(), 1u);
    EXPECT_EQ(Boxes.Shown[0].Text, c.Message);
    EXPECT_EQ(Boxes.Shown[0].Type, c.Type);
    EXPECT_EQ(Boxes.Shown[0].Buttons, mbOK);
  }
  EXPECT_FALSE(QFile::exists(Record));
}

}  // namespace
