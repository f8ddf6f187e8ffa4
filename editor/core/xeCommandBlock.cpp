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
  if (width > 0) {
    // One column segment per line, empty lines included (undo takes the same column away again).
    const std::string blanks(static_cast<std::size_t>(width), ' ');
    std::string column;
    for (int y = s.Y; y <= last; ++y) {
      if (y > s.Y) column += "\r\n";
      column += blanks;
    }
    TModeHold mode(M, smColumn);
    M.SetSelBegin({1, s.Y});
    M.SetCaretPos({1, s.Y});
    M.ReplaceSelection(smColumn, column);
  }
  M.AddUndo(ukIndented, s, e, {}, smColumn);
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
  std::string removed;
  int firstCount = 0, lastCount = 0;
  bool any = false;
  {
    TLinesHold lines(M);
    for (int y = s.Y; y <= last; ++y) {
      const std::string_view line = M.LineText(y);
      int n = 0;
      while (n < width && n < static_cast<int>(line.size()) && line[static_cast<std::size_t>(n)] == ' ') ++n;
      if (y > s.Y) removed += "\r\n";
      if (n == 0) continue;
      removed.append(static_cast<std::size_t>(n), ' ');
      if (!any) firstCount = n;
      lastCount = n;
      any = true;
      M.Lines().Put(y - 1, std::string(line.substr(static_cast<std::size_t>(n))));
    }
    if (any) M.AddUndo(ukUnindented, s, e, removed, smColumn);
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
