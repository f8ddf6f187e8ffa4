// Byte columns to display cells: tabs, wide characters, invalid bytes, virtual space.
#include <gtest/gtest.h>

#include <string>

#include "xeCellMap.h"
#include "xeEditModel.h"
#include "xeUtf8.h"

namespace {

struct CellCase {
  const char* name;
  std::string line;
  int tabWidth;
  int byteIndex;
  int cell;
};

TEST(CellMap, CellOfByte) {
  const CellCase cases[] = {
      {"ascii identity", "abcdef", 8, 4, 4},
      {"tab to stop 8", "a\tb", 8, 2, 8},
      {"tab width 0 is one blank", "a\tb", 0, 2, 2},
      {"tab width 1 is one blank", "a\tb", 1, 2, 2},
      {"tab width 3 not a power of two", "ab\t\tc", 3, 4, 6},
      {"two-byte char is one cell", "\xC3\xA9x", 8, 2, 1},
      {"wide char is two cells", "\xE4\xB8\xADx", 8, 3, 2},
      {"continuation byte maps to its char", "\xE4\xB8\xADx", 8, 1, 0},
      {"invalid byte is one cell", "\xFF\xFEx", 8, 2, 2},
      {"truncated sequence bytes are single", "\xE4\xB8", 8, 2, 2},
      {"beyond the end is virtual", "ab", 8, 5, 5},
      {"beyond the end after a wide char", "\xE4\xB8\xAD", 8, 5, 4},
      {"surrogate encoding is invalid", "\xED\xA0\x80", 8, 3, 3},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TxeCellMap::CellOfByte(c.line, c.byteIndex, c.tabWidth), c.cell) << c.name;
}

TEST(CellMap, ByteOfCellIsTheInverseOnCharacterStarts) {
  const std::string lines[] = {"plain", "a\tbc\td", "\xE4\xB8\xAD\xE6\x96\x87 ok", "x\xFFy\xC3\xA9\t!"};
  for (const auto& line : lines) {
    for (int b = 0; b <= static_cast<int>(line.size()) + 3; ++b) {
      if (b < static_cast<int>(line.size()) && (static_cast<unsigned char>(line[b]) & 0xC0) == 0x80) continue;
      const int cell = TxeCellMap::CellOfByte(line, b, 4);
      int start = -1;
      EXPECT_EQ(TxeCellMap::ByteOfCell(line, cell, 4, &start), b) << line << " byte " << b;
      EXPECT_EQ(start, cell);
    }
  }
}

TEST(CellMap, CellsInsideATabOrWideCharMapToItsStart) {
  int start = -1;
  EXPECT_EQ(TxeCellMap::ByteOfCell("a\tb", 5, 8, &start), 1);
  EXPECT_EQ(start, 1);
  EXPECT_EQ(TxeCellMap::ByteOfCell("\xE4\xB8\xADx", 1, 8, &start), 0);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(TxeCellMap::LineCells("a\tb\xE4\xB8\xAD", 8), 11);
}

TEST(CellMap, DecodeReportsWidthAndReplacement) {
  EXPECT_EQ(DecodeCellChar("\xF0\x9F\x98\x80", 4).Cells, 2);  // emoji
  EXPECT_EQ(DecodeCellChar("\xF0\x9F\x98\x80", 4).Bytes, 4);
  EXPECT_EQ(DecodeCellChar("\xC0\xAF", 2).Code, U'\xFFFD');  // overlong
  EXPECT_EQ(DecodeCellChar("\xC0\xAF", 2).Bytes, 1);
  EXPECT_TRUE(DecodeCellChar("\t", 1).Tab);
}

// The model (caret and scrolling), the screen (the row painter's decoding) and printing (cell widths of
// the bytes) measure a character alike; U+FE50..U+FE6F (small form variants) included.
TEST(CellMap, ModelScreenAndPrintAgree) {
  const struct {
    const char* ch;
    int cells;
  } cases[] = {
      {"a", 1},
      {"\xC3\xA9", 1},
      {"\xE2\x82\xAC", 1},
      {"\xE6\x97\xA5", 2},
      {"\xEF\xB8\xB0", 2},
      {"\xEF\xB9\x90", 2},
      {"\xEF\xB9\xAF", 2},
      {"\xEF\xB9\xB0", 1},
      {"\xF0\x9F\x98\x80", 2},
      {"\xFF", 1},
      {"\xE2\x82", 2},  // two bytes that are no character: one cell each
  };
  for (const auto& c : cases) {
    const std::string ch = c.ch;
    TxeEditModel m;
    m.SetText("x" + ch + "y");
    const int model = m.ColumnToCell(1, 2 + static_cast<int>(ch.size())) - m.ColumnToCell(1, 2);
    int screen = 0;
    for (std::size_t i = 0; i < ch.size();) {
      const TxeCellChar d = DecodeCellChar(ch.data() + i, ch.size() - i);
      screen += d.Cells;
      i += static_cast<std::size_t>(d.Bytes);
    }
    int print = 0;
    for (std::size_t i = 0; i < ch.size(); i += static_cast<std::size_t>(Utf8CharLen(ch, i)))
      print += Utf8CellWidth(ch, i);
    EXPECT_EQ(model, c.cells) << ch;
    EXPECT_EQ(screen, c.cells) << ch;
    EXPECT_EQ(print, c.cells) << ch;
  }
}

}  // namespace
