// How the encoding of a file being read is decided, in the order browsers follow: a byte-order mark; for
// an HTML page a <meta> charset in its first 4 KB, for a style sheet an @charset at its very start, unless
// it declares an 8-bit code page and the file is valid UTF-8 with characters beyond ASCII (a page saved as
// UTF-8 under an old declaration); valid UTF-8; else uchardet's guess among the 8-bit code pages, and
// failing that the code page chosen in Setup.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "CharsetDeclaration.h"
#include "TextEncoding.h"

struct TEncodingChoice {
  // The user's choice ("Reopen with encoding"): of the file only its byte-order mark is looked at.
  std::optional<TEncoding> Forced;
  TDeclarations Declarations = dcNone;
  TEncoding EightBit{ekCodePage, false, DefaultEightBit};
};

// Contradicted receives the declared label when the file's UTF-8 overrules its declaration.
TEncoding DecideEncoding(std::string_view File, const TEncodingChoice& Choice,
                         std::string* Contradicted = nullptr);

// The steps.
bool EncodingOfBom(std::string_view File, TEncoding* Encoding);
// BeyondAscii: whether valid text holds a character of two bytes or more.
bool IsValidUtf8(std::string_view Text, bool* BeyondAscii = nullptr);
// Whether a file declared to be in Declared is UTF-8 instead, given what its bytes are.
bool DeclarationContradicted(const TEncoding& Declared, bool ValidUtf8, bool BeyondAscii);
// uchardet's guess, when it is one of the 8-bit code pages.
bool GuessCodePage(std::string_view File, TEncoding* Encoding);
