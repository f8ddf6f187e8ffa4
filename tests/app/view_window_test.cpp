// Around the document: status bar, line numbers, zoom, Undo and Redo, driven by keys in the window.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "MainStatusBar.h"
#include "main_fakes.h"
#include "setup.h"
#include "xeCustomEdit.h"

namespace {

struct TKey {
  int Key;
  Qt::KeyboardModifiers Mods = Qt::NoModifier;
  const char* Text = nullptr;  // typed instead of Key when set
};

void Press(QWidget* Target, const std::vector<TKey>& Keys) {
  for (const TKey& k : Keys) {
    if (k.Text) {
      for (const QChar c : QString::fromUtf8(k.Text))
        QTest::sendKeyEvent(QTest::Click, Target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    } else {
      QTest::keyClick(Target, Qt::Key(k.Key), k.Mods);
    }
  }
}

// A shown window with the focus in Memo1, so that window shortcuts and editor keys both work.
std::unique_ptr<TMainForm> ActiveForm() {
  auto form = ShownMainForm();
  form->activateWindow();
  form->Memo1->setFocus();
  EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
  return form;
}

QString Shown(const QLabel* Label) { return Label->isHidden() ? QString() : Label->text(); }

TEST(ViewWindow, StatusBarFollowsTheCaretInCharacters) {
  auto form = ActiveForm();
  form->Memo1->SetText(
      "a\xC3\xA9\xE2\x82\xAC"
      "b\n\xE4\xB8\xAD\xE6\x96\x87x");  // aé€b / 中文x
  struct TStep {
    std::vector<TKey> Keys;
    const char *Pos, *SelMode, *InsMode, *Modified;
  };
  const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
  const std::vector<TStep> steps = {
      {{{Qt::Key_End}}, "Ln 1, Col 5", "", "Insert", ""},
      {{{Qt::Key_Home}, {Qt::Key_Right}, {Qt::Key_Right}}, "Ln 1, Col 3", "", "Insert", ""},
      {{{Qt::Key_End, Qt::ControlModifier}}, "Ln 2, Col 4", "", "Insert", ""},
      {{{Qt::Key_Insert}}, "Ln 2, Col 4", "", "Overwrite", ""},
      {{{0, {}, "\xC3\xBC"}}, "Ln 2, Col 5", "", "Overwrite", "Modified"},
      {{{Qt::Key_C, ctrlShift}}, "Ln 2, Col 5", "Column selection", "Overwrite", "Modified"},
      {{{Qt::Key_N, ctrlShift}, {Qt::Key_Insert}}, "Ln 2, Col 5", "", "Insert", "Modified"},
      {{{Qt::Key_Right}, {Qt::Key_Right}}, "Ln 2, Col 7", "", "Insert", "Modified"},  // past the end
  };
  TMainStatusBar* bar = form->StatusBar1;
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->isVisible()) << "on by default";
  for (std::size_t i = 0; i < steps.size(); ++i) {
    Press(form->Memo1, steps[i].Keys);
    EXPECT_EQ(Shown(bar->PosLbl), steps[i].Pos) << "step " << i;
    EXPECT_EQ(Shown(bar->SelModeLbl), steps[i].SelMode) << "step " << i;
    EXPECT_EQ(Shown(bar->InsModeLbl), steps[i].InsMode) << "step " << i;
    EXPECT_EQ(Shown(bar->ModifiedLbl), steps[i].Modified) << "step " << i;
  }
  form->Memo1->SetModified(false);
  // The file's encoding and line breaks.
  QTemporaryDir dir;
  for (const char* breaks : {"\r\n", "\n"}) {
    const QString name = dir.filePath("page.html");
    WriteBytes(name, std::string("a") + breaks + "b" + breaks);
    ASSERT_TRUE(form->LoadDocument(name));
    EXPECT_EQ(Shown(bar->LineBreakLbl), breaks[0] == '\r' ? "CR LF" : "LF");
    EXPECT_EQ(Shown(bar->EncodingLbl), "UTF-8");
    EXPECT_EQ(Shown(bar->PosLbl), "Ln 1, Col 1");
  }
  bar->SetFileFormat("", "LF");
  EXPECT_EQ(Shown(bar->EncodingLbl), "") << "an unknown field stays hidden";
}

TEST(ViewWindow, LineNumbersAndStatusBarAreRemembered) {
  auto form = ShownMainForm();
  TxeCustomEdit* memo = form->Memo1;
  EXPECT_EQ(memo->GutterWidth(), 0) << "off by default";
  form->Action("ShowLineNumbers1")->trigger();
  const int cw = memo->CharWidth();
  const int fixed = memo->Gutter().LeftOffset() + memo->Gutter().RightOffset() + 2;
  struct TCount {
    int Lines, Digits;
  };
  for (const TCount c : {TCount{1, 2}, {100, 3}, {12345, 5}, {5, 2}}) {
    memo->SetText(std::string(std::size_t(c.Lines - 1), '\n') + "x");
    EXPECT_EQ(memo->GutterWidth(), fixed + c.Digits * cw) << c.Lines << " lines";
  }
  form->Action("ShowStatusBar1")->trigger();
  EXPECT_FALSE(form->StatusBar1->isVisible());
  // On disk once the commands are done, with the window still open: a crash now would lose nothing.
  QCoreApplication::processEvents();

  TMainForm again;
  again.show();
  EXPECT_TRUE(again.Action("ShowLineNumbers1")->isChecked());
  EXPECT_GT(again.Memo1->GutterWidth(), 0);
  EXPECT_FALSE(again.StatusBar1->isVisible());
  again.Action("ShowLineNumbers1")->trigger();
  EXPECT_EQ(again.Memo1->GutterWidth(), 0);
}

TEST(ViewWindow, UndoLevelsRedoAndZoom) {
  auto form = ActiveForm();
  TxeCustomEdit* memo = form->Memo1;
  QAction* undo = form->Action("EditUndo1");
  QAction* redo = form->Action("EditRedo1");
  EXPECT_EQ(redo->text(), "R&edo");
  EXPECT_EQ(redo->shortcut(), QKeySequence("Alt+Shift+Backspace")) << "the keystroke map's key for ecRedo";
  QAction* redoItem = form->Action("Redo1");  // the Edit menu's item
  ASSERT_NE(redoItem, nullptr);
  EXPECT_EQ(redoItem->shortcut(), redo->shortcut());
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());

  // Undo levels from Setup become MaxUndo.
  form->SetupForm->UndoSpn->setValue(5);
  form->SetupForm->ApplyBtnClick();
  EXPECT_EQ(memo->MaxUndo(), 5);
  struct TStep {
    std::vector<TKey> Keys;
    const char* Line;
    bool Undo, Redo;
  };
  const std::vector<TStep> steps = {
      {{{0, {}, "abcdef"}}, "abcdef", true, false},
      {{{Qt::Key_Backspace, Qt::AltModifier}}, "abcde", true, true},
      {{{Qt::Key_Backspace, Qt::AltModifier}, {Qt::Key_Backspace, Qt::AltModifier}}, "abc", true, true},
      {{{Qt::Key_Backspace, Qt::AltModifier}, {Qt::Key_Backspace, Qt::AltModifier}}, "a", false, true},
      {{{Qt::Key_Backspace, Qt::AltModifier}}, "a", false, true},  // only five levels
      {{{Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier}}, "ab", true, true},
      {{{Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}}, "abc", true, true},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    Press(memo, steps[i].Keys);
    EXPECT_EQ(memo->LineText(1), steps[i].Line) << "step " << i;
    EXPECT_EQ(undo->isEnabled(), steps[i].Undo) << "step " << i;
    EXPECT_EQ(redo->isEnabled(), steps[i].Redo) << "step " << i;
    EXPECT_EQ(redoItem->isEnabled(), steps[i].Redo) << "step " << i;
    EXPECT_EQ(form->Action("Undo1")->isEnabled(), steps[i].Undo) << "step " << i;
  }
  memo->SetModified(false);

  // Zoom changes the size for this run only; Ctrl+wheel still pages.
  const int stored = memo->Font().pointSize();
  struct TZoom {
    TKey Key;
    int Size;
  };
  const std::vector<TZoom> zooms = {
      {{Qt::Key_Plus, Qt::ControlModifier}, stored + 1},  {{Qt::Key_Equal, Qt::ControlModifier}, stored + 2},
      {{Qt::Key_Minus, Qt::ControlModifier}, stored + 1}, {{Qt::Key_0, Qt::ControlModifier}, stored},
      {{Qt::Key_Minus, Qt::ControlModifier}, stored - 1},
  };
  for (const TZoom& z : zooms) {
    Press(memo, {z.Key});
    EXPECT_EQ(memo->Font().pointSize(), z.Size);
  }
  for (int i = 0; i < 80; ++i) Press(memo, {{Qt::Key_Plus, Qt::ControlModifier}});
  EXPECT_EQ(memo->Font().pointSize(), 72) << "no larger than Setup allows";
  EXPECT_EQ(form->SetupForm->FontSpn->value(), stored);
  form->SetupForm->ApplyBtnClick();
  EXPECT_EQ(memo->Font().pointSize(), 72) << "Apply keeps the zoom";
  Press(memo, {{Qt::Key_0, Qt::ControlModifier}});
  EXPECT_EQ(memo->Font().pointSize(), stored);
}

}  // namespace
