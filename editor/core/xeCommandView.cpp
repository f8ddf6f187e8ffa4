// Scrolling without moving the text, and the insert and selection modes.
#include <algorithm>

#include "xeCommands.h"

namespace {

bool Scroll(TxeEditModel& M, TxeEditorCommand Command, char32_t, const void*) {
  TxePaintHold hold(M);
  const TPoint caret = M.CaretPos();
  switch (Command) {
    case ecScrollUp: {
      M.SetFirstVisibleLine(M.FirstVisibleLine() - 1);
      const int last = M.FirstVisibleLine() + std::max(M.VisibleLineCount(), 1) - 1;
      if (caret.Y > last) M.SetCaretLine(last);
      break;
    }
    case ecScrollDown:
      M.SetFirstVisibleLine(M.FirstVisibleLine() + 1);
      if (caret.Y < M.FirstVisibleLine()) M.SetCaretLine(M.FirstVisibleLine());
      break;
    case ecScrollLeft: {
      // The view counts display cells; the caret counts bytes.
      M.SetFirstVisibleColumn(M.FirstVisibleColumn() - 1);
      const int lastCell = M.FirstVisibleColumn() + M.VisibleColumnCount();
      if (M.ColumnToCell(caret.Y, caret.X) > lastCell) M.SetCaretCol(M.CellToColumn(caret.Y, lastCell));
      break;
    }
    case ecScrollRight:
      M.SetFirstVisibleColumn(M.FirstVisibleColumn() + 1);
      if (M.ColumnToCell(caret.Y, caret.X) < M.FirstVisibleColumn())
        M.SetCaretCol(M.CellToColumn(caret.Y, M.FirstVisibleColumn()));
      break;
    default: break;
  }
  return true;
}

bool Mode(TxeEditModel& M, TxeEditorCommand Command, char32_t, const void*) {
  switch (Command) {
    case ecInsertMode: M.SetInsertMode(true); break;
    case ecOverwriteMode: M.SetInsertMode(false); break;
    case ecToggleMode: M.SetInsertMode(!M.InsertMode()); break;
    case ecNormalSelect: M.SetSelectionMode(smNormal); break;
    case ecColumnSelect: M.SetSelectionMode(smColumn); break;
    case ecLineSelect: M.SetSelectionMode(smLine); break;
    default: break;
  }
  return true;
}

}  // namespace

void AddViewCommands(TxeCommandTable& T) {
  for (TxeEditorCommand c : {ecScrollUp, ecScrollDown, ecScrollLeft, ecScrollRight}) T[c].Handler = Scroll;
  for (TxeEditorCommand c :
       {ecInsertMode, ecOverwriteMode, ecToggleMode, ecNormalSelect, ecColumnSelect, ecLineSelect})
    T[c].Handler = Mode;
}
