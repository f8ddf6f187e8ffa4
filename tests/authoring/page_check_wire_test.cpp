// The frames of quillan-check's answer: what it writes reads back the same in pieces of any size, and
// an answer that breaks the format or its limits is refused as a whole.
#include "PageCheckWire.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::string Repeat(const std::string& Unit, std::size_t Times) {
  std::string text;
  for (std::size_t i = 0; i < Times; ++i) text += Unit;
  return text;
}

TEST(PageCheckWire, AnswersReadBackInPiecesOfAnySize) {
  std::vector<TPageProblem> problems = {
      {4, 1, false, "Warning: missing </div>"},
      {0, 0, true, "Error: a document without a line"},
      {2147483647, 2147483647, false, "Warning: a line feed\nand a colon: inside, P3:1\n"},
      {7, 3, true, ""},
      {9, 1, false, "\xff\xfe not UTF-8"},
      {12, 5, false, "Warning: " + Repeat("\xc3\xa9", 800)},  // 1609 bytes, cut between characters
  };
  std::string answer = PageCheckProgressFrame(0) + PageCheckProgressFrame(123456789);
  for (const TPageProblem& p : problems) answer += PageCheckProblemFrame(p);
  answer += PageCheckSummaryFrame(2, 4000);
  // Written cut at a character's start, within the limit.
  problems.back().Message.resize(MaxPageCheckMessage - 1);

  std::mt19937 random(20240611);
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE(round);
    TPageCheckReader reader;
    std::size_t at = 0;
    while (at < answer.size()) {
      EXPECT_FALSE(reader.Complete());
      const std::size_t piece = round == 0 ? answer.size() : round == 1 ? 1 : random() % 40 + 1;
      ASSERT_TRUE(reader.Feed(std::string_view(answer).substr(at, piece)));
      at += piece;
    }
    ASSERT_TRUE(reader.Complete());
    EXPECT_EQ(reader.BytesRead(), 123456789u);
    const TPageCheckResult result = reader.TakeResult();
    EXPECT_EQ(result.Errors, 2);
    EXPECT_EQ(result.Warnings, 4000);
    ASSERT_EQ(result.Problems.size(), problems.size());
    for (std::size_t i = 0; i < problems.size(); ++i) {
      EXPECT_EQ(result.Problems[i].Line, problems[i].Line);
      EXPECT_EQ(result.Problems[i].Column, problems[i].Column);
      EXPECT_EQ(result.Problems[i].Error, problems[i].Error);
      EXPECT_EQ(result.Problems[i].Message, problems[i].Message);
    }
  }
}

TEST(PageCheckWire, BrokenAnswersAreRefused) {
  const std::string entry = "M7:1 1 W x\n";
  struct {
    std::string Answer;
    bool Broken;  // else whole or still coming
    bool Complete;
  } cases[] = {
      {"", false, false},
      {"P", false, false},
      {"P12", false, false},
      {"P1:5", false, false},
      {entry + "S3:1 0", false, false},
      {"S3:1 2\n", false, true},
      {entry + "S3:0 1\n", false, true},
      {"M" + std::to_string(MaxPageCheckMessage + 6) + ":1 1 E " + Repeat("m", MaxPageCheckMessage) +
           "\nS3:1 0\n",
       false, true},
      {Repeat(entry, MaxPageProblems) + PageCheckSummaryFrame(0, int(MaxPageProblems)), false, true},
      // Broken: the kind, the length, the end of the frame.
      {"X1:a\n", true, false},
      {"p1:1\n", true, false},
      {"P:\n", true, false},
      {"P12345", true, false},
      {"P01234:", true, false},
      {"P9999:", true, false},
      {"P1:5x", true, false},
      {"P1 :5\n", true, false},
      {"P-1:5\n", true, false},
      // The payloads.
      {"P0:\n", true, false},
      {"P3:1a2\n", true, false},
      {"P20:12345678901234567890\n", true, false},
      {"M5:1 1 W\n", true, false},
      {"M7:1 1 X x\n", true, false},
      {"M8:-1 1 W x\n", true, false},
      {"M7:1,1 W x\n", true, false},
      {"M16:2147483648 1 W x\n", true, false},
      {"M" + std::to_string(MaxPageCheckMessage + 7) + ":1 1 E " + Repeat("m", MaxPageCheckMessage + 1) +
           "\n",
       true, false},
      {"S2:12\n", true, false},
      {"S4:1 2 \n", true, false},
      {"S4:1  2\n", true, false},
      // More entries than a list holds, fewer problems counted than listed, anything after the end.
      {Repeat(entry, MaxPageProblems + 1), true, false},
      {entry + entry + "S3:1 0\n", true, false},
      {"S3:1 2\nP1:1\n", true, false},
      {"S3:1 2\n\n", true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Answer.substr(0, 60));
    for (const std::size_t piece : {c.Answer.size(), std::size_t(1), std::size_t(5)}) {
      TPageCheckReader reader;
      bool ok = true;
      for (std::size_t at = 0; at < c.Answer.size() && ok; at += std::max<std::size_t>(piece, 1))
        ok = reader.Feed(std::string_view(c.Answer).substr(at, piece));
      EXPECT_EQ(reader.Broken(), c.Broken);
      EXPECT_EQ(!ok, c.Broken);
      EXPECT_EQ(reader.Complete(), c.Complete);
      if (c.Broken) {
        EXPECT_FALSE(reader.Feed("S3:0 0\n"));
        EXPECT_TRUE(reader.TakeResult().Problems.empty());
      }
    }
  }
}

}  // namespace
