// Text conversions as pure functions, and the steps around them.
#include "ConversionCommands.h"
#include "Conversions.h"
#include "markup_fake_editor.h"

#include <gtest/gtest.h>

namespace {

struct TConvCase {
    TConversion Convert;
    const char* Name;
    std::string In;
    std::string Out;
};

const TConvCase kConvCases[] = {
    {RemoveExtraBlanks, "blanks run", "a   b", "a b"},
    {RemoveExtraBlanks, "trailing blank", "a ", "a "},
    {RemoveExtraBlanks, "tabs stay", "a\t\tb", "a\t\tb"},
    {RemoveExtraBlanks, "line breaks stay", "a  \r\n  b", "a \r\n b"},
    {RemoveExtraBlanks, "empty", "", ""},
    {RemoveTags, "tags go", "<B>bold</B> text", "bold text"},
    {RemoveTags, "unclosed takes the rest", "a < b", "a "},
    {RemoveTags, "lone closer stays", "a > b", "a > b"},
    {RemoveTags, "tag over lines", "x<A\r\nHREF=y>z", "xz"},
    {RemoveTags, "multi-byte kept", "<p>żółw</p>", "żółw"},
    {ToUpperText, "ascii", "Hello, world 1", "HELLO, WORLD 1"},
    {ToUpperText, "multi-byte", "żółw ÄÖü straße", "ŻÓŁW ÄÖÜ STRASSE"},
    {ToUpperText, "four-byte letters", "\xF0\x90\x90\xA8", "\xF0\x90\x90\x80"}, // Deseret
    {ToUpperText, "invalid bytes kept", "a\xFF" "b\xC3", "A\xFF" "B\xC3"},
    {ToLowerText, "ascii", "HeLLo", "hello"},
    {ToLowerText, "multi-byte", "ŻÓŁW ΑΒΓ", "żółw αβγ"},
    {ToLowerText, "invalid kept", "\x80Q\xE2\x82", "\x80q\xE2\x82"},
    {Capitalise, "second word", "hello world", "hello World"},
    {Capitalise, "after punctuation", "one (two", "one (Two"},
    {Capitalise, "after a tag", "<P>text", "<P>Text"},
    {Capitalise, "digit takes the turn", "a 1b", "a 1b"},
    {Capitalise, "first character never", "abc", "abc"},
    {Capitalise, "next lines", "ab\r\ncd\r\nef", "ab\r\nCd\r\nEf"},
    {Capitalise, "tab", "a\tb", "a\tB"},
    {Capitalise, "trailing blank", "a ", "a "},
    {Capitalise, "blank before the last", "a b", "a B"},
    {Capitalise, "blank then punctuation to the end", "a (", "a ("},
    {Capitalise, "multi-byte letter", "x żółw über", "x Żółw Über"},
    {Capitalise, "invalid byte not changed", "a \xFF" "b", "a \xFF" "b"},
    {Capitalise, "empty", "", ""},
    {StrictCapitalise, "shouting", "HELLO WORLD", "hello World"},
    {StrictCapitalise, "multi-byte", "ÉCOLE ÉTÉ", "école Été"},
};

TEST(Conversions, Cases) {
    for (const TConvCase& c : kConvCases) EXPECT_EQ(c.Convert(c.In), c.Out) << c.Name;
}

TEST(Conversions, ItemsCoverTheMenu) {
    const char* names[] = {"RemoveSpases1", "RemoveHTMLTags1", "ToUppercase1",
                           "ToLowercase1",  "Capitalise1",     "Strictcapitalise1"};
    ASSERT_EQ(ConversionItems().size(), std::size(names));
    for (size_t i = 0; i < std::size(names); ++i) EXPECT_STREQ(ConversionItems()[i].Name, names[i]);
}

struct TStepCase {
    const char* Name;
    bool Select;    // select "b c" first
    bool Answer;    // answer to the question
    bool Asked;
    std::string Text;
    bool Replaced;
};

TEST(ConversionSteps, SelectionOrQuestion) {
    const TStepCase cases[] = {
        {"selection converts without asking", true, false, false, "a B C d\ne", true},
        {"no selection, answered Cancel", false, false, true, "a b c d\ne", false},
        {"no selection, answered Yes", false, true, true, "A B C D\nE", true},
    };
    for (const TStepCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TFakeMarkupEditor ed;
        ed.SetText("a b c d\ne");
        if (c.Select) ed.Select(3, 1, 6, 1);
        bool asked = false;
        const bool done = RunConversion(ed, ToUpperText, [&] {
            asked = true;
            return c.Answer;
        });
        EXPECT_EQ(asked, c.Asked);
        EXPECT_EQ(done, c.Replaced);
        EXPECT_EQ(ed.Text(), c.Text);
        EXPECT_EQ(ed.Replacements, c.Replaced ? 1 : 0);
        EXPECT_FALSE(ed.HasSelection());
    }
}

TEST(ConversionSteps, EmptyDocumentStaysUntouched) {
    TFakeMarkupEditor ed;
    EXPECT_FALSE(RunConversion(ed, ToUpperText, [] { return true; }));
    EXPECT_EQ(ed.Replacements, 0);
    EXPECT_EQ(ed.Text(), "");
}

} // namespace
