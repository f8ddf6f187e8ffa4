// What the editor shows: selection colours, the cell grid, tabs and wide characters, the right
// margin, special line colours, the caret and the gutter.
#include <QFontMetrics>
#include <QPaintEvent>
#include <QRegion>

#include "jxHTMLSyn.h"
#include "widget_fixture.h"
#include "xeCellMap.h"
#include "xeInternalImage.h"
#include "xeKeyCmds.h"

namespace {

using PaintTest = WidgetTest;

struct SelCase {
  const char* name;
  TSelectionMode mode;
  TPoint from, to;
  // per row: first and last selected cell (0 = none), checked over cells 1..12
  int rows[3][2];
};

TEST_F(PaintTest, SelectionColoursInTheThreeModes) {
  const SelCase cases[] = {
      {"normal one line", smNormal, {3, 1}, {6, 1}, {{3, 5}, {0, 0}, {0, 0}}},
      {"normal three lines, backwards", smNormal, {2, 3}, {3, 1}, {{3, 12}, {1, 12}, {1, 1}}},
      {"column", smColumn, {5, 1}, {2, 3}, {{2, 4}, {2, 4}, {2, 4}}},
      {"lines", smLine, {4, 2}, {1, 3}, {{0, 0}, {1, 12}, {1, 12}}},
  };
  for (const auto& c : cases) {
    SetText("abcdefgh\r\nabcdefgh\r\nabcdefgh\r\n");
    Edit->SetSelectionMode(c.mode);
    Edit->SetSelBegin(c.from);
    Edit->SetSelEnd(c.to);
    const QImage img = Shot();
    for (int row = 1; row <= 3; ++row) {
      for (int cell = 1; cell <= 12; ++cell) {
        const bool want = c.rows[row - 1][0] && cell >= c.rows[row - 1][0] && cell <= c.rows[row - 1][1];
        EXPECT_EQ(CellBackground(img, cell, row) == Rgb(kSelBG), want)
            << c.name << " row " << row << " cell " << cell;
      }
    }
    Edit->SetSelectionMode(smNormal);
  }
}

TEST_F(PaintTest, HideSelectionWithoutFocusShowsNoSelection) {
  SetText("abcdefgh\r\n");
  Edit->SetSelBegin({2, 1});
  Edit->SetSelEnd({5, 1});
  Edit->clearFocus();
  Edit->SetHideSelection(true);
  EXPECT_NE(CellBackground(Shot(), 3, 1), Rgb(kSelBG));
  Edit->SetHideSelection(false);
  EXPECT_EQ(CellBackground(Shot(), 3, 1), Rgb(kSelBG));
}

TEST_F(PaintTest, TabsWideCharactersAndInvalidBytesTakeTheirCells) {
  struct Case {
    const char* name;
    std::string line;
    int tabWidth;
    int xCell;  // where the final "x" is drawn
  } cases[] = {
      {"tab to the next stop", "a\tx", 8, 9},      {"tab width 1 is one blank", "a\tx", 1, 3},
      {"tab width 0 is one blank", "a\tx", 0, 3},  {"wide character takes two cells", "\xE4\xB8\xADx", 8, 3},
      {"invalid byte is one cell", "\xFFx", 8, 2}, {"accented letter is one cell", "\xC3\xA9x", 8, 2},
  };
  for (const auto& c : cases) {
    Edit->SetTabWidth(c.tabWidth);
    SetText(c.line);
    const QImage img = Shot();
    EXPECT_TRUE(CellHasInk(img, c.xCell, 1, Rgb(kBack))) << c.name;
    EXPECT_FALSE(CellHasInk(img, c.xCell + 1, 1, Rgb(kBack))) << c.name;
    // the cell before x holds something only when it is a glyph, never for blanks
    if (c.line[0] == 'a') {
      EXPECT_FALSE(CellHasInk(img, c.xCell - 1, 1, Rgb(kBack))) << c.name;
    }
  }
}

TEST_F(PaintTest, BoldAndNormalTextShareTheGrid) {
  TjxHTMLSyn html;
  for (int i = 0; i < html.AttributeCount(); ++i) html.AttributeAt(i)->SetStyle(0);
  html.StandardAttribute(2)->SetStyle(fsBold | fsUnderline);  // tags and keywords
  Edit->SetHighLighter(&html);
  QFont bold = Edit->Font();
  bold.setBold(true);
  EXPECT_EQ(Edit->CharWidth(), QFontMetrics(bold).horizontalAdvance(QLatin1Char('M')));
  // the same letters, once inside a bold tag name and once as plain text, start in the same cells
  SetText("<html>\r\nxhtml>");
  const QImage img = Shot();
  for (int cell = 2; cell <= 6; ++cell) {
    EXPECT_TRUE(CellHasInk(img, cell, 1, Rgb(kBack))) << cell;
    EXPECT_TRUE(CellHasInk(img, cell, 2, Rgb(kBack))) << cell;
  }
  EXPECT_FALSE(CellHasInk(img, 8, 1, Rgb(kBack)));
  // underlines stay under their own cells: nothing reaches into the gutter
  const QRgb gutter = img.pixel(1, 1);
  for (int y = 0; y < 2 * Edit->LineHeight(); ++y)
    for (int x = 0; x < Edit->GutterWidth() - 2; ++x) ASSERT_EQ(img.pixel(x, y), gutter) << x << "," << y;
  Edit->SetHighLighter(nullptr);
}

// A comment opened on the first line of a long text and closed on its last: a jump to the end at once
// shows comment colours, and the ranges no paint asked for are filled while the program waits.
TEST_F(PaintTest, JumpToTheEndRightAfterANewTextShowsTheRightColours) {
  TjxHTMLSyn html;
  const TColor green = 0x00C000;
  html.StandardAttribute(1)->SetForeground(green);
  Edit->SetHighLighter(&html);
  std::string text = "<!-- opened\n";
  for (int i = 0; i < 20000; ++i) text += "<b>bold</b>\n";
  SetText(text + "-->");
  EXPECT_FALSE(Edit->RangesComplete());
  Edit->RunCommand(ecEditorBottom);
  const QImage img = Shot();
  const int row = Edit->LineCount() - 1 - Edit->FirstVisibleLine() + 1;
  ASSERT_GT(row, 1);
  const auto greenInk = [&](int cell) {
    const int x0 = Edit->ColumnToX(cell), y0 = (row - 1) * Edit->LineHeight();
    for (int y = y0; y < y0 + Edit->LineHeight(); ++y)
      for (int x = x0; x < x0 + Edit->CharWidth(); ++x) {
        const QColor c = img.pixelColor(x, y);
        if (c.green() > 100 && c.red() < 60 && c.blue() < 60) return true;
      }
    return false;
  };
  EXPECT_TRUE(greenInk(2));  // the b of <b>

  SetText(text);
  for (int pass = 0; pass < 10000 && !Edit->RangesComplete(); ++pass) QCoreApplication::processEvents();
  EXPECT_TRUE(Edit->RangesComplete());
  Edit->SetHighLighter(nullptr);
}

TEST_F(PaintTest, RightEdgeLine) {
  SetText("short\r\n");
  Edit->SetRightEdgeColor(0x00FF00);
  for (int edge : {10, 0}) {
    Edit->SetRightEdge(edge);
    const QImage img = Shot();
    const int x = 10 * Edit->CharWidth() + Edit->TextOffset();
    int green = 0;
    for (int y = 0; y < img.height(); ++y) green += img.pixel(x, y) == Rgb(0x00FF00);
    EXPECT_EQ(green > img.height() / 2, edge == 10) << edge;
  }
}

TEST_F(PaintTest, SpecialLineColoursOverrideAndInvertTheSelection) {
  SetText("abcdef\r\nabcdef\r\n");
  Edit->OnSpecialLineColors = [](TObject*, int line, bool& special, TColor& fg, TColor& bg) {
    if (line != 2) return;
    special = true;
    fg = 0x00FF00;
    bg = 0xFF0000;  // blue
  };
  Edit->SetSelBegin({1, 2});
  Edit->SetSelEnd({3, 2});
  const QImage img = Shot();
  EXPECT_EQ(CellBackground(img, 5, 2), Rgb(0xFF0000));  // the row's own background, also past the text
  EXPECT_EQ(CellBackground(img, 20, 2), Rgb(0xFF0000));
  EXPECT_EQ(CellBackground(img, 1, 2), Rgb(0x00FF00));  // selected: the pair inverted
  EXPECT_EQ(CellBackground(img, 5, 1), Rgb(kBack));
}

TEST_F(PaintTest, CaretShapesAndPlaces) {
  SetText("abcdef\r\nabcdef\r\n");
  Edit->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Edit->hasFocus(); }));
  Edit->SetCaretPos({3, 2});
  const int cw = Edit->CharWidth(), lh = Edit->LineHeight();
  const int x = Edit->ColumnToX(3), y = lh + 1;
  struct Case {
    TCaretType shape;
    QRect rect;
  } cases[] = {
      {ctVerticalLine, QRect(x - 1, y, 2, lh - 2)},
      {ctHorizontalLine, QRect(x, y + lh - 2, cw, 2)},
      {ctHalfBlock, QRect(x, y + (lh - 2) / 2, cw, (lh - 2) / 2)},
      {ctBlock, QRect(x, y, cw, lh - 2)},
  };
  for (const auto& c : cases) {
    Edit->SetInsertCaret(c.shape);
    EXPECT_TRUE(Edit->CaretShown());
    EXPECT_EQ(Edit->CaretRect(), c.rect) << int(c.shape);
  }
  // the caret inverts its cell: a block over a blank cell turns it dark
  Edit->SetCaretPos({8, 1});
  const QImage img = Shot();
  EXPECT_EQ(img.pixel(Edit->CaretRect().center()), qRgb(0, 0, 0));
  // scrolled out of view horizontally the caret hides, and comes back
  Edit->SetFirstVisibleColumn(20);
  EXPECT_FALSE(Edit->CaretShown());
  Edit->SetFirstVisibleColumn(1);
  EXPECT_TRUE(Edit->CaretShown());
}

TEST_F(PaintTest, GutterNumbersAndBookmarkGlyphs) {
  std::string text;
  for (int i = 0; i < 30; ++i) text += "line\r\n";
  SetText(text);
  Edit->Gutter().SetColor(0xC0C0C0);
  Edit->Gutter().SetShowLineNumbers(true);
  EXPECT_EQ(Edit->GutterWidth(), 16 + 2 + 4 * Edit->CharWidth() + 2);
  QImage img = Shot();
  // digits of "   1" stand in the last digit cell of the first row
  const int digitX = Edit->Gutter().LeftOffset() + 3 * Edit->CharWidth();
  bool ink = false;
  for (int y = 0; y < Edit->LineHeight(); ++y)
    for (int x = digitX; x < digitX + Edit->CharWidth(); ++x) ink = ink || img.pixel(x, y) != Rgb(0xC0C0C0);
  EXPECT_TRUE(ink);
  Edit->Gutter().SetShowLineNumbers(false);
  Edit->Gutter().SetWidth(30);
  Edit->PlaceBookmark(3, 1, 2);
  img = Shot();
  TxeInternalImage glyphs;
  const QImage& strip = TxeInternalImage::Strip();
  const int gy = Edit->LineHeight() + (Edit->LineHeight() - glyphs.GlyphHeight()) / 2;
  const int gx = Edit->BookMarkOptions().LeftMargin();
  int same = 0;
  for (int y = 0; y < glyphs.GlyphHeight(); ++y)
    for (int x = 0; x < glyphs.GlyphWidth(); ++x)
      same += img.pixel(gx + x, gy + y) == strip.pixel(3 * glyphs.GlyphWidth() + x, y);
  EXPECT_EQ(same, glyphs.GlyphWidth() * glyphs.GlyphHeight());
}

// Typing within a line leaves the numbers alone; a line added or removed at the end paints its row.
TEST_F(PaintTest, LineNumbersRepaintWhereTheCountChanges) {
  SetText("one\r\ntwo\r\n");
  Edit->Gutter().SetShowLineNumbers(true);
  Edit->SetCaretPos({4, 2});
  QApplication::processEvents();
  struct TPaints : QObject {
    QRegion Painted;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) Painted += static_cast<QPaintEvent*>(e)->region();
      return false;
    }
  } paints;
  Edit->viewport()->installEventFilter(&paints);
  const int gutterX = Edit->GutterWidth() / 2;
  const auto rowPainted = [&](int row) {
    return paints.Painted.contains(QPoint(gutterX, (row - 1) * Edit->LineHeight() + 1));
  };
  struct TStep {
    TxeEditorCommand Command;
    bool Row1, Row3;  // gutter rows repainted
  };
  for (const TStep& step :
       {TStep{ecChar, false, false}, TStep{ecLineBreak, true, true}, TStep{ecDeleteLastChar, true, true}}) {
    paints.Painted = QRegion();
    Edit->CommandProcessor(step.Command, U'x');
    QApplication::processEvents();
    EXPECT_EQ(rowPainted(1), step.Row1) << step.Command;
    EXPECT_EQ(rowPainted(3), step.Row3) << step.Command;
  }
  Edit->viewport()->removeEventFilter(&paints);
}

TEST_F(PaintTest, ScrollingOneLineRepaintsOneRow) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "some text\r\n";
  SetText(text);
  Edit->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Edit->hasFocus(); }));
  Edit->SetCaretPos({3, 3});
  QApplication::processEvents();
  Edit->SetFirstVisibleLine(2);
  // the next paint covers the uncovered row and the caret's rows, not the window between them
  QApplication::processEvents();
  EXPECT_LE(Edit->LastPaintRows(), 4);
}

}  // namespace

namespace {

// Scrolling sideways shows the same cells, shifted: the row painter maps only the visible part.
TEST_F(PaintTest, HorizontalScrollShiftsTheSameCells) {
  TjxHTMLSyn html;
  for (TxeCustomHighLighter* hl :
       {static_cast<TxeCustomHighLighter*>(&html), static_cast<TxeCustomHighLighter*>(nullptr)}) {
    Edit->SetHighLighter(hl);
    Edit->SetTabWidth(4);
    SetText(
        "<p class=\"a\">\t\xE4\xB8\xAD\xE6\x96\x87 text\t<b>bold</b> &amp; more words here and there</p>\r\n"
        "plain line with \xFF bytes and <i>tags</i> and a long tail of words to scroll\r\n");
    Edit->SetSelBegin({5, 1});
    Edit->SetSelEnd({30, 2});
    const QImage left = Shot();
    for (int shift : {1, 3, 7, 12}) {
      Edit->SetFirstVisibleColumn(1 + shift);
      const QImage right = Shot();
      const int cw = Edit->CharWidth(), x0 = Edit->GutterWidth() + 2 + shift * cw;
      const int cells = Edit->VisibleColumnCount() - shift - 1;
      int diff = 0;
      for (int y = 0; y < 2 * Edit->LineHeight(); ++y)
        for (int x = 0; x < cells * cw; ++x)
          diff += left.pixel(x0 + x, y) != right.pixel(x0 - shift * cw + x, y);
      // a glyph of the cell left of the view may reach a pixel into it: nothing more may differ
      EXPECT_LE(diff, 4) << "shift " << shift << (hl ? " highlighted" : " plain");
    }
    Edit->SetFirstVisibleColumn(1);
  }
  Edit->SetHighLighter(nullptr);
}

}  // namespace
