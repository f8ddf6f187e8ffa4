#include <gtest/gtest.h>

#include <random>

#include "core_test_support.h"
#include "xeUtf8.h"

namespace {

TEST(Model, Defaults) {
  TxeEditModel m;
  EXPECT_EQ(m.LineCount(), 1);
  EXPECT_EQ(m.Text(), "\r\n");
  EXPECT_EQ(m.Options(), 963);
  EXPECT_EQ(m.MaxUndo(), 10);
  EXPECT_EQ(m.TabWidth(), 8);
  EXPECT_EQ(m.RightEdge(), 80);
  EXPECT_EQ(m.RightEdgeColor(), 12632256u);
  EXPECT_TRUE(m.InsertMode());
  EXPECT_FALSE(m.Modified());
  EXPECT_EQ(m.SelectionMode(), smNormal);
  EXPECT_EQ(m.CaretPos(), (TPoint{1, 1}));
}

struct TCaretCase {
  bool PastEol;
  TPoint Set;
  TPoint Expect;
};

TEST(Model, CaretSetterClamps) {
  const std::string longLine(3000, 'x');
  const std::vector<TCaretCase> cases = {
      {false, {50, 1}, {4, 1}},      {true, {50, 1}, {50, 1}}, {true, {2000, 1}, {1025, 1}},
      {false, {2, 0}, {1, 1}},       {false, {2, 99}, {2, 3}}, {false, {-5, 2}, {1, 2}},
      {true, {5000, 2}, {3001, 2}},  // every column of a long line is reachable
      {false, {5000, 2}, {3001, 2}},
  };
  for (const auto& c : cases) {
    TxeEditModel m;
    m.SetText("abc\n" + longLine + "\nxyz");
    m.SetOptions(c.PastEol ? (m.Options() | xeoScrollPastEol) : (m.Options() & ~xeoScrollPastEol));
    m.SetCaretPos(c.Set);
    EXPECT_EQ(m.CaretPos(), c.Expect) << c.Set.X << "," << c.Set.Y << " pastEol " << c.PastEol;
  }
}

TEST(Model, CaretNeverStandsInsideAMultiByteCharacter) {
  TxeEditModel m;
  m.SetText(
      "a\xC3\xA9"
      "b\xE2\x82\xAC"
      "c\xF0\x9F\x98\x80"
      "d");  // a é b € c 😀 d
  const std::vector<std::pair<int, int>> cases = {{3, 2},  {6, 5},  {7, 5},   {10, 9},
                                                  {11, 9}, {12, 9}, {13, 13}, {14, 14}};
  for (auto [set, expect] : cases) {
    m.SetCaretPos({set, 1});
    EXPECT_EQ(m.CaretCol(), expect) << set;
  }
  // Block points as well.
  m.SetSelBegin({3, 1});
  EXPECT_EQ(m.BlockBegin().X, 2);
  m.SetSelEnd({12, 1});
  EXPECT_EQ(m.BlockEnd().X, 9);
  // Invalid bytes are characters of their own.
  m.SetText(
      "\xC3"
      "x\x80y");
  m.SetCaretPos({2, 1});
  EXPECT_EQ(m.CaretCol(), 2);
  m.SetCaretPos({3, 1});
  EXPECT_EQ(m.CaretCol(), 3);
}

// The column a user counts: characters, whatever their byte length; a random walk over mixed lines
// checks the eight-byte ASCII stride against one character at a time.
TEST(Model, CharColumnCountsCharacters) {
  const std::string line =
      "a\xC3\xA9"
      "b\xE2\x82\xAC"
      "c\xF0\x9F\x98\x80"
      "d\xC3x";  // a é b € c 😀 d, an invalid byte, x
  const std::vector<std::pair<int, int>> cases = {{1, 1},  {2, 2},  {4, 3},  {5, 4},   {8, 5},   {9, 6},
                                                  {13, 7}, {14, 8}, {15, 9}, {16, 10}, {17, 11}, {20, 14}};
  for (auto [col, expect] : cases) EXPECT_EQ(CharColumn(line, col), expect) << col;

  std::mt19937 rng(7);
  const char* const pieces[] = {"abcdefgh", "x", "\xC3\xA9", "\xE4\xB8\xAD", "\x80", "\t"};
  for (int round = 0; round < 200; ++round) {
    std::string s;
    for (int n = rng() % 12; n > 0; --n) s += pieces[rng() % 6];
    int chars = 1;
    std::size_t i = 0;
    for (int col = 1; col <= int(s.size()) + 3; ++col) {
      if (!ColumnInsideChar(s, col)) {
        EXPECT_EQ(CharColumn(s, col), chars) << s << " @" << col;
      }
      if (i < s.size() && col == int(i) + 1) {
        i += std::size_t(Utf8CharLen(s, i));
        ++chars;
      } else if (i >= s.size() && col > int(s.size())) {
        ++chars;
      }
    }
  }
}

TEST(Model, TurningScrollPastEolOffPullsTheCaretBack) {
  TxeEditModel m;
  m.SetText("abc");
  m.SetCaretPos({20, 1});
  EXPECT_EQ(m.CaretCol(), 20);
  m.SetOptions(m.Options() & ~xeoScrollPastEol);
  EXPECT_EQ(m.CaretCol(), 4);
}

TEST(Model, SelBeginAndEndAreOrdered) {
  TxeEditModel m;
  m.SetText("hello\nworld\nagain");
  m.SetSelBegin({5, 2});
  m.SetSelEnd({1, 1});
  EXPECT_EQ(m.SelBegin(), (TPoint{1, 1}));
  EXPECT_EQ(m.SelEnd(), (TPoint{5, 2}));
  EXPECT_TRUE(m.HasSelection());
  // In normal mode the block stops at the line end; in column mode it may go beyond.
  m.SetSelBegin({40, 1});
  EXPECT_EQ(m.BlockBegin(), (TPoint{6, 1}));
  m.SetSelectionMode(smColumn);
  m.SetSelBegin({40, 1});
  EXPECT_EQ(m.BlockBegin(), (TPoint{40, 1}));
  m.SetSelEnd({40, 3});
  EXPECT_FALSE(m.HasSelection());  // same column, column mode
  m.SetSelEnd({2000, 3});
  EXPECT_EQ(m.BlockEnd().X, 1024);
  // xeoNoSelection ignores the block end.
  m.SetOptions(m.Options() | xeoNoSelection);
  m.SetSelEnd({1, 1});
  EXPECT_EQ(m.BlockEnd().X, 1024);
}

TEST(Model, StatusChangesAreReportedOncePerHold) {
  TxeEditModel m;
  m.SetText("one\ntwo\nthree");
  std::vector<TxeStatusChanges> reports;
  m.OnStatusChange = [&](TObject*, TxeStatusChanges c) { reports.push_back(c); };
  m.BeginUpdate();
  m.SetCaretPos({2, 1});
  m.SetCaretPos({2, 3});
  m.BeginUpdate();
  m.SetModified(true);
  m.EndUpdate();
  EXPECT_TRUE(reports.empty());
  m.EndUpdate();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], stCaretCol | stCaretLine | stModified);
  // Outside a hold each change is reported at once.
  reports.clear();
  m.SetInsertMode(false);
  m.SetModified(true);  // unchanged: nothing
  EXPECT_EQ(reports, std::vector<TxeStatusChanges>{stInsertMode});
}

TEST(Model, PropertySettersClamp) {
  TxeEditModel m;
  m.SetTabWidth(300);
  EXPECT_EQ(m.TabWidth(), 256);
  m.SetTabWidth(-1);
  EXPECT_EQ(m.TabWidth(), 0);
  m.SetMaxUndo(3);
  m.SetMaxUndo(-1);
  EXPECT_EQ(m.MaxUndo(), 3);
  m.SetOptions(xeoAutoIndent);
  EXPECT_EQ(m.AutoIndentCount(" \t x"), 3);
  m.SetOptions(0);
  EXPECT_EQ(m.AutoIndentCount("   x"), 0);
}

TEST(Model, ViewQuantitiesDriveScrolling) {
  TxeEditModel m;
  TTestView v;
  v.Rows = 10;
  v.Cols = 20;
  m.SetView(&v);
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line " + std::to_string(i) + "\n";
  m.SetText(text);
  m.SetCaretPos({1, 50});
  EXPECT_EQ(m.FirstVisibleLine(), 41);
  m.SetCaretPos({1, 5});
  EXPECT_EQ(m.FirstVisibleLine(), 5);
  m.SetFirstVisibleLine(1000);
  EXPECT_EQ(m.FirstVisibleLine(), 100);
  m.SetFirstVisibleColumn(5000);
  EXPECT_EQ(m.FirstVisibleColumn(), 1024 - 20 + 1);
  m.SetCaretPos({30, 5});
  EXPECT_EQ(m.FirstVisibleColumn(), 30);
  m.SetView(nullptr);
}

TEST(Model, SettingTheTextClearsBothUndoLists) {
  TxeEditModel m;
  m.ReplaceSelectionWithUndo("abc");
  m.Undo();
  m.ReplaceSelectionWithUndo("x");
  EXPECT_TRUE(m.UndoAvailable());
  EXPECT_TRUE(m.RedoAvailable());
  m.SetText("new");
  EXPECT_FALSE(m.UndoAvailable());
  EXPECT_FALSE(m.RedoAvailable());
  m.SetText("");
  EXPECT_EQ(m.LineCount(), 1);
}

// ---- highlighter ranges ----

std::vector<std::uint32_t> Ranges(const TxeEditModel& m) {
  std::vector<std::uint32_t> out;
  for (int i = 0; i < m.LineCount(); ++i) out.push_back(m.Lines().Objects(i));
  return out;
}

TEST(Model, RangesFollowEveryKindOfEdit) {
  TxeEditModel m;
  TBraceHighlighter h;
  m.SetText("a{\nb\nc}\nd\ne");
  m.SetHighLighter(&h);
  EXPECT_EQ(Ranges(m), (std::vector<std::uint32_t>{0, 1, 1, 0, 0}));

  m.SetLineText(2, "{{");  // the change runs down until a stored range matches
  EXPECT_EQ(Ranges(m), (std::vector<std::uint32_t>{0, 1, 3, 2, 2}));
  m.InsertText({1, 1}, "}\n");
  EXPECT_EQ(Ranges(m), (std::vector<std::uint32_t>{0, 0, 1, 3, 2, 2}));
  m.DeleteText({1, 3}, {1, 4});
  EXPECT_EQ(Ranges(m), (std::vector<std::uint32_t>{0, 0, 1, 0, 0}));
  m.InsertText({2, 5}, "\n{\nx");
  EXPECT_EQ(Ranges(m), (std::vector<std::uint32_t>{0, 0, 1, 0, 0, 0, 1}));
  m.InsertText({1, 2}, "{\n{\n");
  EXPECT_EQ(Ranges(m), (std::vector<std::uint32_t>{0, 0, 1, 2, 3, 2, 2, 2, 3}));
  // Undoing each of them gives the ranges of the text it restores.
  while (m.UndoAvailable()) m.Undo();
  EXPECT_EQ(Ranges(m), (std::vector<std::uint32_t>{0, 1, 1, 0, 0}));
}

TEST(Model, RescanStopsWhereAStoredRangeMatches) {
  TxeEditModel m;
  TBraceHighlighter h;
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "line\n";
  m.SetText(text);
  m.SetHighLighter(&h);
  h.LinesScanned = 0;
  m.SetLineText(501, "no brace");
  EXPECT_EQ(h.LinesScanned, 1);
  h.LinesScanned = 0;
  m.SetLineText(501, "{");
  EXPECT_EQ(h.LinesScanned, 500);  // everything below changes
  h.LinesScanned = 0;
  m.SetLineText(999, "}");
  EXPECT_EQ(h.LinesScanned, 2);
  EXPECT_EQ(m.Lines().Objects(999), 0u);
}

TEST(Model, BulkLoadScansEachLineOnce) {
  TxeEditModel m;
  TBraceHighlighter h;
  m.SetHighLighter(&h);
  h.LinesScanned = 0;
  m.SetText("{\n{\n}\nx\n");
  EXPECT_EQ(h.LinesScanned, 3);
  EXPECT_EQ(Ranges(m), (std::vector<std::uint32_t>{0, 1, 2, 1}));
  m.SetHighLighter(nullptr);
  m.SetText("}");
  EXPECT_EQ(m.Lines().Objects(0), TxeEditList::NoRange);
}

TEST(Model, LazyRangesScanOnlyWhatIsAskedFor) {
  TxeEditModel m;
  TTestView view;
  m.SetView(&view);
  m.SetLazyRanges(true);
  TBraceHighlighter h;
  m.SetHighLighter(&h);
  std::string text;
  for (int i = 0; i < 1000; ++i) text += i % 7 ? "x\n" : "{\n";
  h.LinesScanned = 0;
  m.SetText(text);
  EXPECT_EQ(h.LinesScanned, 0);
  EXPECT_FALSE(m.RangesComplete());
  // The first screen costs its own lines; a line far below costs the lines above it, once.
  EXPECT_EQ(m.Lines().Objects(19), 3u);
  EXPECT_EQ(h.LinesScanned, 19);
  EXPECT_EQ(m.Lines().Objects(999), 143u);
  EXPECT_EQ(h.LinesScanned, 999);
  EXPECT_TRUE(m.RangesComplete());
  m.SetHighLighter(nullptr);
  m.SetHighLighter(&h);
  while (!m.FillRangesSlice(0)) {
  }
  EXPECT_EQ(h.LinesScanned, 2 * 999);
}

// Lazy ranges, asked for in any order and filled in slices, always agree with ranges scanned at once,
// through random edits, undo and new texts.
TEST(Model, LazyRangesAgreeWithAWholeScan) {
  std::mt19937 rng(11);
  const auto pick = [&](int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(rng); };
  const auto piece = [&] {
    static const char* const bits[] = {"{", "}", "x", "\n", "{\n", "}\n", "ab"};
    std::string s;
    for (int k = pick(0, 6); k > 0; --k) s += bits[pick(0, 6)];
    return s;
  };
  TxeEditModel eager, lazy;
  lazy.SetLazyRanges(true);
  TBraceHighlighter he, hl;
  eager.SetHighLighter(&he);
  lazy.SetHighLighter(&hl);
  for (int step = 0; step < 3000; ++step) {
    TxeEditModel* both[] = {&eager, &lazy};
    const int n = eager.LineCount();
    TPoint a{pick(1, 6), pick(1, n)}, b{pick(1, 6), pick(1, n)};
    if (b.Y < a.Y || (b.Y == a.Y && b.X < a.X)) std::swap(a, b);
    const int kind = pick(0, 19);
    const std::string s = kind == 0 ? [&] {
      std::string t;
      for (int k = pick(0, 400); k > 0; --k) t += piece() + "\n";
      return t;
    }()
                                    : piece();
    for (TxeEditModel* m : both) {
      if (kind == 0)
        m->SetText(s);
      else if (kind < 8)
        m->InsertText(a, s);
      else if (kind < 13)
        m->DeleteText(a, b);
      else if (kind < 17)
        m->SetLineText(a.Y, s.substr(0, s.find('\n')));
      else if (m->UndoAvailable())
        m->Undo();
    }
    ASSERT_EQ(lazy.Text(), eager.Text());
    switch (pick(0, 3)) {
      case 0: lazy.FillRangesSlice(0); break;
      case 1: {
        const int i = pick(0, lazy.LineCount() - 1);
        ASSERT_EQ(lazy.Lines().Objects(i), eager.Lines().Objects(i)) << "step " << step << ", line " << i;
        break;
      }
      default: break;
    }
  }
  EXPECT_EQ(Ranges(lazy), Ranges(eager));
}

TEST(Model, DestroyedHighlighterIsForgotten) {
  TxeEditModel m;
  {
    TBraceHighlighter h;
    m.SetHighLighter(&h);
  }
  EXPECT_EQ(m.HighLighter(), nullptr);
  m.SetLineText(1, "{");  // must not touch the freed highlighter
}

TEST(Model, DestroyedModelLeavesTheHighlighterAlone) {
  TBraceHighlighter h;
  {
    TxeEditModel m;
    m.SetHighLighter(&h);
    EXPECT_EQ(h.ChangeChain().Count(), 1);
  }
  EXPECT_EQ(h.ChangeChain().Count(), 0);
  h.AttributeChanged(&h);  // nobody left to tell
}

TEST(Model, EditsInvalidateTheChangedRowsOnce) {
  TxeEditModel m;
  TTestView v;
  m.SetView(&v);
  m.SetText("a\nb\nc\nd");
  v.Invalidated.clear();
  m.SetCaretPos({2, 2});
  m.ReplaceSelection(smNormal, "x");
  ASSERT_EQ(v.Invalidated.size(), 1u);
  EXPECT_EQ(v.Invalidated[0], (std::pair<int, int>{2, 2}));
  m.SetView(nullptr);
}

TEST(Model, BookmarksOnePerLine) {
  TxeEditModel m;
  m.SetText("1\n2\n3");
  m.PlaceBookmark(5, 1, 2);
  m.PlaceBookmark(3, 1, 2);
  EXPECT_EQ(m.Bookmark(5), nullptr);
  ASSERT_NE(m.Bookmark(3), nullptr);
  EXPECT_EQ(m.Marks().Count(), 1);
  m.PlaceBookmark(3, 1, 9);  // no such line
  EXPECT_EQ(m.Bookmark(3)->Line(), 2);
  m.SetText("1");
  m.JumpToBookmark(3);  // its line is gone: nothing happens
  EXPECT_EQ(m.CaretPos(), (TPoint{1, 1}));
}

}  // namespace
