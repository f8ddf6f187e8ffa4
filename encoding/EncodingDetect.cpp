#include "EncodingDetect.h"

#include <uchardet.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t npos = std::string_view::npos;

std::size_t FirstNonAscii(std::string_view Text, std::size_t From) {
  const char* p = Text.data();
  std::size_t i = From;
  for (; i + 8 <= Text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, p + i, 8);
    if (word & 0x8080808080808080ull) break;
  }
  for (; i < Text.size(); ++i)
    if (static_cast<unsigned char>(p[i]) >= 0x80) return i;
  return npos;
}

}  // namespace

bool EncodingOfBom(std::string_view File, TEncoding* Encoding) {
  // UTF-16 comes in pairs of bytes; an odd file is read some other way, so that no byte is lost.
  const bool even = File.size() % 2 == 0;
  if (File.substr(0, 3) == "\xEF\xBB\xBF")
    *Encoding = {ekUtf8, true, {}};
  else if (File.substr(0, 2) == "\xFF\xFE" && even)
    *Encoding = {ekUtf16LE, true, {}};
  else if (File.substr(0, 2) == "\xFE\xFF" && even)
    *Encoding = {ekUtf16BE, true, {}};
  else
    return false;
  return true;
}

bool IsValidUtf8(std::string_view Text, bool* BeyondAscii) {
  bool beyond = false;
  const auto* p = reinterpret_cast<const unsigned char*>(Text.data());
  const std::size_t n = Text.size();
  const auto cont = [p](std::size_t At) { return (p[At] & 0xC0) == 0x80; };
  std::size_t i = 0;
  while (i < n) {
    const unsigned char c = p[i];
    if (c < 0x80) {
      ++i;
      // A run of ASCII goes by sixteen bytes at a time.
      while (i + 16 <= n) {
        std::uint64_t a, b;
        std::memcpy(&a, p + i, 8);
        std::memcpy(&b, p + i + 8, 8);
        if ((a | b) & 0x8080808080808080ull) break;
        i += 16;
      }
    } else if (c < 0xE0) {
      if (c < 0xC2 || i + 1 >= n || !cont(i + 1)) return false;
      beyond = true;
      i += 2;
    } else if (c < 0xF0) {
      // No overlong forms, no surrogates.
      if (i + 2 >= n || !cont(i + 1) || !cont(i + 2) || (c == 0xE0 && p[i + 1] < 0xA0) ||
          (c == 0xED && p[i + 1] > 0x9F))
        return false;
      beyond = true;
      i += 3;
    } else {
      // Nothing beyond U+10FFFF.
      if (c > 0xF4 || i + 3 >= n || !cont(i + 1) || !cont(i + 2) || !cont(i + 3) ||
          (c == 0xF0 && p[i + 1] < 0x90) || (c == 0xF4 && p[i + 1] > 0x8F))
        return false;
      beyond = true;
      i += 4;
    }
  }
  if (BeyondAscii) *BeyondAscii = beyond;
  return true;
}

bool GuessCodePage(std::string_view File, TEncoding* Encoding) {
  // The detector learns from text beyond ASCII; pages of plain markup around it tell it nothing, so
  // it is given pieces around such bytes, up to a budget.
  constexpr std::size_t Budget = 256 << 10, Before = 64, Piece = 4096;
  uchardet_t detector = uchardet_new();
  if (!detector) return false;
  bool fed = true;
  std::size_t given = 0, pos = 0;
  while (fed && given < Budget) {
    const std::size_t high = FirstNonAscii(File, pos);
    if (high == npos) break;
    const std::size_t start = high - std::min(high - pos, Before);
    const std::string_view piece = File.substr(start, Piece);
    fed = uchardet_handle_data(detector, piece.data(), piece.size()) == 0;
    given += piece.size();
    pos = start + piece.size();
  }
  uchardet_data_end(detector);
  const std::string name = uchardet_get_charset(detector);
  uchardet_delete(detector);
  TEncoding guess;
  if (!fed || !EncodingFromLabel(name, &guess) || guess.Kind != ekCodePage) return false;
  *Encoding = guess;
  return true;
}

bool DeclarationContradicted(const TEncoding& Declared, bool ValidUtf8, bool BeyondAscii) {
  return Declared.Kind == ekCodePage && ValidUtf8 && BeyondAscii;
}

TEncoding DecideEncoding(std::string_view File, const TEncodingChoice& Choice, std::string* Contradicted) {
  TEncoding found;
  if (Choice.Forced) {
    found = *Choice.Forced;
    TEncoding mark;
    if (found.Kind != ekCodePage) found.Bom = EncodingOfBom(File, &mark) && mark.Kind == found.Kind;
    return found;
  }
  if (EncodingOfBom(File, &found)) return found;
  std::string_view label;
  if (Choice.Declarations == dcHTML) label = HtmlCharsetLabel(File);
  if (Choice.Declarations == dcCSS) label = CssCharsetLabel(File);
  if (!label.empty() && EncodingFromLabel(label, &found)) {
    bool beyondAscii = false;
    const bool valid = found.Kind == ekCodePage && IsValidUtf8(File, &beyondAscii);
    if (!DeclarationContradicted(found, valid, beyondAscii)) return found;
    if (Contradicted) *Contradicted = label;
    return TEncoding{};
  }
  if (IsValidUtf8(File)) return TEncoding{};
  if (GuessCodePage(File, &found)) return found;
  return Choice.EightBit;
}
