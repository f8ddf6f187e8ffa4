#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "xeEditSearch.h"

namespace {

struct EngineCase {
  std::string pattern;
  std::string text;
  bool caseSensitive;
  bool wholeWord;
  std::vector<int> expected;
};

std::vector<int> FindAll(TxeEditSearch& s, const std::string& text) {
  s.FindAllMatches(text);
  return s.MatchPositions();
}

// Greedy left-to-right reference: what the engine must report, whatever algorithm it uses.
std::vector<int> Reference(const std::string& pat, const std::string& text, bool cs, bool ww) {
  auto fold = [cs](unsigned char c) { return (!cs && c >= 'A' && c <= 'Z') ? c + 32 : c; };
  std::vector<int> out;
  std::size_t i = 0;
  while (i + pat.size() <= text.size()) {
    bool eq = true;
    for (std::size_t k = 0; k < pat.size() && eq; ++k)
      eq = fold(static_cast<unsigned char>(text[i + k])) == fold(static_cast<unsigned char>(pat[k]));
    if (eq && ww) {
      std::size_t end = i + pat.size();
      if (i > 0 && !xeSearchTables::IsDelimiter(static_cast<unsigned char>(text[i - 1]))) eq = false;
      if (end < text.size() && !xeSearchTables::IsDelimiter(static_cast<unsigned char>(text[end])))
        eq = false;
    }
    if (eq) {
      out.push_back(static_cast<int>(i + 1));
      i += pat.size();
    } else {
      ++i;
    }
  }
  return out;
}

}  // namespace

TEST(SearchEngine, FindsNonOverlappingMatches) {
  const std::string longPad(100, 'x');
  const std::vector<EngineCase> cases = {
      {"aa", "aaaa", false, false, {1, 3}},
      {"ABC", "xabcx", false, false, {2}},
      {"ABC", "xabcx", true, false, {}},
      {"ab", "ab cab ab_", false, true, {1, 8}},
      {"ab",
       "\xc3\xa9"
       "ab ab",
       false,
       true,
       {6}},  // bytes >= 128 are word characters
      {"abc", "ab", false, false, {}},
      {"a", "", false, false, {}},
      {"div", "<div><div></div>", false, false, {2, 7, 13}},
      {"abcab", "abcabcab", false, false, {1}},
      {std::string("a\0b", 3), std::string("za\0bz", 5), true, false, {2}},
      {"[", "{[", false, false, {2}},  // no folding of non-letters
      {"END", longPad + "end" + longPad + "End", false, false, {101, 204}},
      {"end", longPad + "end" + longPad + "End", true, false, {101}},
      {"x", "xxx", false, true, {}},
  };
  for (const auto& c : cases) {
    TxeEditSearch s;
    s.SetCaseSensitive(c.caseSensitive);
    s.SetWholeWordsOnly(c.wholeWord);
    s.SetSearchPattern(c.pattern);
    EXPECT_EQ(FindAll(s, c.text), c.expected) << "pattern '" << c.pattern << "' in '" << c.text << "'";
    EXPECT_EQ(s.GetResultCount(), static_cast<int>(c.expected.size()));
  }
}

TEST(SearchEngine, AgreesWithReferenceOnRandomText) {
  std::mt19937 rng(12345);
  const std::string alphabet = "abAB _-1\xc3";
  for (int round = 0; round < 3000; ++round) {
    const std::size_t textLen = rng() % (round % 10 == 0 ? 400 : 90);
    std::string text, pat;
    for (std::size_t i = 0; i < textLen; ++i) text += alphabet[rng() % alphabet.size()];
    const std::size_t patLen = 1 + rng() % 4;
    for (std::size_t i = 0; i < patLen; ++i) pat += alphabet[rng() % 5];
    const bool cs = rng() % 2, ww = rng() % 3 == 0;
    TxeEditSearch s;
    s.SetSearchPattern(pat);
    s.SetCaseSensitive(cs);
    s.SetWholeWordsOnly(ww);
    ASSERT_EQ(FindAll(s, text), Reference(pat, text, cs, ww))
        << "'" << pat << "' in '" << text << "' cs=" << cs;
  }
}

TEST(SearchEngine, CaseChangeAfterPatternStillFindsEverything) {
  TxeEditSearch s;
  s.SetSearchPattern("ABC");  // shift table built while folding
  s.SetCaseSensitive(true);
  EXPECT_EQ(FindAll(s, "xxABCxABC"), (std::vector<int>{3, 7}));
  s.SetCaseSensitive(false);
  EXPECT_EQ(FindAll(s, "xxabcxABC"), (std::vector<int>{3, 7}));
}

TEST(SearchEngine, EmptyPatternIsRejected) {
  TxeEditSearch s;
  try {
    s.SetSearchPattern("");
    FAIL() << "no exception";
  } catch (const ExeSearchError& e) {
    EXPECT_STREQ(e.what(), "Pattern is empty");
  }
  EXPECT_EQ(s.FirstMatch("abc"), 0);  // no pattern yet: nothing found
}

TEST(SearchEngine, ShiftMatchPositions) {
  TxeEditSearch s;
  s.SetSearchPattern("a");
  s.FindAllMatches("a a a a");  // 1 3 5 7
  s.ShiftMatchPositions(3, -2);
  EXPECT_EQ(s.MatchPositions(), (std::vector<int>{1, 3, 7, 9}));
  s.ShiftMatchPositions(1, 1);
  EXPECT_EQ(s.MatchPositions(), (std::vector<int>{1, 2, 6, 8}));
  s.ShiftMatchPositions(0, 0);
  EXPECT_EQ(s.MatchPositions(), (std::vector<int>{1, 2, 6, 8}));
}

TEST(SearchEngine, FindsAPatternAtEveryOffsetOfEveryLength) {
  // Walks the pattern over the block boundaries of the fast scan, including the final partial block.
  for (const std::string pat : {"q", "Qz", "qzq", "qzqzqzqzqzqzqzqzqz"}) {
    for (std::size_t len = pat.size(); len < 70; ++len) {
      for (std::size_t at = 0; at + pat.size() <= len; ++at) {
        std::string text(len, '.');
        text.replace(at, pat.size(), pat);
        TxeEditSearch s;
        s.SetSearchPattern(pat);
        ASSERT_EQ(FindAll(s, text), Reference(pat, text, false, false))
            << pat << " len " << len << " at " << at;
        ASSERT_FALSE(s.MatchPositions().empty());
        ASSERT_EQ(s.MatchPositions()[0], static_cast<int>(at + 1));
      }
    }
  }
}
