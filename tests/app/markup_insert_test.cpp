// Insert commands: the snippets, the selection around them and the caret afterwards.
#include "InsertMarkup.h"
#include "markup_fake_editor.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// "|" marks the caret in the expected text; lines joined with LF.
std::string WithCaret(TFakeMarkupEditor& ed) {
    std::string s;
    for (int y = 1; y <= int(ed.Lines.size()); ++y) {
        std::string line = ed.Lines[y - 1];
        if (y == ed.Y) line.insert(size_t(ed.X - 1), "|");
        s += (y > 1 ? "\n" : "") + line;
    }
    return s;
}

struct TCase {
    const char* Item;
    const char* Before; // text with the caret or selection: [selected] or |
    const char* After;
};

// Puts the caret at "|" or selects "[...]" (one line).
void Prepare(TFakeMarkupEditor& ed, std::string text) {
    const size_t caret = text.find('|');
    const size_t open = text.find('[');
    if (caret != std::string::npos) {
        text.erase(caret, 1);
        ed.SetText(text);
        size_t line = 1, col = 1;
        for (size_t i = 0; i < caret; ++i) text[i] == '\n' ? (++line, col = 1) : ++col;
        ed.SetCaretXY(int(col), int(line));
        return;
    }
    const size_t close = text.find(']');
    text.erase(close, 1);
    text.erase(open, 1);
    ed.SetText(text);
    auto pos = [&](size_t at) {
        int line = 1, col = 1;
        for (size_t i = 0; i < at; ++i) text[i] == '\n' ? (++line, col = 1) : ++col;
        return std::pair{col, line};
    };
    const auto [bx, by] = pos(open);
    const auto [ex, ey] = pos(close - 1);
    ed.Select(bx, by, ex, ey);
}

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

TEST(MarkupInsert, Cases) {
    for (const TCase& c : kCases) {
        SCOPED_TRACE(std::string(c.Item) + " on " + c.Before);
        const TMarkupItem* item = FindMarkupItem(c.Item);
        ASSERT_NE(item, nullptr);
        TFakeMarkupEditor ed;
        Prepare(ed, c.Before);
        InsertMarkupItem(ed, *item);
        EXPECT_EQ(WithCaret(ed), c.After);
        EXPECT_EQ(ed.Replacements, 1);
    }
}

// Over the whole table: with no selection the text before the caret ends with the opening
// text whenever a closing part follows; the rest of the line always stays after the snippet.
TEST(MarkupInsert, EveryItemWithoutSelection) {
    for (const TMarkupItem& item : MarkupItems()) {
        SCOPED_TRACE(item.Name);
        TFakeMarkupEditor ed;
        Prepare(ed, "ab|cd");
        InsertMarkupItem(ed, item);
        const std::string shown = WithCaret(ed);
        const bool closes = item.CloseRule == crAlways && *item.Closing;
        const std::string expected =
            "ab" + std::string(item.Opening) + "|" + (closes ? item.Closing : "") + "cd";
        EXPECT_EQ(shown, expected);
    }
}

// With a selection between the parts, the caret ends after everything inserted.
TEST(MarkupInsert, EveryItemWithSelection) {
    for (const TMarkupItem& item : MarkupItems()) {
        SCOPED_TRACE(item.Name);
        TFakeMarkupEditor ed;
        Prepare(ed, "a[sel]z");
        InsertMarkupItem(ed, item);
        const std::string closing = item.CloseRule == crNever ? "" : item.Closing;
        const std::string expected =
            item.SelectionPlace == spBetween
                ? "a" + std::string(item.Opening) + "sel" + closing + "|z"
                : "a" + std::string(item.Opening) + (closing.empty() ? "sel|" : "|" + closing + "sel") + "z";
        EXPECT_EQ(WithCaret(ed), expected);
    }
}

TEST(MarkupInsert, SelectionOfSeveralLinesAfterTheSnippet) {
    TFakeMarkupEditor ed;
    ed.SetText("one\ntwo\nthree");
    ed.Select(1, 1, 4, 2); // "one" CR LF "two"
    InsertMarkupItem(ed, *FindMarkupItem("swithc1"));
    EXPECT_EQ(WithCaret(ed), "switch () {\n case :|\n}one\ntwo\nthree");
}

TEST(MarkupInsert, CaretBeyondTheLineEnd) {
    TFakeMarkupEditor ed;
    ed.SetText("ab");
    ed.SetCaretXY(5, 1);
    InsertMarkupItem(ed, *FindMarkupItem("Bold1"));
    EXPECT_EQ(WithCaret(ed), "ab  <B>|</B>");
}

TEST(MarkupInsert, Author) {
    TFakeMarkupEditor ed;
    InsertAuthor(ed, "Ann Lee");
    EXPECT_EQ(WithCaret(ed), "<META NAME=\"Author\" CONTENT=\"Ann Lee\">|");
    Prepare(ed, "[x]");
    InsertAuthor(ed, "");
    EXPECT_EQ(WithCaret(ed), "<META NAME=\"Author\" CONTENT=\"\">x|");
}

TEST(MarkupInsert, TableHasEveryConstantCommandOnce) {
    std::set<std::string> names;
    for (const TMarkupItem& item : MarkupItems()) {
        EXPECT_TRUE(names.insert(item.Name).second) << item.Name;
        EXPECT_NE(*item.Opening, '\0') << item.Name;
        EXPECT_EQ(item.CloseRule == crNever, *item.Closing == '\0') << item.Name;
    }
    EXPECT_EQ(names.size(), 70u);
    for (const char* runtime : {"Linktofile1", "URLfromfile1", "Imagefromfile1", "Author1", "Description1"})
        EXPECT_EQ(FindMarkupItem(runtime), nullptr) << runtime;
}

} // namespace
