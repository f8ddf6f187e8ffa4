#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "xePrintTypes.h"

namespace {

TEST(PrintMargins, ConvertsUnitsAndTakesOffTheUnprintableArea) {
  struct Case {
    std::uint8_t units;
    TxePrintRect margins;
    int dpiX, dpiY, offX, offY;
    TxePixelMargins expected;
  };
  const std::vector<Case> cases = {
      {2, {12, 12, 12, 12}, 600, 600, 0, 0, {276, 276, 276, 276}},
      {2, {12, 12, 12, 12}, 600, 600, 50, 20, {226, 256, 226, 256}},
      {1, {1000, 500, 250, 0}, 1200, 600, 0, 0, {1200, 300, 300, 0}},
      {0, {100, 5, 30, 40}, 300, 300, 40, 10, {60, 0, 0, 30}},
      {2, {25, 10, 0, 0}, 300, 300, 0, 0, {315, 118, 0, 0}},  // 7.5 rounds up before the millimetres
  };
  for (const auto& c : cases) {
    const TxePixelMargins m = PrintMarginsToPixels(c.units, c.margins, c.dpiX, c.dpiY, c.offX, c.offY);
    EXPECT_EQ(m.Left, c.expected.Left);
    EXPECT_EQ(m.Top, c.expected.Top);
    EXPECT_EQ(m.Right, c.expected.Right);
    EXPECT_EQ(m.Bottom, c.expected.Bottom);
  }
}

TEST(PrintMacros, ExpandsNamesDollarsAndUnknownWords) {
  const TxePrintMacroValues v{3, QStringLiteral("x"), QStringLiteral("10:20:30"),
                              QStringLiteral("07/12/2026")};
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"$TITLE$ - page $pagenum$", "x - page 3"},
      {"$$", "$"},
      {"cost: $$5", "cost: $5"},
      {"$foo$", "FOO"},
      {"$ date $|$DateTime$|$TIMEDATE$|$time$",
       "07/12/2026|07/12/2026 10:20:30|10:20:30 07/12/2026|10:20:30"},
      {"no macros", "no macros"},
      {"open $title", "open x"},
      {"$$$PAGENUM$$$", "$3$"},
      {"", ""},
  };
  for (const auto& [in, out] : cases)
    EXPECT_EQ(ExpandPrintMacros(QString::fromUtf8(in), v), QString::fromUtf8(out)) << in;
}

}  // namespace
