// Mouse and wheel: caret placement, Shift+click, drag-select with auto-scroll, double-click,
// dragging text inside the editor, the wheel's remainder.
#include <QApplication>
#include <QWheelEvent>

#include "jxHTMLSyn.h"
#include "widget_fixture.h"

namespace {

using MouseTest = WidgetTest;

QWidget* VP(TxeCustomEdit& e) { return e.viewport(); }

TEST_F(MouseTest, ClickPlacesTheCaretByHalfCells) {
  SetText("abcdefgh\r\nabcdefgh\r\n");
  const int cw = Edit->CharWidth(), lh = Edit->LineHeight();
  struct Case {
    int dx;  // pixels right of cell 3's left edge
    int col;
  } cases[] = {{1, 3}, {cw / 2 - 1, 3}, {cw / 2 + 1, 4}, {cw + 1, 4}};
  for (const auto& c : cases) {
    QTest::mouseClick(VP(*Edit), Qt::LeftButton, {}, QPoint(Edit->ColumnToX(3) + c.dx, lh + lh / 2));
    EXPECT_EQ(Edit->CaretPos(), (TPoint{c.col, 2})) << c.dx;
  }
}

TEST_F(MouseTest, ShiftClickExtendsAndPlainClickCollapses) {
  SetText("abcdefgh\r\nabcdefgh\r\n");
  const int lh = Edit->LineHeight();
  QTest::mouseClick(VP(*Edit), Qt::LeftButton, {}, QPoint(Edit->ColumnToX(2) + 1, lh / 2));
  QTest::mouseClick(VP(*Edit), Qt::LeftButton, Qt::ShiftModifier, QPoint(Edit->ColumnToX(5) + 1, lh + lh / 2));
  EXPECT_EQ(Edit->SelBegin(), (TPoint{2, 1}));
  EXPECT_EQ(Edit->SelEnd(), (TPoint{5, 2}));
  QTest::mouseClick(VP(*Edit), Qt::LeftButton, Qt::ShiftModifier, QPoint(Edit->ColumnToX(7) + 1, lh + lh / 2));
  EXPECT_EQ(Edit->SelBegin(), (TPoint{2, 1}));
  EXPECT_EQ(Edit->SelEnd(), (TPoint{7, 2}));
  QTest::mouseClick(VP(*Edit), Qt::LeftButton, {}, QPoint(Edit->ColumnToX(4) + 1, lh / 2));
  EXPECT_FALSE(Edit->HasSelection());
  EXPECT_EQ(Edit->CaretPos(), (TPoint{4, 1}));
}

TEST_F(MouseTest, DragSelectScrollsBelowTheWindow) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "line of text\r\n";
  SetText(text);
  const int h = Edit->viewport()->height(), vis = Edit->VisibleLineCount();
  QTest::mousePress(VP(*Edit), Qt::LeftButton, {}, QPoint(Edit->ColumnToX(1) + 1, 2));
  // 50 pixels below: a window of lines per pass, without waiting (one pass per 100 ms could not
  // get this far in the time)
  QTest::mouseMove(VP(*Edit), QPoint(Edit->ColumnToX(3) + 1, h + 50));
  QTest::qWait(60);
  EXPECT_GE(Edit->FirstVisibleLine(), 1 + 3 * vis);
  EXPECT_EQ((Edit->FirstVisibleLine() - 1) % vis, 0);
  EXPECT_EQ(Edit->SelBegin(), (TPoint{1, 1}));
  EXPECT_EQ(Edit->SelEnd().Y, Edit->FirstVisibleLine() + vis - 1);
  // 5 pixels below: one line per pass, a pass every 100 ms
  QTest::mouseMove(VP(*Edit), QPoint(Edit->ColumnToX(3) + 1, h + 5));
  const int top = Edit->FirstVisibleLine();
  QTest::qWait(350);
  EXPECT_GE(Edit->FirstVisibleLine() - top, 2);
  EXPECT_LE(Edit->FirstVisibleLine() - top, 5);
  QTest::mouseRelease(VP(*Edit), Qt::LeftButton, {}, QPoint(Edit->ColumnToX(3) + 1, h + 5));
  const int after = Edit->FirstVisibleLine();
  QTest::qWait(250);
  EXPECT_EQ(Edit->FirstVisibleLine(), after);  // the release ends the scrolling
  EXPECT_TRUE(Edit->HasSelection());
}

TEST_F(MouseTest, DoubleClickSelectsAWord) {
  TjxHTMLSyn html;
  struct Case {
    bool highlighter;
    int col;  // where the first click lands
    TPoint begin, end;
  } cases[] = {
      {false, 6, {5, 1}, {10, 1}},   // "quick"
      {false, 10, {10, 1}, {11, 1}},  // the blank: a class of its own
      {true, 6, {5, 1}, {10, 1}},
      {true, 10, {5, 1}, {10, 1}},   // the blank: the word to its left
  };
  for (const auto& c : cases) {
    Edit->SetHighLighter(c.highlighter ? &html : nullptr);
    SetText("the quick fox\r\n");
    const QPoint at(Edit->ColumnToX(c.col) + 1, Edit->LineHeight() / 2);
    QTest::mouseClick(VP(*Edit), Qt::LeftButton, {}, at);
    QTest::mouseDClick(VP(*Edit), Qt::LeftButton, {}, at);
    EXPECT_EQ(Edit->SelBegin(), c.begin) << c.highlighter << " " << c.col;
    EXPECT_EQ(Edit->SelEnd(), c.end) << c.highlighter << " " << c.col;
  }
  Edit->SetHighLighter(nullptr);
  // beyond the end of the line only the caret moves
  SetText("the\r\n");
  const QPoint far(Edit->ColumnToX(9) + 1, Edit->LineHeight() / 2);
  QTest::mouseClick(VP(*Edit), Qt::LeftButton, {}, far);
  QTest::mouseDClick(VP(*Edit), Qt::LeftButton, {}, far);
  EXPECT_FALSE(Edit->HasSelection());
  EXPECT_EQ(Edit->CaretPos(), (TPoint{4, 1}));
}

TEST_F(MouseTest, DraggingTextMovesOrCopiesIt) {
  struct Case {
    Qt::KeyboardModifiers mods;
    int dropCol;
    const char* result;
  } cases[] = {
      {{}, 6, "deabcfgh"},
      {Qt::ControlModifier, 6, "abcdeabcfgh"},
      {{}, 2, "abcdefgh"},  // inside the block: nothing
      {{}, 4, "abcdefgh"},  // at its end: nothing
  };
  for (const auto& c : cases) {
    SetText("abcdefgh");
    Edit->SetSelBegin({1, 1});
    Edit->SetSelEnd({4, 1});
    const int y = Edit->LineHeight() / 2;
    QTest::mousePress(VP(*Edit), Qt::LeftButton, {}, QPoint(Edit->ColumnToX(2) + 2, y));
    QTest::mouseMove(VP(*Edit), QPoint(Edit->ColumnToX(c.dropCol) + 1, y + QApplication::startDragDistance() + 2));
    QTest::mouseMove(VP(*Edit), QPoint(Edit->ColumnToX(c.dropCol) + 1, y));
    QTest::mouseRelease(VP(*Edit), Qt::LeftButton, c.mods, QPoint(Edit->ColumnToX(c.dropCol) + 1, y));
    EXPECT_EQ(std::string(Edit->LineText(1)), c.result) << c.dropCol << " " << int(c.mods);
  }
}

TEST_F(MouseTest, MoveDropUndoesInOneStep) {
  SetText("abcdefgh");
  Edit->SetSelBegin({1, 1});
  Edit->SetSelEnd({4, 1});
  const int y = Edit->LineHeight() / 2;
  QTest::mousePress(VP(*Edit), Qt::LeftButton, {}, QPoint(Edit->ColumnToX(2) + 2, y));
  QTest::mouseMove(VP(*Edit), QPoint(Edit->ColumnToX(6) + 1, y + 20));
  QTest::mouseMove(VP(*Edit), QPoint(Edit->ColumnToX(6) + 1, y));
  QTest::mouseRelease(VP(*Edit), Qt::LeftButton, {}, QPoint(Edit->ColumnToX(6) + 1, y));
  ASSERT_EQ(std::string(Edit->LineText(1)), "deabcfgh");
  Edit->Undo();
  EXPECT_EQ(std::string(Edit->LineText(1)), "abcdefgh");
}

TEST_F(MouseTest, ClickInsideTheSelectionWithoutDraggingCollapsesIt) {
  SetText("abcdefgh");
  Edit->SetSelBegin({1, 1});
  Edit->SetSelEnd({6, 1});
  QTest::mouseClick(VP(*Edit), Qt::LeftButton, {}, QPoint(Edit->ColumnToX(3) + 1, Edit->LineHeight() / 2));
  EXPECT_FALSE(Edit->HasSelection());
  EXPECT_EQ(Edit->CaretPos(), (TPoint{3, 1}));
}

void Wheel(TxeCustomEdit& e, int delta, Qt::KeyboardModifiers mods = {}) {
  const QPointF at(20, 20);
  QWheelEvent ev(at, e.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                 Qt::NoScrollPhase, false);
  QApplication::sendEvent(e.viewport(), &ev);
}

TEST_F(MouseTest, WheelKeepsItsRemainder) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "x\r\n";
  SetText(text);
  const int lines = QApplication::wheelScrollLines();
  Edit->SetFirstVisibleLine(100);
  Wheel(*Edit, 40);
  Wheel(*Edit, 40);
  EXPECT_EQ(Edit->FirstVisibleLine(), 100);
  Wheel(*Edit, 40);
  EXPECT_EQ(Edit->FirstVisibleLine(), 100 - lines);
  Wheel(*Edit, -360);
  EXPECT_EQ(Edit->FirstVisibleLine(), 100 + 2 * lines);
  Wheel(*Edit, -120, Qt::ControlModifier);  // a page
  EXPECT_EQ(Edit->FirstVisibleLine(), 100 + 2 * lines + Edit->VisibleLineCount());
}

}  // namespace
