// The fixed character grid: a process-wide cache of font variants, a per-editor stock of the
// sixteen style variants of one font, and the drawer that puts every character on one cell.
#pragma once

#include <QColor>
#include <QFont>
#include <QRawFont>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

#include "xeTypes.h"

class QPainter;

class EheTextDrawerException : public std::runtime_error {
  using std::runtime_error::runtime_error;
};
class EheFontStockException : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct FontStyleSlot {
  bool Created = false;
  QFont Font;
  QRawFont Raw;         // for glyph runs placed on the grid
  int CharAdvance = 0;  // advance of "M"
  int CharHeight = 0;
  int Ascent = 0;
};

struct FontsInfoRecord {
  int RefCount = 0;
  int LockCount = 0;
  QFont BaseFont;
  QString BaseLF;  // lookup key: the font without italic, underline and strike-out
  FontStyleSlot StyleSlots[17];
};

class TheFontsInfoManager {
 public:
  static TheFontsInfoManager& Instance();
  ~TheFontsInfoManager();

  FontsInfoRecord* Acquire(const QFont& font);
  void Release(FontsInfoRecord* record);
  void ActivateFontsInfo(FontsInfoRecord* record);
  void DeactivateFontsInfo(FontsInfoRecord* record);
  int RecordCount() const { return static_cast<int>(FRecords.size()); }

  static QString KeyOf(const QFont& font);

 private:
  TheFontsInfoManager() = default;
  std::vector<FontsInfoRecord*> FRecords;
};

class TheFontStock {
 public:
  explicit TheFontStock(const QFont* font);
  virtual ~TheFontStock();
  TheFontStock(const TheFontStock&) = delete;
  TheFontStock& operator=(const TheFontStock&) = delete;

  virtual void SetBaseFont(const QFont* font);
  virtual void SetStyle(int style);
  virtual int CharAdvance() const;
  virtual int CharHeight() const;
  int Ascent() const;
  virtual FontStyleSlot* StyleSlot(int style);
  virtual void UnlockFontHandles();
  int Style() const { return FStyle; }
  const FontStyleSlot* Current() const { return FSlot; }
  FontsInfoRecord* Record() const { return FRecord; }

 protected:
  virtual void CreateStyledFont(int style, FontStyleSlot& slot);

 private:
  FontsInfoRecord* FRecord = nullptr;
  bool FLocked = false;
  FontStyleSlot* FSlot = nullptr;
  int FStyle = -1;
  QFont FBaseLF;
};

class TheTextDrawer {
 public:
  TheTextDrawer(int metricsStyle, const QFont* font);
  virtual ~TheTextDrawer();
  TheTextDrawer(const TheTextDrawer&) = delete;
  TheTextDrawer& operator=(const TheTextDrawer&) = delete;

  virtual int CellWidth() const { return FCellWidth + FCharSpacing; }
  virtual int CellHeight() const { return FCellHeight; }
  int Ascent() const;
  int MetricsStyle() const { return FMetricsStyle; }
  int Style() const { return FStock.Style(); }

  virtual void StartDrawing(QPainter* painter);
  virtual void StopDrawing();
  bool Drawing() const { return FPainter != nullptr; }
  QPainter* Painter() const { return FPainter; }

  // Plain glyph advances, not the grid (the gutter's numbers).
  virtual void PlainTextOut(int x, int y, const QString& text);
  // Characters `chars` at 0-based cells `cells` (nullptr: 0,1,2,...) from x, text top at y.
  // With `opaque` the rectangle is filled with the background first; characters are clipped to it.
  virtual void CellTextOut(int x, int y, bool opaque, const QRect& rect, const char32_t* chars,
                           const int* cells, int count);
  // Fills the rectangle with the background colour.
  void FillRect(const QRect& rect);

  virtual void SetBaseFont(const QFont* font);
  virtual void SetMetricsStyle(int style);
  virtual void SetStyle(int style);
  virtual void SetForeground(TColor colour);
  virtual void SetBackground(TColor colour);
  virtual void SetCharSpacing(int extra);
  virtual void ReleaseCachedFonts();
  TColor Foreground() const { return FForeground; }
  TColor Background() const { return FBackground; }
  // Colours already resolved for the painter.
  QColor ForegroundRGB() const { return FFgRGB; }
  QColor BackgroundRGB() const { return FBgRGB; }

 private:
  void DrawFallback(int x, int baseline, char32_t c);
  void DrawLines(int x, int baseline, int width);

  QPainter* FPainter = nullptr;
  int FDrawCount = 0;
  TheFontStock FStock;
  int FMetricsStyle = 0;
  int FCellWidth = 0;
  int FCellHeight = 0;
  TColor FForeground;
  TColor FBackground;
  QColor FFgRGB, FBgRGB;
  int FCharSpacing = 0;
  // scratch buffers reused across calls
  std::vector<quint32> FGlyphs;
  std::vector<QPointF> FPositions;
  QString FChars;
};
