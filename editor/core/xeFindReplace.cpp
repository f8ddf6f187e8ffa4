// FindReplace: the editor's search-and-replace entry point, driving its search engine line by line.
#include <algorithm>
#include <utility>
#include <vector>

#include "xeEditModel.h"
#include "xeUtf8.h"

namespace {

bool IsBreak(char C) { return C == '\r' || C == '\n'; }

// Work between two calls of OnSearchProgress in a plain search: bytes searched, and a little for each line.
constexpr std::size_t kProgressWork = 64 * 1024;
constexpr std::size_t kProgressLineWork = 64;

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
// Replacements that break the line are batched forward: one at a time, each would move the rest of the line
// down again, which makes a long line cost its length squared. (Backward the rest has moved already.)
int TxeEditModel::ReplaceLineMatches(int Line, TSearchRange& Range, bool Backward, TxeLineSearch& Engine,
                                     TPoint& CaretAfter) {
  const std::string_view text = LineText(Line);
  const int n = Engine.GetResultCount();

  // An occurrence: its position in the original line, its position at the time of its replacement, its
  // length and what replaces it; in processing order.
  struct TUse {
    int P, Q, Len;
    std::string_view With;
  };
  std::vector<TUse> used;
  if (Backward) {
    for (int k = n - 1; k >= 0; --k) {
      const int p = Engine.GetMatchPositions(k), len = Engine.MatchLength(k);
      if (Range.Usable(Line, p, len)) used.push_back({p, p, len, Engine.Replacement(k)});
    }
  } else {
    int shift = 0;
    for (int k = 0; k < n; ++k) {
      const int p = Engine.GetMatchPositions(k), len = Engine.MatchLength(k), q = p + shift;
      if (!Range.Usable(Line, q, len)) continue;
      const std::string_view with = Engine.Replacement(k);
      used.push_back({p, q, len, with});
      const int delta = static_cast<int>(with.size()) - len;
      shift += delta;
      if (Range.Limits == smNormal && Line == Range.End.Y) Range.End.X += delta;
    }
  }
  if (used.empty()) return 0;

  std::string out;
  std::size_t grown = 0;
  for (const TUse& u : used) grown += u.With.size();
  out.reserve(text.size() + grown);
  const bool trims = HasOption(xeoScrollPastEol);
  std::size_t from = 0;
  std::size_t lastReplacementEnd = 0;
  std::size_t lineStart = 0;  // where the last line of the output begins
  int breaks = 0;
  // Forward, as one at a time: each deletion trims the line's end, but the positions after it still count
  // the trimmed blanks, and a replacement that does not start a line pads them back. The original from
  // trimmedFrom on and the last lag blanks of the output are such blanks.
  std::size_t trimmedFrom = text.size(), lag = 0;
  auto append = [&](const TUse& u) {
    const auto p = static_cast<std::size_t>(u.P - 1);
    const std::size_t kept = Backward ? p : std::clamp(trimmedFrom, from, p);
    out.append(text.substr(from, kept - from));
    lag += p - kept;
    from = p + static_cast<std::size_t>(u.Len);
    // An occurrence wholly among trimmed blanks deletes nothing, so it trims nothing either.
    if (!Backward && trims && u.Len > 0 && p < trimmedFrom) {
      const std::size_t end = text.find_last_not_of(' ') + 1;  // 0 when all blanks
      trimmedFrom = std::min(trimmedFrom, std::max(from, end));
      // Nothing of the original left on the line: the blanks before the occurrence go too, unless the
      // caret could not stand where it was (past the widest column).
      if (trimmedFrom <= from && out.size() - lineStart + lag <= static_cast<std::size_t>(MaxColumn)) {
        while (out.size() > lineStart && out.back() == ' ') {
          out.pop_back();
          ++lag;
        }
      }
    }
    if (!u.With.empty()) {
      if (IsBreak(u.With[0])) {
        lag = 0;
      } else {
        // The caret pads only up to the widest column (or the line's end beyond it); the positions after
        // go on counting the rest.
        const std::size_t len = out.size() - lineStart;
        const auto widest = static_cast<std::size_t>(MaxColumn);
        const std::size_t pad = std::min(lag, len < widest ? widest - len : 0);
        out.append(pad, ' ');
        lag -= pad;
      }
    }
    // Every break of a replacement is a break of its own, even a CR that ends one next to an LF that
    // starts the next.
    std::string_view with = u.With;
    for (std::size_t b; (b = with.find_first_of("\r\n")) != std::string_view::npos;) {
      out.append(with.substr(0, b));
      out.push_back('\n');
      with.remove_prefix(b + (with[b] == '\r' && b + 1 < with.size() && with[b + 1] == '\n' ? 2 : 1));
      lineStart = out.size();
      lag = 0;
      ++breaks;
    }
    out.append(with);
    if (!u.With.empty()) lastReplacementEnd = out.size();
    if (&u == &used.back()) CaretAfter = {static_cast<int>(out.size() - lineStart + lag) + 1, Line + breaks};
  };
  if (Backward) {
    for (auto it = used.rbegin(); it != used.rend(); ++it) append(*it);
    out.append(text.substr(from));
    // Deleting an occurrence trims the line's trailing blanks; the inserted text itself stays whole. An
    // empty occurrence deletes nothing.
    const bool deletes = std::any_of(used.begin(), used.end(), [](const TUse& u) { return u.Len > 0; });
    if (trims && deletes) {
      std::size_t n = out.size();
      while (n > lastReplacementEnd && out[n - 1] == ' ') --n;
      out.resize(n);
    }
  } else {
    for (const TUse& u : used) append(u);
    if (from < trimmedFrom) out.append(text.substr(from, trimmedFrom - from));
  }

  // One splice of the line; the batch's records go onto the undo list as one step. The caret goes to
  // CaretAfter once the whole batch is done: moving it line by line would scroll the view through the
  // document.
  TxeUndoStep step(*this, ukTyped);
  SetLineText(Line, out);
  step.Push({used.front().Q, Line}, CaretAfter, smNormal);
  return static_cast<int>(used.size());
}

// The engine for these options, set up for ASearch and AReplace; null when the expression or the
// replacement cannot be used (SearchError says why).
TxeLineSearch* TxeEditModel::PrepareSearch(std::string_view ASearch, std::string_view AReplace,
                                           TxeSearchOptions Options) {
  const bool caseSensitive = Options & srMatchCase, wholeWord = Options & srWholeWord;
  if (!(Options & srRegExpr)) {
    FSearchEngine.SetSearchPattern(ASearch);
    FSearchEngine.ResetMatchCount();
    FSearchEngine.SetCaseSensitive(caseSensitive);
    FSearchEngine.SetWholeWordsOnly(wholeWord);
    FSearchEngine.SetReplacement(AReplace);
    return &FSearchEngine;
  }
  // A plain find expands nothing.
  const std::string_view replace = (Options & (srReplace | srReplaceAll)) ? AReplace : std::string_view();
  if (!FRegexSearch.SetPattern(ASearch, caseSensitive, wholeWord) || !FRegexSearch.SetReplacement(replace)) {
    FSearchError = FRegexSearch.Error();
    return nullptr;
  }
  return &FRegexSearch;
}

// An empty match where the last find left the caret was found already: the search starts one character
// beyond it (forward) or ends one character before it (backward).
void TxeEditModel::SkipEmptyMatchAtCaret(TSearchRange& Range, bool Backward) const {
  const TPoint caret = CaretPos();
  if (caret != FEmptyMatchCaret || HasSelection() || Range.Limits != smNormal) return;
  const std::string_view line = LineText(caret.Y);
  if (!Backward && Range.Start == caret) {
    if (caret.X > static_cast<int>(line.size()))
      Range.Start = {1, caret.Y + 1};
    else
      Range.Start.X += Utf8CharLen(line, static_cast<std::size_t>(caret.X - 1));
  } else if (Backward && Range.End == caret) {
    if (caret.X <= 1)
      Range.End = {LineLength(caret.Y - 1) + 1, caret.Y - 1};
    else
      Range.End.X = ColumnCharStart(line, caret.X - 1);
  }
}

int TxeEditModel::FindReplace(std::string_view ASearch, std::string_view AReplace, TxeSearchOptions Options) {
  // A Replace All, prompted or not, is one undo step, reported with the rest of the change.
  TxePaintHold hold(*this);
  TxeUndoGroup group(*this, false);
  bool replacedAll = false;
  const int count = FindReplaceRun(ASearch, AReplace, Options, replacedAll);
  group.SetOneStep(replacedAll);
  if (!FSearchStopped) return count;
  // Stopped midway, a Replace All would leave the document half done, and where it stopped is hard to see.
  group.TakeBack();
  return 0;
}

int TxeEditModel::FindReplaceRun(std::string_view ASearch, std::string_view AReplace,
                                 TxeSearchOptions Options, bool& ReplacedAll) {
  FSearchError = {};
  FSearchStopped = false;
  const TPoint emptyMatchCaret = std::exchange(FEmptyMatchCaret, TPoint{0, 0});
  if (ASearch.empty()) return 0;
  const bool backward = Options & srBackward;
  const bool regex = Options & srRegExpr;
  TSearchRange range = SearchRange(Options);
  TxeLineSearch* const found = PrepareSearch(ASearch, AReplace, Options);
  if (!found) return 0;
  TxeLineSearch& engine = *found;
  if (regex && !(Options & (srWholeDocument | srSelectionOnly))) {
    FEmptyMatchCaret = emptyMatchCaret;
    SkipEmptyMatchAtCaret(range, backward);
    FEmptyMatchCaret = {0, 0};
  }

  const bool replace = Options & (srReplace | srReplaceAll);
  bool& replaceAll = ReplacedAll;
  replaceAll = Options & srReplaceAll;
  bool prompt = (Options & srPrompt) && OnReplaceText;
  const bool batchable = !backward || !HasLineBreak(AReplace);
  TReplaceAllHold hold(*this);
  if (replaceAll) hold.Take();

  const int step = backward ? -1 : 1;
  // A forward search that stops at its first occurrence needs no more of a line: matches do not overlap, so
  // when the first one from the start column lies outside the range, so do the later ones.
  const bool firstOnly = !backward && !replaceAll && !prompt;
  int count = 0;
  TPoint batchCaret{0, 0};
  // Progress, and the way to stop: asked for every line of an expression search, whose one line may take
  // long (and by the engine between stretches of a long line), else after kProgressWork.
  int current = 0;
  std::size_t work = 0;
  auto goOn = [&] {
    const int done = backward ? range.End.Y - current : current - range.Start.Y;
    if (OnSearchProgress(done, range.End.Y - range.Start.Y + 1)) return true;
    FSearchStopped = true;
    return false;
  };
  struct TPollHold {
    TxeRegexSearch& Engine;
    ~TPollHold() { Engine.OnPoll = nullptr; }
  } pollHold{FRegexSearch};
  if (regex && OnSearchProgress) FRegexSearch.OnPoll = goOn;
  // Ends a single find or replace. After an empty match the caret stands where the next search would find
  // it again, so that search steps over one character.
  auto done = [&](int Length) {
    if (regex && Length == 0) FEmptyMatchCaret = CaretPos();
    return count;
  };
  for (int line = backward ? range.End.Y : range.Start.Y;
       backward ? line >= range.Start.Y : line <= range.End.Y && line <= LineCount(); line += step) {
    const int from = !backward && line == range.Start.Y && range.Limits == smNormal ? range.Start.X
                     : range.Limits == smColumn                                     ? range.Left
                                                                                    : 1;
    current = line;
    if (OnSearchProgress) {
      work += LineText(line).size() + kProgressLineWork;
      if (regex || work >= kProgressWork) {
        work = 0;
        if (!goOn()) break;
      }
    }
    const int n = engine.FindLineMatches(LineText(line), from, firstOnly ? 1 : 0);
    if (OnSearchProgress && (FSearchStopped || (regex && FRegexSearch.Stopped()))) {
      FSearchStopped = true;
      break;
    }
    if (regex && FRegexSearch.Error()) {
      FSearchError = FRegexSearch.Error();
      FSearchError.Line = line;
      FRegexSearch.ClearMatchError();
      break;
    }
    if (n == 0) continue;
    if (replaceAll && !prompt && batchable) {
      const int lines = LineCount();
      count += ReplaceLineMatches(line, range, backward, engine, batchCaret);
      // The lines the replacements broke off are not searched again.
      const int added = LineCount() - lines;
      line += added;
      range.End.Y += added;
      continue;
    }
    for (int k = backward ? n - 1 : 0; backward ? k >= 0 : k < n; k += step) {
      const int p = engine.GetMatchPositions(k);
      const int len = engine.MatchLength(k);
      if (!range.Usable(line, p, len)) continue;
      const std::string_view with = engine.Replacement(k);
      const int rlen = static_cast<int>(with.size());
      ++count;
      // An occurrence among the blanks an earlier replacement trimmed from the line's end is gone already:
      // its replacement goes where it began, padded as the caret there would be.
      const bool trimmedAway = replace && !backward && p > LineLength(line);
      SelectMatch(line, p, trimmedAway ? 0 : len, backward);
      if (!replace) return done(len);

      TxeReplaceAction action = rpaReplace;
      if (prompt) {
        action = rpaCancel;
        OnReplaceText(this, ASearch, with, line, p, action);
        if (action == rpaCancel) return count;
      }
      if (action != rpaSkip) {
        if (action == rpaReplaceAll) {
          replaceAll = true;
          prompt = false;
          hold.Take();
        }
        ReplaceMatch(with);
        const TPoint caret = CaretPos();
        if (!backward) {
          if (caret.Y == line) {
            SetCaretXY(p + rlen, line);
            engine.ShiftMatchPositions(p, len - rlen);
            if (range.Limits == smNormal && line == range.End.Y) range.End.X += rlen - len;
          } else {
            // The replacement broke the line: the rest of it now follows the caret on a later line.
            engine.ShiftMatchPositions(p, p + len - caret.X);
            if (range.Limits == smNormal && line == range.End.Y) range.End.X += caret.X - (p + len);
            range.End.Y += caret.Y - line;
            line = caret.Y;
          }
        }
      }
      if (!replaceAll) return done(len);
    }
  }
  if (FSearchStopped) {
    // As if it had not begun.
    FEmptyMatchCaret = emptyMatchCaret;
    return 0;
  }
  if (batchCaret.Y > 0) {
    SetCaretPos(batchCaret);
    SetSelBegin(CaretPos());
  }
  return count;
}
