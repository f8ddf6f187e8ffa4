#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "core_test_support.h"
#include "xeUtf8.h"

namespace {

TEST(Undo, MaxUndoLimitsWhatCanBeUndone) {
  for (int max : {2, 0}) {
    TxeEditModel m;
    m.SetMaxUndo(max);
    for (const char* c : {"a", "b", "c"}) m.ReplaceSelectionWithUndo(c);
    m.Undo();
    m.Undo();
    m.Undo();
    EXPECT_EQ(m.Text(), max == 2 ? "a\r\n" : "ab\r\n") << max;
  }
}

TEST(Undo, LockedListsLeaveModifiedAlone) {
  TxeEditModel m;
  m.LockUndo();
  m.ReplaceSelectionWithUndo("x");
  m.UnlockUndo();
  EXPECT_FALSE(m.UndoAvailable());
  EXPECT_FALSE(m.Modified());
}

TEST(Undo, TypingOverASelectionIsOneStep) {
  TxeEditModel m;
  int changes = 0;
  m.OnChange = [&](TObject*) { ++changes; };
  m.SetText("abc def");
  m.SetSelBegin({5, 1});
  m.SetSelEnd({8, 1});
  m.ReplaceSelectionWithUndo("X");
  EXPECT_EQ(changes, 2);
  m.ReplaceSelectionWithUndo("Y");
  EXPECT_EQ(m.Text(), "abc XY\r\n");
  m.Undo();
  EXPECT_EQ(m.Text(), "abc X\r\n");
  m.Undo();
  EXPECT_EQ(m.Text(), "abc def\r\n");
  EXPECT_EQ(m.SelectedText(), "def");
  m.Redo();
  EXPECT_EQ(m.Text(), "abc X\r\n");
  m.Redo();
  EXPECT_EQ(m.Text(), "abc XY\r\n");
  EXPECT_FALSE(m.RedoAvailable());
}

TEST(Undo, OverwrittenTextComesBack) {
  TxeEditModel m;
  m.SetText("abcd");
  m.SetInsertMode(false);
  m.SetCaretPos({2, 1});
  m.CommandProcessor(ecChar, U'X');
  EXPECT_EQ(m.Text(), "aXcd\r\n");
  m.Undo();
  EXPECT_EQ(m.Text(), "abcd\r\n");
  EXPECT_EQ(m.CaretPos(), (TPoint{2, 1}));
  m.Redo();
  EXPECT_EQ(m.Text(), "aXcd\r\n");
  m.Undo();
  EXPECT_EQ(m.Text(), "abcd\r\n");
}

struct TBreakCase {
  std::string Line;
  TPoint Caret;
  std::vector<std::string> After;
  TPoint CaretAfter;
};

TEST(Undo, LineBreaksSplitAndRejoin) {
  const std::vector<TBreakCase> cases = {
      {"    abcdef", {8, 1}, {"    abc", "    def"}, {5, 2}},
      {"abc", {1, 1}, {"", "abc"}, {1, 2}},
      {"abc", {9, 1}, {"abc", ""}, {1, 2}},
      {"", {1, 1}, {"", ""}, {1, 2}},
      {"    x", {3, 1}, {"", "    x"}, {3, 2}},
      {"ab  cd", {5, 1}, {"ab", "cd"}, {1, 2}},
  };
  for (const auto& c : cases) {
    TxeEditModel m;
    m.SetText(c.Line + "\nnext");
    m.PlaceBookmark(1, 1, 2);
    m.SetCaretPos(c.Caret);
    m.InsertLineBreak(true);
    std::vector<std::string> after = c.After;
    after.push_back("next");
    EXPECT_EQ(LinesOf(m.Lines()), after) << c.Line;
    EXPECT_EQ(m.CaretPos(), c.CaretAfter) << c.Line;
    EXPECT_EQ(m.Bookmark(1)->Line(), 3) << c.Line;
    m.Undo();
    EXPECT_EQ(LinesOf(m.Lines()), (std::vector<std::string>{c.Line, "next"})) << c.Line;
    EXPECT_EQ(m.Bookmark(1)->Line(), 2) << c.Line;
    m.Redo();
    EXPECT_EQ(LinesOf(m.Lines()), after) << c.Line;
  }
}

TEST(Undo, IndentAndUnindentRecords) {
  TxeEditModel m;
  m.SetTabWidth(2);
  m.SetText("a\nb\nc");
  m.SelectBlock({1, 1}, {2, 2});
  m.CommandProcessor(ecBlockIndent);
  EXPECT_EQ(m.Text(), "  a\r\n  b\r\nc\r\n");
  m.Undo();
  EXPECT_EQ(m.Text(), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(m.SelectedText(), "a\r\nb");
  m.Redo();
  EXPECT_EQ(m.Text(), "  a\r\n  b\r\nc\r\n");
  EXPECT_EQ(m.SelectedText(), "a\r\n  b");

  m.SetText("  a\n b\nc");
  m.SelectBlock({3, 1}, {2, 3});
  m.CommandProcessor(ecBlockUnindent);
  EXPECT_EQ(m.Text(), "a\r\nb\r\nc\r\n");
  m.Undo();
  EXPECT_EQ(m.Text(), "  a\r\n b\r\nc\r\n");
  m.Redo();
  EXPECT_EQ(m.Text(), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(m.SelBegin(), (TPoint{1, 1}));
  EXPECT_EQ(m.SelEnd(), (TPoint{1, 3}));
}

TEST(Undo, DeletedLastLineComesBackAtTheEnd) {
  TxeEditModel m;
  m.SetText("a\nb");
  m.SetCaretPos({1, 2});
  m.CommandProcessor(ecDeleteLine);
  EXPECT_EQ(m.Text(), "a\r\n");
  m.Undo();
  EXPECT_EQ(m.Text(), "a\r\nb\r\n");
  m.Redo();
  EXPECT_EQ(m.Text(), "a\r\n");
}

TEST(Undo, DragAndDropMoveIsOneStep) {
  TxeEditModel m;
  m.SetText("abcdefgh");
  // Moving "abc" before "f".
  m.SelectBlock({1, 1}, {4, 1});
  m.DropText({6, 1}, m.SelectedText(), smNormal, true, false);
  EXPECT_EQ(m.Text(), "deabcfgh\r\n");
  EXPECT_EQ(m.UndoCount(), 2);
  m.Undo();
  EXPECT_EQ(m.Text(), "abcdefgh\r\n");
  EXPECT_EQ(m.SelectedText(), "abc");
  m.Redo();
  EXPECT_EQ(m.Text(), "deabcfgh\r\n");
  // A copy, and text from elsewhere, are one record each.
  m.SelectBlock({1, 1}, {3, 1});
  m.DropText({9, 1}, m.SelectedText(), smNormal, true, true);
  m.DropText({1, 1}, "x\r\ny", smColumn, false, false);
  EXPECT_EQ(m.Text(), "xdeabcfghde\r\ny\r\n");
  m.Undo();
  m.Undo();
  EXPECT_EQ(m.Text(), "deabcfgh\r\n");
}

// ---- random edits with undo and redo ----

std::string RandomPiece(std::mt19937& rng, int maxLen) {
  static const char* const pieces[] = {"a",    "b", "z", "Q", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80",
                                       "\xFF", "{"};
  std::string s;
  const int n = std::uniform_int_distribution<int>(0, maxLen)(rng);
  for (int i = 0; i < n; ++i) s += pieces[rng() % std::size(pieces)];
  return s;
}

std::string RandomDocument(std::mt19937& rng) {
  std::string doc;
  const int lines = std::uniform_int_distribution<int>(1, 25)(rng);
  for (int i = 0; i < lines; ++i) {
    doc += RandomPiece(rng, rng() % 10 == 0 ? 1500 : 12);
    if (i + 1 < lines) doc += "\n";
  }
  return doc;
}

std::string RandomInsert(std::mt19937& rng) {
  std::string s = RandomPiece(rng, 4);
  const int breaks = rng() % 3 == 0 ? std::uniform_int_distribution<int>(1, 3)(rng) : 0;
  for (int i = 0; i < breaks; ++i) s += (rng() % 2 ? "\r\n" : "\n") + RandomPiece(rng, 4);
  return s;
}

void ExpectValid(const TxeEditModel& m, const std::string& where) {
  const int n = m.LineCount();
  ASSERT_GE(n, 1) << where;
  const TPoint c = m.CaretPos();
  ASSERT_GE(c.Y, 1) << where;
  ASSERT_LE(c.Y, n) << where;
  ASSERT_GE(c.X, 1) << where;
  ASSERT_LE(c.X, std::max(TxeEditModel::MaxColumn + 1, m.LineLength(c.Y) + 1)) << where;
  ASSERT_FALSE(ColumnInsideChar(m.LineText(c.Y), c.X)) << where;
  for (TPoint b : {m.BlockBegin(), m.BlockEnd()}) {
    ASSERT_GE(b.Y, 1) << where;
    ASSERT_LE(b.Y, n) << where;
    ASSERT_GE(b.X, 1) << where;
    ASSERT_FALSE(ColumnInsideChar(m.LineText(b.Y), b.X)) << where;
  }
}

// Runs Steps random operations; returns an empty string when undoing and redoing everything restores the
// start and end texts exactly, else what went wrong.
std::string RunRandomEdits(unsigned Seed, int Steps) {
  std::mt19937 rng(Seed);
  TxeEditModel m;
  TBraceHighlighter h;
  m.SetHighLighter(&h);
  m.SetMaxUndo(1000000);
  if (Seed % 2) m.SetOptions(m.Options() & ~xeoScrollPastEol);
  m.SetText(RandomDocument(rng));
  const std::string start = m.Text();
  for (int step = 0; step < Steps; ++step) {
    const std::string where = "seed " + std::to_string(Seed) + " step " + std::to_string(step);
    const int n = m.LineCount();
    auto randomPoint = [&] {
      const int y = std::uniform_int_distribution<int>(1, n)(rng);
      return TPoint{std::uniform_int_distribution<int>(1, m.LineLength(y) + 3)(rng), y};
    };
    switch (rng() % 10) {
      case 0:
      case 1:
        m.SetSelectionMode(rng() % 3 == 0 ? smLine : smNormal);
        m.SetCaretPos(randomPoint());
        m.SetSelBegin(m.CaretPos());
        if (rng() % 2) m.SetSelEnd(randomPoint());
        break;
      case 2:
      case 3:
      case 4: m.ReplaceSelectionWithUndo(RandomInsert(rng)); break;
      case 5: m.InsertLineBreak(rng() % 2); break;
      case 6:
      case 7: m.Undo(); break;
      default: m.Redo(); break;
    }
    ExpectValid(m, where);
    if (::testing::Test::HasFatalFailure()) return where;
  }
  const std::string end = m.Text();
  // Redo records left from before later edits stay below the ones the undoing pushes.
  const int staleRedo = m.RedoCount();
  int guard = 0;
  while (m.UndoAvailable() && ++guard < 100000) m.Undo();
  if (m.Text() != start) return "undo, seed " + std::to_string(Seed);
  while (m.RedoCount() > staleRedo && ++guard < 200000) m.Redo();
  if (m.Text() != end) return "redo, seed " + std::to_string(Seed);
  // The stored ranges are those a full pass gives.
  TxeEditModel fresh;
  TBraceHighlighter h2;
  fresh.SetHighLighter(&h2);
  fresh.SetText(m.Text());
  for (int i = 0; i < m.LineCount(); ++i)
    if (m.Lines().Objects(i) != fresh.Lines().Objects(i)) return "ranges, seed " + std::to_string(Seed);
  return {};
}

TEST(Undo, RandomEditsUndoAndRedoExactly) {
  const char* many = std::getenv("QUILLAN_RANDOM_SEEDS");
  const unsigned seeds = many ? static_cast<unsigned>(std::atoi(many)) : 40;
  for (unsigned seed = 1; seed <= seeds; ++seed) {
    const std::string failure = RunRandomEdits(seed, 250);
    if (!failure.empty()) {
      // Report the shortest run that fails, which is far easier to follow.
      int steps = 1;
      while (steps < 250 && RunRandomEdits(seed, steps).empty()) ++steps;
      FAIL() << failure << " (first fails after " << steps << " steps)";
    }
  }
}

}  // namespace
