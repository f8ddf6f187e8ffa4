// The line-list hooks: per-line highlighter ranges kept current, and the rows to repaint. Ranges are known
// for the lines before the list's RangesKnown edge; with lazy ranges that edge moves forward on demand and
// in idle slices, and a rescan after an edit stops at it.
#include <algorithm>
#include <chrono>

#include "xeEditModel.h"
#include "xeHighlighter.h"

void TxeEditModel::DetachHighLighter() {
  if (!FHighLighter) return;
  FHighLighter->RemoveChangeHook(this);
  FHighLighter->RemoveFreeNotification(this);
  FHighLighter = nullptr;
}

void TxeEditModel::SetHighLighter(TxeCustomHighLighter* Value) {
  if (Value == FHighLighter) return;
  DetachHighLighter();
  FHighLighter = Value;
  if (FHighLighter) {
    FHighLighter->AddChangeHook(this, [this](TObject*) {
      if (FView) FView->HighlighterChanged();
      InvalidateAll();
    });
    FHighLighter->AddFreeNotification(this, [this](TxeCustomHighLighter*) { HighLighterDestroyed(); });
  }
  if (FView) FView->HighlighterChanged();
  FLines.BeginUpdate();
  FullRescan();
  FLines.EndUpdate();
  InvalidateAll();
}

void TxeEditModel::HighLighterDestroyed() {
  FHighLighter = nullptr;
  if (FView) FView->HighlighterChanged();
  InvalidateAll();
}

bool TxeEditModel::IsWordChar(unsigned char C) const {
  if (FHighLighter) return FHighLighter->WordCharacters().test(C);
  return C > 32;
}

// Scans line Index from its stored range; afterwards the highlighter's range is that of line Index + 1.
void TxeEditModel::ScanLine(int Index) {
  const std::string_view s = FLines.Get(Index);
  FScanBuffer.assign(s.data(), s.size());
  FHighLighter->RestoreRange(FLines.StoredObject(Index));
  FHighLighter->BeginLine(FScanBuffer.c_str(), Index);
  FHighLighter->ScanToLineEnd();
}

int TxeEditModel::RescanFrom(int Index) {
  const int n = FLines.Count();
  const int known = std::min(FLines.RangesKnown(), n);
  if (Index >= n - 1 || Index >= known) return Index;
  ScanLine(Index);
  int j = Index + 1;
  // Beyond the known ranges nothing was valid before either.
  while (j < known) {
    const std::uint32_t r = FHighLighter->CurrentRange();
    // A stored range that matches means everything below is still valid.
    if (FLines.StoredObject(j) == r) break;
    FLines.PutObject(j, r);
    ScanLine(j);
    ++j;
  }
  return j - 1;
}

void TxeEditModel::StartRanges() {
  FHighLighter->ClearRange();
  FLines.PutObject(0, FHighLighter->CurrentRange());
  FLines.SetRangesKnown(std::max(FLines.RangesKnown(), 1));
}

void TxeEditModel::FullRescan() {
  const int n = FLines.Count();
  if (!FHighLighter || n == 0) return;
  FLines.SetRangesKnown(0);
  StartRanges();
  if (!FLazyRanges)
    FillRanges(n - 1);
  else if (n > 1 && FView)
    FView->RangesPending();
}

void TxeEditModel::FillRanges(int Index) {
  const int n = FLines.Count();
  if (!FHighLighter || n == 0) return;
  Index = std::min(Index, n - 1);
  int k = FLines.RangesKnown();
  if (k > Index) return;
  if (k == 0) {
    StartRanges();
    k = 1;
  }
  for (; k <= Index; ++k) {
    ScanLine(k - 1);
    FLines.PutObject(k, FHighLighter->CurrentRange());
  }
  FLines.SetRangesKnown(k);
}

bool TxeEditModel::FillRangesSlice(long long Budget) {
  using TClock = std::chrono::steady_clock;
  const TClock::time_point until = TClock::now() + std::chrono::microseconds(Budget);
  std::size_t bytes = 0;
  while (!RangesComplete()) {
    const int k = FLines.RangesKnown();
    bytes += FLines.Length(std::max(k - 1, 0));
    FillRanges(k);
    // The clock is read now and then: every 64 KiB scanned or 256 lines.
    if (bytes >= 65536 || (k & 255) == 0) {
      bytes = 0;
      if (TClock::now() >= until) break;
    }
  }
  return RangesComplete();
}

void TxeEditModel::SetLazyRanges(bool Value) {
  FLazyRanges = Value;
  if (!Value) FillRanges(FLines.Count() - 1);
}

void TxeEditModel::LineAdded() {
  const int n = FLines.Count();
  NoteSpan(n - 1, 0);
  if (FHighLighter && n > 0) {
    if (n < 2) {
      StartRanges();
    } else if (FLines.RangesKnown() >= n) {
      // The line before was known, so the new one is too.
      ScanLine(n - 2);
      FLines.PutObject(n - 1, FHighLighter->CurrentRange());
    }
  }
  InvalidateRow(n);
}

void TxeEditModel::ListCleared() {
  NoteSpan(0, 0);
  FPendingAll = false;
  FPendingArea = 0;
  InvalidateAll();
  SetSelBegin({1, 1});
  SetCaretPos({1, 1});
  SetFirstVisibleLine(1);
  SetFirstVisibleColumn(1);
}

void TxeEditModel::LineDeleted(int Index, int Count) {
  // Marks on the removed lines go to the line before them; marks below move up.
  if (Count > 0) {
    for (int i = 0; i < FMarks.Count(); ++i) {
      TMark* m = FMarks.Items(i);
      if (m->Line() > Index + Count) {
        m->SetLine(m->Line() - Count);
      } else if (m->Line() > Index) {
        m->SetLine(std::max(1, Index));
      }
    }
  }
  const int n = FLines.Count();
  // The lines from Index on are old ones, unless the only line was emptied instead.
  NoteSpan(Index, n == FSpanCountNow || (Index == 0 && n == 1) ? n - Index - 1 : n - Index);
  if (FHighLighter && n > 0) {
    if (Index <= 0) {
      StartRanges();
      if (n > 1) RescanFrom(0);
    } else {
      RescanFrom(Index - 1);
    }
  }
  InvalidateTextRows(Index + 1, n + 1);
  InvalidateGutterRows(Index + 1, n + 1);
}

void TxeEditModel::LineInserted(int Index, int Count) {
  // Marks on the line the new lines went in front of, and below, move down.
  for (int i = 0; i < FMarks.Count(); ++i) {
    TMark* m = FMarks.Items(i);
    if (m->Line() > Index) m->SetLine(m->Line() + Count);
  }
  const int n = FLines.Count();
  NoteSpan(Index, n - Index - (n - FSpanCountNow));
  if (FHighLighter && n > 0) {
    if (Index <= 0) {
      StartRanges();
      if (n > 1) RescanFrom(0);
    } else {
      RescanFrom(Index - 1);
    }
  }
  const int last = FFirstVisibleLine + VisibleLineCount();
  InvalidateTextRows(Index + 1, last);
  InvalidateGutterRows(Index + 1, last);
}

void TxeEditModel::LinePut(int Index) {
  NoteSpan(Index, FLines.Count() - Index - 1);
  if (FHighLighter) {
    const int last = RescanFrom(Index);
    InvalidateTextRows(Index + 1, last + 1);
  } else {
    InvalidateTextRows(Index + 1, Index + 1);
  }
}

void TxeEditModel::TextAssigned() {
  if (FLines.Empty()) FLines.Add("");
  ClearUndo();
}

void TxeEditModel::RangesRescan() {
  NoteSpan(0, 0);
  FullRescan();
  InvalidateAll();
}
