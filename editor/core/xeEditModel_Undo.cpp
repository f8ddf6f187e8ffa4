// Undo and redo. Every step pushes onto the other list the exact reverse of what it did (taken from the
// positions and text as they are now, not as recorded), so that a redo after further edits, which the lists
// allow, still leaves both lists able to restore the text.
#include <algorithm>
#include <utility>

#include "xeEditModel.h"

namespace {

bool IsInsertion(TUndoKind K) { return K == ukTyped || K == ukPasted || K == ukDropInserted; }

bool IsDeletion(TUndoKind K) {
  return K == ukDeletedForward || K == ukDeletedBack || K == ukSelectionReplaced || K == ukDropRemoved;
}

// Splits Text at CR LF (or a lone CR or LF).
std::vector<std::string_view> Segments(std::string_view Text) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  for (;;) {
    std::size_t j = i;
    while (j < Text.size() && Text[j] != '\r' && Text[j] != '\n') ++j;
    out.push_back(Text.substr(i, j - i));
    if (j >= Text.size()) break;
    i = j + ((Text[j] == '\r' && j + 1 < Text.size() && Text[j + 1] == '\n') ? 2 : 1);
  }
  return out;
}

}  // namespace

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

// Sets both block points, clamped, whatever xeoNoSelection says.
static void SetBlockFor(TxeEditModel& M, TPoint B, TPoint E) {
  M.SetSelBegin(B);
  const TxeEditorOptions o = M.Options();
  if (o & xeoNoSelection) M.SetOptions(static_cast<TxeEditorOptions>(o & ~xeoNoSelection));
  M.SetSelEnd(E);
  if (o & xeoNoSelection) M.SetOptions(o);
}

bool TxeEditModel::UndoOne(TUndoRecord& R) {
  if (IsInsertion(R.Kind)) {
    SetBlockFor(*this, R.StartPos, R.EndPos);
    TPoint s = SelBegin();
    TPoint e = SelEnd();
    if (FSelectionMode == smColumn) {
      s = {std::min(FBlockBegin.X, FBlockEnd.X), std::min(FBlockBegin.Y, FBlockEnd.Y)};
      e = {std::max(FBlockBegin.X, FBlockEnd.X), std::max(FBlockBegin.Y, FBlockEnd.Y)};
    }
    std::string inserted = SelectedText();
    ReplaceSelection(FSelectionMode, {});
    const int trimmed = FLastTrimmedTail;
    // A column insertion past the last line added lines, empty again now: they go too.
    for (int k = R.AddedLines; k > 0 && LineCount() > s.Y && LineText(LineCount()).empty(); --k)
      FLines.Delete(LineCount() - 1);
    SetCaretPos(s);
    const TPoint at = StreamStart();
    TPoint restoredEnd = at;
    if (!R.Text.empty()) {
      // What the insertion had overwritten comes back as a stream, where it stood.
      if (R.RestoreAt.Y > 0) {
        const TxeEditorOptions o = FOptions;
        FOptions |= xeoScrollPastEol;
        SetCaretPos(R.RestoreAt);
        FOptions = o;
      }
      const TSelectionMode mode = std::exchange(FSelectionMode, smNormal);
      ReplaceSelection(smNormal, R.Text);
      FSelectionMode = mode;
      restoredEnd = CaretPos();
    }
    AppendTail(R.Tail);
    TUndoRecord redo;
    redo.Kind = R.Kind;
    // From the block's start, not the caret: the deletion may have trimmed blanks there that redo must pad.
    redo.StartPos = FSelectionMode == smLine ? TPoint{1, at.Y} : s;
    redo.EndPos = e;
    redo.Text = std::move(inserted);
    redo.SelectionMode = FSelectionMode;
    redo.ReplacedEnd = restoredEnd;
    redo.Tail = trimmed;
    FRedoList.AddRecord(std::move(redo));
    SetCaretPos(s);
    const TUndoKind next = FUndoList.PeekKind();
    return next == ukSelectionReplaced || (next == ukDropRemoved && R.Kind == ukDropInserted);
  }

  if (IsDeletion(R.Kind)) {
    TPoint q = PointBefore(R.EndPos, R.StartPos) ? R.EndPos : R.StartPos;
    if (FSelectionMode == smColumn)
      q = {std::min(R.StartPos.X, R.EndPos.X), std::min(R.StartPos.Y, R.EndPos.Y)};
    std::string text = R.Text;
    TSelectionMode mode = FSelectionMode;
    const int n = LineCount();
    if (q.Y > n) {
      // The text came from beyond today's last line: put it back after a break at the end.
      q = {LineLength(n) + 1, n};
      if (!text.empty() && text.back() == '\n') text.pop_back();
      if (!text.empty() && text.back() == '\r') text.pop_back();
      text.insert(0, "\r\n");
      mode = smNormal;
    }
    const TxeEditorOptions o = FOptions;
    FOptions |= xeoScrollPastEol;  // the text goes back exactly where it was, past a trimmed end too
    SetCaretPos(q);
    FOptions = o;
    SetSelBegin(CaretPos());
    TPoint p = mode == smColumn ? CaretPos() : StreamStart();
    if (mode == smLine) p.X = 1;
    const TSelectionMode saved = std::exchange(FSelectionMode, mode);
    ReplaceSelection(mode, text);
    FSelectionMode = saved;
    const TPoint end = CaretPos();
    AppendTail(R.Tail);
    TUndoRecord redo;
    redo.Kind = R.Kind;
    if (mode == smColumn) {
      redo.StartPos = R.StartPos;
      redo.EndPos = R.EndPos;
      redo.SelectionMode = smColumn;
    } else {
      redo.StartPos = p;
      redo.EndPos = end;
      redo.SelectionMode = smNormal;
    }
    redo.ReplacedEnd = redo.StartPos;
    FRedoList.AddRecord(std::move(redo));
    SetCaretPos(R.EndPos);
    SetBlockFor(*this, R.StartPos, R.EndPos);
    ScrollCaretIntoView();
    return false;
  }

  switch (R.Kind) {
    case ukLineBreak: {
      SetCaretPos(R.StartPos);
      const int y = FCaretY;
      std::string l(LineText(y));
      const std::string_view moved = TrimRight(R.Text);
      // A split line lost the blanks before the break; they come back up to the recorded column. (A line
      // emptied because all of it moved down needs none: its moved text starts with the indent. Without
      // auto-indent a part of nothing but blanks was emptied by the trim and needs them.)
      const auto padTo = static_cast<std::size_t>(std::max(R.StartPos.X - 1, 0));
      if (!moved.empty() && l.size() < padTo && (!l.empty() || AutoIndentCount(R.Text) == 0))
        l.append(padTo - l.size(), ' ');
      // Redo breaks the line again where the two parts now meet and gives the second line back its text.
      const TPoint joint{static_cast<int>(l.size()) + 1, y};
      const std::string second(y < LineCount() ? LineText(y + 1) : std::string_view());
      FRedoList.AddChange(ukLineBreak, joint, joint, second, FSelectionMode);
      FLines.BeginUpdate();
      if (y < LineCount()) FLines.Delete(y);
      l.append(moved);
      FLines.Put(y - 1, std::move(l));
      MoveMarks(y + 1, -1);
      FLines.EndUpdate();
      SetCaretPos(R.StartPos);
      return false;
    }
    case ukIndented: {
      const int last = R.EndPos.X == 1 ? R.EndPos.Y - 1 : R.EndPos.Y;
      FSelectionMode = smColumn;
      SetBlockFor(*this, {1, R.StartPos.Y}, {FTabWidth + 1, last});
      const std::string blanks = SelectedText();
      FRedoList.AddChange(ukIndented, R.StartPos, R.EndPos, blanks, R.SelectionMode);
      ReplaceSelection(smColumn, {});
      SetSelBegin(R.StartPos);
      SetCaretPos(R.EndPos);
      SetBlockFor(*this, R.StartPos, CaretPos());
      return false;
    }
    case ukUnindented: {
      FRedoList.AddChange(ukUnindented, R.StartPos, R.EndPos, R.Text, R.SelectionMode);
      FSelectionMode = smColumn;
      SetCaretPos({1, R.StartPos.Y});
      SetSelBegin(CaretPos());
      ReplaceSelection(smColumn, R.Text);
      SetCaretPos(R.StartPos);
      SetBlockFor(*this, R.StartPos, R.EndPos);
      return false;
    }
    default: return false;
  }
}

bool TxeEditModel::RedoOne(TUndoRecord& R) {
  if (IsDeletion(R.Kind)) {
    if (R.Kind == ukDeletedForward) SetCaretPos(R.StartPos);
    SetBlockFor(*this, R.StartPos, R.EndPos);
    const TPoint b = FBlockBegin;
    const TPoint e = FBlockEnd;
    TUndoRecord undo;
    undo.Kind = R.Kind;
    undo.StartPos = b;
    undo.EndPos = e;
    undo.Text = BlockText(true);
    undo.SelectionMode = FSelectionMode;
    undo.ReplacedEnd = b;
    ReplaceSelection(FSelectionMode, {});
    undo.Tail = FLastTrimmedTail;
    FUndoList.AddRecord(std::move(undo));
    if (R.Kind == ukDeletedForward) SetCaretPos(R.StartPos);
    const TUndoKind next = FRedoList.PeekKind();
    return (R.Kind == ukSelectionReplaced && IsInsertion(next)) ||
           (R.Kind == ukDropRemoved && next == ukDropInserted);
  }

  if (IsInsertion(R.Kind)) {
    // Take away what the undo put back, then insert the text again.
    const TSelectionMode mode = std::exchange(FSelectionMode, smNormal);
    SetBlockFor(*this, R.StartPos, R.ReplacedEnd);
    const std::string overwritten = SelectedText();
    ReplaceSelection(smNormal, {});
    const int trimmed = FLastTrimmedTail;
    FSelectionMode = mode;
    const TxeEditorOptions o = FOptions;
    FOptions |= xeoScrollPastEol;
    SetCaretPos(R.StartPos);
    FOptions = o;
    SetSelBegin(CaretPos());
    TPoint p = mode == smColumn ? CaretPos() : StreamStart();
    if (mode == smLine) p.X = 1;
    const TPoint restoreAt = CaretPos();
    const int linesBefore = LineCount();
    ReplaceSelection(mode, R.Text);
    const TPoint end = CaretPos();
    AppendTail(R.Tail);
    TUndoRecord undo;
    undo.Kind = R.Kind;
    undo.StartPos = p;
    undo.EndPos = end;
    undo.Tail = trimmed;
    undo.RestoreAt = restoreAt;
    if (mode == smColumn) undo.AddedLines = LineCount() - linesBefore;
    undo.Text = overwritten;
    // Whole lines went in like a stream at column 1; undoing them as a stream is exact.
    undo.SelectionMode = mode == smLine ? smNormal : mode;
    undo.ReplacedEnd = p;
    FUndoList.AddRecord(std::move(undo));
    return false;
  }

  switch (R.Kind) {
    case ukLineBreak: {
      SetCaretPos(R.StartPos);
      SetSelBegin(CaretPos());
      const int y = FCaretY;
      InsertLineBreak(true);
      // The new line as it was (a break made by ecInsertLine carries no indent).
      if (y < LineCount() && LineText(y + 1) != R.Text) {
        FLines.Put(y, R.Text);
        SetCaretPos(CaretPos());
      }
      return false;
    }
    case ukIndented: {
      FSelectionMode = smColumn;
      SetCaretPos({1, R.StartPos.Y});
      SetSelBegin(CaretPos());
      // Lines removed since the indent get none: the blanks for them would add empty lines at the end.
      const int lines = LineCount();
      ReplaceSelection(smColumn, R.Text);
      if (LineCount() > lines) FLines.DeleteLines(lines, LineCount() - lines);
      FUndoList.AddChange(ukIndented, R.StartPos, R.EndPos, R.Text, R.SelectionMode);
      SetCaretPos({1, R.EndPos.Y + 1});
      const TPoint e = R.EndPos.X == 1 ? TPoint{1, R.EndPos.Y} : TPoint{R.EndPos.X + FTabWidth, R.EndPos.Y};
      SetBlockFor(*this, {R.StartPos.X + FTabWidth, R.StartPos.Y}, e);
      return false;
    }
    case ukUnindented: {
      FUndoList.AddChange(ukUnindented, R.StartPos, R.EndPos, R.Text, smColumn);
      const std::vector<std::string_view> segs = Segments(R.Text);
      FLines.BeginUpdate();
      for (std::size_t i = 0; i < segs.size(); ++i) {
        const int y = R.StartPos.Y + static_cast<int>(i);
        if (y > LineCount() || segs[i].empty()) continue;
        const std::string_view line = LineText(y);
        FLines.Put(y - 1, line.substr(std::min(segs[i].size(), line.size())));
      }
      FLines.EndUpdate();
      SetCaretPos({R.StartPos.X - FTabWidth, R.StartPos.Y});
      SetSelBegin(CaretPos());
      const int lastLen = segs.empty() ? 0 : static_cast<int>(segs.back().size());
      SetSelEnd({R.EndPos.X - lastLen, R.EndPos.Y});
      return false;
    }
    default: return false;
  }
}
