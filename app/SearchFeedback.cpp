#include "SearchFeedback.h"

#include "xeEditModel.h"
#include "xeRegexSearch.h"

TFindOutcome FindWithWrap(TxeEditModel& Editor, const std::string& Text, TxeSearchOptions Options,
                          const std::function<bool(const QString& Question)>& AskWrap) {
  if (Text.empty()) return foNotFound;
  if (Editor.FindReplace(Text, {}, Options) > 0) return foFound;
  if (Editor.SearchError()) return foNotFound;  // the expression is at fault, not the text
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
  for (int line = std::max(First, 1); line <= Last && line <= Editor.LineCount(); ++line) {
    const std::string_view text = Editor.LineText(line);
    if (regex ? expression.FindLineMatches(text, 1, 1) > 0 : plain.FirstMatch(text) > 0) return true;
  }
  return false;
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

QString ReplacedMessage(int Count) {
  return Count == 1 ? QStringLiteral("1 occurrence replaced")
                    : QStringLiteral("%1 occurrences replaced").arg(Count);
}
