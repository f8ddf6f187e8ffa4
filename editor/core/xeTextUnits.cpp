#include "xeTextUnits.h"

#include <algorithm>

#include "xeEditList.h"
#include "xeUtf8.h"

namespace {

bool Ascii8(const char* p) {
  std::uint64_t w;
  std::copy(p, p + 8, reinterpret_cast<char*>(&w));
  return (w & 0x8080808080808080ull) == 0;
}

}  // namespace

std::int64_t Utf16Length(std::string_view S) {
  std::int64_t n = 0;
  std::size_t i = 0;
  while (i < S.size()) {
    if (i + 8 <= S.size() && Ascii8(S.data() + i)) {
      n += 8;
      i += 8;
      continue;
    }
    char32_t c;
    const int len = Utf8Decode(S, i, &c);
    n += (len == 4) ? 2 : 1;
    i += static_cast<std::size_t>(len);
  }
  return n;
}

std::size_t ByteOfUnit(std::string_view S, std::int64_t Units) {
  std::size_t i = 0;
  while (i < S.size() && Units > 0) {
    char32_t c;
    const int len = Utf8Decode(S, i, &c);
    const int units = len == 4 ? 2 : 1;
    if (units > Units) break;
    Units -= units;
    i += static_cast<std::size_t>(len);
  }
  return i;
}

void AppendUtf16(std::u16string& Out, std::string_view S) {
  std::size_t i = 0;
  while (i < S.size()) {
    char32_t c;
    const int len = Utf8Decode(S, i, &c);
    if (len == 1 && c >= 0x80) c = 0xFFFD;  // a byte of its own
    if (c > 0xFFFF) {
      c -= 0x10000;
      Out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      Out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
      Out.push_back(static_cast<char16_t>(c));
    }
    i += static_cast<std::size_t>(len);
  }
}

std::uint32_t TxeTextUnits::Count(std::string_view Line) {
  return static_cast<std::uint32_t>(std::min<std::int64_t>(Utf16Length(Line) + 1, 0xFFFFFFFFu));
}

void TxeTextUnits::Reset(const TxeEditList& Lines) {
  FBlocks.clear();
  FLines = Lines.Count();
  FUnits = 0;
  for (int i = 0; i < FLines; ++i) {
    if (FBlocks.empty() || FBlocks.back().Units.size() >= BlockLines) FBlocks.emplace_back();
    const std::uint32_t n = Count(Lines.Get(i));
    FBlocks.back().Units.push_back(n);
    FBlocks.back().Sum += n;
    FUnits += n;
  }
  if (FBlocks.empty()) FBlocks.emplace_back();
  FValid = 0;
  FLinesBefore.assign(1, 0);
  FUnitsBefore.assign(1, 0);
}

void TxeTextUnits::ExtendPrefix(std::size_t Block) const {
  FLinesBefore.resize(FBlocks.size() + 1);
  FUnitsBefore.resize(FBlocks.size() + 1);
  while (FValid < Block && FValid < FBlocks.size()) {
    FLinesBefore[FValid + 1] = FLinesBefore[FValid] + static_cast<std::int64_t>(FBlocks[FValid].Units.size());
    FUnitsBefore[FValid + 1] = FUnitsBefore[FValid] + FBlocks[FValid].Sum;
    ++FValid;
  }
}

void TxeTextUnits::Locate(int Line, std::size_t& Block, std::size_t& Index) const {
  // Start from the valid prefix when the line lies beyond it, else search inside it.
  std::size_t b;
  if (FValid > 0 && Line < FLinesBefore[FValid]) {
    b = static_cast<std::size_t>(
            std::upper_bound(FLinesBefore.begin(),
                             FLinesBefore.begin() + static_cast<std::ptrdiff_t>(FValid) + 1,
                             static_cast<std::int64_t>(Line)) -
            FLinesBefore.begin()) -
        1;
  } else {
    b = std::min(FValid, FBlocks.size() - 1);
    while (b + 1 < FBlocks.size() &&
           FLinesBefore[b] + static_cast<std::int64_t>(FBlocks[b].Units.size()) <= Line) {
      ExtendPrefix(b + 1);
      ++b;
    }
  }
  Block = b;
  Index = static_cast<std::size_t>(Line - FLinesBefore[b]);
}

std::int64_t TxeTextUnits::LineStart(int Line) const {
  Line = std::clamp(Line, 0, FLines);
  std::size_t b, i;
  Locate(Line, b, i);
  std::int64_t units = FUnitsBefore[b];
  const auto& block = FBlocks[b].Units;
  // Sum the shorter side of the block.
  if (i <= block.size() / 2) {
    for (std::size_t k = 0; k < i; ++k) units += block[k];
  } else {
    units += FBlocks[b].Sum;
    for (std::size_t k = i; k < block.size(); ++k) units -= block[k];
  }
  return units;
}

std::int64_t TxeTextUnits::LineUnits(int Line) const {
  if (Line < 0 || Line >= FLines) return 0;
  std::size_t b, i;
  Locate(Line, b, i);
  return static_cast<std::int64_t>(FBlocks[b].Units[i]) - 1;
}

int TxeTextUnits::LineAt(std::int64_t Offset) const {
  if (FLines == 0 || Offset <= 0) return 0;
  if (Offset >= FUnits) return FLines - 1;
  if (FValid == 0 || Offset >= FUnitsBefore[FValid]) ExtendPrefix(FBlocks.size());
  const std::size_t b =
      static_cast<std::size_t>(
          std::upper_bound(FUnitsBefore.begin(),
                           FUnitsBefore.begin() + static_cast<std::ptrdiff_t>(FValid) + 1, Offset) -
          FUnitsBefore.begin()) -
      1;
  std::int64_t units = FUnitsBefore[std::min(b, FValid)];
  std::size_t i = 0;
  const auto& block = FBlocks[b].Units;
  while (i + 1 < block.size() && units + block[i] <= Offset) units += block[i++];
  return static_cast<int>(FLinesBefore[b]) + static_cast<int>(i);
}

void TxeTextUnits::SplitBlock(std::size_t Block) {
  std::vector<TBlock> parts;
  const auto& units = FBlocks[Block].Units;
  for (std::size_t at = 0; at < units.size(); at += BlockLines) {
    TBlock part;
    part.Units.assign(units.begin() + static_cast<std::ptrdiff_t>(at),
                      units.begin() + static_cast<std::ptrdiff_t>(std::min(units.size(), at + BlockLines)));
    for (std::uint32_t n : part.Units) part.Sum += n;
    parts.push_back(std::move(part));
  }
  FBlocks.erase(FBlocks.begin() + static_cast<std::ptrdiff_t>(Block));
  FBlocks.insert(FBlocks.begin() + static_cast<std::ptrdiff_t>(Block), std::make_move_iterator(parts.begin()),
                 std::make_move_iterator(parts.end()));
}

std::int64_t TxeTextUnits::Replace(int First, int OldCount, int NewCount, const TxeEditList& Lines) {
  std::size_t b, i;
  Locate(First, b, i);
  Invalidate(b);
  // Take the old lines out, from this block on.
  std::int64_t removed = 0;
  int left = OldCount;
  std::size_t k = b;
  std::size_t at = i;
  while (left > 0 && k < FBlocks.size()) {
    auto& units = FBlocks[k].Units;
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(left), units.size() - at);
    for (std::size_t j = at; j < at + n; ++j) removed += units[j];
    std::int64_t sum = 0;
    for (std::size_t j = at; j < at + n; ++j) sum += units[j];
    FBlocks[k].Sum -= sum;
    units.erase(units.begin() + static_cast<std::ptrdiff_t>(at),
                units.begin() + static_cast<std::ptrdiff_t>(at + n));
    left -= static_cast<int>(n);
    ++k;
    at = 0;
  }
  // The new lines go where the old ones began.
  std::vector<std::uint32_t> added(static_cast<std::size_t>(NewCount));
  std::int64_t addedSum = 0;
  for (int j = 0; j < NewCount; ++j) {
    added[static_cast<std::size_t>(j)] = Count(Lines.Get(First + j));
    addedSum += added[static_cast<std::size_t>(j)];
  }
  auto& units = FBlocks[b].Units;
  units.insert(units.begin() + static_cast<std::ptrdiff_t>(i), added.begin(), added.end());
  FBlocks[b].Sum += addedSum;
  FLines += NewCount - OldCount;
  FUnits += addedSum - removed;
  // Keep blocks neither empty nor large.
  for (std::size_t j = std::min(k, FBlocks.size()); j-- > b + 1;)
    if (FBlocks[j].Units.empty()) FBlocks.erase(FBlocks.begin() + static_cast<std::ptrdiff_t>(j));
  if (FBlocks[b].Units.empty() && FBlocks.size() > 1) {
    FBlocks.erase(FBlocks.begin() + static_cast<std::ptrdiff_t>(b));
  } else if (FBlocks[b].Units.size() > 2 * BlockLines) {
    SplitBlock(b);
  }
  return removed;
}
