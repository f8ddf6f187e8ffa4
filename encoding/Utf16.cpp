#include "Utf16.h"

#include "xeUtf8.h"

namespace {

char16_t UnitAt(std::string_view Units, std::size_t I, bool BigEndian) {
  const auto a = static_cast<unsigned char>(Units[I]), b = static_cast<unsigned char>(Units[I + 1]);
  return BigEndian ? char16_t(a << 8 | b) : char16_t(b << 8 | a);
}

bool IsHigh(char16_t Unit) { return Unit >= 0xD800 && Unit <= 0xDBFF; }
bool IsLow(char16_t Unit) { return Unit >= 0xDC00 && Unit <= 0xDFFF; }

// Walks the code points of Units: pairs joined, a lone surrogate given as itself.
template <typename Visit>
void ForEachCode(std::string_view Units, bool BigEndian, Visit&& Visitor) {
  const std::size_t n = Units.size() & ~std::size_t(1);
  for (std::size_t i = 0; i < n; i += 2) {
    const char16_t unit = UnitAt(Units, i, BigEndian);
    if (IsHigh(unit) && i + 3 < n) {
      const char16_t low = UnitAt(Units, i + 2, BigEndian);
      if (IsLow(low)) {
        Visitor(0x10000 + ((char32_t(unit) - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    Visitor(char32_t(unit));
  }
}

std::size_t Utf8Length(char32_t Code) { return Code < 0x80 ? 1 : Code < 0x800 ? 2 : Code < 0x10000 ? 3 : 4; }

// A lone surrogate at Utf8[I] (ED A0..BF xx): its unit, or 0.
char16_t LoneSurrogateAt(std::string_view Utf8, std::size_t I) {
  if (I + 2 >= Utf8.size()) return 0;
  const auto* p = reinterpret_cast<const unsigned char*>(Utf8.data()) + I;
  if (p[0] != 0xED || p[1] < 0xA0 || p[1] > 0xBF || (p[2] & 0xC0) != 0x80) return 0;
  return char16_t(0xD000 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F));
}

void PutUnit(std::string& Out, char16_t Unit, bool BigEndian) {
  const char high = char(Unit >> 8), low = char(Unit & 0xFF);
  Out.push_back(BigEndian ? high : low);
  Out.push_back(BigEndian ? low : high);
}

// Length of the piece of Utf8 at I and its code point; Code = 0xFFFFFFFF when it is no character.
int NextCode(std::string_view Utf8, std::size_t I, char32_t* Code) {
  const int len = Utf8Decode(Utf8, I, Code);
  if (len > 1 || static_cast<unsigned char>(Utf8[I]) < 0x80) return len;
  if (const char16_t unit = LoneSurrogateAt(Utf8, I)) {
    *Code = unit;
    return 3;
  }
  *Code = 0xFFFFFFFF;
  return 1;
}

}  // namespace

std::size_t Utf16DecodedSize(std::string_view Units, bool BigEndian) {
  if (Units.size() % 2 != 0) return std::string_view::npos;
  std::size_t size = 0;
  ForEachCode(Units, BigEndian, [&size](char32_t Code) { size += Utf8Length(Code); });
  return size;
}

std::string Utf16ToUtf8(std::string_view Units, bool BigEndian) {
  std::string out;
  out.reserve(Utf16DecodedSize(Units, BigEndian));
  ForEachCode(Units, BigEndian, [&out](char32_t Code) {
    if (Code >= 0xD800 && Code <= 0xDFFF) {
      // AppendUtf8 would make it U+FFFD; the unit itself must survive.
      out.push_back(char(0xED));
      out.push_back(char(0x80 | (Code >> 6 & 0x3F)));
      out.push_back(char(0x80 | (Code & 0x3F)));
    } else {
      AppendUtf8(out, Code);
    }
  });
  return out;
}

std::size_t Utf16FirstUnencodable(std::string_view Utf8) {
  for (std::size_t i = 0; i < Utf8.size();) {
    char32_t code;
    const int len = NextCode(Utf8, i, &code);
    if (code == 0xFFFFFFFF) return i;
    i += std::size_t(len);
  }
  return std::string_view::npos;
}

bool AppendUtf16(std::string& Out, std::string_view Utf8, bool BigEndian) {
  Out.reserve(Out.size() + Utf8.size() * 2);
  for (std::size_t i = 0; i < Utf8.size();) {
    char32_t code;
    const int len = NextCode(Utf8, i, &code);
    if (code == 0xFFFFFFFF) return false;
    if (code >= 0x10000) {
      PutUnit(Out, char16_t(0xD800 + ((code - 0x10000) >> 10)), BigEndian);
      PutUnit(Out, char16_t(0xDC00 + ((code - 0x10000) & 0x3FF)), BigEndian);
    } else {
      PutUnit(Out, char16_t(code), BigEndian);
    }
    i += std::size_t(len);
  }
  return true;
}
