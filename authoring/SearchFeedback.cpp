#include "SearchFeedback.h"

#include "xeEditModel.h"
#include "xeRegexSearch.h"

TFindOutcome FindWithWrap(TxeEditModel& Editor, const std::string& Text, TxeSearchOptions Options,
                          const std::function<bool(const QString& Question)>& AskWrap,
                          const TSearchStep& Progress) {
  if (Text.empty()) return foNotFound;
  if (Editor.FindReplace(Text, {}, Options) > 0) return foFound;
  if (Editor.SearchStopped()) return foStopped;
  if (Editor.SearchError()) return foNotFound;  // the expression is at fault, not the text
  const bool backward = Options & srBackward;
  const int last = Editor.LineCount();
  const TPoint caret = Editor.CaretPos();
  const TPoint otherEnd = backward ? TPoint{Editor.LineLength(last) + 1, last} : TPoint{1, 1};
  // Nothing lies behind a search that began at the very end, and asking is pointless when the rest
  // holds no occurrence either.
  const bool fromEnd = backward ? caret.Y == last && caret.X > Editor.LineLength(last) : caret == otherEnd;
  if (fromEnd) return foNotFound;
  bool stopped = false;
  const bool behind =
      LinesHold(Editor, Text, Options, backward ? caret.Y : 1, backward ? last : caret.Y, Progress, &stopped);
  if (stopped) return foStopped;
  if (!behind) return foNotFound;
  const QString question =
      backward ? QStringLiteral("The search reached the start of the document.\nContinue from the end?")
               : QStringLiteral("The search reached the end of the document.\nContinue from the top?");
  if (!AskWrap || !AskWrap(question)) return foDeclined;
  const TPoint blockBegin = Editor.BlockBegin(), blockEnd = Editor.BlockEnd();
  Editor.SetCaretPos(otherEnd);
  Editor.SetSelBegin(Editor.CaretPos());
  if (Editor.FindReplace(Text, {}, Options) > 0) return foFound;
  if (!Editor.SearchStopped()) return foNotFound;
  // Stopped: back where the search began.
  Editor.SelectBlock(blockBegin, blockEnd);
  Editor.SetCaretPos(caret);
  return foStopped;
}

bool LinesHold(const TxeEditModel& Editor, const std::string& Text, TxeSearchOptions Options, int First,
               int Last, const TSearchStep& Progress, bool* Stopped) {
  const bool regex = Options & srRegExpr;
  TxeEditSearch plain;
  TxeRegexSearch expression;
  if (regex) {
    if (!expression.SetPattern(Text, Options & srMatchCase, Options & srWholeWord)) return false;
    expression.SetReplacement({});
  } else {
    plain.SetSearchPattern(Text);
    plain.SetCaseSensitive(Options & srMatchCase);
    plain.SetWholeWordsOnly(Options & srWholeWord);
  }
  // Asked as FindReplace asks: every line of an expression, between stretches of a long line, and every
  // 64 KB or so of plain text.
  const int first = std::max(First, 1), last = std::min(Last, Editor.LineCount());
  int line = first;
  bool stopped = false;
  auto goOn = [&] {
    stopped = stopped || !Progress(line - first, last - first + 1);
    return !stopped;
  };
  if (Progress && regex) expression.OnPoll = goOn;
  std::size_t work = 0;
  bool found = false;
  for (; line <= last && !found; ++line) {
    const std::string_view text = Editor.LineText(line);
    if (Progress && (regex || (work += text.size() + 64) >= 64 * 1024)) {
      work = 0;
      if (!goOn()) break;
    }
    found = regex ? expression.FindLineMatches(text, 1, 1) > 0 : plain.FirstMatch(text) > 0;
    if (expression.Stopped()) stopped = true;
    if (stopped) break;
  }
  if (Stopped) *Stopped = stopped;
  return found && !stopped;
}

QString NotFoundMessage(const QString& Text) { return QStringLiteral("'%1' was not found").arg(Text); }

int CharactersBefore(const QString& Text, int Bytes) {
  return static_cast<int>(QString::fromUtf8(Text.toUtf8().left(std::max(Bytes, 0))).size());
}

QString SearchErrorMessage(const TxeRegexError& Error, const QString& FindText, const QString& ReplaceText) {
  const QString message = QString::fromStdString(Error.Message);
  auto where = [&Error](const QString& Field) {
    return Error.Offset >= Field.toUtf8().size()
               ? QStringLiteral("at the end")
               : QStringLiteral("at character %1").arg(CharactersBefore(Field, Error.Offset) + 1);
  };
  switch (Error.Where) {
    case TxeRegexError::rePattern:
      return QStringLiteral("Error in the regular expression %1: %2").arg(where(FindText), message);
    case TxeRegexError::reReplacement:
      return QStringLiteral("Error in the replace text %1: %2").arg(where(ReplaceText), message);
    case TxeRegexError::reMatch:
      return QStringLiteral("The search stopped on line %1: %2").arg(Error.Line).arg(message);
    default: return QString();
  }
}

QString ReplacedBeforeStopMessage(int Count) {
  if (Count == 0) return QStringLiteral("Nothing was replaced before it stopped.");
  return Count == 1 ? QStringLiteral("1 occurrence was replaced before it stopped.")
                    : QStringLiteral("%1 occurrences were replaced before it stopped.").arg(Count);
}

QString StoppedMessage(bool ReplaceAll) {
  return ReplaceAll ? QStringLiteral("Replace All was stopped; nothing was replaced.")
                    : QStringLiteral("The search was stopped.");
}

QString ReplacedMessage(int Count) {
  return Count == 1 ? QStringLiteral("1 occurrence replaced")
                    : QStringLiteral("%1 occurrences replaced").arg(Count);
}
