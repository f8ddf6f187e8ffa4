// HTML token streams, keyword and entity tables, and ranges across lines.
#include <gtest/gtest.h>

#include "jxHTMLSyn.h"
#include "token_dump.h"

namespace {

struct TCase {
  const char* Line;
  std::uint32_t Range;
  const char* Expected;
};

constexpr std::uint32_t Text = TjxHTMLSyn::rsText;

}  // namespace

TEST(Html, TokenStreams) {
  const TCase Cases[] = {
      {"<a href=x.htm>Link</a>", Text,
       "Symbol'<' Key'a' Space' ' Identifier'href' Symbol'=' Value'x.htm' Symbol'>' Text'Link' Symbol'<' "
       "Key'/a' "
       "Symbol'>' -> 5"},
      {"<a href=\"x y.htm\">", Text,
       "Symbol'<' Key'a' Space' ' Identifier'href' Symbol'=' Value'\"x y.htm\"' Symbol'>' -> 5"},
      {"<A HREF=X>", Text, "Symbol'<' Key'A' Space' ' Identifier'HREF' Symbol'=' Value'X' Symbol'>' -> 5"},
      {"<br></br><h7><xyz>", Text,
       "Symbol'<' Key'br' Symbol'>' Symbol'<' UndefKey'/br' Symbol'>' Symbol'<' UndefKey'h7' Symbol'>' "
       "Symbol'<' UndefKey'xyz' Symbol'>' -> 5"},
      {"<zzzzzzzzzz>", Text, "Symbol'<' Identifier'zzzzzzzzzz' Symbol'>' -> 5"},
      {"<!DOCTYPE html>", Text, "Symbol'<' Key'!DOCTYPE' Space' ' Identifier'html' Symbol'>' -> 5"},
      {"<h1>Title</H1>", Text, "Symbol'<' Key'h1' Symbol'>' Text'Title' Symbol'<' Key'/H1' Symbol'>' -> 5"},
      {"a &amp; b", Text, "Text'a ' And'&amp;' Text' b' -> 5"},
      {"&AMP;x", Text, "Text'' And'&AMP;' Text'x' -> 5"},
      {"&lt;p&gt;", Text, "Text'' And'&lt;' Text'p' And'&gt;' -> 5"},
      {"&foo; &amp", Text, "Text'&foo; &amp' -> 5"},
      {"a&divide;b", Text, "Text'a' And'&divide' Text';b' -> 5"},
      {"&#9;&#10;", Text, "Text'' And'&#9;' Text'&#10;' -> 5"},
      {"<%>", Text, "ASP'<%' ASP'>' -> 5"},
      {"<% x = 1 %>rest", Text, "ASP'<%' ASP' x = 1 %>' Text'rest' -> 5"},
      {"<!-->", Text, "Comment'<!--' Comment'>' -> 5"},
      {"<!-- a > b -- > -->x", Text, "Comment'<!--' Comment' a > b -- > -->' Text'x' -> 5"},
      {"<!-- open", Text, "Comment'<!--' Comment' open' -> 2"},
      {"still -> here --> <b>", 2, "Comment'still -> here -->' Text' ' Symbol'<' Key'b' Symbol'>' -> 5"},
      {">", 2, "Comment'>' -> 2"},
      {"-->", 2, "Comment'-->' -> 5"},
      {"%>", 1, "ASP'%>' -> 5"},
      {">", 1, "ASP'>' -> 1"},
      {"<img src=a.gif alt='x y'>", Text,
       "Symbol'<' Key'img' Space' ' Identifier'src' Symbol'=' Value'a.gif' Space' ' Identifier'alt' "
       "Symbol'=' "
       "Value''x' Space' ' Identifier'y'' Symbol'>' -> 5"},
      {"<p \"word\">", Text, "Symbol'<' Key'p' Space' ' String'\"word\"' Symbol'>' -> 5"},
      {"<p title=\"open", Text, "Symbol'<' Key'p' Space' ' Identifier'title' Symbol'=' Value'\"open' -> 4"},
      {"a\t  b", Text, "Text'a' Space'\t  ' Text'b' -> 5"},
      {"<b\t\tx>", Text, "Symbol'<' Key'b' Space'\t' Space'\t' Identifier'x' Symbol'>' -> 5"},
      // A comparison in script text opens a tag; "b" is then a tag name.
      {"if (a < b) x = 1;", Text,
       "Text'if (a ' Symbol'<' Space' ' Key'b' Identifier')' Space' ' Identifier'x' Space' ' "
       "Symbol'=' Space' ' Value'1;' -> 4"},
      {"<?xml version=1>", Text,
       "Symbol'<' UndefKey'' Identifier'?xml' Space' ' Identifier'version' Symbol'=' Value'1' Symbol'>' -> "
       "5"},
      {"<a x=1 &amp;>t", Text,
       "Symbol'<' Key'a' Space' ' Identifier'x' Symbol'=' Value'1' Space' ' Text'' "
       "Text'' And'&amp;' Text'>t' -> 5"},
      {"<a &x>t", Text, "Symbol'<' Key'a' Space' ' Text'' Text'&x>t' -> 5"},
      {"<a\r\nb", Text, "Symbol'<' Key'a' Space'\r\n' Identifier'b' -> 4"},
      {"</", Text, "Symbol'<' UndefKey'/' -> 4"},
      {"<", Text, "Symbol'<' -> 3"},
      {"b>", 3, "Key'b' Symbol'>' -> 5"},
      {"x\xc3\xa9<b>", Text, "Text'x\xc3\xa9' Symbol'<' Key'b' Symbol'>' -> 5"},
      {"<table width=100%>", Text,
       "Symbol'<' Key'table' Space' ' Identifier'width' Symbol'=' Value'100%' Symbol'>' -> 5"},
      // Any range that is not a block or text starts with the dispatch table.
      {"x", 0, "Identifier'x' -> 0"},
  };
  TjxHTMLSyn H;
  for (const auto& C : Cases) EXPECT_EQ(Compact(H, C.Line, C.Range), C.Expected) << C.Line;
}

TEST(Html, KeywordTable) {
  const auto& K = TjxHTMLSyn::Keywords();
  ASSERT_EQ(K.Size(), 244u);
  std::size_t Total = 0, Closing = 0;
  for (std::size_t H = 0; H < K.Size(); ++H)
    for (const auto& W : K.WordsAt(H)) ++Total, Closing += W[0] == '/';
  EXPECT_EQ(Total, 109u + 89u);
  EXPECT_EQ(Closing, 89u);
  EXPECT_EQ(K.WordsAt(9), (std::vector<std::string>{"H1", "I"}));
  EXPECT_EQ(K.WordsAt(16), (std::vector<std::string>{"DL", "P"}));
  // Digits count by value in the hash but compare as equal to one another.
  TjxHTMLSyn H;
  EXPECT_EQ(Compact(H, "<h1><h6><tt>", Text),
            "Symbol'<' Key'h1' Symbol'>' Symbol'<' Key'h6' Symbol'>' Symbol'<' Key'tt' Symbol'>' -> 5");
}

TEST(Html, EveryTagNameAndClosingFormIsKey) {
  TjxHTMLSyn H;
  const auto& K = TjxHTMLSyn::Keywords();
  for (std::size_t Hash = 0; Hash < K.Size(); ++Hash)
    for (const auto& W : K.WordsAt(Hash)) {
      std::string Lower(W);
      for (char& C : Lower) C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
      for (const auto& Name : {W, Lower}) {
        auto Tokens = ScanLine(H, "<" + Name + ">");
        ASSERT_EQ(Tokens.size(), 3u) << Name;
        EXPECT_EQ(Tokens[1].Kind, TjxHTMLSyn::tkKey) << Name;
        EXPECT_EQ(Tokens[1].Text, Name);
      }
    }
}

TEST(Html, EntityTable) {
  ASSERT_EQ(TjxHTMLSyn::EntityCount(), 151);
  EXPECT_EQ(TjxHTMLSyn::Entity(0), "&amp;");
  EXPECT_EQ(TjxHTMLSyn::Entity(98), "&divide");
  EXPECT_EQ(TjxHTMLSyn::Entity(107), "&ldots;");
  EXPECT_EQ(TjxHTMLSyn::Entity(150), "&#215;");
  TjxHTMLSyn H;
  for (int I = 0; I < TjxHTMLSyn::EntityCount(); ++I) {
    const std::string E(TjxHTMLSyn::Entity(I));
    auto Tokens = ScanLine(H, "x" + E + "y");
    ASSERT_EQ(Tokens.size(), 3u) << E;
    EXPECT_EQ(Tokens[1].Kind, TjxHTMLSyn::tkAnd);
    EXPECT_EQ(Tokens[1].Text, E);
  }
}

TEST(Html, RangesCarryOverLines) {
  // Each line scanned from the range the previous one left.
  const char* Lines[] = {
      "<table border=1", "  cellpadding=\"4\">", "<!-- note", "", "-- done -->", "<% if x", "%><td", "class=",
      "x>text"};
  const std::uint32_t After[] = {4, 5, 2, 2, 5, 1, 4, 7, 5};
  TjxHTMLSyn H;
  std::uint32_t Range = Text;
  for (std::size_t I = 0; I < std::size(Lines); ++I) {
    ScanLine(H, Lines[I], Range);
    EXPECT_EQ(Range, After[I]) << Lines[I];
  }
}
