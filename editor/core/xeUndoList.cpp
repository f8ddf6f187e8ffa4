#include "xeUndoList.h"

void TUndoList::AddChange(TUndoKind Kind, TPoint StartPos, TPoint EndPos, std::string_view Text,
                          TSelectionMode Mode, int Tail) {
  if (FLocked) return;
  TUndoRecord r;
  r.Kind = Kind;
  r.StartPos = StartPos;
  r.EndPos = EndPos;
  r.Text.assign(Text);
  r.SelectionMode = Mode;
  r.ReplacedEnd = StartPos;
  r.Tail = Tail;
  AddRecord(std::move(r));
}

void TUndoList::AddRecord(TUndoRecord Record) {
  if (FLocked) return;
  // A maximum of 0 still keeps the newest record: the oldest goes before each push.
  if (!FItems.empty() && static_cast<int>(FItems.size()) >= FMaxUndo) FItems.pop_front();
  FItems.push_back(std::move(Record));
  if (OnAdded) OnAdded();
}

TUndoKind TUndoList::GetChange(TUndoRecord& Record) {
  if (FItems.empty()) return ukNone;
  Record = std::move(FItems.back());
  FItems.pop_back();
  return Record.Kind;
}

TUndoKind TUndoList::GetChange(TPoint& StartPos, TPoint& EndPos, std::string& Text, TSelectionMode& Mode) {
  TUndoRecord r;
  const TUndoKind k = GetChange(r);
  if (k != ukNone) {
    StartPos = r.StartPos;
    EndPos = r.EndPos;
    Text = std::move(r.Text);
    Mode = r.SelectionMode;
  }
  return k;
}

void TUndoList::SetMaxUndo(int N) {
  if (N < 0) N = 0;
  while (static_cast<int>(FItems.size()) > N) FItems.pop_front();
  FMaxUndo = N;
}
