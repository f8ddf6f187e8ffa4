// Copy, cut and paste through the clipboard interface, with the private column-aware block format.
#include <algorithm>

#include "xeEditModel.h"

bool TxeEditModel::CanPaste() { return Clipboard().HasBlock() || Clipboard().HasText(); }

void TxeEditModel::CopyToClipboard() {
  if (!HasSelection()) return;
  const std::string text = SelectedText();
  if (text.empty()) return;
  const std::string block = MakeClipboardBlock(FSelectionMode, text);
  if (!Clipboard().SetContent(text, &block)) throw ExeEditError("Clipboard copy operation failed");
}

void TxeEditModel::CutToClipboard() {
  if (!HasSelection()) return;
  TxePaintHold hold(*this);
  CopyToClipboard();
  DeleteSelectionWithUndo(ukDeletedBack);
}

void TxeEditModel::PasteFromClipboard() {
  TxeClipboard& clip = Clipboard();
  TxePaintHold hold(*this);
  if (clip.HasBlock()) {
    std::string data;
    if (!clip.Block(data)) throw ExeEditError("Clipboard paste operation failed.");
    std::string_view text;
    const auto mode = static_cast<TSelectionMode>(ReadClipboardBlock(data, text));
    DeleteSelectionWithUndo(ukSelectionReplaced);
    TxeUndoStep step(*this, ukPasted);
    const TPoint p = CaretPos();
    ReplaceSelection(mode, text);
    const TPoint e = CaretPos();
    const bool endsWithBreak = !text.empty() && (text.back() == '\n' || text.back() == '\r');
    if (mode == smColumn) SetCaretPos({std::min(p.X, e.X), std::max(p.Y, e.Y) + 1});
    if (mode == smLine && p.X == 1 && endsWithBreak) {
      step.Push({1, p.Y}, {std::max(VisibleColumnCount(), 2), e.Y - 1}, smLine);
    } else if (mode == smLine) {
      // A line block inserts like a stream at column 1 of the caret line.
      step.Push({1, p.Y}, e, smNormal);
    } else {
      step.Push(p, e, mode);
    }
    ScrollCaretIntoView();
  } else if (clip.HasText()) {
    const std::string text = clip.Text();
    DeleteSelectionWithUndo(ukSelectionReplaced);
    TxeUndoStep step(*this, ukPasted);
    const TPoint p = CaretPos();
    ReplaceSelection(smNormal, text);
    step.Push(p, CaretPos(), smNormal);
    ScrollCaretIntoView();
  }
  StatusChanged(stSelection);
}

void TxeEditModel::DropText(TPoint D, std::string_view Text, TSelectionMode Mode, bool FromSelection,
                            bool Copy) {
  if (ReadOnly()) return;
  const std::string text(Text);
  TxePaintHold hold(*this);
  if (FromSelection) {
    if (!HasSelection()) return;
    const TPoint b = SelBegin(), e = SelEnd();
    if (!(PointBefore(D, b) || PointBefore(e, D))) return;
    Mode = smNormal;
    if (!Copy) {
      // The text after the block end moves to the block's start.
      if (PointBefore(e, D) && D.Y == e.Y) D = {D.X - e.X + b.X, b.Y};
      const bool below = D.Y > e.Y;
      const int lines = LineCount();
      DeleteSelectionWithUndo(ukDropRemoved);
      if (below) D.Y -= lines - LineCount();
    }
  }
  TxeUndoStep step(*this, ukDropInserted);
  SetSelBegin(D);
  SetCaretFree(D);
  D = CaretPos();
  SetSelBegin(D);
  {
    const TxeEditorOptions o = FOptions;
    FOptions |= xeoScrollPastEol;
    try {
      ReplaceSelection(Mode, text);
    } catch (...) {
      FOptions = o;
      throw;
    }
    FOptions = o;
  }
  step.Push(D, CaretPos(), FromSelection ? FSelectionMode : Mode);
}
