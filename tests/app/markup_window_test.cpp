// The insert, conversion, link and image commands as the main window runs them.
#include "ConversionCommands.h"
#include "GoToWeb.h"
#include "InsertMarkup.h"
#include "LinkCommandsPicDlg.h"
#include "main_fakes.h"
#include "setup.h"
#include "xeCompletionProposal.h"
#include "xeEditModel.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class MarkupWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    Form = ShownMainForm();
    Memo = dynamic_cast<TxeEditModel*>(Form->findChild<QWidget*>("Memo1"));
    ASSERT_NE(Memo, nullptr);
  }
  void Run(const char* action) {
    QAction* a = Form->Action(action);
    ASSERT_NE(a, nullptr) << action;
    a->trigger();
  }
  void SetText(const std::string& text, TPoint caret) {
    Memo->SetText(text);
    Memo->SetCaretPos(caret);
  }
  void Select(TPoint b, TPoint e) {
    Memo->SetCaretPos(e);
    Memo->SetSelBegin(b);
    Memo->SetSelEnd(e);
  }

  std::unique_ptr<TMainForm> Form;
  TxeEditModel* Memo = nullptr;
  TScriptedBoxes Boxes;
  TScriptedFileDialogs Files;
  QTemporaryDir Dir;
};

// The window's actions carry the captions and shortcuts the insert table knows.
TEST_F(MarkupWindow, ActionsAgreeWithTheTable) {
  for (const TMarkupItem& item : MarkupItems()) {
    QAction* action = Form->Action(item.Name);
    ASSERT_NE(action, nullptr) << item.Name;
    EXPECT_EQ(action->text(), QString::fromLatin1(item.Caption)) << item.Name;
    EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(item.Shortcut))) << item.Name;
  }
}

TEST_F(MarkupWindow, InsertsAroundTheSelectionAndUndoes) {
  SetText("say hello", {1, 1});
  Select({5, 1}, {10, 1});
  Run("Bold1");
  EXPECT_EQ(Memo->Text(), "say <B>hello</B>\r\n");
  EXPECT_EQ(Memo->CaretPos(), (TPoint{17, 1}));
  Memo->Undo();
  EXPECT_EQ(Memo->Text(), "say hello\r\n");
  EXPECT_EQ(Memo->SelectedText(), "hello");

  Form->UserName = "Ann";
  SetText("", {1, 1});
  Run("Author1");
  EXPECT_EQ(Memo->Text(), "<META NAME=\"Author\" CONTENT=\"Ann\">\r\n");
  Run("Description1");
  EXPECT_EQ(Memo->Text(), "<META NAME=\"Author\" CONTENT=\"Ann\">\r\n");
}

TEST_F(MarkupWindow, ConversionAsksWithoutSelection) {
  SetText("abc def", {2, 1});
  Run("ToUppercase1");  // the empty answer queue cancels
  ASSERT_EQ(Boxes.Shown.size(), 1u);
  EXPECT_EQ(Boxes.Shown[0].Text, kApplyToAllQuestion);
  EXPECT_EQ(Boxes.Shown[0].Type, mtWarning);
  EXPECT_EQ(Boxes.Shown[0].Buttons, mbYes | mbCancel);
  EXPECT_EQ(Memo->Text(), "abc def\r\n");
  Boxes.Answers = {mrYes};
  Run("Capitalise1");
  EXPECT_EQ(Memo->Text(), "abc Def\r\n");
  Select({1, 1}, {4, 1});
  Run("ToUppercase1");
  EXPECT_EQ(Boxes.Shown.size(), 2u);
  EXPECT_EQ(Memo->Text(), "ABC Def\r\n");
}

TEST_F(MarkupWindow, LinksFromFiles) {
  SetText("", {1, 1});
  Files.Names = {""};
  Run("Linktofile1");
  EXPECT_EQ(Memo->Text(), "\r\n");
  Files.Names = {"/srv/my site/index.html"};
  Run("Linktofile1");
  EXPECT_EQ(Memo->Text(), "<A HREF=\"file:///srv/my site/index.html\"></A>\r\n");
  EXPECT_EQ(Files.LastFilter,
            "HTML files|*.htm?;*.?htm?;*.htm|Style Sheets|*.css|JavaScript files|*.js|"
            "Text files|*.txt;*.me;*.diz;*.log|All files|*.*");

  const QString shortcut = Dir.filePath("site.url");
  WriteBytes(shortcut, "[InternetShortcut]\r\nURL=https://example.org/a\r\n");
  SetText("", {1, 1});
  Files.Names = {shortcut};
  Run("URLfromfile1");
  EXPECT_EQ(Memo->Text(), "<A HREF=\"https://example.org/a\"></A>\r\n");
  EXPECT_EQ(Files.LastFilter, "URL Shortcuts (*.url)|*.url");
}

TEST_F(MarkupWindow, ImageFromFile) {
  QImage image(64, 48, QImage::Format_RGB32);
  image.fill(Qt::green);
  const QString picture = Dir.filePath("shot.png");
  ASSERT_TRUE(image.save(picture, "PNG"));
  QString answer;
  SetPicturePicker([&](QWidget*) { return answer; });

  SetText("", {1, 1});
  Run("Imagefromfile1");
  EXPECT_EQ(Memo->Text(), "\r\n");
  answer = picture;
  Run("Imagefromfile1");
  EXPECT_EQ(Memo->Text(),
            "<IMG SRC=\"file://" + picture.toStdString() + "\" WIDTH=\"64\" HEIGHT=\"48\">\r\n");

  // Pictures that cannot be read: a GIF is still inserted, 0 by 0; others are reported, and a named
  // pipe is refused at once instead of blocking the window.
  const QString pipe = Dir.filePath("pipe.png");
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  struct {
    QString File;
    std::string Inserted;
    QString Message;
  } cases[] = {
      {Dir.filePath("gone.jpg"), "",
       "Cannot open file " + Dir.filePath("gone.jpg") + "\n\nNo such file or directory"},
      {Dir.filePath("gone.GIF"),
       "<IMG SRC=\"file://" + Dir.filePath("gone.GIF").toStdString() + "\" WIDTH=\"0\" HEIGHT=\"0\">", ""},
      {pipe, "", "Cannot open file " + pipe + "\n\n" + pipe + " is a named pipe, not a file."},
  };
  for (const auto& c : cases) {
    answer = c.File;
    SetText("", {1, 1});
    Boxes.Shown.clear();
    Run("Imagefromfile1");
    EXPECT_EQ(Memo->Text(), c.Inserted + "\r\n");
    ASSERT_EQ(Boxes.Shown.size(), c.Message.isEmpty() ? 0u : 1u);
    if (!c.Message.isEmpty()) {
      EXPECT_EQ(Boxes.Shown[0].Text, c.Message);
      EXPECT_EQ(Boxes.Shown[0].Type, mtError);
    }
  }
  SetPicturePicker({});

  // The same for a shortcut.
  QFile::rename(pipe, Dir.filePath("pipe.url"));
  Files.Names = {Dir.filePath("pipe.url")};
  Boxes.Shown.clear();
  Run("URLfromfile1");
  EXPECT_EQ(Memo->Text(), "\r\n");
  ASSERT_EQ(Boxes.Shown.size(), 1u);
  EXPECT_TRUE(Boxes.Shown[0].Text.endsWith("pipe.url is a named pipe, not a file."));
}

TEST_F(MarkupWindow, CompletionComponentAsLaidOut) {
  auto* completion = Form->findChild<TXeCompletionProposal*>("XeCompletionProposal1");
  ASSERT_NE(completion, nullptr);
  EXPECT_EQ(completion->NbLinesInWindow(), 6);
  EXPECT_EQ(completion->ClSelect(), clHighlight);
  EXPECT_FALSE(completion->AnsiStrings());
  EXPECT_EQ(completion->ShortCut, 16416);
  EXPECT_EQ(completion->EndOfTokenChr, "()[].");
  EXPECT_EQ(completion->Editor(), Form->Memo1);
}

class TUrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> Urls;
 public slots:
  void Catch(const QUrl& url) { Urls << url; }
};

TEST_F(MarkupWindow, WebLinks) {
  TUrlCatcher catcher;
  QDesktopServices::setUrlHandler("https", &catcher, "Catch");
  Run("OrvexSoftwareonline1");
  Run("OrvexNetcsnter1");
  QDesktopServices::unsetUrlHandler("https");
  EXPECT_EQ(catcher.Urls, QList<QUrl>({QUrl(kMakerWebSite), QUrl(kMakerCenterPage)}));
}

}  // namespace

namespace {

// "Write modern HTML" and "Links and pictures relative to the document", ticked in Setup's first tab.
TEST_F(MarkupWindow, ModernAndRelativeMarkup) {
  EXPECT_EQ(Form->SetupForm->PageControl1->indexOf(Form->SetupForm->ModernHTMLChk->parentWidget()), 0);
  QDir(Dir.path()).mkpath("site/img");
  const QString page = Dir.filePath("site/page.html");
  const QString picture = Dir.filePath("site/img/logo.png");
  QImage image(64, 48, QImage::Format_RGB32);
  image.fill(Qt::blue);
  ASSERT_TRUE(image.save(picture, "PNG"));
  const QString shortcut = Dir.filePath("site.url");
  WriteBytes(shortcut, "[InternetShortcut]\r\nURL=https://example.org/A\r\n");
  SetPicturePicker([&](QWidget*) { return picture; });
  const std::string absolute = "file://" + picture.toStdString();
  Form->SetupForm->NameEd->setText("Ann");

  struct TCase {
    bool modern, relative, saved;
    const char* command;
    QString picked;  // for the file dialog
    std::string text;
  };
  const std::vector<TCase> cases = {
      {false, false, false, "Bold1", "", "<B></B>"},
      {true, false, false, "Bold1", "", "<b></b>"},
      {true, false, false, "Rightaligned1", "", "<p align=\"Right\">"},
      {true, false, false, "Content1", "", "<meta http-equiv=\"Content-Type\" content=\"text/html\">"},
      {true, false, false, "Author1", "", "<meta name=\"Author\" content=\"Ann\">"},
      {true, false, false, "Simple1", "", "<ul>\n <li>\n</ul>"},
      {true, false, false, "URLfromfile1", shortcut, "<a href=\"https://example.org/A\"></a>"},
      {true, true, false, "Linktofile1", Dir.filePath("other/x.html"),
       "<a href=\"file://" + Dir.filePath("other/x.html").toStdString() + "\"></a>"},
      {false, true, true, "Linktofile1", Dir.filePath("other/x.html"), "<A HREF=\"../other/x.html\"></A>"},
      {true, true, true, "Linktofile1", Dir.filePath("site/a b.html"), "<a href=\"a b.html\"></a>"},
      {true, true, true, "Imagefromfile1", "",
       "<img src=\"img/logo.png\" width=\"64\" height=\"48\" alt=\"\">"},
      {true, true, false, "Imagefromfile1", "",
       "<img src=\"" + absolute + "\" width=\"64\" height=\"48\" alt=\"\">"},
      {false, true, true, "Imagefromfile1", "", "<IMG SRC=\"img/logo.png\" WIDTH=\"64\" HEIGHT=\"48\">"},
      {true, false, false, "HTMLfile1", "",
       "<!DOCTYPE html>\n<html>\n<head>\n <meta charset=\"utf-8\">\n "
       "<title>Untitled</title>\n</head>\n<body>\n"
       "\n</body>\n</html>"},
      {false, false, false, "HTMLfile1", "",
       "<HTML>\n<HEAD>\n <TITLE>Untitled</TITLE>\n</HEAD>\n<BODY>\n\n</BODY>\n</HTML>"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.command);
    Form->SetupForm->ModernHTMLChk->setChecked(c.modern);
    Form->SetupForm->RelativeLinksChk->setChecked(c.relative);
    Form->SetupForm->ApplyBtnClick();
    Form->Action("Newblank1")->trigger();
    if (c.saved) {
      Files.Names = {page};
      Form->Action("SaveAs1")->trigger();
      ASSERT_TRUE(Form->DocumentOnDisk());
    }
    if (!c.picked.isEmpty()) Files.Names = {c.picked};
    Run(c.command);
    std::string text;
    for (int y = 1; y <= Memo->LineCount(); ++y) text += (y > 1 ? "\n" : "") + std::string(Memo->LineText(y));
    EXPECT_EQ(text, c.text) << "modern " << c.modern << " relative " << c.relative << " saved " << c.saved;
    Memo->SetModified(false);
  }
  // The new page puts the caret into its body.
  EXPECT_EQ(Memo->CaretPos(), (TPoint{2, 6}));
  Form->SetupForm->ModernHTMLChk->setChecked(true);
  Form->SetupForm->ApplyBtnClick();
  Form->Action("HTMLfile1")->trigger();
  EXPECT_EQ(Memo->CaretPos(), (TPoint{2, 8}));
  SetPicturePicker({});
}

}  // namespace

#include "markup_window_test.moc"
