// Lines read piece by piece straight into the line store agree with the whole text split at once, for
// pieces far smaller than lines, CR LF pairs cut between two reads, tabs, NUL bytes and long lines.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core_test_support.h"
#include "xeTextBuilder.h"

namespace {

std::vector<std::string> LinesOf(const TxeLineStore& S) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < S.Count(); ++i) out.emplace_back(S.Get(i));
  return out;
}

std::string Widened(const std::string& S) {
  std::string out;
  for (char c : S) out += c == '\t' ? std::string(4, ' ') : std::string(1, c);
  return out;
}

TEST(TextBuilder, PiecesMakeTheLinesOfTheWholeText) {
  std::mt19937 rng(5);
  const auto pick = [&](int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(rng); };
  static const std::string bits[] = {"a", "bc", "\r", "\n", "\r\n", "\t", std::string(1, '\0'), "\xC3\xA9"};
  for (int round = 0; round < 300; ++round) {
    std::string text;
    for (int k = pick(0, 120); k > 0; --k) text += bits[pick(0, 7)];
    if (round % 10 == 0) text += std::string(static_cast<std::size_t>(pick(50, 400)), 'x');
    const bool widen = round % 2 == 0;
    TxeTextBuilder b(widen, static_cast<std::size_t>(pick(16, 64)));
    b.Expect(text.size());
    std::string pieces;
    b.OnPiece = [&](std::string_view P) {
      // Each piece but the last ends at a line break, whole CR LF pairs included.
      pieces.append(P);
      ASSERT_TRUE(pieces.size() == text.size() || P.back() == '\n' || P.back() == '\r');
      ASSERT_FALSE(P.back() == '\r' && pieces.size() < text.size() && text[pieces.size()] == '\n');
    };
    std::size_t at = 0;
    while (at < text.size()) {
      std::size_t room = 0;
      char* to = b.Room(room);
      const std::size_t n = std::min({room, text.size() - at, static_cast<std::size_t>(pick(1, 40))});
      std::memcpy(to, text.data() + at, n);
      b.Commit(n);
      at += n;
    }
    EXPECT_EQ(b.Head(), std::string_view(text).substr(0, TxeTextBuilder::HeadLength));
    const TxeLineStore store = b.Finish();
    EXPECT_EQ(pieces, text);
    TxeEditList whole;
    whole.SetText(widen ? Widened(text) : text);
    if (text.empty()) {
      EXPECT_EQ(store.Count(), 0u);
    } else {
      EXPECT_EQ(LinesOf(store), ::LinesOf(whole)) << "round " << round;
    }
  }
}

}  // namespace
