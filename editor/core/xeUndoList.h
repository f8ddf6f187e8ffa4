// TUndoList: a bounded stack of change records. The editor owns two, for undo and redo.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "xeEditTypes.h"

enum TUndoKind : std::uint8_t {
  ukTyped = 0,
  ukPasted = 1,
  ukDropInserted = 2,
  ukDeletedForward = 3,
  ukDeletedBack = 4,
  ukSelectionReplaced = 5,
  ukDropRemoved = 6,
  ukLineBreak = 7,
  ukIndented = 8,
  ukUnindented = 9,
  ukNone = 10  // what an empty list yields
};

// One splice of the text: the stream At..End holds what was put there, and Removed (lines separated by LF)
// is what it replaced. Replacing At..End by Removed takes the splice back.
struct TxeSplice {
  TPoint At;
  TPoint End;
  std::string Removed;
};

struct TUndoRecord {
  TUndoKind Kind = ukNone;
  // Where the change began and ended (for deletions the block that undo selects again).
  TPoint StartPos;
  TPoint EndPos;
  TSelectionMode SelectionMode = smNormal;
  // Several commands' records made into one step (a Replace All); it never pairs with its neighbours.
  bool Group = false;
  // The caret before and after the change: undo and redo put it back there.
  TPoint CaretBefore;
  TPoint CaretAfter;
  // A selection that held no text (a block past the line ends) goes without a record of its own; the
  // record of what followed brings it back on undo.
  bool BlockBefore = false;
  TPoint BlockBeginBefore, BlockEndBefore;
  // The splices in the order they were made.
  std::vector<TxeSplice> Splices;
};

class TUndoList {
 public:
  explicit TUndoList(int MaxUndo = 10) : FMaxUndo(MaxUndo) {}

  void AddRecord(TUndoRecord Record);
  // Removes the newest record and hands it over; ukNone (and Record untouched) when the list is empty.
  TUndoKind GetChange(TUndoRecord& Record);
  TUndoKind PeekKind() const { return FItems.empty() ? ukNone : FItems.back().Kind; }
  const TUndoRecord* Peek() const { return FItems.empty() ? nullptr : &FItems.back(); }
  void ClearList() { FItems.clear(); }
  void SetMaxUndo(int N);
  int MaxUndo() const { return FMaxUndo; }
  void Lock() { FLocked = true; }
  void Unlock() { FLocked = false; }
  bool Locked() const { return FLocked; }
  int ItemCount() const { return static_cast<int>(FItems.size()); }
  const TUndoRecord& Item(int Index) const { return FItems[static_cast<std::size_t>(Index)]; }

  // Fired after every record pushed; the editor sets Modified and fires its OnChange here.
  std::function<void()> OnAdded;

 private:
  std::deque<TUndoRecord> FItems;
  int FMaxUndo;
  bool FLocked = false;
};
