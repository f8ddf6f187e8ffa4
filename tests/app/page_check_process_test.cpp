// The page check in its own process: pages that crash Tidy, exhaust its memory or never end, and
// answers that are garbled, each leave one line in the pane and the editor with its text as it was;
// Cancel ends the process; New and Open take away a list that belongs to the document before.
#include <gtest/gtest.h>

#include <signal.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <string_view>

#include "PageCheckPane.h"
#include "main_fakes.h"
#include "xeCustomEdit.h"
#include "xeMarks.h"

#if defined(__SANITIZE_ADDRESS__)
#define QUILLAN_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLAN_ASAN 1
#endif
#endif

namespace {

#ifdef QUILLAN_ASAN
constexpr bool kAsan = true;
#else
constexpr bool kAsan = false;
#endif

std::string Repeat(const std::string& Unit, int Times) {
  std::string text;
  text.reserve(Unit.size() * std::size_t(Times));
  for (int i = 0; i < Times; ++i) text += Unit;
  return text;
}

// A stand-in for the check program: a shell script.
QString Script(const QTemporaryDir& Dir, const QString& Name, const QByteArray& Body) {
  const QString path = Dir.filePath(Name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("#!/bin/sh\n" + Body + "\n");
  file.close();
  file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return path;
}

bool ProcessGone(qint64 Pid) { return Pid <= 0 || (::kill(pid_t(Pid), 0) != 0 && errno == ESRCH); }

struct PageCheckProcess : testing::Test {
  void SetUp() override {
    Form = ShownMainForm();
    Memo = Form->Memo1;
    Pane = Form->findChild<TPageCheckPane*>("PageCheckPane");
    ASSERT_NE(Pane, nullptr);
    Pane->SetProgram(QUILLAN_CHECK_PROGRAM);
  }

  // Checks the editor's text; the process's id, once it runs.
  qint64 StartCheck() {
    Form->Action("Checkpage1")->trigger();
    QDeadlineTimer deadline(10000);
    while (Pane->Checking() && Pane->CheckProcessId() <= 0 && !deadline.hasExpired())
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return Pane->CheckProcessId();
  }

  QTemporaryDir Dir;
  TScriptedFileDialogs Dialogs;
  TScriptedBoxes Boxes;
  std::unique_ptr<TMainForm> Form;
  TxeCustomEdit* Memo = nullptr;
  TPageCheckPane* Pane = nullptr;
};

TEST_F(PageCheckProcess, StoppedChecksLeaveTheEditorAndItsText) {
  // The pane sends the editor's lines joined by line feeds: a last empty line gives the frames their end.
  const std::string frames = Repeat("M7:1 1 W x\n", 3);
  struct {
    const char* What;
    std::string Page;
    TPageCheckLimits Limits;
    QByteArray Script;  // empty: the real program
    const char* Status;
  } cases[] = {
      // Tidy goes a call deeper for every table it nests; on a small stack it crashes.
      {"nested tables",
       Repeat("<table><tr><td>", 3000),
       {0, 0, 256 << 10},
       "",
       "The page check stopped: it crashed (signal "},
      {"out of memory",
       Repeat("<p>x</p>\n", 200000),
       {0, 4 << 20, 0},
       "",
       "The page check stopped: it ran out of memory"},
      // Tidy takes minutes over them (the time grows with the square of the depth).
      {"100,000 nested divs",
       Repeat("<div>", 100000),
       {2, 0, 0},
       "",
       "The page check stopped: it took longer than 2 seconds"},
      {"a garbled answer",
       "M99999:x\n",
       {},
       "exec cat",
       "The page check stopped: its answer could not be read"},
      {"more entries than are listed",
       Repeat("M10:1 1 W text\n", int(MaxPageProblems) + 1) + "S3:0 1\n\n",
       {},
       "exec cat",
       "The page check stopped: its answer could not be read"},
      {"counts below the entries",
       frames + "S3:0 2\n\n",
       {},
       "exec cat",
       "The page check stopped: its answer could not be read"},
      {"an answer cut short",
       "P3:100\n" + frames,
       {},
       "exec cat",
       "The page check stopped: its answer was cut short"},
      {"an exit code",
       Repeat("<p>a page it never reads</p>\n", 100000),
       {},
       "exit 7",
       "The page check stopped: it ended with code 7"},
      {"a program that never answers",
       "<p>",
       {1, 0, 0},
       "exec sleep 600",
       "The page check stopped: it took longer than 1 second"},
  };
  QSignalSpy finished(Pane, &TPageCheckPane::Finished);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    Pane->SetProgram(c.Script.isEmpty() ? QString(QUILLAN_CHECK_PROGRAM) : Script(Dir, "check", c.Script));
    Pane->SetLimits(c.Limits);
    Memo->SetText(c.Page);
    Memo->SetModified(true);
    const std::string before = Memo->Text();
    finished.clear();
    const qint64 pid = StartCheck();
    ASSERT_TRUE(finished.count() > 0 || finished.wait(60000));
    // AddressSanitizer reports a crash and ends the program with code 1 unless told to abort.
    const bool sanitizerEnd = kAsan && std::string_view(c.What) == "nested tables" &&
                              Pane->Status() == "The page check stopped: it ended with code 1";
    EXPECT_TRUE(Pane->Status().startsWith(c.Status) || sanitizerEnd) << Pane->Status().toStdString();
    EXPECT_EQ(Pane->Status().count('\n'), 0);
    EXPECT_TRUE(Pane->Problems().empty());
    EXPECT_EQ(Memo->Marks().Count(), 0);
    EXPECT_FALSE(Pane->findChild<QPushButton*>("PageCheckCancel")->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ProcessGone(pid); }));
    EXPECT_EQ(Memo->Text(), before);
    EXPECT_TRUE(Memo->Modified());
  }
  // A program that is not there.
  Pane->SetProgram(Dir.filePath("missing"));
  finished.clear();
  Form->Action("Checkpage1")->trigger();
  ASSERT_TRUE(finished.count() > 0 || finished.wait(10000));
  EXPECT_TRUE(Pane->Status().startsWith("The page check stopped: " + Dir.filePath("missing") +
                                        " could not be started"))
      << Pane->Status().toStdString();
  // And the real program still checks a page afterwards.
  Pane->SetProgram(QUILLAN_CHECK_PROGRAM);
  Pane->SetLimits({});
  Memo->SetText("<!DOCTYPE html>\n<html><head><title>t</title></head>\n<body><p>x</b></p></body></html>");
  finished.clear();
  Form->Action("Checkpage1")->trigger();
  ASSERT_TRUE(finished.wait(20000));
  ASSERT_EQ(Pane->Problems().size(), 1u) << Pane->Status().toStdString();
  EXPECT_EQ(Pane->Problems()[0].Message, "Warning: discarding unexpected </b>");
  EXPECT_EQ(Pane->Problems()[0].Line, 3);
  EXPECT_EQ(Pane->Problems()[0].Column, 11);
}

TEST_F(PageCheckProcess, CancelEndsTheProcess) {
  Memo->SetText(Repeat("<div>", 100000));
  QSignalSpy finished(Pane, &TPageCheckPane::Finished);
  const qint64 pid = StartCheck();
  ASSERT_GT(pid, 0);
  // Tidy reads the page slowly: the pane shows how far it has come.
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return Pane->Status().contains(QRegularExpression("^Checking page\\.\\.\\. [0-9]+%$")); },
      20000));
  auto* cancel = Pane->findChild<QPushButton*>("PageCheckCancel");
  ASSERT_TRUE(cancel->isVisible());
  QTest::mouseClick(cancel, Qt::LeftButton);
  EXPECT_FALSE(Pane->Checking());
  EXPECT_EQ(Pane->Status(), "The page check was cancelled");
  EXPECT_FALSE(cancel->isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return ProcessGone(pid); }));
  EXPECT_FALSE(finished.wait(300));
}

TEST_F(PageCheckProcess, NewAndOpenForgetTheList) {
  const std::string faulty =
      "<!DOCTYPE html>\n<html><head><title>t</title></head>\n<body>\n<div>\n<p id=\"a\">x</p>\n"
      "<p id=\"a\">y</p>\n  <foo>z</foo>\n</body></html>\n";
  const QString other = Dir.filePath("other.html");
  QFile file(other);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<p>another page</p>\n");
  file.close();
  QSignalSpy finished(Pane, &TPageCheckPane::Finished);
  auto checked = [&] {
    Memo->SetText(faulty);
    Memo->SetModified(false);
    Form->Action("Checkpage1")->trigger();
    EXPECT_TRUE(finished.wait(20000));
    EXPECT_FALSE(Pane->Problems().empty());
    EXPECT_GT(Memo->Marks().Count(), 0);
  };
  auto forgotten = [&](const char* What) {
    SCOPED_TRACE(What);
    EXPECT_FALSE(Pane->Checking());
    EXPECT_TRUE(Pane->Problems().empty());
    EXPECT_EQ(Pane->List()->model()->rowCount(), 0);
    EXPECT_EQ(Memo->Marks().Count(), 0);
    EXPECT_EQ(Memo->GutterWidth(), 0);
    EXPECT_TRUE(Pane->Status().isEmpty());
  };

  // Saved under another name or given another type, the text is the same: the list stays.
  checked();
  const auto problems = Pane->Problems().size();
  Dialogs.Names << Dir.filePath("saved.html");
  ASSERT_TRUE(Form->SaveAs1Click());
  Form->HLBtnClick(dtCSS);
  EXPECT_EQ(Pane->Problems().size(), problems);
  EXPECT_GT(Memo->Marks().Count(), 0);

  Form->Newblank1Click();
  forgotten("New");
  checked();
  Dialogs.Names << other;
  Form->Open1Click();
  ASSERT_EQ(Memo->Text(), "<p>another page</p>\r\n");
  forgotten("Open");
  // A check still running for the old text ends with it.
  Memo->SetText(Repeat("<div>", 100000));
  const qint64 pid = StartCheck();
  ASSERT_GT(pid, 0);
  Memo->SetModified(false);
  Form->Newblank1Click();
  forgotten("New while checking");
  ASSERT_TRUE(QTest::qWaitFor([&] { return ProcessGone(pid); }));
  EXPECT_FALSE(finished.wait(300));
}

TEST(PageCheckProgram, BesideTheEditorElseInstalled) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkpath("usr/bin") && QDir(dir.path()).mkpath("usr/libexec/quillan"));
  const QString bin = dir.filePath("usr/bin");
  EXPECT_EQ(PageCheckProgram(bin), bin + "/quillan-check");  // neither: the one beside is named
  QFile installed(dir.filePath("usr/libexec/quillan/quillan-check"));
  ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
  installed.close();
  EXPECT_EQ(PageCheckProgram(bin), installed.fileName());
  QFile beside(bin + "/quillan-check");
  ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
  beside.close();
  EXPECT_EQ(PageCheckProgram(bin), beside.fileName());
}

}  // namespace
