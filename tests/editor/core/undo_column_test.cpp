// Undo and redo of column-mode edits must give back exactly the text before and after the edit.
#include <gtest/gtest.h>

#include <string>

#include "core_test_support.h"
#include "xeKeyCmds.h"

namespace {

// Pastes a column block at a caret; the block may reach past the last line.
TEST(UndoColumn, PastedBlockPastTheEndIsTakenBackExactly) {
  struct Case {
    const char* Start;
    TPoint Caret;
    const char* Block;
    const char* Pasted;
  };
  const Case cases[] = {
      {"ab\ncd", {2, 2}, "X\r\nY\r\nZ", "ab\r\ncXd\r\n Y\r\n Z\r\n"},
      {"ab", {1, 1}, "X\r\nY", "Xab\r\nY\r\n"},
      {"ab\n", {3, 1}, "1\r\n\r\n3", "ab1\r\n\r\n  3\r\n"},
  };
  for (const Case& c : cases) {
    TxeEditModel m;
    TxeMemoryClipboard clip;
    m.SetClipboard(&clip);
    m.SetText(c.Start);
    const std::string start = m.Text();
    std::string block("\x01");
    block.append(c.Block);
    block.push_back('\0');
    clip.SetContent(c.Block, &block);
    m.SetCaretPos(c.Caret);
    m.PasteFromClipboard();
    EXPECT_EQ(m.Text(), c.Pasted) << c.Start;
    m.Undo();
    EXPECT_EQ(m.Text(), start) << c.Start;
    m.Redo();
    EXPECT_EQ(m.Text(), c.Pasted) << c.Start;
    m.Undo();
    EXPECT_EQ(m.Text(), start) << c.Start;
  }
}

TEST(UndoColumn, IndentRedoneAfterTheTextShrankAddsNoLine) {
  TxeEditModel m;
  m.SetTabWidth(2);
  m.SetText("a\nb\nc");
  m.SetSelBegin({1, 1});
  m.SetSelEnd({2, 3});
  m.CommandProcessor(ecBlockIndent);
  EXPECT_EQ(m.Text(), "  a\r\n  b\r\n  c\r\n");
  m.Undo();
  EXPECT_EQ(m.Text(), "a\r\nb\r\nc\r\n");
  // Another edit that takes a line away; the redo list stays.
  m.SetSelBegin({1, 2});
  m.SetSelEnd({1, 3});
  m.DeleteSelectionWithUndo(ukDeletedBack);
  ASSERT_EQ(m.Text(), "a\r\nc\r\n");
  ASSERT_TRUE(m.RedoAvailable());
  m.Redo();
  EXPECT_EQ(m.Text(), "  a\r\n  c\r\n");
  m.Undo();
  EXPECT_EQ(m.Text(), "a\r\nc\r\n");
}

// Block edges inside two-byte characters on some lines: each line's piece widens to whole characters, and
// undo must not leave blanks for the cut characters inside the lines. Every block over the first two lines.
TEST(UndoColumn, BlockEdgesInsideCharactersComeBackExactly) {
  const char* starts[] = {
      "abcde\na\xC3\xA9"
      "bc",
      "abcde\na\xC3\xA9"
      "bc\nabcde",
      "abcdef\nab\xC3\xA9"
      "c\nxy",
      "a\xC3\xA9\xC3\xA9"
      "bc\nabcdefg",
      "a\xC3\xA9\na"};
  enum { Delete, Cut, TypeOver };
  for (const char* st : starts) {
    for (int l = 1; l <= 5; ++l) {
      for (int r = l + 1; r <= 6; ++r) {
        for (int edit : {Delete, Cut, TypeOver}) {
          TxeEditModel m;
          TxeMemoryClipboard clip;
          m.SetClipboard(&clip);
          m.SetText(st);
          const std::string start = m.Text();
          m.SetSelectionMode(smColumn);
          m.SetSelBegin({l, 1});
          m.SetSelEnd({r, 2});
          if (edit == Delete) m.DeleteSelectionWithUndo(ukDeletedBack);
          if (edit == Cut) m.CutToClipboard();
          if (edit == TypeOver) m.ReplaceSelectionWithUndo("Q");
          const std::string done = m.Text();
          const std::string what = std::string(st) + " cols " + std::to_string(l) + ".." + std::to_string(r) +
                                   " edit " + std::to_string(edit);
          while (m.UndoAvailable()) m.Undo();
          EXPECT_EQ(m.Text(), start) << what;
          while (m.RedoAvailable()) m.Redo();
          EXPECT_EQ(m.Text(), done) << what;
          while (m.UndoAvailable()) m.Undo();
          EXPECT_EQ(m.Text(), start) << what;
        }
      }
    }
  }
}

}  // namespace
