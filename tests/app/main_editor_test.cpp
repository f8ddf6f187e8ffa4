// The document editor inside the main window: its settings, highlighters, templates and keys.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "jxHTMLSyn.h"
#include "main_fakes.h"
#include "setup.h"
#include "xeCSSSyn.h"
#include "xeCompletionProposal.h"
#include "xeCustomEdit.h"
#include "xeJScriptSyn.h"

namespace {

TEST(MainEditor, Memo1AsTheLayoutSetsIt) {
  auto form = ShownMainForm();
  TxeCustomEdit* memo = form->Memo1;
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->objectName(), "Memo1");
  EXPECT_EQ(memo->MaxUndo(), 2);
  EXPECT_EQ(memo->Options(), xeoAutoIndent | xeoDragDropEditing | xeoHalfPageScroll | xeoScrollPastEol |
                                 xeoTabsToSpaces | xeoSmartTabs);
  EXPECT_TRUE(memo->WantTabs());
  EXPECT_EQ(memo->RightEdge(), 0);
  EXPECT_EQ(memo->GutterWidth(), 0);
  EXPECT_EQ(form->centralWidget(), memo);
  ASSERT_NE(form->Memo0, nullptr);
  EXPECT_FALSE(form->Memo0->isVisible());
  EXPECT_EQ(form->Memo0->MaxUndo(), 10);
  EXPECT_FALSE(form->Memo0->WantTabs());
  ASSERT_EQ(form->findChildren<TXeCompletionProposal*>().size(), 1);
  auto* completion = form->findChild<TXeCompletionProposal*>("XeCompletionProposal1");
  ASSERT_NE(completion, nullptr);
  EXPECT_EQ(completion->Editor(), memo);
  EXPECT_EQ(completion->NbLinesInWindow(), 6);
  // The first start's settings: Courier New 10.
  EXPECT_EQ(memo->Font().pointSize(), 10);
}

TEST(MainEditor, HighlightersFollowTheTypeWithTheWindowsColours) {
  auto form = ShownMainForm();
  const TxeCustomHighLighter* expected[] = {nullptr, form->HTMLSyn, form->JScriptSyn, form->CSSSyn};
  for (int type : {1, 2, 3, 0}) {
    form->SetDocType(type);
    EXPECT_EQ(form->Memo1->HighLighter(), expected[type]) << type;
  }
  EXPECT_EQ(form->HTMLSyn->KeyAttri()->Foreground(), 8388672u);
  EXPECT_EQ(form->HTMLSyn->UndefKeyAttri()->Foreground(), 8388672u);
  EXPECT_EQ(form->HTMLSyn->ValueAttri()->Foreground(), 11170560u);
  EXPECT_EQ(form->HTMLSyn->AndAttri()->Foreground(), 5925710u);
  EXPECT_EQ(form->HTMLSyn->ASPAttri()->Background(), clYellow);
  EXPECT_EQ(form->JScriptSyn->CommentAttri()->Style(), fsItalic);
  EXPECT_EQ(form->CSSSyn->KeyAttri()->Style(), fsBold);
  EXPECT_EQ(form->CSSSyn->GetDefaultFilter(), "Cascading Stylesheets (*.css)|*.css");
  // Highlighting switched off in the settings removes the highlighter, buttons keep their state.
  form->SetDocType(1);
  TSettingsValues values;
  values.HighlightEnabled = false;
  form->StartupGuard = false;
  form->ApplySettings(values);
  EXPECT_EQ(form->Memo1->HighLighter(), nullptr);
  EXPECT_TRUE(form->ToolButton("HTMLHLBtn")->isChecked());
}

TEST(MainEditor, TemplatesAndTheirCarets) {
  TScriptedBoxes boxes;
  auto form = ShownMainForm();
  struct Case {
    const char* Action;
    int Lines;
    std::string Line6;
    TPoint Caret;
  };
  const Case cases[] = {
      {"HTMLfile1", 8, "", {2, 6}},   {"HTMLFrameset1", 9, " <FRAME SRC=\"\" NAME=\"\">", {14, 6}},
      {"JavaScript2", 2, "", {1, 2}}, {"CSSfile1", 2, "", {1, 2}},
      {"Newblank1", 1, "", {1, 1}},
  };
  for (const Case& c : cases) {
    form->Action(c.Action)->trigger();
    EXPECT_EQ(form->Memo1->LineCount(), c.Lines) << c.Action;
    if (c.Lines >= 6) {
      EXPECT_EQ(form->Memo1->LineText(6), c.Line6) << c.Action;
    }
    EXPECT_EQ(form->Memo1->CaretCol(), c.Caret.X) << c.Action;
    EXPECT_EQ(form->Memo1->CaretLine(), c.Caret.Y) << c.Action;
    EXPECT_FALSE(form->Memo1->Modified()) << c.Action;
    EXPECT_FALSE(form->Memo1->UndoAvailable()) << c.Action;
  }
  form->Action("JavaScript2")->trigger();
  EXPECT_EQ(form->Memo1->LineText(2), " ");
  EXPECT_TRUE(boxes.Shown.empty());
}

TEST(MainEditor, MenuShortcutsComeBeforeEditorKeys) {
  auto form = ShownMainForm();
  form->activateWindow();
  form->Memo1->setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  form->Action("HTMLfile1")->trigger();
  // Shift+Ctrl+L is "Link to file..." in the menu and a selection mode in the editor. Only which
  // action fires matters here, not what its command then does.
  for (const char* name : {"Linktofile1", "Bold1"})
    QObject::disconnect(form->Action(name), &QAction::triggered, nullptr, nullptr);
  QSignalSpy link(form->Action("Linktofile1"), &QAction::triggered);
  QSignalSpy bold(form->Action("Bold1"), &QAction::triggered);
  QTest::keyClick(form->Memo1, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(form->Memo1, Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(link.count(), 1);
  EXPECT_EQ(bold.count(), 1);
  EXPECT_EQ(form->Memo1->SelectionMode(), smNormal);
  // Keys that are no menu shortcut reach the editor.
  QTest::keyClicks(form->Memo1, "xy");
  EXPECT_EQ(form->Memo1->LineText(6), " xy");
  // The edit actions run the editor's own commands while it has the focus.
  QTest::keyClick(form->Memo1, Qt::Key_Backspace, Qt::AltModifier);
  EXPECT_NE(form->Memo1->LineText(6), " xy") << "undone";
  // Ctrl+V is the window's paste, which turns tabs into four blanks.
  QGuiApplication::clipboard()->setText("a\tb");
  QTest::keyClick(form->Memo1, Qt::Key_V, Qt::ControlModifier);
  EXPECT_NE(form->Memo1->LineText(6).find("a    b"), std::string::npos) << form->Memo1->LineText(6);
  form->Memo1->SetModified(false);
}

}  // namespace
