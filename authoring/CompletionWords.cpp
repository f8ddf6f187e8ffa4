#include "CompletionWords.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "CompletionTableWords.h"
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

TCompletionWords::TCompletionWords(std::string_view HtmlData, std::string_view JsData)
    : FTags(HtmlTagWords(false)), FClosingTags(HtmlTagWords(true)), FProperties(CssPropertyWords()) {
  const auto html = ParseCompletionData(HtmlData);
  const auto js = ParseCompletionData(JsData);

  // Entities: the named ones of the HTML table, each ending in ";", and the data file's.
  for (int i = 0; i < TjxHTMLSyn::EntityCount(); ++i) {
    const std::string_view entity = TjxHTMLSyn::Entity(i).substr(1);
    if (entity.empty() || !std::isalpha(static_cast<unsigned char>(entity[0]))) continue;
    FEntities.emplace_back(entity);
    if (FEntities.back().back() != ';') FEntities.back() += ';';
  }
  for (const std::string& name : Words(html, "entities")) FEntities.push_back(name + ";");

  FScriptWords = TableWords(TxeJScriptSyn::Keywords());
  for (std::string& word : Words(js, "words")) FScriptWords.push_back(std::move(word));

  for (auto* list : {&FEntities, &FScriptWords}) SortCompletionWords(*list);
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
    case cpAttribute: entries = HtmlAttributeWords(Place.Element); break;
    case cpAttributeValue: entries = HtmlAttributeValueWords(Place.Attribute); break;
    case cpEntity: entries = FEntities; break;
    case cpCssProperty: entries = FProperties; break;
    case cpCssValue: entries = CssValueWords(Place.Property); break;
    case cpScript: {
      entries = FScriptWords;
      for (std::string& word : ScriptIdentifiers(ScriptText)) entries.push_back(std::move(word));
      SortCompletionWords(entries);
      break;
    }
  }
  return entries;
}
