// Lines of several megabytes: single tokens that long, and long runs of short tokens, end where they should.
#include <gtest/gtest.h>

#include "jxHTMLSyn.h"
#include "xeCSSSyn.h"
#include "xeJScriptSyn.h"

namespace {

constexpr std::size_t Big = 10u << 20;

struct TLongCase {
  std::string Head;
  char Fill;
  std::size_t Tokens;  // tokens expected over the line, 0 = do not count
};

void ScanLong(TxeCustomHighLighter& H, std::uint32_t Range, const TLongCase& C) {
  std::string Line = C.Head + std::string(Big, C.Fill);
  H.RestoreRange(Range);
  H.BeginLine(Line, 0);
  std::size_t Count = 0;
  int End = 0;
  while (!H.AtLineEnd()) {
    ASSERT_EQ(H.CurrentStart(), End);
    End += H.CurrentLength();
    ++Count;
    H.Advance();
  }
  EXPECT_EQ(static_cast<std::size_t>(End), Line.size()) << H.ClassName() << " " << C.Head;
  if (C.Tokens) {
    EXPECT_EQ(Count, C.Tokens) << H.ClassName() << " " << C.Head;
  }
}

}  // namespace

TEST(LongLines, Html) {
  TjxHTMLSyn H;
  for (const auto& C : {TLongCase{"<", 'z', 2}, TLongCase{"<", '!', 2}, TLongCase{"<!--", '-', 2},
                        TLongCase{"", '&', 1}, TLongCase{"<a ", '"', 0}, TLongCase{"", 'x', 1}})
    ScanLong(H, TjxHTMLSyn::rsText, C);
}

TEST(LongLines, JScript) {
  TxeJScriptSyn H;
  for (const auto& C : {TLongCase{"", '_', 1}, TLongCase{"'", 'x', 1}, TLongCase{"/*", '*', 1},
                        TLongCase{"", '9', 1}, TLongCase{"", ';', Big}})
    ScanLong(H, TxeJScriptSyn::rsNormal, C);
}

TEST(LongLines, Css) {
  TxeCSSSyn H;
  for (const auto& C : {TLongCase{"", 'z', 1}, TLongCase{"'", '\\', 1}, TLongCase{"/*", '/', 1},
                        TLongCase{"#", 'f', 1}, TLongCase{"", ' ', 1}})
    ScanLong(H, TxeCSSSyn::rsNormal, C);
}
