// CSS token streams, the keyword table and the block-comment range.
#include <gtest/gtest.h>

#include "token_dump.h"
#include "xeCSSSyn.h"

namespace {

struct TCase {
  const char* Line;
  const char* Expected;
};

}  // namespace

TEST(Css, TokenStreams) {
  const TCase Cases[] = {
      {"h1 { font-family: Arial; }",
       "Identifier'h1' Space' ' String'{' Space' ' Key'font' Unknown'-' Key'family' Unknown':' Space' ' "
       "Identifier'Arial' Unknown';' Space' ' String'}' -> 0"},
      {"color: #FF0000", "Key'color' Unknown':' Space' ' Number'#FF0000' -> 0"},
      {"BACKGROUND Background $abcg",
       "Key'BACKGROUND' Space' ' Key'Background' Space' ' Number'$abc' Identifier'g' -> 0"},
      {"1.5em 12px 1..2",
       "Number'1.5e' Identifier'm' Space' ' Number'12' Identifier'px' Space' ' Number'1' "
       "Unknown'.' Unknown'.' Number'2' -> 0"},
      {"{10 }2x", "String'{10' Space' ' String'}2' Identifier'x' -> 0"},
      {"/*", "Comment'/*' -> 1"},
      {"a /* b", "Identifier'a' Space' ' Comment'/* b' -> 1"},
      {"/**/ x", "Comment'/**/' Space' ' Identifier'x' -> 0"},
      {"/*/ x", "Comment'/*/ x' -> 1"},
      {"/* a */b", "Comment'/* a */' Identifier'b' -> 0"},
      {"a/b", "Identifier'a' Symbol'/' Identifier'b' -> 0"},
      {"url('x.png') url(\"y\")",
       "Identifier'url' Symbol'(' String''x.png'' Symbol')' Space' ' Identifier'url' "
       "Symbol'(' Unknown'\"' Identifier'y' Unknown'\"' Symbol')' -> 0"},
      {"'''x' '' 'open", "String''''x'' Space' ' String'''' Space' ' String''open' -> 0"},
      {"a > b, c + d ~ e * f",
       "Identifier'a' Space' ' Unknown'>' Space' ' Identifier'b' Unknown',' Space' ' "
       "Identifier'c' Space' ' Unknown'+' Space' ' Identifier'd' Space' ' Unknown'~' Space' ' Identifier'e' "
       "Space' ' "
       "Unknown'*' Space' ' Identifier'f' -> 0"},
      {"@media !important", "Unknown'@' Key'media' Space' ' Unknown'!' Identifier'important' -> 0"},
      {"left align LEFT font padding margin right horizontal",
       "Key'left' Space' ' Key'align' Space' ' Key'LEFT' "
       "Space' ' Key'font' Space' ' Key'padding' Space' ' Key'margin' Space' ' Key'right' Space' ' "
       "Key'horizontal' -> 0"},
      {"\t a\r\n", "Space'\t ' Identifier'a' Space'\r\n' -> 0"},
      {"x\xe2\x80\x94y", "Identifier'x' Unknown'\xe2' Unknown'\x80' Unknown'\x94' Identifier'y' -> 0"},
  };
  TxeCSSSyn H;
  for (const auto& C : Cases) EXPECT_EQ(Compact(H, C.Line, TxeCSSSyn::rsNormal), C.Expected) << C.Line;
}

TEST(Css, RangeIsRecordedButNotFollowed) {
  TxeCSSSyn H;
  std::uint32_t Range = TxeCSSSyn::rsNormal;
  ScanLine(H, "p { color: red } /*", Range);
  EXPECT_EQ(Range, TxeCSSSyn::rsBlockComment);
  auto Tokens = ScanLine(H, "margin: 0 */", Range);
  EXPECT_EQ(Tokens[0].Kind, TxeCSSSyn::tkKey);
  EXPECT_EQ(Range, TxeCSSSyn::rsBlockComment);
  ScanLine(H, "/**/", Range);
  EXPECT_EQ(Range, TxeCSSSyn::rsNormal);
}

TEST(Css, KeywordTable) {
  const auto& K = TxeCSSSyn::Keywords();
  ASSERT_EQ(K.Size(), 139u);
  std::size_t Total = 0, Largest = 0;
  for (std::size_t H = 0; H < K.Size(); ++H)
    if (!K.WordsAt(H).empty()) Total += K.WordsAt(H).size(), Largest = H;
  EXPECT_EQ(Total, 26u);
  EXPECT_EQ(Largest, 138u);
  EXPECT_EQ(K.WordsAt(43), (std::vector<std::string>{"align", "left"}));
  EXPECT_EQ(K.WordsAt(55), (std::vector<std::string>{"font", "padding"}));
  EXPECT_EQ(K.WordsAt(62), (std::vector<std::string>{"margin", "right"}));
  for (std::size_t H = 0; H < K.Size(); ++H) {
    if (H == 43 || H == 55 || H == 62) continue;
    EXPECT_LE(K.WordsAt(H).size(), 1u) << H;
  }
  TxeCSSSyn H;
  H.BeginLine("x", 0);
  EXPECT_EQ(H.CurrentAttribute(), H.IdentifierAttri());
  H.BeginLine("-", 0);
  EXPECT_EQ(H.CurrentAttribute(), H.IdentifierAttri());
  H.BeginLine("{", 0);
  EXPECT_EQ(H.CurrentAttribute(), H.StringAttri());
}
