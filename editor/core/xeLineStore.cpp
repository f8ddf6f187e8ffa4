#include "xeLineStore.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

template <class T>
void TxeRawArray<T>::Resize(std::size_t Count) {
  if (Count == 0) {
    std::free(FData);
    FData = nullptr;
    return;
  }
  void* p = std::realloc(FData, Count * sizeof(T));
  if (!p) throw std::bad_alloc();
  FData = static_cast<T*>(p);
}

template class TxeRawArray<std::uint64_t>;
template class TxeRawArray<std::uint8_t>;
template class TxeRawArray<std::uint32_t>;

std::size_t FindLineBreak(const char* P, std::size_t From, std::size_t Size) {
  std::size_t i = From;
#ifdef __SSE2__
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i cr = _mm_set1_epi8('\r');
  for (; i + 16 <= Size; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(P + i));
    const int hits = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(v, cr)));
    if (hits) return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(hits)));
  }
#endif
  for (; i < Size; ++i)
    if (P[i] == '\n' || P[i] == '\r') return i;
  return Size;
}

// ---- the records' gap buffer ----

void TxeLineStore::TLineIndex::Swap(TLineIndex& Other) noexcept {
  std::swap(FRecs, Other.FRecs);
  std::swap(FCodes, Other.FCodes);
  std::swap(FWideRanges, Other.FWideRanges);
  std::swap(FWide, Other.FWide);
  std::swap(FCap, Other.FCap);
  std::swap(FGap, Other.FGap);
  std::swap(FGapLen, Other.FGapLen);
  std::swap(FValues, Other.FValues);
  std::swap(FCodeOf, Other.FCodeOf);
}

namespace {

template <class T>
void MoveBlock(T* Base, std::size_t To, std::size_t From, std::size_t N) {
  if (N > 0 && To != From) std::memmove(Base + To, Base + From, N * sizeof(T));
}

}  // namespace

void TxeLineStore::TLineIndex::MoveGap(std::size_t I) {
  if (I == FGap) return;
  // Records between the old and the new gap position cross the gap.
  const auto move = [&](auto* Base) {
    if (I < FGap)
      MoveBlock(Base, I + FGapLen, I, FGap - I);
    else
      MoveBlock(Base, FGap, FGap + FGapLen, I - FGap);
  };
  move(FRecs.Data());
  if (FWide)
    move(FWideRanges.Data());
  else
    move(FCodes.Data());
  FGap = I;
}

void TxeLineStore::TLineIndex::Regrow(std::size_t Cap) {
  const std::size_t tail = FCap - FGap - FGapLen;
  const std::size_t from = FGap + FGapLen;
  const std::size_t to = Cap - tail;
  const auto move = [&](auto& Array) {
    if (Cap > FCap) {
      Array.Resize(Cap);
      MoveBlock(Array.Data(), to, from, tail);
    } else {
      MoveBlock(Array.Data(), to, from, tail);
      Array.Resize(Cap);
    }
  };
  if (Cap > FCap) {
    // Allocate both first, so that a failure leaves the index as it was.
    FRecs.Resize(Cap);
    if (FWide)
      FWideRanges.Resize(Cap);
    else
      FCodes.Resize(Cap);
  }
  move(FRecs);
  if (FWide)
    move(FWideRanges);
  else
    move(FCodes);
  FGapLen = to - FGap;
  FCap = Cap;
}

void TxeLineStore::TLineIndex::InsertN(std::size_t I, std::size_t N) {
  if (FGapLen < N) Regrow(Size() + N + std::max<std::size_t>(256, Size() / 16));
  MoveGap(I);
  if (FWide)
    std::fill_n(FWideRanges.Data() + FGap, N, NoRange);
  else
    std::memset(FCodes.Data() + FGap, 0, N);
  FGap += N;
  FGapLen -= N;
}

void TxeLineStore::TLineIndex::EraseN(std::size_t I, std::size_t N) {
  MoveGap(I);
  FGapLen += N;
  // A gap much larger than the text left goes back, except what later inserts will want.
  if (FGapLen > 4096 && FGapLen > 2 * Size()) {
    try {
      MoveGap(Size());
      Regrow(Size() + std::max<std::size_t>(256, Size() / 16));
    } catch (const std::bad_alloc&) {
    }
  }
}

void TxeLineStore::TLineIndex::PushBack(std::uint64_t Rec) {
  MoveGap(Size());
  if (FGapLen == 0) Regrow(std::max<std::size_t>(64, FCap + FCap / 2));
  FRecs.Data()[FGap] = Rec;
  if (FWide)
    FWideRanges.Data()[FGap] = NoRange;
  else
    FCodes.Data()[FGap] = 0;
  ++FGap;
  --FGapLen;
}

void TxeLineStore::TLineIndex::Reserve(std::size_t N) {
  if (N <= FCap) return;
  MoveGap(Size());
  Regrow(N);
}

void TxeLineStore::TLineIndex::Trim() {
  const std::size_t want = Size() + std::max<std::size_t>(256, Size() / 16);
  if (FCap <= want) return;
  MoveGap(Size());
  Regrow(want);
}

void TxeLineStore::TLineIndex::SetRange(std::size_t I, std::uint32_t Value) {
  if (!FWide) {
    const std::uint8_t code = CodeOf(Value);
    if (code != 0 || Value == NoRange) {
      FCodes.Data()[Phys(I)] = code;
      return;
    }
    Widen();
  }
  FWideRanges.Data()[Phys(I)] = Value;
}

std::uint8_t TxeLineStore::TLineIndex::CodeOf(std::uint32_t Value) {
  if (Value == NoRange) return 0;
  if (Value < FCodeOf.size() && FCodeOf[Value] != 0) return FCodeOf[Value];
  if (Value >= FCodeOf.size()) {
    for (std::size_t c = 1; c < FValues.size(); ++c)
      if (FValues[c] == Value) return static_cast<std::uint8_t>(c);
  }
  if (FValues.size() > 255) return 0;  // the table is full
  FValues.push_back(Value);
  const auto code = static_cast<std::uint8_t>(FValues.size() - 1);
  if (Value < FCodeOf.size()) FCodeOf[Value] = code;
  return code;
}

void TxeLineStore::TLineIndex::Widen() {
  TxeRawArray<std::uint32_t> wide;
  wide.Resize(std::max<std::size_t>(FCap, 1));
  const std::uint8_t* codes = FCodes.Data();
  for (std::size_t i = 0; i < FGap; ++i) wide.Data()[i] = FValues[codes[i]];
  for (std::size_t i = FGap + FGapLen; i < FCap; ++i) wide.Data()[i] = FValues[codes[i]];
  FWideRanges = std::move(wide);
  FCodes.Resize(0);
  FWide = true;
}

// ---- the store ----

void TxeLineStore::Swap(TxeLineStore& Other) noexcept {
  FIndex.Swap(Other.FIndex);
  std::swap(FChunks, Other.FChunks);
  std::swap(FFreeChunks, Other.FFreeChunks);
  std::swap(FOwn, Other.FOwn);
  std::swap(FFreeOwn, Other.FFreeOwn);
  std::swap(FLongLengths, Other.FLongLengths);
  std::swap(FLongest, Other.FLongest);
  std::swap(FMostTabs, Other.FMostTabs);
}

std::string_view TxeLineStore::Get(std::size_t I) const {
  const std::uint64_t r = FIndex.Rec(I);
  if (r & OwnBit) return FOwn[static_cast<std::size_t>(r & ~OwnBit)];
  const std::size_t offset = static_cast<std::size_t>((r >> OffsetShift) & (MaxChunk - 1));
  std::size_t length = static_cast<std::size_t>(r & LongLen);
  if (length == LongLen) length = FLongLengths.find(r >> OffsetShift)->second;
  return std::string_view(FChunks[static_cast<std::size_t>(r >> ChunkShift)].Data() + offset, length);
}

void TxeLineStore::NoteTabs(std::string_view S) {
  NoteTabs(static_cast<std::size_t>(std::count(S.begin(), S.end(), '\t')));
}

std::uint64_t TxeLineStore::NewOwn(std::string&& S) {
  Note(S.size());
  NoteTabs(S);
  if (!FFreeOwn.empty()) {
    const std::uint32_t i = FFreeOwn.back();
    FFreeOwn.pop_back();
    FOwn[i] = std::move(S);
    return OwnBit | i;
  }
  FOwn.push_back(std::move(S));
  // Freeing a line then never needs memory.
  FFreeOwn.reserve(FOwn.size());
  return OwnBit | (FOwn.size() - 1);
}

std::size_t TxeLineStore::NewChunkSlot() {
  if (!FFreeChunks.empty()) {
    const std::size_t i = FFreeChunks.back();
    FFreeChunks.pop_back();
    return i;
  }
  if (FChunks.size() >= MaxChunks) return MaxChunks;
  FChunks.emplace_back();
  FFreeChunks.reserve(FChunks.size());
  return FChunks.size() - 1;
}

std::uint64_t TxeLineStore::ChunkRec(std::size_t Chunk, std::size_t Offset, std::size_t Length) {
  Note(Length);
  return (std::uint64_t(Chunk) << ChunkShift) | (std::uint64_t(Offset) << OffsetShift) |
         std::min<std::uint64_t>(Length, LongLen);
}

void TxeLineStore::FreeLine(std::uint64_t R) {
  if (R & OwnBit) {
    const auto i = static_cast<std::uint32_t>(R & ~OwnBit);
    std::string().swap(FOwn[i]);
    FFreeOwn.push_back(i);
    return;
  }
  if ((R & LongLen) == LongLen) FLongLengths.erase(R >> OffsetShift);
  // The last line cut from a chunk takes the chunk with it.
  const auto i = static_cast<std::size_t>(R >> ChunkShift);
  TChunk& c = FChunks[i];
  if (c.Lines > 0 && --c.Lines == 0) {
    c = TChunk();
    FFreeChunks.push_back(i);
  }
}

std::size_t TxeLineStore::PlaceLines(std::size_t Chunk, std::size_t Size, std::size_t I,
                                     bool FinalBreakEndsText) {
  std::size_t k = I;
  // Tabs are counted by hopping from one to the next, so text without tabs is read once more at memchr
  // speed and no more.
  const char* text = FChunks[Chunk].Data();
  const auto nextTab = [&](std::size_t From) {
    const void* t = From < Size ? std::memchr(text + From, '\t', Size - From) : nullptr;
    return t ? static_cast<std::size_t>(static_cast<const char*>(t) - text) : Size;
  };
  std::size_t tab = nextTab(0);
  try {
    ForEachLine(std::string_view(text, Size), FinalBreakEndsText, [&](std::size_t Off, std::size_t Len) {
      std::size_t tabs = 0;
      for (; tab < Off + Len; tab = nextTab(tab + 1)) ++tabs;
      NoteTabs(tabs);
      const std::uint64_t r = ChunkRec(Chunk, Off, Len);
      if (Len >= LongLen) FLongLengths.emplace(r >> OffsetShift, Len);
      FIndex.Rec(k++) = r;
      ++FChunks[Chunk].Lines;
    });
  } catch (...) {
    // The caller frees the chunk and removes the slots.
    for (std::size_t j = I; j < k; ++j) {
      const std::uint64_t r = FIndex.Rec(j);
      if ((r & LongLen) == LongLen) FLongLengths.erase(r >> OffsetShift);
    }
    FChunks[Chunk].Lines = 0;
    throw;
  }
  return k - I;
}

void TxeLineStore::Set(std::size_t I, std::string&& Text) {
  std::uint64_t& r = FIndex.Rec(I);
  if (r & OwnBit) {
    Note(Text.size());
    NoteTabs(Text);
    FOwn[static_cast<std::size_t>(r & ~OwnBit)] = std::move(Text);
    return;
  }
  const std::uint64_t own = NewOwn(std::move(Text));
  FreeLine(r);
  r = own;
}

void TxeLineStore::Splice(std::size_t I, std::size_t Pos, std::size_t Len, std::string_view S) {
  const std::uint64_t r = FIndex.Rec(I);
  if (r & OwnBit) {
    std::string& own = FOwn[static_cast<std::size_t>(r & ~OwnBit)];
    Pos = std::min(Pos, own.size());
    own.replace(Pos, std::min(Len, own.size() - Pos), S);
    Note(own.size());
    // Only a text with tabs can give the line more of them.
    if (S.find('\t') != std::string_view::npos) NoteTabs(own);
    return;
  }
  const std::string_view old = Get(I);
  Pos = std::min(Pos, old.size());
  Len = std::min(Len, old.size() - Pos);
  std::string t;
  t.reserve(old.size() - Len + S.size());
  t.append(old.substr(0, Pos));
  t.append(S);
  t.append(old.substr(Pos + Len));
  Set(I, std::move(t));
}

void TxeLineStore::InsertLine(std::size_t I, std::string&& S) {
  const std::uint64_t own = NewOwn(std::move(S));
  try {
    FIndex.InsertN(I, 1);
  } catch (...) {
    FreeLine(own);
    throw;
  }
  FIndex.Rec(I) = own;
}

std::size_t TxeLineStore::InsertText(std::size_t I, std::string&& Text, bool FinalBreakEndsText) {
  std::size_t lines = 0;
  ForEachLine(Text, FinalBreakEndsText, [&](std::size_t, std::size_t) { ++lines; });
  if (lines == 0) return 0;
  FIndex.InsertN(I, lines);
  std::size_t placed = 0;
  try {
    // Few lines go into strings of their own, many share one chunk (or several, for a huge text).
    const std::size_t chunk = lines > 16 && Text.size() < MaxChunk ? NewChunkSlot() : MaxChunks;
    if (chunk < MaxChunks) {
      const std::size_t size = Text.size();
      FChunks[chunk].Str = std::make_unique<std::string>(std::move(Text));
      try {
        placed = PlaceLines(chunk, size, I, FinalBreakEndsText);
      } catch (...) {
        FChunks[chunk] = TChunk();
        FFreeChunks.push_back(chunk);
        throw;
      }
    } else {
      const std::string_view t(Text);
      ForEachLine(t, FinalBreakEndsText, [&](std::size_t Off, std::size_t Len) {
        FIndex.Rec(I + placed) = NewOwn(std::string(t.substr(Off, Len)));
        ++placed;
      });
    }
  } catch (...) {
    for (std::size_t k = 0; k < placed; ++k) FreeLine(FIndex.Rec(I + k));
    FIndex.EraseN(I, lines);
    throw;
  }
  return lines;
}

void TxeLineStore::AppendChunk(TxeByteBuffer Text, std::size_t Size) {
  if (Size == 0) return;
  const std::size_t chunk = Size < MaxChunk ? NewChunkSlot() : MaxChunks;
  if (chunk == MaxChunks) {
    InsertText(Count(), std::string(Text.get(), Size), true);
    return;
  }
  FChunks[chunk].Raw = std::move(Text);
  FChunks[chunk].RawSize = Size;
  const std::size_t at = Count();
  // One pass: the records go on the end, where a loading index has its room.
  try {
    ForEachLine(std::string_view(FChunks[chunk].Raw.get(), Size), true,
                [&](std::size_t Off, std::size_t Len) {
                  const std::uint64_t r = ChunkRec(chunk, Off, Len);
                  FIndex.PushBack(r);
                  if (Len >= LongLen) FLongLengths.emplace(r >> OffsetShift, Len);
                  ++FChunks[chunk].Lines;
                });
  } catch (...) {
    for (std::size_t j = at; j < Count(); ++j) {
      const std::uint64_t r = FIndex.Rec(j);
      if ((r & LongLen) == LongLen) FLongLengths.erase(r >> OffsetShift);
    }
    FIndex.EraseN(at, Count() - at);
    FChunks[chunk] = TChunk();
    FFreeChunks.push_back(chunk);
    throw;
  }
}

void TxeLineStore::Erase(std::size_t I, std::size_t N) {
  for (std::size_t k = I; k < I + N; ++k) FreeLine(FIndex.Rec(k));
  FIndex.EraseN(I, N);
}

void TxeLineStore::Clear() {
  TxeLineStore empty;
  Swap(empty);
}

std::size_t TxeLineStore::StorageBytes() const {
  std::size_t n = 0;
  for (const TChunk& c : FChunks) {
    if (c.Raw) n += c.RawSize;
    if (c.Str) n += c.Str->capacity();
  }
  for (const std::string& s : FOwn) {
    // Short strings live inside the string object and hold nothing on the heap.
    const auto* self = reinterpret_cast<const char*>(&s);
    if (s.data() < self || s.data() >= self + sizeof s) n += s.capacity();
  }
  return n;
}
