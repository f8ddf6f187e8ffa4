// Caret movement and selection commands, scrolling commands, modes and bracket matching.
#include <gtest/gtest.h>

#include "commands_script.h"

namespace {
constexpr TxeEditorOptions kNoPastEol = xeDefaultOptions & ~xeoScrollPastEol;
}

TEST(CommandsMovement, HorizontalAndVerticalScripts) {
  const TScriptCase cases[] = {
      {"right inside", "ab|c\nd", "{Right}", "abc|\nd"},
      {"right past the end", "ab|c\nd", "{Right*3}", "abc~~|\nd"},
      {"right wraps without past-eol", "ab|c\nd", "{Right*2}", "abc\n|d", kNoPastEol},
      {"right stops on the last line", "a|b", "{Right*4}", "ab|", kNoPastEol},
      {"left wraps without past-eol", "abc\n|d", "{Left}", "abc|\nd", kNoPastEol},
      {"left stays in column 1", "abc\n|d", "{Left}", "abc\n|d"},
      {"left at the very start", "|ab", "{Left}", "|ab", kNoPastEol},
      {"left from beyond the end", "ab~~|", "{Left}", "ab~|"},
      {"right over a two-byte character",
       "a|\xC3\xA9"
       "b",
       "{Right}", "a\xC3\xA9|b"},
      {"left over a three-byte character", "a\xE2\x82\xAC|b", "{Left}",
       "a|\xE2\x82\xAC"
       "b"},
      {"right over four bytes", "|\xF0\x9F\x98\x80", "{Right}", "\xF0\x9F\x98\x80|", kNoPastEol},
      {"up keeps the column", "abcdef\nab|c", "{Up}", "ab|cdef\nabc"},
      {"down clamps to a short line", "abc|def\nab", "{Down}", "abcdef\nab|", kNoPastEol},
      {"down keeps a column beyond the end", "abc|def\nab", "{Down}", "abcdef\nab~|"},
      {"up on line 1 stays", "a|b\nc", "{Up}", "a|b\nc"},
      {"down on the last line stays", "a\nb|c", "{Down}", "a\nb|c"},
      // Column 4 of the second line is inside the euro sign: step back, then forward again on the way up.
      {"down steps off a character", "abc|d\n\xC3\xA9\xE2\x82\xAC", "{Down}", "abcd\n\xC3\xA9|\xE2\x82\xAC"},
      {"and up returns", "abc|d\n\xC3\xA9\xE2\x82\xAC", "{Down}{Up}", "abc|d\n\xC3\xA9\xE2\x82\xAC"},
      {"home and end", "  ab|cd", "{End}", "  abcd|"},
      {"home", "  ab|cd", "{Home}", "|  abcd"},
      {"word right", "foo |bar baz", "{WordRight}", "foo bar |baz"},
      {"word right to the next line", "foo ba|r\n  baz", "{WordRight}", "foo bar\n  |baz"},
      {"word right at the last word", "foo bar\n  |baz", "{WordRight}", "foo bar\n  baz|"},
      {"word left", "foo bar| baz", "{WordLeft}", "foo |bar baz"},
      {"word left to the line above", "foo\n  |bar", "{WordLeft}", "foo|\n  bar"},
      {"editor bottom and top", "a|b\ncde", "{EditorBottom}", "ab\ncde|"},
      {"editor top", "ab\nc|de", "{EditorTop}", "|ab\ncde"},
  };
  RunScriptCases(cases, std::size(cases));
}

TEST(CommandsMovement, SelectionTwinsExtendAndPlainMovesCollapse) {
  TScriptModel s;
  auto& m = s.Model;
  LoadMarked(m, "ab|cd\nefgh");
  RunScript(m, "{S-Right*2}");
  EXPECT_EQ(m.SelectedText(), "cd");
  RunScript(m, "{S-Down}");
  EXPECT_EQ(m.SelectedText(), "cd\r\nefgh");
  RunScript(m, "{S-Up}{S-Left*3}");
  EXPECT_EQ(m.SelectedText(), "b");
  EXPECT_EQ(m.SelBegin(), (TPoint{2, 1}));
  RunScript(m, "{Right}");
  EXPECT_FALSE(m.HasSelection());
  EXPECT_EQ(m.CaretPos(), (TPoint{3, 1}));
  RunScript(m, "{SelEditorBottom}");
  EXPECT_EQ(m.SelectedText(), "cd\r\nefgh");
  RunScript(m, "{SelectAll}");
  EXPECT_EQ(m.SelectedText(), "abcd\r\nefgh");
  EXPECT_EQ(m.CaretPos(), (TPoint{5, 2}));
  RunScript(m, "{SelWordLeft}");
  EXPECT_EQ(m.SelectedText(), "abcd\r\n");
}

TEST(CommandsMovement, PagesAndGoto) {
  TScriptModel s;
  auto& m = s.Model;
  s.View.Rows = 10;
  std::string text;
  for (int i = 1; i <= 50; ++i) text += "line " + std::to_string(i) + "\r\n";
  m.SetText(text);
  m.SetCaretPos({3, 1});
  struct Step {
    TxeEditorCommand command;
    TxeEditorOptions options;
    TPoint caret;
  } steps[] = {
      {ecPageDown, xeDefaultOptions, {3, 11}},
      {ecPageDown, xeDefaultOptions | xeoHalfPageScroll, {3, 16}},
      {ecPageUp, xeDefaultOptions, {3, 6}},
      {ecPageBottom, xeDefaultOptions, {3, -1}},  // the last visible line
      {ecEditorBottom, xeDefaultOptions, {8, 50}},
      {ecPageUp, xeDefaultOptions, {8, 40}},
      {ecPageTop, xeDefaultOptions, {8, 0}},  // line checked against FirstVisibleLine below
      {ecEditorTop, xeDefaultOptions, {1, 1}},
      {ecPageUp, xeDefaultOptions, {1, 1}},
  };
  for (const auto& st : steps) {
    m.SetOptions(st.options);
    m.CommandProcessor(st.command);
    const TPoint want = st.caret.Y == 0    ? TPoint{st.caret.X, m.FirstVisibleLine()}
                        : st.caret.Y == -1 ? TPoint{st.caret.X, m.FirstVisibleLine() + 9}
                                           : st.caret;
    EXPECT_EQ(m.CaretPos(), want) << EditorCommandToCodeString(st.command);
    EXPECT_GE(m.CaretLine(), m.FirstVisibleLine());
    EXPECT_LE(m.CaretLine(), m.FirstVisibleLine() + 9);
  }
  const TPoint target{4, 30};
  m.CommandProcessor(ecGotoXY, 0, &target);
  EXPECT_EQ(m.CaretPos(), target);
  m.CommandProcessor(ecSelGotoXY, 0, nullptr);  // no data: nothing
  EXPECT_EQ(m.CaretPos(), target);
  const TPoint far{2, 1000};
  m.CommandProcessor(ecSelGotoXY, 0, &far);
  EXPECT_EQ(m.CaretPos(), (TPoint{2, 50}));
  EXPECT_TRUE(m.HasSelection());
}

TEST(CommandsMovement, ScrollCommandsKeepTheCaretInView) {
  TScriptModel s;
  auto& m = s.Model;
  s.View.Rows = 10;
  s.View.Cols = 20;
  std::string text;
  for (int i = 1; i <= 30; ++i) text += std::string(60, 'x') + "\r\n";
  m.SetText(text);
  m.SetCaretPos({5, 1});
  m.CommandProcessor(ecScrollDown);
  EXPECT_EQ(m.FirstVisibleLine(), 2);
  EXPECT_EQ(m.CaretPos(), (TPoint{5, 2}));
  m.SetCaretPos({5, 11});
  m.CommandProcessor(ecScrollUp);
  EXPECT_EQ(m.FirstVisibleLine(), 1);
  EXPECT_EQ(m.CaretLine(), 10);
  m.CommandProcessor(ecScrollUp);  // already at the top
  EXPECT_EQ(m.FirstVisibleLine(), 1);
  m.SetCaretPos({1, 5});
  m.CommandProcessor(ecScrollRight);
  EXPECT_EQ(m.FirstVisibleColumn(), 2);
  EXPECT_EQ(m.CaretCol(), 2);
  m.SetCaretPos({22, 5});
  m.CommandProcessor(ecScrollLeft);
  EXPECT_EQ(m.CaretCol(), m.FirstVisibleColumn() + 20);
}

TEST(CommandsMovement, ModesAndBracket) {
  TScriptModel s;
  auto& m = s.Model;
  m.CommandProcessor(ecToggleMode);
  EXPECT_FALSE(m.InsertMode());
  m.CommandProcessor(ecInsertMode);
  EXPECT_TRUE(m.InsertMode());
  m.CommandProcessor(ecOverwriteMode);
  EXPECT_FALSE(m.InsertMode());
  for (auto [cmd, mode] :
       {std::pair{ecColumnSelect, smColumn}, {ecLineSelect, smLine}, {ecNormalSelect, smNormal}}) {
    m.CommandProcessor(cmd);
    EXPECT_EQ(m.SelectionMode(), mode);
  }

  const TScriptCase cases[] = {
      {"opening to closing", "f|(a[1])", "{MatchBracket}", "f(a[1]|)"},
      {"closing to opening", "f(a[1]|)", "{MatchBracket}", "f|(a[1])"},
      {"over lines", "|{\n  x{}\n}", "{MatchBracket}", "{\n  x{}\n|}"},
      {"unmatched", "|(\nx", "{MatchBracket}", "|(\nx"},
      {"not on a bracket", "a|b()", "{MatchBracket}", "a|b()"},
      {"beyond the end", "()~|", "{MatchBracket}", "()~|"},
  };
  RunScriptCases(cases, std::size(cases));
}
