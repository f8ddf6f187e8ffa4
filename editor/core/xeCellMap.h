// Byte columns to display cells: how one line of UTF-8 bytes lies on the cell grid. The model, the screen
// and printing all measure through here (and the widths of xeUtf8.h), so they agree.
// A tab reaches the next TabWidth stop, an East Asian wide character takes two cells,
// every other character (and every byte that is not valid UTF-8) takes one.
// Only the part of a line up to the asked position is ever walked, so long lines stay cheap;
// plain ASCII is the identity map.
#pragma once

#include <cstddef>
#include <string_view>

#include "xeUtf8.h"

// One character of a line as it is painted.
struct TxeCellChar {
  int Bytes = 1;      // length of the character in the line
  int Cells = 1;      // display width (a tab's width depends on where it stands)
  char32_t Code = 0;  // code point; U+FFFD for a byte that is not valid UTF-8
  bool Tab = false;
};

// Decodes the character at p (n bytes available, n > 0), without the tab width.
TxeCellChar DecodeCellChar(const char* p, std::size_t n);

// Cells a tab standing at 0-based cell `cell` covers.
inline int TabCells(int cell, int tabWidth) {
  if (tabWidth <= 1) return 1;
  return tabWidth - cell % tabWidth;
}

// Index of the first byte at or after `from` (and before `to`) that is a tab or not ASCII; `to` when
// there is none. Eight bytes at a time, so plain stretches of long lines cost little.
int SkipPlainAscii(const char* p, int from, int to);

class TxeCellMap {
 public:
  // 0-based cell where the byte at 0-based index `byteIndex` starts. Beyond the end of the line
  // each byte column is one cell of virtual space. A continuation byte maps to its character's cell.
  static int CellOfByte(std::string_view line, int byteIndex, int tabWidth);

  // 0-based byte index of the character covering 0-based cell `cell`; *cellStart receives the
  // cell where that character starts. Beyond the end of the line: virtual columns, one per cell.
  static int ByteOfCell(std::string_view line, int cell, int tabWidth, int* cellStart = nullptr);

  // Display width of a whole line (walks it; used only where the whole line matters).
  static int LineCells(std::string_view line, int tabWidth);
};
