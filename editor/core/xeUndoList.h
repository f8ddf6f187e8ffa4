// TUndoList: a bounded stack of change records. The editor owns two, for undo and redo.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

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

struct TUndoRecord {
  TUndoKind Kind = ukNone;
  TPoint StartPos;
  TPoint EndPos;
  std::string Text;  // empty = no text
  TSelectionMode SelectionMode = smNormal;
  // For inserting kinds on the redo list: the end of the text that replaying must remove first (the text the
  // insertion had overwritten, restored by the undo); equals StartPos when there is none.
  TPoint ReplacedEnd;
  // Blanks that ended the line after the change and went with the trailing-blank trim of a deletion; the
  // replay appends them to the line again.
  int Tail = 0;
  // For inserting kinds on the undo list: where the overwritten Text goes back (the caret the insertion
  // started from, after any padding); StartPos when not set.
  TPoint RestoreAt;
  // For column insertions: lines the insertion added after the last line; undo removes them again.
  int AddedLines = 0;
};

class TUndoList {
 public:
  explicit TUndoList(int MaxUndo = 10) : FMaxUndo(MaxUndo) {}

  void AddChange(TUndoKind Kind, TPoint StartPos, TPoint EndPos, std::string_view Text, TSelectionMode Mode,
                 int Tail = 0);
  void AddRecord(TUndoRecord Record);
  // Removes the newest record and hands it over; ukNone (and Record untouched) when the list is empty.
  TUndoKind GetChange(TUndoRecord& Record);
  TUndoKind GetChange(TPoint& StartPos, TPoint& EndPos, std::string& Text, TSelectionMode& Mode);
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
