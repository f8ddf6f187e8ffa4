#include "xeEditModel.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "xeCellMap.h"
#include "xeUtf8.h"

TxeEditModel::TxeEditModel() {
  FLines.Add("");
  FLines.OnLineAdded = [this](TxeEditList*) { LineAdded(); };
  FLines.OnListCleared = [this](TxeEditList*) { ListCleared(); };
  FLines.OnLineDeleted = [this](int Index, int Count) { LineDeleted(Index, Count); };
  FLines.OnLineInserted = [this](int Index, int Count) { LineInserted(Index, Count); };
  FLines.OnTextAssigned = [this](TxeEditList*) { TextAssigned(); };
  FLines.OnLinePut = [this](int Index) { LinePut(Index); };
  FLines.OnRangesRescan = [this](TxeEditList*) { RangesRescan(); };
  FLines.OnChanging = [this](TxeEditList*) { LinesChangingStart(); };
  FLines.OnChanged = [this](TxeEditList*) { LinesChangingEnd(); };
  FLines.OnRangesNeeded = [this](int Index) { FillRanges(Index); };
  auto changed = [this] {
    SetModified(true);
    if (OnChange) OnChange(this);
  };
  FUndoList.OnAdded = changed;
  FRedoList.OnAdded = changed;
  FMarks.OnChange = [this] { InvalidateGutterRows(-1, -1); };
  FMarks.OnRowChanged = [this](int Line) { InvalidateGutterRows(Line, Line); };
}

TxeEditModel::~TxeEditModel() {
  // Nothing is reported from a model being destroyed.
  FView = nullptr;
  OnStatusChange = nullptr;
  OnSelectionChange = nullptr;
  OnChange = nullptr;
  DetachHighLighter();
}

void TxeEditModel::SetView(TxeEditView* View) {
  FView = View;
  if (FView) {
    SetFirstVisibleColumn(FFirstVisibleColumn);
    RefreshScrollBars();
    InvalidateAll();
  }
}

std::string_view TxeEditModel::LineText(int Line) const {
  if (Line < 1 || Line > FLines.Count()) return {};
  return FLines.Get(Line - 1);
}

void TxeEditModel::SetText(std::string Value) { FLines.LoadFromString(std::move(Value)); }

void TxeEditModel::SetLines(TxeLineStore&& Lines) { FLines.LoadFromStore(std::move(Lines)); }

std::string_view TxeEditModel::TrimRight(std::string_view S) {
  std::size_t n = S.size();
  while (n > 0 && S[n - 1] == ' ') --n;
  return S.substr(0, n);
}

int TxeEditModel::AutoIndentCount(std::string_view S) const {
  if (!HasOption(xeoAutoIndent)) return 0;
  int n = 0;
  for (unsigned char c : S) {
    if (c < 1 || c > 32) break;
    ++n;
  }
  return n;
}

// ---- caret and block ----

void TxeEditModel::SetCaretPos(TPoint P) {
  const int n = FLines.Count();
  const bool pastEol = HasOption(xeoScrollPastEol);
  int y = std::min(P.Y, n) - 1;
  int x = P.X - 1;
  int limit;
  std::string_view line;
  if (y < 0) {
    y = 0;
    limit = pastEol ? MaxColumn : 0;
    if (n > 0) line = FLines.Get(0);
  } else {
    line = FLines.Get(y);
    const int len = static_cast<int>(line.size());
    // Lines longer than MaxColumn stay reachable to their end.
    limit = pastEol ? std::max(MaxColumn, len) : len;
  }
  x = std::max(std::min(x, limit), 0);
  x = ColumnCharStart(line, x + 1) - 1;
  if (x + 1 == FCaretX && y + 1 == FCaretY) return;
  BeginUpdate();
  try {
    if (FCaretX != x + 1) {
      FCaretX = x + 1;
      StatusChanged(stCaretCol);
    }
    if (FCaretY != y + 1) {
      FCaretY = y + 1;
      StatusChanged(stCaretLine);
    }
    ScrollCaretIntoView();
    FCaretPending = true;
    FScrollBarsPending = true;
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  if (OnSelectionChange) OnSelectionChange(this);
}

int TxeEditModel::BlockColumnLimit(int Line) const { return std::max(MaxColumn, LineLength(Line) + 1); }

TPoint TxeEditModel::ClampBlockPoint(TPoint P) const {
  const int n = std::max(FLines.Count(), 1);
  const int y = std::clamp(P.Y, 1, n);
  const std::string_view line = LineText(y);
  int x = std::clamp(P.X, 1, BlockColumnLimit(y));
  if (FSelectionMode == smNormal) x = std::min(x, static_cast<int>(line.size()) + 1);
  x = ColumnCharStart(line, x);
  return {x, y};
}

TPoint TxeEditModel::EffectivePoint(TPoint P) const {
  // A point set in another mode may lie beyond its line's end; in normal mode it means the end.
  if (FSelectionMode == smNormal) P.X = std::min(P.X, LineLength(P.Y) + 1);
  return P;
}

TPoint TxeEditModel::SelBegin() const {
  const TPoint b = EffectivePoint(FBlockBegin), e = EffectivePoint(FBlockEnd);
  return PointBefore(e, b) ? e : b;
}

TPoint TxeEditModel::SelEnd() const {
  const TPoint b = EffectivePoint(FBlockBegin), e = EffectivePoint(FBlockEnd);
  return PointBefore(e, b) ? b : e;
}

bool TxeEditModel::HasSelection() const {
  const TPoint b = EffectivePoint(FBlockBegin), e = EffectivePoint(FBlockEnd);
  return b.X != e.X || (b.Y != e.Y && FSelectionMode != smColumn);
}

void TxeEditModel::SetSelBegin(TPoint P) {
  const TPoint p = ClampBlockPoint(P);
  if (HasSelection()) {
    InvalidateTextRows(std::min({FBlockBegin.Y, FBlockEnd.Y, p.Y}),
                       std::max({FBlockBegin.Y, FBlockEnd.Y, p.Y}));
  }
  const bool changed = !(FBlockBegin == p) || !(FBlockEnd == p);
  FBlockBegin = FBlockEnd = p;
  if (changed) StatusChanged(stSelection);
}

void TxeEditModel::SetSelEnd(TPoint P) {
  if (HasOption(xeoNoSelection)) return;
  const TPoint p = ClampBlockPoint(P);
  if (p == FBlockEnd) return;
  if (FSelectionMode == smColumn && p.X != FBlockEnd.X) {
    InvalidateTextRows(std::min({FBlockBegin.Y, FBlockEnd.Y, p.Y}),
                       std::max({FBlockBegin.Y, FBlockEnd.Y, p.Y}));
  } else if (!(FSelectionMode == smColumn && FBlockBegin.X == p.X)) {
    InvalidateTextRows(std::min(FBlockEnd.Y, p.Y), std::max(FBlockEnd.Y, p.Y));
  }
  FBlockEnd = p;
  StatusChanged(stSelection);
}

void TxeEditModel::SetBlockDirect(TPoint Begin, TPoint End) {
  FBlockBegin = Begin;
  FBlockEnd = End;
  InvalidateTextRows(std::min(Begin.Y, End.Y), std::max(Begin.Y, End.Y));
  StatusChanged(stSelection);
}

void TxeEditModel::SetSelectionMode(TSelectionMode Value) {
  if (FSelectionMode != Value) {
    FSelectionMode = Value;
    if (HasSelection()) InvalidateAll();
  }
  StatusChanged(stSelection);
}

// ---- view quantities ----

int TxeEditModel::MaxScrollColumn() const {
  // Every cell of the widest line, and one for the caret after it.
  const auto longest = static_cast<long long>(FLines.WidestLine(FTabWidth)) + 1;
  return static_cast<int>(std::min<long long>(std::max<long long>(MaxColumn, longest), 0x7FFFFFF0));
}

void TxeEditModel::SetFirstVisibleLine(int Value) {
  Value = std::max(std::min(Value, FLines.Count()), 1);
  if (Value == FFirstVisibleLine) return;
  const int delta = FFirstVisibleLine - Value;
  FFirstVisibleLine = Value;
  RefreshScrollBars();
  if (FView) FView->LinesScrolled(delta);
  StatusChanged(stFirstLine);
}

void TxeEditModel::SetFirstVisibleColumn(int Value) {
  Value = std::max(std::min(Value, MaxScrollColumn() - VisibleColumnCount() + 1), 1);
  if (Value == FFirstVisibleColumn) return;
  FFirstVisibleColumn = Value;
  RefreshScrollBars();
  if (FView) FView->ColumnsScrolled();
  StatusChanged(stFirstColumn);
}

int TxeEditModel::ColumnToCell(int Line, int Col) const {
  return TxeCellMap::CellOfByte(LineText(Line), std::max(Col, 1) - 1, FTabWidth) + 1;
}

int TxeEditModel::CellToColumn(int Line, int Cell) const {
  return TxeCellMap::ByteOfCell(LineText(Line), std::max(Cell, 1) - 1, FTabWidth) + 1;
}

void TxeEditModel::ScrollCaretIntoView() {
  if (!FView) return;
  TxePaintHold hold(*this);
  const int cell = ColumnToCell(FCaretY, FCaretX);
  const int cols = VisibleColumnCount();
  if (cell < FFirstVisibleColumn) {
    SetFirstVisibleColumn(cell);
  } else if (cell > FFirstVisibleColumn + cols) {
    SetFirstVisibleColumn(cell - cols + 1);
  }
  const int rows = VisibleLineCount();
  if (FCaretY < FFirstVisibleLine) {
    SetFirstVisibleLine(FCaretY);
  } else if (FCaretY > FFirstVisibleLine + rows - 1) {
    SetFirstVisibleLine(FCaretY - rows + 1);
  }
}

// ---- properties ----

void TxeEditModel::SetInsertMode(bool Value) {
  FInsertMode = Value;
  if (FView) FView->RebuildCaret();
  StatusChanged(stInsertMode);
}

void TxeEditModel::SetModified(bool Value) {
  if (FModified == Value) return;
  FModified = Value;
  StatusChanged(stModified);
}

void TxeEditModel::SetTabWidth(int Value) {
  Value = std::clamp(Value, 0, 256);
  if (Value == FTabWidth) return;
  FTabWidth = Value;
  RefreshScrollBars();
  InvalidateAll();
}

void TxeEditModel::SetRightEdge(int Value) {
  if (Value == FRightEdge) return;
  FRightEdge = Value;
  InvalidateAll();
}

void TxeEditModel::SetRightEdgeColor(TColor Value) {
  if (Value == FRightEdgeColor) return;
  FRightEdgeColor = Value;
  InvalidateAll();
}

void TxeEditModel::SetHideSelection(bool Value) {
  if (Value == FHideSelection) return;
  FHideSelection = Value;
  InvalidateAll();
}

void TxeEditModel::SetOptions(TxeEditorOptions Value) {
  FOptions = Value;
  if (!HasOption(xeoScrollPastEol)) SetCaretCol(FCaretX);
}

void TxeEditModel::SetMaxUndo(int Value) {
  if (Value < 0) return;
  FUndoList.SetMaxUndo(Value);
  FRedoList.SetMaxUndo(Value);
}

// ---- painting hold and status ----

void TxeEditModel::EndUpdate() {
  if (FUpdateCount <= 0) return;
  if (--FUpdateCount > 0) return;
  if (FView) {
    if (FScrollBarsPending) RefreshScrollBars();
    if (FCaretPending) PlaceCaret();
  }
  if (FPendingStatus && OnStatusChange) {
    const TxeStatusChanges s = std::exchange(FPendingStatus, 0);
    OnStatusChange(this, s);
  }
}

void TxeEditModel::StatusChanged(TxeStatusChanges Changes) {
  FPendingStatus |= Changes;
  if (FUpdateCount == 0 && OnStatusChange) {
    const TxeStatusChanges s = std::exchange(FPendingStatus, 0);
    OnStatusChange(this, s);
  }
}

void TxeEditModel::RefreshScrollBars(bool Force) {
  if (!FView || (FUpdateCount > 0 && !Force)) {
    FScrollBarsPending = true;
    return;
  }
  FScrollBarsPending = false;
  FView->UpdateScrollBars();
}

void TxeEditModel::PlaceCaret() {
  if (!FView || FUpdateCount > 0) {
    FCaretPending = true;
    return;
  }
  FCaretPending = false;
  FView->UpdateCaret();
}

// ---- invalidation ----

void TxeEditModel::AddPending(int First, int Last, TxeViewArea Area) {
  if (FPendingArea == 0) {
    FPendingFirst = First;
    FPendingLast = Last;
  } else {
    FPendingFirst = std::min(FPendingFirst, First);
    FPendingLast = std::max(FPendingLast, Last);
  }
  FPendingArea |= Area;
}

void TxeEditModel::Invalidate(int First, int Last, TxeViewArea Area) {
  if (!FView) return;
  if (First == -1 && Last == -1) {
    if (FLinesChanging) {
      FPendingAll = true;
      FPendingArea |= Area;
    } else {
      FView->InvalidateLines(-1, -1, Area);
    }
    return;
  }
  if (First > Last) std::swap(First, Last);
  First = std::max(First, FFirstVisibleLine);
  Last = std::min(Last, FFirstVisibleLine + VisibleLineCount());
  if (First > Last) return;
  if (FLinesChanging) {
    AddPending(First, Last, Area);
  } else {
    FView->InvalidateLines(First, Last, Area);
  }
}

void TxeEditModel::InvalidateTextRows(int First, int Last) { Invalidate(First, Last, vaText); }

void TxeEditModel::InvalidateGutterRows(int First, int Last) { Invalidate(First, Last, vaGutter); }

void TxeEditModel::InvalidateRow(int Line) {
  if (Line < 1 || Line > FLines.Count()) return;
  Invalidate(Line, Line, vaBoth);
}

void TxeEditModel::InvalidateAll() { Invalidate(-1, -1, vaBoth); }

// ---- line-list changing/changed ----

void TxeEditModel::LinesChangingStart() {
  FLinesChanging = true;
  FSpanFirst = INT_MAX;
  FSpanTail = INT_MAX;
  FSpanCountBefore = FSpanCountNow = FLines.Count();
  if (FView) FView->LinesChanging();
}

void TxeEditModel::NoteSpan(int First, int Tail) {
  FSpanFirst = std::min(FSpanFirst, std::max(First, 0));
  FSpanTail = std::min(FSpanTail, std::max(Tail, 0));
  FSpanCountNow = FLines.Count();
}

void TxeEditModel::LinesChangingEnd() {
  FLinesChanging = false;
  if (FView && FSpanFirst != INT_MAX) {
    const int after = FLines.Count();
    const int tail = std::min({FSpanTail, FSpanCountBefore - FSpanFirst, after - FSpanFirst});
    FView->LinesReplaced(FSpanFirst, FSpanCountBefore - FSpanFirst - tail, after - FSpanFirst - tail);
  }
  // A caret on a line that went away moves to the last line.
  if (FCaretY > FLines.Count()) SetCaretFree({FCaretX, FLines.Count()});
  RefreshScrollBars();
  // After any edit the selection is empty and sits at the caret.
  SetSelBegin(CaretPos());
  if (FView) {
    if (FPendingAll) {
      FView->InvalidateLines(-1, -1, FPendingArea ? static_cast<TxeViewArea>(FPendingArea) : vaBoth);
    } else if (FPendingArea) {
      FView->InvalidateLines(FPendingFirst, FPendingLast, static_cast<TxeViewArea>(FPendingArea));
    }
    FView->LinesChanged();
  }
  FPendingAll = false;
  FPendingArea = 0;
}

// ---- undo lists ----

void TxeEditModel::ClearUndo() {
  FUndoList.ClearList();
  FRedoList.ClearList();
}

void TxeEditModel::LockUndo() {
  FUndoList.Lock();
  FRedoList.Lock();
}

void TxeEditModel::UnlockUndo() {
  FUndoList.Unlock();
  FRedoList.Unlock();
}

// ---- marks and bookmarks ----

TMark* TxeEditModel::Bookmark(int Number) const {
  if (Number < 0 || Number > 9) return nullptr;
  return FBookmarks[static_cast<std::size_t>(Number)];
}

void TxeEditModel::PlaceBookmark(int Number, int X, int Y) {
  if (Number < 0 || Number > 9 || Y < 1 || Y > FLines.Count()) return;
  auto mark = std::make_unique<TMark>();
  mark->SetLine(Y);
  mark->SetColumn(X);
  mark->SetImageIndex(Number);
  mark->SetBookmarkNumber(Number);
  mark->SetVisible(true);
  mark->SetInternalImage(true);
  if (OnPlaceBookmark) OnPlaceBookmark(this, mark);
  if (!mark) return;
  // One bookmark per line.
  for (int i = 0; i < 10; ++i) {
    TMark* m = FBookmarks[static_cast<std::size_t>(i)];
    if (m && m->Line() == Y) RemoveBookmark(i);
  }
  RemoveBookmark(Number);
  FBookmarks[static_cast<std::size_t>(Number)] = FMarks.Add(std::move(mark));
}

void TxeEditModel::RemoveBookmark(int Number) {
  TMark* m = Bookmark(Number);
  if (!m) return;
  FBookmarks[static_cast<std::size_t>(Number)] = nullptr;
  FMarks.Remove(m);
}

void TxeEditModel::JumpToBookmark(int Number) {
  TMark* m = Bookmark(Number);
  if (m && m->Line() <= FLines.Count()) SetCaretPos({m->Column(), m->Line()});
}
