// Mouse and wheel: caret placement, Shift+click, drag-select with auto-scroll, double-click,
// dragging text (within the editor, from another window or program), the wheel's remainder.
#include <QApplication>
#include <QMimeData>
#include <QWheelEvent>
#include <memory>

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
  QTest::mouseClick(VP(*Edit), Qt::LeftButton, Qt::ShiftModifier,
                    QPoint(Edit->ColumnToX(5) + 1, lh + lh / 2));
  EXPECT_EQ(Edit->SelBegin(), (TPoint{2, 1}));
  EXPECT_EQ(Edit->SelEnd(), (TPoint{5, 2}));
  QTest::mouseClick(VP(*Edit), Qt::LeftButton, Qt::ShiftModifier,
                    QPoint(Edit->ColumnToX(7) + 1, lh + lh / 2));
  EXPECT_EQ(Edit->SelBegin(), (TPoint{2, 1}));
  EXPECT_EQ(Edit->SelEnd(), (TPoint{7, 2}));
  QTest::mouseClick(VP(*Edit), Qt::LeftButton, {}, QPoint(Edit->ColumnToX(4) + 1, lh / 2));
  EXPECT_FALSE(Edit->HasSelection());
  EXPECT_EQ(Edit->CaretPos(), (TPoint{4, 1}));
}

TEST_F(MouseTest, DragSelectScrollsOutsideTheTextArea) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "line of text that is long enough to scroll sideways as well\r\n";
  SetText(text);
  const int w = Edit->viewport()->width(), h = Edit->viewport()->height();
  const int vis = Edit->VisibleLineCount();
  // distance outside the edge -> lines or columns of the first pass, and the wait before the next
  struct Case {
    const char* name;
    QPoint at;
    int lines, columns, delay;
  } cases[] = {
      {"5 below", {50, h + 5}, 1, 0, 100},   {"15 below", {50, h + 15}, vis, 0, 100},
      {"50 below", {50, h + 50}, vis, 0, 0}, {"5 above", {50, -5}, -1, 0, 100},
      {"50 above", {50, -50}, -vis, 0, 0},   {"5 right", {w + 5, 20}, 0, 1, 100},
      {"20 right", {w + 20, 20}, 0, 8, 100}, {"45 right", {w + 45, 20}, 0, 8, 0},
  };
  for (const auto& c : cases) {
    Edit->SetSelBegin({1, 1});  // no selection to drag
    Edit->SetFirstVisibleLine(500);
    Edit->SetFirstVisibleColumn(10);
    QTest::mousePress(VP(*Edit), Qt::LeftButton, {},
                      QPoint(Edit->ColumnToX(12) + 1, 3 * Edit->LineHeight() + 2));
    const TPoint anchor = Edit->CaretPos();
    QTest::mouseMove(VP(*Edit), c.at);
    EXPECT_EQ(Edit->FirstVisibleLine() - 500, c.lines) << c.name;
    EXPECT_EQ(Edit->FirstVisibleColumn() - 10, c.columns) << c.name;
    EXPECT_EQ(Edit->AutoScrollDelay(), c.delay) << c.name;
    EXPECT_EQ(Edit->BlockBegin(), anchor) << c.name;
    // the block end follows the caret, within the line
    EXPECT_EQ(Edit->BlockEnd(), (TPoint{std::min(Edit->CaretCol(), Edit->LineLength(Edit->CaretLine()) + 1),
                                        Edit->CaretLine()}))
        << c.name;
    if (c.lines > 0) {
      EXPECT_EQ(Edit->CaretLine(), Edit->FirstVisibleLine() + vis - 1) << c.name;
    } else if (c.lines < 0) {
      EXPECT_EQ(Edit->CaretLine(), Edit->FirstVisibleLine()) << c.name;
    }
    QTest::mouseRelease(VP(*Edit), Qt::LeftButton, {}, c.at);
    EXPECT_EQ(Edit->AutoScrollDelay(), -1) << c.name;  // the release ends the scrolling
  }
  // the passes go on by themselves while the mouse stays outside
  Edit->SetFirstVisibleLine(1);
  QTest::mousePress(VP(*Edit), Qt::LeftButton, {}, QPoint(50, 2));
  QTest::mouseMove(VP(*Edit), QPoint(50, h + 50));
  ASSERT_TRUE(QTest::qWaitFor([&] { return Edit->FirstVisibleLine() > 1 + 3 * vis; }));
  QTest::mouseMove(VP(*Edit), QPoint(50, h / 2));  // back inside: the scrolling stops
  EXPECT_EQ(Edit->AutoScrollDelay(), -1);
  QTest::mouseRelease(VP(*Edit), Qt::LeftButton, {}, QPoint(50, h / 2));
  EXPECT_TRUE(Edit->HasSelection());
}

TEST_F(MouseTest, DoubleClickSelectsAWord) {
  TjxHTMLSyn html;
  struct Case {
    bool highlighter;
    int col;  // where the first click lands
    TPoint begin, end;
  } cases[] = {
      {false, 6, {5, 1}, {10, 1}},    // "quick"
      {false, 10, {10, 1}, {11, 1}},  // the blank: a class of its own
      {true, 6, {5, 1}, {10, 1}},
      {true, 10, {5, 1}, {10, 1}},  // the blank: the word to its left
  };
  // The same far right in a long line (a minified file): the word is selected and the view stays.
  for (const int shift : {0, 1500}) {
    for (const auto& c : cases) {
      Edit->SetHighLighter(c.highlighter ? &html : nullptr);
      SetText(std::string(static_cast<std::size_t>(shift), '-') + "the quick fox\r\n");
      Edit->SetFirstVisibleColumn(shift + 1);
      const int first = Edit->FirstVisibleColumn();
      const QPoint at(Edit->ColumnToX(shift + c.col) + 1, Edit->LineHeight() / 2);
      QTest::mouseClick(VP(*Edit), Qt::LeftButton, {}, at);
      QTest::mouseDClick(VP(*Edit), Qt::LeftButton, {}, at);
      const TPoint shifted{shift, 0};
      EXPECT_EQ(Edit->SelBegin(), (TPoint{c.begin.X + shifted.X, 1}))
          << c.highlighter << " " << c.col << " " << shift;
      EXPECT_EQ(Edit->SelEnd(), (TPoint{c.end.X + shifted.X, 1}))
          << c.highlighter << " " << c.col << " " << shift;
      EXPECT_EQ(Edit->FirstVisibleColumn(), first);
    }
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

// Drags Data over the editor to `at` and drops it there, as the platform's drag and drop would; returns the
// action the editor took.
Qt::DropAction Drop(TxeCustomEdit& Target, QMimeData& Data, QPoint At, Qt::KeyboardModifiers Mods = {},
                    Qt::DropActions Actions = Qt::CopyAction | Qt::MoveAction) {
  QDragEnterEvent enter(At, Actions, &Data, Qt::LeftButton, Mods);
  QApplication::sendEvent(Target.viewport(), &enter);
  if (!enter.isAccepted()) return Qt::IgnoreAction;
  QDragMoveEvent move(At, Actions, &Data, Qt::LeftButton, Mods);
  QApplication::sendEvent(Target.viewport(), &move);
  QDropEvent drop(QPointF(At), Actions, &Data, Qt::LeftButton, Mods);
  QApplication::sendEvent(Target.viewport(), &drop);
  return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

TEST_F(MouseTest, DraggingTextMovesOrCopiesIt) {
  TxeCustomEdit other;  // another window
  other.resize(400, 300);
  QMimeData foreign;  // another program's text
  foreign.setText(QStringLiteral("\u00e9t\u00e9"));
  struct Case {
    TxeCustomEdit* from;  // nullptr: another program
    Qt::KeyboardModifiers mods;
    int dropCol;
    const char* result;
    const char* otherAfter;
  } cases[] = {
      {Edit.get(), {}, 6, "deabcfgh\r\nxyz\r\n", nullptr},
      {Edit.get(), Qt::ControlModifier, 6, "abcdeabcfgh\r\nxyz\r\n", nullptr},
      {Edit.get(), {}, 2, "abcdefgh\r\nxyz\r\n", nullptr},  // inside the block: nothing
      {Edit.get(), {}, 4, "abcdefgh\r\nxyz\r\n", nullptr},  // at its end: nothing
      // From another window the column block stays one; a move takes it away there.
      {&other, {}, 2, "a12bcdefgh\r\nx45yz\r\n", "3\r\n6\r\n"},
      {&other, Qt::ControlModifier, 2, "a12bcdefgh\r\nx45yz\r\n", "123\r\n456\r\n"},
      {nullptr,
       {},
       3,
       "ab\xC3\xA9t\xC3\xA9"
       "cdefgh\r\nxyz\r\n",
       nullptr},
  };
  for (const auto& c : cases) {
    SetText("abcdefgh\r\nxyz");
    Edit->SetSelBegin({1, 1});
    Edit->SetSelEnd({4, 1});
    other.SetText("123\r\n456");
    other.SetSelectionMode(smColumn);
    other.SetSelBegin({1, 1});
    other.SetSelEnd({3, 2});
    std::unique_ptr<QMimeData> data(c.from ? c.from->TextDragData() : nullptr);
    const QPoint at(Edit->ColumnToX(c.dropCol) + 1, Edit->LineHeight() / 2);
    const Qt::DropAction action = Drop(*Edit, data ? *data : foreign, at, c.mods);
    if (c.from) c.from->EndTextDrag(action);
    EXPECT_EQ(Edit->Text(), c.result) << c.dropCol << " " << int(c.mods);
    if (c.otherAfter) {
      EXPECT_EQ(other.Text(), c.otherAfter) << int(c.mods);
    }
    // One undo step takes the drop back here, one redo brings it again.
    Edit->Undo();
    EXPECT_EQ(Edit->Text(), "abcdefgh\r\nxyz\r\n") << c.dropCol << " " << int(c.mods);
    Edit->Redo();
    EXPECT_EQ(Edit->Text(), c.result) << c.dropCol << " " << int(c.mods);
  }
  // Nothing is dropped into a read-only editor.
  const std::string before = Edit->Text();
  Edit->SetReadOnly(true);
  EXPECT_EQ(Drop(*Edit, foreign, QPoint(Edit->ColumnToX(2), 2)), Qt::IgnoreAction);
  EXPECT_EQ(Edit->Text(), before);
}

// The mouse starts a real drag; one that ends nowhere (Esc, or a place that takes no text) leaves the text
// and its selection as they were.
TEST_F(MouseTest, ADragThatEndsNowhereLeavesTheText) {
  SetText("abcdefgh");
  Edit->SetSelBegin({1, 1});
  Edit->SetSelEnd({4, 1});
  const int y = Edit->LineHeight() / 2;
  QTest::mousePress(VP(*Edit), Qt::LeftButton, {}, QPoint(Edit->ColumnToX(2) + 2, y));
  QTest::mouseMove(VP(*Edit), QPoint(Edit->ColumnToX(6) + 1, y + QApplication::startDragDistance() + 2));
  QTest::mouseRelease(VP(*Edit), Qt::LeftButton, {}, QPoint(Edit->ColumnToX(6) + 1, y));
  EXPECT_EQ(Edit->Text(), "abcdefgh\r\n");
  EXPECT_EQ(Edit->SelBegin(), (TPoint{1, 1}));
  EXPECT_EQ(Edit->SelEnd(), (TPoint{4, 1}));
  EXPECT_FALSE(Edit->UndoAvailable());
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
