#include "xeRowPainter.h"

#include <algorithm>

#include "uTextDrawer.h"
#include "xeCellMap.h"
#include "xeColors.h"
#include "xeHighlighter.h"

namespace {

bool AllBlank(std::string_view s) {
  for (char c : s)
    if (c != ' ' && c != '\t') return false;
  return true;
}

// Control characters are shown by their control pictures, so that a NUL or an escape byte is visible.
char32_t Shown(char32_t c) {
  if (c < 0x20) return 0x2400 + c;
  if (c == 0x7F) return 0x2421;
  return c;
}

}  // namespace

void TxeRowPainter::AdvanceTo(int to) {
  const char* p = FText.data();
  const int len = static_cast<int>(FText.size());
  if (to > len) to = len;
  int i = FCurByte, cell = FCurCell;
  const int v0 = S.FirstCell;
  while (i < to) {
    // plain bytes: one cell each; remember the last character start at or left of the first visible cell
    const int plain = SkipPlainAscii(p, i, to);
    if (plain > i) {
      if (cell <= v0) {
        const int k = std::min(plain - 1, i + (v0 - cell));
        FChkByte = k;
        FChkCell = cell + (k - i);
      }
      cell += plain - i;
      i = plain;
      continue;
    }
    if (cell <= v0) {
      FChkByte = i;
      FChkCell = cell;
    }
    const TxeCellChar ch = DecodeCellChar(p + i, static_cast<std::size_t>(len - i));
    cell += ch.Tab ? TabCells(cell, S.TabWidth) : ch.Cells;
    i += ch.Bytes;
  }
  FCurByte = i;
  FCurCell = cell;
}

void TxeRowPainter::PaintRow(std::string_view text, std::uint32_t range, int lineIndex, const QRect& row,
                             const TxeRowSelection& sel, bool special, TColor rowFG, TColor rowBG) {
  FText = text;
  FRow = row;
  FTokenLeft = row.left();
  FSpecial = special;
  FRowFG = rowFG;
  FRowBG = rowBG;
  FSelFG = special ? rowBG : S.SelForeground;
  FSelBG = special ? rowFG : S.SelBackground;
  const int v0 = S.FirstCell, v1 = S.LastCell;
  FComplex = FRowSelected = false;
  if (sel.Any && std::max(sel.Start, v0) < std::min(sel.End, v1)) {
    if (sel.Start <= v0 && sel.End >= v1) {
      FRowSelected = true;
    } else {
      FComplex = true;
      FSelStart = std::max(sel.Start, v0);
      FSelEnd = std::min(sel.End, v1);
    }
  }
  FCurByte = FCurCell = 0;
  FChkByte = FChkCell = 0;
  FRun = Run{};
  const int len = static_cast<int>(text.size());

  if (S.HighLighter) {
    TxeCustomHighLighter& hl = *S.HighLighter;
    // where the first visible cell lies: tokens ending before it are skipped without mapping
    int c0 = 0;
    const int b0 = v0 > 0 ? TxeCellMap::ByteOfCell(text, v0, S.TabWidth, &c0) : 0;
    hl.RestoreRange(range);
    hl.BeginLine(text.data(), lineIndex);
    int end = 0;
    bool cut = false;
    while (!hl.AtLineEnd()) {
      const int p = hl.CurrentStart();
      end = p + hl.CurrentLength();
      if (end <= b0) {
        hl.Advance();
        continue;
      }
      if (FCurByte < b0) {
        FCurByte = FChkByte = std::min(b0, len);
        FCurCell = FChkCell = c0;
      }
      AdvanceTo(p);
      const int startCell = std::min(FCurCell, p < b0 ? c0 : FCurCell);
      if (startCell >= v1) {
        cut = true;
        break;
      }
      AdvanceTo(end);
      if (FCurCell > v0) {
        const TxeHighLightAttributes* a = hl.CurrentAttribute();
        if (a)
          AddToken(p, end, startCell, a->Style(), a->Background(), a->Foreground());
        else
          AddToken(p, end, startCell, S.FontStyle, FRowBG, FRowFG);
      }
      hl.Advance();
    }
    // a zero byte stops the highlighter; the rest of the line is still shown
    if (!cut && end < len) {
      if (FCurByte < b0) {
        FCurByte = FChkByte = std::min(b0, len);
        FCurCell = FChkCell = c0;
      }
      const int from = end;
      AdvanceTo(from);
      const int startCell = FCurCell;
      if (startCell < v1) {
        AdvanceTo(len);
        if (FCurCell > v0) AddToken(from, len, startCell, S.FontStyle, clNone, clNone);
      }
    }
  } else if (len > 0) {
    // one token; only the visible part is mapped
    int cellStart = 0;
    const int b = TxeCellMap::ByteOfCell(text, v0, S.TabWidth, &cellStart);
    if (b < len) {
      FChkByte = b;
      FChkCell = cellStart;
      FCurByte = len;
      FCurCell = std::max(v1, cellStart + 1);
      AddToken(0, len, 0, S.FontStyle, FRowBG, FRowFG);
      FRun.CellEnd = FCurCell;
    }
  }
  if (!FRun.Empty) FlushRun();
  FillRest();
}

void TxeRowPainter::AddToken(int byteStart, int byteEnd, int cellStart, int style, TColor bg, TColor fg) {
  if (bg == clNone) bg = S.EditorBackground;
  if (fg == clNone) fg = S.FontColor;
  if (!FRun.Empty) {
    const bool blank = AllBlank(
        FText.substr(static_cast<std::size_t>(byteStart), static_cast<std::size_t>(byteEnd - byteStart)));
    if ((style == FRun.Style || blank) &&
        (FSpecial || FRowSelected || (bg == FRun.BG && (fg == FRun.FG || blank)))) {
      FRun.ByteEnd = byteEnd;
      FRun.CellEnd = FCurCell;
      return;
    }
    FlushRun();
  }
  FRun.ByteStart = byteStart;
  FRun.ByteEnd = byteEnd;
  FRun.CellStart = cellStart;
  FRun.CellEnd = FCurCell;
  FRun.FG = fg;
  FRun.BG = bg;
  FRun.Style = style;
  FRun.Empty = false;
}

void TxeRowPainter::FlushRun() {
  const int c1 = std::max(S.FirstCell, FRun.CellStart);
  const int c2 = std::min(S.LastCell, FRun.CellEnd);
  if (!FSpecial) {
    FRowFG = FRun.FG;
    FRowBG = FRun.BG;
  }
  S.Drawer->SetStyle(FRun.Style);
  if (FComplex) {
    const bool before = c1 < FSelStart;
    const bool inside = c1 < FSelEnd && c2 > FSelStart;
    const bool after = c2 > FSelEnd;
    if (inside && (before || after)) {
      if (before) DrawPiece(c1, FSelStart, false);
      DrawPiece(std::max(FSelStart, c1), std::min(FSelEnd, c2), true);
      if (after) DrawPiece(FSelEnd, c2, false);
    } else {
      DrawPiece(c1, c2, inside);
    }
  } else {
    DrawPiece(c1, c2, FRowSelected);
  }
  FRun.Empty = true;
}

void TxeRowPainter::DrawPiece(int c1, int c2, bool selected) {
  if (c1 >= c2) return;
  const int right = X(c2);
  if (right <= FTokenLeft) return;
  const QRect rect(QPoint(FTokenLeft, FRow.top()), QPoint(right - 1, FRow.bottom()));
  // the characters of the run that start in c1 .. c2 - 1
  FChars.clear();
  FCells.clear();
  int i = FRun.ByteStart, cell = FRun.CellStart;
  if (FChkByte > i && FChkByte < FRun.ByteEnd) {
    i = FChkByte;
    cell = FChkCell;
  }
  const char* p = FText.data();
  const int end = std::min(FRun.ByteEnd, static_cast<int>(FText.size()));
  while (i < end && cell < c2) {
    const auto b = static_cast<unsigned char>(p[i]);
    if (b >= 0x20 && b < 0x7F) {
      if (cell >= c1) {
        FChars.push_back(b);
        FCells.push_back(cell - c1);
      }
      ++cell;
      ++i;
      continue;
    }
    const TxeCellChar ch = DecodeCellChar(p + i, static_cast<std::size_t>(end - i));
    const int w = ch.Tab ? TabCells(cell, S.TabWidth) : ch.Cells;
    if (!ch.Tab && cell >= c1) {
      FChars.push_back(Shown(ch.Code));
      FCells.push_back(cell - c1);
    }
    cell += w;
    i += ch.Bytes;
  }
  TheTextDrawer& d = *S.Drawer;
  d.SetForeground(selected ? FSelFG : FRowFG);
  d.SetBackground(selected ? FSelBG : FRowBG);
  d.CellTextOut(X(c1), FRow.top(), true, rect, FChars.data(), FCells.data(), static_cast<int>(FChars.size()));
  ++FDrawCalls;
  FTokenLeft = right;
}

void TxeRowPainter::FillRest() {
  const int right = FRow.right() + 1;
  if (FTokenLeft >= right) return;
  TheTextDrawer& d = *S.Drawer;
  if (!FSpecial) FRowBG = S.EditorBackground;
  auto fill = [&](int upTo, TColor colour) {
    upTo = std::min(upTo, right);
    if (upTo <= FTokenLeft) return;
    d.SetBackground(colour);
    d.FillRect(QRect(QPoint(FTokenLeft, FRow.top()), QPoint(upTo - 1, FRow.bottom())));
    FTokenLeft = upTo;
  };
  if (FComplex) {
    fill(X(FSelStart), FRowBG);
    fill(X(FSelEnd), FSelBG);
    fill(right, FRowBG);
  } else {
    fill(right, FRowSelected ? FSelBG : FRowBG);
  }
}
