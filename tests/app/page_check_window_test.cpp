// HTML > "Check page" in the main window: the list, the gutter marks while it is shown, the caret
// taken to an entry, a new check replacing the list, and a text the check never changes.
#include <gtest/gtest.h>

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include "PageCheckPane.h"
#include "main_fakes.h"
#include "xeCustomEdit.h"
#include "xeKeyCmds.h"
#include "xeMarks.h"

namespace {

std::vector<std::pair<int, int>> MarkLines(TxeCustomEdit& memo) {
  std::vector<std::pair<int, int>> lines;  // (line, glyph)
  for (int i = 0; i < memo.Marks().Count(); ++i)
    lines.emplace_back(memo.Marks().Items(i)->Line(), memo.Marks().Items(i)->ImageIndex());
  std::sort(lines.begin(), lines.end());
  return lines;
}

TEST(PageCheckWindow, ListMarksCaretAndReplacement) {
  auto form = ShownMainForm();
  TxeCustomEdit* memo = form->Memo1;
  auto* pane = form->findChild<TPageCheckPane*>("PageCheckPane");
  ASSERT_NE(pane, nullptr);
  pane->SetProgram(QUILLAN_CHECK_PROGRAM);
  QAction* action = form->Action("Checkpage1");
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->text(), "Check page");
  EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F7));
  EXPECT_FALSE(pane->isVisible());

  const std::string faulty =
      "<!DOCTYPE html>\n<html><head><title>t</title></head>\n<body>\n<div>\n<p id=\"a\">x</p>\n"
      "<p id=\"a\">y</p>\n  <foo>z</foo>\n</body></html>";
  memo->SetText(faulty);
  const std::string before = memo->Text();
  QSignalSpy finished(pane, &TPageCheckPane::Finished);
  action->trigger();
  EXPECT_TRUE(pane->isVisible());
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_EQ(memo->Text(), before);

  std::vector<int> lines;
  for (const TPageProblem& p : pane->Problems()) lines.push_back(p.Line);
  ASSERT_FALSE(lines.empty()) << pane->Status().toStdString();
  EXPECT_EQ(lines.front(), 4);
  EXPECT_NE(std::find(lines.begin(), lines.end(), 6), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), 7), lines.end());
  EXPECT_EQ(pane->List()->model()->rowCount(), int(pane->Problems().size()));
  EXPECT_TRUE(pane->Status().startsWith("1 error, ")) << pane->Status().toStdString();
  // One mark per listed line: the error's disc on line 7, warning triangles on 4 and 6.
  const auto marks = MarkLines(*memo);
  EXPECT_NE(std::find(marks.begin(), marks.end(), std::make_pair(7, 0)), marks.end());
  EXPECT_NE(std::find(marks.begin(), marks.end(), std::make_pair(4, 1)), marks.end());
  EXPECT_NE(std::find(marks.begin(), marks.end(), std::make_pair(6, 1)), marks.end());
  EXPECT_GT(memo->GutterWidth(), 0);

  // Enter on the error's entry takes the caret to the unknown element.
  const auto error = std::find_if(pane->Problems().begin(), pane->Problems().end(),
                                  [](const TPageProblem& p) { return p.Error; });
  ASSERT_NE(error, pane->Problems().end());
  pane->List()->setCurrentIndex(pane->List()->model()->index(int(error - pane->Problems().begin()), 0));
  QTest::keyClick(pane->List(), Qt::Key_Return);
  EXPECT_EQ(memo->CaretPos(), (TPoint{3, 7}));
  // A line added above since the check: the entry follows its line's mark.
  memo->SetCaretXY(1, 1);
  memo->CommandProcessor(ecLineBreak);
  pane->List()->setFocus();
  QTest::keyClick(pane->List(), Qt::Key_Return);
  EXPECT_EQ(memo->CaretPos(), (TPoint{3, 8}));
  EXPECT_EQ(memo->Text(), "\r\n" + before);
  memo->CommandProcessor(ecUndo);

  // A new check replaces the list and its marks.
  memo->SetText("<!DOCTYPE html>\n<html><head><title>t</title></head>\n<body><p>x</p></body></html>");
  action->trigger();
  EXPECT_TRUE(memo->Marks().Count() == 0 && memo->GutterWidth() == 0) << "the old marks go at once";
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_TRUE(pane->Problems().empty());
  EXPECT_EQ(pane->Status(), "No errors or warnings");

  // Closing the pane takes the marks away and gives the gutter back its width.
  memo->SetText(faulty);
  action->trigger();
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_GT(memo->Marks().Count(), 0);
  pane->close();
  EXPECT_EQ(memo->Marks().Count(), 0);
  EXPECT_EQ(memo->GutterWidth(), 0);
  // Line numbers turned on while the marks stand keep their gutter when the pane closes.
  action->trigger();
  ASSERT_TRUE(finished.wait(20000));
  form->Action("ShowLineNumbers1")->trigger();
  pane->close();
  EXPECT_TRUE(memo->Gutter().Visible() && memo->Gutter().ShowLineNumbers());
  form->Action("ShowLineNumbers1")->trigger();
  EXPECT_EQ(memo->GutterWidth(), 0);
  // A check abandoned by closing the pane reports nothing.
  action->trigger();
  pane->close();
  EXPECT_FALSE(finished.wait(300));
  EXPECT_EQ(memo->Marks().Count(), 0);
}

}  // namespace
