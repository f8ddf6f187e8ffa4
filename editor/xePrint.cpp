// Prints lines of an editing model on a fixed character grid, page by page.
#include "xePrint.h"

#include <QDateTime>
#include <QFile>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <algorithm>
#include <string>

#include "xeCustomEdit.h"
#include "xeEditModel.h"
#include "xeHighlighter.h"
#include "xeUtf8.h"

QPrinter& xePrinter() {
  static QPrinter printer(QPrinter::HighResolution);
  return printer;
}

namespace {

// Paper colours: system colours resolve to black ink on white paper, whatever the screen theme is.
QColor PaperColor(std::uint32_t c, const QColor& fallback) {
  if (c == clNone) return fallback;
  if (c & 0x80000000u) {
    switch (c & 0xFF) {
      case 5:   // window
      case 14:  // highlight text
      case 15:  // button face
        return Qt::white;
      case 13:  // highlight
        return QColor(0, 0, 128);
      default: return Qt::black;
    }
  }
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// The time text without a time zone, as a clock shows it.
QString TimeText(const QLocale& locale, const QTime& time) {
  QString format = locale.timeFormat(QLocale::LongFormat);
  format.remove(QLatin1Char('t'));
  return locale.toString(time, format.trimmed());
}

// A font given in pixels (screen metrics) keeps its size in points on the printer.
QFont PrinterFont(const QFont& source) {
  QFont f = source;
  if (f.pointSizeF() <= 0 && f.pixelSize() > 0) f.setPointSizeF(f.pixelSize() * 72.0 / 96.0);
  return f;
}

// Display cells of a line's bytes, walked forwards only: tokens come in order, so a line costs one pass.
class TCellCursor {
 public:
  explicit TCellCursor(std::string_view text) : FText(text) {}
  int CellOf(std::size_t byte) {
    while (FByte < byte && FByte < FText.size()) {
      FCell += Utf8CellWidth(FText, FByte);
      FByte += static_cast<std::size_t>(std::max(1, Utf8CharLen(FText, FByte)));
    }
    return FCell + static_cast<int>(byte > FByte ? byte - FByte : 0);
  }

 private:
  std::string_view FText;
  std::size_t FByte = 0;
  int FCell = 0;
};

struct TColumnRange {
  int FirstLine = 1, LastLine = 0;  // 1-based, inclusive
  int LeftCol = 0, RightCol = 0;    // 0 = no limit
  bool ColumnPrinting = false;
};

class TPrintJob {
 public:
  TPrintJob(TxeEditModel& editor, QPrinter& printer, const TxePrintContext& ctx, const TxePrintOptions& opt)
      : FEditor(editor), FPrinter(printer), FCtx(ctx), FOpt(opt) {}

  void Run();

 private:
  bool Status(TxePrintStatus status, int page, bool abort = false) {
    if (FEditor.OnPrintStatus) FEditor.OnPrintStatus(&FEditor, status, page, abort);
    return abort;
  }
  TColumnRange Range() const;
  bool PrintLines(const TColumnRange& range);
  void PrintLine(int index0, const TColumnRange& range);
  void PrintHighlighted(const std::string& text, int index0, int first, int last, bool fromMargin);
  void DrawCells(int x, std::string_view bytes);
  void PrintHeaderFooter(const std::vector<TxePrintLine>& lines, int& y);
  void PrintHeader() { PrintHeaderFooter(FOpt.HeaderLines, FY); }
  void PrintFooter(int footerHeight) {
    int y = FPageHeight - FMargins.Bottom - footerHeight;
    PrintHeaderFooter(FOpt.FooterLines, y);
  }
  void Abort();

  TxeEditModel& FEditor;
  QPrinter& FPrinter;
  const TxePrintContext& FCtx;
  const TxePrintOptions& FOpt;
  QPainter FPainter;
  QFont FFont;
  TxeCustomHighLighter* FHighLighter = nullptr;
  TxePixelMargins FMargins;
  int FPageWidth = 0, FPageHeight = 0;
  int FCW = 1, FLH = 1, FAscent = 0;
  int FY = 0;
  TxePrintMacroValues FMacros;
};

void TPrintJob::Run() {
  if (FOpt.SelectionOnly && !FEditor.HasSelection()) return;

  const QLocale locale = QLocale::system();
  const QDateTime now = QDateTime::currentDateTime();
  FMacros.Title = FOpt.Title;
  FMacros.Date = locale.toString(now.date(), QLocale::ShortFormat);
  FMacros.Time = TimeText(locale, now.time());

  FFont = PrinterFont(FCtx.Font ? *FCtx.Font : QFont(QStringLiteral("Courier New"), 10));
  FPrinter.setCopyCount(std::max(1, static_cast<int>(FOpt.Copies)));
  FPrinter.setDocName(FOpt.Title);
  if (!FPainter.begin(&FPrinter)) {
    // The job could not start (no printer, unwritable file): say so instead of reporting success.
    Status(prsFinish, 0, true);
    return;
  }
  // The printer's paint engine outlives the job and remembers the last job's pen and font, while a new
  // painter believes they are at their defaults: mark them changed so that the engine is told.
  FPainter.setPen(Qt::white);
  FPainter.setPen(Qt::black);
  FPainter.setFont(QFont());
  FPainter.setFont(FFont);

  if (Status(prsStart, 0)) {
    Abort();
    Status(prsFinish, 0, true);
    return;
  }

  const TColumnRange range = Range();
  const QRect paper = FPrinter.paperRect(QPrinter::DevicePixel).toRect();
  const QRect page = FPrinter.pageRect(QPrinter::DevicePixel).toRect();
  FPageWidth = page.width();
  FPageHeight = page.height();
  FMargins =
      PrintMarginsToPixels(FOpt.MarginUnits, FOpt.Margins, FPrinter.resolution(), FPrinter.resolution(),
                           page.left() - paper.left(), page.top() - paper.top());

  const bool completed = PrintLines(range);
  if (completed) FPainter.end();
  Status(prsFinish, 0, !completed);
}

void TPrintJob::Abort() {
  const QString file = FPrinter.outputFileName();
  const bool aborted = FPrinter.abort();
  if (FPainter.isActive()) FPainter.end();
  // Engines that cannot abort (PDF) have written a partial file: an aborted job leaves no output.
  if (!aborted && !file.isEmpty()) QFile::remove(file);
}

TColumnRange TPrintJob::Range() const {
  TColumnRange r;
  const int count = FEditor.Lines().Count();
  if (FOpt.SelectionOnly) {
    const TPoint s = FEditor.SelBegin();
    const TPoint e = FEditor.SelEnd();
    r.FirstLine = s.Y;
    r.LastLine = e.Y;
    switch (FEditor.SelectionMode()) {
      case smLine: break;
      case smColumn:
        r.ColumnPrinting = true;
        r.LeftCol = std::min(s.X, e.X);  // the block may have been drawn right to left
        r.RightCol = std::max(s.X, e.X) - 1;
        break;
      default:
        r.LeftCol = s.X;
        r.RightCol = e.X - 1;
        // A selection ending in column 1 holds nothing of its last line.
        if (e.X <= 1 && e.Y > s.Y) r.LastLine = e.Y - 1;
        break;
    }
  } else if (FOpt.LineRange.NoLines()) {
    r.FirstLine = 1;
    r.LastLine = count;
  } else {
    r.LeftCol = std::max(0, static_cast<int>(FOpt.LineRange.Left));
    r.FirstLine = FOpt.LineRange.Top;
    r.RightCol = std::max(0, static_cast<int>(FOpt.LineRange.Right));
    r.LastLine = FOpt.LineRange.Bottom;
  }
  r.FirstLine = std::max(1, r.FirstLine);
  r.LastLine = std::min(count, r.LastLine);
  return r;
}

bool TPrintJob::PrintLines(const TColumnRange& range) {
  int page = 1;
  FHighLighter = FOpt.UseHighlighter ? FEditor.HighLighter() : nullptr;
  QFont measured = FFont;
  if (FOpt.UseHighlighter) {
    measured.setBold(true);
    measured.setItalic(true);
  }
  const QFontMetrics fm(measured, &FPrinter);
  FCW = std::max(1, fm.averageCharWidth());
  FLH = std::max(1, fm.height() + fm.leading() + FEditor.ExtraLineSpacing());
  FAscent = QFontMetrics(FFont, &FPrinter).ascent();
  const int footerHeight = static_cast<int>(FOpt.FooterLines.size()) * FLH;

  FY = FMargins.Top;
  if (Status(prsPage, page)) {
    Abort();
    return false;
  }
  FMacros.PageNumber = page;
  PrintHeader();

  // Every printed line's range known at once: lines then start from their own, whatever ran in between.
  if (FHighLighter && range.FirstLine <= range.LastLine) FEditor.Lines().Objects(range.LastLine - 1);

  for (int line = range.FirstLine; line <= range.LastLine; ++line) {
    PrintLine(line - 1, range);
    const int oldY = FY;
    FY += FLH;
    // No page break after the last line: it would only add an empty page.
    if (line < range.LastLine && FPageHeight - FMargins.Bottom < oldY + 2 * FLH + footerHeight) {
      FPainter.setFont(FFont);
      PrintFooter(footerHeight);
      FPrinter.newPage();
      ++page;
      if (Status(prsPage, page)) {
        Abort();
        return false;
      }
      FMacros.PageNumber = page;
      FY = FMargins.Top;
      PrintHeader();
    }
  }
  FPainter.setFont(FFont);
  PrintFooter(footerHeight);
  return true;
}

void TPrintJob::PrintLine(int index0, const TColumnRange& range) {
  const std::string_view text = FEditor.Lines().Get(index0);
  const int len = static_cast<int>(text.size());
  const int lineNo = index0 + 1;
  const int first = range.ColumnPrinting || (lineNo == range.FirstLine && range.LeftCol > 0)
                        ? std::max(1, range.LeftCol)
                        : 1;
  int last = len;
  if (range.RightCol > 0 && (range.ColumnPrinting || lineNo == range.LastLine))
    last = std::min(len, range.RightCol);
  const bool fromMargin = range.ColumnPrinting || first == 1;

  FPainter.setClipRect(QRect(0, FY, FPageWidth - FMargins.Right, FLH));
  if (FHighLighter) {
    // The highlighter wants a zero-terminated line and must see every line to carry its range on.
    PrintHighlighted(std::string(text), index0, first, last, fromMargin);
  } else if (len >= first && last >= first) {
    TCellCursor cells(text);
    const int x = FMargins.Left + (fromMargin ? 0 : cells.CellOf(static_cast<std::size_t>(first - 1))) * FCW;
    FPainter.setPen(Qt::black);
    DrawCells(x,
              text.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1)));
  }
  FPainter.setClipping(false);
}

void TPrintJob::PrintHighlighted(const std::string& text, int index0, int first, int last, bool fromMargin) {
  TxeCustomHighLighter& hl = *FHighLighter;
  TCellCursor cells(text);
  // Column printing and lines printed from column 1 start at the margin; others keep their columns.
  const int baseCell = fromMargin ? cells.CellOf(static_cast<std::size_t>(first - 1)) : 0;
  hl.RestoreRange(FEditor.Lines().Objects(index0));
  hl.BeginLine(text.c_str(), index0);
  const int len = static_cast<int>(text.size());
  for (; !hl.AtLineEnd(); hl.Advance()) {
    if (len < first) continue;  // still scanned, so the range carries on to the next line
    const int h = hl.CurrentStart();
    const int n = hl.CurrentLength();
    if (h + n < first || h >= last) continue;
    const int from = std::max(h, first - 1);
    const int to = std::min(h + n, last);
    if (to <= from) continue;
    QFont font = FFont;
    QColor ink = Qt::black;
    QColor brush;  // invalid: the page shows through
    if (const TxeHighLightAttributes* a = hl.CurrentAttribute()) {
      const auto style = a->Style();
      font.setBold(style & fsBold);
      font.setItalic(style & fsItalic);
      font.setUnderline(style & fsUnderline);
      font.setStrikeOut(style & fsStrikeOut);
      if (!FOpt.NoColors) {
        ink = PaperColor(a->Foreground(), Qt::black);
        if (a->Background() != clNone && a->Background() != FCtx.EditorColor)
          brush = PaperColor(a->Background(), QColor());
      }
    }
    FPainter.setFont(font);
    FPainter.setPen(ink);
    const int x = FMargins.Left + (cells.CellOf(static_cast<std::size_t>(from)) - baseCell) * FCW;
    const std::string_view part(text.data() + from, static_cast<std::size_t>(to - from));
    if (brush.isValid()) FPainter.fillRect(QRect(x, FY, (to - from) * FCW, FLH), brush);
    DrawCells(x, part);
  }
  FPainter.setFont(FFont);
}

// Every character on its own cell, so that bold and italic runs keep the grid.
void TPrintJob::DrawCells(int x, std::string_view bytes) {
  const int baseline = FY + FAscent;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const int n = std::max(1, Utf8CharLen(bytes, i));
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c > ' ') {
      const QString ch = n == 1 && c < 128 ? QString(QLatin1Char(static_cast<char>(c)))
                                           : QString::fromUtf8(bytes.data() + i, n);
      FPainter.drawText(x, baseline, ch);
    }
    x += FCW * (n > 1 ? Utf8CellWidth(bytes, i) : 1);
    i += static_cast<std::size_t>(n);
  }
}

void TPrintJob::PrintHeaderFooter(const std::vector<TxePrintLine>& lines, int& y) {
  const int right = FPageWidth - FMargins.Right;
  for (const TxePrintLine& line : lines) {
    const QString text = ExpandPrintMacros(line.Text, FMacros);
    const QByteArray bytes = text.toUtf8();
    int cells = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(bytes.size());) {
      cells += Utf8CellWidth(std::string_view(bytes.constData(), bytes.size()), i);
      i += static_cast<std::size_t>(
          std::max(1, Utf8CharLen(std::string_view(bytes.constData(), bytes.size()), i)));
    }
    const int w = cells * FCW;
    int x = FMargins.Left;
    if (line.Alignment == xepaRight)
      x = right - w;
    else if (line.Alignment == xepaCenter)
      x = FMargins.Left + (right - FMargins.Left - w) / 2;
    FPainter.setClipRect(QRect(0, y, right, FLH));
    FPainter.setPen(Qt::black);
    const int saved = FY;
    FY = y;
    DrawCells(x, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    FY = saved;
    FPainter.setClipping(false);
    y += FLH;
  }
}

}  // namespace

void PrintDocument(TxeEditModel& Editor, QPrinter& Printer, const TxePrintContext& Context,
                   const TxePrintOptions& Options) {
  TPrintJob(Editor, Printer, Context, Options).Run();
}

void PrintDocument(TxeCustomEdit& Editor, const QFont* Font, const TxePrintOptions& Options) {
  TxePrintContext context;
  context.Font = Font ? Font : &Editor.Font();
  context.EditorColor = Editor.Color();
  PrintDocument(Editor, xePrinter(), context, Options);
}

void PrintDocument(QWidget& EditorWidget, TxeEditModel& Editor, const QFont* Font,
                   const TxePrintOptions& Options) {
  const QFont own = EditorWidget.font();
  TxePrintContext context;
  context.Font = Font ? Font : &own;
  PrintDocument(Editor, xePrinter(), context, Options);
}
