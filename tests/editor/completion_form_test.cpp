// The completion popup on its own: preselection, keys, scrolling.
#include "xeCompletionProposal.h"

#include "QtTestApp.h"

#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(CompletionForm, Preselection) {
  EnsureQtApp();
  struct {
    bool Ansi;
    QString Typed;
    int Position;
  } cases[] = {
      {false, "A", 1},   {true, "A", 0},   {false, "al", 0},
      {false, "all", 2}, {true, "ALL", 2}, {false, "x", 0},  // no match: the previous preselection stays
      {false, "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Typed.toStdString());
    TCompletionProposal proposal;
    proposal.SetItemList({"alert", "Array", "all"});
    proposal.SetAnsiStrings(c.Ansi);
    proposal.Form()->SetCurrentString(c.Typed);
    EXPECT_EQ(proposal.Position(), c.Position);
  }
}

TEST(CompletionForm, MovingTheSelection) {
  EnsureQtApp();
  TCompletionProposal proposal;
  QStringList items;
  for (int i = 0; i < 10; ++i) items << QString("item%1").arg(i);
  proposal.SetItemList(items);
  TCompletionProposalForm* form = proposal.Form();
  proposal.Popup("item", 10, 10);
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->height(), 6 * form->EntryHeight() + 2);

  QTest::keyClick(form, Qt::Key_PageDown);
  EXPECT_EQ(proposal.Position(), 6);
  EXPECT_EQ(form->ScrollBar()->value(), 1);  // entries 1..6 visible
  QTest::keyClick(form, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(proposal.Position(), 9);
  QTest::keyClick(form, Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(proposal.Position(), 0);
  EXPECT_EQ(form->ScrollBar()->value(), 0);
  QTest::keyClick(form, Qt::Key_Down);
  QTest::keyClick(form, Qt::Key_Down);
  EXPECT_EQ(proposal.Position(), 2);
  QTest::keyClick(form, Qt::Key_PageUp);
  EXPECT_EQ(proposal.Position(), 0);
}

TEST(CompletionForm, MouseSelectsOnly) {
  EnsureQtApp();
  TCompletionProposal proposal;
  proposal.SetItemList({"a", "b", "c", "d"});
  bool validated = false;
  proposal.Form()->OnValidate = [&](QObject*) { validated = true; };
  proposal.Popup("", 0, 0);
  const int h = proposal.Form()->EntryHeight();
  QTest::mouseClick(proposal.Form(), Qt::LeftButton, {}, QPoint(20, 1 + 2 * h + h / 2));
  EXPECT_EQ(proposal.Position(), 2);
  EXPECT_FALSE(validated);
}

// Only the visible rows are drawn, each at its row; a custom drawing replaces the default one.
TEST(CompletionForm, PaintItem) {
  EnsureQtApp();
  TCompletionProposal proposal;
  proposal.SetItemList({"a", "b", "c", "d", "e", "f", "g", "h"});
  proposal.SetNbLinesInWindow(3);
  proposal.SetPosition(4);
  QStringList drawn;
  proposal.OnPaintItem() = [&](const QString& key, QPainter&, int x, int y) {
    drawn << QString("%1@%2,%3").arg(key).arg(x).arg(y);
    return true;
  };
  QImage image(proposal.Form()->size(), QImage::Format_RGB32);
  proposal.Form()->render(&image);
  const int h = proposal.Form()->EntryHeight();
  EXPECT_EQ(proposal.Form()->height(), 3 * h + 2);
  EXPECT_EQ(drawn, QStringList({"c@0,0", QString("d@0,%1").arg(h), QString("e@0,%1").arg(2 * h)}));
}

}  // namespace
