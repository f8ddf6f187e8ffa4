#include "xeUndoList.h"

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

void TUndoList::SetMaxUndo(int N) {
  if (N < 0) N = 0;
  while (static_cast<int>(FItems.size()) > N) FItems.pop_front();
  FMaxUndo = N;
}
