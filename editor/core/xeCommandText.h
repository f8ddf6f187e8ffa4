// Line-text routines of the command processor: word positions, bracket partners, smart tab widths.
// Positions are 1-based (X byte column, Y line); the lines are read straight from the line list.
#pragma once
#include <bitset>
#include <string>

#include "xeEditList.h"
#include "xeEditTypes.h"

namespace xeCmdText {

using TWordChars = std::bitset<256>;

// Bytes of multi-byte characters always count as word characters, so a word never splits a character.
inline bool IsWordChar(const TWordChars& w, char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 0x80 || w.test(b);
}

TPoint NextWordPos(const TxeEditList& lines, TPoint from, const TWordChars& w);
TPoint PrevWordPos(const TxeEditList& lines, TPoint from, const TWordChars& w);

// The partner of the bracket at `from`; false when there is no bracket there or no partner.
bool MatchBracket(const TxeEditList& lines, TPoint from, TPoint& partner);

// Smart tab: in the first line above the caret that reaches its column, the word from that column plus the
// blanks after it; 0 when there is none.
int SmartTabWidth(const TxeEditList& lines, TPoint caret);
// Distance to the next tab stop; a tab width of 0 counts as 1.
int TabStopDistance(int column, int tabWidth);

// UTF-8 encoding of a code point; invalid ones give U+FFFD.
std::string EncodeUtf8(char32_t c);

}  // namespace xeCmdText
