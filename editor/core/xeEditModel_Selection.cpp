// Selected text in the three modes and the selection-replacement primitive that every edit goes through.
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

std::string TxeEditModel::SelectedText() const { return BlockText(false); }

std::string TxeEditModel::BlockText(bool ForUndo) const {
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
        if (ForUndo) {
          // Only columns past the line's end: a blank for a character that an edge cut (taken whole or not
          // at all) would land inside the line when the block goes back in.
          const std::size_t covered = std::max(line.size(), static_cast<std::size_t>(l - 1));
          if (covered < static_cast<std::size_t>(r - 1))
            out.append(static_cast<std::size_t>(r - 1) - covered, ' ');
        } else if (to - from < width) {
          out.append(width - (to - from), ' ');
        }
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
      const std::string_view first = LineText(s.Y);
      const std::string_view last = LineText(e.Y);
      std::string joined(
          first.substr(0, std::min<std::size_t>(static_cast<std::size_t>(s.X - 1), first.size())));
      const std::size_t head = joined.size();
      if (static_cast<std::size_t>(e.X - 1) < last.size())
        joined.append(last.substr(static_cast<std::size_t>(e.X - 1)));
      if (HasOption(xeoScrollPastEol)) {
        // Blanks trimmed from the remaining tail are remembered for undo (those before the block come back
        // by padding).
        const std::size_t kept = TrimRight(joined).size();
        FLastTrimmedTail = static_cast<int>(joined.size() - std::max(kept, head));
        joined.resize(kept);
      }
      if (e.Y > s.Y) FLines.DeleteLines(s.Y, e.Y - s.Y);
      FLines.Put(s.Y - 1, std::move(joined));
      for (int i = 0; i < FMarks.Count(); ++i) {
        TMark* m = FMarks.Items(i);
        if (m->Line() > s.Y && m->Line() < e.Y) {
          m->SetLine(s.Y);
        } else if (m->Line() >= e.Y && e.Y > s.Y) {
          m->SetLine(m->Line() - (e.Y - s.Y));
        }
      }
      SetCaretPos(s);
      if (HasOption(xeoScrollPastEol) && FCaretY == s.Y && FCaretX < s.X &&
          LineText(s.Y).size() < static_cast<std::size_t>(s.X - 1)) {
        // Beyond the widest column the caret cannot stand past a line's end, so padding could not bring
        // back the blanks before the block: they stay.
        std::string line(LineText(s.Y));
        line.append(static_cast<std::size_t>(s.X - 1) - line.size(), ' ');
        FLines.Put(s.Y - 1, std::move(line));
        SetCaretPos(s);
      }
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
        std::string t(line.substr(0, from));
        t.append(line.substr(to));
        t.resize(TrimRight(t).size());
        FLines.Put(y - 1, std::move(t));
      }
      SetCaretPos({l, FBlockEnd.Y});
      break;
    }
    case smLine: {
      const int n = FLines.Count();
      if (e.Y >= n) {
        FLines.Put(e.Y - 1, std::string());
        if (e.Y > s.Y) FLines.DeleteLines(s.Y - 1, e.Y - s.Y);
      } else {
        FLines.DeleteLines(s.Y - 1, e.Y - s.Y + 1);
      }
      for (int i = 0; i < FMarks.Count(); ++i) {
        TMark* m = FMarks.Items(i);
        if (m->Line() > s.Y && m->Line() < e.Y) {
          m->SetLine(s.Y);
        } else if (m->Line() >= e.Y) {
          m->SetLine(std::max(1, m->Line() - (e.Y - s.Y + 1)));
        }
      }
      SetCaretPos({1, s.Y});
      break;
    }
  }
}

int TxeEditModel::InsertNormal(std::string_view Text) {
  const int y = FCaretY;
  const std::string_view line = LineText(y);
  const auto col = static_cast<std::size_t>(FCaretX - 1);
  std::string before(line.substr(0, std::min(col, line.size())));
  if (before.size() < col) before.append(col - before.size(), ' ');
  const std::string_view restView = col < line.size() ? line.substr(col) : std::string_view();
  std::size_t brk = 0;
  while (brk < Text.size() && Text[brk] != '\r' && Text[brk] != '\n') ++brk;
  if (brk == Text.size()) {
    std::string t = std::move(before);
    const std::size_t caret = t.size() + Text.size() + 1;
    t.reserve(t.size() + Text.size() + restView.size());
    t.append(Text);
    t.append(restView);
    FLines.Put(y - 1, std::move(t));
    FCaretX = static_cast<int>(caret);
    return 0;
  }
  // The first segment joins the part before the caret; the rest of the text, with the rest of the line
  // appended, becomes new lines below.
  const std::size_t after = brk + BreakAt(Text, brk);
  std::string tail;
  tail.reserve(Text.size() - after + restView.size());
  tail.append(Text.substr(after));
  const std::size_t restLen = restView.size();
  tail.append(restView);
  // Padding that a break would leave at the end of the line is not kept (no trailing blanks are made).
  if (brk == 0 && before.size() > line.size()) before.resize(line.size());
  before.append(Text.substr(0, brk));
  const int countBefore = FLines.Count();
  FLines.Put(y - 1, std::move(before));
  FLines.InsertLines(y, std::move(tail));
  const int added = FLines.Count() - countBefore;
  MoveMarks(y, added);
  FCaretY = y + added;
  FCaretX = static_cast<int>(FLines.Length(FCaretY - 1) - restLen) + 1;
  return added;
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
      std::string t;
      if (!seg.empty()) {
        t.assign(static_cast<std::size_t>(c - 1), ' ');
        t.append(seg);
      }
      // Padding of short lines in a copied block must not become trailing blanks.
      t.resize(TrimRight(t).size());
      FLines.Add(t);
    } else if (!seg.empty()) {
      const std::string_view line = LineText(y);
      std::string t;
      if (line.size() < static_cast<std::size_t>(c - 1)) {
        t.assign(line);
        t.append(static_cast<std::size_t>(c - 1) - line.size(), ' ');
        t.append(seg);
      } else {
        const auto at = static_cast<std::size_t>(ColumnCharNext(line, c) - 1);
        t.reserve(line.size() + seg.size());
        t.append(line.substr(0, at));
        t.append(seg);
        t.append(line.substr(at));
      }
      t.resize(TrimRight(t).size());
      FLines.Put(y - 1, std::move(t));
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
  FCaretX = 1;
  const int y = FCaretY;
  // Everything up to the last break becomes whole lines in front of the caret line.
  std::size_t last = Text.size();
  std::size_t finalStart = 0;
  for (std::size_t k = Text.size(); k > 0; --k) {
    const char ch = Text[k - 1];
    if (ch == '\r' || ch == '\n') {
      finalStart = k;
      last = (ch == '\n' && k >= 2 && Text[k - 2] == '\r') ? k - 2 : k - 1;
      break;
    }
  }
  int added = 0;
  if (finalStart > 0) {
    const int countBefore = FLines.Count();
    FLines.InsertLines(y - 1, Text.substr(0, last));
    added = FLines.Count() - countBefore;
  }
  const std::string_view final = Text.substr(finalStart);
  const int at = y + added;
  if (at > FLines.Count()) {
    FLines.Add(final);
  } else if (!final.empty()) {
    std::string t(final);
    t.append(LineText(at));
    FLines.Put(at - 1, std::move(t));
  }
  FCaretY = at;
  FCaretX = static_cast<int>(final.size()) + 1;
  MoveMarks(y, added);
  return added;
}

int TxeEditModel::ReplaceSelection(TSelectionMode InsertMode, std::string_view Text, int* LastSegmentWidth) {
  // The text may be a view of a line that the deletion changes.
  const std::string text(Text);
  TxePaintHold hold(*this);
  FLines.BeginUpdate();
  FLastTrimmedTail = 0;
  int added = 0;
  try {
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
    if (FLines.Empty()) FLines.Add("");
    if (FCaretY <= 0) FCaretY = 1;
  } catch (...) {
    FLines.EndUpdate();
    throw;
  }
  FLines.EndUpdate();
  return added;
}

void TxeEditModel::SetSelectedText(std::string_view Value) { ReplaceSelection(smNormal, Value); }

void TxeEditModel::DeleteSelectionWithUndo(TUndoKind Kind) {
  if (!HasSelection()) return;
  TUndoRecord r;
  r.Kind = Kind;
  r.StartPos = SelBegin();
  r.EndPos = SelEnd();
  r.Text = BlockText(true);
  r.SelectionMode = FSelectionMode;
  r.ReplacedEnd = r.StartPos;
  ReplaceSelection(FSelectionMode, {});
  r.Tail = FLastTrimmedTail;
  FUndoList.AddRecord(std::move(r));
}

void TxeEditModel::AppendTail(int Blanks) {
  if (Blanks <= 0 || FCaretY < 1 || FCaretY > LineCount()) return;
  std::string line(LineText(FCaretY));
  line.append(static_cast<std::size_t>(Blanks), ' ');
  FLines.Put(FCaretY - 1, std::move(line));
}

void TxeEditModel::ReplaceSelectionWithUndo(std::string_view Value) {
  const std::string value(Value);
  TxePaintHold hold(*this);
  if (HasSelection()) {
    DeleteSelectionWithUndo(ukSelectionReplaced);
  }
  // The insertion starts where the deletion left the caret (in column and line mode that is not the
  // block's first point).
  const TPoint start = StreamStart();
  ReplaceSelection(smNormal, value);
  FUndoList.AddChange(ukTyped, start, CaretPos(), {}, smNormal);
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
  FLines.BeginUpdate();
  try {
    if (HasSelection()) {
      DeleteSelectionWithUndo(ukDeletedBack);
    }
    const int y = FCaretY;
    const int x = FCaretX;
    const std::string l(LineText(y));
    int indent = AutoIndentCount(l);
    const TPoint at = CaretPos();
    if (l.empty()) {
      indent = 0;
      for (int k = y - 1; k >= 1; --k) {
        if (!LineText(k).empty()) {
          indent = AutoIndentCount(LineText(k));
          break;
        }
      }
      FUndoList.AddChange(ukLineBreak, at, at, {}, FSelectionMode);
      FLines.Insert(y - 1, "");
      if (MoveCaret) SetCaretPos({indent + 1, y + 1});
    } else if (x > static_cast<int>(l.size())) {
      FUndoList.AddChange(ukLineBreak, at, at, {}, FSelectionMode);
      const bool blank = HasOption(xeoScrollPastEol) || !MoveCaret;
      FLines.Insert(y, blank ? std::string() : std::string(static_cast<std::size_t>(indent), ' '));
      if (MoveCaret) SetCaretPos({indent + 1, y + 1});
    } else if (x == 1) {
      FUndoList.AddChange(ukLineBreak, at, at, l, FSelectionMode);
      FLines.Put(y - 1, std::string());
      FLines.Insert(y, l);
      if (MoveCaret) SetCaretPos({1, y + 1});
    } else if (indent < x - 1) {
      const std::string rest = l.substr(static_cast<std::size_t>(x - 1));
      FUndoList.AddChange(ukLineBreak, at, at, rest, FSelectionMode);
      FLines.Put(y - 1, TrimRight(std::string_view(l).substr(0, static_cast<std::size_t>(x - 1))));
      FLines.Insert(y, std::string(static_cast<std::size_t>(indent), ' ') + rest);
      if (MoveCaret) SetCaretPos({indent + 1, y + 1});
    } else {
      FUndoList.AddChange(ukLineBreak, at, at, l, FSelectionMode);
      FLines.Put(y - 1, std::string());
      FLines.Insert(y, l);
      if (MoveCaret) SetCaretPos({x, y + 1});
    }
    // Lines below the caret line moved down.
    MoveMarks(y + 1, 1);
    // A caret left behind stays within its (now shorter) line.
    SetCaretPos(CaretPos());
  } catch (...) {
    FLines.EndUpdate();
    throw;
  }
  FLines.EndUpdate();
}
