#include "CharsetDeclaration.h"

#include <string>

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

std::string LowerTrimmed(std::string_view Text) {
  while (!Text.empty() && IsSpace(Text.front())) Text.remove_prefix(1);
  while (!Text.empty() && IsSpace(Text.back())) Text.remove_suffix(1);
  std::string lower;
  for (const char c : Text) lower += Lower(c);
  return lower;
}

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

// Label, a view into Text, as a declaration: without the blanks around it; none when nothing is left or
// it must be known and is not.
std::optional<TCharsetDeclaration> Declaration(std::string_view Text, std::string_view Label,
                                               bool KnownOnly) {
  while (!Label.empty() && IsSpace(Label.front())) Label.remove_prefix(1);
  while (!Label.empty() && IsSpace(Label.back())) Label.remove_suffix(1);
  TEncoding encoding;
  if (Label.empty() || (KnownOnly && !EncodingFromLabel(Label, &encoding))) return std::nullopt;
  return TCharsetDeclaration{std::size_t(Label.data() - Text.data()), Label};
}

std::optional<TCharsetDeclaration> HtmlDeclaration(std::string_view Page, bool KnownOnly) {
  Page = Page.substr(0, DeclarationReach);
  const std::size_t n = Page.size();
  std::size_t pos = 0;
  while ((pos = Page.find('<', pos)) != npos) {
    if (Page.compare(pos, 4, "<!--") == 0) {
      const std::size_t end = Page.find("-->", pos + 2);
      if (end == npos) return std::nullopt;
      pos = end + 3;
    } else if (StartsWithNoCase(Page, pos, "<meta") && pos + 5 < n &&
               (IsSpace(Page[pos + 5]) || Page[pos + 5] == '/')) {
      pos += 5;
      if (const auto found = Declaration(Page, MetaCharset(Page, pos), KnownOnly)) return found;
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
      if (pos == npos) return std::nullopt;
    } else {
      ++pos;
    }
  }
  return std::nullopt;
}

std::optional<TCharsetDeclaration> CssDeclaration(std::string_view Sheet, bool KnownOnly) {
  Sheet = Sheet.substr(0, DeclarationReach);
  if (!StartsWithNoCase(Sheet, 0, "@charset")) return std::nullopt;
  std::size_t pos = 8;
  SkipSpaces(Sheet, pos);
  if (pos >= Sheet.size() || (Sheet[pos] != '"' && Sheet[pos] != '\'')) return std::nullopt;
  const std::size_t end = Sheet.find(Sheet[pos], pos + 1);
  if (end == npos) return std::nullopt;
  const std::string_view label = Sheet.substr(pos + 1, end - pos - 1);
  pos = end + 1;
  SkipSpaces(Sheet, pos);
  if (pos >= Sheet.size() || Sheet[pos] != ';') return std::nullopt;
  return Declaration(Sheet, label, KnownOnly);
}

}  // namespace

std::optional<TCharsetDeclaration> FindCharsetDeclaration(std::string_view Text, TDeclarations Kind,
                                                          bool KnownOnly) {
  switch (Kind) {
    case dcHTML: return HtmlDeclaration(Text, KnownOnly);
    case dcCSS: return CssDeclaration(Text, KnownOnly);
    default: return std::nullopt;
  }
}

std::string_view HtmlCharsetLabel(std::string_view Page) {
  const auto found = HtmlDeclaration(Page, true);
  return found ? found->Label : std::string_view();
}

std::string_view CssCharsetLabel(std::string_view Sheet) {
  const auto found = CssDeclaration(Sheet, true);
  return found ? found->Label : std::string_view();
}

std::string DeclarationLabel(const TEncoding& Encoding) {
  switch (Encoding.Kind) {
    case ekUtf8: return "utf-8";
    case ekUtf16LE:
    case ekUtf16BE: return "utf-16";
    default: return std::string(Encoding.CodePage);
  }
}

bool DeclarationFits(std::string_view Label, const TEncoding& Encoding) {
  if (LowerTrimmed(Label) == LowerTrimmed(DeclarationLabel(Encoding))) return true;
  // A UTF-16 file is read by its byte-order mark; its declaration only has to say UTF-16. Readers take
  // a UTF-16 label for UTF-8 (they found it reading ASCII), but for a UTF-8 file it says the wrong thing.
  const bool utf16 = Encoding.Kind == ekUtf16LE || Encoding.Kind == ekUtf16BE;
  if (utf16 || IsUtf16Label(Label)) return utf16 && IsUtf16Label(Label);
  TEncoding declared;
  return EncodingFromLabel(Label, &declared) && declared.Kind == Encoding.Kind &&
         declared.CodePage == Encoding.CodePage;
}

std::optional<TDeclarationChange> DeclarationChangeFor(std::string_view Text, TDeclarations Kind,
                                                       const TEncoding& Encoding) {
  const auto found = FindCharsetDeclaration(Text, Kind, false);
  if (!found || DeclarationFits(found->Label, Encoding)) return std::nullopt;
  return TDeclarationChange{found->Start, found->End(), std::string(found->Label),
                            DeclarationLabel(Encoding)};
}
