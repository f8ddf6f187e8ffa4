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
  const std::string text = SelectedText();
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
    if (HasSelection()) {
      DeleteSelectionWithUndo(ukSelectionReplaced);
    }
    const TPoint p = mode == smColumn ? CaretPos() : StreamStart();
    const int linesBefore = LineCount();
    ReplaceSelection(mode, text);
    const TPoint e = CaretPos();
    const bool endsWithBreak = !text.empty() && (text.back() == '\n' || text.back() == '\r');
    if (mode == smLine && p.X == 1 && endsWithBreak) {
      FUndoList.AddChange(ukPasted, {1, p.Y}, {std::max(VisibleColumnCount(), 2), e.Y - 1}, {}, smLine);
    } else if (mode == smLine) {
      // A line block inserts like a stream at column 1 of the caret line.
      FUndoList.AddChange(ukPasted, {1, p.Y}, e, {}, smNormal);
    } else {
      TUndoRecord r;
      r.Kind = ukPasted;
      r.StartPos = p;
      r.EndPos = e;
      r.SelectionMode = mode;
      r.ReplacedEnd = p;
      if (mode == smColumn) r.AddedLines = LineCount() - linesBefore;
      FUndoList.AddRecord(std::move(r));
    }
    if (mode == smColumn) SetCaretPos({std::min(p.X, e.X), std::max(p.Y, e.Y) + 1});
    ScrollCaretIntoView();
  } else if (clip.HasText()) {
    const std::string text = clip.Text();
    if (HasSelection()) {
      DeleteSelectionWithUndo(ukSelectionReplaced);
    }
    const TPoint p = StreamStart();
    ReplaceSelection(smNormal, text);
    FUndoList.AddChange(ukPasted, p, CaretPos(), {}, smNormal);
    ScrollCaretIntoView();
  }
  StatusChanged(stSelection);
}
