// Searches that talk back: a find that runs off the end of the document offers to go on from the
// other end, and what was not found or how much was replaced is said in words.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "xeEditSearch.h"

class TxeEditModel;
struct TxeRegexError;

enum TFindOutcome { foFound, foNotFound, foDeclined };

// Finds Text from the caret (towards the start with srBackward). When nothing follows but the part
// of the document behind the caret holds the text, AskWrap is given the question whether to go on
// from the other end; on yes the search starts again there.
TFindOutcome FindWithWrap(TxeEditModel& Editor, const std::string& Text, TxeSearchOptions Options,
                          const std::function<bool(const QString& Question)>& AskWrap);

// Whether lines First..Last (1-based) hold Text under the case, whole-word and expression options.
bool LinesHold(const TxeEditModel& Editor, const std::string& Text, TxeSearchOptions Options, int First,
               int Last);

QString NotFoundMessage(const QString& Text);
// Why a regular expression search could not run or stopped, the place given in characters.
QString SearchErrorMessage(const TxeRegexError& Error, const QString& FindText, const QString& ReplaceText);
// The number of characters in the first Bytes bytes of Text as UTF-8.
int CharactersBefore(const QString& Text, int Bytes);
QString ReplacedMessage(int Count);
