// FindReplace: the editor's search-and-replace entry point, driving its search engine line by line.
#include <algorithm>
#include <utility>
#include <vector>

#include "xeEditModel.h"

namespace {

bool HasLineBreak(std::string_view S) { return S.find_first_of("\r\n") != std::string_view::npos; }

// Holds painting from the moment replace-all mode begins until FindReplace returns.
class TReplaceAllHold {
 public:
  explicit TReplaceAllHold(TxeEditModel& Model) : FModel(Model) {}
  ~TReplaceAllHold() {
    if (FHeld) FModel.EndUpdate();
  }
  void Take() {
    if (!FHeld) FModel.BeginUpdate();
    FHeld = true;
  }

 private:
  TxeEditModel& FModel;
  bool FHeld = false;
};

}  // namespace

bool TxeEditModel::TSearchRange::Usable(int Line, int P, int Length) const {
  switch (Limits) {
    case smColumn: return P >= Left && P + Length <= Right;
    case smNormal:
      if (Line == Start.Y && P < Start.X) return false;
      if (Line == End.Y && P + Length > End.X) return false;
      return true;
    default: return true;
  }
}

TxeEditModel::TSearchRange TxeEditModel::SearchRange(TxeSearchOptions Options) const {
  TSearchRange r;
  const int count = LineCount();
  if ((Options & srSelectionOnly) && HasSelection()) {
    r.Start = SelBegin();
    r.End = SelEnd();
    r.Limits = SelectionMode();
    if (r.Limits == smLine) {
      r.Start.X = 1;
      r.End.X = LineLength(r.End.Y) + 1;
    }
    r.Left = std::min(r.Start.X, r.End.X);
    r.Right = std::max(r.Start.X, r.End.X);
    return r;
  }
  r.Start = {1, 1};
  r.End = {LineLength(count) + 1, count};
  if (!(Options & srWholeDocument)) {
    if (Options & srBackward)
      r.End = CaretPos();
    else
      r.Start = CaretPos();
  }
  // A range that is not the selection runs from or to the caret as a stream, whatever the selection
  // mode: column limits taken from the caret would hide occurrences, and a line range without column
  // limits would find the same occurrence before the caret again and again.
  r.Limits = smNormal;
  return r;
}

void TxeEditModel::SelectMatch(int Line, int P, int Length, bool Backward) {
  SetSelBegin({P, Line});
  if (Backward) SetCaretXY(P, Line);
  SetSelEnd({P + Length, Line});
  if (!Backward) SetCaretXY(P + Length, Line);
}

// Replaces the selected occurrence through the one undoable primitive. A line or column block would
// take more than the occurrence (smLine deletes whole lines), so the replacement runs as a stream.
void TxeEditModel::ReplaceMatch(std::string_view AReplace) {
  const TSelectionMode mode = SelectionMode();
  if (mode != smNormal) SetSelectionMode(smNormal);
  ReplaceSelectionWithUndo(AReplace);
  if (mode != smNormal) SetSelectionMode(mode);
}

// Replace-all without prompting: all usable occurrences of one line at once, as one change of the line.
int TxeEditModel::ReplaceLineMatches(int Line, TSearchRange& Range, bool Backward, std::string_view ASearch,
                                     std::string_view AReplace, TPoint& CaretAfter) {
  const std::string_view text = LineText(Line);
  const std::vector<int>& found = FSearchEngine.MatchPositions();
  const int len = static_cast<int>(ASearch.size());
  const int rlen = static_cast<int>(AReplace.size());
  const int delta = rlen - len;

  // (position in the original line, position at the time of its replacement), in processing order.
  std::vector<std::pair<int, int>> used;
  if (Backward) {
    for (auto it = found.rbegin(); it != found.rend(); ++it)
      if (Range.Usable(Line, *it, len)) used.emplace_back(*it, *it);
  } else {
    int shift = 0;
    for (const int p : found) {
      const int q = p + shift;
      if (!Range.Usable(Line, q, len)) continue;
      used.emplace_back(p, q);
      shift += delta;
      if (Range.Limits == smNormal && Line == Range.End.Y) Range.End.X += delta;
    }
  }
  if (used.empty()) return 0;

  std::string out;
  out.reserve(text.size() + used.size() * static_cast<std::size_t>(std::max(delta, 0)));
  std::size_t from = 0;
  std::size_t lastReplacementEnd = 0;
  auto append = [&](int p) {
    out.append(text.substr(from, static_cast<std::size_t>(p - 1) - from));
    out.append(AReplace);
    lastReplacementEnd = out.size();
    from = static_cast<std::size_t>(p - 1 + len);
  };
  if (Backward) {
    for (auto it = used.rbegin(); it != used.rend(); ++it) append(it->first);
  } else {
    for (const auto& u : used) append(u.first);
  }
  out.append(text.substr(from));
  // Deleting an occurrence trims the line's trailing blanks; the inserted text itself stays whole.
  if (HasOption(xeoScrollPastEol)) {
    const std::size_t floor = rlen > 0 ? lastReplacementEnd : 0;
    std::size_t n = out.size();
    while (n > floor && out[n - 1] == ' ') --n;
    out.resize(n);
  }

  // One splice of the line; the batch's records go onto the undo list as one step.
  TxeUndoStep step(*this, ukTyped);
  SetLineText(Line, out);
  step.Push({used.front().second, Line}, {used.back().second + rlen, Line}, smNormal);
  // The caret goes there once the whole batch is done: moving it line by line would scroll the view
  // through the document.
  CaretAfter = {used.back().second + rlen, Line};
  return static_cast<int>(used.size());
}

int TxeEditModel::FindReplace(std::string_view ASearch, std::string_view AReplace, TxeSearchOptions Options) {
  // A Replace All, prompted or not, is one undo step, reported with the rest of the change.
  TxePaintHold hold(*this);
  TxeUndoGroup group(*this, false);
  bool replacedAll = false;
  const int count = FindReplaceRun(ASearch, AReplace, Options, replacedAll);
  group.SetOneStep(replacedAll);
  return count;
}

int TxeEditModel::FindReplaceRun(std::string_view ASearch, std::string_view AReplace,
                                 TxeSearchOptions Options, bool& ReplacedAll) {
  if (ASearch.empty()) return 0;
  const bool backward = Options & srBackward;
  TSearchRange range = SearchRange(Options);

  FSearchEngine.SetSearchPattern(ASearch);
  FSearchEngine.ResetMatchCount();
  FSearchEngine.SetCaseSensitive(Options & srMatchCase);
  FSearchEngine.SetWholeWordsOnly(Options & srWholeWord);

  const bool replace = Options & (srReplace | srReplaceAll);
  bool& replaceAll = ReplacedAll;
  replaceAll = Options & srReplaceAll;
  bool prompt = (Options & srPrompt) && OnReplaceText;
  const bool batchable = !HasLineBreak(AReplace);
  TReplaceAllHold hold(*this);
  if (replaceAll) hold.Take();

  const int len = static_cast<int>(ASearch.size());
  const int rlen = static_cast<int>(AReplace.size());
  const int step = backward ? -1 : 1;
  int count = 0;
  TPoint batchCaret{0, 0};
  for (int line = backward ? range.End.Y : range.Start.Y;
       backward ? line >= range.Start.Y : line <= range.End.Y && line <= LineCount(); line += step) {
    const int n = FSearchEngine.FindAllMatches(LineText(line));
    if (n == 0) continue;
    if (replaceAll && !prompt && batchable) {
      count += ReplaceLineMatches(line, range, backward, ASearch, AReplace, batchCaret);
      continue;
    }
    for (int k = backward ? n - 1 : 0; backward ? k >= 0 : k < n; k += step) {
      const int p = FSearchEngine.GetMatchPositions(k);
      if (!range.Usable(line, p, len)) continue;
      ++count;
      SelectMatch(line, p, len, backward);
      if (!replace) return count;

      TxeReplaceAction action = rpaReplace;
      if (prompt) {
        action = rpaCancel;
        OnReplaceText(this, ASearch, AReplace, line, p, action);
        if (action == rpaCancel) return count;
      }
      if (action != rpaSkip) {
        if (action == rpaReplaceAll) {
          replaceAll = true;
          prompt = false;
          hold.Take();
        }
        ReplaceMatch(AReplace);
        const TPoint caret = CaretPos();
        if (!backward) {
          if (caret.Y == line) {
            SetCaretXY(p + rlen, line);
            FSearchEngine.ShiftMatchPositions(p, len - rlen);
            if (range.Limits == smNormal && line == range.End.Y) range.End.X += rlen - len;
          } else {
            // The replacement broke the line: the rest of it now follows the caret on a later line.
            FSearchEngine.ShiftMatchPositions(p, p + len - caret.X);
            if (range.Limits == smNormal && line == range.End.Y) range.End.X += caret.X - (p + len);
            range.End.Y += caret.Y - line;
            line = caret.Y;
          }
        }
      }
      if (!replaceAll) return count;
    }
  }
  if (batchCaret.Y > 0) {
    SetCaretPos(batchCaret);
    SetSelBegin(CaretPos());
  }
  return count;
}
