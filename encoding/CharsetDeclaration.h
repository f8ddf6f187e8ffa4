// Where a page or a style sheet declares its encoding: a <meta charset="..."> or <meta http-equiv=
// "Content-Type" content="...; charset=..."> in the first 4 KB of a page, or an @charset "..."; rule at the
// very start of a style sheet. Reading takes the first declaration of an encoding it knows; saving in an
// encoding changes the first declaration that names any, so that the file says what it holds. No Qt here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "TextEncoding.h"

enum TDeclarations : unsigned char { dcNone, dcHTML, dcCSS };

// How far into a page a declaration is looked for.
inline constexpr std::size_t DeclarationReach = 4096;

// A declaration's label (blanks around it left out) and where it stands in the text.
struct TCharsetDeclaration {
  std::size_t Start = 0;
  std::string_view Label;
  std::size_t End() const { return Start + Label.size(); }
};

// The first declaration of Kind in Text with a label; KnownOnly: with a label of an encoding
// EncodingFromLabel knows, as reading wants it.
std::optional<TCharsetDeclaration> FindCharsetDeclaration(std::string_view Text, TDeclarations Kind,
                                                          bool KnownOnly);

// The label of the first <meta> in the first 4 KB of a page that names a known encoding; empty when there
// is none.
std::string_view HtmlCharsetLabel(std::string_view Page);
// The label of an @charset "..."; rule at the start of a style sheet; empty when there is none.
std::string_view CssCharsetLabel(std::string_view Sheet);

// What a declaration of Encoding says: "utf-8" (with or without a byte-order mark), "utf-16",
// "windows-1251".
std::string DeclarationLabel(const TEncoding& Encoding);
// Whether Label declares Encoding: readers take it for that encoding, or it is its name.
bool DeclarationFits(std::string_view Label, const TEncoding& Encoding);

// What makes Text declare Encoding: the label of its first declaration, from Start to End, becomes New.
struct TDeclarationChange {
  std::size_t Start = 0, End = 0;
  std::string Old, New;
};
// None when Text has no declaration of Kind or its first one fits Encoding.
std::optional<TDeclarationChange> DeclarationChangeFor(std::string_view Text, TDeclarations Kind,
                                                       const TEncoding& Encoding);
