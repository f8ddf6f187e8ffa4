#include "CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "xeUtf8.h"

namespace {

// Every byte value, for encodings of one byte.
constexpr auto ByteValues = [] {
  std::array<char, 256> bytes{};
  for (int i = 0; i < 256; ++i) bytes[std::size_t(i)] = char(i);
  return bytes;
}();

std::string_view SingleByte(int Byte) { return {&ByteValues[std::size_t(Byte)], 1}; }

// The code page's bytes for one character, by iconv; empty when it has none.
std::string IconvEncode(iconv_t Cd, char32_t Code) {
  ::iconv(Cd, nullptr, nullptr, nullptr, nullptr);
  char in[4] = {char(Code & 0xFF), char(Code >> 8 & 0xFF), char(Code >> 16 & 0xFF), char(Code >> 24)};
  char out[8];
  char* inAt = in;
  char* outAt = out;
  std::size_t inLeft = sizeof in, outLeft = sizeof out;
  if (::iconv(Cd, &inAt, &inLeft, &outAt, &outLeft) == std::size_t(-1) ||
      ::iconv(Cd, nullptr, nullptr, &outAt, &outLeft) == std::size_t(-1))
    return {};
  return std::string(out, sizeof out - outLeft);
}

bool IsLead(unsigned char Byte) { return Byte >= 0xC2 && Byte <= 0xF4; }
bool IsContinuation(unsigned char Byte) { return (Byte & 0xC0) == 0x80; }

}  // namespace

const TCodePageTable* TCodePageTable::Of(const char* IconvName) {
  static std::mutex lock;
  static std::map<std::string, std::unique_ptr<TCodePageTable>> tables;
  const std::lock_guard<std::mutex> guard(lock);
  auto [at, fresh] = tables.try_emplace(IconvName);
  if (fresh) {
    std::unique_ptr<TCodePageTable> table(new TCodePageTable);
    if (table->Build(IconvName)) at->second = std::move(table);
  }
  return at->second.get();
}

bool TCodePageTable::Build(const char* IconvName) {
  const iconv_t cd = ::iconv_open("UTF-32LE", IconvName);
  if (cd == iconv_t(-1)) return false;
  bool ascii = true, holdsBack = false;
  for (int byte = 0; byte < 256; ++byte) {
    ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char in = char(byte);
    unsigned char out[16];
    char* inAt = &in;
    char* outAt = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1, outLeft = sizeof out;
    bool ok = ::iconv(cd, &inAt, &inLeft, &outAt, &outLeft) != std::size_t(-1);
    // Some code pages hold a letter back for a combining mark that may follow; flushing gives it.
    holdsBack = holdsBack || (ok && outLeft == sizeof out);
    ok = ok && ::iconv(cd, nullptr, nullptr, &outAt, &outLeft) != std::size_t(-1);
    const std::size_t produced = sizeof out - outLeft;
    const char32_t code =
        char32_t(out[0]) | char32_t(out[1]) << 8 | char32_t(out[2]) << 16 | char32_t(out[3]) << 24;
    // One character per byte, once in the code page; anything else stays a byte without one.
    ok = ok && inLeft == 0 && produced == 4 && code < 0x10000 && (code < 0xD800 || code > 0xDFFF) &&
         ByteOf(code) < 0;
    if (byte < 0x80 && (!ok || code != char32_t(byte))) ascii = false;
    if (!ok) continue;
    SetByteOf(code, byte);
    std::string utf8;
    AppendUtf8(utf8, code);
    FDecode[byte].Len = static_cast<unsigned char>(utf8.size());
    FSize[byte] = static_cast<unsigned char>(utf8.size());
    FMissing[byte] = 0;
    std::memcpy(FDecode[byte].Utf8, utf8.data(), utf8.size());
  }
  ::iconv_close(cd);
  if (holdsBack) FindComposed(IconvName);
  return ascii;
}

void TCodePageTable::SetByteOf(char32_t Code, int Byte) {
  std::uint8_t& page = FPageOf[Code >> 8];
  if (!page) {
    FPages.emplace_back();
    FPages.back().fill(-1);
    page = static_cast<std::uint8_t>(FPages.size());
  }
  FPages[page - 1][Code & 0xFF] = static_cast<std::int16_t>(Byte);
}

void TCodePageTable::FindComposed(const char* IconvName) {
  const iconv_t cd = ::iconv_open(IconvName, "UTF-32LE");
  if (cd == iconv_t(-1)) return;
  // Latin with accents (Vietnamese) and the Hebrew presentation forms.
  const std::pair<char32_t, char32_t> ranges[] = {{0x80, 0x250}, {0x1E00, 0x1F00}, {0xFB1D, 0xFB50}};
  for (const auto& [first, last] : ranges)
    for (char32_t code = first; code < last; ++code) {
      if (ByteOf(code) >= 0) continue;
      const std::string bytes = IconvEncode(cd, code);
      bool defined = bytes.size() > 1;
      for (const char byte : bytes) defined = defined && Defined(static_cast<unsigned char>(byte));
      if (defined) FComposed.emplace(code, bytes);
    }
  ::iconv_close(cd);
}

std::size_t TCodePageTable::PieceSize(unsigned char Byte, int Next) const {
  if (Defined(Byte)) return FDecode[Byte].Len;
  const bool joins = IsLead(Byte) && Next >= 0 && IsContinuation(static_cast<unsigned char>(Next)) &&
                     !Defined(static_cast<unsigned char>(Next));
  return Byte >= 0x80 && !joins ? 1 : 3;
}

std::size_t TCodePageTable::DecodedSize(std::string_view File) const {
  const auto* p = reinterpret_cast<const unsigned char*>(File.data());
  const std::size_t n = File.size();
  // Every byte counted as if it had a character (one byte for one without); those without one are
  // looked at again only when there are any.
  std::size_t size = 0;
  unsigned char missing = 0;
  for (std::size_t i = 0; i < n; ++i) {
    // Eight ASCII bytes at a time, eight bytes of text.
    if (i + 8 <= n) {
      std::uint64_t word;
      std::memcpy(&word, p + i, 8);
      if (!(word & 0x8080808080808080ull)) {
        size += 8;
        i += 7;
        continue;
      }
    }
    size += FSize[p[i]];
    missing |= FMissing[p[i]];
  }
  if (missing)
    for (std::size_t i = 0; i < n; ++i)
      if (!Defined(p[i])) size += PieceSize(p[i], i + 1 < n ? p[i + 1] : -1) - 1;
  return size;
}

std::string TCodePageTable::Decode(std::string_view File, std::size_t Size, std::size_t Spare) const {
  const std::size_t size = Size != std::string_view::npos ? Size : DecodedSize(File);
  // Three bytes to spare, for a character's four-byte store at the end.
  std::string text;
  text.reserve(size + std::max<std::size_t>(Spare, 3));
  text.resize(size + 3);
  char* to = text.data();
  const auto* p = reinterpret_cast<const unsigned char*>(File.data());
  const std::size_t n = File.size();
  for (std::size_t i = 0; i < n; ++i) {
    // Markup is mostly ASCII: eight bytes at a time where it is.
    if (i + 8 <= n) {
      std::uint64_t word;
      std::memcpy(&word, p + i, 8);
      if (!(word & 0x8080808080808080ull)) {
        std::memcpy(to, &word, 8);
        to += 8;
        i += 7;
        continue;
      }
    }
    const TEntry& entry = FDecode[p[i]];
    if (entry.Len != 0) {
      std::memcpy(to, entry.Utf8, 4);
      to += entry.Len;
    } else if (PieceSize(p[i], i + 1 < n ? p[i + 1] : -1) == 1) {
      *to++ = char(p[i]);
    } else {
      // The UTF-8 form of U+DC00 + byte.
      to[0] = char(0xED);
      to[1] = char(0xB0 | p[i] >> 6);
      to[2] = char(0x80 | (p[i] & 0x3F));
      to += 3;
    }
  }
  text.resize(size);
  return text;
}

int TCodePageTable::EscapedByte(std::string_view Utf8, std::size_t I) const {
  if (I + 2 >= Utf8.size()) return -1;
  const auto* p = reinterpret_cast<const unsigned char*>(Utf8.data()) + I;
  if (p[0] != 0xED || (p[1] & 0xFC) != 0xB0 || !IsContinuation(p[2])) return -1;
  const int byte = (p[1] & 0x03) << 6 | (p[2] & 0x3F);
  return Defined(static_cast<unsigned char>(byte)) ? -1 : byte;
}

int TCodePageTable::Encode(std::string_view Utf8, std::size_t I, std::string_view* Bytes) const {
  const auto c = static_cast<unsigned char>(Utf8[I]);
  if (c < 0x80) {
    *Bytes = SingleByte(c);
    return 1;
  }
  char32_t code = 0;
  const int len = Utf8Decode(Utf8, I, &code);
  if (len > 1) {
    const int byte = ByteOf(code);
    if (byte >= 0) {
      *Bytes = SingleByte(byte);
    } else {
      const auto composed = FComposed.find(code);
      *Bytes = composed != FComposed.end() ? std::string_view(composed->second) : std::string_view();
    }
    return len;
  }
  if (const int escaped = EscapedByte(Utf8, I); escaped >= 0) {
    *Bytes = SingleByte(escaped);
    return 3;
  }
  // A byte that is no character was a byte of the file: it goes back as it is.
  *Bytes = SingleByte(c);
  return 1;
}

std::size_t TCodePageTable::FirstUnencodable(std::string_view Utf8) const {
  for (std::size_t i = 0; i < Utf8.size();) {
    std::string_view bytes;
    const int len = Encode(Utf8, i, &bytes);
    if (bytes.empty()) return i;
    i += std::size_t(len);
  }
  return std::string_view::npos;
}

bool TCodePageTable::Append(std::string& Out, std::string_view Utf8) const {
  Out.reserve(Out.size() + Utf8.size());
  for (std::size_t i = 0; i < Utf8.size();) {
    std::string_view bytes;
    const int len = Encode(Utf8, i, &bytes);
    if (bytes.empty()) return false;
    Out.append(bytes);
    i += std::size_t(len);
  }
  return true;
}
