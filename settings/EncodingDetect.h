// How the encoding of a file being read is decided, in the order browsers follow: a byte-order mark; for
// an HTML page a <meta> charset in its first 4 KB, for a style sheet an @charset at its very start; valid
// UTF-8; else uchardet's guess among the 8-bit code pages, and failing that the code page chosen in Setup.
#pragma once

#include <optional>
#include <string_view>

#include "TextEncoding.h"

enum TDeclarations : unsigned char { dcNone, dcHTML, dcCSS };

struct TEncodingChoice {
  // The user's choice ("Reopen with encoding"): of the file only its byte-order mark is looked at.
  std::optional<TEncoding> Forced;
  TDeclarations Declarations = dcNone;
  TEncoding EightBit{ekCodePage, false, DefaultEightBit};
};

TEncoding DecideEncoding(std::string_view File, const TEncodingChoice& Choice);

// The steps.
bool EncodingOfBom(std::string_view File, TEncoding* Encoding);
// The label of the first <meta charset="..."> or <meta http-equiv="Content-Type" content="...;
// charset=..."> in the first 4 KB of a page that names a known encoding; empty when there is none.
std::string_view HtmlCharsetLabel(std::string_view Page);
// The label of an @charset "..."; rule at the start of a style sheet; empty when there is none.
std::string_view CssCharsetLabel(std::string_view Sheet);
bool IsValidUtf8(std::string_view Text);
// uchardet's guess, when it is one of the 8-bit code pages.
bool GuessCodePage(std::string_view File, TEncoding* Encoding);
