// HTML Tidy's findings on pages with known faults: the right lines, columns and messages.
#include "PageCheck.h"

#include <gtest/gtest.h>

namespace {

const char* const kHead = "<!DOCTYPE html>\n<html><head><title>t</title></head>\n<body>\n";

TEST(PageCheck, KnownFaults) {
  struct {
    const char* Body;  // from line 4 on
    int Line;
    int Column;
    bool Error;
    const char* Message;
  } cases[] = {
      {"<div>\n<p>x</p>\n</body></html>\n", 4, 1, false, "Warning: missing </div>"},
      {"<p id=\"a\">x</p>\n<p id=\"a\">y</p>\n</body></html>\n", 5, 1, false,
       "Warning: <p> anchor \"a\" already defined"},
      {"<p>\n<img src=\"x.png\" alt=\"\" colour=\"red\">\n</p>\n</body></html>\n", 5, 1, false,
       "Warning: <img> proprietary attribute \"colour\""},
      // Columns count bytes of the line: a two-byte character and a tab stand before the tag.
      {"\xc3\xa9\t<p id=\"b\">x</p><p id=\"b\">y</p>\n</body></html>\n", 4, 19, false,
       "Warning: <p> anchor \"b\" already defined"},
      {"<p>x</b></p>\n</body></html>\n", 4, 5, false, "Warning: discarding unexpected </b>"},
      {"<p>\n  <foo>x</foo></p>\n</body></html>\n", 5, 3, true, "Error: <foo> is not recognized!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Body);
    const std::string page = std::string(kHead) + c.Body;
    const TPageCheckResult result = CheckPage(page);
    EXPECT_FALSE(result.Cancelled);
    auto found = std::find_if(result.Problems.begin(), result.Problems.end(),
                              [&](const TPageProblem& p) { return p.Message == c.Message; });
    ASSERT_NE(found, result.Problems.end());
    EXPECT_EQ(found->Line, c.Line);
    EXPECT_EQ(found->Column, c.Column);
    EXPECT_EQ(found->Error, c.Error);
    EXPECT_EQ(result.Errors + result.Warnings, int(result.Problems.size()));
    EXPECT_TRUE(std::is_sorted(result.Problems.begin(), result.Problems.end(),
                               [](const TPageProblem& a, const TPageProblem& b) { return a.Line < b.Line; }));
  }
}

TEST(PageCheck, CleanPageAndCancelledCheck) {
  const std::string page = std::string(kHead) + "<p>fine</p>\n</body></html>\n";
  const TPageCheckResult clean = CheckPage(page);
  EXPECT_TRUE(clean.Problems.empty());
  EXPECT_EQ(clean.Errors + clean.Warnings, 0);

  TPageCheckControl control;
  control.Cancel = true;
  const TPageCheckResult cancelled = CheckPage(std::string(kHead) + "<div>\n", &control);
  EXPECT_TRUE(cancelled.Cancelled);
  EXPECT_TRUE(cancelled.Problems.empty());
}

}  // namespace
