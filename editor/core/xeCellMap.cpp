#include "xeCellMap.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "xeUtf8.h"

TxeCellChar DecodeCellChar(const char* p, std::size_t n) {
  TxeCellChar r;
  const auto b = static_cast<unsigned char>(p[0]);
  char32_t c = 0;
  r.Bytes = Utf8Decode(std::string_view(p, n), 0, &c);
  if (r.Bytes == 1 && b >= 0x80) {
    r.Code = 0xFFFD;  // a byte that starts no valid sequence
    return r;
  }
  r.Code = c;
  r.Tab = c == '\t';
  r.Cells = CodePointCells(c);
  return r;
}

int SkipPlainAscii(const char* p, int from, int to) {
  constexpr std::uint64_t kHigh = 0x8080808080808080ull, kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kTabs = 0x0909090909090909ull;
  int i = from;
  while (i + 8 <= to) {
    std::uint64_t w;
    std::memcpy(&w, p + i, 8);
    const std::uint64_t t = w ^ kTabs;  // a tab byte becomes zero
    if ((w & kHigh) || ((t - kOnes) & ~t & kHigh)) break;
    i += 8;
  }
  while (i < to && static_cast<unsigned char>(p[i]) < 0x80 && p[i] != '\t') ++i;
  return i;
}

int TxeCellMap::CellOfByte(std::string_view line, int byteIndex, int tabWidth) {
  if (byteIndex <= 0) return 0;
  const int len = static_cast<int>(line.size());
  const int stop = byteIndex < len ? byteIndex : len;
  const char* p = line.data();
  int cell = 0;
  int i = 0;
  while (i < stop) {
    const int plain = SkipPlainAscii(p, i, stop);
    cell += plain - i;
    i = plain;
    if (i >= stop) break;
    TxeCellChar ch = DecodeCellChar(p + i, static_cast<std::size_t>(len - i));
    if (i + ch.Bytes > byteIndex) return cell;  // byteIndex is a continuation byte
    cell += ch.Tab ? TabCells(cell, tabWidth) : ch.Cells;
    i += ch.Bytes;
  }
  if (byteIndex > len) cell += byteIndex - len;
  return cell;
}

int TxeCellMap::ByteOfCell(std::string_view line, int cell, int tabWidth, int* cellStart) {
  if (cell < 0) cell = 0;
  const int len = static_cast<int>(line.size());
  const char* p = line.data();
  int c = 0;
  int i = 0;
  while (i < len) {
    // plain bytes before the asked cell map one to one
    const int plain = SkipPlainAscii(p, i, std::min(len, i + (cell - c)));
    c += plain - i;
    i = plain;
    if (i >= len) break;
    int w = 1, n = 1;
    const auto b = static_cast<unsigned char>(p[i]);
    if (b >= 0x80 || b == '\t') {
      const TxeCellChar ch = DecodeCellChar(p + i, static_cast<std::size_t>(len - i));
      w = ch.Tab ? TabCells(c, tabWidth) : ch.Cells;
      n = ch.Bytes;
    }
    if (cell < c + w) {
      if (cellStart) *cellStart = c;
      return i;
    }
    c += w;
    i += n;
  }
  if (cellStart) *cellStart = cell;
  return len + (cell - c);
}

int TxeCellMap::LineCells(std::string_view line, int tabWidth) {
  return CellOfByte(line, static_cast<int>(line.size()), tabWidth);
}
