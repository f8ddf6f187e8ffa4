// Deletion commands and ecClearAll. Records use smNormal unless a selection in its own mode is deleted.
#include <algorithm>

#include "xeCommandText.h"
#include "xeCommands.h"
#include "xeUtf8.h"

namespace {

using namespace xeCmd;

// Sets the block for a deletion, whatever xeoNoSelection says.
void SetBlock(TxeEditModel& M, TPoint B, TPoint E) { M.SelectBlock(B, E); }

bool DeleteLastChar(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  if (M.HasSelection()) {
    M.DeleteSelectionWithUndo(ukDeletedBack);
    return false;
  }
  TxeUndoStep step(M, ukDeletedBack);
  const TPoint p = M.CaretPos();
  const std::string_view t = M.LineText(p.Y);  // valid until the line changes
  const int len = static_cast<int>(t.size());
  if (p.X > len + 1) {
    // Beyond the line end there is nothing to delete: the caret steps left.
    M.SetCaretFree({p.X - 1, p.Y});
    step.Push({p.X - 1, p.Y}, p, smNormal);
    return true;
  }
  if (p.X == 1) {
    if (p.Y == 1) return true;
    // The line joins the one above, without its trailing blanks.
    const int prevLen = M.LineLength(p.Y - 1);
    M.DeleteText({prevLen + 1, p.Y - 1}, {1, p.Y});
    M.TrimLineEnd(p.Y - 1, static_cast<std::size_t>(prevLen));
    M.SetCaretPos({prevLen + 1, p.Y - 1});
    step.Push({prevLen + 1, p.Y - 1}, p, smNormal);
    return true;
  }
  const int indent = M.AutoIndentCount(t);
  if (indent > 0 && p.X == indent + 1 &&
      static_cast<unsigned char>(t[static_cast<std::size_t>(p.X - 2)]) <= 32) {
    // Smart backspace: back to the indent of the nearest line above that is indented less.
    int target = 0;
    for (int y = p.Y - 1; y >= 1; --y) {
      const int i = M.AutoIndentCount(M.LineText(y));
      if (i < indent) {
        target = i;
        break;
      }
    }
    const int n = indent - target;
    M.DeleteText({1, p.Y}, {n + 1, p.Y});
    M.TrimLineEnd(p.Y);
    M.SetCaretPos({p.X - n, p.Y});
    step.Push({1, p.Y}, {n + 1, p.Y}, smNormal);
    return true;
  }
  const int from = ColumnCharStart(t, p.X - 1);
  M.DeleteText({from, p.Y}, p);
  M.TrimLineEnd(p.Y);
  M.SetCaretPos({from, p.Y});
  step.Push({from, p.Y}, p, smNormal);
  return true;
}

bool DeleteChar(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  if (M.HasSelection()) {
    M.DeleteSelectionWithUndo(ukDeletedForward);
    return false;
  }
  const TPoint p = M.CaretPos();
  const int len = M.LineLength(p.Y);
  if (p.X > len && p.Y >= M.LineCount()) return true;
  TxeUndoStep step(M, ukDeletedForward);
  if (p.X > len) {
    // The next line joins this one, after blanks up to the caret.
    M.ReplaceText({len + 1, p.Y}, {1, p.Y + 1}, std::string(static_cast<std::size_t>(p.X - 1 - len), ' '));
  } else {
    const std::string_view t = M.LineText(p.Y);
    M.DeleteText(p, {p.X + Utf8CharLen(t, static_cast<std::size_t>(p.X - 1)), p.Y});
  }
  M.TrimLineEnd(p.Y);
  step.Push(p, p, smNormal);
  return true;
}

xeCmdText::TWordChars WordChars(const TxeEditModel& M) {
  xeCmdText::TWordChars w;
  for (int c = 0; c < 256; ++c)
    if (M.IsWordChar(static_cast<unsigned char>(c))) w.set(static_cast<std::size_t>(c));
  return w;
}

// Deletes the stream between two positions (smNormal for the duration) as ukDeletedForward recorded from
// StartPos to EndPos; the caret ends where the deletion began.
void DeleteStream(TxeEditModel& M, TPoint From, TPoint To, TPoint StartPos, TPoint EndPos) {
  const TPoint caret = M.CaretPos();
  TModeHold normal(M, smNormal);
  SetBlock(M, From, To);
  if (!M.HasSelection()) {
    M.SetSelBegin(caret);
    return;
  }
  M.DeleteSelectionWithUndo(ukDeletedForward, StartPos, EndPos);
}

bool DeleteWord(TxeEditModel& M, TxeEditorCommand Command, char32_t, const void*) {
  const TPoint caret = M.CaretPos();
  if (Command == ecDeleteWord) {
    const TPoint w = xeCmdText::NextWordPos(M.Lines(), caret, WordChars(M));
    if (w != caret) DeleteStream(M, caret, w, caret, caret);
  } else {
    const TPoint w = xeCmdText::PrevWordPos(M.Lines(), caret, WordChars(M));
    if (w != caret) DeleteStream(M, w, caret, w, caret);
  }
  return true;
}

bool DeleteBOL(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  const TPoint p = M.CaretPos();
  const int n = std::min(p.X - 1, M.LineLength(p.Y));
  TxeUndoStep step(M, ukDeletedBack);
  if (n > 0) {
    M.DeleteText({1, p.Y}, {n + 1, p.Y});
    M.TrimLineEnd(p.Y);
  }
  M.SetCaretPos({1, p.Y});
  if (n > 0) step.Push({1, p.Y}, p, smNormal);
  return true;
}

bool DeleteEOL(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  const TPoint p = M.CaretPos();
  const int len = M.LineLength(p.Y);
  if (p.X > len) return true;
  TxeUndoStep step(M, ukDeletedForward);
  M.DeleteText(p, {len + 1, p.Y});
  M.TrimLineEnd(p.Y);
  step.Push(p, p, smNormal);
  return true;
}

bool DeleteLine(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  if (M.HasSelection()) M.SetSelBegin(M.CaretPos());
  const TPoint p = M.CaretPos();
  const int count = M.LineCount();
  if (count == 1 && M.LineLength(1) == 0) return true;
  TxeUndoStep step(M, ukDeletedForward);
  if (count == 1) {
    M.DeleteText({1, 1}, {M.LineLength(1) + 1, 1});
  } else if (p.Y == 1) {
    M.DeleteText({1, 1}, {1, 2});
  } else {
    // With the break before it, so that marks on the line go to the line above.
    M.DeleteText({M.LineLength(p.Y - 1) + 1, p.Y - 1}, {M.LineLength(p.Y) + 1, p.Y});
  }
  M.SetCaretPos({1, p.Y});
  step.Push({1, p.Y}, p, smNormal);
  return true;
}

bool ClearAll(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  // Undoable, so the whole text is not lost to a stray command.
  const int n = M.LineCount();
  if (n == 1 && M.LineLength(1) == 0) return true;
  TxeUndoStep step(M, ukDeletedBack);
  const TPoint end{M.LineLength(n) + 1, n};
  M.DeleteText({1, 1}, end);
  M.SetCaretPos({1, 1});
  M.SetFirstVisibleLine(1);
  M.SetFirstVisibleColumn(1);
  step.Push({1, 1}, end, smNormal);
  return true;
}

}  // namespace

void AddDeletionCommands(TxeCommandTable& T) {
  T[ecDeleteLastChar] = {DeleteLastChar, true};
  T[ecDeleteChar] = {DeleteChar, true};
  T[ecDeleteWord] = {DeleteWord, true};
  T[ecDeleteLastWord] = {DeleteWord, true};
  T[ecDeleteBOL] = {DeleteBOL, true};
  T[ecDeleteEOL] = {DeleteEOL, true};
  T[ecDeleteLine] = {DeleteLine, true};
  T[ecClearAll] = {ClearAll, true};
}
