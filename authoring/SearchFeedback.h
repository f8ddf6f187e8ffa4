// Searches that talk back: a find that runs off the end of the document offers to go on from the
// other end, and what was not found or how much was replaced is said in words.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "xeEditSearch.h"

class TxeEditModel;
struct TxeRegexError;

enum TFindOutcome { foFound, foNotFound, foDeclined, foStopped };

// Reports lines done of the lines to search; false stops the search.
using TSearchStep = std::function<bool(int Done, int Total)>;

// Finds Text from the caret (towards the start with srBackward). When nothing follows but the part
// of the document behind the caret holds the text, AskWrap is given the question whether to go on
// from the other end; on yes the search starts again there. Progress hears of that look behind the caret
// (the editor's own searches report to its OnSearchProgress); when it or the editor's search is stopped,
// the outcome is foStopped and the caret stays.
TFindOutcome FindWithWrap(TxeEditModel& Editor, const std::string& Text, TxeSearchOptions Options,
                          const std::function<bool(const QString& Question)>& AskWrap,
                          const TSearchStep& Progress = {});

// Whether lines First..Last (1-based) hold Text under the case, whole-word and expression options. Progress
// is asked as the editor's own searches ask theirs; when it stops the look, *Stopped is set.
bool LinesHold(const TxeEditModel& Editor, const std::string& Text, TxeSearchOptions Options, int First,
               int Last, const TSearchStep& Progress = {}, bool* Stopped = nullptr);

QString NotFoundMessage(const QString& Text);
// Why a regular expression search could not run or stopped, the place given in characters.
QString SearchErrorMessage(const TxeRegexError& Error, const QString& FindText, const QString& ReplaceText);
// The number of characters in the first Bytes bytes of Text as UTF-8.
int CharactersBefore(const QString& Text, int Bytes);
QString ReplacedMessage(int Count);
// What a Replace All that stopped early had replaced by then.
QString ReplacedBeforeStopMessage(int Count);
// A search the user stopped.
QString StoppedMessage(bool ReplaceAll);
