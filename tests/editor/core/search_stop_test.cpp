// Searches over many lines report their progress and can be stopped: a stopped find finds nothing, a
// stopped Replace All leaves everything as it was; an expression that backtracks long on every line, or at
// every position of one long line, is stopped too.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "xeEditModel.h"
#include "xeRegexSearch.h"

namespace {

std::string Lines(int Count, const std::string& Line) {
  std::string text;
  for (int i = 0; i < Count; ++i) text += Line + "\n";
  return text;
}

struct TState {
  std::string Text;
  TPoint Caret, Begin, End;
  int Undos;
  bool Modified;
  bool operator==(const TState&) const = default;
};

TState StateOf(const TxeEditModel& M) {
  return {M.Text(), M.CaretPos(), M.BlockBegin(), M.BlockEnd(), M.UndoCount(), M.Modified()};
}

// Every kind of search, stopped at its first, second and tenth report, and not stopped at all: what it gives
// without being stopped is what it gives without a progress handler; stopped, it changed nothing.
TEST(SearchStop, StoppedSearchesChangeNothingAndUnstoppedOnesAreUnchanged) {
  const std::string text = Lines(3000, "alpha beta <b>gamma</b> alpha") + "last alpha";
  const struct {
    const char* Search;
    const char* Replace;
    TxeSearchOptions Options;
  } cases[] = {
      {"last", "", 0},
      {"l[a-z]st", "", srRegExpr},
      {"alpha", "omega", srReplaceAll},
      {"alpha", "o\nmega", srReplaceAll},
      {"<(/?)b>", "<$1strong>", srRegExpr | srReplaceAll},
      {"alpha", "omega", srReplaceAll | srBackward},
      {"gam+a", "", srRegExpr | srReplaceAll | srMatchCase | srWholeWord},
      {"alpha", "omega", srReplaceAll | srPrompt},
  };
  for (const auto& c : cases) {
    const std::string what = std::string(c.Search) + " options " + std::to_string(c.Options);
    // From near one end towards the other.
    const int line = (c.Options & srBackward) ? 2999 : 2;
    auto fresh = [&](TxeEditModel& M) {
      M.SetText(text);
      M.SetMaxUndo(5);
      M.SetCaretXY(3, line);
      M.SetSelBegin({3, line});
      M.SetSelEnd({6, line});
      M.OnReplaceText = [](TObject*, std::string_view, std::string_view, int, int, TxeReplaceAction& A) {
        A = rpaReplace;
      };
    };
    TxeEditModel plain;
    fresh(plain);
    const int expected = plain.FindReplace(c.Search, c.Replace, c.Options);
    ASSERT_GT(expected, 0) << what;

    TxeEditModel watched;
    fresh(watched);
    int reports = 0, lastDone = -1;
    watched.OnSearchProgress = [&](int Done, int Total) {
      EXPECT_GE(Done, lastDone) << what;
      EXPECT_LE(Done, Total) << what;
      lastDone = Done;
      ++reports;
      return true;
    };
    EXPECT_EQ(watched.FindReplace(c.Search, c.Replace, c.Options), expected) << what;
    EXPECT_FALSE(watched.SearchStopped()) << what;
    EXPECT_EQ(StateOf(watched), StateOf(plain)) << what;
    EXPECT_GT(reports, 0) << what;

    for (const int stopAt : {1, 2, 10}) {
      TxeEditModel stopped;
      fresh(stopped);
      stopped.SetModified(false);
      const TState before = StateOf(stopped);
      int calls = 0;
      stopped.OnSearchProgress = [&](int, int) { return ++calls < stopAt; };
      const int count = stopped.FindReplace(c.Search, c.Replace, c.Options);
      if (calls < stopAt) continue;  // done before it could be stopped
      EXPECT_EQ(count, 0) << what << " stopped at " << stopAt;
      EXPECT_TRUE(stopped.SearchStopped()) << what;
      EXPECT_EQ(StateOf(stopped), before) << what << " stopped at " << stopAt;
      // Undo has nothing of it, and the same search afterwards does what it always did.
      stopped.OnSearchProgress = nullptr;
      EXPECT_EQ(stopped.FindReplace(c.Search, c.Replace, c.Options), expected) << what;
      EXPECT_EQ(stopped.Text(), plain.Text()) << what;
    }
  }
}

// (a|aa)+$ tries every way to split a run of a's before it fails at the b: thousands of such lines each
// report, and a stop ends the search at the line it came for.
TEST(SearchStop, BacktrackingExpressionReportsEveryLine) {
  TxeEditModel m;
  m.SetText(Lines(3000, std::string(22, 'a') + "b"));
  int reports = 0;
  m.OnSearchProgress = [&](int Done, int) {
    EXPECT_EQ(Done, reports);
    return ++reports < 50;
  };
  EXPECT_EQ(m.FindReplace("(a|aa)+$", "", srRegExpr), 0);
  EXPECT_TRUE(m.SearchStopped());
  EXPECT_EQ(reports, 50);
  EXPECT_FALSE(m.SearchError());
}

// One long line where the expression backtracks at every position: it is searched a stretch at a time, and
// a stop between stretches ends it.
TEST(SearchStop, LongLineIsStoppedBetweenStretches) {
  std::string line;
  while (line.size() < 4'000'000) line += std::string(20, 'a') + "b";
  for (const TxeSearchOptions how : {TxeSearchOptions(0), srReplaceAll}) {
    TxeEditModel m;
    m.SetText("first\n" + line + "\nlast");
    m.SetModified(false);
    const TState before = StateOf(m);
    int reports = 0;
    m.OnSearchProgress = [&](int Done, int) {
      EXPECT_LE(Done, 1);
      return ++reports < 5;
    };
    EXPECT_EQ(m.FindReplace("(a|aa)+$", "x", srRegExpr | how), 0);
    EXPECT_TRUE(m.SearchStopped());
    EXPECT_EQ(reports, 5);
    EXPECT_EQ(StateOf(m), before);
  }
}

// A long line searched in stretches of start positions finds exactly what one search of the whole line
// finds, whatever the stretches: looking behind and around them, ^ and $, empty matches, characters of
// several bytes cut by a stretch's end, and expressions that must not be split (\G, (*COMMIT)).
TEST(SearchStop, StretchesFindWhatTheWholeLineGives) {
  const char* const patterns[] = {"",
                                  "a",
                                  "(?<=b)a+",
                                  "\\ba\\w*",
                                  "^a|b$",
                                  "x*",
                                  "\xC3\xA9+",
                                  "(?i)AB|\xC3\x89",
                                  "a(?=\xC3\xA9)",
                                  "\\Ga",
                                  "a(*COMMIT)b",
                                  "(a|aa)+c",
                                  "[^a]{3}",
                                  "(?s).{5}\\z"};
  std::mt19937 random(7);
  // Every other line has bytes that are not UTF-8 too (such a line is searched whole).
  const std::string pieces[] = {"a", "b",  "ab",       " ",        "\xC3\xA9",
                                "c", "aa", "\xB9\xB9", "\xE2\x82", "\xF3\xB9\xB9\xB9"};
  for (int round = 0; round < 40; ++round) {
    std::string line;
    const std::size_t length = 1 + random() % 20000;
    const std::size_t kinds = round % 2 ? std::size(pieces) : 7;
    while (line.size() < length) line += pieces[random() % kinds];
    for (const char* pattern : patterns) {
      for (const bool wholeWord : {false, true}) {
        TxeRegexSearch whole, stretched;
        ASSERT_TRUE(whole.SetPattern(pattern, true, wholeWord)) << pattern;
        ASSERT_TRUE(stretched.SetPattern(pattern, true, wholeWord)) << pattern;
        stretched.SetStretch(1 + random() % 64);
        int polls = 0;
        stretched.OnPoll = [&] { return ++polls > 0; };
        const int from = 1 + static_cast<int>(random() % (line.size() / 2 + 1));
        const int n = whole.FindLineMatches(line, from, 0);
        ASSERT_EQ(stretched.FindLineMatches(line, from, 0), n) << pattern << " round " << round;
        for (int k = 0; k < n; ++k) {
          ASSERT_EQ(stretched.GetMatchPositions(k), whole.GetMatchPositions(k)) << pattern << " match " << k;
          ASSERT_EQ(stretched.MatchLength(k), whole.MatchLength(k)) << pattern << " match " << k;
        }
        EXPECT_FALSE(stretched.Stopped());
      }
    }
  }
}

}  // namespace
