// Print options, status values and the page arithmetic of printing (header/footer macros, margins).
#pragma once

#include <QString>

#include <cstdint>
#include <vector>
#include "xePrintStatus.h"

// Header and footer alignment: 1 right, 2 centred, anything else left.
enum : int { xepaLeft = 0, xepaRight = 1, xepaCenter = 2 };

struct TxePrintLine {
  QString Text;
  int Alignment = xepaLeft;
};

// Four plain numbers, as the option record stores them.
struct TxePrintRect {
  std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  // As a line range: no line chosen. Columns of 0 mean "no limit", so they do not make a range empty.
  bool NoLines() const { return Bottom < Top || Bottom < 1; }
};

struct TxePrintOptions {
  bool SelectionOnly = false;
  bool UseHighlighter = false;
  bool Unused = false;  // carried for callers that set it; printing ignores it
  bool NoColors = false;
  std::int32_t Copies = 1;
  std::uint8_t MarginUnits = 0;  // 0 printer pixels, 1 thousandths of an inch, 2 millimetres
  TxePrintRect Margins;          // distances from the paper edges
  TxePrintRect LineRange;        // left column, first line, right column, last line; empty = everything
  QString Title;
  std::vector<TxePrintLine> HeaderLines;
  std::vector<TxePrintLine> FooterLines;
};

// Texts the macros of one print job expand to.
struct TxePrintMacroValues {
  int PageNumber = 0;
  QString Title;
  QString Time;
  QString Date;
};

// Expands $PAGENUM$, $TITLE$, $TIME$, $DATE$, $DATETIME$, $TIMEDATE$ and "$$"; an unknown name stands for
// itself (trimmed, upper case), and a "$" without a closing one takes the rest of the line as the name.
QString ExpandPrintMacros(const QString& Line, const TxePrintMacroValues& Values);

// Margins in printer pixels: Units 0 pixels, 1 thousandths of an inch, 2 millimetres; left and right use
// the horizontal resolution, top and bottom the vertical one; then the unprintable offsets are taken
// off and negative results raised to 0.
struct TxePixelMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
TxePixelMargins PrintMarginsToPixels(std::uint8_t Units, const TxePrintRect& Margins, int DpiX, int DpiY,
                                     int OffsetX, int OffsetY);
