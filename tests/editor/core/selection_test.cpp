#include <gtest/gtest.h>

#include "core_test_support.h"

namespace {

struct TSelCase {
  const char* Name;
  std::string Text;
  TSelectionMode Mode;
  TPoint Begin;
  TPoint End;
  std::string Selected;
  std::string After;  // the text once the selection is deleted
  TPoint Caret;       // and the caret then
};

TEST(Selection, TextAndDeletionInEveryMode) {
  // clang-format off
  const std::vector<TSelCase> cases = {
      {"normal one line", "hello world", smNormal, {7, 1}, {12, 1}, "world", "hello\r\n", {7, 1}},
      {"normal backwards", "hello world", smNormal, {12, 1}, {7, 1}, "world", "hello\r\n", {7, 1}},
      {"normal lines", "abc\ndef\nghi", smNormal, {2, 1}, {3, 3}, "bc\r\ndef\r\ngh", "ai\r\n", {2, 1}},
      {"normal to line start", "abc\ndef", smNormal, {4, 1}, {1, 2}, "\r\n", "abcdef\r\n", {4, 1}},
      {"column", "abc\na\nabcdef", smColumn, {2, 1}, {4, 3}, "bc\r\n  \r\nbc", "a\r\na\r\nadef\r\n", {2, 3}},
      {"column reversed", "abc\na\nabcdef", smColumn, {4, 3}, {2, 1}, "bc\r\n  \r\nbc", "a\r\na\r\nadef\r\n",
       {2, 1}},
      {"line inside", "1\n2\n3\n4", smLine, {1, 2}, {1, 3}, "2\r\n3\r\n", "1\r\n4\r\n", {1, 2}},
      {"line to the end", "1\n2\n3", smLine, {1, 2}, {1, 3}, "2\r\n3", "1\r\n\r\n", {1, 2}},
      {"line everything", "1\n2\n3", smLine, {1, 1}, {1, 3}, "1\r\n2\r\n3", "\r\n", {1, 1}},
      {"multi-byte column edges", "x\xC3\xA9y\nxxyy", smColumn, {3, 2}, {4, 1}, " \r\ny", "x\xC3\xA9y\r\nxxy\r\n",
       {2, 1}},
  };
  // clang-format on
  for (const auto& c : cases) {
    TxeEditModel m;
    m.SetText(c.Text);
    m.SetSelectionMode(c.Mode);
    m.SetSelBegin(c.Begin);
    m.SetSelEnd(c.End);
    EXPECT_EQ(m.SelectedText(), c.Selected) << c.Name;
    m.SetSelectedText("");
    EXPECT_EQ(m.Text(), c.After) << c.Name;
    EXPECT_EQ(m.CaretPos(), c.Caret) << c.Name;
    EXPECT_FALSE(m.HasSelection()) << c.Name;
  }
}

struct TInsertCase {
  const char* Name;
  std::string Text;
  TPoint Caret;
  TSelectionMode Mode;
  std::string Insert;
  std::string After;
  TPoint CaretAfter;
  int Added;
};

TEST(Selection, InsertionInEveryMode) {
  // clang-format off
  const std::vector<TInsertCase> cases = {
      {"stream", "abcd", {3, 1}, smNormal, "XY", "abXYcd\r\n", {5, 1}, 0},
      {"stream with breaks", "abcd", {3, 1}, smNormal, "1\r\n2\n3", "ab1\r\n2\r\n3cd\r\n", {2, 3}, 2},
      {"stream past the end pads", "ab", {5, 1}, smNormal, "X", "ab  X\r\n", {6, 1}, 0},
      {"stream ending in a break", "ab", {2, 1}, smNormal, "X\r\n", "aX\r\nb\r\n", {1, 2}, 1},
      {"column", "abc\na\nabcdef", {2, 1}, smColumn, "12\r\n34\r\n56", "a12bc\r\na34\r\na56bcdef\r\n", {4, 3}, 0},
      {"column pads and appends", "abcdef", {4, 1}, smColumn, "X\rY", "abcXdef\r\n   Y\r\n", {5, 2}, 0},
      {"lines", "a\nb", {2, 2}, smLine, "1\r\n2\r\n", "a\r\n1\r\n2\r\nb\r\n", {1, 4}, 2},
      {"lines with a final piece", "a\nb", {1, 2}, smLine, "1\r\n2", "a\r\n1\r\n2b\r\n", {2, 3}, 1},
  };
  // clang-format on
  for (const auto& c : cases) {
    TxeEditModel m;
    m.SetText(c.Text);
    m.SetCaretPos(c.Caret);
    m.SetSelBegin(c.Caret);
    const int added = m.ReplaceSelection(c.Mode, c.Insert);
    EXPECT_EQ(m.Text(), c.After) << c.Name;
    EXPECT_EQ(m.CaretPos(), c.CaretAfter) << c.Name;
    EXPECT_EQ(added, c.Added) << c.Name;
  }
}

TEST(Selection, MultiByteCharactersAreNeverSplitByColumnInsertion) {
  TxeEditModel m;
  m.SetText(
      "a\xE2\x82\xAC"
      "b");  // a € b
  m.SetOptions(m.Options() | xeoScrollPastEol);
  m.SetSelectionMode(smColumn);
  m.SetCaretPos({3, 1});  // inside the euro sign: snaps to its start
  EXPECT_EQ(m.CaretCol(), 2);
  m.ReplaceSelection(smColumn, "X");
  EXPECT_EQ(m.LineText(1),
            "aX\xE2\x82\xAC"
            "b");
}

TEST(Selection, DeletionMovesBookmarks) {
  TxeEditModel m;
  m.SetText("1\n2\n3\n4\n5\n6");
  m.PlaceBookmark(0, 1, 3);  // inside
  m.PlaceBookmark(1, 1, 4);  // on the end line
  m.PlaceBookmark(2, 1, 6);  // below
  m.SetSelBegin({1, 2});
  m.SetSelEnd({1, 4});
  m.SetSelectedText("");
  EXPECT_EQ(m.Bookmark(0)->Line(), 2);
  EXPECT_EQ(m.Bookmark(1)->Line(), 2);
  EXPECT_EQ(m.Bookmark(2)->Line(), 4);
  // Inserting lines above moves them down again.
  m.SetCaretPos({1, 1});
  m.ReplaceSelection(smNormal, "x\r\ny\r\n");
  EXPECT_EQ(m.Bookmark(2)->Line(), 6);
}

TEST(Selection, ReplaceWithUndoLeavesTheCaretAfterTheText) {
  TxeEditModel m;
  m.SetText("hello world");
  m.SetSelBegin({7, 1});
  m.SetSelEnd({12, 1});
  m.ReplaceSelectionWithUndo("x");
  EXPECT_EQ(m.Text(), "hello x\r\n");
  EXPECT_FALSE(m.HasSelection());
  EXPECT_EQ(m.CaretPos(), (TPoint{8, 1}));
  EXPECT_TRUE(m.Modified());
  m.Undo();
  EXPECT_EQ(m.Text(), "hello world\r\n");
  EXPECT_EQ(m.SelectedText(), "world");
}

TEST(Selection, SelectAll) {
  TxeEditModel m;
  m.SetText("ab\ncde");
  m.SelectAll();
  EXPECT_EQ(m.SelectedText(), "ab\r\ncde");
  EXPECT_EQ(m.CaretPos(), (TPoint{4, 2}));
}

TEST(Clipboard, ColumnBlockPastesAsARectangle) {
  TxeEditModel m;
  TxeMemoryClipboard clip;
  m.SetClipboard(&clip);
  m.SetText("abc\na\nabcdef\nxxxx\nyyyy\nzzzz");
  m.SetSelectionMode(smColumn);
  m.SetSelBegin({2, 1});
  m.SetSelEnd({4, 3});
  m.CopyToClipboard();
  EXPECT_EQ(clip.Text(), "bc\r\n  \r\nbc");
  std::string block;
  ASSERT_TRUE(clip.Block(block));
  EXPECT_EQ(block, std::string("\x01"
                               "bc\r\n  \r\nbc\0",
                               12));

  m.SetSelectionMode(smNormal);
  m.SetCaretPos({2, 4});
  m.SetSelBegin({2, 4});
  m.PasteFromClipboard();
  EXPECT_EQ(m.Text(), "abc\r\na\r\nabcdef\r\nxbcxxx\r\ny  yyy\r\nzbczzz\r\n");
  EXPECT_EQ(m.CaretPos(), (TPoint{2, 6}));  // the line below the rectangle, clamped
  m.Undo();
  EXPECT_EQ(m.Text(), "abc\r\na\r\nabcdef\r\nxxxx\r\nyyyy\r\nzzzz\r\n");

  // The same text from another program goes in as a stream.
  clip.SetPlainText("bc\r\n  \r\nbc");
  m.SetCaretPos({2, 4});
  m.PasteFromClipboard();
  EXPECT_EQ(m.Text(), "abc\r\na\r\nabcdef\r\nxbc\r\n  \r\nbcxxx\r\nyyyy\r\nzzzz\r\n");
}

TEST(Clipboard, CutAndPasteOverASelectionUndoAsOneStep) {
  TxeEditModel m;
  TxeMemoryClipboard clip;
  m.SetClipboard(&clip);
  m.SetText("one two three");
  m.SetSelBegin({5, 1});
  m.SetSelEnd({9, 1});
  m.CutToClipboard();
  EXPECT_EQ(m.Text(), "one three\r\n");
  EXPECT_EQ(m.UndoCount(), 1);
  EXPECT_EQ(clip.Text(), "two ");

  m.SetSelBegin({1, 1});
  m.SetSelEnd({4, 1});
  m.PasteFromClipboard();
  EXPECT_EQ(m.Text(), "two  three\r\n");
  m.Undo();
  EXPECT_EQ(m.Text(), "one three\r\n");
  EXPECT_EQ(m.SelectedText(), "one");
  m.Undo();
  EXPECT_EQ(m.Text(), "one two three\r\n");
  m.Redo();
  m.Redo();
  EXPECT_EQ(m.Text(), "two  three\r\n");
}

TEST(Clipboard, LineBlockRoundTrip) {
  TxeEditModel m;
  TxeMemoryClipboard clip;
  m.SetClipboard(&clip);
  m.SetText("a\nb\nc");
  m.SetSelectionMode(smLine);
  m.SetSelBegin({1, 2});
  m.SetSelEnd({1, 3});  // includes the last line: no final break
  m.CopyToClipboard();
  m.SetSelectionMode(smNormal);
  m.SetCaretPos({1, 1});
  m.SetSelBegin({1, 1});
  m.PasteFromClipboard();
  EXPECT_EQ(m.Text(), "b\r\nca\r\nb\r\nc\r\n");
  m.Undo();
  EXPECT_EQ(m.Text(), "a\r\nb\r\nc\r\n");
  m.Redo();
  EXPECT_EQ(m.Text(), "b\r\nca\r\nb\r\nc\r\n");
}

// Pasting a large block and undoing it, again and again, holds no more than the copies the undo lists keep.
TEST(Clipboard, PasteAndUndoFreeTheText) {
  std::string block;
  for (int i = 0; i < 5000; ++i) block += "<div class=\"line\">" + std::to_string(i) + "</div>\r\n";
  TxeEditModel m;
  TxeMemoryClipboard clip;
  m.SetClipboard(&clip);
  m.SetMaxUndo(2);
  m.SetText("one line");
  clip.SetPlainText(block);
  for (int round = 0; round < 40; ++round) {
    m.SetCaretPos({4, 1});
    m.PasteFromClipboard();
    m.Undo();
  }
  EXPECT_EQ(m.Text(), "one line\r\n");
  EXPECT_LT(m.Lines().StorageBytes(), 2 * block.size());
}

TEST(Clipboard, FailuresRaise) {
  class TBrokenClipboard : public TxeMemoryClipboard {
   public:
    bool SetContent(std::string_view, const std::string*) override { return false; }
    bool HasBlock() const override { return true; }
    bool Block(std::string&) const override { return false; }
  } broken;
  TxeEditModel m;
  m.SetClipboard(&broken);
  m.SetText("abc");
  m.SelectAll();
  EXPECT_THROW(m.CopyToClipboard(), ExeEditError);
  EXPECT_THROW(m.CutToClipboard(), ExeEditError);
  EXPECT_EQ(m.Text(), "abc\r\n");  // a failed cut removes nothing
  EXPECT_THROW(m.PasteFromClipboard(), ExeEditError);
  EXPECT_EQ(m.UpdateCount(), 0);
}

}  // namespace

namespace {

TEST(Selection, UndoGivesBackBlanksTheDeletionTrimmed) {
  TxeEditModel m;
  m.SetText("ab cd  ");
  m.SetSelBegin({4, 1});
  m.SetSelEnd({6, 1});
  m.ReplaceSelectionWithUndo("");
  EXPECT_EQ(m.Text(), "ab\r\n");  // the joined line keeps no trailing blanks
  m.Undo();
  EXPECT_EQ(m.Text(), "ab cd  \r\n");
  m.Redo();
  EXPECT_EQ(m.Text(), "ab\r\n");
  m.Undo();
  EXPECT_EQ(m.Text(), "ab cd  \r\n");
}

}  // namespace
