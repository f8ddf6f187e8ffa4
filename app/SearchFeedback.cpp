#include "SearchFeedback.h"

#include "xeEditModel.h"

TFindOutcome FindWithWrap(TxeEditModel& Editor, const std::string& Text, TxeSearchOptions Options,
                          const std::function<bool(const QString& Question)>& AskWrap) {
  if (Text.empty()) return foNotFound;
  if (Editor.FindReplace(Text, {}, Options) > 0) return foFound;
  const bool backward = Options & srBackward;
  const int last = Editor.LineCount();
  const TPoint caret = Editor.CaretPos();
  const TPoint otherEnd = backward ? TPoint{Editor.LineLength(last) + 1, last} : TPoint{1, 1};
  // Nothing lies behind a search that began at the very end, and asking is pointless when the rest
  // holds no occurrence either.
  const bool fromEnd = backward ? caret.Y == last && caret.X > Editor.LineLength(last) : caret == otherEnd;
  if (fromEnd || !LinesHold(Editor, Text, Options, backward ? caret.Y : 1, backward ? last : caret.Y))
    return foNotFound;
  const QString question =
      backward ? QStringLiteral("The search reached the start of the document.\nContinue from the end?")
               : QStringLiteral("The search reached the end of the document.\nContinue from the top?");
  if (!AskWrap || !AskWrap(question)) return foDeclined;
  Editor.SetCaretPos(otherEnd);
  Editor.SetSelBegin(Editor.CaretPos());
  return Editor.FindReplace(Text, {}, Options) > 0 ? foFound : foNotFound;
}

bool LinesHold(const TxeEditModel& Editor, const std::string& Text, TxeSearchOptions Options, int First,
               int Last) {
  TxeEditSearch engine;
  engine.SetSearchPattern(Text);
  engine.SetCaseSensitive(Options & srMatchCase);
  engine.SetWholeWordsOnly(Options & srWholeWord);
  for (int line = std::max(First, 1); line <= Last && line <= Editor.LineCount(); ++line)
    if (engine.FirstMatch(Editor.LineText(line)) > 0) return true;
  return false;
}

QString NotFoundMessage(const QString& Text) { return QStringLiteral("'%1' was not found").arg(Text); }

QString ReplacedMessage(int Count) {
  return Count == 1 ? QStringLiteral("1 occurrence replaced")
                    : QStringLiteral("%1 occurrences replaced").arg(Count);
}
