#include "CompletionWords.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "jxHTMLSyn.h"
#include "xeJScriptSyn.h"

namespace {

std::vector<std::string> Split(std::string_view Line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < Line.size()) {
    while (i < Line.size() && std::isspace(static_cast<unsigned char>(Line[i]))) ++i;
    std::size_t j = i;
    while (j < Line.size() && !std::isspace(static_cast<unsigned char>(Line[j]))) ++j;
    if (j > i) words.emplace_back(Line.substr(i, j - i));
    i = j;
  }
  return words;
}

std::vector<std::string> Words(const std::map<std::string, std::vector<std::string>>& Data,
                               const std::string& Section) {
  std::vector<std::string> words;
  if (auto it = Data.find(Section); it != Data.end())
    for (const std::string& line : it->second)
      for (std::string& word : Split(line)) words.push_back(std::move(word));
  return words;
}

std::string Lowered(std::string_view Text) {
  std::string out(Text);
  for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Sorted as a reader looks for a word (case folded, then by case), each word once.
void SortWords(std::vector<std::string>& Words) {
  std::sort(Words.begin(), Words.end(), [](const std::string& A, const std::string& B) {
    const std::string a = Lowered(A), b = Lowered(B);
    return a != b ? a < b : A < B;
  });
  Words.erase(std::unique(Words.begin(), Words.end()), Words.end());
}

// Every word of a keyword table, in the table's order of hash values.
std::vector<std::string> TableWords(const TxeKeywordTable& Table) {
  std::vector<std::string> words;
  for (std::size_t hash = 0; hash < Table.Size(); ++hash)
    for (std::string& word : Table.WordsAt(hash)) words.push_back(std::move(word));
  return words;
}

bool AllUpper(std::string_view Text) {
  bool upper = false;
  for (char c : Text) {
    if (std::islower(static_cast<unsigned char>(c))) return false;
    upper = upper || std::isupper(static_cast<unsigned char>(c));
  }
  return upper;
}

}  // namespace

std::map<std::string, std::vector<std::string>> ParseCompletionData(std::string_view Text) {
  std::map<std::string, std::vector<std::string>> sections;
  std::vector<std::string>* current = nullptr;
  while (!Text.empty()) {
    const std::size_t end = std::min(Text.find('\n'), Text.size());
    std::string_view line = Text.substr(0, end);
    Text.remove_prefix(std::min(end + 1, Text.size()));
    line = line.substr(0, std::min(line.find('#'), line.size()));
    const bool continued = !line.empty() && std::isspace(static_cast<unsigned char>(line[0]));
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.remove_suffix(1);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front()))) line.remove_prefix(1);
    if (line.empty()) continue;
    if (line.front() == '[' && line.back() == ']') {
      current = &sections[std::string(line.substr(1, line.size() - 2))];
    } else if (current) {
      if (continued && !current->empty())
        current->back() += " " + std::string(line);
      else
        current->emplace_back(line);
    }
  }
  return sections;
}

std::vector<std::string> ScriptIdentifiers(std::string_view ScriptText) {
  std::set<std::string> found;
  TxeJScriptSyn scanner;
  std::string line;
  while (!ScriptText.empty()) {
    const std::size_t end = std::min(ScriptText.find('\n'), ScriptText.size());
    line.assign(ScriptText.substr(0, end));  // zero-terminated for the scanner
    ScriptText.remove_prefix(std::min(end + 1, ScriptText.size()));
    for (scanner.BeginLine(line.c_str(), 0); !scanner.AtLineEnd(); scanner.Advance()) {
      const int kind = scanner.CurrentKind();
      if ((kind == TxeJScriptSyn::tkIdentifier || kind == TxeJScriptSyn::tkKey) &&
          scanner.CurrentLength() > 1)
        found.emplace(scanner.CurrentView());
    }
  }
  return {found.begin(), found.end()};
}

TCompletionWords::TCompletionWords(std::string_view HtmlData, std::string_view CssData,
                                   std::string_view JsData) {
  const auto html = ParseCompletionData(HtmlData);
  const auto css = ParseCompletionData(CssData);
  const auto js = ParseCompletionData(JsData);

  // Tag names: the HTML table's names and closing forms, and the data file's further elements.
  const std::vector<std::string> empty = Words(html, "empty");
  for (const std::string& word : TableWords(TjxHTMLSyn::Keywords())) {
    if (word[0] == '/')
      FClosingTags.push_back(Lowered(word.substr(1)));
    else
      FTags.push_back(word[0] == '!' ? word : Lowered(word));
  }
  for (const std::string& tag : Words(html, "tags")) {
    FTags.push_back(tag);
    if (std::find(empty.begin(), empty.end(), tag) == empty.end()) FClosingTags.push_back(tag);
  }
  FAttributes = Words(html, "attributes");

  // Entities: the named ones of the HTML table, each ending in ";", and the data file's.
  for (int i = 0; i < TjxHTMLSyn::EntityCount(); ++i) {
    const std::string_view entity = TjxHTMLSyn::Entity(i).substr(1);
    if (entity.empty() || !std::isalpha(static_cast<unsigned char>(entity[0]))) continue;
    FEntities.emplace_back(entity);
    if (FEntities.back().back() != ';') FEntities.back() += ';';
  }
  for (const std::string& name : Words(html, "entities")) FEntities.push_back(name + ";");

  FProperties = Words(css, "properties");
  std::map<std::string, std::vector<std::string>> groups;
  if (auto it = css.find("values"); it != css.end()) {
    for (const std::string& line : it->second) {
      const std::size_t colon = line.find(':');
      if (colon == std::string::npos) continue;
      const std::string name = line.substr(0, colon);
      std::vector<std::string> values;
      for (const std::string& word : Split(line.substr(colon + 1))) {
        if (auto group = groups.find(word); group != groups.end())
          values.insert(values.end(), group->second.begin(), group->second.end());
        else
          values.push_back(word);
      }
      if (name == "@all")
        FCommonValues = values;
      else if (name[0] == '@')
        groups[name] = std::move(values);
      else
        FValues[name] = std::move(values);
    }
  }

  FScriptWords = TableWords(TxeJScriptSyn::Keywords());
  for (std::string& word : Words(js, "words")) FScriptWords.push_back(std::move(word));

  for (auto* list : {&FTags, &FClosingTags, &FAttributes, &FEntities, &FProperties, &FScriptWords})
    SortWords(*list);
}

std::vector<std::string> TCompletionWords::Entries(const TCompletionPlace& Place,
                                                   std::string_view ScriptText) const {
  std::vector<std::string> entries;
  switch (Place.Kind) {
    case cpNone: break;
    case cpTagName:
    case cpClosingTag:
      entries = Place.Kind == cpTagName ? FTags : FClosingTags;
      // Names written in capitals are offered in capitals.
      if (AllUpper(Place.Fragment))
        for (std::string& name : entries)
          std::transform(name.begin(), name.end(), name.begin(),
                         [](char c) { return char(std::toupper(static_cast<unsigned char>(c))); });
      break;
    case cpAttribute: entries = FAttributes; break;
    case cpEntity: entries = FEntities; break;
    case cpCssProperty: entries = FProperties; break;
    case cpCssValue: {
      if (auto it = FValues.find(Place.Property); it != FValues.end()) entries = it->second;
      entries.insert(entries.end(), FCommonValues.begin(), FCommonValues.end());
      SortWords(entries);
      break;
    }
    case cpScript: {
      entries = FScriptWords;
      for (std::string& word : ScriptIdentifiers(ScriptText)) entries.push_back(std::move(word));
      SortWords(entries);
      break;
    }
  }
  return entries;
}
