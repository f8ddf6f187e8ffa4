// Text conversions as pure functions, and the steps around them.
#include "Conversions.h"
#include "ConversionCommands.h"
#include "xeEditModel.h"

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
    {ToUpperText, "four-byte letters", "\xF0\x90\x90\xA8", "\xF0\x90\x90\x80"},  // Deseret
    {ToUpperText, "invalid bytes kept",
     "a\xFF"
     "b\xC3",
     "A\xFF"
     "B\xC3"},
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
    {Capitalise, "invalid byte not changed",
     "a \xFF"
     "b",
     "a \xFF"
     "b"},
    {Capitalise, "empty", "", ""},
    {StrictCapitalise, "shouting", "HELLO WORLD", "hello World"},
    {StrictCapitalise, "multi-byte", "ÉCOLE ÉTÉ", "école Été"},
};

TEST(Conversions, Cases) {
  for (const TConvCase& c : kConvCases) EXPECT_EQ(c.Convert(c.In), c.Out) << c.Name;
}

// The document editor's model, as the commands find it.
class TMemo : public TxeEditModel {
 public:
  TMemo() {
    SetOptions(xeoAutoIndent | xeoScrollPastEol | xeoTabsToSpaces | xeoSmartTabs);
    SetMaxUndo(2);
  }
  void Select(TPoint b, TPoint e) {
    SetCaretPos(e);
    SetSelBegin(b);
    SetSelEnd(e);
  }
};

TEST(ConversionSteps, QuestionAnsweredBothWays) {
  for (bool yes : {false, true}) {
    SCOPED_TRACE(yes);
    TMemo memo;
    memo.SetText("żółw ma\nłódź");
    memo.SetCaretXY(3, 1);
    int asked = 0;
    RunConversion(memo, ToUpperText, [&] { return ++asked, yes; });
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

TEST(ConversionSteps, SelectionAcrossLines) {
  TMemo memo;
  memo.SetText("one  two\nthree   four <b>x</b>");
  memo.Select({4, 1}, {30, 2});
  EXPECT_TRUE(RunConversion(memo, RemoveExtraBlanks, [] { return false; }));
  EXPECT_EQ(memo.Text(), "one two\r\nthree four <b>x</b>\r\n");
  memo.Select({1, 1}, {30, 2});
  EXPECT_TRUE(RunConversion(memo, RemoveTags, [] { return false; }));
  EXPECT_EQ(memo.Text(), "one two\r\nthree four x\r\n");
}

TEST(ConversionSteps, EmptyDocument) {
  TMemo memo;
  EXPECT_FALSE(RunConversion(memo, Capitalise, [] { return true; }));
  EXPECT_EQ(memo.Text(), "\r\n");
  EXPECT_FALSE(memo.Modified());
}

}  // namespace
