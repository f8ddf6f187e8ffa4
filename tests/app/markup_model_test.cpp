// Insert and conversion commands on the real editing model, set up as the document editor is:
// the same results as on the plain test editor, and each command undone in one step.
#include "ConversionCommands.h"
#include "Conversions.h"
#include "InsertMarkup.h"
#include "InsertMarkupModel.h"
#include "markup_fake_editor.h"
#include "xeEditModel.h"

#include <gtest/gtest.h>

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
    void Select(TPoint b, TPoint e) {
        SetCaretPos(e);
        SetSelBegin(b);
        SetSelEnd(e);
    }
};

std::string Joined(const TFakeMarkupEditor& ed) {
    std::string s;
    for (size_t i = 0; i < ed.Lines.size(); ++i) {
        std::string line = ed.Lines[i];
        if (int(i) + 1 == ed.Y) line.insert(size_t(ed.X - 1), "|");
        s += (i ? "\n" : "") + line;
    }
    return s;
}

struct TStart {
    const char* Name;
    const char* Text;
    TPoint Begin, End; // equal: caret only
};

const TStart kStarts[] = {
    {"caret inside a line", "ab cd\nnext", {3, 1}, {3, 1}},
    {"caret beyond the line end", "ab\nnext", {6, 1}, {6, 1}},
    {"word selected", "ab word cd\nnext", {4, 1}, {8, 1}},
    {"lines selected", "one\ntwo\nthree", {2, 1}, {3, 2}},
};

// Every command of the table, from every start: the model gives what the plain editor gives,
// and one undo brings back the text as it was.
TEST(MarkupModel, EveryItemMatchesAndUndoesInOneStep) {
    for (const TMarkupItem& item : MarkupItems()) {
        for (const TStart& start : kStarts) {
            SCOPED_TRACE(std::string(item.Name) + ", " + start.Name);
            TMemo memo;
            memo.SetText(start.Text);
            const std::string before = memo.Text();
            TFakeMarkupEditor fake;
            fake.SetText(start.Text);
            if (start.Begin == start.End) {
                memo.SetCaretPos(start.Begin);
                fake.SetCaretXY(start.Begin.X, start.Begin.Y);
            } else {
                memo.Select(start.Begin, start.End);
                fake.Select(start.Begin.X, start.Begin.Y, start.End.X, start.End.Y);
            }
            TModelMarkupEditor editor(memo);
            InsertMarkupItem(editor, item);
            InsertMarkupItem(fake, item);
            EXPECT_EQ(memo.Shown(), Joined(fake));
            EXPECT_FALSE(memo.HasSelection());
            EXPECT_TRUE(memo.Modified());

            memo.Undo();
            // Trailing blanks of a padded line are not part of the document.
            EXPECT_EQ(memo.Text(), before);
        }
    }
}

TEST(MarkupModel, MultiLineSnippets) {
    struct {
        const char* Item;
        const char* After;
    } cases[] = {
        {"Simple1", "x<UL>\n <LI>|\n</UL>y"},
        {"for1", "xfor () {\n|y"},
        {"FRAMESET1", "x<FRAMESET>\n <FRAME SRC=\"\" NAME=\"\">|\n</FRAMESET>y"},
        {"swithc1", "xswitch () {\n case :|\n}y"},
        {"Listbox1", "x<SELECT NAME=\"ComboBox1\">\n <OPTION>|\n</SELECT>y"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Item);
        TMemo memo;
        memo.SetText("xy");
        memo.SetCaretXY(2, 1);
        TModelMarkupEditor editor(memo);
        InsertMarkupItem(editor, *FindMarkupItem(c.Item));
        EXPECT_EQ(memo.Shown(), c.After);
        memo.Undo();
        EXPECT_EQ(memo.Shown(), "x|y");
    }
}

TEST(MarkupModel, SwitchAfterSeveralSelectedLines) {
    TMemo memo;
    memo.SetText("a1\nb2\nc3");
    memo.Select({1, 1}, {3, 2});
    TModelMarkupEditor editor(memo);
    InsertMarkupItem(editor, *FindMarkupItem("swithc1"));
    EXPECT_EQ(memo.Shown(), "switch () {\n case :|\n}a1\nb2\nc3");
    memo.Undo();
    EXPECT_EQ(memo.Text(), "a1\r\nb2\r\nc3\r\n");
    EXPECT_TRUE(memo.HasSelection());
    EXPECT_EQ(memo.SelectedText(), "a1\r\nb2");
}

TEST(ConversionModel, QuestionAnsweredBothWays) {
    for (bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        TMemo memo;
        memo.SetText("żółw ma\nłódź");
        memo.SetCaretXY(3, 1);
        TModelMarkupEditor editor(memo);
        int asked = 0;
        RunConversion(editor, ToUpperText, [&] { return ++asked, yes; });
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(memo.Text(), yes ? "ŻÓŁW MA\r\nŁÓDŹ\r\n" : "żółw ma\r\nłódź\r\n");
        EXPECT_FALSE(memo.HasSelection());
        EXPECT_EQ(memo.Modified(), yes);
        if (yes) {
            memo.Undo();
            EXPECT_EQ(memo.Text(), "żółw ma\r\nłódź\r\n");
        }
    }
}

TEST(ConversionModel, SelectionAcrossLines) {
    TMemo memo;
    memo.SetText("one  two\nthree   four <b>x</b>");
    memo.Select({4, 1}, {30, 2});
    TModelMarkupEditor editor(memo);
    EXPECT_TRUE(RunConversion(editor, RemoveExtraBlanks, [] { return false; }));
    EXPECT_EQ(memo.Text(), "one two\r\nthree four <b>x</b>\r\n");
    memo.Select({1, 1}, {30, 2});
    EXPECT_TRUE(RunConversion(editor, RemoveTags, [] { return false; }));
    EXPECT_EQ(memo.Text(), "one two\r\nthree four x\r\n");
}

TEST(ConversionModel, EmptyDocument) {
    TMemo memo;
    TModelMarkupEditor editor(memo);
    EXPECT_FALSE(RunConversion(editor, Capitalise, [] { return true; }));
    EXPECT_EQ(memo.Text(), "\r\n");
    EXPECT_FALSE(memo.Modified());
}

} // namespace
