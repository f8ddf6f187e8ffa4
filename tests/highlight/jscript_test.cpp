// JavaScript token streams, the keyword table and the block-comment range.
#include <gtest/gtest.h>

#include <cstring>

#include "token_dump.h"
#include "xeJScriptSyn.h"

namespace {

struct TCase {
  const char* Line;
  const char* Expected;
};

}  // namespace

TEST(JScript, TokenStreams) {
  const TCase Cases[] = {
      {"if (a == b) x++;",
       "Key'if' Space' ' Symbol'(' Identifier'a' Space' ' Unknown'=' Unknown'=' Space' ' Identifier'b' "
       "Symbol')' Space' ' Identifier'x' Symbol'++' Unknown';' -> 1"},
      {"a %= 2 * b",
       "Identifier'a' Space' ' Space'%=' Space' ' Number'2' Space' ' Space'*' Space' ' Identifier'b' -> 1"},
      {"x *= y % z",
       "Identifier'x' Space' ' Space'*=' Space' ' Identifier'y' Space' ' Space'%' Space' ' Identifier'z' -> "
       "1"},
      {"/* x */ y", "Comment'/* x */' Space' ' Identifier'y' -> 1"},
      {"a /* open", "Identifier'a' Space' ' Comment'/* open' -> 2"},
      {"/*/ b", "Comment'/*/' Space' ' Identifier'b' -> 1"},
      {"/**/", "Comment'/**/' -> 1"},
      {"x // rest */", "Identifier'x' Space' ' Comment'// rest */' -> 1"},
      {"a /= 2 / 3",
       "Identifier'a' Space' ' Symbol'/=' Space' ' Number'2' Space' ' Symbol'/' Space' ' Number'3' -> 1"},
      {"0x1F 1.5e3 1..2 12.5.3",
       "Number'0' Identifier'x1F' Space' ' Number'1.5e3' Space' ' Number'1' Symbol'.' "
       "Symbol'.' Number'2' Space' ' Number'12.5.3' -> 1"},
      {"1e-5 ...a", "Number'1e' Symbol'-' Number'5' Space' ' Symbol'...' Identifier'a' -> 1"},
      {"case switch default Document DOCUMENT ln5 LN2 e E",
       "Key'case' Space' ' Key'switch' Space' ' Key'default' "
       "Space' ' Key'Document' Space' ' Key'DOCUMENT' Space' ' Key'ln5' Space' ' Key'LN2' Space' ' Key'e' "
       "Space' ' Key'E' -> 1"},
      {"true false null typeof do try",
       "Identifier'true' Space' ' Identifier'false' Space' ' Identifier'null' Space' ' "
       "Identifier'typeof' Space' ' Identifier'do' Space' ' Identifier'try' -> 1"},
      {"'a\\' b'", "String''a\\'' Space' ' Identifier'b' String''' -> 1"},
      {"\"\" '''x' \"\"\"\" 'open",
       "String'\"\"' Space' ' String''''x'' Space' ' String'\"\"\"\"' Space' ' String''open' -> 1"},
      {"'", "String''' -> 1"},
      {"'x\r", "String''x\r' -> 1"},
      {"#12a $fF0g", "String'#12' Identifier'a' Space' ' Number'$fF0' Identifier'g' -> 1"},
      {"a&&b&=c&d||e|=f|g",
       "Identifier'a' Symbol'&&' Identifier'b' Symbol'&=' Identifier'c' Symbol'&' Identifier'd' "
       "Symbol'||' Key'e' Symbol'|=' Identifier'f' Symbol'|' Identifier'g' -> 1"},
      {"i+++j---k->l+=-=",
       "Identifier'i' Symbol'++' Symbol'+' Identifier'j' Symbol'--' Symbol'-' Identifier'k' "
       "Symbol'->' Identifier'l' Symbol'+=' Symbol'-=' -> 1"},
      {"f(a,{b:[c]})~!@`\\^?<>",
       "Identifier'f' Symbol'(' Identifier'a' Symbol',' Symbol'{' Identifier'b' Unknown':' "
       "Unknown'[' Identifier'c' Unknown']' Symbol'}' Symbol')' Symbol'~' Unknown'!' Unknown'@' Unknown'`' "
       "Unknown'\\' Unknown'^' Unknown'?' Unknown'<' Unknown'>' -> 1"},
      {"\tx \t y", "Space'\t' Identifier'x' Space' \t ' Identifier'y' -> 1"},
      {"a\r\nb\n", "Identifier'a' Space'\r\n' Identifier'b' Space'\n' -> 1"},
      {"_private MAX_VALUE SQRT1_2 sqrt1_5",
       "Identifier'_private' Space' ' Key'MAX_VALUE' Space' ' Key'SQRT1_2' "
       "Space' ' Key'sqrt1_5' -> 1"},
      {"caf\xc3\xa9", "Identifier'caf' Unknown'\xc3' Unknown'\xa9' -> 1"},
  };
  TxeJScriptSyn H;
  for (const auto& C : Cases) EXPECT_EQ(Compact(H, C.Line, TxeJScriptSyn::rsNormal), C.Expected) << C.Line;
}

TEST(JScript, RangeIsRecordedButNotFollowed) {
  TxeJScriptSyn H;
  std::uint32_t Range = TxeJScriptSyn::rsNormal;
  ScanLine(H, "var a; /* starts", Range);
  EXPECT_EQ(Range, TxeJScriptSyn::rsBlockComment);
  // The next line is code again, whatever the range says.
  auto Tokens = ScanLine(H, "while still */ x", Range);
  EXPECT_EQ(Tokens[0].Kind, TxeJScriptSyn::tkKey);
  EXPECT_EQ(Tokens[2].Kind, TxeJScriptSyn::tkIdentifier);
  EXPECT_EQ(Range, TxeJScriptSyn::rsBlockComment);
  ScanLine(H, "/* a */", Range);
  EXPECT_EQ(Range, TxeJScriptSyn::rsNormal);
  ScanLine(H, "plain", Range);
  EXPECT_EQ(Range, TxeJScriptSyn::rsNormal);
}

TEST(JScript, KeywordTable) {
  const auto& K = TxeJScriptSyn::Keywords();
  ASSERT_EQ(K.Size(), 253u);
  std::size_t Total = 0, Largest = 0;
  for (std::size_t H = 0; H < K.Size(); ++H)
    if (!K.WordsAt(H).empty()) Total += K.WordsAt(H).size(), Largest = H;
  EXPECT_EQ(Total, 243u);
  EXPECT_EQ(Largest, 252u);
  EXPECT_EQ(K.WordsAt(252), std::vector<std::string>{"POSITIVE_INFINITY"});
  // Every word, in its own case and upper case, is Key.
  TxeJScriptSyn H;
  for (std::size_t Hash = 0; Hash < K.Size(); ++Hash)
    for (const auto& W : K.WordsAt(Hash)) {
      std::string Upper(W);
      for (char& C : Upper) C = static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
      for (const auto& Word : {W, Upper}) {
        auto Tokens = ScanLine(H, Word);
        ASSERT_EQ(Tokens.size(), 1u) << Word;
        EXPECT_EQ(Tokens[0].Kind, TxeJScriptSyn::tkKey) << Word;
      }
    }
}

TEST(JScript, MatchKeywordComparesThroughHashValues) {
  const auto& K = TxeJScriptSyn::Keywords();
  auto Match = [&](const char* Word, const char* Ident) {
    return K.MatchKeyword(Word, reinterpret_cast<const unsigned char*>(Ident),
                          static_cast<int>(std::strlen(Ident)));
  };
  EXPECT_TRUE(Match("LN2", "ln5"));
  EXPECT_TRUE(Match("atan2", "ATAN9"));
  EXPECT_TRUE(Match("SQRT1_2", "sqrt0_0"));
  EXPECT_FALSE(Match("LN2", "ln"));
  EXPECT_FALSE(Match("LN2", "lnx"));
  EXPECT_FALSE(Match("log", "lgo"));
  EXPECT_FALSE(Match("E", "_"));
}

TEST(JScript, CurrentAttributeByKind) {
  TxeJScriptSyn H;
  struct {
    const char* Line;
    TxeHighLightAttributes* Attr;
  } Cases[] = {{"x", H.IdentifierAttri()}, {"if", H.KeyAttri()},     {"1", H.NumberAttri()},
               {" ", H.SpaceAttri()},      {"'s'", H.StringAttri()}, {";", H.StringAttri()},
               {"(", H.SymbolAttri()},     {"//", H.CommentAttri()}};
  for (const auto& C : Cases) {
    H.BeginLine(C.Line, 0);
    EXPECT_EQ(H.CurrentAttribute(), C.Attr) << C.Line;
  }
}
