// Paints one text row on the cell grid: the line is cut into highlighter tokens, adjacent tokens
// that look the same are merged into runs, and each run is drawn in up to three pieces
// (before, inside and after the selection). Only the visible cells are mapped and drawn.
#pragma once

#include <QRect>
#include <climits>
#include <cstdint>
#include <string_view>
#include <vector>

#include "xeTypes.h"

class TheTextDrawer;
class TxeCustomHighLighter;

// The part of a row that is selected, in 0-based display cells [Start, End).
struct TxeRowSelection {
  bool Any = false;
  int Start = 0;
  int End = INT_MAX;
};

struct TxeRowPaintSetup {
  TheTextDrawer* Drawer = nullptr;
  TxeCustomHighLighter* HighLighter = nullptr;  // none: the line is one token
  int TabWidth = 8;
  int CharWidth = 8;
  int CellOriginX = 0;  // x of 0-based cell 0 (text offset)
  int FirstCell = 0;    // first visible cell, 0-based
  int LastCell = 0;     // one past the last cell that reaches into the rectangle
  TColor EditorBackground = 0;
  TColor FontColor = 0;
  int FontStyle = 0;
  TColor SelForeground = 0;
  TColor SelBackground = 0;
};

class TxeRowPainter {
 public:
  explicit TxeRowPainter(const TxeRowPaintSetup& setup) : S(setup) {}

  // `text` must be zero-terminated beyond its size for the highlighter (std::string data is).
  // `row` is the row rectangle (left at or right of the text area's left edge).
  void PaintRow(std::string_view text, std::uint32_t range, int lineIndex, const QRect& row,
                const TxeRowSelection& sel, bool special, TColor rowFG, TColor rowBG);

  int DrawCalls() const { return FDrawCalls; }

 private:
  struct Run {
    int ByteStart = 0, ByteEnd = 0;  // bytes of the line
    int CellStart = 0, CellEnd = 0;  // cells they cover
    TColor FG = 0, BG = 0;
    int Style = 0;
    bool Empty = true;
  };

  int X(int cell) const { return S.CellOriginX + cell * S.CharWidth; }
  // Advances the byte/cell cursor to byte `to`.
  void AdvanceTo(int to);
  void AddToken(int byteStart, int byteEnd, int cellStart, int style, TColor bg, TColor fg);
  void FlushRun();
  void DrawPiece(int c1, int c2, bool selected);
  void FillRest();

  const TxeRowPaintSetup& S;
  // per row
  std::string_view FText;
  QRect FRow;
  int FTokenLeft = 0;
  bool FSpecial = false;
  bool FComplex = false;
  bool FRowSelected = false;
  int FSelStart = 0, FSelEnd = 0;  // cells, valid when FComplex
  TColor FRowFG = 0, FRowBG = 0, FSelFG = 0, FSelBG = 0;
  int FCurByte = 0, FCurCell = 0;
  int FChkByte = 0, FChkCell = 0;  // a character start at or left of the first visible cell
  Run FRun;
  std::vector<char32_t> FChars;
  std::vector<int> FCells;
  int FDrawCalls = 0;
};
