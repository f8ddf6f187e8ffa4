// Insert commands on an editing model set up as the document editor is: the snippets, the
// selection around them, the caret afterwards, and each insertion undone in one step.
#include "InsertMarkup.h"
#include "xeEditModel.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class TMemo : public TxeEditModel {
 public:
  TMemo() {
    SetOptions(xeoAutoIndent | xeoDragDropEditing | xeoHalfPageScroll | xeoScrollPastEol | xeoTabsToSpaces |
               xeoSmartTabs);
    SetMaxUndo(2);
  }
  // Lines joined by LF, "|" at the caret.
  std::string Shown() const {
    std::string s;
    for (int y = 1; y <= LineCount(); ++y) {
      std::string line(LineText(y));
      if (y == CaretLine()) line.insert(size_t(CaretCol() - 1), "|");
      s += (y > 1 ? "\n" : "") + line;
    }
    return s;
  }
  // Text with "|" for the caret, or "[...]" around the selection.
  void Prepare(std::string text) {
    const size_t caret = text.find('|');
    const size_t open = text.find('[');
    const size_t close = text.find(']');
    auto pos = [&](size_t at) {
      TPoint p{1, 1};
      for (size_t i = 0; i < at; ++i) text[i] == '\n' ? (++p.Y, p.X = 1) : ++p.X;
      return p;
    };
    if (caret != std::string::npos) {
      text.erase(caret, 1);
      SetText(text);
      SetCaretPos(pos(caret));
      return;
    }
    text.erase(close, 1);
    text.erase(open, 1);
    SetText(text);
    Select(pos(open), pos(close - 1));
  }
  void Select(TPoint b, TPoint e) {
    SetCaretPos(e);
    SetSelBegin(b);
    SetSelEnd(e);
  }
};

struct TCase {
  const char* Item;
  const char* Before;
  const char* After;
};

const TCase kCases[] = {
    {"Bold1", "ab|cd", "ab<B>|</B>cd"},
    {"Bold1", "x [word] y", "x <B>word</B>| y"},
    {"Paragraph1", "|", "<P>|"},
    {"Paragraph1", "[text]", "<P>text</P>|"},
    {"Listitem1", "a|", "a<LI>|"},
    {"Ancor1", "[here]", "<A NAME=\"\">here</A>|"},
    {"Link1", "|", "<A HREF=\"\">|</A>"},
    {"Simple1", "ab|cd", "ab<UL>\n <LI>|\n</UL>cd"},
    {"Simple1", "[one]", "<UL>\n <LI>one\n</UL>|"},
    {"Odrered1", "|", "<OL>\n <LI>|\n</OL>"},
    {"for1", "x|y", "xfor () {\n|y"},
    {"for1", "[i++;]", "for () {\ni++;\n}|"},
    {"while1", "|", "while () {\n|"},
    {"dowhile1", "|", "do {\n|\n} while ()"},
    {"function1", "|", "function |()"},
    {"function1", "[go]", "function go()|"},
    {"writeln2", "|", "writeln(|"},
    {"alert1", "[1]", "alert(1)|"},
    {"swithc1", "|", "switch () {\n case :|\n}"},
    {"swithc1", "[n]", "switch () {\n case :|\n}n"},
    {"FRAMESET1", "|", "<FRAMESET>\n <FRAME SRC=\"\" NAME=\"\">|\n</FRAMESET>"},
    {"FRAMESET1", "a [b] c", "a <FRAMESET>\n <FRAME SRC=\"\" NAME=\"\">|\n</FRAMESET>b c"},
    {"Form1", "|", "<FORM NAME=\"Form1\">\n|\n</FORM>"},
    {"BODY1", "[x]", "<BODY>\nx\n</BODY>|"},
    {"Listbox1", "|", "<SELECT NAME=\"ComboBox1\">\n <OPTION>|\n</SELECT>"},
    {"Breakline1", "[word]", "<BR>word|"},
    {"Horizontalrule1", "a|b", "a<HR>|b"},
    {"Image1", "[x]", "<IMG SRC=\"\">x|"},
    {"margin1", "[0]", "margin:0|"},
    {"decoration1", "|", "text-decoration:|"},
    {"Document1", "|", "document.|"},
    {"Refresh1", "|", "<META NAME=\"Refresh\" CONTENT=\"60\">|"},
};

// Each case as the user meets it, then one undo gives back the text and the selection.
TEST(MarkupInsert, Cases) {
  for (const TCase& c : kCases) {
    SCOPED_TRACE(std::string(c.Item) + " on " + c.Before);
    const TMarkupItem* item = FindMarkupItem(c.Item);
    ASSERT_NE(item, nullptr);
    TMemo memo;
    memo.Prepare(c.Before);
    const std::string text = memo.Text();
    const std::string selected = memo.SelectedText();
    InsertMarkupItem(memo, *item);
    EXPECT_EQ(memo.Shown(), c.After);
    EXPECT_FALSE(memo.HasSelection());
    memo.Undo();
    EXPECT_EQ(memo.Text(), text);
    EXPECT_EQ(memo.SelectedText(), selected);
  }
}

// Over the whole table, with the caret inside a line and with a word selected: the caret lands
// right after the opening text when a closing part follows it, else after everything inserted.
TEST(MarkupInsert, EveryItem) {
  for (const TMarkupItem& item : MarkupItems()) {
    SCOPED_TRACE(item.Name);
    const std::string opening = item.Opening;
    {
      TMemo memo;
      memo.Prepare("ab|cd");
      InsertMarkupItem(memo, item);
      const bool closes = item.CloseRule == crAlways;
      std::string expected = "ab" + opening + "|" + (closes ? item.Closing : "") + "cd";
      EXPECT_EQ(memo.Shown(), expected);
      memo.Undo();
      EXPECT_EQ(memo.Shown(), "ab|cd");
    }
    {
      TMemo memo;
      memo.Prepare("a[sel]z");
      InsertMarkupItem(memo, item);
      const std::string closing = item.CloseRule == crNever ? "" : item.Closing;
      const std::string expected =
          item.SelectionPlace == spBetween
              ? "a" + opening + "sel" + closing + "|z"
              : "a" + opening + (closing.empty() ? "sel|" : "|" + closing + "sel") + "z";
      EXPECT_EQ(memo.Shown(), expected);
      memo.Undo();
      EXPECT_EQ(memo.Text(), "aselz\r\n");
    }
  }
}

TEST(MarkupInsert, SelectionOfSeveralLinesAfterTheSnippet) {
  TMemo memo;
  memo.SetText("a1\nb2\nc3");
  memo.Select({1, 1}, {3, 2});
  InsertMarkupItem(memo, *FindMarkupItem("swithc1"));
  EXPECT_EQ(memo.Shown(), "switch () {\n case :|\n}a1\nb2\nc3");
  memo.Undo();
  EXPECT_EQ(memo.Text(), "a1\r\nb2\r\nc3\r\n");
  EXPECT_EQ(memo.SelectedText(), "a1\r\nb2");
}

TEST(MarkupInsert, CaretBeyondTheLineEnd) {
  TMemo memo;
  memo.SetText("ab");
  memo.SetCaretXY(5, 1);
  InsertMarkupItem(memo, *FindMarkupItem("Bold1"));
  EXPECT_EQ(memo.Shown(), "ab  <B>|</B>");
  memo.Undo();
  EXPECT_EQ(memo.Text(), "ab\r\n");
}

TEST(MarkupInsert, Author) {
  TMemo memo;
  InsertAuthor(memo, "Ann Lee");
  EXPECT_EQ(memo.Shown(), "<META NAME=\"Author\" CONTENT=\"Ann Lee\">|");
  memo.Prepare("[x]");
  InsertAuthor(memo, "");
  EXPECT_EQ(memo.Shown(), "<META NAME=\"Author\" CONTENT=\"\">x|");
}

TEST(MarkupInsert, TableHasEveryConstantCommandOnce) {
  std::set<std::string> names;
  for (const TMarkupItem& item : MarkupItems()) {
    EXPECT_TRUE(names.insert(item.Name).second) << item.Name;
    EXPECT_EQ(item.CloseRule == crNever, *item.Closing == '\0') << item.Name;
  }
  EXPECT_EQ(names.size(), 70u);
  for (const char* runtime : {"Linktofile1", "URLfromfile1", "Imagefromfile1", "Author1", "Description1"})
    EXPECT_EQ(FindMarkupItem(runtime), nullptr) << runtime;
}

// Names go to lower case; values, with whatever they hold, and the text between tags stay.
TEST(MarkupInsert, LowerCaseMarkupTouchesNamesOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"<P ALIGN=\"Right\">", "<p align=\"Right\">"},
      {"</FONT>", "</font>"},
      {"<SELECT NAME=\"ComboBox1\">\n <OPTION>", "<select name=\"ComboBox1\">\n <option>"},
      {"<A HREF=\"file:///Home/A>B.HTML\">Text</A>", "<a href=\"file:///Home/A>B.HTML\">Text</a>"},
      {"<INPUT VALUE='It''S' TYPE=Text NAME=X>", "<input value='It''S' type=Text name=X>"},
      {"<TD WIDTH= 50% NOWRAP>AND</TD>", "<td width= 50% nowrap>AND</td>"},
      {"for (A < B) {\n", "for (A < B) {\n"},
      {"document.", "document."},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(LowerCaseMarkup(in), out) << in;
}

}  // namespace
