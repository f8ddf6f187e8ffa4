// Block indent and unindent of the selected lines.
#include <algorithm>

#include "xeCommands.h"

namespace {

using namespace xeCmd;

// The last line of the block: a block ending in column 1 does not take in its last line.
int LastBlockLine(TPoint S, TPoint E) { return std::max(S.Y, E.X == 1 ? E.Y - 1 : E.Y); }

bool BlockIndent(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  if (!M.HasSelection()) return true;
  const TPoint s = M.SelBegin(), e = M.SelEnd(), caret = M.CaretPos();
  const int width = M.TabWidth();
  const int last = LastBlockLine(s, e);
  TxePaintHold hold(M);
  {
    TxeUndoStep step(M, ukIndented);
    // Blanks in front of every line, empty lines included (which stay empty: no trailing blanks).
    const std::string blanks(static_cast<std::size_t>(std::max(width, 0)), ' ');
    for (int y = s.Y; y <= last && width > 0; ++y) {
      std::string t = blanks;
      t.append(M.LineText(y));
      t.resize(TxeEditModel::TrimRight(t).size());
      M.SetLineText(y, t);
    }
    M.SetCaretPos(caret);
    step.Push(s, e, smColumn);
  }
  M.SetSelBegin({s.X + width, s.Y});
  M.SetSelEnd({e.X == 1 ? 1 : e.X + width, e.Y});
  M.SetCaretPos(caret);
  return true;
}

bool BlockUnindent(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  if (!M.HasSelection()) return true;
  const TPoint s = M.SelBegin(), e = M.SelEnd(), caret = M.CaretPos();
  const int width = M.TabWidth();
  const int last = LastBlockLine(s, e);
  int firstCount = 0, lastCount = 0;
  {
    TxeUndoStep step(M, ukUnindented);
    for (int y = s.Y; y <= last; ++y) {
      const std::string_view line = M.LineText(y);
      int n = 0;
      while (n < width && n < static_cast<int>(line.size()) && line[static_cast<std::size_t>(n)] == ' ') ++n;
      if (n == 0) continue;
      if (firstCount == 0) firstCount = n;
      lastCount = n;
      M.DeleteText({1, y}, {n + 1, y});
    }
    M.SetCaretPos(caret);
    if (step.Edited()) step.Push(s, e, smColumn);
  }
  // The lines' update collapsed the block to the caret; set it again.
  M.SetSelBegin({std::max(1, s.X - firstCount), s.Y});
  M.SetSelEnd({std::max(1, e.X - lastCount), e.Y});
  M.SetCaretPos(caret);
  return true;
}

}  // namespace

void AddBlockCommands(TxeCommandTable& T) {
  T[ecBlockIndent] = {BlockIndent, true};
  T[ecBlockUnindent] = {BlockUnindent, true};
}
