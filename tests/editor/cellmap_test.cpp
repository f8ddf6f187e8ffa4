// Byte columns to display cells: tabs, wide characters, invalid bytes, virtual space.
#include <gtest/gtest.h>

#include <string>

#include "xeCellMap.h"

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

}  // namespace
