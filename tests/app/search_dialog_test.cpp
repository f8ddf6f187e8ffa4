// The find/replace dialog and the Print command, as the user meets them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "ReplaceDlg.h"
#include "main_fakes.h"
#include "xeCustomEdit.h"
#include "xeEditModel.h"
#include "xePrint.h"

namespace {

std::vector<std::string> Lines(const TxeEditModel& m) {
  std::vector<std::string> out;
  for (int i = 1; i <= m.LineCount(); ++i) out.emplace_back(m.LineText(i));
  return out;
}

enum TButton { bFind, bReplace, bReplaceAll };

struct TDialogCase {
  const char* name;
  TPoint caret;
  const char* find;
  bool matchCase, wholeWord, up;
  TButton button;
  std::vector<std::string> expected;
  TPoint selBegin, selEnd;                // checked when selBegin.X > 0
  const char* message = "";               // the dialog's line afterwards
  std::deque<TModalResult> answers = {};  // to "continue from the top?"
  std::size_t questions = 0;
  bool regex = false;
};

TEST(ReplaceDialog, ButtonsAndBoxesReachTheEditor) {
  EnsureQtApp();
  const std::vector<std::string> text = {"div DIV", "div divx", "div"};
  const TPoint none{0, 0};
  const std::vector<TDialogCase> cases = {
      {"find next from the caret", {2, 1}, "div", false, false, false, bFind, text, {5, 1}, {8, 1}},
      {"match case", {2, 1}, "DIV", true, false, false, bFind, text, {5, 1}, {8, 1}},
      {"match case skips other cases, declined going on from the top",
       {6, 1},
       "DIV",
       true,
       false,
       false,
       bFind,
       text,
       {6, 1},
       {6, 1},
       "",
       {mrNo},
       1},
      {"at the end, goes on from the top",
       {4, 3},
       "div",
       false,
       false,
       false,
       bFind,
       text,
       {1, 1},
       {4, 1},
       "",
       {mrYes},
       1},
      {"nowhere: said in the dialog, nothing asked",
       {4, 3},
       "span",
       false,
       false,
       false,
       bFind,
       text,
       {4, 3},
       {4, 3},
       "'span' was not found"},
      {"from the top: nothing to go on with",
       {1, 1},
       "DIVX",
       true,
       false,
       false,
       bFind,
       text,
       {1, 1},
       {1, 1},
       "'DIVX' was not found"},
      {"whole word",
       {2, 1},
       "div",
       false,
       true,
       true,
       bReplaceAll,
       {"div x", "x divx", "x"},
       none,
       none,
       "3 occurrences replaced"},
      {"both boxes",
       {1, 1},
       "div",
       true,
       true,
       false,
       bReplaceAll,
       {"x DIV", "x divx", "x"},
       none,
       none,
       "3 occurrences replaced"},
      {"one replaced",
       {1, 1},
       "DIV",
       true,
       false,
       false,
       bReplaceAll,
       {"div x", "div divx", "div"},
       none,
       none,
       "1 occurrence replaced"},
      {"replace all finds nothing",
       {1, 1},
       "span",
       false,
       false,
       false,
       bReplaceAll,
       text,
       none,
       none,
       "'span' was not found"},
      {"up is not passed on", {6, 2}, "div", false, false, true, bFind, text, {1, 3}, {4, 3}},
      {"replace takes the next one only",
       {2, 1},
       "div",
       false,
       false,
       false,
       bReplace,
       {"div x", "div divx", "div"},
       none,
       none},
      {"replace all leaves what is above the caret",
       {1, 2},
       "div",
       false,
       false,
       false,
       bReplaceAll,
       {"div DIV", "x xx", "x"},
       none,
       none,
       "3 occurrences replaced"},
      {"an expression goes on from the top",
       {4, 3},
       "D\\w+",
       false,
       false,
       false,
       bFind,
       text,
       {1, 1},
       {4, 1},
       "",
       {mrYes},
       1,
       true},
      {"an expression found nowhere",
       {1, 1},
       "d\\d",
       false,
       false,
       false,
       bFind,
       text,
       {1, 1},
       {1, 1},
       "'d\\d' was not found",
       {},
       0,
       true},
  };
  for (const auto& c : cases) {
    TScriptedBoxes boxes;
    boxes.Answers = c.answers;
    TxeEditModel editor;
    std::string joined;
    for (const auto& l : text) joined += l + "\n";
    editor.SetText(joined);
    editor.SetCaretPos(c.caret);
    editor.SetSelBegin(c.caret);
    TReplaceDlg dialog;
    ConnectReplaceDlg(dialog, [&editor] { return &editor; });
    dialog.SetFindText(QString::fromLatin1(c.find));
    dialog.SetReplaceText(QStringLiteral("x"));
    dialog.MatchCaseBox->setChecked(c.matchCase);
    dialog.WholeWordBox->setChecked(c.wholeWord);
    dialog.RegExprBox->setChecked(c.regex);
    (c.up ? dialog.UpBtn : dialog.DownBtn)->setChecked(true);
    (c.button == bFind      ? dialog.FindNextBtn
     : c.button == bReplace ? dialog.ReplaceBtn
                            : dialog.ReplaceAllBtn)
        ->click();
    EXPECT_EQ(Lines(editor), c.expected) << c.name;
    if (c.selBegin.X > 0) {
      EXPECT_EQ(editor.SelBegin(), c.selBegin) << c.name;
      EXPECT_EQ(editor.SelEnd(), c.selEnd) << c.name;
    }
    EXPECT_EQ(dialog.Message(), QString::fromLatin1(c.message)) << c.name;
    EXPECT_EQ(boxes.Shown.size(), c.questions) << c.name;
  }
}

TEST(ReplaceDialog, OptionsPassedOn) {
  EnsureQtApp();
  TReplaceDlg dialog;
  TxeSearchOptions find = 0xFF, replace = 0xFF;
  dialog.OnFind = [&](TReplaceDlg& d) { find = ReplaceDlgFindOptions(d); };
  dialog.OnReplace = [&](TReplaceDlg& d) { replace = ReplaceDlgReplaceOptions(d); };
  dialog.SetFindText(QStringLiteral("a"));
  dialog.MatchCaseBox->setChecked(true);
  dialog.WholeWordBox->setChecked(true);
  dialog.UpBtn->setChecked(true);
  dialog.FindNextBtn->click();
  EXPECT_EQ(find, srMatchCase | srWholeWord);
  dialog.ReplaceBtn->click();
  EXPECT_EQ(replace, srMatchCase | srWholeWord | srReplace);
  dialog.MatchCaseBox->setChecked(false);
  dialog.RegExprBox->setChecked(true);
  dialog.ReplaceAllBtn->click();
  EXPECT_EQ(replace, srWholeWord | srReplaceAll | srRegExpr);
  dialog.SetFindText(QString());
  EXPECT_FALSE(dialog.FindNextBtn->isEnabled());
}

TEST(ReplaceDialog, RegularExpressionsAndTheirFaults) {
  EnsureQtApp();
  TxeEditModel editor;
  const std::string text = "<div class=\"\xC3\xA9\">x</div>";
  editor.SetText(text);
  TReplaceDlg dialog;
  ConnectReplaceDlg(dialog, [&editor] { return &editor; });
  dialog.RegExprBox->setChecked(true);
  EXPECT_TRUE(dialog.RegExprBox->toolTip().contains(QStringLiteral("within one line")));
  const struct {
    const char* find;
    const char* replace;
    const char* message;  // how the line under the boxes begins
    int cursor;           // in the field an error is about; -1: no error
  } steps[] = {
      {"\xC3\xA9{2,1}", "", "Error in the regular expression at character 6: ", 5},
      {"<(/?)div", "<${2}section", "Error in the replace text at character 2: ", 1},
      {"<(div", "", "Error in the regular expression at the end: ", 5},
      {"<(/?)div", "<$1section", "2 occurrences replaced", -1},
  };
  for (const auto& s : steps) {
    dialog.SetFindText(QString::fromUtf8(s.find));
    dialog.SetReplaceText(QString::fromUtf8(s.replace));
    dialog.ReplaceAllBtn->click();
    EXPECT_FALSE(dialog.MessageLbl->isHidden()) << s.find;
    EXPECT_TRUE(dialog.Message().startsWith(QString::fromUtf8(s.message))) << dialog.Message().toStdString();
    if (s.cursor < 0) continue;
    const QLineEdit* field =
        dialog.Message().contains(QStringLiteral("replace")) ? dialog.ReplaceEdit : dialog.FindEdit;
    EXPECT_EQ(field->cursorPosition(), s.cursor) << s.find;
    EXPECT_EQ(editor.LineText(1), text) << s.find;
  }
  EXPECT_EQ(editor.LineText(1), "<section class=\"\xC3\xA9\">x</section>");
}

TEST(ReplaceDialog, SearchCommandShowsOneModelessDialogForMemo1) {
  auto form = ShownMainForm();
  auto* editor = dynamic_cast<TxeEditModel*>(form->findChild<QWidget*>(QStringLiteral("Memo1")));
  ASSERT_NE(editor, nullptr);
  editor->SetText("one two one\n");
  form->Action(QStringLiteral("SeachReplace1"))->trigger();
  auto* dialog = form->findChild<TReplaceDlg*>(QStringLiteral("ReplaceDlg"));
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  dialog->SetFindText(QStringLiteral("one"));
  dialog->SetReplaceText(QStringLiteral("1"));
  dialog->ReplaceAllBtn->click();
  EXPECT_EQ(editor->LineText(1), "1 two 1");
  dialog->hide();
  form->Action(QStringLiteral("SeachReplace1"))->trigger();
  EXPECT_EQ(form->findChildren<TReplaceDlg*>().size(), 1);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->FindText(), QStringLiteral("one"));  // the dialog keeps its texts
}

// The dialog takes the focus into its find field and gives it back to the text; F3 and Shift+F3 go on
// with its text while it is closed.
TEST(ReplaceDialog, KeysThroughTheWindow) {
  auto form = ShownMainForm();
  form->activateWindow();
  form->Memo1->setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  TxeCustomEdit* memo = form->Memo1;
  memo->SetText("one two one\ntwo one\n");
  TScriptedBoxes boxes;

  QTest::keyClick(memo, Qt::Key_F3);  // no text yet: the dialog opens
  auto* dialog = form->findChild<TReplaceDlg*>(QStringLiteral("ReplaceDlg"));
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == dialog->FindEdit; }));
  QTest::keyClicks(dialog->FindEdit, "one");
  QTest::keyClick(dialog->FindEdit, Qt::Key_Return);  // Enter is Find Next
  EXPECT_EQ(memo->SelBegin(), (TPoint{1, 1}));
  QTest::keyClick(dialog->FindEdit, Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == static_cast<QWidget*>(memo); }));
  EXPECT_EQ(memo->SelectedText(), "one") << "the found occurrence stays selected";
  QTest::keyClick(memo, Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == dialog->FindEdit; }));
  EXPECT_EQ(dialog->FindEdit->selectedText(), "one");
  dialog->CancelBtn->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == static_cast<QWidget*>(memo); }));

  struct TStep {
    Qt::KeyboardModifiers mods;
    std::deque<TModalResult> answers;
    TPoint selBegin;
    const char* box;  // the last box shown, empty for none
  };
  const std::vector<TStep> steps = {
      {Qt::NoModifier, {}, {9, 1}, ""},
      {Qt::NoModifier, {}, {5, 2}, ""},
      {Qt::NoModifier,
       {mrYes},
       {1, 1},
       "The search reached the end of the document.\nContinue from the top?"},
      {Qt::ShiftModifier,
       {mrYes},
       {5, 2},
       "The search reached the start of the document.\nContinue from the end?"},
      {Qt::ShiftModifier, {}, {9, 1}, ""},
      {Qt::NoModifier, {mrNo}, {8, 2}, "The search reached the end of the document.\nContinue from the top?"},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    boxes.Shown.clear();
    boxes.Answers = steps[i].answers;
    if (i == 5) {  // the caret at the very end, nothing selected
      memo->SetCaretPos({8, 2});
      memo->SetSelBegin({8, 2});
    }
    QTest::keyClick(memo, Qt::Key_F3, steps[i].mods);
    EXPECT_EQ(memo->SelBegin(), steps[i].selBegin) << "step " << i;
    EXPECT_EQ(boxes.Shown.empty() ? QString() : boxes.Shown.back().Text, steps[i].box) << "step " << i;
  }
  dialog->SetFindText("zzz");
  QTest::keyClick(memo, Qt::Key_F3);
  ASSERT_FALSE(boxes.Shown.empty());
  EXPECT_EQ(boxes.Shown.back().Text, "'zzz' was not found") << "said in a box while the dialog is closed";
}

TEST(PrintCommand, PrintsOnlyWhenThePrintDialogIsConfirmed) {
  auto form = ShownMainForm();
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
  xePrinter().setOutputFormat(QPrinter::PdfFormat);
  xePrinter().setOutputFileName(pdf);
  auto* editor = dynamic_cast<TxeEditModel*>(form->findChild<QWidget*>(QStringLiteral("Memo1")));
  ASSERT_NE(editor, nullptr);
  editor->SetText("first line\nsecond line\n");
  form->DocFileName = dir.filePath(QStringLiteral("page.html"));

  for (const bool confirm : {false, true}) {
    bool answered = false;
    QTimer::singleShot(0, [&] {
      if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        answered = d->objectName() == QStringLiteral("PrintDlg");
        confirm ? d->accept() : d->reject();
      }
    });
    form->Action(QStringLiteral("Print1"))->trigger();
    EXPECT_TRUE(answered);
    EXPECT_EQ(QFile::exists(pdf), confirm);
  }
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {pdf});
  info.waitForFinished(30000);
  const QString meta = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_TRUE(meta.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\b"))));
  EXPECT_TRUE(meta.contains(form->DocFileName)) << meta.toStdString();
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  text.waitForFinished(30000);
  EXPECT_EQ(QString::fromUtf8(text.readAllStandardOutput()).simplified(),
            QStringLiteral("first line second line"));
}

}  // namespace
