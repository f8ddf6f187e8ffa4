#include <gtest/gtest.h>

#include <new>
#include <random>
#include <string>
#include <vector>

#include "xeEditModel.h"

namespace {

std::vector<std::string> Lines(const TxeEditModel& m) {
  std::vector<std::string> out;
  for (int i = 1; i <= m.LineCount(); ++i) out.emplace_back(m.LineText(i));
  return out;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\n";
  return s;
}

struct TFindCase {
  const char* name;
  std::vector<std::string> text;
  TPoint caret;
  TPoint selBegin, selEnd;  // a block set after the caret when selBegin.X > 0
  TSelectionMode mode;
  TxeSearchOptions options;
  const char* search;
  const char* replace;
  int count;
  std::vector<std::string> expected;
  TPoint expectBegin, expectEnd;  // checked when expectBegin.X > 0
  TPoint expectCaret;             // checked when X > 0
};

void Prepare(TxeEditModel& m, const TFindCase& c) {
  m.SetText(Joined(c.text));
  m.SetSelectionMode(c.mode);
  m.SetCaretPos(c.caret);
  m.SetSelBegin(c.caret);
  if (c.selBegin.X > 0) {
    m.SetSelBegin(c.selBegin);
    m.SetSelEnd(c.selEnd);
  }
}

TEST(FindReplace, OptionsRangesAndModes) {
  const TPoint none{0, 0};
  // clang-format off
  const std::vector<TFindCase> cases = {
      {"find from the caret skips what lies left of it", {"abc abc"}, {3, 1}, none, none, smNormal, 0, "abc", "", 1,
       {"abc abc"}, {5, 1}, {8, 1}, {8, 1}},
      {"whole document starts at the top", {"abc abc"}, {3, 1}, none, none, smNormal, srWholeDocument, "abc", "", 1,
       {"abc abc"}, {1, 1}, {4, 1}, {4, 1}},
      {"backward ends at the caret, caret on the match start", {"abc abc abc"}, {8, 1}, none, none, smNormal,
       srBackward, "abc", "", 1, {"abc abc abc"}, {5, 1}, {8, 1}, {5, 1}},
      {"case-insensitive by default", {"xabc"}, {1, 1}, none, none, smNormal, 0, "ABC", "", 1, {"xabc"}, {2, 1},
       {5, 1}, none},
      {"match case", {"xabc"}, {1, 1}, none, none, smNormal, srMatchCase, "ABC", "", 0, {"xabc"}, none, none, {1, 1}},
      {"empty pattern", {"abc"}, {1, 1}, none, none, smNormal, srReplaceAll, "", "x", 0, {"abc"}, none, none, none},
      {"whole words", {"ab cab ab_"}, {1, 1}, none, none, smNormal, srWholeWord | srReplaceAll, "ab", "X", 2,
       {"X cab X_"}, none, none, none},
      {"replace takes the next occurrence only", {"a a a"}, {2, 1}, none, none, smNormal, srReplace, "a", "x", 1,
       {"a x a"}, none, none, {4, 1}},
      {"replace all from the caret leaves the lines above", {"div", "div", "div div"}, {1, 2}, none, none, smNormal,
       srReplaceAll, "div", "span", 3, {"div", "span", "span span"}, none, none, {10, 3}},
      {"replace all backward", {"a a", "a"}, {2, 2}, none, none, smNormal, srReplaceAll | srBackward, "a", "xy", 3,
       {"xy xy", "xy"}, none, none, {3, 1}},
      {"selection only, stream", {"aaaa", "aaaa"}, {1, 1}, {2, 1}, {3, 2}, smNormal,
       srSelectionOnly | srReplaceAll, "a", "b", 5, {"abbb", "bbaa"}, none, none, none},
      {"selection only, end column follows longer replacements", {"aaaa"}, {1, 1}, {1, 1}, {3, 1}, smNormal,
       srSelectionOnly | srReplaceAll, "a", "bb", 2, {"bbbbaa"}, none, none, none},
      {"selection only, column block", {"xaax", "xaax", "xaax"}, {1, 1}, {2, 1}, {4, 3}, smColumn,
       srSelectionOnly | srReplaceAll, "a", "b", 6, {"xbbx", "xbbx", "xbbx"}, none, none, none},
      {"selection only, whole lines", {"a a", "a", "a"}, {1, 1}, {2, 1}, {1, 2}, smLine,
       srSelectionOnly | srReplaceAll, "a", "b", 3, {"b b", "b", "a"}, none, none, none},
      {"selection only without a selection searches from the caret", {"a a"}, {2, 1}, none, none, smNormal,
       srSelectionOnly | srReplaceAll, "a", "b", 1, {"a b"}, none, none, none},
      {"line mode replaces the occurrence, not the line", {"abc def"}, {1, 1}, none, none, smLine, srReplace, "def",
       "x", 1, {"abc x"}, none, none, none},
      {"column mode finds from the caret as a stream", {"xx ab", "ab"}, {4, 1}, none, none, smColumn,
       srReplaceAll, "ab", "c", 2, {"xx c", "c"}, none, none, none},
      {"a replacement with line breaks", {"a a", "a"}, {1, 1}, none, none, smNormal, srReplaceAll, "a", "x\ny", 3,
       {"x", "y x", "y", "x", "y"}, none, none, {2, 5}},
      {"deleting trims the line end", {"a b", "b b  "}, {1, 1}, none, none, smNormal, srReplaceAll, "b", "", 3,
       {"a", ""}, none, none, none},
  };
  // clang-format on
  for (const auto& c : cases) {
    TxeEditModel m;
    Prepare(m, c);
    EXPECT_EQ(m.FindReplace(c.search, c.replace, c.options), c.count) << c.name;
    EXPECT_EQ(Lines(m), c.expected) << c.name;
    if (c.expectBegin.X > 0) {
      EXPECT_EQ(m.SelBegin(), c.expectBegin) << c.name;
      EXPECT_EQ(m.SelEnd(), c.expectEnd) << c.name;
    }
    if (c.expectCaret.X > 0) {
      EXPECT_EQ(m.CaretPos(), c.expectCaret) << c.name;
    }
  }
}

TEST(FindReplace, RepeatedFindsWalkThroughTheDocument) {
  for (const TSelectionMode mode : {smNormal, smColumn, smLine}) {
    TxeEditModel m;
    m.SetText("ab ab\nab\n");
    m.SetSelectionMode(mode);
    std::vector<TPoint> starts;
    for (int i = 0; i < 4; ++i) {
      if (m.FindReplace("ab", "", 0) == 0) break;
      starts.push_back(m.SelBegin());
    }
    EXPECT_EQ(starts, (std::vector<TPoint>{{1, 1}, {4, 1}, {1, 2}})) << "mode " << int(mode);
  }
}

struct TPromptCase {
  const char* name;
  std::vector<TxeReplaceAction> answers;
  TxeSearchOptions options;
  const char* expected;
  int count;
  int asked;
};

TEST(FindReplace, PromptedReplacement) {
  // clang-format off
  const std::vector<TPromptCase> cases = {
      {"skip then replace", {rpaSkip, rpaReplace, rpaSkip}, srReplaceAll | srPrompt, "a b a", 3, 3},
      {"cancel stops at once", {rpaCancel}, srReplaceAll | srPrompt, "a a a", 1, 1},
      {"replace all stops asking", {rpaSkip, rpaReplaceAll}, srReplaceAll | srPrompt, "a b b", 3, 2},
      {"single replace asks once", {rpaReplace}, srReplace | srPrompt, "b a a", 1, 1},
      {"single replace turned into replace all", {rpaReplaceAll}, srReplace | srPrompt, "b b b", 3, 1},
      {"skip on a single replace ends it", {rpaSkip}, srReplace | srPrompt, "a a a", 1, 1},
  };
  // clang-format on
  for (const auto& c : cases) {
    TxeEditModel m;
    m.SetText("a a a");
    std::vector<int> columns;
    m.OnReplaceText = [&](TObject* Sender, std::string_view S, std::string_view R, int Line, int Column,
                          TxeReplaceAction& Action) {
      EXPECT_EQ(Sender, &m);
      EXPECT_EQ(S, "a");
      EXPECT_EQ(R, "b");
      EXPECT_EQ(Line, 1);
      EXPECT_EQ(Action, rpaCancel);
      Action = c.answers.at(columns.size());
      columns.push_back(Column);
    };
    EXPECT_EQ(m.FindReplace("a", "b", c.options), c.count) << c.name;
    EXPECT_EQ(m.LineText(1), c.expected) << c.name;
    EXPECT_EQ(static_cast<int>(columns.size()), c.asked) << c.name;
  }
}

// A Replace All, and a prompted run that ends in "All", is one undo step whatever MaxUndo is; a single
// Replace stays two records (the selection replaced, the text typed) that undo together.
TEST(FindReplace, ReplaceAllIsOneUndoStep) {
  const struct {
    const char* name;
    TxeSearchOptions options;
    std::vector<TxeReplaceAction> answers;
    const char* replaced;
    int records;
    TPoint caret;  // after the undo: where it was, or for a single replacement at the match it selects again
  } cases[] = {
      {"replace all", srReplaceAll, {}, "bb bb bb\nbb", 1, {1, 1}},
      {"prompted, answered All",
       srReplaceAll | srPrompt,
       {rpaReplace, rpaReplaceAll},
       "bb bb bb\nbb",
       1,
       {1, 1}},
      {"prompted, each",
       srReplaceAll | srPrompt,
       {rpaReplace, rpaSkip, rpaReplace, rpaCancel},
       "bb a bb\na",
       1,
       {1, 1}},
      {"replace one", srReplace, {}, "bb a a\na", 2, {2, 1}},
  };
  for (const auto& c : cases) {
    TxeEditModel m;
    m.SetMaxUndo(2);
    m.SetText("a a a\na");
    m.ReplaceSelectionWithUndo("");  // something older that must survive
    std::size_t asked = 0;
    m.OnReplaceText = [&](TObject*, std::string_view, std::string_view, int, int, TxeReplaceAction& Action) {
      Action = c.answers.at(asked++);
    };
    m.FindReplace("a", "bb", c.options);
    EXPECT_EQ(std::string(m.LineText(1)) + "\n" + std::string(m.LineText(2)), c.replaced) << c.name;
    EXPECT_TRUE(m.Modified()) << c.name;
    const TPoint after = m.CaretPos();
    m.Undo();
    EXPECT_EQ(m.Text(), "a a a\r\na\r\n") << c.name;
    EXPECT_EQ(m.CaretPos(), c.caret) << c.name;
    EXPECT_EQ(m.RedoCount(), c.records) << c.name;
    EXPECT_EQ(m.UndoCount(), 2 - c.records) << c.name;
    m.Redo();
    EXPECT_EQ(std::string(m.LineText(1)) + "\n" + std::string(m.LineText(2)), c.replaced) << c.name;
    EXPECT_EQ(m.CaretPos(), after) << c.name;
  }
}

// A replacement cut short by a failure (here thrown where the question is asked, as running out of memory
// would be) takes back what it had replaced: text, caret, block, undo lists and the modified flag, also
// with undo locked and with a replacement that breaks lines.
TEST(FindReplace, AFailureMidwayLeavesTheDocumentAsItWas) {
  const struct {
    const char* name;
    const char* replacement;
    TxeSearchOptions options;
    int failAt;  // the question that throws; those before it answer Replace
    bool lockUndo;
  } cases[] = {
      {"replace all, third question", "bb", srReplaceAll | srPrompt, 3, false},
      {"line breaks in the replacement", "x\ny\n", srReplaceAll | srPrompt, 4, false},
      {"undo locked", "bb", srReplaceAll | srPrompt, 2, true},
      {"a single replacement", "bb", srReplace | srPrompt, 1, false},
  };
  for (const auto& c : cases) {
    TxeEditModel m;
    m.SetText("a a a\na b\n\na");
    m.SetCaretPos({3, 1});
    m.SetSelEnd({2, 2});
    m.InsertText({1, 4}, "c");  // one older undo record that must stay the only one
    m.SetModified(false);
    if (c.lockUndo) m.LockUndo();
    const std::string before = m.Text();
    const TPoint caret = m.CaretPos(), blockBegin = m.BlockBegin(), blockEnd = m.BlockEnd();
    int asked = 0;
    m.OnReplaceText = [&](TObject*, std::string_view, std::string_view, int, int, TxeReplaceAction& Action) {
      if (++asked == c.failAt) throw std::bad_alloc();
      Action = rpaReplace;
    };
    EXPECT_THROW(m.FindReplace("a", c.replacement, c.options), std::bad_alloc) << c.name;
    EXPECT_EQ(asked, c.failAt) << c.name;
    EXPECT_EQ(m.Text(), before) << c.name;
    EXPECT_EQ(m.CaretPos(), caret) << c.name;
    EXPECT_EQ(m.BlockBegin(), blockBegin) << c.name;
    EXPECT_EQ(m.BlockEnd(), blockEnd) << c.name;
    EXPECT_FALSE(m.Modified()) << c.name;
    EXPECT_EQ(m.UndoCount(), 1) << c.name;
    EXPECT_EQ(m.RedoCount(), 0) << c.name;
    // The document still works: the same command without the failure.
    m.OnReplaceText = nullptr;
    if (c.lockUndo) m.UnlockUndo();
    EXPECT_GT(m.FindReplace("a", "b", srReplaceAll), 0) << c.name;
    EXPECT_TRUE(m.Modified()) << c.name;
  }
}

TEST(FindReplace, ReplaceAllReportsStatusOnce) {
  TxeEditModel m;
  m.SetText("a\na\na");
  int reports = 0;
  m.OnStatusChange = [&](TObject*, TxeStatusChanges) { ++reports; };
  EXPECT_EQ(m.FindReplace("a", "b", srReplaceAll), 3);
  EXPECT_EQ(reports, 1);
}

// Replace-all without prompting takes a whole line at once; prompting replaces one occurrence at a time.
// Both must give the same text, count, caret and undo steps, with plain text and with regular expressions,
// also where the replacements break lines.
TEST(FindReplace, BatchedReplaceAllMatchesOneByOne) {
  struct TRound {
    std::string text, search, replace;
    TxeSearchOptions options;
    bool pastEol;
    int caretX, caretY;
  };
  // Rounds that once went wrong first, then random ones.
  const TxeSearchOptions regexAll = srReplaceAll | srRegExpr | srWholeDocument;
  std::vector<TRound> rounds = {
      // Occurrences among the blanks that replacing the one before trimmed from the line's end.
      {"v  \n", ".", "R", regexAll, true, 1, 1},
      {"d  \n", ".", "\nv ", regexAll, true, 1, 1},
      // Past the widest column the caret does not pad them back.
      {std::string(1030, 'b') + "a \n", "a|", "R", regexAll, true, 1, 1},
      // A replacement that starts a line does not pad the trimmed blanks back before it.
      {"a \n", "a|", "$0\r\n ", regexAll, true, 1, 1},
  };
  std::mt19937 rng(99);
  const std::vector<std::string> alphabet = {"a", "b", " ", "a", "B", "-", "\xC3\xA9", "\xFF"};
  const std::vector<std::string> patterns = {"a+",    "b*",       "(a)(b)?", "a|", "\\bb",
                                             "[ab]-", "(?<x>a)b", "\\w$",    "."};
  // With line breaks too, a CR ending one replacement next to an LF starting the next among them.
  const std::vector<std::string> templates = {"",   "<$1>", "${x}",    "$0$0",  "x",
                                              "$2", "\n",   "$0\r\n ", "\n$1\r"};
  for (int round = 0; round < 800; ++round) {
    std::string text;
    for (int line = 0, n = 1 + static_cast<int>(rng() % 4); line < n; ++line) {
      for (int i = 0, len = static_cast<int>(rng() % 14); i < len; ++i)
        text += alphabet[rng() % alphabet.size()];
      text += '\n';
    }
    const bool regex = round % 2;
    std::string search, replace;
    if (regex) {
      search = patterns[rng() % patterns.size()];
      replace = templates[rng() % templates.size()];
    } else {
      for (int i = 0, len = 1 + static_cast<int>(rng() % 2); i < len; ++i) search += "ab"[rng() % 2];
      for (int i = 0, len = static_cast<int>(rng() % 3); i < len; ++i) replace += "xy\n"[rng() % 3];
    }
    TxeSearchOptions options = srReplaceAll | (regex ? srRegExpr : 0);
    if (rng() % 2) options |= srBackward;
    if (rng() % 3 == 0) options |= srWholeDocument;
    if (rng() % 4 == 0) options |= srWholeWord;
    const bool pastEol = rng() % 2;
    const int caretX = 1 + static_cast<int>(rng() % 6), caretY = 1 + static_cast<int>(rng() % 3);
    rounds.push_back({text, search, replace, options, pastEol, caretX, caretY});
  }

  for (const TRound& r : rounds) {
    TxeEditModel batched, single;
    for (TxeEditModel* m : {&batched, &single}) {
      m->SetOptions(r.pastEol ? m->Options() | xeoScrollPastEol : m->Options() & ~xeoScrollPastEol);
      m->SetText(r.text);
      m->SetCaretXY(r.caretX, r.caretY);
    }
    single.OnReplaceText = [](TObject*, std::string_view, std::string_view, int, int,
                              TxeReplaceAction& Action) { Action = rpaReplace; };
    const std::string where = "'" + r.search + "'->'" + r.replace + "' in\n" + r.text;
    ASSERT_EQ(batched.FindReplace(r.search, r.replace, r.options),
              single.FindReplace(r.search, r.replace, r.options | srPrompt))
        << where;
    ASSERT_EQ(Lines(batched), Lines(single)) << where;
    ASSERT_EQ(batched.CaretPos(), single.CaretPos()) << where;
    ASSERT_EQ(batched.Modified(), single.Modified()) << where;
    // One step back gives the text as it was, one step forward the replaced text again.
    const std::vector<std::string> replaced = Lines(batched);
    TxeEditModel original;
    original.SetText(r.text);
    for (TxeEditModel* m : {&batched, &single}) {
      m->Undo();
      ASSERT_EQ(Lines(*m), Lines(original)) << where << (m == &single ? " one by one" : "");
      m->Redo();
      ASSERT_EQ(Lines(*m), replaced) << where << (m == &single ? " one by one" : "");
    }
  }
}

}  // namespace
