// Replacing an occurrence that ends a line keeps the blank before it, however long the line.
#include <gtest/gtest.h>

#include <string>

#include "xeEditModel.h"
#include "xeUtf8.h"

TEST(FindReplaceLineEnd, ReplacementKeepsTheBlankBeforeIt) {
  for (const TxeSearchOptions how : {srReplace, srReplaceAll}) {
    for (const int width : {0, 10, 1023, 1024, 2000, 70000}) {
      TxeEditModel m;
      const std::string head(width, 'x');
      m.SetText(head + " needle x needle\n");
      m.SetCaretXY(1, 1);
      for (int guard = 0; guard < 4 && m.FindReplace("needle", "pin", how) > 0; ++guard) {
      }
      const std::string line(m.LineText(1));
      EXPECT_EQ(line.substr(width), " pin x pin") << "width " << width << " options " << int(how);
    }
  }
}

// A block whose start the caret cannot take as it is (inside a character, or past the end of a line
// while the caret may not go there) is deleted without a fault.
TEST(SelectionDeletion, StartThatTheCaretCannotTakeIsHandled) {
  const struct {
    const char* text;
    bool pastEol;
    TPoint begin, end;
  } cases[] = {
      {"a\xE4\xB8\xAD\xE4\xB8\xAD\n", true, {3, 1}, {6, 1}},  // the join makes a character again
      {"a\xC3\xA9 b\n", true, {3, 1}, {7, 1}},
      {"a\xC3\xA9 b\n", false, {3, 1}, {7, 1}},
      {"ab\n", false, {6, 1}, {9, 1}},
      {"abc def\nxyz\n", false, {6, 1}, {2, 2}},
  };
  for (const auto& c : cases) {
    TxeEditModel m;
    if (!c.pastEol) m.SetOptions(m.Options() & ~xeoScrollPastEol);
    m.SetText(c.text);
    m.SetBlockDirect(c.begin, c.end);
    EXPECT_NO_THROW(m.ReplaceSelectionWithUndo("x")) << c.text;
    const TPoint caret = m.CaretPos();
    EXPECT_FALSE(ColumnInsideChar(m.LineText(caret.Y), caret.X)) << c.text;
  }
}
