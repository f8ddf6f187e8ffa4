// The document as assistive technology counts it: UTF-16 code units, lines joined by one "\n".
// Every character of the editing model (a valid UTF-8 sequence, or one invalid byte, shown as
// U+FFFD) is one unit, two above U+FFFF. TxeTextUnits keeps each line's count in blocks with a
// prefix that is brought up to date only as far as a question needs it, so that an edit costs time
// in proportion to the lines it changed, and a question near the last edit costs little.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TxeEditList;

// Units of the UTF-8 text S.
std::int64_t Utf16Length(std::string_view S);
// The byte index in S where the character holding unit Units starts (S.size() at or past the end).
std::size_t ByteOfUnit(std::string_view S, std::int64_t Units);
// Appends S as UTF-16.
void AppendUtf16(std::u16string& Out, std::string_view S);

class TxeTextUnits {
 public:
  TxeTextUnits() : FBlocks(1), FLinesBefore(1, 0), FUnitsBefore(1, 0) {}
  // Counts every line of Lines.
  void Reset(const TxeEditList& Lines);
  // Lines First..First+OldCount-1 were replaced by NewCount lines, now at First in Lines. Returns
  // the old lines' units, each with its "\n".
  std::int64_t Replace(int First, int OldCount, int NewCount, const TxeEditList& Lines);

  int LineCount() const { return FLines; }
  // Units of the whole text (without a break after the last line).
  std::int64_t Length() const { return FUnits > 0 ? FUnits - 1 : 0; }
  // Units before line Line (0-based; LineCount() gives the end plus one).
  std::int64_t LineStart(int Line) const;
  // Units of line Line without its break.
  std::int64_t LineUnits(int Line) const;
  // The line holding unit Offset (a line's "\n" belongs to it); clamped to the lines.
  int LineAt(std::int64_t Offset) const;

 private:
  struct TBlock {
    std::vector<std::uint32_t> Units;  // each line's units + 1
    std::int64_t Sum = 0;
  };
  static constexpr std::size_t BlockLines = 512;

  // The block holding line Line and the line's index in it (the last block's end for LineCount()).
  void Locate(int Line, std::size_t& Block, std::size_t& Index) const;
  void ExtendPrefix(std::size_t Block) const;
  void Invalidate(std::size_t Block) { FValid = std::min(FValid, Block); }
  void SplitBlock(std::size_t Block);
  static std::uint32_t Count(std::string_view Line);

  std::vector<TBlock> FBlocks;
  int FLines = 0;
  std::int64_t FUnits = 0;
  // Lines and units before each block, correct for blocks 0..FValid.
  mutable std::vector<std::int64_t> FLinesBefore, FUnitsBefore;
  mutable std::size_t FValid = 0;
};
