// The one mutation path: every change of the text is a splice of the line list made here. The line list's
// hooks then move the marks, rescan the highlighter ranges and invalidate the rows; the splice itself is
// recorded in the open undo step, so undo and redo can take it back byte for byte.
#include <algorithm>
#include <exception>
#include <utility>

#include "xeEditModel.h"

namespace {

bool IsBreak(char C) { return C == '\r' || C == '\n'; }

// Length of the line break at T[I] (CR, LF or CR LF).
std::size_t BreakLength(std::string_view T, std::size_t I) {
  return (T[I] == '\r' && I + 1 < T.size() && T[I + 1] == '\n') ? 2 : 1;
}

// Holds the line list's update for a scope.
class TListUpdate {
 public:
  explicit TListUpdate(TxeEditList& L) : FList(L) { FList.BeginUpdate(); }
  ~TListUpdate() { FList.EndUpdate(); }
  TListUpdate(const TListUpdate&) = delete;
  TListUpdate& operator=(const TListUpdate&) = delete;

 private:
  TxeEditList& FList;
};

}  // namespace

TPoint TxeEditModel::ClampTextPoint(TPoint P) const {
  P.Y = std::clamp(P.Y, 1, std::max(FLines.Count(), 1));
  P.X = std::clamp(P.X, 1, LineLength(P.Y) + 1);
  return P;
}

TPoint TxeEditModel::Splice(TPoint From, TPoint To, std::string Text) {
  From = ClampTextPoint(From);
  To = ClampTextPoint(To);
  if (PointBefore(To, From)) std::swap(From, To);
  const int y1 = From.Y, y2 = To.Y;
  const auto x1 = static_cast<std::size_t>(From.X - 1), x2 = static_cast<std::size_t>(To.X - 1);
  if (From == To && Text.empty()) return From;

  std::string removed;
  if (y1 == y2) {
    removed.assign(FLines.Get(y1 - 1).substr(x1, x2 - x1));
  } else {
    std::size_t total = FLines.Length(y1 - 1) - x1 + x2 + 1;
    for (int y = y1 + 1; y < y2; ++y) total += FLines.Length(y - 1) + 1;
    removed.reserve(total);
    removed.append(FLines.Get(y1 - 1).substr(x1));
    for (int y = y1 + 1; y < y2; ++y) {
      removed.push_back('\n');
      removed.append(FLines.Get(y - 1));
    }
    removed.push_back('\n');
    removed.append(FLines.Get(y2 - 1).substr(0, x2));
  }

  const std::size_t firstBreak = std::find_if(Text.begin(), Text.end(), IsBreak) - Text.begin();
  TPoint end;
  TListUpdate update(FLines);
  if (firstBreak == Text.size()) {
    // No new line: the first line takes the new text and the tail of the last.
    end = {From.X + static_cast<int>(Text.size()), y1};
    if (y2 > y1) {
      Text.append(FLines.Get(y2 - 1).substr(x2));
      FLines.DeleteLines(y1, y2 - y1);
      FLines.Replace(y1 - 1, x1, std::string::npos, Text);
    } else {
      FLines.Replace(y1 - 1, x1, x2 - x1, Text);
    }
  } else {
    std::size_t lastStart = Text.size();  // where the last segment begins
    std::size_t lastBreak = 0;            // where the last break begins
    for (std::size_t k = Text.size(); k > 0; --k) {
      if (IsBreak(Text[k - 1])) {
        lastStart = k;
        lastBreak = (Text[k - 1] == '\n' && k >= 2 && Text[k - 2] == '\r') ? k - 2 : k - 1;
        break;
      }
    }
    int breaks = 0;
    for (std::size_t i = 0; i < Text.size(); ++i) {
      if (!IsBreak(Text[i])) continue;
      ++breaks;
      i += BreakLength(Text, i) - 1;
    }
    const std::size_t lastLen = Text.size() - lastStart;
    end = {static_cast<int>(lastLen) + 1, y1 + breaks};
    if (From == To && x1 == 0) {
      // Inserted at a line's start: whole lines go in front of it, so its marks move down with it.
      const std::string last = Text.substr(lastStart);
      Text.resize(lastBreak);
      FLines.InsertLines(y1 - 1, std::move(Text));
      if (!last.empty()) FLines.Replace(y1 - 1 + breaks, 0, 0, last);
    } else {
      std::string tail(FLines.Get(y2 - 1).substr(x2));
      if (y2 > y1) FLines.DeleteLines(y1, y2 - y1);
      FLines.Replace(y1 - 1, x1, std::string::npos, std::string_view(Text).substr(0, firstBreak));
      Text.erase(0, firstBreak + BreakLength(Text, firstBreak));
      Text.append(tail);
      FLines.InsertLines(y1, std::move(Text));
    }
  }
  if (FRecording) FRecording->Splices.push_back({From, end, std::move(removed)});
  return end;
}

TPoint TxeEditModel::InsertText(TPoint At, std::string_view Text) {
  TxeUndoStep step(*this, ukTyped);
  return Splice(At, At, std::string(Text));
}

std::string TxeEditModel::DeleteText(TPoint From, TPoint To) {
  TxeUndoStep step(*this, ukDeletedForward);
  // The removed text is what the splice records (a step is open, so it records).
  const std::size_t n = FRecording->Splices.size();
  Splice(From, To, {});
  return FRecording->Splices.size() > n ? FRecording->Splices.back().Removed : std::string();
}

TPoint TxeEditModel::ReplaceText(TPoint From, TPoint To, std::string_view Text) {
  TxeUndoStep step(*this, ukTyped);
  return Splice(From, To, std::string(Text));
}

void TxeEditModel::SetLineText(int Line, std::string_view Value) {
  if (Line < 1 || Line > FLines.Count()) return;
  const std::string_view old = FLines.Get(Line - 1);
  std::size_t pre = 0;
  const std::size_t n = std::min(old.size(), Value.size());
  while (pre < n && old[pre] == Value[pre]) ++pre;
  std::size_t suf = 0;
  while (suf < n - pre && old[old.size() - 1 - suf] == Value[Value.size() - 1 - suf]) ++suf;
  if (pre == old.size() && pre == Value.size()) return;
  TxeUndoStep step(*this, ukTyped);
  Splice({static_cast<int>(pre) + 1, Line}, {static_cast<int>(old.size() - suf) + 1, Line},
         std::string(Value.substr(pre, Value.size() - suf - pre)));
}

void TxeEditModel::TrimLineEnd(int Line, std::size_t Keep) {
  if (Line < 1 || Line > FLines.Count()) return;
  const std::string_view s = FLines.Get(Line - 1);
  std::size_t n = s.size();
  while (n > Keep && s[n - 1] == ' ') --n;
  if (n == s.size()) return;
  TxeUndoStep step(*this, ukDeletedForward);
  Splice({static_cast<int>(n) + 1, Line}, {static_cast<int>(s.size()) + 1, Line}, {});
}

void TxeEditModel::SetCaretFree(TPoint P) {
  const TxeEditorOptions o = FOptions;
  FOptions |= xeoScrollPastEol;
  try {
    SetCaretPos(P);
  } catch (...) {
    FOptions = o;
    throw;
  }
  FOptions = o;
}

// ---- undo steps and groups ----

TxeUndoStep::TxeUndoStep(TxeEditModel& Model, TUndoKind Kind) : FModel(Model) {
  if (FModel.FRecording) return;
  FOwner = true;
  FExceptions = std::uncaught_exceptions();
  FRecord.Kind = Kind;
  FRecord.SelectionMode = FModel.SelectionMode();
  FRecord.CaretBefore = FModel.CaretPos();
  FModel.BeginUpdate();
  FModel.FLines.BeginUpdate();
  FModel.FRecording = &FRecord;
}

void TxeUndoStep::Close() {
  FOwner = false;
  FModel.FRecording = nullptr;
  try {
    FModel.FLines.EndUpdate();
  } catch (...) {
    FModel.EndUpdate();
    throw;
  }
  FModel.EndUpdate();
}

void TxeUndoStep::Push(TPoint StartPos, TPoint EndPos, TSelectionMode Mode) {
  if (!FOwner) return;
  FRecord.StartPos = StartPos;
  FRecord.EndPos = EndPos;
  FRecord.SelectionMode = Mode;
  FRecord.CaretAfter = FModel.CaretPos();
  Close();
  FModel.PushRecord(std::move(FRecord));
}

void TxeUndoStep::SetBlockBefore(TPoint Caret, TPoint Begin, TPoint End) {
  if (!FOwner) return;
  FRecord.CaretBefore = Caret;
  FRecord.BlockBefore = true;
  FRecord.BlockBeginBefore = Begin;
  FRecord.BlockEndBefore = End;
}

TxeUndoStep::~TxeUndoStep() {
  if (!FOwner) return;
  if (std::uncaught_exceptions() > FExceptions) {
    // A failed command leaves the text as it was.
    try {
      FModel.FRecording = nullptr;
      TUndoRecord scratch = FModel.Replay(FRecord);
      (void)scratch;
    } catch (...) {
    }
    try {
      Close();
    } catch (...) {
    }
    return;
  }
  if (FRecord.Splices.empty()) {
    Close();
    return;
  }
  try {
    Push(FRecord.CaretBefore, FModel.CaretPos(), FModel.SelectionMode());
  } catch (...) {
  }
}

void TxeEditModel::PushRecord(TUndoRecord&& R) {
  // A group keeps its records even with undo locked: a failure must be able to take them back.
  if (FGroupDepth > 0) {
    FGroupRecords.push_back(std::move(R));
    return;
  }
  if (FUndoList.Locked()) return;
  FUndoList.AddRecord(std::move(R));
}

void TxeEditModel::BeginUndoGroup() {
  if (FGroupDepth++ > 0) return;
  FGroupCaret = CaretPos();
  FGroupBlockBegin = FBlockBegin;
  FGroupBlockEnd = FBlockEnd;
}

void TxeEditModel::RollBackGroup(std::vector<TUndoRecord>& Records) {
  TxePaintHold hold(*this);
  FRecording = nullptr;
  for (auto it = Records.rbegin(); it != Records.rend(); ++it) {
    TUndoRecord scratch = Replay(*it);
    (void)scratch;
  }
  SelectBlock(FGroupBlockBegin, FGroupBlockEnd);
  SetCaretFree(FGroupCaret);
}

void TxeEditModel::EndUndoGroup(bool OneStep, bool Failed) {
  if (FGroupDepth <= 0 || --FGroupDepth > 0) return;
  std::vector<TUndoRecord> records = std::move(FGroupRecords);
  FGroupRecords.clear();
  if (Failed) {
    // Called from a destructor while the failure unwinds: a second failure here must not end the
    // program. Taking back frees more than it needs, so it is not expected.
    try {
      RollBackGroup(records);
    } catch (...) {
    }
    return;
  }
  if (FUndoList.Locked()) return;
  if (!OneStep || records.size() < 2) {
    // The caret a one-step group leaves may have moved after its last record (the batch's end).
    if (OneStep && !records.empty()) records.back().CaretAfter = CaretPos();
    for (TUndoRecord& r : records) FUndoList.AddRecord(std::move(r));
    return;
  }
  TUndoRecord g;
  g.Kind = ukTyped;
  g.Group = true;
  g.StartPos = records.front().StartPos;
  g.EndPos = records.back().EndPos;
  g.CaretBefore = FGroupCaret;
  g.CaretAfter = CaretPos();
  std::size_t n = 0;
  for (const TUndoRecord& r : records) n += r.Splices.size();
  g.Splices.reserve(n);
  for (TUndoRecord& r : records)
    for (TxeSplice& s : r.Splices) g.Splices.push_back(std::move(s));
  FUndoList.AddRecord(std::move(g));
}
