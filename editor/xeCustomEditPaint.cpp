// Painting of TxeCustomEdit: gutter, text rows with selection, right margin, the area below the text,
// and the caret.
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <climits>

#include "xeCellMap.h"
#include "xeColors.h"
#include "xeCustomEdit.h"
#include "xeHighlighter.h"
#include "xeRowPainter.h"
#include "xeUtf8.h"

namespace {

// Ends the drawing period also when painting fails.
class TxeDrawingPeriod {
 public:
  TxeDrawingPeriod(TheTextDrawer& d, QPainter& p) : FDrawer(d) { FDrawer.StartDrawing(&p); }
  ~TxeDrawingPeriod() { FDrawer.StopDrawing(); }
  TxeDrawingPeriod(const TxeDrawingPeriod&) = delete;
  TxeDrawingPeriod& operator=(const TxeDrawingPeriod&) = delete;

 private:
  TheTextDrawer& FDrawer;
};

// 0-based cell of byte column Col (1-based); a column inside a character moves to the next one.
int CellRight(std::string_view line, int col, int tabWidth) {
  return TxeCellMap::CellOfByte(line, ColumnCharNext(line, std::max(1, col)) - 1, tabWidth);
}

}  // namespace

void TxeCustomEdit::paintEvent(QPaintEvent* e) {
  QPainter p(viewport());
  FLastDrawCalls = 0;
  FLastPaintRows = 0;
  // a scroll leaves the uncovered band and the caret's old and new places: paint each on its own
  for (const QRect& r : e->region()) PaintArea(p, r);
  FinishPaint(p, e->rect());
}

void TxeCustomEdit::Paint(QPainter& Canvas, const QRect& Clip) {
  FLastDrawCalls = 0;
  FLastPaintRows = 0;
  PaintArea(Canvas, Clip);
  FinishPaint(Canvas, Clip);
}

void TxeCustomEdit::PaintArea(QPainter& Canvas, const QRect& Clip) {
  const int clipLeft = Clip.left(), clipRight = Clip.left() + Clip.width();
  const int clipTop = Clip.top(), clipBottom = Clip.top() + Clip.height();
  const int textLeft = FGutterWidth + 2;
  // visible display cells, 1-based, LastCell at or beyond the clip's right edge
  int firstCell = FirstVisibleColumn();
  if (clipLeft > textLeft) firstCell += (clipLeft - textLeft) / FCharWidth;
  const int lastCell =
      FirstVisibleColumn() + (std::max(0, clipRight - textLeft) + FCharWidth - 1) / FCharWidth;
  const int firstLine = std::max(FirstVisibleLine() + clipTop / FLineHeight, FirstVisibleLine());
  const int lastLine = std::min(FirstVisibleLine() + std::max(0, clipBottom - 1) / FLineHeight, LineCount());

  if (clipLeft < FGutterWidth) {
    QRect r(QPoint(clipLeft, clipTop), QPoint(FGutterWidth - 1, clipBottom - 1));
    DrawGutter(Canvas, r, firstLine, lastLine);
  }
  if (FGutterWidth < clipRight) {
    QRect r(QPoint(std::max(clipLeft, FGutterWidth), clipTop), QPoint(clipRight - 1, clipBottom - 1));
    DrawTextLines(Canvas, r, firstLine, lastLine, firstCell, lastCell);
  }
}

void TxeCustomEdit::FinishPaint(QPainter& Canvas, const QRect& Clip) {
  if (OnPaint) {
    Canvas.setBrush(ColorToRGB(FColor));
    OnPaint(this, Canvas);
  }
  if (FCaretShown && FCaretBlinkOn && !HasOption(xeoNoCaret) && FCaretRect.intersects(Clip)) {
    Canvas.save();
    Canvas.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    Canvas.fillRect(FCaretRect, Qt::white);
    Canvas.restore();
  }
}

void TxeCustomEdit::RowSelection(int Line, bool any, const TPoint& b, const TPoint& e, int& start, int& end,
                                 bool& selected) const {
  selected = false;
  start = 0;
  end = INT_MAX;
  if (!any || Line < b.Y || Line > e.Y) return;
  selected = true;
  const std::string_view text = LineText(Line);
  const int tw = TabWidth();
  switch (SelectionMode()) {
    case smLine: break;
    case smColumn: {
      const int lo = std::min(b.X, e.X), hi = std::max(b.X, e.X);
      start = CellRight(text, lo, tw);
      end = CellRight(text, hi, tw);
      break;
    }
    case smNormal:
    default:
      if (Line == b.Y) start = TxeCellMap::CellOfByte(text, b.X - 1, tw);
      if (Line == e.Y) end = TxeCellMap::CellOfByte(text, e.X - 1, tw);
      break;
  }
  if (start >= end) selected = false;
}

void TxeCustomEdit::DrawTextLines(QPainter& Canvas, const QRect& Rect, int FirstLine, int LastLine,
                                  int FirstCell, int LastCell) {
  const TColor background = EditorBackground();
  TheTextDrawer& d = *FTextDrawer;
  TxeDrawingPeriod period(d, Canvas);
  QRect rect = Rect;

  // right margin
  const int edgeX = RightEdge() * FCharWidth + TextOffset();
  const bool edge = RightEdge() > 0 && edgeX >= rect.left() && edgeX <= rect.right() + 1;

  // the strip between gutter and text
  if (rect.left() < FGutterWidth + 2) {
    d.SetBackground(background);
    d.FillRect(QRect(QPoint(std::max(rect.left(), FGutterWidth), rect.top()),
                     QPoint(FGutterWidth + 1, rect.bottom())));
    rect.setLeft(FGutterWidth + 2);
  }

  int y = (FirstLine - FirstVisibleLine()) * FLineHeight;
  if (LastLine >= FirstLine && rect.width() > 0) {
    // selection information
    bool any = !(HideSelection() && !hasFocus());
    TPoint sb = SelBegin(), se = SelEnd();
    if (any) any = !(sb == se) && !(se.Y < FirstLine || sb.Y > LastLine);

    TxeRowPaintSetup setup;
    setup.Drawer = &d;
    setup.HighLighter = HighLighter();
    setup.TabWidth = TabWidth();
    setup.CharWidth = FCharWidth;
    setup.CellOriginX = TextOffset();
    setup.FirstCell = FirstCell - 1;
    setup.LastCell = LastCell;
    setup.EditorBackground = background;
    setup.FontColor = FFontColor;
    setup.FontStyle = (FFont.bold() ? fsBold : 0) | (FFont.italic() ? fsItalic : 0) |
                      (FFont.underline() ? fsUnderline : 0) | (FFont.strikeOut() ? fsStrikeOut : 0);
    setup.SelForeground = FSelectedColor.Foreground();
    setup.SelBackground = FSelectedColor.Background();
    d.SetStyle(setup.FontStyle);
    TxeRowPainter painter(setup);

    for (int line = FirstLine; line <= LastLine; ++line, y += FLineHeight) {
      const QRect row(rect.left(), y, rect.width(), FLineHeight);
      TxeRowSelection sel;
      RowSelection(line, any, sb, se, sel.Start, sel.End, sel.Any);
      bool special = false;
      TColor fg = FFontColor, bg = background;
      if (OnSpecialLineColors) OnSpecialLineColors(this, line, special, fg, bg);
      std::string_view text = LineText(line);
      if (setup.HighLighter) {
        FRowBuf.assign(text);  // the highlighter reads up to a zero byte
        text = FRowBuf;
      }
      painter.PaintRow(text, setup.HighLighter ? Lines().Objects(line - 1) : 0, line - 1, row, sel, special,
                       fg, bg);
      ++FLastPaintRows;
    }
    FLastDrawCalls += painter.DrawCalls();
  }
  // below the text
  if (y < rect.bottom() + 1) {
    d.SetBackground(background);
    d.FillRect(QRect(QPoint(rect.left(), y), QPoint(rect.right(), rect.bottom())));
  }
  if (edge) {
    Canvas.setPen(QPen(ColorToRGB(RightEdgeColor()), 1));
    Canvas.drawLine(edgeX, Rect.top(), edgeX, Rect.bottom() + 1);
  }
}

void TxeCustomEdit::DrawGutter(QPainter& Canvas, const QRect& Rect, int FirstLine, int LastLine) {
  const QColor gutterColour = ColorToRGB(FGutter.Color());
  Canvas.setBrush(gutterColour);
  if (FGutter.ShowLineNumbers()) {
    TheTextDrawer& d = *FTextDrawer;
    TxeDrawingPeriod period(d, Canvas);
    d.SetBackground(FGutter.Color());
    d.SetForeground(FFontColor);
    d.SetStyle(FGutter.UseFontStyle() ? ((FFont.bold() ? fsBold : 0) | (FFont.italic() ? fsItalic : 0)) : 0);
    const int cellRight = std::max(Rect.right(), FGutterWidth - 3);
    int y = (FirstLine - FirstVisibleLine()) * FLineHeight;
    for (int line = FirstLine; line <= LastLine; ++line, y += FLineHeight) {
      d.FillRect(QRect(QPoint(Rect.left(), y), QPoint(cellRight, y + FLineHeight - 1)));
      d.PlainTextOut(FGutter.LeftOffset(), y, QString::fromStdString(FGutter.LineNumberText(line)));
    }
    if (y <= Rect.bottom()) d.FillRect(QRect(QPoint(Rect.left(), y), QPoint(cellRight, Rect.bottom())));
  } else {
    Canvas.fillRect(Rect, gutterColour);
  }
  if (Rect.right() + 1 >= FGutterWidth - 2 && FGutterWidth >= 2) {
    Canvas.setPen(QPen(ColorToRGB(cl3DLight), 1));
    Canvas.drawLine(FGutterWidth - 2, Rect.top(), FGutterWidth - 2, Rect.bottom());
    Canvas.setPen(QPen(ColorToRGB(cl3DDkShadow), 1));
    Canvas.drawLine(FGutterWidth - 1, Rect.top(), FGutterWidth - 1, Rect.bottom());
  }
  // marks: other marks first, then the bookmarks of each row
  TMarkList& marks = Marks();
  if (!FBookMarkOptions.GlyphsVisible() || marks.Count() == 0 || LastLine < FirstLine) return;
  const int top = FirstVisibleLine();
  std::vector<int> offsets(static_cast<std::size_t>(std::max(0, LastLine - top + 1)), 0);
  auto draw = [&](TMark* m) {
    const int r = m->Line() - top;
    int& off = offsets[static_cast<std::size_t>(r)];
    const int x = FBookMarkOptions.LeftMargin() + off;
    if (FBookMarkOptions.HasBookmarkImages() && !m->InternalImage()) {
      const auto& images = FBookMarkOptions.BookmarkImages();
      if (m->ImageIndex() < 0 || m->ImageIndex() >= images.size()) return;
      Canvas.drawImage(QPoint(x, r * FLineHeight), images[m->ImageIndex()]);
    } else {
      if (m->ImageIndex() < 0 || m->ImageIndex() > 9) return;
      if (!FInternalImage) FInternalImage = std::make_unique<TxeInternalImage>();
      FInternalImage->DrawGlyph(Canvas, m->ImageIndex(), x, r * FLineHeight, FLineHeight);
    }
    off += FBookMarkOptions.Xoffset();
  };
  bool bookmarks = false;
  for (int i = 0; i < marks.Count(); ++i) {
    TMark* m = marks.Items(i);
    if (!m->Visible() || m->Line() < FirstLine || m->Line() > LastLine) continue;
    if (m->IsBookmark())
      bookmarks = true;
    else
      draw(m);
  }
  if (bookmarks) {
    for (int i = 0; i < marks.Count(); ++i) {
      TMark* m = marks.Items(i);
      if (m->Visible() && m->IsBookmark() && m->Line() >= FirstLine && m->Line() <= LastLine) draw(m);
    }
  }
}
