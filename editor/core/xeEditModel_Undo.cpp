// Undo and redo. A record holds the splices its command made; undo takes them back through the same splice
// primitive, newest first, which records the reverse for the redo list (and redo does the same the other
// way). So both give back the exact bytes; what is left per kind is where the caret and the block go.
#include <algorithm>
#include <utility>

#include "xeEditModel.h"

namespace {

bool IsInsertion(TUndoKind K) { return K == ukTyped || K == ukPasted || K == ukDropInserted; }

bool IsDeletion(TUndoKind K) {
  return K == ukDeletedForward || K == ukDeletedBack || K == ukSelectionReplaced || K == ukDropRemoved;
}

}  // namespace

TUndoRecord TxeEditModel::Replay(TUndoRecord& R) {
  TUndoRecord back;
  back.Kind = R.Kind;
  back.StartPos = R.StartPos;
  back.EndPos = R.EndPos;
  back.SelectionMode = R.SelectionMode;
  back.Group = R.Group;
  back.CaretBefore = R.CaretBefore;
  back.CaretAfter = R.CaretAfter;
  back.BlockBefore = R.BlockBefore;
  back.BlockBeginBefore = R.BlockBeginBefore;
  back.BlockEndBefore = R.BlockEndBefore;
  back.Splices.reserve(R.Splices.size());
  TUndoRecord* saved = std::exchange(FRecording, &back);
  FLines.BeginUpdate();
  try {
    for (auto it = R.Splices.rbegin(); it != R.Splices.rend(); ++it) {
      // A record replayed after other edits (a redo, which later edits leave in place) may point past the
      // text: such a splice is dropped rather than piled onto the last line.
      if (it->At.Y > FLines.Count()) continue;
      Splice(it->At, it->End, std::move(it->Removed));
    }
  } catch (...) {
    FRecording = saved;
    FLines.EndUpdate();
    throw;
  }
  FRecording = saved;
  FLines.EndUpdate();
  return back;
}

void TxeEditModel::SelectBlock(TPoint Begin, TPoint End) {
  SetSelBegin(Begin);
  const TxeEditorOptions o = FOptions;
  FOptions &= static_cast<TxeEditorOptions>(~xeoNoSelection);
  SetSelEnd(End);
  FOptions = o;
}

void TxeEditModel::Undo() {
  if (!UndoAvailable()) return;
  const TSelectionMode saved = FSelectionMode;
  TxePaintHold hold(*this);
  try {
    TUndoRecord r;
    while (FUndoList.GetChange(r) != ukNone) {
      FSelectionMode = r.SelectionMode;
      if (!UndoOne(r)) break;
    }
  } catch (...) {
    FSelectionMode = saved;
    throw;
  }
  FSelectionMode = saved;
}

void TxeEditModel::Redo() {
  if (!RedoAvailable()) return;
  const TSelectionMode saved = FSelectionMode;
  TxePaintHold hold(*this);
  try {
    TUndoRecord r;
    while (FRedoList.GetChange(r) != ukNone) {
      FSelectionMode = r.SelectionMode;
      if (!RedoOne(r)) break;
    }
  } catch (...) {
    FSelectionMode = saved;
    throw;
  }
  FSelectionMode = saved;
}

// ---- one function per record kind: caret and block after the splices are taken back ----

namespace {

using TKindStep = bool (*)(TxeEditModel& M, const TUndoRecord& R, const TUndoList& Next);

// Typing, pasting and dropping: the caret goes back; typing over a selection and a drag-and-drop move undo
// together with the deletion before them.
bool UndoInsertion(TxeEditModel& M, const TUndoRecord& R, const TUndoList& Next) {
  M.SetCaretFree(R.CaretBefore);
  M.SetSelBegin(M.CaretPos());
  if (R.Group) return false;
  const TUndoKind next = Next.PeekKind();
  return next == ukSelectionReplaced || (next == ukDropRemoved && R.Kind == ukDropInserted);
}

// Deletions: the text comes back selected.
bool UndoDeletion(TxeEditModel& M, const TUndoRecord& R, const TUndoList&) {
  M.SetCaretFree(R.CaretBefore);
  M.SelectBlock(R.StartPos, R.EndPos);
  M.ScrollCaretIntoView();
  return false;
}

bool UndoLineBreak(TxeEditModel& M, const TUndoRecord& R, const TUndoList&) {
  M.SetCaretFree(R.CaretBefore);
  M.SetSelBegin(M.CaretPos());
  if (R.BlockBefore) M.SetBlockDirect(R.BlockBeginBefore, R.BlockEndBefore);
  return false;
}

// Block indent and unindent: the block as it was before.
bool UndoIndent(TxeEditModel& M, const TUndoRecord& R, const TUndoList&) {
  M.SelectBlock(R.StartPos, R.EndPos);
  M.SetCaretFree(R.CaretBefore);
  return false;
}

bool RedoDeletion(TxeEditModel& M, const TUndoRecord& R, const TUndoList& Next) {
  M.SetCaretFree(R.CaretAfter);
  M.SetSelBegin(M.CaretPos());
  const TUndoRecord* n = Next.Peek();
  if (!n || n->Group) return false;
  return (R.Kind == ukSelectionReplaced && IsInsertion(n->Kind)) ||
         (R.Kind == ukDropRemoved && n->Kind == ukDropInserted);
}

bool RedoInsertion(TxeEditModel& M, const TUndoRecord& R, const TUndoList&) {
  M.SetCaretFree(R.CaretAfter);
  M.SetSelBegin(M.CaretPos());
  return false;
}

// The indented block, as the command left it.
bool RedoIndented(TxeEditModel& M, const TUndoRecord& R, const TUndoList&) {
  const int w = M.TabWidth();
  const TPoint e = R.EndPos.X == 1 ? TPoint{1, R.EndPos.Y} : TPoint{R.EndPos.X + w, R.EndPos.Y};
  M.SelectBlock({R.StartPos.X + w, R.StartPos.Y}, e);
  M.SetCaretFree(R.CaretAfter);
  return false;
}

// The unindented block: each end moves left by the blanks its line lost (the first and the last line that
// lost any). The record's splices put those blanks in again.
bool RedoUnindented(TxeEditModel& M, const TUndoRecord& R, const TUndoList&) {
  int first = 0, last = 0, firstY = 0, lastY = 0;
  for (const TxeSplice& s : R.Splices) {
    const int n = s.End.X - s.At.X;
    if (n <= 0) continue;
    if (firstY == 0 || s.At.Y < firstY) {
      firstY = s.At.Y;
      first = n;
    }
    if (s.At.Y > lastY) {
      lastY = s.At.Y;
      last = n;
    }
  }
  M.SelectBlock({std::max(1, R.StartPos.X - first), R.StartPos.Y},
                {std::max(1, R.EndPos.X - last), R.EndPos.Y});
  M.SetCaretFree(R.CaretAfter);
  return false;
}

TKindStep UndoStepFor(const TUndoRecord& R) {
  if (IsInsertion(R.Kind)) return UndoInsertion;
  if (IsDeletion(R.Kind)) return UndoDeletion;
  if (R.Kind == ukLineBreak) return UndoLineBreak;
  return UndoIndent;
}

TKindStep RedoStepFor(const TUndoRecord& R) {
  if (R.Group || IsInsertion(R.Kind) || R.Kind == ukLineBreak) return RedoInsertion;
  if (IsDeletion(R.Kind)) return RedoDeletion;
  if (R.Kind == ukIndented) return RedoIndented;
  return RedoUnindented;
}

}  // namespace

bool TxeEditModel::UndoOne(TUndoRecord& R) {
  TUndoRecord back = Replay(R);
  const TKindStep step = UndoStepFor(back);
  FRedoList.AddRecord(std::move(back));
  return step(*this, R, FUndoList);
}

bool TxeEditModel::RedoOne(TUndoRecord& R) {
  TUndoRecord back = Replay(R);
  const TKindStep step = RedoStepFor(back);
  const bool more = step(*this, R, FRedoList);
  FUndoList.AddRecord(std::move(back));
  return more;
}
