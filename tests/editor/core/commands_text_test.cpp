// Line-text routines under the commands: encoding typed characters and word positions.
#include <gtest/gtest.h>

#include <vector>

#include "xeCommandText.h"

using namespace xeCmdText;

namespace {
struct Doc {
  TxeEditList list;
  explicit Doc(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* l : lines) text += std::string(l) + "\r\n";
    list.SetText(text);
  }
  const TxeEditList& Source() const { return list; }
};
}  // namespace

TEST(CommandText, Utf8Encoding) {
  EXPECT_EQ(EncodeUtf8(U'a'), "a");
  EXPECT_EQ(EncodeUtf8(U'\u00E9'), "\xC3\xA9");
  EXPECT_EQ(EncodeUtf8(U'\u20AC'), "\xE2\x82\xAC");
  EXPECT_EQ(EncodeUtf8(U'\U0001F600'), "\xF0\x9F\x98\x80");
  EXPECT_EQ(EncodeUtf8(0xD800), "\xEF\xBF\xBD");
  EXPECT_EQ(EncodeUtf8(0x110000), "\xEF\xBF\xBD");
}

TEST(CommandText, WordPositions) {
  Doc d{"foo bar(baz)  ", "   next line", "", "x\xC3\xA9y end", "last"};
  TWordChars w;
  for (int c = 33; c < 256; ++c) w.set(static_cast<std::size_t>(c));
  TWordChars ident;
  for (char c = 'a'; c <= 'z'; ++c) ident.set(static_cast<unsigned char>(c));
  struct Case {
    TPoint from;
    bool ident;
    TPoint next, prev;
  } cases[] = {
      {{1, 1}, false, {5, 1}, {1, 1}},  // line 1 start: prev stays at (1,1)
      {{2, 1}, false, {5, 1}, {1, 1}},
      {{5, 1}, false, {15, 1}, {1, 1}},  // without a highlighter "bar(baz)"
                                         // is one word; then only blanks
      {{5, 1}, true, {9, 1}, {1, 1}},    // with identifier characters "(" splits it
      {{9, 1}, true, {15, 1}, {5, 1}},   // no word after "baz": line end
      {{14, 1}, false, {4, 2}, {5, 1}},  // X >= length: next line's first word
      {{30, 1}, false, {4, 2}, {5, 1}},  // beyond the line end
      {{4, 2}, false, {9, 2}, {15, 1}},  // prev from the first word: end of the line above
      {{1, 3}, false, {1, 4}, {13, 2}},  // empty line
      {{1, 4}, false, {6, 4}, {1, 3}},   // é is part of the word
      {{3, 4}, true, {6, 4}, {1, 4}},
      {{9, 4}, false, {1, 5}, {6, 4}},
      {{3, 5}, false, {5, 5}, {1, 5}},
      {{5, 5}, false, {5, 5}, {1, 5}},  // last line, at the end: no change
  };
  for (const auto& c : cases) {
    const auto& set = c.ident ? ident : w;
    EXPECT_EQ(NextWordPos(d.Source(), c.from, set), c.next) << c.from.X << "," << c.from.Y;
    EXPECT_EQ(PrevWordPos(d.Source(), c.from, set), c.prev) << c.from.X << "," << c.from.Y;
  }
}
