#include "xeCellMap.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

inline bool IsCont(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

TxeCellChar DecodeCellChar(const char* p, std::size_t n) {
  const auto* s = reinterpret_cast<const unsigned char*>(p);
  const unsigned char b = s[0];
  TxeCellChar r;
  if (b < 0x80) {
    r.Code = b;
    r.Tab = b == '\t';
    return r;
  }
  int len = 0;
  char32_t c = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    len = 2;
    c = b & 0x1F;
  } else if (b >= 0xE0 && b <= 0xEF) {
    len = 3;
    c = b & 0x0F;
    if (b == 0xE0) lo = 0xA0;
    if (b == 0xED) hi = 0x9F;  // no surrogates
  } else if (b >= 0xF0 && b <= 0xF4) {
    len = 4;
    c = b & 0x07;
    if (b == 0xF0) lo = 0x90;
    if (b == 0xF4) hi = 0x8F;
  }
  if (len == 0 || static_cast<std::size_t>(len) > n || s[1] < lo || s[1] > hi) {
    r.Code = 0xFFFD;
    return r;
  }
  for (int i = 1; i < len; ++i) {
    if (!IsCont(s[i])) {
      r.Code = 0xFFFD;
      return r;
    }
    c = (c << 6) | (s[i] & 0x3F);
  }
  r.Bytes = len;
  r.Code = c;
  r.Cells = CodePointCells(c);
  return r;
}

int CodePointCells(char32_t c) {
  if (c < 0x1100) return 1;
  if ((c <= 0x115F) ||                                                   // Hangul Jamo initials
      (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||                     // CJK .. Yi
      (c >= 0xAC00 && c <= 0xD7A3) ||                                    // Hangul syllables
      (c >= 0xF900 && c <= 0xFAFF) ||                                    // CJK compatibility ideographs
      (c >= 0xFE30 && c <= 0xFE6F) ||                                    // CJK compatibility forms
      (c >= 0xFF00 && c <= 0xFF60) ||                                    // full-width forms
      (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||  // pictographs, emoticons
      (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD))
    return 2;
  return 1;
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
