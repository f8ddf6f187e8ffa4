// Font caches and the text drawer: records shared per font, style variants on one grid.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "QtTestApp.h"
#include "uTextDrawer.h"

namespace {

QFont Mono(int px) {
  QFont f(QStringLiteral("Liberation Mono"));
  f.setPixelSize(px);
  return f;
}

TEST(FontsInfoManager, OneRecordPerFontWhateverTheSlant) {
  EnsureQtApp();
  auto& mgr = TheFontsInfoManager::Instance();
  const int before = mgr.RecordCount();
  const QFont plain = Mono(13), larger = Mono(15);
  QFont italic = plain;
  italic.setItalic(true);
  {
    TheFontStock a(&plain);
    TheFontStock b(&italic);  // italic, underline and strike-out are not part of the key
    EXPECT_EQ(a.Record(), b.Record());
    EXPECT_EQ(a.Record()->RefCount, 2);
    TheFontStock c(&larger);
    EXPECT_NE(a.Record(), c.Record());
    EXPECT_EQ(mgr.RecordCount(), before + 2);
  }
  EXPECT_EQ(mgr.RecordCount(), before);  // the last stock gives the record back
}

TEST(TextDrawer, MissingFontIsRefused) {
  EnsureQtApp();
  try {
    TheTextDrawer d(fsBold, nullptr);
    FAIL();
  } catch (const EheTextDrawerException& e) {
    EXPECT_STREQ(e.what(), "SetBaseFont: 'Value' must be specified.");
  }
  const QFont f = Mono(13);
  TheTextDrawer d(fsBold, &f);
  EXPECT_THROW(d.SetBaseFont(nullptr), EheTextDrawerException);
  TheFontStock s(&f);
  EXPECT_THROW(s.SetBaseFont(nullptr), EheFontStockException);
}

TEST(TextDrawer, CellsComeFromTheMetricsStyleAndEveryStyleStaysOnThem) {
  EnsureQtApp();
  const QFont f = Mono(14);
  QFont bold = f;
  bold.setBold(true);
  TheTextDrawer d(fsBold, &f);
  EXPECT_EQ(d.CellWidth(), QFontMetrics(bold).horizontalAdvance(QLatin1Char('M')));
  d.SetCharSpacing(2);
  EXPECT_EQ(d.CellWidth(), QFontMetrics(bold).horizontalAdvance(QLatin1Char('M')) + 2);
  d.SetCharSpacing(0);
  // "iii" in every style: each glyph's ink starts inside its own cell
  QImage img(40 * d.CellWidth(), 16 * d.CellHeight(), QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  d.StartDrawing(&p);
  d.SetForeground(0x000000);
  const char32_t text[] = {U'i', U'i', U'i', U'M'};
  for (int style = 0; style < 16; ++style) {
    d.SetStyle(style);
    d.CellTextOut(0, style * d.CellHeight(), false, QRect(), text, nullptr, 4);
  }
  d.StopDrawing();
  p.end();
  for (int style = 0; style < 16; ++style) {
    for (int cell = 0; cell < 3; ++cell) {
      bool ink = false;
      for (int y = style * d.CellHeight(); y < (style + 1) * d.CellHeight() - 3; ++y)
        for (int x = cell * d.CellWidth() + 1; x < (cell + 1) * d.CellWidth() - 1; ++x)
          ink = ink || qGray(img.pixel(x, y)) < 128;
      EXPECT_TRUE(ink) << "style " << style << " cell " << cell;
    }
  }
}

}  // namespace

namespace {

// Columns of the image that hold ink in the given row band.
std::vector<bool> InkColumns(const QImage& img, int top, int bottom) {
  std::vector<bool> ink(img.width(), false);
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < img.width(); ++x)
      if (qGray(img.pixel(x, y)) < 160) ink[x] = true;
  return ink;
}

}  // namespace

TEST(TextDrawer, FallbackGlyphsKeepToTheirOwnCells) {
  EnsureQtApp();
  const QFont f = Mono(14);
  TheTextDrawer d(0, &f);
  const int cw = d.CellWidth();
  // A replacement mark (one cell) and a wide ideograph (two cells) between blanks: no ink may
  // reach the blank cells around them.
  const struct {
    char32_t code;
    int cells;
  } cases[] = {{U'\uFFFD', 1}, {U'\u4E2D', 2}, {U'\U0001F600', 2}};
  for (const auto& c : cases) {
    QImage img(8 * cw, d.CellHeight(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    d.StartDrawing(&p);
    d.SetForeground(0x000000);
    const char32_t text[] = {U' ', c.code, U' '};
    const int cells[] = {0, 1, 1 + c.cells};
    d.CellTextOut(0, 0, false, QRect(), text, cells, 3);
    d.StopDrawing();
    p.end();
    const auto ink = InkColumns(img, 0, d.CellHeight());
    for (int x = 0; x < img.width(); ++x) {
      if (x < cw || x >= (1 + c.cells) * cw) {
        EXPECT_FALSE(ink[x]) << "U+" << std::hex << unsigned(c.code) << " x=" << x;
      }
    }
  }
}
