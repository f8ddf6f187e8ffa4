#include "xeUtf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

inline bool IsCont(unsigned char c) { return (c & 0xC0) == 0x80; }

// Decodes the character at S[I] when it is a valid multi-byte sequence; returns its length or 1.
int Decode(std::string_view S, std::size_t I, std::uint32_t* Code) {
  const auto* p = reinterpret_cast<const unsigned char*>(S.data());
  const std::size_t n = S.size();
  const unsigned char c = p[I];
  int len;
  std::uint32_t cp;
  if (c < 0x80) {
    if (Code) *Code = c;
    return 1;
  } else if (c >= 0xC2 && c <= 0xDF) {
    len = 2;
    cp = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3;
    cp = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4;
    cp = c & 0x07;
  } else {
    if (Code) *Code = c;
    return 1;
  }
  if (I + len > n) return 1;
  for (int k = 1; k < len; ++k) {
    if (!IsCont(p[I + k])) return 1;
    cp = (cp << 6) | (p[I + k] & 0x3F);
  }
  // Overlong forms, surrogates and values beyond U+10FFFF are not characters.
  if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
      (cp >= 0xD800 && cp <= 0xDFFF))
    return 1;
  if (Code) *Code = cp;
  return len;
}

}  // namespace

int Utf8CharLen(std::string_view S, std::size_t I) {
  if (I >= S.size()) return 0;
  return Decode(S, I, nullptr);
}

std::size_t Utf8CharStart(std::string_view S, std::size_t I) {
  if (I >= S.size()) return I;
  const auto* p = reinterpret_cast<const unsigned char*>(S.data());
  if (!IsCont(p[I])) return I;
  // A continuation byte belongs to the valid sequence starting at most three bytes before it.
  for (std::size_t back = 1; back <= 3 && back <= I; ++back) {
    const std::size_t j = I - back;
    if (!IsCont(p[j])) {
      const int len = Decode(S, j, nullptr);
      return static_cast<std::size_t>(len) > back ? j : I;
    }
  }
  return I;
}

int ColumnCharStart(std::string_view S, int Col) {
  if (Col < 2 || static_cast<std::size_t>(Col) > S.size()) return Col;
  return static_cast<int>(Utf8CharStart(S, static_cast<std::size_t>(Col - 1))) + 1;
}

int ColumnCharNext(std::string_view S, int Col) {
  if (!ColumnInsideChar(S, Col)) return Col;
  const std::size_t start = Utf8CharStart(S, static_cast<std::size_t>(Col - 1));
  return static_cast<int>(start) + Utf8CharLen(S, start) + 1;
}

int CodePointCells(char32_t C) {
  if (C < 0x1100) return 1;
  if ((C <= 0x115F) ||                                                   // Hangul Jamo initials
      (C >= 0x2E80 && C <= 0xA4CF && C != 0x303F) ||                     // CJK .. Yi
      (C >= 0xAC00 && C <= 0xD7A3) ||                                    // Hangul syllables
      (C >= 0xF900 && C <= 0xFAFF) ||                                    // CJK compatibility ideographs
      (C >= 0xFE30 && C <= 0xFE6F) ||                                    // CJK compatibility and small forms
      (C >= 0xFF00 && C <= 0xFF60) ||                                    // full-width forms
      (C >= 0xFFE0 && C <= 0xFFE6) || (C >= 0x1F300 && C <= 0x1F64F) ||  // pictographs, emoticons
      (C >= 0x1F900 && C <= 0x1F9FF) || (C >= 0x20000 && C <= 0x3FFFD))
    return 2;
  return 1;
}

int Utf8CellWidth(std::string_view S, std::size_t I) {
  std::uint32_t cp = 0;
  if (I >= S.size() || Decode(S, I, &cp) == 1) return 1;
  return CodePointCells(cp);
}

bool IsPlainAscii(std::string_view S) {
  unsigned char acc = 0;
  bool tab = false;
  for (unsigned char c : S) {
    acc |= c;
    tab |= c == '\t';
  }
  return !(acc & 0x80) && !tab;
}

int Utf8Decode(std::string_view S, std::size_t I, char32_t* Code) {
  std::uint32_t cp = 0;
  const int len = Decode(S, I, &cp);
  if (Code) *Code = len == 1 ? static_cast<unsigned char>(S[I]) : static_cast<char32_t>(cp);
  return len;
}

void AppendUtf8(std::string& Out, char32_t C) {
  if (C > 0x10FFFF || (C >= 0xD800 && C <= 0xDFFF)) C = 0xFFFD;
  if (C < 0x80) {
    Out += static_cast<char>(C);
  } else if (C < 0x800) {
    Out += static_cast<char>(0xC0 | (C >> 6));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else if (C < 0x10000) {
    Out += static_cast<char>(0xE0 | (C >> 12));
    Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (C >> 18));
    Out += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  }
}

int CharColumn(std::string_view S, int Col) {
  if (Col <= 1) return 1;
  const std::size_t want = static_cast<std::size_t>(Col - 1);
  const std::size_t stop = std::min(want, S.size());
  constexpr std::uint64_t kHigh = 0x8080808080808080ull;
  std::size_t i = 0;
  int chars = 0;
  while (i < stop) {
    while (i + 8 <= stop) {
      std::uint64_t w;
      std::memcpy(&w, S.data() + i, 8);
      if (w & kHigh) break;
      i += 8;
      chars += 8;
    }
    if (i >= stop) break;
    i += static_cast<std::size_t>(Decode(S, i, nullptr));
    ++chars;
  }
  return chars + 1 + static_cast<int>(want > S.size() ? want - S.size() : 0);
}
