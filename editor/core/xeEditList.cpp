#include "xeEditList.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <iterator>
#include <stdexcept>
#include <utility>

// ---- gap buffer ----

void TxeEditList::TLineIndex::MoveGap(std::size_t I) {
  if (I == FGap) return;
  TLineRec* b = FBuf.data();
  if (I < FGap) {
    std::memmove(b + I + FGapLen, b + I, (FGap - I) * sizeof(TLineRec));
  } else {
    std::memmove(b + FGap, b + FGap + FGapLen, (I - FGap) * sizeof(TLineRec));
  }
  FGap = I;
}

void TxeEditList::TLineIndex::InsertN(std::size_t I, std::size_t N) {
  if (FGapLen < N) {
    // Regrow with a gap in proportion to the size, so runs of inserts stay cheap.
    const std::size_t size = Size();
    const std::size_t gap = N + std::max<std::size_t>(256, size / 16);
    std::vector<TLineRec> buf(size + gap);
    // An empty buffer has no data pointer to copy from.
    if (FGap > 0) std::memcpy(buf.data(), FBuf.data(), FGap * sizeof(TLineRec));
    if (size > FGap)
      std::memcpy(buf.data() + FGap + gap, FBuf.data() + FGap + FGapLen, (size - FGap) * sizeof(TLineRec));
    FBuf.swap(buf);
    FGapLen = gap;
  }
  MoveGap(I);
  FGap += N;
  FGapLen -= N;
}

void TxeEditList::TLineIndex::EraseN(std::size_t I, std::size_t N) {
  MoveGap(I);
  FGapLen += N;
}

void TxeEditList::TLineIndex::Reset(std::size_t Reserve) {
  std::vector<TLineRec>().swap(FBuf);
  FBuf.reserve(Reserve);
  FGap = 0;
  FGapLen = 0;
}

void TxeEditList::TLineIndex::PushBack(const TLineRec& R) {
  if (FGapLen == 0 && FGap == FBuf.size()) {
    FBuf.push_back(R);
    FGap = FBuf.size();
    return;
  }
  InsertN(Size(), 1);
  At(Size() - 1) = R;
}

// ---- the list ----

class TxeEditList::TUpdateBracket {
 public:
  explicit TUpdateBracket(TxeEditList& L) : FList(L) { FList.BeginUpdate(); }
  ~TUpdateBracket() { FList.EndUpdate(); }

 private:
  TxeEditList& FList;
};

TxeEditList::TxeEditList() = default;
TxeEditList::~TxeEditList() = default;

void TxeEditList::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index >= Limit)
    throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
}

std::string_view TxeEditList::Get(int Index) const {
  CheckIndex(Index, Count());
  const TLineRec& r = FIndex.At(static_cast<std::size_t>(Index));
  if (r.Pos & OwnBit) return FOwn[static_cast<std::size_t>(r.Pos & ~OwnBit)];
  const std::string& chunk = *FChunks[static_cast<std::size_t>(r.Pos >> ChunkShift)].Text;
  return std::string_view(chunk.data() + (r.Pos & OffsetMask), r.Len);
}

std::uint32_t TxeEditList::Objects(int Index) const {
  CheckIndex(Index, Count());
  return FIndex.At(static_cast<std::size_t>(Index)).Range;
}

void TxeEditList::PutObject(int Index, std::uint32_t Value) {
  CheckIndex(Index, Count());
  FIndex.At(static_cast<std::size_t>(Index)).Range = Value;
}

std::uint32_t TxeEditList::NewOwn(std::string&& S) {
  Note(S.size());
  if (!FFreeOwn.empty()) {
    const std::uint32_t i = FFreeOwn.back();
    FFreeOwn.pop_back();
    FOwn[i] = std::move(S);
    return i;
  }
  FOwn.push_back(std::move(S));
  return static_cast<std::uint32_t>(FOwn.size() - 1);
}

std::uint64_t TxeEditList::NewChunk(std::string&& S, std::size_t Lines) {
  TChunk c{std::make_unique<std::string>(std::move(S)), Lines};
  if (!FFreeChunks.empty()) {
    const std::uint64_t i = FFreeChunks.back();
    FFreeChunks.pop_back();
    FChunks[static_cast<std::size_t>(i)] = std::move(c);
    return i;
  }
  FChunks.push_back(std::move(c));
  return FChunks.size() - 1;
}

void TxeEditList::FreeLine(const TLineRec& R) {
  if (R.Pos & OwnBit) {
    const auto i = static_cast<std::uint32_t>(R.Pos & ~OwnBit);
    std::string().swap(FOwn[i]);
    FFreeOwn.push_back(i);
    return;
  }
  // The last line cut from a chunk takes the chunk with it.
  const std::uint64_t i = R.Pos >> ChunkShift;
  TChunk& c = FChunks[static_cast<std::size_t>(i)];
  if (c.Lines > 0 && --c.Lines == 0) {
    c.Text.reset();
    FFreeChunks.push_back(i);
  }
}

std::size_t TxeEditList::StorageBytes() const {
  std::size_t n = 0;
  for (const TChunk& c : FChunks)
    if (c.Text) n += c.Text->capacity();
  for (const std::string& s : FOwn) {
    // Short strings live inside the string object and hold nothing on the heap.
    const auto* self = reinterpret_cast<const char*>(&s);
    if (s.data() < self || s.data() >= self + sizeof s) n += s.capacity();
  }
  return n;
}

void TxeEditList::BeginUpdate() {
  if (FUpdateCount++ == 0 && OnChanging) OnChanging(this);
}

void TxeEditList::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0 && OnChanged) OnChanged(this);
}

int TxeEditList::Add(std::string_view S) {
  TUpdateBracket b(*this);
  std::string own(S);
  const std::uint32_t i = NewOwn(std::move(own));
  FIndex.PushBack(TLineRec{OwnBit | i, 0, NoRange});
  const int index = Count() - 1;
  if (OnLineAdded) OnLineAdded(this);
  return index;
}

void TxeEditList::Insert(int Index, std::string_view S) {
  TUpdateBracket b(*this);
  CheckIndex(Index, Count() + 1);
  std::string own(S);
  const std::uint32_t i = NewOwn(std::move(own));
  FIndex.InsertN(static_cast<std::size_t>(Index), 1);
  FIndex.At(static_cast<std::size_t>(Index)) = TLineRec{OwnBit | i, 0, NoRange};
  if (OnLineInserted) OnLineInserted(Index, 1);
}

void TxeEditList::Put(int Index, std::string_view S) { Put(Index, std::string(S)); }

void TxeEditList::Put(int Index, std::string&& S) {
  TUpdateBracket b(*this);
  CheckIndex(Index, Count());
  TLineRec& r = FIndex.At(static_cast<std::size_t>(Index));
  if (r.Pos & OwnBit) {
    Note(S.size());
    FOwn[static_cast<std::size_t>(r.Pos & ~OwnBit)] = std::move(S);
  } else {
    FreeLine(r);
    r.Pos = OwnBit | NewOwn(std::move(S));
    r.Len = 0;
  }
  if (OnLinePut) OnLinePut(Index);
}

void TxeEditList::Replace(int Index, std::size_t Pos, std::size_t Len, std::string_view S) {
  TUpdateBracket b(*this);
  CheckIndex(Index, Count());
  TLineRec& r = FIndex.At(static_cast<std::size_t>(Index));
  if (r.Pos & OwnBit) {
    std::string& own = Own(r);
    Pos = std::min(Pos, own.size());
    own.replace(Pos, std::min(Len, own.size() - Pos), S);
    Note(own.size());
  } else {
    const std::string_view old = Get(Index);
    Pos = std::min(Pos, old.size());
    Len = std::min(Len, old.size() - Pos);
    std::string t;
    t.reserve(old.size() - Len + S.size());
    t.append(old.substr(0, Pos));
    t.append(S);
    t.append(old.substr(Pos + Len));
    FreeLine(r);
    r.Pos = OwnBit | NewOwn(std::move(t));
    r.Len = 0;
  }
  if (OnLinePut) OnLinePut(Index);
}

void TxeEditList::Delete(int Index) {
  TUpdateBracket b(*this);
  CheckIndex(Index, Count());
  int removed = 0;
  if (Index != 0 || Count() > 1) {
    FreeLine(FIndex.At(static_cast<std::size_t>(Index)));
    FIndex.EraseN(static_cast<std::size_t>(Index), 1);
    removed = 1;
  } else {
    // The only line is emptied rather than removed.
    TLineRec& r = FIndex.At(0);
    FreeLine(r);
    r.Pos = OwnBit | NewOwn(std::string());
    r.Len = 0;
  }
  if (OnLineDeleted) OnLineDeleted(Index, removed);
}

void TxeEditList::DeleteLines(int Index, int N) {
  if (N <= 0) return;
  TUpdateBracket b(*this);
  CheckIndex(Index, Count());
  CheckIndex(Index + N - 1, Count());
  int removed = N;
  if (N == Count() && FLoadDepth == 0) {
    // Keep one empty line, as Delete does for the only line.
    for (int i = 1; i < N; ++i) FreeLine(FIndex.At(static_cast<std::size_t>(i)));
    FIndex.EraseN(1, static_cast<std::size_t>(N - 1));
    TLineRec& r = FIndex.At(0);
    FreeLine(r);
    r.Pos = OwnBit | NewOwn(std::string());
    r.Len = 0;
    removed = N - 1;
  } else {
    for (int i = Index; i < Index + N; ++i) FreeLine(FIndex.At(static_cast<std::size_t>(i)));
    FIndex.EraseN(static_cast<std::size_t>(Index), static_cast<std::size_t>(N));
  }
  if (OnLineDeleted) OnLineDeleted(Index, removed);
}

void TxeEditList::RemoveAll() {
  FIndex.Reset(0);
  FChunks.clear();
  FFreeChunks.clear();
  std::vector<std::string>().swap(FOwn);
  std::vector<std::uint32_t>().swap(FFreeOwn);
  FLongest = 0;
}

void TxeEditList::Clear() {
  TUpdateBracket b(*this);
  if (OnListCleared) OnListCleared(this);
  RemoveAll();
  if (FLoadDepth == 0 && Empty()) Add("");
}

void TxeEditList::DecLoadDepth() {
  if (FLoadDepth > 0) --FLoadDepth;
  if (FLoadDepth == 0 && Empty()) Add("");
}

namespace {

inline bool IsBreak(unsigned char c) { return c == '\r' || c == '\n'; }

// Calls Emit(offset, length) for every line of T; with FinalBreakAddsNoLine a break at the very end does not
// start another (empty) line, and empty text has no lines.
template <class F>
void ForEachLine(std::string_view T, bool FinalBreakAddsNoLine, F&& Emit) {
  const auto* p = reinterpret_cast<const unsigned char*>(T.data());
  const std::size_t n = T.size();
  std::size_t start = 0;
  std::size_t i = 0;
  if (n == 0) {
    if (!FinalBreakAddsNoLine) Emit(0, 0);
    return;
  }
  while (i < n) {
    const unsigned char c = p[i];
    if (c > '\r' || !IsBreak(c)) {
      ++i;
      continue;
    }
    Emit(start, i - start);
    i += (c == '\r' && i + 1 < n && p[i + 1] == '\n') ? 2 : 1;
    start = i;
  }
  if (start < n || !FinalBreakAddsNoLine) Emit(start, n - start);
}

}  // namespace

void TxeEditList::SplitIntoRecords(std::string&& S, bool FireAdded) {
  if (S.empty()) return;
  std::size_t lines = 0;
  ForEachLine(S, true, [&](std::size_t, std::size_t) { ++lines; });
  const std::uint64_t chunkIndex = NewChunk(std::move(S), lines);
  const std::string_view text(*FChunks[static_cast<std::size_t>(chunkIndex)].Text);
  if (!FireAdded && Empty()) FIndex.Reset(lines);
  ForEachLine(text, true, [&](std::size_t Off, std::size_t Len) {
    Note(Len);
    FIndex.PushBack(TLineRec{(chunkIndex << ChunkShift) | Off, static_cast<std::uint32_t>(Len), NoRange});
    if (FireAdded) OnLineAdded(this);
  });
}

void TxeEditList::SetText(std::string_view S) { SetText(std::string(S)); }

void TxeEditList::SetText(std::string&& S) {
  TUpdateBracket b(*this);
  // Without per-line hooks the new lines are laid out before the old text goes, so that running out of
  // memory on a large text leaves the list as it was.
  const bool fireAdded = static_cast<bool>(OnLineAdded);
  TLineIndex index;
  std::unique_ptr<std::string> chunk;
  std::size_t longest = 0;
  if (!fireAdded && !S.empty()) {
    chunk = std::make_unique<std::string>(std::move(S));
    std::size_t lines = 0;
    ForEachLine(*chunk, true, [&](std::size_t, std::size_t) { ++lines; });
    index.Reset(lines);
    ForEachLine(*chunk, true, [&](std::size_t Off, std::size_t Len) {
      longest = std::max(longest, Len);
      index.PushBack(TLineRec{Off, static_cast<std::uint32_t>(Len), NoRange});
    });
    FChunks.reserve(1);
  }
  // Clearing must not add the empty line of an empty list in front of the new text.
  ++FLoadDepth;
  try {
    Clear();
  } catch (...) {
    --FLoadDepth;
    throw;
  }
  --FLoadDepth;
  if (chunk) {
    const std::size_t lines = index.Size();
    FChunks.push_back(TChunk{std::move(chunk), lines});  // chunk 0: the records above point into it
    FIndex = std::move(index);
    FLongest = longest;
  } else {
    SplitIntoRecords(std::move(S), fireAdded);
  }
  if (FLoadDepth == 0 && Empty()) Add("");
  if (OnTextAssigned) OnTextAssigned(this);
}

std::string TxeEditList::Text() const {
  std::size_t total = 0;
  const int n = Count();
  for (int i = 0; i < n; ++i) total += Length(i) + 2;
  std::string out;
  out.reserve(total);
  for (int i = 0; i < n; ++i) {
    out.append(Get(i));
    out.append("\r\n", 2);
  }
  return out;
}

void TxeEditList::AddStrings(const std::vector<std::string>& Other) {
  {
    TUpdateBracket b(*this);
    for (const std::string& s : Other) FIndex.PushBack(TLineRec{OwnBit | NewOwn(std::string(s)), 0, NoRange});
  }
  if (OnRangesRescan) OnRangesRescan(this);
}

void TxeEditList::Assign(const TxeEditList& Source) {
  if (&Source == this) return;
  ++FLoadDepth;
  try {
    TUpdateBracket b(*this);
    std::string all;
    std::size_t total = 0;
    for (int i = 0; i < Source.Count(); ++i) total += Source.Length(i) + 1;
    all.reserve(total);
    for (int i = 0; i < Source.Count(); ++i) {
      if (i) all.push_back('\n');
      all.append(Source.Get(i));
    }
    Clear();
    if (Source.Count() > 0) {
      InsertSegments(0, std::move(all));
      for (int i = 0; i < Count(); ++i) FIndex.At(static_cast<std::size_t>(i)).Range = Source.Objects(i);
    }
    if (OnRangesRescan) OnRangesRescan(this);
  } catch (...) {
    DecLoadDepth();
    throw;
  }
  DecLoadDepth();
}

void TxeEditList::LoadFromStream(std::istream& Stream) {
  std::string all((std::istreambuf_iterator<char>(Stream)), std::istreambuf_iterator<char>());
  LoadFromString(std::move(all));
}

void TxeEditList::LoadFromString(std::string&& S) {
  ++FLoadDepth;
  TNotifyEvent saved;
  const bool bulk = static_cast<bool>(OnRangesRescan);
  if (bulk) saved = std::exchange(OnLineAdded, nullptr);
  try {
    TUpdateBracket b(*this);
    SetText(std::move(S));
    if (bulk) {
      OnLineAdded = std::move(saved);
      OnRangesRescan(this);
    }
  } catch (...) {
    if (bulk && !OnLineAdded) OnLineAdded = std::move(saved);
    DecLoadDepth();
    throw;
  }
  DecLoadDepth();
}

std::size_t TxeEditList::InsertSegments(int Index, std::string&& Text) {
  // Few lines go into strings of their own; many share one chunk.
  std::size_t lines = 0;
  ForEachLine(Text, false, [&](std::size_t, std::size_t) { ++lines; });
  FIndex.InsertN(static_cast<std::size_t>(Index), lines);
  std::size_t k = static_cast<std::size_t>(Index);
  if (lines <= 16) {
    const std::string_view t(Text);
    ForEachLine(t, false, [&](std::size_t Off, std::size_t Len) {
      FIndex.At(k++) = TLineRec{OwnBit | NewOwn(std::string(t.substr(Off, Len))), 0, NoRange};
    });
    return lines;
  }
  const std::uint64_t chunkIndex = NewChunk(std::move(Text), lines);
  ForEachLine(
      *FChunks[static_cast<std::size_t>(chunkIndex)].Text, false, [&](std::size_t Off, std::size_t Len) {
        Note(Len);
        FIndex.At(k++) = TLineRec{(chunkIndex << ChunkShift) | Off, static_cast<std::uint32_t>(Len), NoRange};
      });
  return lines;
}

void TxeEditList::InsertLines(int Index, std::string_view Text) { InsertLines(Index, std::string(Text)); }

void TxeEditList::InsertLines(int Index, std::string&& Text) {
  TUpdateBracket b(*this);
  CheckIndex(Index, Count() + 1);
  const std::size_t lines = InsertSegments(Index, std::move(Text));
  if (OnLineInserted) OnLineInserted(Index, static_cast<int>(lines));
}
