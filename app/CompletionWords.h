// The words completion offers at each place: the highlighters' own tables, one small data file per
// language (app/completion/*.txt), and in script the identifiers the document already holds.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "CompletionPlace.h"

class TCompletionWords {
 public:
  // The texts of the HTML, CSS and JavaScript data files.
  TCompletionWords(std::string_view HtmlData, std::string_view CssData, std::string_view JsData);

  // The entries for Place, sorted without regard to case. ScriptText: for cpScript, the script
  // around the caret without the fragment, whose identifiers are offered too.
  std::vector<std::string> Entries(const TCompletionPlace& Place, std::string_view ScriptText = {}) const;

 private:
  std::vector<std::string> FTags, FClosingTags, FAttributes, FEntities, FProperties, FScriptWords;
  std::map<std::string, std::vector<std::string>> FValues;  // by property
  std::vector<std::string> FCommonValues;                   // for every property
};

// A data file: "[section]" lines start lists of words separated by blanks; "#" starts a comment;
// a line that starts with a blank continues the line before it. Gives each section's lines.
std::map<std::string, std::vector<std::string>> ParseCompletionData(std::string_view Text);

// The identifiers of a script, as the JavaScript highlighter reads them (not in strings or comments).
std::vector<std::string> ScriptIdentifiers(std::string_view ScriptText);
