// The regular-expression engine on single lines, and FindReplace with srRegExpr.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "xeEditModel.h"
#include "xeRegexSearch.h"

namespace {

using TMatches = std::vector<std::pair<int, std::string>>;  // column and replacement of each match

struct TRegexCase {
  const char* pattern;
  bool caseSensitive, wholeWord;
  const char* text;
  int from;
  const char* replace;
  TMatches expected;
};

TEST(RegexSearch, MatchesAndReplacements) {
  // clang-format off
  const std::vector<TRegexCase> cases = {
      {"div", false, false, "div DIV", 1, "x", {{1, "x"}, {5, "x"}}},
      {"div", true, false, "div DIV", 1, "x", {{1, "x"}}},
      {"\xC3\x84" "b", false, false, "x\xC3\xA4" "b", 1, "$0", {{2, "\xC3\xA4" "b"}}},  // Unicode case folding
      {"a*", true, false, "baaa", 1, "[$0]", {{1, "[]"}, {2, "[aaa]"}, {5, "[]"}}},
      {"x*", true, false, "h\xC3\xA9!", 1, "-", {{1, "-"}, {2, "-"}, {4, "-"}, {5, "-"}}},  // one character on
      {".", true, false, "a\xFF" "b", 1, "$0", {{1, "a"}, {3, "b"}}},  // an invalid byte matches nothing
      {"a.b", true, false, "a\xFF" "b a\xE2\x82\xAC" "b", 1, "", {{5, ""}}},
      {"\\w+", true, false, "caf\xC3\xA9 ok", 1, "<$0>", {{1, "<caf\xC3\xA9>"}, {7, "<ok>"}}},
      {"^\\w", true, false, "ab", 2, "", {}},  // ^ is the line's start, not the start column
      {"(?<=a)b", true, false, "ab", 2, "", {{2, ""}}},  // looking behind sees the text before From
      {"ab", false, true, "ab cab ab_ \xC3\xA9" "ab", 1, "", {{1, ""}, {8, ""}}},
      {"ab|abc", true, true, "abc", 1, "", {{1, ""}}},
      {"(*UCP)ab", true, true, "ab", 1, "", {{1, ""}}},
      {"(?x) ab # a comment", true, true, "ab x", 1, "", {{1, ""}}},
      {"\\Qa.b", true, true, "a.b axb", 1, "", {{1, ""}}},
      {"<div class=\"([^\"]*)\">", true, false, "<div class=\"a b\"><div class=\"\">", 1,
       "<section class=\"$1\">", {{1, "<section class=\"a b\">"}, {18, "<section class=\"\">"}}},
      {"(?<user>\\w+)@(\\w+)", true, false, "me@host", 1, "${user} at $2 (${0}) $$ $a ${ $10",
       {{1, "me at host (me@host) $ $a ${ me0"}}},
      {"(a)|(b)", true, false, "b", 1, "[$1|$2]", {{1, "[|b]"}}},
      {"(?J)(?<x>a)|(?<x>b)", true, false, "ab", 1, "${x}", {{1, "a"}, {2, "b"}}},
  };
  // clang-format on
  TxeRegexSearch engine;
  for (const auto& c : cases) {
    ASSERT_TRUE(engine.SetPattern(c.pattern, c.caseSensitive, c.wholeWord))
        << c.pattern << engine.Error().Message;
    ASSERT_TRUE(engine.SetReplacement(c.replace)) << c.pattern << engine.Error().Message;
    TMatches got;
    for (int k = 0, n = engine.FindLineMatches(c.text, c.from, 0); k < n; ++k)
      got.emplace_back(engine.GetMatchPositions(k), std::string(engine.Replacement(k)));
    EXPECT_EQ(got, c.expected) << c.pattern << " in " << c.text;
    EXPECT_TRUE(engine.UsesJit()) << c.pattern;
  }
}

TEST(RegexSearch, ErrorsTellWhatAndWhere) {
  const struct {
    const char* pattern;
    const char* replace;
    TxeRegexError::TWhere where;
    int offset;
  } cases[] = {
      {"(ab", "", TxeRegexError::rePattern, 3},        {"a{2,1}", "", TxeRegexError::rePattern, 5},
      {"ab\xFF", "", TxeRegexError::rePattern, 2},  // the expression itself must be UTF-8
      {"a\\Cb", "", TxeRegexError::rePattern, 3},   // \C could cut a character
      {"(a)", "x$2", TxeRegexError::reReplacement, 1}, {"(?<n>a)", "${m}", TxeRegexError::reReplacement, 0},
  };
  for (const auto& c : cases) {
    for (const bool wholeWord : {false, true}) {
      TxeRegexSearch engine;
      const bool compiled = engine.SetPattern(c.pattern, false, wholeWord);
      if (compiled) {
        EXPECT_FALSE(engine.SetReplacement(c.replace)) << c.pattern;
      }
      EXPECT_EQ(engine.Error().Where, c.where) << c.pattern;
      EXPECT_EQ(engine.Error().Offset, c.offset) << c.pattern;
      EXPECT_FALSE(engine.Error().Message.empty()) << c.pattern;
    }
  }
}

std::vector<std::string> Lines(const TxeEditModel& m) {
  std::vector<std::string> out;
  for (int i = 1; i <= m.LineCount(); ++i) out.emplace_back(m.LineText(i));
  return out;
}

TEST(RegexFindReplace, RepeatedFindsStepOverEmptyMatches) {
  TxeEditModel m;
  m.SetText("ab\n\nc\n");
  std::vector<TPoint> found;
  for (int i = 0; i < 10 && m.FindReplace("^|b", "", srRegExpr) == 1; ++i) found.push_back(m.SelBegin());
  EXPECT_EQ(found, (std::vector<TPoint>{{1, 1}, {2, 1}, {1, 2}, {1, 3}}));

  // One Replace after another gives what Replace All gives.
  for (const char* pattern : {"x*", "b*", "a*|b", "$"}) {
    TxeEditModel single, all;
    single.SetText("abba\n\xC3\xA9\n");
    all.SetText("abba\n\xC3\xA9\n");
    const int n = all.FindReplace(pattern, "-", srRegExpr | srReplaceAll);
    int count = 0;
    while (count < 20 && single.FindReplace(pattern, "-", srRegExpr | srReplace) == 1) ++count;
    EXPECT_EQ(count, n) << pattern;
    EXPECT_EQ(Lines(single), Lines(all)) << pattern;
  }
}

TEST(RegexFindReplace, FailuresAreReportedAndChangeNothing) {
  TxeEditModel m;
  m.SetText("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab\nabc (x)\n");
  const std::vector<std::string> before = Lines(m);
  EXPECT_EQ(m.FindReplace("(x", "y", srRegExpr | srReplaceAll), 0);
  EXPECT_EQ(m.SearchError().Where, TxeRegexError::rePattern);
  EXPECT_EQ(m.FindReplace("(x)", "$2", srRegExpr | srReplaceAll), 0);
  EXPECT_EQ(m.SearchError().Where, TxeRegexError::reReplacement);
  // Catastrophic backtracking gives up with a message naming the line, instead of hanging.
  EXPECT_EQ(m.FindReplace("(a|aa)+\\1+$", "y", srRegExpr | srReplaceAll | srWholeDocument), 0);
  EXPECT_EQ(m.SearchError().Where, TxeRegexError::reMatch);
  EXPECT_EQ(m.SearchError().Line, 1);
  EXPECT_EQ(Lines(m), before);
  // A plain search with the same text finds it literally and clears the report.
  EXPECT_EQ(m.FindReplace("(x", "", srWholeDocument), 1);
  EXPECT_FALSE(m.SearchError());
}

}  // namespace
