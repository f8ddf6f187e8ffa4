// TxeLineStore: the storage under the line list, without its hooks. Loaded text stays in large chunks that
// lines refer to by offset; a line that is changed gets a string of its own; a chunk is freed as soon as no
// line refers to it. A line costs 8 bytes for its place and 1 byte for its highlighter range (a code into
// the table of the values in use; 4 bytes once a document uses more than 255 values). The records live in
// gap buffers that grow with realloc, so large ones are remapped rather than copied, and edits near the
// last one move few records.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A block of plain values that grows and shrinks with realloc; capacity never written costs no memory.
template <class T>
class TxeRawArray {
 public:
  TxeRawArray() = default;
  ~TxeRawArray() { std::free(FData); }
  TxeRawArray(TxeRawArray&& Other) noexcept : FData(Other.FData) { Other.FData = nullptr; }
  TxeRawArray& operator=(TxeRawArray&& Other) noexcept {
    std::swap(FData, Other.FData);
    return *this;
  }
  T* Data() { return FData; }
  const T* Data() const { return FData; }
  // Keeps the first min(old, new) values; throws std::bad_alloc when the memory cannot be had.
  void Resize(std::size_t Count);

 private:
  T* FData = nullptr;
};

// Bytes allocated with malloc, freed with free.
struct TxeFreeBytes {
  void operator()(char* P) const { std::free(P); }
};
using TxeByteBuffer = std::unique_ptr<char, TxeFreeBytes>;

// Offset of the first CR or LF in P[From..Size), or Size.
std::size_t FindLineBreak(const char* P, std::size_t From, std::size_t Size);

class TxeLineStore {
 public:
  static constexpr std::uint32_t NoRange = 0xFFFFFFFFu;
  // A chunk holds fewer bytes than this; the lines of a longer text get strings of their own.
  static constexpr std::size_t MaxChunk = std::size_t(1) << 31;

  TxeLineStore() = default;
  // A store moved from holds what the target held before (or nothing): always a whole one.
  TxeLineStore(TxeLineStore&& Other) noexcept { Swap(Other); }
  TxeLineStore& operator=(TxeLineStore&& Other) noexcept {
    Swap(Other);
    return *this;
  }
  void Swap(TxeLineStore& Other) noexcept;

  std::size_t Count() const { return FIndex.Size(); }
  std::string_view Get(std::size_t I) const;
  std::uint32_t Range(std::size_t I) const { return FIndex.Range(I); }
  void SetRange(std::size_t I, std::uint32_t Value) { FIndex.SetRange(I, Value); }

  // Line I becomes Text, a string of its own.
  void Set(std::size_t I, std::string&& Text);
  // Replaces Len bytes at Pos of line I (both clamped) by S.
  void Splice(std::size_t I, std::size_t Pos, std::size_t Len, std::string_view S);
  // Inserts S as one line before I.
  void InsertLine(std::size_t I, std::string&& S);
  // Inserts the lines of Text before I: lines end at CR, LF or CR LF; with FinalBreakEndsText a break at
  // the very end adds no empty line (and empty text has no lines). Returns the number of lines inserted.
  std::size_t InsertText(std::size_t I, std::string&& Text, bool FinalBreakEndsText);
  // Appends the lines of Size bytes at Text, which end at a line break or are the text's last ones; the
  // store takes the buffer over.
  void AppendChunk(TxeByteBuffer Text, std::size_t Size);
  void Erase(std::size_t I, std::size_t N);
  void Clear();
  // Room for N lines in all (a hint that saves regrowing).
  void Reserve(std::size_t N) { FIndex.Reserve(N); }
  // Gives back the room reserved beyond the lines and a modest gap.
  void Trim() { FIndex.Trim(); }

  // An upper bound of the longest line's length.
  std::size_t Longest() const { return FLongest; }
  // An upper bound of the tabs one line holds.
  std::size_t MostTabs() const { return FMostTabs; }
  // Bytes of text held on the heap in chunks and line strings (capacity, not length).
  std::size_t StorageBytes() const;
  // Bytes of the per-line records (capacity).
  std::size_t RecordBytes() const { return FIndex.Bytes(); }

 private:
  // A line's place, packed: OwnBit + index of its own string; or chunk (16 bits), offset in the chunk
  // (31 bits) and length (16 bits; LongLen means the length is kept in FLongLengths).
  static constexpr std::uint64_t OwnBit = 1ull << 63;
  static constexpr int ChunkShift = 47;
  static constexpr int OffsetShift = 16;
  static constexpr std::uint64_t LongLen = 0xFFFF;
  static constexpr std::size_t MaxChunks = std::size_t(1) << 16;

  class TLineIndex {
   public:
    TLineIndex() { FCodeOf.fill(0); }
    TLineIndex(TLineIndex&& Other) noexcept : TLineIndex() { Swap(Other); }
    TLineIndex& operator=(TLineIndex&& Other) noexcept {
      Swap(Other);
      return *this;
    }
    void Swap(TLineIndex& Other) noexcept;
    std::size_t Size() const { return FCap - FGapLen; }
    std::uint64_t& Rec(std::size_t I) { return FRecs.Data()[Phys(I)]; }
    std::uint64_t Rec(std::size_t I) const { return FRecs.Data()[Phys(I)]; }
    std::uint32_t Range(std::size_t I) const {
      return FWide ? FWideRanges.Data()[Phys(I)] : FValues[FCodes.Data()[Phys(I)]];
    }
    void SetRange(std::size_t I, std::uint32_t Value);
    // N new records before I (to be set by the caller), their ranges NoRange.
    void InsertN(std::size_t I, std::size_t N);
    void EraseN(std::size_t I, std::size_t N);
    void PushBack(std::uint64_t Rec);
    void Reserve(std::size_t N);
    void Trim();
    std::size_t Bytes() const { return FCap * (sizeof(std::uint64_t) + (FWide ? 4 : 1)); }

   private:
    std::size_t Phys(std::size_t I) const { return I < FGap ? I : I + FGapLen; }
    void MoveGap(std::size_t I);
    // Capacity Cap, the records after the gap moved to the new end.
    void Regrow(std::size_t Cap);
    std::uint8_t CodeOf(std::uint32_t Value);
    void Widen();

    TxeRawArray<std::uint64_t> FRecs;
    TxeRawArray<std::uint8_t> FCodes;
    TxeRawArray<std::uint32_t> FWideRanges;
    bool FWide = false;
    std::size_t FCap = 0, FGap = 0, FGapLen = 0;
    // Range codes: code 0 is NoRange; FCodeOf finds the code of a value below 256 (0: none yet).
    std::vector<std::uint32_t> FValues{NoRange};
    std::array<std::uint8_t, 256> FCodeOf;
  };

  // A block of text shared by the lines cut from it; Lines counts those still referring to it.
  struct TChunk {
    std::unique_ptr<std::string> Str;
    TxeByteBuffer Raw;
    std::size_t RawSize = 0;
    std::size_t Lines = 0;
    const char* Data() const { return Raw ? Raw.get() : Str->data(); }
  };

  std::uint64_t NewOwn(std::string&& S);
  // A free chunk slot, or MaxChunks when every one is taken.
  std::size_t NewChunkSlot();
  std::uint64_t ChunkRec(std::size_t Chunk, std::size_t Offset, std::size_t Length);
  // Records for the lines of Chunk's Size bytes, from I on (slots already made); returns their number.
  std::size_t PlaceLines(std::size_t Chunk, std::size_t Size, std::size_t I, bool FinalBreakEndsText);
  void FreeLine(std::uint64_t Rec);
  void Note(std::size_t Len) {
    if (Len > FLongest) FLongest = Len;
  }
  void NoteTabs(std::size_t Tabs) {
    if (Tabs > FMostTabs) FMostTabs = Tabs;
  }
  void NoteTabs(std::string_view S);

  TLineIndex FIndex;
  std::vector<TChunk> FChunks;
  std::vector<std::size_t> FFreeChunks;
  std::vector<std::string> FOwn;
  std::vector<std::uint32_t> FFreeOwn;
  std::unordered_map<std::uint64_t, std::size_t> FLongLengths;
  std::size_t FLongest = 0;
  std::size_t FMostTabs = 0;
};

// Calls Emit(offset, length) for every line of T (lines end at CR, LF or CR LF); with FinalBreakEndsText a
// break at the very end starts no further line, and empty text has no lines.
template <class F>
void ForEachLine(std::string_view T, bool FinalBreakEndsText, F&& Emit) {
  const char* p = T.data();
  const std::size_t n = T.size();
  if (n == 0) {
    if (!FinalBreakEndsText) Emit(std::size_t(0), std::size_t(0));
    return;
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t i = FindLineBreak(p, start, n);
    if (i == n) break;
    Emit(start, i - start);
    start = i + ((p[i] == '\r' && i + 1 < n && p[i + 1] == '\n') ? 2 : 1);
  }
  if (start < n || !FinalBreakEndsText) Emit(start, n - start);
}
