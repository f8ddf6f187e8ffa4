// Selected text in the three modes, and the selection replacement that the commands build on.
#include <algorithm>

#include "xeEditModel.h"
#include "xeUtf8.h"

namespace {

// Byte range [From, To) of line S covered by the column block L..R, widened so that no character is split.
void ColumnPiece(std::string_view S, int L, int R, std::size_t& From, std::size_t& To) {
  const int l = ColumnCharNext(S, L);
  const int r = ColumnCharNext(S, R);
  From = std::min<std::size_t>(static_cast<std::size_t>(l - 1), S.size());
  To = std::min<std::size_t>(static_cast<std::size_t>(std::max(r - 1, l - 1)), S.size());
}

// Length of the line break at T[I] (CR, LF or CR LF), 0 when there is none.
std::size_t BreakAt(std::string_view T, std::size_t I) {
  if (T[I] == '\n') return 1;
  if (T[I] == '\r') return (I + 1 < T.size() && T[I + 1] == '\n') ? 2 : 1;
  return 0;
}

}  // namespace

std::string TxeEditModel::SelectedText() const {
  if (!HasSelection()) return {};
  const TPoint s = SelBegin();
  const TPoint e = SelEnd();
  std::string out;
  switch (FSelectionMode) {
    case smNormal: {
      const std::string_view first = LineText(s.Y);
      const std::size_t from = std::min<std::size_t>(static_cast<std::size_t>(s.X - 1), first.size());
      if (s.Y == e.Y) {
        const std::size_t to = std::min<std::size_t>(static_cast<std::size_t>(e.X - 1), first.size());
        if (to > from) out.assign(first.substr(from, to - from));
        break;
      }
      const std::string_view last = LineText(e.Y);
      const std::size_t lastLen = std::min<std::size_t>(static_cast<std::size_t>(e.X - 1), last.size());
      std::size_t total = first.size() - from + 2 + lastLen;
      for (int y = s.Y + 1; y < e.Y; ++y) total += LineText(y).size() + 2;
      out.reserve(total);
      out.append(first.substr(from));
      out.append("\r\n");
      for (int y = s.Y + 1; y < e.Y; ++y) {
        out.append(LineText(y));
        out.append("\r\n");
      }
      out.append(last.substr(0, lastLen));
      break;
    }
    case smColumn: {
      const int l = std::min(s.X, e.X);
      const int r = std::max(s.X, e.X);
      const auto width = static_cast<std::size_t>(r - l);
      out.reserve((width + 2) * static_cast<std::size_t>(e.Y - s.Y + 1));
      for (int y = s.Y; y <= e.Y; ++y) {
        const std::string_view line = LineText(y);
        std::size_t from, to;
        ColumnPiece(line, l, r, from, to);
        out.append(line.substr(from, to - from));
        if (to - from < width) out.append(width - (to - from), ' ');
        if (y < e.Y) out.append("\r\n");
      }
      break;
    }
    case smLine: {
      std::size_t total = 0;
      for (int y = s.Y; y <= e.Y; ++y) total += LineText(y).size() + 2;
      out.reserve(total);
      for (int y = s.Y; y <= e.Y; ++y) {
        out.append(LineText(y));
        if (y < e.Y || e.Y < FLines.Count()) out.append("\r\n");
      }
      break;
    }
  }
  return out;
}

void TxeEditModel::DeleteBlock() {
  const TPoint s = SelBegin();
  const TPoint e = SelEnd();
  switch (FSelectionMode) {
    case smNormal: {
      Splice(s, e, {});
      if (HasOption(xeoScrollPastEol)) {
        // Beyond the widest column the caret cannot stand past a line's end, so the blanks before the
        // block stay there.
        const std::size_t keep = s.X - 1 > MaxColumn ? static_cast<std::size_t>(s.X - 1) : 0;
        TrimLineEnd(s.Y, keep);
      }
      SetCaretFree(s);
      break;
    }
    case smColumn: {
      const int l = std::min(s.X, e.X);
      const int r = std::max(s.X, e.X);
      for (int y = s.Y; y <= e.Y; ++y) {
        const std::string_view line = LineText(y);
        std::size_t from, to;
        ColumnPiece(line, l, r, from, to);
        if (from >= to) continue;
        Splice({static_cast<int>(from) + 1, y}, {static_cast<int>(to) + 1, y}, {});
        TrimLineEnd(y);
      }
      SetCaretPos({l, FBlockEnd.Y});
      break;
    }
    case smLine: {
      if (e.Y >= FLines.Count()) {
        Splice({1, s.Y}, {LineLength(e.Y) + 1, e.Y}, {});
      } else {
        Splice({1, s.Y}, {1, e.Y + 1}, {});
      }
      SetCaretPos({1, s.Y});
      break;
    }
  }
}

int TxeEditModel::InsertNormal(std::string_view Text) {
  const int y = FCaretY;
  const int len = LineLength(y);
  std::string t;
  // The part before a caret beyond the line's end is padded with blanks, unless the text starts with a
  // break (the padding would stay behind as trailing blanks).
  if (FCaretX > len + 1 && !(Text[0] == '\r' || Text[0] == '\n'))
    t.assign(static_cast<std::size_t>(FCaretX - 1 - len), ' ');
  t.append(Text);
  const int before = FLines.Count();
  const int at = std::min(FCaretX, len + 1);
  const TPoint end = Splice({at, y}, {at, y}, std::move(t));
  FCaretY = end.Y;
  FCaretX = end.X;
  return FLines.Count() - before;
}

int TxeEditModel::InsertColumn(std::string_view Text, int* LastSegmentWidth) {
  const int c = FCaretX;
  int y = FCaretY;
  int lastWidth = 0;
  std::size_t i = 0;
  for (;;) {
    std::size_t j = i;
    while (j < Text.size() && Text[j] != '\r' && Text[j] != '\n') ++j;
    const std::string_view seg = Text.substr(i, j - i);
    if (y > FLines.Count()) {
      std::string t("\n");
      if (!seg.empty()) {
        t.append(static_cast<std::size_t>(c - 1), ' ');
        t.append(seg);
      }
      // Padding of short lines in a copied block must not become trailing blanks.
      t.resize(TrimRight(t).size());
      const int last = FLines.Count();
      Splice({LineLength(last) + 1, last}, {LineLength(last) + 1, last}, std::move(t));
    } else if (!seg.empty()) {
      const std::string_view line = LineText(y);
      std::string t;
      if (line.size() < static_cast<std::size_t>(c - 1)) {
        t.assign(static_cast<std::size_t>(c - 1) - line.size(), ' ');
        t.append(seg);
        Splice({static_cast<int>(line.size()) + 1, y}, {static_cast<int>(line.size()) + 1, y}, std::move(t));
      } else {
        Splice({ColumnCharNext(line, c), y}, {ColumnCharNext(line, c), y}, std::string(seg));
      }
      TrimLineEnd(y);
    }
    if (!seg.empty()) lastWidth = static_cast<int>(seg.size());
    if (LastSegmentWidth) *LastSegmentWidth = static_cast<int>(seg.size());
    if (j >= Text.size()) break;
    i = j + BreakAt(Text, j);
    ++y;
    if (i >= Text.size()) break;
  }
  FCaretY = y;
  FCaretX = c + lastWidth;
  return 0;
}

int TxeEditModel::InsertLines(std::string_view Text) {
  const int y = FCaretY;
  const int before = FLines.Count();
  const TPoint end = Splice({1, y}, {1, y}, std::string(Text));
  FCaretY = end.Y;
  FCaretX = end.X;
  return FLines.Count() - before;
}

int TxeEditModel::ReplaceSelection(TSelectionMode InsertMode, std::string_view Text, int* LastSegmentWidth) {
  // The text may be a view of a line that the deletion changes.
  const std::string text(Text);
  TxeUndoStep step(*this, ukTyped);
  int added = 0;
  if (HasSelection()) DeleteBlock();
  if (!text.empty()) {
    const TPoint before = CaretPos();
    switch (InsertMode) {
      case smNormal: added = InsertNormal(text); break;
      case smColumn: added = InsertColumn(text, LastSegmentWidth); break;
      case smLine: added = InsertLines(text); break;
    }
    // The inserts move the caret fields directly; report and clamp through the setter.
    const TPoint after = CaretPos();
    FCaretX = before.X;
    FCaretY = before.Y;
    SetCaretPos(after);
  }
  return added;
}

void TxeEditModel::SetSelectedText(std::string_view Value) { ReplaceSelection(smNormal, Value); }

void TxeEditModel::DeleteSelectionWithUndo(TUndoKind Kind) {
  DeleteSelectionWithUndo(Kind, EffectivePoint(FBlockBegin), EffectivePoint(FBlockEnd));
}

void TxeEditModel::DeleteSelectionWithUndo(TUndoKind Kind, TPoint StartPos, TPoint EndPos) {
  if (!HasSelection()) return;
  TxeUndoStep step(*this, Kind);
  const TSelectionMode mode = FSelectionMode;
  ReplaceSelection(mode, {});
  step.Push(StartPos, EndPos, mode);
}

bool TxeEditModel::DeleteEmptySelection(TUndoKind Kind, TUndoRecord& Before) {
  if (!HasSelection()) return false;
  Before.CaretBefore = CaretPos();
  Before.BlockBeginBefore = FBlockBegin;
  Before.BlockEndBefore = FBlockEnd;
  const TPoint start = EffectivePoint(FBlockBegin), end = EffectivePoint(FBlockEnd);
  TxeUndoStep step(*this, Kind);
  const TSelectionMode mode = FSelectionMode;
  ReplaceSelection(mode, {});
  // A step that joins an open one never knows; the open one records for both.
  if (!step.Edited()) return true;
  step.Push(start, end, mode);
  return false;
}

void TxeEditModel::ReplaceSelectionWithUndo(std::string_view Value) {
  const std::string value(Value);
  TxePaintHold hold(*this);
  DeleteSelectionWithUndo(ukSelectionReplaced);
  TxeUndoStep step(*this, ukTyped);
  // The insertion starts where the deletion left the caret (in column and line mode that is not the
  // block's first point).
  const TPoint start = CaretPos();
  ReplaceSelection(smNormal, value);
  step.Push(start, CaretPos(), smNormal);
}

void TxeEditModel::SelectAll() {
  TxePaintHold hold(*this);
  SetSelBegin({1, 1});
  const int n = FLines.Count();
  if (n > 0) {
    const TPoint end{LineLength(n) + 1, n};
    SetSelEnd(end);
    SetCaretPos(end);
  }
  StatusChanged(stSelection);
}

void TxeEditModel::InsertLineBreak(bool MoveCaret) {
  TxePaintHold hold(*this);
  TUndoRecord before;
  const bool empty = DeleteEmptySelection(ukDeletedBack, before);
  TxeUndoStep step(*this, ukLineBreak);
  // Undoing the break brings back a selection that held no text, as undoing a deletion does.
  if (empty) step.SetBlockBefore(before.CaretBefore, before.BlockBeginBefore, before.BlockEndBefore);
  const int y = FCaretY;
  const int x = FCaretX;
  const std::string_view l = LineText(y);
  const int len = static_cast<int>(l.size());
  int indent = AutoIndentCount(l);
  const TPoint at = CaretPos();
  TPoint to = at;
  if (l.empty()) {
    indent = 0;
    for (int k = y - 1; k >= 1; --k) {
      if (!LineText(k).empty()) {
        indent = AutoIndentCount(LineText(k));
        break;
      }
    }
    Splice({1, y}, {1, y}, "\n");
    to = {indent + 1, y + 1};
  } else if (x > len) {
    const bool blank = HasOption(xeoScrollPastEol) || !MoveCaret;
    Splice({len + 1, y}, {len + 1, y}, "\n" + std::string(blank ? 0 : static_cast<std::size_t>(indent), ' '));
    to = {indent + 1, y + 1};
  } else if (x == 1) {
    Splice({1, y}, {1, y}, "\n");
    to = {1, y + 1};
  } else if (indent < x - 1) {
    // The part before the caret keeps no trailing blanks; the rest goes down behind the indent.
    const int keep = static_cast<int>(TrimRight(l.substr(0, static_cast<std::size_t>(x - 1))).size());
    Splice({keep + 1, y}, {x, y}, "\n" + std::string(static_cast<std::size_t>(indent), ' '));
    to = {indent + 1, y + 1};
  } else {
    Splice({1, y}, {1, y}, "\n");
    to = {x, y + 1};
  }
  if (MoveCaret) SetCaretPos(to);
  // A caret left behind stays within its (now shorter) line.
  SetCaretPos(CaretPos());
  step.Push(at, at, FSelectionMode);
}
