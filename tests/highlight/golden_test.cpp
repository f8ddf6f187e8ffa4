// Golden token dumps of small real files, and the same tokens however a document is scanned.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "jxHTMLSyn.h"
#include "token_dump.h"
#include "xeCSSSyn.h"
#include "xeJScriptSyn.h"

namespace fs = std::filesystem;

namespace {

std::unique_ptr<TxeCustomHighLighter> ForFile(const fs::path& P) {
  const auto Ext = P.extension().string();
  if (Ext == ".html" || Ext == ".htm") return std::make_unique<TjxHTMLSyn>();
  if (Ext == ".js") return std::make_unique<TxeJScriptSyn>();
  if (Ext == ".css") return std::make_unique<TxeCSSSyn>();
  return nullptr;
}

std::vector<fs::path> Inputs() {
  std::vector<fs::path> Files;
  for (const auto& E : fs::directory_iterator(fs::path(QUILLAN_TEST_DATA) / "highlight"))
    if (ForFile(E.path())) Files.push_back(E.path());
  std::sort(Files.begin(), Files.end());
  return Files;
}

// Tokens per line, each line scanned from the range the previous one left.
std::vector<std::vector<TToken>> ByLines(TxeCustomHighLighter& H, const std::vector<std::string>& Lines,
                                         std::vector<std::uint32_t>* Ranges = nullptr) {
  std::vector<std::vector<TToken>> Result;
  H.ClearRange();
  std::uint32_t Range = H.CurrentRange();
  for (const auto& L : Lines) {
    if (Ranges) Ranges->push_back(Range);
    Result.push_back(ScanLine(H, L, Range));
  }
  return Result;
}

// One pass over the whole text with Eol between the lines, cut back into lines. A token that runs over a
// line break (a string takes the break byte after it) is cut at the line end.
std::vector<std::vector<TToken>> OnePass(TxeCustomHighLighter& H, const std::vector<std::string>& Lines,
                                         const std::string& Eol) {
  std::string Text;
  std::vector<int> LineStart;
  for (const auto& L : Lines) {
    LineStart.push_back(static_cast<int>(Text.size()));
    Text += L + Eol;
  }
  std::vector<std::vector<TToken>> Result(Lines.size());
  H.ClearRange();
  H.BeginLine(Text, 0);
  while (!H.AtLineEnd()) {
    const int Start = H.CurrentStart();
    const auto Line = static_cast<std::size_t>(std::upper_bound(LineStart.begin(), LineStart.end(), Start) -
                                               LineStart.begin() - 1);
    const int Offset = Start - LineStart[Line];
    const int Room = static_cast<int>(Lines[Line].size()) - Offset;
    std::string Part = H.CurrentText().substr(0, static_cast<std::size_t>(std::max(Room, 0)));
    if (Room > 0 || (Room == 0 && H.CurrentLength() == 0))
      Result[Line].push_back({H.CurrentKind(), Offset, Part});
    H.Advance();
  }
  return Result;
}

}  // namespace

TEST(Golden, TokenDumpsMatch) {
  const auto Files = Inputs();
  ASSERT_GE(Files.size(), 3u);
  for (const auto& File : Files) {
    auto H = ForFile(File);
    const std::string Dump = DumpDocument(*H, ReadFile(File.string()));
    const std::string Expected = ReadFile(File.string() + ".tokens");
    if (Dump != Expected) {
      std::ofstream(File.string() + ".tokens.new", std::ios::binary) << Dump;
      ADD_FAILURE() << File << ": token dump differs, see " << File.string() << ".tokens.new";
    }
  }
}

TEST(Golden, LineByLineEqualsOnePass) {
  for (const auto& File : Inputs()) {
    auto H = ForFile(File);
    const auto Lines = SplitLines(ReadFile(File.string()));
    const auto Expected = ByLines(*H, Lines);
    for (const std::string Eol : {"\n", "\r\n"}) {
      const auto Whole = OnePass(*H, Lines, Eol);
      for (std::size_t I = 0; I < Lines.size(); ++I)
        EXPECT_EQ(Whole[I], Expected[I]) << File << " line " << I + 1 << " eol " << Eol.size();
    }
  }
}

TEST(Golden, ScanToLineEndLeavesTheRangeOfATokenByTokenScan) {
  for (const auto& File : Inputs()) {
    auto H = ForFile(File);
    const auto Lines = SplitLines(ReadFile(File.string()));
    std::vector<std::uint32_t> Ranges;
    ByLines(*H, Lines, &Ranges);
    Ranges.push_back(H->CurrentRange());
    for (std::size_t I = 0; I < Lines.size(); ++I) {
      H->RestoreRange(Ranges[I]);
      H->BeginLine(Lines[I], static_cast<int>(I));
      H->ScanToLineEnd();
      EXPECT_TRUE(H->AtLineEnd());
      EXPECT_EQ(H->CurrentStart(), static_cast<int>(Lines[I].size()));
      EXPECT_EQ(H->CurrentRange(), Ranges[I + 1]) << File << " line " << I + 1;
    }
  }
}

TEST(Golden, AnyLineRescannedFromItsStoredRange) {
  std::mt19937 Random(7);
  for (const auto& File : Inputs()) {
    auto H = ForFile(File);
    const auto Lines = SplitLines(ReadFile(File.string()));
    std::vector<std::uint32_t> Ranges;
    const auto Expected = ByLines(*H, Lines, &Ranges);
    std::vector<std::size_t> Order(Lines.size());
    for (std::size_t I = 0; I < Order.size(); ++I) Order[I] = I;
    std::shuffle(Order.begin(), Order.end(), Random);
    for (std::size_t I : Order) {
      H->RestoreRange(Ranges[I]);
      H->BeginLine(Lines[I], static_cast<int>(I));
      // Abandon the scan halfway now and then, as a painter does.
      if (I % 3 == 0 && !H->AtLineEnd()) H->Advance();
      std::uint32_t Range = Ranges[I];
      EXPECT_EQ(ScanLine(*H, Lines[I], Range), Expected[I]) << File << " line " << I + 1;
      EXPECT_EQ(Range, I + 1 < Ranges.size() ? Ranges[I + 1] : Range);
    }
  }
}
