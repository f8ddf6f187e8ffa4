#include "xeEditList.h"

#include <algorithm>
#include <istream>
#include <iterator>
#include <stdexcept>
#include <utility>

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
  return FStore.Get(static_cast<std::size_t>(Index));
}

std::uint32_t TxeEditList::Objects(int Index) const {
  CheckIndex(Index, Count());
  if (Index >= FRangesKnown && OnRangesNeeded) OnRangesNeeded(Index);
  return FStore.Range(static_cast<std::size_t>(Index));
}

std::uint32_t TxeEditList::StoredObject(int Index) const {
  CheckIndex(Index, Count());
  return FStore.Range(static_cast<std::size_t>(Index));
}

void TxeEditList::PutObject(int Index, std::uint32_t Value) {
  CheckIndex(Index, Count());
  FStore.SetRange(static_cast<std::size_t>(Index), Value);
}

void TxeEditList::ShiftRanges(int Index, int Inserted, int Removed) {
  // New lines at or before the edge count as known: the rescan that follows every insert fills them.
  if (Inserted > 0 && Index <= FRangesKnown) FRangesKnown += Inserted;
  if (Removed > 0 && Index < FRangesKnown) FRangesKnown = std::max(Index, FRangesKnown - Removed);
}

void TxeEditList::BeginUpdate() {
  if (FUpdateCount++ == 0 && OnChanging) OnChanging(this);
}

void TxeEditList::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0 && OnChanged) OnChanged(this);
}

int TxeEditList::Add(std::string_view S) {
  TUpdateBracket b(*this);
  const int index = Count();
  FStore.InsertLine(FStore.Count(), std::string(S));
  ShiftRanges(index, 1, 0);
  if (OnLineAdded) OnLineAdded(this);
  return index;
}

void TxeEditList::Insert(int Index, std::string_view S) {
  TUpdateBracket b(*this);
  CheckIndex(Index, Count() + 1);
  FStore.InsertLine(static_cast<std::size_t>(Index), std::string(S));
  ShiftRanges(Index, 1, 0);
  if (OnLineInserted) OnLineInserted(Index, 1);
}

void TxeEditList::Put(int Index, std::string_view S) { Put(Index, std::string(S)); }

void TxeEditList::Put(int Index, std::string&& S) {
  TUpdateBracket b(*this);
  CheckIndex(Index, Count());
  FStore.Set(static_cast<std::size_t>(Index), std::move(S));
  if (OnLinePut) OnLinePut(Index);
}

void TxeEditList::Replace(int Index, std::size_t Pos, std::size_t Len, std::string_view S) {
  TUpdateBracket b(*this);
  CheckIndex(Index, Count());
  FStore.Splice(static_cast<std::size_t>(Index), Pos, Len, S);
  if (OnLinePut) OnLinePut(Index);
}

void TxeEditList::Delete(int Index) {
  TUpdateBracket b(*this);
  CheckIndex(Index, Count());
  int removed = 0;
  if (Index != 0 || Count() > 1) {
    FStore.Erase(static_cast<std::size_t>(Index), 1);
    removed = 1;
  } else {
    // The only line is emptied rather than removed.
    FStore.Set(0, std::string());
  }
  ShiftRanges(Index, 0, removed);
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
    FStore.Set(0, std::string());
    FStore.Erase(1, static_cast<std::size_t>(N - 1));
    removed = N - 1;
  } else {
    FStore.Erase(static_cast<std::size_t>(Index), static_cast<std::size_t>(N));
  }
  ShiftRanges(Index, 0, removed);
  if (OnLineDeleted) OnLineDeleted(Index, removed);
}

void TxeEditList::Clear() {
  TUpdateBracket b(*this);
  if (OnListCleared) OnListCleared(this);
  FStore.Clear();
  FRangesKnown = 0;
  if (FLoadDepth == 0 && Empty()) Add("");
}

void TxeEditList::DecLoadDepth() {
  if (FLoadDepth > 0) --FLoadDepth;
  if (FLoadDepth == 0 && Empty()) Add("");
}

void TxeEditList::SetText(std::string_view S) { SetText(std::string(S)); }

void TxeEditList::SetText(std::string&& S) {
  TUpdateBracket b(*this);
  // The new lines are laid out before the old text goes, so that running out of memory on a large text
  // leaves the list as it was.
  TxeLineStore store;
  store.InsertText(0, std::move(S), true);
  AssignStore(std::move(store));
}

void TxeEditList::AssignStore(TxeLineStore&& Store) {
  // Clearing must not add the empty line of an empty list in front of the new text.
  ++FLoadDepth;
  try {
    Clear();
  } catch (...) {
    --FLoadDepth;
    throw;
  }
  --FLoadDepth;
  if (OnLineAdded) {
    // Line by line, so that the hook sees each one arrive.
    for (std::size_t i = 0; i < Store.Count(); ++i) {
      FStore.InsertLine(FStore.Count(), std::string(Store.Get(i)));
      ShiftRanges(Count() - 1, 1, 0);
      OnLineAdded(this);
    }
  } else {
    FStore = std::move(Store);
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
    for (const std::string& s : Other) {
      FStore.InsertLine(FStore.Count(), std::string(s));
      ShiftRanges(Count() - 1, 1, 0);
    }
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
      FStore.InsertText(0, std::move(all), false);
      for (int i = 0; i < Count(); ++i) FStore.SetRange(static_cast<std::size_t>(i), Source.StoredObject(i));
      FRangesKnown = std::min(Source.RangesKnown(), Count());
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
  TxeLineStore store;
  store.InsertText(0, std::move(S), true);
  LoadFromStore(std::move(store));
}

void TxeEditList::LoadFromStore(TxeLineStore&& Store) {
  ++FLoadDepth;
  TNotifyEvent saved;
  const bool bulk = static_cast<bool>(OnRangesRescan);
  if (bulk) saved = std::exchange(OnLineAdded, nullptr);
  try {
    TUpdateBracket b(*this);
    AssignStore(std::move(Store));
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

void TxeEditList::InsertLines(int Index, std::string_view Text) { InsertLines(Index, std::string(Text)); }

void TxeEditList::InsertLines(int Index, std::string&& Text) {
  TUpdateBracket b(*this);
  CheckIndex(Index, Count() + 1);
  const std::size_t lines = FStore.InsertText(static_cast<std::size_t>(Index), std::move(Text), false);
  ShiftRanges(Index, static_cast<int>(lines), 0);
  if (OnLineInserted) OnLineInserted(Index, static_cast<int>(lines));
}
