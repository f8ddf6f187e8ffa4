// Documents in legacy encodings through the main window: they open in their own encoding, show it, save
// back byte for byte, and a character their encoding cannot hold is never saved without a question.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QThread>

#include "IconvProgram.h"
#include "MainStatusBar.h"
#include "main_fakes.h"
#include "xeCustomEdit.h"

namespace {

const std::string Russian =
    "<p>\u0421\u044A\u0435\u0448\u044C \u0436\u0435 \u0435\u0449\u0451 \u044D\u0442\u0438\u0445 "
    "\u043C\u044F\u0433\u043A\u0438\u0445 \u0444\u0440\u0430\u043D\u0446\u0443\u0437\u0441\u043A\u0438\u0445 "
    "\u0431\u0443\u043B\u043E\u043A, \u0434\u0430 \u0432\u044B\u043F\u0435\u0439 \u0436\u0435 "
    "\u0447\u0430\u044E.</p>";

struct DocumentEncoding : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    Form = ShownMainForm();
  }
  void TearDown() override {
    Boxes.Answers = {mrNo};
    Form.reset();
  }
  QString Path(const QString& Name) const { return Dir.filePath(Name); }
  // The editor's lines joined by LF.
  std::string Text() const {
    std::string text;
    for (int y = 1; y <= Form->Memo1->LineCount(); ++y) text += std::string(Form->Memo1->LineText(y)) + '\n';
    return text;
  }
  // The encoding as the status bar shows it.
  QString ShownEncoding() const { return Form->StatusBar1->EncodingLbl->text(); }

  QTemporaryDir Dir;
  TScriptedBoxes Boxes;
  TScriptedFileDialogs Dialogs;
  TScriptedEncodingDialogs Encodings;
  std::unique_ptr<TMainForm> Form;
};

TEST_F(DocumentEncoding, LegacyFilesOpenInTheirEncodingAndSaveByteForByte) {
  struct Case {
    const char* Name;
    std::string Text;  // lines ending in LF; the file has CR LF
    const char* Iconv;
    const char* Shown;
  };
  const Case cases[] = {
      {"meta.html",
       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">\n" + Russian + "\n",
       "WINDOWS-1251", "windows-1251"},
      {"sheet.css", "@charset \"koi8-r\";\n/* " + Russian + " */\n", "KOI8-R", "KOI8-R"},
      {"detected.txt", Russian + "\n" + Russian + "\n", "WINDOWS-1251", "windows-1251"},
      {"marked.html", Russian + "\n", "UTF-16", "UTF-16 LE"},
      {"plain.html", Russian + "\n", "UTF-8", "UTF-8"},
  };
  for (const Case& c : cases) {
    std::string crlf;
    for (const char ch : c.Text) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    const std::string bytes = IconvProgram(crlf, "UTF-8", c.Iconv);
    const QString in = Path(c.Name), out = Path(QStringLiteral("saved-") + c.Name);
    WriteBytes(in, bytes);
    ASSERT_TRUE(Form->LoadDocument(in)) << c.Name;
    EXPECT_EQ(Text(), c.Text) << c.Name;
    EXPECT_EQ(ShownEncoding(), c.Shown) << c.Name;
    ASSERT_TRUE(Form->SaveDocument(out)) << c.Name;
    EXPECT_EQ(FileBytes(out), bytes) << c.Name;
  }
  EXPECT_TRUE(Boxes.Shown.empty());
}

TEST_F(DocumentEncoding, ACharacterTheEncodingCannotHoldIsAskedAbout) {
  const QString page = Path("page.html");
  const std::string pragma = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=%1\">\n";
  const std::string text = "<p>Caf\u00E9 cr\u00E8me</p>\n";
  const std::string bytes = IconvProgram(
      QString::fromStdString(pragma).arg("windows-1252").toStdString() + text, "UTF-8", "WINDOWS-1252");
  WriteBytes(page, bytes);
  ASSERT_TRUE(Form->LoadDocument(page));
  EXPECT_EQ(ShownEncoding(), "windows-1252");
  Form->Memo1->SetCaretLine(2);
  Form->Memo1->SetCaretCol(4);
  QGuiApplication::clipboard()->setText(QStringLiteral("\u4E2D"));
  Form->EditPaste1Execute();
  Form->Memo1->SetCaretLine(1);

  // Cancel: nothing written, the document still modified, the caret on the character.
  Boxes.Answers = {mrCancel};
  EXPECT_FALSE(Form->Save1Click());
  ASSERT_EQ(Boxes.Shown.size(), 1u);
  EXPECT_EQ(
      Boxes.Shown[0].Text,
      "Line 2 holds \u201C\u4E2D\u201D (U+4E2D), which windows-1252 cannot hold.\n\nSave the document as "
      "UTF-8 instead?");
  EXPECT_EQ(Boxes.Shown[0].Buttons, mbYes | mbCancel);
  EXPECT_EQ(FileBytes(page), bytes);
  EXPECT_TRUE(Form->Memo1->Modified());
  EXPECT_EQ(Form->Memo1->CaretLine(), 2);
  EXPECT_EQ(Form->Memo1->CaretCol(), 4);

  // Yes: the document is UTF-8 from now on, and so is its declaration when the user wants it.
  Boxes.Answers = {mrYes, mrYes};
  EXPECT_TRUE(Form->Save1Click());
  ASSERT_EQ(Boxes.Shown.size(), 3u);
  EXPECT_EQ(Boxes.Shown[2].Text, "The page declares windows-1252; change the declaration to utf-8?");
  EXPECT_EQ(Boxes.Shown[2].Buttons, mbYes | mbNo);
  EXPECT_EQ(FileBytes(page), QString::fromStdString(pragma).arg("utf-8").toStdString() +
                                 "<p>\u4E2DCaf\u00E9 cr\u00E8me</p>\n");
  EXPECT_FALSE(Form->Memo1->Modified());
  EXPECT_EQ(ShownEncoding(), "UTF-8");
  EXPECT_EQ(Form->DocEncoding(), TEncoding{});
}

TEST_F(DocumentEncoding, UnicodeTextOverrulesAnEightBitDeclaration) {
  const std::string declared = "<meta charset=\"windows-1251\">\n";
  const std::string ascii = [] {
    std::string lines;
    while (lines.size() < 80 * 1024) lines += "<p>Nothing but ASCII on this line, as far as it goes.</p>\n";
    return lines;
  }();
  struct Case {
    const char* Name;
    std::string Text;
    const char* Iconv;  // the file's bytes from Text
    const char* Shown;
    const char* Message;
  };
  const char* const overruled = "The file declares %1 but is UTF-8; it was read as UTF-8.";
  const Case cases[] = {
      {"meta.html", declared + Russian + "\n", "UTF-8", "UTF-8", "windows-1251"},
      {"pragma.html",
       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=cp1251\">\n" + Russian + "\n", "UTF-8",
       "UTF-8", "cp1251"},
      {"sheet.css", "@charset \"windows-1251\";\n/* " + Russian + " */\n", "UTF-8", "UTF-8", "windows-1251"},
      // Past the first 64 KB, read before the rest is looked at.
      {"far.html", declared + ascii + Russian + "\n", "UTF-8", "UTF-8", "windows-1251"},
      {"far-1251.html", declared + ascii + Russian + "\n", "WINDOWS-1251", "windows-1251", ""},
      {"ascii.html", declared + ascii, "UTF-8", "windows-1251", ""},
      {"bom.html", declared + Russian + "\n", "UTF-8-BOM", "UTF-8 with BOM", ""},
      {"notes.txt", declared + Russian + "\n", "UTF-8", "UTF-8", ""},
  };
  for (const Case& c : cases) {
    const std::string bytes = std::string_view(c.Iconv) == "UTF-8-BOM"
                                  ? "\xEF\xBB\xBF" + c.Text
                                  : IconvProgram(c.Text, "UTF-8", c.Iconv);
    const QString in = Path(c.Name), out = Path(QStringLiteral("saved-") + c.Name);
    WriteBytes(in, bytes);
    ASSERT_TRUE(Form->LoadDocument(in)) << c.Name;
    EXPECT_EQ(Text(), c.Text) << c.Name;
    EXPECT_EQ(ShownEncoding(), c.Shown) << c.Name;
    EXPECT_EQ(Form->StatusBar1->currentMessage(), *c.Message ? QString(overruled).arg(c.Message) : QString())
        << c.Name;
    ASSERT_TRUE(Form->SaveDocument(out)) << c.Name;
    EXPECT_EQ(FileBytes(out), bytes) << c.Name;
  }
  // Cyrillic typed into such a page is saved as the UTF-8 around it.
  const QString page = Path("meta.html");
  ASSERT_TRUE(Form->LoadDocument(page));
  Form->Memo1->SetCaretXY(4, 2);
  for (const QString& letter :
       {QStringLiteral("\u0416"), QStringLiteral("\u0443"), QStringLiteral("\u043A")}) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, letter);
    QCoreApplication::sendEvent(Form->Memo1, &press);
  }
  ASSERT_TRUE(Form->Save1Click());
  EXPECT_EQ(FileBytes(page), declared + "<p>\u0416\u0443\u043A" + Russian.substr(3) + "\n");
  EXPECT_TRUE(Boxes.Shown.empty());
  // Another document takes the message away, but not a message of something else.
  Form->Newblank1Click();
  EXPECT_EQ(Form->StatusBar1->currentMessage(), QString());
  Form->StatusBar1->showMessage("Something else");
  ASSERT_TRUE(Form->LoadDocument(Path("ascii.html")));
  EXPECT_EQ(Form->StatusBar1->currentMessage(), "Something else");
}

TEST_F(DocumentEncoding, SavingWithAnEncodingChangesTheDeclarationWhenTheUserWants) {
  const QString page = Path("page.html");
  const std::string head = "<html><head><meta charset=\"%1\"><title>\u041F\u0440\u043E\u0431\u0430</title>\n";
  const auto declaring = [&](const char* Label) {
    return QString::fromStdString(head).arg(Label).toStdString();
  };
  const std::string rest = Russian + "\n</head>\n";
  WriteBytes(page, declaring("utf-8") + rest);
  ASSERT_TRUE(Form->LoadDocument(page));
  // The caret after the declaration on its line, and a block below it.
  Form->Memo1->SelectBlock({1, 2}, {4, 2});
  Form->Memo1->SetCaretXY(40, 1);

  Encodings.Names = {"windows-1251"};
  Boxes.Answers = {mrYes};
  Form->Action("SaveEncoding1")->trigger();
  ASSERT_EQ(Boxes.Shown.size(), 1u);
  EXPECT_EQ(Boxes.Shown[0].Text, "The page declares utf-8; change the declaration to windows-1251?");
  EXPECT_EQ(Boxes.Shown[0].Buttons, mbYes | mbNo);
  EXPECT_EQ(FileBytes(page), IconvProgram(declaring("windows-1251") + rest, "UTF-8", "WINDOWS-1251"));
  EXPECT_EQ(ShownEncoding(), "windows-1251");
  EXPECT_FALSE(Form->Memo1->Modified());
  EXPECT_EQ(Form->Memo1->CaretPos(), (TPoint{40 + 7, 1}));
  EXPECT_EQ(Form->Memo1->SelBegin(), (TPoint{1, 2}));
  EXPECT_EQ(Form->Memo1->SelEnd(), (TPoint{4, 2}));
  // One step takes it back.
  Form->Memo1->Undo();
  EXPECT_EQ(Text(), declaring("utf-8") + rest);
  EXPECT_EQ(Form->Memo1->CaretPos(), (TPoint{40, 1}));
  EXPECT_TRUE(Form->Memo1->Modified());
  Form->Memo1->Redo();
  EXPECT_EQ(Text(), declaring("windows-1251") + rest);

  // No: the file holds UTF-8 under its old declaration, and is read back as the UTF-8 it is.
  Encodings.Names = {"UTF-8"};
  Boxes.Answers = {mrNo};
  Form->Action("SaveEncoding1")->trigger();
  ASSERT_EQ(Boxes.Shown.size(), 2u);
  EXPECT_EQ(Boxes.Shown[1].Text, "The page declares windows-1251; change the declaration to utf-8?");
  EXPECT_EQ(FileBytes(page), declaring("windows-1251") + rest);
  ASSERT_TRUE(Form->LoadDocument(page));
  EXPECT_EQ(ShownEncoding(), "UTF-8");
  EXPECT_FALSE(Form->StatusBar1->currentMessage().isEmpty());

  // A declaration that already says what is saved asks nothing.
  Encodings.Names = {"windows-1251", "UTF-8"};
  Boxes.Answers = {mrYes};
  Form->Action("SaveEncoding1")->trigger();
  EXPECT_EQ(Boxes.Shown.size(), 2u);
  Form->Action("SaveEncoding1")->trigger();
  ASSERT_EQ(Boxes.Shown.size(), 3u);
  EXPECT_EQ(FileBytes(page), declaring("utf-8") + rest);
  // A plain save leaves the declaration as it is.
  Encodings.Names = {"windows-1251"};
  Boxes.Answers = {mrNo};
  Form->Action("SaveEncoding1")->trigger();
  ASSERT_EQ(Boxes.Shown.size(), 4u);
  QGuiApplication::clipboard()->setText("x");
  Form->EditPaste1Execute();
  ASSERT_TRUE(Form->Save1Click());
  EXPECT_EQ(Boxes.Shown.size(), 4u);
}

TEST_F(DocumentEncoding, ReopenAndSaveWithAnotherEncoding) {
  const QString notes = Path("notes.txt");
  const std::string bytes = IconvProgram(Russian + "\n", "UTF-8", "WINDOWS-1251");
  WriteBytes(notes, bytes);
  QMenu* file = Form->Menu("File1");

  // A new document has no file to read again.
  emit file->aboutToShow();
  EXPECT_FALSE(Form->Action("ReopenEncoding1")->isEnabled());
  ASSERT_TRUE(Form->LoadDocument(notes));
  emit file->aboutToShow();
  EXPECT_TRUE(Form->Action("ReopenEncoding1")->isEnabled());

  Encodings.Names = {"KOI8-R"};
  Form->Action("ReopenEncoding1")->trigger();
  EXPECT_EQ(Encodings.LastTitle, "Reopen with encoding");
  EXPECT_EQ(EncodingName(Encodings.Offered), "windows-1251");
  EXPECT_EQ(Text(), IconvProgram(bytes, "KOI8-R", "UTF-8"));
  EXPECT_EQ(ShownEncoding(), "KOI8-R");

  // Reading again throws changes away only after the question.
  QGuiApplication::clipboard()->setText("x");
  Form->EditPaste1Execute();
  Encodings.Names = {"windows-1251"};
  Boxes.Answers = {mrCancel};
  Form->Action("ReopenEncoding1")->trigger();
  ASSERT_EQ(Boxes.Shown.size(), 1u);
  EXPECT_EQ(Boxes.Shown[0].Text, "Save current file before close?");
  EXPECT_EQ(ShownEncoding(), "KOI8-R");
  Encodings.Names = {"windows-1251"};
  Boxes.Answers = {mrNo};
  Form->Action("ReopenEncoding1")->trigger();
  EXPECT_EQ(Text(), Russian + "\n");

  // Saved in UTF-16: as iconv writes it, with its byte-order mark.
  Encodings.Names = {"UTF-16 LE"};
  Form->Action("SaveEncoding1")->trigger();
  EXPECT_EQ(FileBytes(notes), IconvProgram(Russian + "\n", "UTF-8", "UTF-16"));
  EXPECT_EQ(ShownEncoding(), "UTF-16 LE");
  // A cancelled choice changes nothing.
  Form->Action("SaveEncoding1")->trigger();
  EXPECT_EQ(ShownEncoding(), "UTF-16 LE");

  // Bytes that cannot be in the chosen encoding are left unread, with the reason.
  WriteBytes(notes, "odd");
  Boxes.Shown.clear();
  Encodings.Names = {"UTF-16 BE"};
  Form->Action("ReopenEncoding1")->trigger();
  ASSERT_EQ(Boxes.Shown.size(), 1u);
  EXPECT_EQ(Boxes.Shown[0].Text,
            "Error on load file\n\nIt cannot be UTF-16 BE without BOM text: it has an odd number of bytes.");
  EXPECT_EQ(Text(), Russian + "\n");
}

TEST_F(DocumentEncoding, APreviewIsInTheDocumentsEncoding) {
  const QString page = Path("page.html"), copy = Path("copy.bin"), program = Path("copier");
  WriteBytes(
      program,
      ("#!/bin/sh\ncp \"$1\" '" + copy + ".tmp' && mv '" + copy + ".tmp' '" + copy + "'\n").toStdString());
  QFile(program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  Form->CustomPath = program;
  const std::string bytes =
      IconvProgram("<meta charset=\"koi8-r\">\r\n" + Russian + "\r\n", "UTF-8", "KOI8-R");
  WriteBytes(page, bytes);
  ASSERT_TRUE(Form->LoadDocument(page));
  for (const bool fits : {true, false}) {
    if (!fits) {
      QGuiApplication::clipboard()->setText(QStringLiteral("\u4E2D"));
      Form->EditPaste1Execute();
    }
    QFile::remove(copy);
    Form->Action("Custon1")->trigger();
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(copy) && clock.elapsed() < 20000) QThread::msleep(20);
    // A character KOI8-R cannot hold makes the copy UTF-8, never a copy with a hole.
    EXPECT_EQ(FileBytes(copy), fits ? bytes : "\u4E2D<meta charset=\"koi8-r\">\r\n" + Russian + "\r\n");
  }
  EXPECT_TRUE(Boxes.Shown.empty());
}

}  // namespace
