// Deletion commands, block indent and unindent, each checked by undoing and redoing it all.
#include <gtest/gtest.h>

#include "commands_script.h"

namespace {
constexpr TxeEditorOptions kNoPastEol = xeDefaultOptions & ~xeoScrollPastEol;
constexpr TxeEditorOptions kNoIndent = xeDefaultOptions & ~xeoAutoIndent;
}  // namespace

TEST(CommandsDeletion, BackspaceScripts) {
  const TScriptCase cases[] = {
      {"a character", "ab|c", "{BS}", "a|c"},
      {"column 1 of line 1", "|ab", "{BS}", "|ab"},
      {"joins line 3 to line 2", "a\nb\n|c", "{BS}", "a\nb|c"},
      {"joins to an empty line", "\n|c", "{BS}", "|c"},
      {"beyond the end only moves", "ab~~|", "{BS}", "ab~|"},
      {"a whole multi-byte character", "a\xE2\x82\xAC|b", "{BS}", "a|b"},
      {"leaves no trailing blanks", "ab c|", "{BS}", "ab~|"},
      {"without past-eol", "ab c|", "{BS*2}", "a|", kNoPastEol},
      // Smart backspace goes back to the indent of the nearest line above that is indented less.
      {"smart backspace", "    y\n        |x", "{BS}", "    y\n    |x"},
      {"smart backspace twice", "    y\n        |x", "{BS*2}", "    y\n|x"},
      {"smart backspace to a smaller indent", "  a\n      b\n        |x", "{BS}", "  a\n      b\n      |x"},
      {"inside the indent it is a plain backspace", "    y\n      | x", "{BS}", "    y\n     | x"},
      {"without auto-indent", "    y\n        |x", "{BS}", "    y\n       |x", kNoIndent},
  };
  RunScriptCases(cases, std::size(cases));
}

TEST(CommandsDeletion, DeleteScripts) {
  const TScriptCase cases[] = {
      {"a character", "a|bc", "{Del}", "a|c"},
      {"a multi-byte character",
       "a|\xF0\x9F\x98\x80"
       "c",
       "{Del}", "a|c"},
      {"at the end joins the next line", "ab|\ncd", "{Del}", "ab|cd"},
      {"beyond the end fills with blanks", "ab~~|\ncd", "{Del}", "ab  |cd"},
      {"beyond the end, empty next line", "ab~~|\n\ncd", "{Del}", "ab~~|\ncd"},
      {"join undone puts the caret back", "ab~~|\ncd", "{Del}{Undo}", "ab~~|\ncd"},
      {"trailing blanks come back", "ab|cd  ", "{Del}", "ab|d", kNoPastEol},
      {"on the last line nothing", "ab|", "{Del}", "ab|"},
      {"leaves no trailing blanks", "a |b", "{Del}", "a~|"},
      {"word", "foo |bar baz", "{DeleteWord}", "foo |baz"},
      {"word to the next line", "foo|\n  bar", "{DeleteWord}", "foo|bar"},
      {"word beyond the end", "foo~~|\n  bar", "{DeleteWord}", "foo|bar"},
      {"last word", "foo bar|", "{DeleteLastWord}", "foo~|"},
      {"last word from the next line", "foo\n|bar", "{DeleteLastWord}", "foo|bar"},
      {"to the line start", "abc|def", "{DeleteBOL}", "|def"},
      {"to the line start from beyond", "abc~|", "{DeleteBOL}", "|"},
      {"to the line end", "abc|def", "{DeleteEOL}", "abc|"},
      {"to the line end leaves no blanks", "ab |def", "{DeleteEOL}", "ab~|"},
      {"line", "a\nb|c\nd", "{DeleteLine}", "a\n|d"},
      {"last line", "a\nb|c", "{DeleteLine}", "|a"},
      {"only line", "b|c", "{DeleteLine}", "|"},
      {"empty document", "|", "{DeleteLine}", "|"},
      {"clear all", "ab\nc|d", "{ClearAll}", "|"},
  };
  RunScriptCases(cases, std::size(cases));
}

// Column blocks: edges inside multi-byte characters widen to whole characters, and undo gives back exactly
// the bytes that went.
TEST(CommandsDeletion, ColumnBlocks) {
  // "\xC5\xBC\xC3\xB3\xC5\x82w \xC4\x85\xC4\x99" is "zolw ae" with Polish letters, two bytes each but w and
  // the blank.
  const char* const start = "\xC5\xBC\xC3\xB3\xC5\x82w \xC4\x85\xC4\x99\nx|";
  const char* const block =
      "{ColumnSelect}{S-Right*5}{S-Up}";  // columns 2 to 7, the left edge inside a character
  const std::string typed = std::string(block) + "Q";
  const std::string deleted = std::string(block) + "{Del}";
  const std::string cut = std::string(block) + "{Cut}";
  const TScriptCase cases[] = {
      // The caret goes to the left edge, which is the start of the character it fell in.
      {"typed over", start, typed.c_str(), "Q|\xC5\xBCw \xC4\x85\xC4\x99\nx"},
      {"deleted", start, deleted.c_str(), "|\xC5\xBCw \xC4\x85\xC4\x99\nx"},
      {"cut", start, cut.c_str(), "|\xC5\xBCw \xC4\x85\xC4\x99\nx"},
      // Without past-eol a block pasted past the last line adds lines that undo takes away again.
      {"pasted past the end", "|xyz\nq\n12\n",
       "{ColumnSelect}{S-Right*3}{S-Down}{Copy}{NormalSelect}{EditorBottom}{Paste}", "xyz\nq\n12\nxyz\n|q",
       xeDefaultOptions & ~xeoScrollPastEol},
  };
  RunScriptCases(cases, std::size(cases));
}

TEST(CommandsDeletion, SelectionsAndDoneEvents) {
  TScriptModel s;
  auto& m = s.Model;
  int done = 0;
  m.OnCommandDone = [&](TObject*) { ++done; };
  struct Case {
    TxeEditorCommand command;
    bool doneFired;
  } cases[] = {
      {ecDeleteLastChar, false},
      {ecDeleteChar, false},
  };
  for (const auto& c : cases) {
    LoadMarked(m, "ab|cd\nef");
    RunScript(m, "{S-Down}");
    done = 0;
    m.CommandProcessor(c.command);
    EXPECT_EQ(ShowMarked(m), "ab|");
    EXPECT_EQ(m.UndoCount(), 1);
    EXPECT_EQ(done, c.doneFired ? 1 : 0);
    m.CommandProcessor(ecUndo);
    EXPECT_EQ(m.Text(), "abcd\r\nef\r\n");
    EXPECT_EQ(m.SelectedText(), "cd\r\nef");
  }
  // Column selections go in their own mode.
  LoadMarked(m, "|abcd\nefgh\nijkl");
  m.CommandProcessor(ecColumnSelect);
  const TPoint to{3, 3};
  m.CommandProcessor(ecRight);
  m.CommandProcessor(ecSelGotoXY, 0, &to);
  EXPECT_EQ(m.SelectedText(), "b\r\nf\r\nj");
  m.CommandProcessor(ecDeleteChar);
  EXPECT_EQ(m.Text(), "acd\r\negh\r\nikl\r\n");
  m.CommandProcessor(ecUndo);
  EXPECT_EQ(m.Text(), "abcd\r\nefgh\r\nijkl\r\n");
  // ecDeleteLine collapses a selection first.
  m.CommandProcessor(ecNormalSelect);
  LoadMarked(m, "a|b\ncd\nef");
  RunScript(m, "{S-Down}{DeleteLine}");
  EXPECT_EQ(ShowMarked(m), "ab\n|ef");
}

TEST(CommandsDeletion, MarksFollowJoinedAndDeletedLines) {
  TScriptModel s;
  auto& m = s.Model;
  LoadMarked(m, "a\nb\n|c\nd");
  m.PlaceBookmark(0, 1, 3);
  m.PlaceBookmark(1, 1, 4);
  m.CommandProcessor(ecDeleteLastChar);  // joins line 3 to line 2
  EXPECT_EQ(m.Bookmark(0)->Line(), 2);
  EXPECT_EQ(m.Bookmark(1)->Line(), 3);
  m.SetCaretPos({1, 1});
  m.CommandProcessor(ecDeleteLine);
  EXPECT_EQ(m.Bookmark(0)->Line(), 1);
  EXPECT_EQ(m.Bookmark(1)->Line(), 2);
  m.SetCaretPos({3, 1});
  m.CommandProcessor(ecDeleteChar);  // joins line 2 ("d") to line 1
  EXPECT_EQ(m.Text(), "bcd\r\n");
  EXPECT_EQ(m.Bookmark(1)->Line(), 1);
}

TEST(CommandsBlock, IndentAndUnindent) {
  const TScriptCase cases[] = {
      // The caret goes back where it was.
      {"indent two lines", "a|b\ncd\nef", "{S-Down}{BlockIndent}", "        ab\n |       cd\nef"},
      {"indent stops before a column-1 end", "|ab\ncd\nef", "{S-Down}{BlockIndent}", "        ab\n|cd\nef"},
      {"empty lines stay empty", "|ab\n\ncd", "{S-Down*2}{S-Right}{BlockIndent}",
       "        ab\n\n |       cd"},
      {"no selection: nothing", "a|b", "{BlockIndent}{BlockUnindent}", "a|b"},
      {"unindent", "  |  ab\n cd\nef", "{S-Down*2}{S-Right}{BlockUnindent}", "ab\ncd\nef~|"},
      {"unindent at most a tab width", "          a|b\nx", "{S-Down}{BlockUnindent}", "  ab\nx~~~~~~~~~~|"},
      {"unindent without blanks", "a|b\ncd", "{S-Down}{BlockUnindent}", "ab\nc|d"},
      {"indent then unindent", "x|y\n  z", "{S-Down}{BlockIndent}{BlockUnindent}", "xy\n | z"},
      {"trailing blanks come back", "a|b  \ncd", "{S-Down}{BlockIndent}", "        ab\n |       cd",
       kNoPastEol},
  };
  RunScriptCases(cases, std::size(cases));

  TScriptModel s;
  auto& m = s.Model;
  LoadMarked(m, "a|bc\ndef");
  RunScript(m, "{S-Down}{BlockIndent}");
  EXPECT_EQ(m.SelBegin(), (TPoint{10, 1}));
  EXPECT_EQ(m.SelEnd(), (TPoint{10, 2}));
  EXPECT_EQ(m.SelectedText(), "bc\r\n        d");
  RunScript(m, "{BlockUnindent}");
  EXPECT_EQ(m.SelBegin(), (TPoint{2, 1}));
  EXPECT_EQ(m.SelEnd(), (TPoint{2, 2}));
  m.SetTabWidth(0);
  RunScript(m, "{BlockIndent}");
  EXPECT_EQ(m.Text(), "abc\r\ndef\r\n");
}
