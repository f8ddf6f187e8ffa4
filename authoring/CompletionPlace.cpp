#include "CompletionPlace.h"

#include <array>

#include "DocumentTypes.h"

namespace {

TCompletionPlace At(TCompletionPlaceKind Kind, std::string_view Fragment, std::string Property = {},
                    std::size_t Start = 0) {
  TCompletionPlace place;
  place.Kind = Kind;
  place.Fragment = Fragment;
  place.Property = std::move(Property);
  place.Start = Start;
  return place;
}

bool IsLetter(char C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z'); }
bool IsDigit(char C) { return C >= '0' && C <= '9'; }
bool IsBlank(char C) { return C == ' ' || C == '\t' || C == '\n' || C == '\r' || C == '\f'; }
char Lower(char C) { return C >= 'A' && C <= 'Z' ? char(C - 'A' + 'a') : C; }
bool IsTagNameChar(char C) {
  return IsLetter(C) || IsDigit(C) || C == '-' || C == '_' || C == ':' || C == '.';
}

std::string Lowered(std::string_view Text) {
  std::string out;
  for (char C : Text) out += Lower(C);
  return out;
}

// Where the name that starts at Pos ends.
std::size_t TagNameEnd(std::string_view Text, std::size_t Pos) {
  while (Pos < Text.size() && IsTagNameChar(Text[Pos])) ++Pos;
  return Pos;
}

// The run of characters at the end of Text that Accept takes.
template <class F>
std::string_view TrailingRun(std::string_view Text, F Accept) {
  std::size_t i = Text.size();
  while (i > 0 && Accept(Text[i - 1])) --i;
  return Text.substr(i);
}

bool StartsWithNoCase(std::string_view Text, std::size_t Pos, std::string_view Word) {
  if (Text.size() - Pos < Word.size()) return false;
  for (std::size_t i = 0; i < Word.size(); ++i)
    if (Lower(Text[Pos + i]) != Word[i]) return false;
  return true;
}

// True when Word (lower case) is the element name at Pos, not the start of a longer name.
bool NameAt(std::string_view Text, std::size_t Pos, std::string_view Word) {
  if (!StartsWithNoCase(Text, Pos, Word)) return false;
  const std::size_t end = Pos + Word.size();
  return end == Text.size() || IsBlank(Text[end]) || Text[end] == '>' || Text[end] == '/';
}

// A comment opened before the end of Text and not closed yet.
bool InsideComment(std::string_view Text, std::string_view Open, std::string_view Close) {
  const std::size_t open = Text.rfind(Open);
  if (open == std::string_view::npos) return false;
  const std::size_t close = Text.rfind(Close);
  return close == std::string_view::npos || close < open + Open.size();
}

TCompletionPlace Script(std::string_view Before, std::size_t Start) {
  const std::string_view text = Before.substr(Start);
  if (InsideComment(text, "/*", "*/")) return {};
  const std::string_view word =
      TrailingRun(text, [](char C) { return IsLetter(C) || IsDigit(C) || C == '_' || C == '$'; });
  if (!word.empty() && IsDigit(word[0])) return {};
  return At(cpScript, word, {}, Start);
}

// Style rules from Start on: selectors, property names, values.
TCompletionPlace Style(std::string_view Before, std::size_t Start) {
  const std::string_view text = Before.substr(Start);
  if (InsideComment(text, "/*", "*/")) return {};
  const std::string_view word =
      TrailingRun(text, [](char C) { return IsLetter(C) || IsDigit(C) || C == '-'; });
  const std::string_view head = text.substr(0, text.size() - word.size());
  const std::size_t open = head.rfind('{');
  const std::size_t close = head.rfind('}');
  const bool inRule = open != std::string_view::npos && (close == std::string_view::npos || close < open);
  const std::size_t mark = head.find_last_of("{};:");
  if (!inRule) {
    if (mark != std::string_view::npos && head[mark] == ':' && mark + 1 == head.size()) return {};
    return At(cpTagName, word, {}, Start);
  }
  if (head[mark] != ':') return At(cpCssProperty, word, {}, Start);
  std::string_view name = head.substr(0, mark);
  while (!name.empty() && IsBlank(name.back())) name.remove_suffix(1);
  name = TrailingRun(name, [](char C) { return IsLetter(C) || IsDigit(C) || C == '-'; });
  std::string property;
  for (char C : name) property += Lower(C);
  return At(cpCssValue, word, property, Start);
}

// The last "<script", "</script", "<style" or "</style" in Text: its position and which it is.
struct TElementMark {
  std::size_t Pos = std::string_view::npos;
  bool Script = false;
  bool Closing = false;
};

TElementMark LastElementMark(std::string_view Text) {
  std::size_t lt = Text.rfind('<');
  while (lt != std::string_view::npos) {
    const bool closing = lt + 1 < Text.size() && Text[lt + 1] == '/';
    const std::size_t name = lt + 1 + (closing ? 1 : 0);
    if (NameAt(Text, name, "script")) return {lt, true, closing};
    if (NameAt(Text, name, "style")) return {lt, false, closing};
    if (lt == 0) break;
    lt = Text.rfind('<', lt - 1);
  }
  return {};
}

TCompletionPlace Html(std::string_view Before) {
  if (InsideComment(Before, "<!--", "-->")) return {};
  const TElementMark element = LastElementMark(Before);
  if (element.Pos != std::string_view::npos && !element.Closing) {
    const std::size_t tagEnd = Before.find('>', element.Pos);
    if (tagEnd != std::string_view::npos)
      return element.Script ? Script(Before, tagEnd + 1) : Style(Before, tagEnd + 1);
  }
  const std::string_view word = TrailingRun(Before, [](char C) {
    return IsLetter(C) || IsDigit(C) || C == '-' || C == '_' || C == ':' || C == '#';
  });
  const std::size_t p = Before.size() - word.size();
  const char prev = p > 0 ? Before[p - 1] : '\0';
  const char prev2 = p > 1 ? Before[p - 2] : '\0';
  if (prev == '&') return At(cpEntity, word);
  if (prev == '<') return At(cpTagName, word);
  if (prev == '!' && prev2 == '<') return At(cpTagName, "!" + std::string(word));
  if (prev == '/' && prev2 == '<') return At(cpClosingTag, word);
  // Inside a start tag: after its "<" and name no ">" outside quotes.
  const std::size_t lt = Before.rfind('<', p);
  if (lt == std::string_view::npos) return {};
  const std::size_t nameEnd = TagNameEnd(Before, lt + 1);
  if (nameEnd == lt + 1 || nameEnd > p || !IsLetter(Before[lt + 1])) return {};
  const std::string_view tagName = Before.substr(lt + 1, nameEnd - lt - 1);
  char quote = 0;
  std::size_t valueStart = 0;  // of the quoted value the caret is in
  for (std::size_t i = lt; i < p; ++i) {
    const char C = Before[i];
    if (quote) {
      if (C == quote) quote = 0;
    } else if (C == '"' || C == '\'') {
      quote = C;
      valueStart = i;
    } else if (C == '>') {
      return {};
    }
  }
  // In a value: quoted, or unquoted right after "=".
  std::size_t equals = std::string_view::npos;
  if (quote) {
    equals = valueStart;
    while (equals > lt && IsBlank(Before[equals - 1])) --equals;
    equals = equals > lt && Before[equals - 1] == '=' ? equals - 1 : std::string_view::npos;
    if (equals == std::string_view::npos) return {};
  } else if (prev == '=') {
    equals = p - 1;
  }
  TCompletionPlace place;
  if (equals != std::string_view::npos) {
    std::string_view name = Before.substr(lt, equals - lt);
    while (!name.empty() && IsBlank(name.back())) name.remove_suffix(1);
    name = TrailingRun(name, IsTagNameChar);
    place = At(cpAttributeValue, word);
    place.Attribute = Lowered(name);
  } else if (IsBlank(prev)) {
    place = At(cpAttribute, word);
  } else {
    return {};
  }
  place.Element = Lowered(tagName);
  return place;
}

}  // namespace

TCompletionPlace FindCompletionPlace(int DocType, std::string_view Before) {
  switch (DocType) {
    case dtHTML: return Html(Before);
    case dtJavaScript: return Script(Before, 0);
    case dtCSS: return Style(Before, 0);
    default: return {};
  }
}

std::size_t ScriptElementEnd(std::string_view After) {
  for (std::size_t lt = After.find("</"); lt != std::string_view::npos; lt = After.find("</", lt + 2))
    if (NameAt(After, lt + 2, "script")) return lt;
  return After.size();
}
