// Replacing an occurrence that ends a line keeps the blank before it, however long the line.
#include <gtest/gtest.h>

#include <string>

#include "xeEditModel.h"

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
