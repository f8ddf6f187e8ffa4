// Gutter sizing and numbering, option objects' change notification.
#include <gtest/gtest.h>

#include "xeSupportClasses.h"

namespace {

TEST(Gutter, FitsDigitsToTheLineCount) {
  struct Case {
    int lines;
    bool zeroStart;
    int digits;
  } cases[] = {{12345, false, 5}, {999, false, 4}, {10000, false, 5}, {10000, true, 4}, {1, false, 4}};
  for (const auto& c : cases) {
    TxeGutter g;
    g.SetShowLineNumbers(true);
    g.SetAutoSize(true);
    g.SetZeroStart(c.zeroStart);
    g.FitDigitCount(c.lines);
    EXPECT_EQ(g.FittedDigitCount(), c.digits) << c.lines;
    EXPECT_EQ(g.PixelWidth(8), 16 + 2 + c.digits * 8 + 2);
  }
}

TEST(Gutter, LineNumberText) {
  struct Case {
    bool zeros, zeroStart;
    int line;
    const char* text;
  } cases[] = {{false, false, 7, "   7"},
               {true, false, 7, "0007"},
               {true, true, 1, "0000"},
               {false, true, 1, "   0"},
               {true, false, 123456, "123456"}};
  for (const auto& c : cases) {
    TxeGutter g;
    g.SetLeadingZeros(c.zeros);
    g.SetZeroStart(c.zeroStart);
    EXPECT_EQ(g.LineNumberText(c.line), c.text);
  }
}

TEST(Gutter, SettersClampAndNotifyOnlyOnChange) {
  TxeGutter g;
  int changes = 0;
  g.OnChange = [&](TObject*) { ++changes; };
  g.SetDigitCount(20);
  EXPECT_EQ(g.DigitCount(), 12);
  g.SetDigitCount(0);
  EXPECT_EQ(g.DigitCount(), 2);
  EXPECT_EQ(changes, 2);
  g.SetDigitCount(1);  // clamps to 2 again: no change
  g.SetWidth(-5);
  EXPECT_EQ(g.Width(), 0);
  g.SetWidth(0);
  g.SetVisible(true);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(g.PixelWidth(8), 0 + 0);  // visible, no numbers: the width
  g.SetVisible(false);
  EXPECT_EQ(g.PixelWidth(8), 0);
}

TEST(SelectedColor, NotifiesOnlyOnChange) {
  TxeSelectedColor c;
  int changes = 0;
  c.OnChange = [&](TObject*) { ++changes; };
  c.SetBackground(c.Background());
  c.SetForeground(0x0000FF);
  c.SetForeground(0x0000FF);
  EXPECT_EQ(changes, 1);
}

}  // namespace
