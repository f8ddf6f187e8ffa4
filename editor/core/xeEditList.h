// TxeEditList: the editor's text store. An ordered list of byte-string lines (without their breaks), each
// with one 32-bit slot in which the editor caches the highlighter range at the start of that line. Every
// structural change is reported through seven hooks, and outside a load the list never becomes empty.
//
// Storage (TxeLineStore): loaded text stays in large shared chunks that lines refer to by offset; a line
// that is replaced moves to a string of its own; a chunk is freed as soon as no line refers to it.
//
// Ranges may be filled lazily: the slots of lines 0..RangesKnown()-1 are valid, and asking Objects for a
// line beyond them first lets OnRangesNeeded fill them. Inserting and deleting lines moves that edge with
// the lines.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xeLineStore.h"

class TxeEditList {
 public:
  using TNotifyEvent = std::function<void(TxeEditList* Sender)>;
  using TIndexEvent = std::function<void(int Index)>;
  // (Index, Count): Count lines inserted before, or removed from, Index.
  using TRangeEvent = std::function<void(int Index, int Count)>;

  // The value a new line's slot holds until a rescan fills it; no highlighter range equals it.
  static constexpr std::uint32_t NoRange = TxeLineStore::NoRange;

  TxeEditList();
  ~TxeEditList();
  TxeEditList(const TxeEditList&) = delete;
  TxeEditList& operator=(const TxeEditList&) = delete;

  int Count() const { return static_cast<int>(FStore.Count()); }
  bool Empty() const { return FStore.Count() == 0; }
  // The text of line Index (0-based). The view stays valid until the next change of the list.
  std::string_view Get(int Index) const;
  std::string_view operator[](int Index) const { return Get(Index); }
  std::size_t Length(int Index) const { return Get(Index).size(); }

  // The range at the start of line Index; beyond RangesKnown() OnRangesNeeded is asked to fill it first.
  std::uint32_t Objects(int Index) const;
  // The slot as it is, filled or not.
  std::uint32_t StoredObject(int Index) const;
  void PutObject(int Index, std::uint32_t Value);
  int RangesKnown() const { return FRangesKnown; }
  void SetRangesKnown(int Value) { FRangesKnown = Value; }

  // Mutations, each inside its own update bracket.
  int Add(std::string_view S);
  void Insert(int Index, std::string_view S);
  void Put(int Index, std::string_view S);
  void Put(int Index, std::string&& S);
  void Put(int Index, const char* S) { Put(Index, std::string_view(S)); }
  // Replaces Len bytes at byte Pos of line Index by S (in place when the line has a string of its own);
  // fires OnLinePut.
  void Replace(int Index, std::size_t Pos, std::size_t Len, std::string_view S);
  void Delete(int Index);
  void Clear();
  // Sets the whole text: lines end at CR, LF or CR LF; a final break adds no line; NUL bytes are kept.
  void SetText(std::string_view S);
  void SetText(std::string&& S);
  void SetText(const char* S) { SetText(std::string_view(S)); }
  // Every line followed by CR LF.
  std::string Text() const;
  void AddStrings(const std::vector<std::string>& Other);
  void Assign(const TxeEditList& Source);
  // Reads the rest of the stream as the whole text; with OnRangesRescan set, one rescan replaces the
  // per-line OnLineAdded calls.
  void LoadFromStream(std::istream& Stream);
  // The same from a string the list takes over (no copy of the text is made).
  void LoadFromString(std::string&& S);
  // The same with lines already laid out (read straight from a file); the list takes them over.
  void LoadFromStore(TxeLineStore&& Store);

  // Bulk operations for large edits, one hook call each. InsertLines inserts one line per segment of Text
  // between breaks (so N breaks give N + 1 lines) before Index and fires OnLineInserted(Index) once.
  // DeleteLines removes Count lines from Index (keeping one empty line when all would go) and fires
  // OnLineDeleted(Index, lines removed) once.
  void InsertLines(int Index, std::string_view Text);
  void InsertLines(int Index, std::string&& Text);
  void InsertLines(int Index, const char* Text) { InsertLines(Index, std::string_view(Text)); }
  void DeleteLines(int Index, int Count);

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  int LoadDepth() const { return FLoadDepth; }
  void IncLoadDepth() { ++FLoadDepth; }
  // Lowers the load depth; back at 0 an empty list gets its one empty line.
  void DecLoadDepth();

  // An upper bound of the longest line's length (it does not shrink when long lines go).
  std::size_t LongestLine() const { return FStore.Longest(); }
  // An upper bound of the display cells of the widest line when a tab reaches the next TabWidth stop (no
  // other character takes more cells than it has bytes).
  std::size_t WidestLine(int TabWidth) const {
    return FStore.Longest() + FStore.MostTabs() * static_cast<std::size_t>(std::max(TabWidth, 1) - 1);
  }
  // Bytes of text the list holds on the heap in its chunks and line strings (capacity, not length).
  std::size_t StorageBytes() const { return FStore.StorageBytes(); }

  TNotifyEvent OnLineAdded;
  TNotifyEvent OnListCleared;
  TRangeEvent OnLineDeleted;
  TRangeEvent OnLineInserted;
  TNotifyEvent OnTextAssigned;
  TIndexEvent OnLinePut;
  TNotifyEvent OnRangesRescan;
  // The platform list's changing/changed events: once at the start and end of each outermost update.
  TNotifyEvent OnChanging;
  TNotifyEvent OnChanged;
  // Asked to fill the ranges up to line Index (see Objects).
  TIndexEvent OnRangesNeeded;

 private:
  class TUpdateBracket;
  void CheckIndex(int Index, int Limit) const;
  // The known ranges follow Inserted lines put in, or Removed lines taken out, at Index.
  void ShiftRanges(int Index, int Inserted, int Removed);
  // Takes Store's lines as the whole text (SetText's second half).
  void AssignStore(TxeLineStore&& Store);

  TxeLineStore FStore;
  int FUpdateCount = 0;
  int FLoadDepth = 0;
  int FRangesKnown = 0;
};
