// The words completion offers at each place: in HTML and CSS the tables made from the data sets web
// tools keep (CompletionTableWords.h), only what is valid where the caret stands; entities from the
// HTML highlighter's table and a small data file; in script the JavaScript highlighter's table, a data
// file and the identifiers the document already holds.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "CompletionPlace.h"

class TCompletionWords {
 public:
  // The texts of the HTML and JavaScript data files (app/completion/*.txt).
  TCompletionWords(std::string_view HtmlData, std::string_view JsData);

  // The entries for Place, sorted without regard to case. ScriptText: for cpScript, the script
  // around the caret without the fragment, whose identifiers are offered too.
  std::vector<std::string> Entries(const TCompletionPlace& Place, std::string_view ScriptText = {}) const;

 private:
  std::vector<std::string> FTags, FClosingTags, FEntities, FProperties, FScriptWords;
};

// A data file: "[section]" lines start lists of words separated by blanks; "#" starts a comment;
// a line that starts with a blank continues the line before it. Gives each section's lines.
std::map<std::string, std::vector<std::string>> ParseCompletionData(std::string_view Text);

// The identifiers of a script, as the JavaScript highlighter reads them (not in strings or comments).
std::vector<std::string> ScriptIdentifiers(std::string_view ScriptText);
