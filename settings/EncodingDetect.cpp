#include "EncodingDetect.h"

#include <uchardet.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t DeclarationReach = 4096;
constexpr std::size_t npos = std::string_view::npos;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view Text, std::size_t At, std::string_view Prefix) {
  if (At + Prefix.size() > Text.size()) return false;
  for (std::size_t i = 0; i < Prefix.size(); ++i)
    if (Lower(Text[At + i]) != Prefix[i]) return false;
  return true;
}

std::size_t FindNoCase(std::string_view Text, std::string_view Word, std::size_t From) {
  for (std::size_t i = From; i + Word.size() <= Text.size(); ++i)
    if (StartsWithNoCase(Text, i, Word)) return i;
  return npos;
}

void SkipSpaces(std::string_view Text, std::size_t& Pos) {
  while (Pos < Text.size() && IsSpace(Text[Pos])) ++Pos;
}

// The next attribute of a tag at Pos, its name in lower case; false at the tag's end (Pos then at its
// ">", or at the end of Text).
bool NextAttribute(std::string_view Text, std::size_t& Pos, std::string& Name, std::string_view& Value) {
  const std::size_t n = Text.size();
  while (Pos < n && (IsSpace(Text[Pos]) || Text[Pos] == '/')) ++Pos;
  if (Pos >= n || Text[Pos] == '>') return false;
  Name.clear();
  Value = {};
  while (Pos < n && !IsSpace(Text[Pos]) && Text[Pos] != '/' && Text[Pos] != '>' &&
         (Text[Pos] != '=' || Name.empty()))
    Name += Lower(Text[Pos++]);
  SkipSpaces(Text, Pos);
  if (Pos >= n || Text[Pos] != '=') return true;
  ++Pos;
  SkipSpaces(Text, Pos);
  if (Pos >= n) return true;
  if (Text[Pos] == '"' || Text[Pos] == '\'') {
    const std::size_t end = Text.find(Text[Pos], Pos + 1);
    if (end == npos) {
      Pos = n;
      return false;
    }
    Value = Text.substr(Pos + 1, end - Pos - 1);
    Pos = end + 1;
  } else {
    const std::size_t start = Pos;
    while (Pos < n && !IsSpace(Text[Pos]) && Text[Pos] != '>') ++Pos;
    Value = Text.substr(start, Pos - start);
  }
  return true;
}

// The charset named in a Content-Type value: "text/html; charset=windows-1251".
std::string_view CharsetOfContent(std::string_view Content) {
  std::size_t pos = 0;
  while (true) {
    const std::size_t at = FindNoCase(Content, "charset", pos);
    if (at == npos) return {};
    pos = at + 7;
    SkipSpaces(Content, pos);
    if (pos < Content.size() && Content[pos] == '=') break;
  }
  ++pos;
  SkipSpaces(Content, pos);
  if (pos >= Content.size()) return {};
  if (Content[pos] == '"' || Content[pos] == '\'') {
    const std::size_t end = Content.find(Content[pos], pos + 1);
    return end == npos ? std::string_view() : Content.substr(pos + 1, end - pos - 1);
  }
  std::size_t end = pos;
  while (end < Content.size() && !IsSpace(Content[end]) && Content[end] != ';') ++end;
  return Content.substr(pos, end - pos);
}

bool Known(std::string_view Label) {
  TEncoding encoding;
  return EncodingFromLabel(Label, &encoding);
}

// The label a <meta> tag gives, Pos just past "<meta"; Pos ends at the tag's end.
std::string_view MetaCharset(std::string_view Page, std::size_t& Pos) {
  std::string name;
  std::string_view value, charset, content;
  bool hasCharset = false, hasContent = false, hasEquiv = false, pragma = false;
  // The first of each attribute counts.
  while (NextAttribute(Page, Pos, name, value)) {
    if (name == "charset" && !hasCharset) {
      hasCharset = true;
      charset = value;
    } else if (name == "content" && !hasContent) {
      hasContent = true;
      content = value;
    } else if (name == "http-equiv" && !hasEquiv) {
      hasEquiv = true;
      pragma = value.size() == 12 && StartsWithNoCase(value, 0, "content-type");
    }
  }
  if (hasCharset) return charset;
  return pragma && hasContent ? CharsetOfContent(content) : std::string_view();
}

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

std::string_view HtmlCharsetLabel(std::string_view Page) {
  Page = Page.substr(0, DeclarationReach);
  const std::size_t n = Page.size();
  std::size_t pos = 0;
  while ((pos = Page.find('<', pos)) != npos) {
    if (Page.compare(pos, 4, "<!--") == 0) {
      const std::size_t end = Page.find("-->", pos + 2);
      if (end == npos) return {};
      pos = end + 3;
    } else if (StartsWithNoCase(Page, pos, "<meta") && pos + 5 < n &&
               (IsSpace(Page[pos + 5]) || Page[pos + 5] == '/')) {
      pos += 5;
      const std::string_view label = MetaCharset(Page, pos);
      if (Known(label)) return label;
    } else if (pos + 2 < n && (IsAlpha(Page[pos + 1]) || (Page[pos + 1] == '/' && IsAlpha(Page[pos + 2])))) {
      // Any other tag: its attributes are stepped over, so that a ">" in a quoted value ends nothing.
      ++pos;
      while (pos < n && !IsSpace(Page[pos]) && Page[pos] != '>') ++pos;
      std::string name;
      std::string_view value;
      while (NextAttribute(Page, pos, name, value)) {
      }
    } else if (Page.compare(pos, 2, "<!") == 0 || Page.compare(pos, 2, "</") == 0 ||
               Page.compare(pos, 2, "<?") == 0) {
      pos = Page.find('>', pos);
      if (pos == npos) return {};
    } else {
      ++pos;
    }
  }
  return {};
}

std::string_view CssCharsetLabel(std::string_view Sheet) {
  Sheet = Sheet.substr(0, DeclarationReach);
  if (!StartsWithNoCase(Sheet, 0, "@charset")) return {};
  std::size_t pos = 8;
  SkipSpaces(Sheet, pos);
  if (pos >= Sheet.size() || (Sheet[pos] != '"' && Sheet[pos] != '\'')) return {};
  const std::size_t end = Sheet.find(Sheet[pos], pos + 1);
  if (end == npos) return {};
  const std::string_view label = Sheet.substr(pos + 1, end - pos - 1);
  pos = end + 1;
  SkipSpaces(Sheet, pos);
  return pos < Sheet.size() && Sheet[pos] == ';' && Known(label) ? label : std::string_view();
}

bool IsValidUtf8(std::string_view Text) {
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
      i += 2;
    } else if (c < 0xF0) {
      // No overlong forms, no surrogates.
      if (i + 2 >= n || !cont(i + 1) || !cont(i + 2) || (c == 0xE0 && p[i + 1] < 0xA0) ||
          (c == 0xED && p[i + 1] > 0x9F))
        return false;
      i += 3;
    } else {
      // Nothing beyond U+10FFFF.
      if (c > 0xF4 || i + 3 >= n || !cont(i + 1) || !cont(i + 2) || !cont(i + 3) ||
          (c == 0xF0 && p[i + 1] < 0x90) || (c == 0xF4 && p[i + 1] > 0x8F))
        return false;
      i += 4;
    }
  }
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

TEncoding DecideEncoding(std::string_view File, const TEncodingChoice& Choice) {
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
  if (!label.empty() && EncodingFromLabel(label, &found)) return found;
  if (IsValidUtf8(File)) return TEncoding{};
  if (GuessCodePage(File, &found)) return found;
  return Choice.EightBit;
}
