// The "&Show" commands as the main window runs them.
#include "Preview.h"
#include "main_fakes.h"
#include "xeEditModel.h"

#include <QAction>
#include <QElapsedTimer>
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

TEST_F(PreviewWindow, WritesTheDocumentAsItStandsAndStartsTheProgram) {
  const char* const actions[] = {"Netscape1", "MSIE1", "Custon1", "Openinextended1"};
  QString TMainForm::*const paths[] = {&TMainForm::NetscapePath, &TMainForm::MSIEPath, &TMainForm::CustomPath,
                                       &TMainForm::ExtendedPath};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(actions[i]);
    QFile::remove(Record);
    Form->DocFileName = Dir.filePath("my page.html");
    Memo->SetText("a    b\n\t<x>");
    Memo->SetModified(true);
    (*Form).*paths[i] = Program;
    Form->Action(actions[i])->trigger();
    EXPECT_EQ(WaitForRecord(), "1|" + Form->DocFileName.toStdString() + "|");
    EXPECT_EQ(FileBytes(Form->DocFileName), "a    b\n\t<x>\n") << "a new document writes LF";
    EXPECT_TRUE(Memo->Modified());
    EXPECT_TRUE(Boxes.Shown.empty());
    (*Form).*paths[i] = "";
  }
}

TEST_F(PreviewWindow, Failures) {
  // No path for the program: nothing at all.
  Form->DocFileName = Dir.filePath("a.html");
  Form->NetscapePath.clear();
  Form->Action("Netscape1")->trigger();
  EXPECT_TRUE(Boxes.Shown.empty());
  EXPECT_FALSE(QFile::exists(Form->DocFileName));

  struct {
    const char* Name;
    QString Doc, Program, Message;
    TMsgDlgType Type;
  } cases[] = {
      {"no file name", "", Program, "Uncnown file name!", mtInformation},
      {"unwritable document", Dir.filePath("no/such/folder/a.html"), Program, kPreviewWriteErrorMessage,
       mtError},
      {"missing program", Dir.filePath("b.html"), Dir.filePath("no such program"),
       "Error on launch application.\nCheck Quillan preferences.", mtError},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Boxes.Shown.clear();
    QFile::remove(Record);
    Form->DocFileName = c.Doc;
    Form->MSIEPath = c.Program;
    Form->Action("MSIE1")->trigger();
    ASSERT_EQ(Boxes.Shown.size(), 1u);
    EXPECT_EQ(Boxes.Shown[0].Text, c.Message);
    EXPECT_EQ(Boxes.Shown[0].Type, c.Type);
    EXPECT_EQ(Boxes.Shown[0].Buttons, mbOK);
  }
  EXPECT_FALSE(QFile::exists(Record));
}

}  // namespace
