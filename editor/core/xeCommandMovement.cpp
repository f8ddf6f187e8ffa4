// Caret movement commands and their selection twins (code + ecSelection).
#include <algorithm>

#include "xeCommandText.h"
#include "xeCommands.h"
#include "xeUtf8.h"

namespace xeCmd {

void MoveCaretAndSelection(TxeEditModel& M, TPoint P, TPoint T, bool Select) {
  TxePaintHold hold(M);
  if (Select) {
    if (!M.HasSelection()) M.SetSelBegin(P);
    M.SetSelEnd(T);
  } else {
    M.SetSelBegin(T);
  }
  M.SetCaretPos(T);
}

void MoveCaretHorz(TxeEditModel& M, int DX, bool Select) {
  const TPoint p = M.CaretPos();
  const std::string_view line = M.LineText(p.Y);
  const int len = static_cast<int>(line.size());
  const bool pastEol = M.HasOption(xeoScrollPastEol);
  TPoint t = p;
  if (!pastEol && DX == -1 && p.X == 1 && p.Y > 1) {
    t = {M.LineLength(p.Y - 1) + 1, p.Y - 1};
  } else if (!pastEol && DX == 1 && p.X > len && p.Y < M.LineCount()) {
    t = {1, p.Y + 1};
  } else {
    int x = std::max(1, p.X + DX);
    if (!pastEol && DX > 0) x = std::min(x, len + 1);
    // Never stop inside a character: go on in the direction of the move.
    if (x >= 2 && x <= len && ColumnInsideChar(line, x))
      x = DX < 0 ? ColumnCharStart(line, x) : ColumnCharNext(line, x);
    t.X = x;
  }
  M.SetCaretDBFlag(false);
  MoveCaretAndSelection(M, p, t, Select);
}

void MoveCaretVert(TxeEditModel& M, int DY, bool Select) {
  const TPoint p = M.CaretPos();
  int y = p.Y + DY;
  y = DY >= 0 ? std::min(y, M.LineCount()) : std::max(y, 1);
  int x = p.X;
  if (y != p.Y) {
    if (M.CaretDBFlag()) {
      ++x;
      M.SetCaretDBFlag(false);
    }
    const std::string_view line = M.LineText(y);
    if (ColumnInsideChar(line, x)) {
      x = ColumnCharStart(line, x);
      M.SetCaretDBFlag(true);
    }
  }
  MoveCaretAndSelection(M, p, {x, y}, Select);
}

}  // namespace xeCmd

namespace {

using namespace xeCmd;

bool Selecting(TxeEditorCommand Command) { return Command > ecSelection && Command < ecSelectAll; }

xeCmdText::TWordChars WordChars(const TxeEditModel& M) {
  xeCmdText::TWordChars w;
  for (int c = 0; c < 256; ++c)
    if (M.IsWordChar(static_cast<unsigned char>(c))) w.set(static_cast<std::size_t>(c));
  return w;
}

int PageLines(const TxeEditModel& M) {
  const int n = M.VisibleLineCount();
  return M.HasOption(xeoHalfPageScroll) ? n / 2 : n;
}

bool Move(TxeEditModel& M, TxeEditorCommand Command, char32_t, const void* Data) {
  const bool sel = Selecting(Command);
  const TxeEditorCommand base = sel ? static_cast<TxeEditorCommand>(Command - ecSelection) : Command;
  const TPoint p = M.CaretPos();
  switch (base) {
    case ecLeft: MoveCaretHorz(M, -1, sel); break;
    case ecRight: MoveCaretHorz(M, 1, sel); break;
    case ecUp: MoveCaretVert(M, -1, sel); break;
    case ecDown: MoveCaretVert(M, 1, sel); break;
    case ecPageUp: MoveCaretVert(M, -PageLines(M), sel); break;
    case ecPageDown: MoveCaretVert(M, PageLines(M), sel); break;
    case ecPageLeft: MoveCaretHorz(M, -M.VisibleColumnCount(), sel); break;
    case ecPageRight: MoveCaretHorz(M, M.VisibleColumnCount(), sel); break;
    case ecWordLeft:
      MoveCaretAndSelection(M, p, xeCmdText::PrevWordPos(M.Lines(), p, WordChars(M)), sel);
      break;
    case ecWordRight:
      MoveCaretAndSelection(M, p, xeCmdText::NextWordPos(M.Lines(), p, WordChars(M)), sel);
      break;
    case ecLineStart: MoveCaretAndSelection(M, p, {1, p.Y}, sel); break;
    case ecLineEnd: MoveCaretAndSelection(M, p, {M.LineLength(p.Y) + 1, p.Y}, sel); break;
    case ecPageTop: MoveCaretAndSelection(M, p, {p.X, M.FirstVisibleLine()}, sel); break;
    case ecPageBottom:
      MoveCaretAndSelection(M, p, {p.X, M.FirstVisibleLine() + std::max(M.VisibleLineCount(), 1) - 1}, sel);
      break;
    case ecEditorTop: MoveCaretAndSelection(M, p, {1, 1}, sel); break;
    case ecEditorBottom:
      MoveCaretAndSelection(M, p, {M.LineLength(M.LineCount()) + 1, M.LineCount()}, sel);
      break;
    case ecGotoXY:
      if (Data) MoveCaretAndSelection(M, p, *static_cast<const TPoint*>(Data), sel);
      break;
    default: break;
  }
  return true;
}

bool SelectAll(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  M.SelectAll();
  return true;
}

bool MatchBracket(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  TPoint partner;
  if (xeCmdText::MatchBracket(M.Lines(), M.CaretPos(), partner)) M.SetCaretPos(partner);
  return true;
}

}  // namespace

void AddMovementCommands(TxeCommandTable& T) {
  for (TxeEditorCommand c = ecLeft; c <= ecGotoXY; ++c) {
    T[c].Handler = Move;
    T[c + ecSelection].Handler = Move;
  }
  T[ecSelectAll].Handler = SelectAll;
  T[ecMatchBracket].Handler = MatchBracket;
}
