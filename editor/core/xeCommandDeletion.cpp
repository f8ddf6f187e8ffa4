// Deletion commands and ecClearAll. Records use smNormal unless a selection in its own mode is deleted.
#include <algorithm>

#include "xeCommandText.h"
#include "xeCommands.h"
#include "xeUtf8.h"

namespace {

using namespace xeCmd;

constexpr std::string_view CRLF = "\r\n";

std::string Trimmed(std::string s) {
  s.resize(TxeEditModel::TrimRight(s).size());
  return s;
}

// Cuts N bytes at At out of a line that is stored without trailing blanks. Blanks that the cut leaves at the
// end go too, and belong to what was removed, so that undo and redo restore the line exactly.
struct TCut {
  std::string Line;
  std::size_t From;
  std::string Removed;
};

TCut CutOut(std::string_view T, std::size_t At, std::size_t N) {
  TCut c;
  c.Line.assign(T.substr(0, At));
  c.Line.append(T.substr(At + N));
  const std::size_t keep = TxeEditModel::TrimRight(c.Line).size();
  if (keep <= At) {
    c.From = keep;
    c.Removed.assign(T.substr(keep));
  } else {
    c.From = At;
    c.Removed.assign(T.substr(At, N));
  }
  c.Line.resize(keep);
  return c;
}

// Sets the block for a deletion, whatever xeoNoSelection says.
void SetBlock(TxeEditModel& M, TPoint B, TPoint E) {
  M.SetSelBegin(B);
  TOptionHold selectable(M, xeoNoSelection, false);
  M.SetSelEnd(E);
}

bool DeleteLastChar(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  if (M.HasSelection()) {
    M.DeleteSelectionWithUndo(ukDeletedBack);
    return false;
  }
  TLinesHold hold(M);
  const TPoint p = M.CaretPos();
  const std::string_view t = M.LineText(p.Y);  // valid until the line changes
  const int len = static_cast<int>(t.size());
  if (p.X > len + 1) {
    // Beyond the line end there is nothing to delete: the caret steps left.
    TOptionHold pastEol(M, xeoScrollPastEol, true);
    M.AddUndo(ukDeletedBack, {p.X - 1, p.Y}, p, {}, smNormal);
    M.SetCaretPos({p.X - 1, p.Y});
    return true;
  }
  if (p.X == 1) {
    if (p.Y == 1) return true;
    const int prevLen = M.LineLength(p.Y - 1);
    std::string joined(M.LineText(p.Y - 1));
    joined.append(TxeEditModel::TrimRight(t));
    M.AddUndo(ukDeletedBack, {prevLen + 1, p.Y - 1}, p, CRLF, smNormal);
    M.Lines().Delete(p.Y - 1);
    M.MoveMarks(p.Y, -1);
    M.Lines().Put(p.Y - 2, std::move(joined));
    M.SetCaretPos({prevLen + 1, p.Y - 1});
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
    const auto n = static_cast<std::size_t>(indent - target);
    TCut cut = CutOut(t, 0, n);
    M.AddUndo(ukDeletedBack, {1, p.Y}, {static_cast<int>(cut.Removed.size()) + 1, p.Y}, cut.Removed,
              smNormal);
    M.Lines().Put(p.Y - 1, std::move(cut.Line));
    M.SetCaretPos({p.X - static_cast<int>(n), p.Y});
    return true;
  }
  const int from = ColumnCharStart(t, p.X - 1);
  TCut cut = CutOut(t, static_cast<std::size_t>(from - 1), static_cast<std::size_t>(p.X - from));
  const int start = static_cast<int>(cut.From) + 1;
  M.AddUndo(ukDeletedBack, {start, p.Y}, {start + static_cast<int>(cut.Removed.size()), p.Y}, cut.Removed,
            smNormal);
  M.Lines().Put(p.Y - 1, std::move(cut.Line));
  M.SetCaretPos({from, p.Y});
  return true;
}

bool DeleteChar(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  if (M.HasSelection()) {
    M.DeleteSelectionWithUndo(ukDeletedForward);
    return false;
  }
  TLinesHold hold(M);
  const TPoint p = M.CaretPos();
  const std::string_view t = M.LineText(p.Y);  // valid until the line changes
  const int len = static_cast<int>(t.size());
  if (p.X > len) {
    if (p.Y >= M.LineCount()) return true;
    const std::string_view next = M.LineText(p.Y + 1);
    const int pad = p.X - 1 - len;
    std::string joined(t);
    joined.append(static_cast<std::size_t>(pad), ' ');
    joined.append(next);
    const TPoint joint{len + 1, p.Y};
    if (pad > 0 && !TxeEditModel::TrimRight(next).empty()) {
      // The break became blanks: undo must take the blanks away again before it restores the break.
      M.AddUndo(ukSelectionReplaced, joint, {1, p.Y + 1}, CRLF, smNormal);
      M.AddUndo(ukTyped, joint, p, {}, smNormal);
    } else {
      M.AddUndo(ukDeletedForward, joint, joint, CRLF, smNormal);
    }
    M.Lines().Put(p.Y - 1, Trimmed(std::move(joined)));
    M.Lines().Delete(p.Y);
    M.MoveMarks(p.Y + 1, -1);
    return true;
  }
  const auto at = static_cast<std::size_t>(p.X - 1);
  TCut cut = CutOut(t, at, static_cast<std::size_t>(Utf8CharLen(t, at)));
  const TPoint start{static_cast<int>(cut.From) + 1, p.Y};
  M.AddUndo(ukDeletedForward, start, start, cut.Removed, smNormal);
  M.Lines().Put(p.Y - 1, std::move(cut.Line));
  return true;
}

xeCmdText::TWordChars WordChars(const TxeEditModel& M) {
  xeCmdText::TWordChars w;
  for (int c = 0; c < 256; ++c)
    if (M.IsWordChar(static_cast<unsigned char>(c))) w.set(static_cast<std::size_t>(c));
  return w;
}

// Deletes the stream between two positions (smNormal for the duration), recording ukDeletedForward; the
// caret ends where the deletion began.
void DeleteStream(TxeEditModel& M, TPoint From, TPoint To) {
  const TPoint caret = M.CaretPos();
  TModeHold normal(M, smNormal);
  SetBlock(M, From, To);
  if (!M.HasSelection()) {
    M.SetSelBegin(caret);
    return;
  }
  const TPoint b = M.SelBegin();
  M.DeleteSelectionWithUndo(ukDeletedForward);
  M.SetCaretPos(b);
}

bool DeleteWord(TxeEditModel& M, TxeEditorCommand Command, char32_t, const void*) {
  const TPoint caret = M.CaretPos();
  if (Command == ecDeleteWord) {
    const TPoint w = xeCmdText::NextWordPos(M.Lines(), caret, WordChars(M));
    if (w != caret) DeleteStream(M, caret, w);
  } else {
    const TPoint w = xeCmdText::PrevWordPos(M.Lines(), caret, WordChars(M));
    if (w != caret) DeleteStream(M, w, caret);
  }
  return true;
}

bool DeleteBOL(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  TLinesHold hold(M);
  const TPoint p = M.CaretPos();
  const std::string_view t = M.LineText(p.Y);  // valid until the line changes
  const auto n = std::min(static_cast<std::size_t>(p.X - 1), t.size());
  if (n > 0) {
    TCut cut = CutOut(t, 0, n);
    M.AddUndo(ukDeletedBack, {1, p.Y}, {static_cast<int>(cut.Removed.size()) + 1, p.Y}, cut.Removed,
              smNormal);
    M.Lines().Put(p.Y - 1, std::move(cut.Line));
  }
  M.SetCaretPos({1, p.Y});
  return true;
}

bool DeleteEOL(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  TLinesHold hold(M);
  const TPoint p = M.CaretPos();
  const std::string_view t = M.LineText(p.Y);  // valid until the line changes
  const auto at = static_cast<std::size_t>(p.X - 1);
  if (at >= t.size()) return true;
  TCut cut = CutOut(t, at, t.size() - at);
  const TPoint start{static_cast<int>(cut.From) + 1, p.Y};
  M.AddUndo(ukDeletedForward, start, start, cut.Removed, smNormal);
  M.Lines().Put(p.Y - 1, std::move(cut.Line));
  return true;
}

bool DeleteLine(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  TLinesHold hold(M);
  if (M.HasSelection()) M.SetSelBegin(M.CaretPos());
  const TPoint p = M.CaretPos();
  const int count = M.LineCount();
  if (count == 1 && M.LineLength(1) == 0) return true;
  std::string text(M.LineText(p.Y));
  if (count > 1) text.append(CRLF);
  M.AddUndo(ukDeletedForward, {1, p.Y}, p, text, smNormal);
  M.Lines().Delete(p.Y - 1);
  M.MoveMarks(p.Y, -1);
  M.SetCaretPos({1, p.Y});
  return true;
}

bool ClearAll(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  // Undoable, so the whole text is not lost to a stray command.
  const int n = M.LineCount();
  if (n > 1 || M.LineLength(1) > 0) {
    TModeHold normal(M, smNormal);
    SetBlock(M, {1, 1}, {M.LineLength(n) + 1, n});
    M.AddUndo(ukDeletedBack, {1, 1}, {M.LineLength(n) + 1, n}, M.SelectedText(), smNormal);
  }
  M.Lines().Clear();
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
