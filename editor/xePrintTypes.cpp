#include "xePrintTypes.h"

#include <cmath>

namespace {

QString MacroValue(const QString& Name, const TxePrintMacroValues& V) {
  if (Name == QLatin1String("PAGENUM")) return QString::number(V.PageNumber);
  if (Name == QLatin1String("TITLE")) return V.Title;
  if (Name == QLatin1String("TIME")) return V.Time;
  if (Name == QLatin1String("DATE")) return V.Date;
  if (Name == QLatin1String("DATETIME")) return V.Date + QLatin1Char(' ') + V.Time;
  if (Name == QLatin1String("TIMEDATE")) return V.Time + QLatin1Char(' ') + V.Date;
  return Name;
}

// a * b / c rounded half away from zero, in 64 bits.
int MulDiv(std::int64_t A, std::int64_t B, std::int64_t C) {
  return static_cast<int>(std::llround(static_cast<double>(A * B) / static_cast<double>(C)));
}

}  // namespace

QString ExpandPrintMacros(const QString& Line, const TxePrintMacroValues& Values) {
  QString out;
  out.reserve(Line.size());
  qsizetype i = 0;
  while (i < Line.size()) {
    const qsizetype open = Line.indexOf(QLatin1Char('$'), i);
    if (open < 0) {
      out += Line.mid(i);
      break;
    }
    out += Line.mid(i, open - i);
    qsizetype close = Line.indexOf(QLatin1Char('$'), open + 1);
    if (close == open + 1) {
      out += QLatin1Char('$');
    } else {
      if (close < 0) close = Line.size();
      out += MacroValue(Line.mid(open + 1, close - open - 1).trimmed().toUpper(), Values);
    }
    i = close + 1;
  }
  return out;
}

TxePixelMargins PrintMarginsToPixels(std::uint8_t Units, const TxePrintRect& Margins, int DpiX, int DpiY,
                                     int OffsetX, int OffsetY) {
  auto convert = [Units](int value, int dpi) {
    switch (Units) {
      case 1: return MulDiv(value, dpi, 1000);
      case 2: return MulDiv(MulDiv(value, dpi, 1000), 10000, 254);
      default: return value;
    }
  };
  auto clamp0 = [](int v) { return v < 0 ? 0 : v; };
  TxePixelMargins m;
  m.Left = clamp0(convert(Margins.Left, DpiX) - OffsetX);
  m.Right = clamp0(convert(Margins.Right, DpiX) - OffsetX);
  m.Top = clamp0(convert(Margins.Top, DpiY) - OffsetY);
  m.Bottom = clamp0(convert(Margins.Bottom, DpiY) - OffsetY);
  return m;
}
