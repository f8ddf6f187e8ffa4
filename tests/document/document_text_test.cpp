// File bytes to editor lines and back: tabs, blanks and line breaks.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DocumentText.h"
#include "orvexStr.h"

namespace {

std::string Save(const std::vector<std::string>& Lines) {
  std::string out;
  for (const std::string& line : Lines) AppendFileLine(out, line);
  return out;
}

TEST(DocumentText, TabsBecomeFourBlanks) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\tb", "a    b"},   {"\t\tx", "        x"}, {"", ""},
      {"no tab", "no tab"}, {"\t", "    "},         {std::string("\0\t\0", 3), std::string("\0    \0", 6)}};
  for (const auto& [in, out] : cases) {
    EXPECT_EQ(ExpandTabs(in), out);
    std::string pieces;
    for (char c : in) AppendExpandingTabs(pieces, std::string_view(&c, 1));
    EXPECT_EQ(pieces, out);
    std::string inPlace = in;
    ExpandTabsInPlace(inPlace);
    EXPECT_EQ(inPlace, out);
  }
}

TEST(DocumentText, WhatLooksLikeText) {
  const std::pair<std::string, bool> cases[] = {
      {"", true},
      {"<p>caf\xC3\xA9</p>\r\n\tx\f\x1B[0m", true},
      {"\xFF\xFE\xFD\x80", true},  // any high bytes: a legacy code page
      {std::string("text\0text", 9), false},
      {"\x01\x02\x03"
       "ab",
       false},
      {"\x01\x02"
       "ab",
       true},  // a few control characters are not enough
  };
  for (const auto& [head, text] : cases) EXPECT_EQ(LooksLikeText(head), text) << head;
}

TEST(DocumentText, SaveTurnsFourBlanksIntoTabsAndEndsEveryLineWithCRLF) {
  struct Case {
    std::vector<std::string> Lines;
    std::string Bytes;
  };
  const Case cases[] = {
      {{""}, "\r\n"},
      {{"a    b", "        x"}, "a\tb\r\n\t\tx\r\n"},
      {{"      "}, "\t  \r\n"},
      {{"   "}, "   \r\n"},
      {{"         ."}, "\t\t .\r\n"},
      {{"\"a    b\""}, "\"a\tb\"\r\n"},
      {{"no break"}, "no break\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Save(c.Lines), c.Bytes);
  // Lines of blanks, tabs and letters in every mix against the plain left-to-right exchange.
  std::uint32_t seed = 7;
  for (int round = 0; round < 20000; ++round) {
    std::string line;
    for (int n = int((seed = seed * 1103515245 + 12345) >> 16) % 64; n > 0; --n)
      line += " \ta"[((seed = seed * 1103515245 + 12345) >> 16) % 4 % 3];
    ASSERT_EQ(Save({line}), ReplaceAll(line, "    ", "\t", false) + "\r\n") << '"' << line << '"';
  }
}

TEST(DocumentText, LineBreakOfAFileIsItsFirstBreak) {
  const std::pair<const char*, TLineBreak> cases[] = {
      {"", lbLF},         {"one line", lbLF}, {"a\nb\r\n", lbLF}, {"a\r\nb\n", lbCRLF},
      {"a\rb\r\n", lbCR}, {"a\r", lbCR},      {"\r\n", lbCRLF},
  };
  for (const auto& [text, brk] : cases) EXPECT_EQ(DetectLineBreak(text), brk) << text;
  std::string out;
  AppendFileLine(out, "a        b", {lbLF, false});
  AppendFileLine(out, "    ", {lbCR, true});
  EXPECT_EQ(out, "a        b\n\t\r");
}

TEST(ReplaceAllTest, LeftToRightWithoutOverlap) {
  struct Case {
    const char *Text, *Find, *Replacement;
    bool CaseSensitive;
    const char* Result;
  };
  const Case cases[] = {
      {"aaaa", "aa", "b", true, "bb"},
      {"aaa", "aa", "a", true, "aa"},  // replaced text is not searched again
      {"abcABC", "abc", "x", false, "xx"},
      {"abcABC", "abc", "x", true, "xABC"},
      {"text", "", "x", true, "text"},
      {"", "a", "b", false, ""},
      {"a\tb", "\t", "    ", false, "a    b"},
      {"\xC3\x89\xC3\xA9", "\xC3\xA9", "e", false,
       "\xC3\x89"
       "e"},  // only ASCII letters fold
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReplaceAll(c.Text, c.Find, c.Replacement, c.CaseSensitive), c.Result)
        << c.Text << " / " << c.Find;
}

}  // namespace
