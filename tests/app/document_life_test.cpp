// The document through the main window: open and save round trips, the questions before a document
// is thrown away, failed saves, and changes made by other programs.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QAction>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <random>
#include <vector>

#include "main_fakes.h"
#include "orvexStr.h"
#include "xeCustomEdit.h"

namespace {

// What the rules predict for a file saved after loading: split at CR LF, CR or LF (a final break
// adds no line, an empty file is one empty line); with the exchange, tabs to four blanks and runs of
// four blanks back to tabs; every line written with the break of the choice (as in the file: its
// first break, LF when it has none). A file opened although it does not look like text keeps its bytes.
std::string Predicted(const std::string& Bytes, int Choice = lcAsInFile, bool KeepTabs = false) {
  if (!LooksLikeText(std::string_view(Bytes).substr(0, TextSniffLength))) return Bytes;
  std::vector<std::string> lines;
  std::string line;
  bool open = false;
  std::string fileBreak;
  for (std::size_t i = 0; i < Bytes.size(); ++i) {
    const char c = Bytes[i];
    if (c == '\r' || c == '\n') {
      const bool crlf = c == '\r' && i + 1 < Bytes.size() && Bytes[i + 1] == '\n';
      if (fileBreak.empty()) fileBreak = crlf ? "\r\n" : std::string(1, c);
      if (crlf) ++i;
      lines.push_back(line);
      line.clear();
      open = false;
    } else {
      line += c == '\t' && !KeepTabs ? std::string("    ") : std::string(1, c);
      open = true;
    }
  }
  if (open || lines.empty()) lines.push_back(line);
  const std::string lineBreak = Choice == lcCRLF                      ? "\r\n"
                                : Choice == lcLF || fileBreak.empty() ? "\n"
                                                                      : fileBreak;
  std::string out;
  for (const std::string& l : lines) out += (KeepTabs ? l : ReplaceAll(l, "    ", "\t", false)) + lineBreak;
  return out;
}

struct DocumentLife : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    Form = ShownMainForm();
    Boxes.Shown.clear();
  }
  void TearDown() override {
    Boxes.Answers = {mrNo};
    Form.reset();
  }
  QString Path(const QString& Name) const { return Dir.filePath(Name); }
  // Changes the text the way a user does, so that it counts as modified.
  void Type(const QString& Text) {
    QGuiApplication::clipboard()->setText(Text);
    Form->EditPaste1Execute();
  }

  QTemporaryDir Dir;
  TScriptedBoxes Boxes;
  TScriptedFileDialogs Dialogs;
  std::unique_ptr<TMainForm> Form;
};

TEST_F(DocumentLife, OpenAndSaveRoundTrips) {
  struct Case {
    const char* What;
    std::string File, Saved;
  };
  const Case cases[] = {
      {"tabs", "a\tb\r\n\t\tx\r\n", "a\tb\r\n\t\tx\r\n"},
      {"six blanks", "      x\r\n", "\t  x\r\n"},
      {"empty file: a new document's LF", "", "\n"},
      {"no final line break", "a\r\nb", "a\r\nb\r\n"},
      {"CR only", "a\rb\r", "a\rb\r"},
      {"LF only, blank line", "a\n\nb\n", "a\n\nb\n"},
      {"mixed: the first break wins", "a\nb\r\nc\r", "a\nb\nc\n"},
  };
  for (const Case& c : cases) {
    const QString in = Path("in.txt"), out = Path("out.txt");
    WriteBytes(in, c.File);
    ASSERT_TRUE(Form->LoadDocument(in)) << c.What;
    EXPECT_EQ(Form->DocFileName, in);
    EXPECT_TRUE(Form->windowTitle().endsWith(" - " + in));
    ASSERT_TRUE(Form->SaveDocument(out)) << c.What;
    EXPECT_EQ(FileBytes(out), c.Saved) << c.What;
    EXPECT_EQ(Form->DocFileName, out);
  }
  EXPECT_TRUE(Boxes.Shown.empty());
}

TEST_F(DocumentLife, RandomFilesLoadAndSaveByteForByteUnderEverySetting) {
  std::mt19937 random(20261207);
  const char alphabet[] = {'\r', '\n',   '\t',   ' ',    ' ',    ' ',   'a',
                           '\0', '\xFF', '\xC3', '\xA9', '\xED', '\xB0'};
  const QString in = Path("in.bin"), out = Path("out.bin");
  for (int round = 0; round < 120; ++round) {
    std::string bytes(random() % 400, '\0');
    const bool anyByte = round % 4 == 0;
    for (char& c : bytes) c = anyByte ? char(random()) : alphabet[random() % sizeof alphabet];
    Form->LineBreaks = round % 3;
    Form->KeepTabs = round / 3 % 2 == 1;
    WriteBytes(in, bytes);
    // Bytes that do not look like text are opened after a question.
    Boxes.Answers = {mrYes};
    ASSERT_TRUE(Form->LoadDocument(in));
    ASSERT_TRUE(Form->SaveDocument(out));
    const std::string saved = FileBytes(out);
    ASSERT_EQ(saved, Predicted(bytes, Form->LineBreaks, Form->KeepTabs))
        << "round " << round << ", line breaks " << Form->LineBreaks << ", keep tabs " << Form->KeepTabs;
    // A file already in that form saves identical.
    Boxes.Answers = {mrYes};
    ASSERT_TRUE(Form->LoadDocument(out));
    ASSERT_TRUE(Form->SaveDocument(in));
    ASSERT_EQ(FileBytes(in), saved) << "round " << round;
  }
}

TEST_F(DocumentLife, NewDocumentsUseLFAndTheDocumentKeepsItsBreak) {
  Form->Action("HTMLfile1")->trigger();
  EXPECT_EQ(Form->DocLineBreak(), lbLF);
  Dialogs.Names = {Path("new.html")};
  ASSERT_TRUE(Form->Save1Click());
  EXPECT_EQ(FileBytes(Path("new.html")).substr(0, 7), "<HTML>\n");
  WriteBytes(Path("dos.txt"), "a\r\n");
  ASSERT_TRUE(Form->LoadDocument(Path("dos.txt")));
  EXPECT_EQ(Form->DocLineBreak(), lbCRLF);
  // A forced choice is the document's break once it is saved.
  Form->LineBreaks = lcLF;
  ASSERT_TRUE(Form->SaveDocument(Path("dos.txt")));
  EXPECT_EQ(Form->DocLineBreak(), lbLF);
  EXPECT_EQ(FileBytes(Path("dos.txt")), "a\n");
}

TEST_F(DocumentLife, OpenUsesItsFilterAndTheTypeOfTheName) {
  const QString css = Path("style.css");
  WriteBytes(css, "p {}\r\n");
  Dialogs.Names = {css};
  Form->Action("Open1")->trigger();
  EXPECT_EQ(Dialogs.LastFilter,
            "HTML files|*.htm?;*.?htm?;*.htm|Style Sheets|*.css|JavaScript files|*.js|"
            "Text files|*.txt;*.me;*.diz;*.log|All files|*.*");
  EXPECT_EQ(Form->DocFileName, css);
  EXPECT_EQ(Form->DocType(), 3);
  // A failed load still sets the type of the chosen name.
  Dialogs.Names = {Path("gone.js")};
  Form->Action("Open1")->trigger();
  EXPECT_EQ(Form->DocFileName, css);
  EXPECT_EQ(Form->DocType(), 2);
  ASSERT_EQ(Boxes.Shown.size(), 1u);
  EXPECT_TRUE(Boxes.Shown[0].Text.startsWith("Error on load file\n\n"));
}

TEST_F(DocumentLife, QuestionBeforeTheDocumentIsThrownAway) {
  const QString saved = Path("kept.html");
  struct Case {
    TModalResult Answer;
    bool GoesOn;
    bool Written;
  };
  const Case cases[] = {{mrYes, true, true}, {mrNo, true, false}, {mrCancel, false, false}};
  for (const Case& c : cases) {
    QFile::remove(saved);
    Form->Action("HTMLfile1")->trigger();
    Type("x");
    Boxes.Shown.clear();
    Boxes.Answers = {c.Answer};
    Dialogs.Names = {saved};
    Form->Action("CSSfile1")->trigger();
    ASSERT_EQ(Boxes.Shown.size(), 1u);
    EXPECT_EQ(Boxes.Shown[0].Text, "Save current file before close?");
    EXPECT_EQ(Boxes.Shown[0].Type, mtWarning);
    EXPECT_EQ(Boxes.Shown[0].Buttons, mbYes | mbNo | mbCancel);
    EXPECT_EQ(Form->DocType(), c.GoesOn ? 3 : 1) << c.Answer;
    EXPECT_EQ(QFileInfo::exists(saved), c.Written) << c.Answer;
  }
  // The cancelled document is still modified; a new one is not and asks nothing.
  Boxes.Answers = {mrNo};
  Form->Action("Newblank1")->trigger();
  Boxes.Shown.clear();
  Form->Action("Newblank1")->trigger();
  EXPECT_TRUE(Boxes.Shown.empty());
}

TEST_F(DocumentLife, OnlyTextFilesAreOpenedAndAnOpenedFileIsUnmodified) {
  const QString page = Path("page.html"), pipe = Path("pipe"), program = Path("program");
  WriteBytes(page, "<p>\r\n");
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  WriteBytes(program, std::string("\x7F"
                                  "ELF\x02\x00\x00",
                                  7));
  Form->Action("HTMLfile1")->trigger();
  Type("unsaved");
  struct Case {
    QString File;
    TModalResult Answer;  // to the question about a file that does not look like text
    QString LastBox;
    bool Opened;
  };
  const Case cases[] = {
      {pipe, mrNone, "Error on load file\n\n" + pipe + " is a named pipe, not a file.", false},
      {program, mrNo, program + " does not look like a text file. Open it anyway?", false},
      {page, mrNone, "Save current file before close?", true},
  };
  for (const Case& c : cases) {
    Boxes.Shown.clear();
    Boxes.Answers = {mrNo, c.Answer};  // No: the unsaved text is not saved first
    Dialogs.Names = {c.File};
    Form->Action("Open1")->trigger();
    ASSERT_FALSE(Boxes.Shown.empty());
    EXPECT_EQ(Boxes.Shown.back().Text, c.LastBox);
    EXPECT_EQ(Form->DocFileName == c.File, c.Opened);
    EXPECT_EQ(Form->Memo1->Text(),
              c.Opened ? "<p>\r\n"
                       : "<HTML>\r\n<HEAD>\r\n <TITLE>Untitled</TITLE>\r\n</HEAD>\r\n<BODY>\r\n "
                         "unsaved\r\n</BODY>\r\n</HTML>\r\n");
  }
  // What was just opened has nothing to save.
  Boxes.Shown.clear();
  EXPECT_TRUE(Form->close());
  EXPECT_TRUE(Boxes.Shown.empty());
}

TEST_F(DocumentLife, SaveOfANewDocumentAsksForAName) {
  Form->Action("HTMLfile1")->trigger();
  Type("x");
  Dialogs.Names = {Path("first.html")};
  Form->Action("Save1")->trigger();
  EXPECT_EQ(Dialogs.SaveQuestions, 1);
  EXPECT_EQ(Dialogs.LastDefaultExt, "html");
  EXPECT_EQ(Form->DocFileName, Path("first.html"));
  EXPECT_FALSE(QFileInfo::exists(Form->DefFn + ".html"));
  // From now on Save writes without asking.
  Type("y");
  Form->Action("Save1")->trigger();
  EXPECT_EQ(Dialogs.SaveQuestions, 1);
  const std::pair<const char*, const char*> exts[] = {{"notes.txt", ""}, {"a.htm", "html"}, {"s.js", "js"}};
  for (const auto& [name, ext] : exts) {
    Form->DocFileName = Path(name);
    Form->Action("SaveAs1")->trigger();
    EXPECT_EQ(Dialogs.LastDefaultExt, ext) << name;
  }
}

TEST_F(DocumentLife, FailedOrCancelledSaveStopsTheClose) {
  struct Case {
    const char* What;
    QString Name;  // answer of the Save As dialog
  };
  const Case cases[] = {{"cancelled", ""}, {"missing folder", Path("no/folder/x.html")}};
  for (const Case& c : cases) {
    Form->Action("HTMLfile1")->trigger();
    Type("precious");
    Boxes.Shown.clear();
    Boxes.Answers = {mrYes};
    Dialogs.Names = {c.Name};
    EXPECT_FALSE(Form->close()) << c.What;
    EXPECT_TRUE(Form->isVisible()) << c.What;
    const bool failed = !c.Name.isEmpty();
    ASSERT_EQ(Boxes.Shown.size(), failed ? 2u : 1u) << c.What;
    if (failed) {
      EXPECT_TRUE(
          Boxes.Shown[1].Text.startsWith("Unable to save file!\nCheck you access rights to select drive"));
      EXPECT_GT(Boxes.Shown[1].Text.size(), 62) << "the reason is told";
      EXPECT_EQ(Boxes.Shown[1].Type, mtError);
    }
  }
  // Answering No lets it close.
  Boxes.Answers = {mrNo};
  EXPECT_TRUE(Form->close());
}

// Also a named pipe, a device or a loop of symbolic links, which are never replaced by a file.
TEST_F(DocumentLife, FailedSaveKeepsNameAndModifiedState) {
  const QString page = Path("page.html");
  WriteBytes(page, "old\r\n");
  ASSERT_TRUE(Form->LoadDocument(page));
  Type("new");
  const double stamp = Form->LastSeenStamp;
  ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.html")).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link(Path("loop.html"), Path("loop.html")));
  const std::pair<QString, QString> cases[] = {
      {Path("missing/page.html"), "No such file"},
      {Path("pipe.html"), Path("pipe.html") + " is a named pipe, not a regular file; it was not saved."},
      {"/dev/null", "/dev/null is a device, not a regular file; it was not saved."},
      {Path("loop.html"), Path("loop.html") + " is a loop of symbolic links; it was not saved."},
  };
  for (const auto& [file, reason] : cases) {
    Boxes.Shown.clear();
    EXPECT_FALSE(Form->SaveDocument(file));
    ASSERT_EQ(Boxes.Shown.size(), 1u);
    EXPECT_TRUE(Boxes.Shown[0].Text.contains(reason)) << Boxes.Shown[0].Text.toStdString();
    EXPECT_TRUE(Form->Memo1->Modified());
  }
  EXPECT_TRUE(QFileInfo(Path("loop.html")).isSymLink());
  EXPECT_FALSE(QFileInfo(Path("pipe.html")).isFile());
  EXPECT_EQ(Form->DocFileName, page);
  EXPECT_EQ(Form->LastSeenStamp, stamp);
  EXPECT_EQ(FileBytes(page), "old\r\n");
  Boxes.Shown.clear();
  Boxes.Answers = {mrCancel};
  EXPECT_FALSE(Form->close()) << "still modified, so the question comes";
  EXPECT_EQ(Boxes.Shown.size(), 1u);
}

TEST_F(DocumentLife, ChangesByOtherProgramsAreOfferedForReload) {
  const QString page = Path("page.html");
  WriteBytes(page, "one\r\n");
  ASSERT_TRUE(Form->LoadDocument(page));
  auto touchLater = [&](const std::string& Bytes) {
    WriteBytes(page, Bytes);
    QFile file(page);
    file.open(QIODevice::ReadWrite);
    file.setFileTime(QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime);
  };

  // Switching away and back without a change asks nothing.
  Form->AppEventsDeactivate();
  Form->AppEventsActivate();
  EXPECT_TRUE(Boxes.Shown.empty());

  touchLater("two\r\n");
  Boxes.Answers = {mrNo};
  Form->AppEventsActivate();
  ASSERT_EQ(Boxes.Shown.size(), 1u);
  EXPECT_EQ(Boxes.Shown[0].Text, page + " modified by external software\nReload this file?");
  EXPECT_EQ(Boxes.Shown[0].Buttons, mbYes | mbNo);
  // No: the question comes again on the next activation.
  Boxes.Answers = {mrYes};
  Form->AppEventsActivate();
  ASSERT_EQ(Boxes.Shown.size(), 2u);
  ASSERT_TRUE(Form->SaveDocument(Path("copy.html")));
  EXPECT_EQ(FileBytes(Path("copy.html")), "two\r\n") << "reloaded";

  // A file that is gone counts as changed; reloading it fails and the text stays.
  ASSERT_TRUE(QFile::rename(Form->DocFileName, Path("moved.html")));
  Boxes.Answers = {mrYes};
  Form->AppEventsActivate();
  ASSERT_EQ(Boxes.Shown.size(), 4u);
  EXPECT_TRUE(Boxes.Shown[3].Text.startsWith("Error on load file"));
  ASSERT_TRUE(Form->SaveDocument(Path("copy2.html")));
  EXPECT_EQ(FileBytes(Path("copy2.html")), "two\r\n");
  Boxes.Shown.clear();
  Boxes.Shown.resize(2);

  // A document of one empty line is never examined.
  WriteBytes(page, "");
  ASSERT_TRUE(Form->LoadDocument(page));
  touchLater("three\r\n");
  Form->AppEventsActivate();
  EXPECT_EQ(Boxes.Shown.size(), 2u);

  // A new document that was never saved has no file to compare with.
  Form->Action("HTMLfile1")->trigger();
  Form->AppEventsActivate();
  EXPECT_EQ(Boxes.Shown.size(), 2u);
}

TEST_F(DocumentLife, OutsideChangesAreNeverOverwrittenSilently) {
  const QString page = Path("page.html");
  WriteBytes(page, "one\r\n");
  ASSERT_TRUE(Form->LoadDocument(page));
  Type("x");
  // Another program replaces the file within the same second, with as many bytes: only the file's
  // identity tells.
  WriteBytes(Path("new"), "two\r\n");
  ASSERT_TRUE(QFile::rename(Path("new"), page) || (QFile::remove(page) && QFile::rename(Path("new"), page)));
  Boxes.Answers = {mrNo};
  Form->Action("Save1")->trigger();
  ASSERT_EQ(Boxes.Shown.size(), 1u);
  EXPECT_EQ(Boxes.Shown[0].Text, page + " has been changed by another program. Overwrite it?");
  EXPECT_EQ(Boxes.Shown[0].Buttons, mbYes | mbNo);
  EXPECT_EQ(FileBytes(page), "two\r\n");
  EXPECT_TRUE(Form->Memo1->Modified());
  Boxes.Answers = {mrYes};
  Form->Action("Save1")->trigger();
  EXPECT_EQ(FileBytes(page), "xone\r\n");
  EXPECT_FALSE(Form->Memo1->Modified());
  Type("y");
  Form->Action("Save1")->trigger();
  EXPECT_EQ(Boxes.Shown.size(), 2u) << "our own save is no outside change";

  // While the window is active, a change is offered at once, not at the next activation.
  Form->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Form->isActiveWindow(); }));
  Boxes.Shown.clear();
  Boxes.Answers = {mrYes};
  WriteBytes(page, "three\r\n");
  ASSERT_TRUE(QTest::qWaitFor([&] { return Boxes.Shown.size() == 1u; }, 5000));
  EXPECT_EQ(Boxes.Shown[0].Text, page + " modified by external software\nReload this file?");
  EXPECT_EQ(Form->Memo1->Text(), "three\r\n");
  // Saving and the watch go on with the new file.
  Type("4");
  Form->Action("Save1")->trigger();
  WriteBytes(page, "five\r\n");
  ASSERT_TRUE(QTest::qWaitFor([&] { return Boxes.Shown.size() == 2u; }, 5000));
  QTest::qWait(500);
  EXPECT_EQ(Boxes.Shown.size(), 2u);
}

TEST_F(DocumentLife, PasteExpandsTabs) {
  const QString page = Path("p.txt");
  WriteBytes(page, "");
  ASSERT_TRUE(Form->LoadDocument(page));
  Type("a\tb");
  ASSERT_TRUE(Form->SaveDocument(page));
  EXPECT_EQ(FileBytes(page), "a\tb\n") << "four blanks in the editor, a tab again on disk";
  EXPECT_EQ(Form->Memo1->LineText(1), "a    b");
  // Kept as they are, a pasted tab stays a tab and blanks stay blanks.
  Form->KeepTabs = true;
  Form->Memo1->SetText("");
  Type("\tb    c");
  EXPECT_EQ(Form->Memo1->LineText(1), "\tb    c");
  ASSERT_TRUE(Form->SaveDocument(page));
  EXPECT_EQ(FileBytes(page), "\tb    c\n");
}

}  // namespace
