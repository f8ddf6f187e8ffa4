#include "uTextDrawer.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <algorithm>

#include "xeCellMap.h"
#include "xeColors.h"

namespace {
const char* const kNoFont = "SetBaseFont: 'Value' must be specified.";
}

// ---------------------------------------------------------------- TheFontsInfoManager

TheFontsInfoManager& TheFontsInfoManager::Instance() {
  static TheFontsInfoManager manager;
  return manager;
}

TheFontsInfoManager::~TheFontsInfoManager() {
  for (auto it = FRecords.rbegin(); it != FRecords.rend(); ++it) delete *it;
  FRecords.clear();
}

QString TheFontsInfoManager::KeyOf(const QFont& font) {
  QFont f(font);
  f.setItalic(false);
  f.setUnderline(false);
  f.setStrikeOut(false);
  return f.key();
}

FontsInfoRecord* TheFontsInfoManager::Acquire(const QFont& font) {
  const QString key = KeyOf(font);
  for (FontsInfoRecord* r : FRecords) {
    if (r->BaseLF == key) {
      ++r->RefCount;
      return r;
    }
  }
  auto* r = new FontsInfoRecord;
  r->BaseFont = font;
  r->BaseLF = key;
  r->RefCount = 1;
  FRecords.push_back(r);
  return r;
}

void TheFontsInfoManager::Release(FontsInfoRecord* record) {
  if (!record) return;
  if (record->LockCount >= record->RefCount)
    throw std::logic_error("Call DeactivateFontsInfo before calling this.");
  if (record->RefCount <= 1) {
    FRecords.erase(std::remove(FRecords.begin(), FRecords.end(), record), FRecords.end());
    delete record;
  } else {
    --record->RefCount;
  }
}

void TheFontsInfoManager::ActivateFontsInfo(FontsInfoRecord* record) { ++record->LockCount; }

void TheFontsInfoManager::DeactivateFontsInfo(FontsInfoRecord* record) {
  if (--record->LockCount <= 0) {
    record->LockCount = 0;
    for (FontStyleSlot& s : record->StyleSlots) s = FontStyleSlot{};
  }
}

// ---------------------------------------------------------------- TheFontStock

TheFontStock::TheFontStock(const QFont* font) { SetBaseFont(font); }

TheFontStock::~TheFontStock() {
  if (FRecord) {
    UnlockFontHandles();
    TheFontsInfoManager::Instance().Release(FRecord);
  }
}

void TheFontStock::UnlockFontHandles() {
  if (FLocked && FRecord) {
    FLocked = false;
    TheFontsInfoManager::Instance().DeactivateFontsInfo(FRecord);
  }
  FSlot = nullptr;
  FStyle = -1;
}

void TheFontStock::SetBaseFont(const QFont* font) {
  if (!font) throw EheFontStockException(kNoFont);
  auto& mgr = TheFontsInfoManager::Instance();
  FontsInfoRecord* r = mgr.Acquire(*font);
  if (r == FRecord) {
    mgr.Release(r);
    return;
  }
  if (FRecord) {
    UnlockFontHandles();
    mgr.Release(FRecord);
  }
  FRecord = r;
  FBaseLF = r->BaseFont;
  FBaseLF.setItalic(false);
  FBaseLF.setUnderline(false);
  FBaseLF.setStrikeOut(false);
  FSlot = nullptr;
  FStyle = -1;
  int style = (font->bold() ? fsBold : 0) | (font->italic() ? fsItalic : 0) |
              (font->underline() ? fsUnderline : 0) | (font->strikeOut() ? fsStrikeOut : 0);
  SetStyle(style);
}

void TheFontStock::CreateStyledFont(int style, FontStyleSlot& slot) {
  QFont f(FBaseLF);
  f.setWeight((style & fsBold) ? QFont::Bold : QFont::Normal);
  f.setItalic(style & fsItalic);
  f.setUnderline(style & fsUnderline);
  f.setStrikeOut(style & fsStrikeOut);
  f.setKerning(false);
  slot.Font = f;
  slot.Raw = QRawFont::fromFont(f);
  QFontMetrics fm(f);
  slot.CharAdvance = fm.horizontalAdvance(QLatin1Char('M'));
  if (slot.CharAdvance <= 0) slot.CharAdvance = std::max(1, fm.averageCharWidth());
  slot.CharHeight = std::max(1, fm.height());
  slot.Ascent = fm.ascent();
  slot.Created = true;
}

FontStyleSlot* TheFontStock::StyleSlot(int style) {
  if (style < 0 || style > 16) throw std::logic_error("font style out of range");
  if (!FLocked) {
    TheFontsInfoManager::Instance().ActivateFontsInfo(FRecord);
    FLocked = true;
  }
  FontStyleSlot& slot = FRecord->StyleSlots[style];
  if (!slot.Created) CreateStyledFont(style, slot);
  return &slot;
}

void TheFontStock::SetStyle(int style) {
  if (style < 0 || style > 16) throw std::logic_error("font style out of range");
  if (FSlot && style == FStyle) return;
  FSlot = StyleSlot(style);
  FStyle = style;
}

int TheFontStock::CharAdvance() const { return FSlot ? FSlot->CharAdvance : 0; }
int TheFontStock::CharHeight() const { return FSlot ? FSlot->CharHeight : 0; }
int TheFontStock::Ascent() const { return FSlot ? FSlot->Ascent : 0; }

// ---------------------------------------------------------------- TheTextDrawer

TheTextDrawer::TheTextDrawer(int metricsStyle, const QFont* font)
    : FStock(font ? font : throw EheTextDrawerException(kNoFont)),
      FMetricsStyle(metricsStyle),
      FForeground(clWindowText),
      FBackground(clWindow) {
  FFgRGB = ColorToRGB(FForeground);
  FBgRGB = ColorToRGB(FBackground);
  SetBaseFont(font);
}

TheTextDrawer::~TheTextDrawer() = default;

int TheTextDrawer::Ascent() const { return FStock.Ascent(); }

void TheTextDrawer::SetBaseFont(const QFont* font) {
  if (!font) throw EheTextDrawerException(kNoFont);
  FStock.SetBaseFont(font);
  FStock.SetStyle(FMetricsStyle);
  FCellWidth = FStock.CharAdvance();
  FCellHeight = FStock.CharHeight();
  SetStyle((font->bold() ? fsBold : 0) | (font->italic() ? fsItalic : 0) |
           (font->underline() ? fsUnderline : 0) | (font->strikeOut() ? fsStrikeOut : 0));
}

void TheTextDrawer::SetMetricsStyle(int style) {
  if (style == FMetricsStyle) return;
  FMetricsStyle = style;
  const int current = FStock.Style();
  FStock.SetStyle(style);
  FCellWidth = FStock.CharAdvance();
  FCellHeight = FStock.CharHeight();
  if (current >= 0) FStock.SetStyle(current);
}

void TheTextDrawer::SetStyle(int style) {
  FStock.SetStyle(style & 15);
  if (FPainter) FPainter->setFont(FStock.Current()->Font);
}

void TheTextDrawer::SetForeground(TColor colour) {
  if (colour == FForeground) return;
  FForeground = colour;
  FFgRGB = ColorToRGB(colour);
}

void TheTextDrawer::SetBackground(TColor colour) {
  if (colour == FBackground) return;
  FBackground = colour;
  FBgRGB = ColorToRGB(colour);
}

void TheTextDrawer::SetCharSpacing(int extra) { FCharSpacing = extra; }

void TheTextDrawer::ReleaseCachedFonts() { FStock.UnlockFontHandles(); }

void TheTextDrawer::StartDrawing(QPainter* painter) {
  if (painter != FPainter) {
    if (FPainter) throw std::logic_error("StartDrawing: already drawing on another canvas");
    FPainter = painter;
    FPainter->save();
    if (FStock.Current()) FPainter->setFont(FStock.Current()->Font);
  }
  ++FDrawCount;
}

void TheTextDrawer::StopDrawing() {
  if (FDrawCount <= 0) throw std::logic_error("StopDrawing without StartDrawing");
  if (--FDrawCount == 0) {
    FPainter->restore();
    FPainter = nullptr;
  }
}

void TheTextDrawer::PlainTextOut(int x, int y, const QString& text) {
  if (!FPainter) return;
  FPainter->setPen(FFgRGB);
  FPainter->drawText(QPointF(x, y + Ascent()), text);
}

void TheTextDrawer::FillRect(const QRect& rect) {
  if (FPainter && !rect.isEmpty()) FPainter->fillRect(rect, FBgRGB);
}

void TheTextDrawer::DrawFallback(int x, int baseline, char32_t c) {
  // A glyph from another font keeps to its own cells: centred when narrower, squeezed when wider,
  // so it never covers the next character.
  const QFont& font = FStock.Current()->Font;
  const QString text = QString::fromUcs4(&c, 1);
  const qreal span = qreal(CodePointCells(c) * CellWidth());
  const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
  FPainter->save();
  FPainter->setFont(font);
  FPainter->translate(x, baseline);
  if (advance > span && advance > 0)
    FPainter->scale(span / advance, 1.0);
  else
    FPainter->translate((span - advance) / 2, 0);
  FPainter->drawText(QPointF(0, 0), text);
  FPainter->restore();
}

void TheTextDrawer::CellTextOut(int x, int y, bool opaque, const QRect& rect, const char32_t* chars,
                                const int* cells, int count) {
  if (!FPainter) return;
  if (opaque) FillRect(rect);
  if (count <= 0) return;
  const FontStyleSlot* slot = FStock.Current();
  const int cw = CellWidth();
  const int baseline = y + slot->Ascent;
  FChars.resize(count);
  QChar* q = FChars.data();
  for (int i = 0; i < count; ++i) q[i] = chars[i] <= 0xFFFF ? QChar(char16_t(chars[i])) : QChar(0xFFFD);
  FGlyphs.resize(count);
  int n = count;
  if (!slot->Raw.glyphIndexesForChars(q, count, FGlyphs.data(), &n) || n != count) {
    for (int i = 0; i < count; ++i) FGlyphs[i] = 0;
  }
  FPositions.resize(count);
  int used = 0;
  FPainter->setPen(FFgRGB);
  for (int i = 0; i < count; ++i) {
    const int cx = x + (cells ? cells[i] : i) * cw;
    const char32_t c = chars[i];
    if (c <= 0x20) continue;
    if (FGlyphs[i] == 0 || c > 0xFFFF) {
      DrawFallback(cx, baseline, c);
      continue;
    }
    FGlyphs[used] = FGlyphs[i];
    FPositions[used] = QPointF(cx, baseline);
    ++used;
  }
  const int first = cells ? cells[0] : 0, last = cells ? cells[count - 1] : count - 1;
  DrawLines(x + first * cw, baseline, (last - first + 1) * cw);
  if (used == 0) return;
  QGlyphRun run;
  run.setRawFont(slot->Raw);
  run.setRawData(FGlyphs.data(), FPositions.data(), used);
  const bool clip = (FStock.Style() & fsItalic) != 0 && !rect.isNull();
  if (clip) {
    FPainter->save();
    FPainter->setClipRect(rect, Qt::IntersectClip);
  }
  FPainter->drawGlyphRun(QPointF(0, 0), run);
  if (clip) FPainter->restore();
}

void TheTextDrawer::DrawLines(int x, int baseline, int width) {
  // underline and strike-out run through blanks too, as one line over the cells
  const int style = FStock.Style();
  if (!(style & (fsUnderline | fsStrikeOut)) || width <= 0) return;
  const QFontMetrics fm(FStock.Current()->Font);
  const int w = std::max(1, fm.lineWidth());
  if (style & fsUnderline) FPainter->fillRect(QRect(x, baseline + fm.underlinePos(), width, w), FFgRGB);
  if (style & fsStrikeOut) FPainter->fillRect(QRect(x, baseline - fm.strikeOutPos(), width, w), FFgRGB);
}
