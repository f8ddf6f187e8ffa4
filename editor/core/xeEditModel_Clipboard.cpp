// Copy, cut and paste through the clipboard interface, with the private column-aware block format.
#include <algorithm>

#include "xeEditModel.h"

bool TxeEditModel::CanPaste() { return Clipboard().HasBlock() || Clipboard().HasText(); }

void TxeEditModel::CopyToClipboard() {
  if (!HasSelection()) return;
  const std::string text = SelectedText();
  if (text.empty()) return;
  std::string block;
  block.reserve(text.size() + 2);
  block.push_back(static_cast<char>(FSelectionMode));
  block.append(text);
  block.push_back('\0');
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
    const auto mode =
        static_cast<TSelectionMode>(data.empty() ? 0 : std::min<int>(static_cast<unsigned char>(data[0]), 2));
    std::string_view text = data.empty() ? std::string_view() : std::string_view(data).substr(1);
    // The block ends with one zero byte; zero bytes inside the text belong to it.
    if (!text.empty() && text.back() == '\0') text.remove_suffix(1);
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
