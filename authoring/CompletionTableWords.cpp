#include "CompletionTableWords.h"

#include <algorithm>

#include "CompletionTables.h"

namespace {

constexpr std::string_view kRole = "role";

char Lower(char C) { return C >= 'A' && C <= 'Z' ? char(C - 'A' + 'a') : C; }

bool ReaderOrder(const std::string& A, const std::string& B) {
  const auto folded = std::mismatch(A.begin(), A.end(), B.begin(), B.end(),
                                    [](char X, char Y) { return Lower(X) == Lower(Y); });
  if (folded.first == A.end() || folded.second == B.end())
    return A.size() != B.size() ? A.size() < B.size() : A < B;
  const char a = Lower(*folded.first), b = Lower(*folded.second);
  return a != b ? a < b : A < B;
}

void Append(std::vector<std::string>& Words, std::span<const std::string_view> List) {
  Words.insert(Words.end(), List.begin(), List.end());
}

}  // namespace

void SortCompletionWords(std::vector<std::string>& Words) {
  std::sort(Words.begin(), Words.end(), ReaderOrder);
  Words.erase(std::unique(Words.begin(), Words.end()), Words.end());
}

std::vector<std::string> HtmlTagWords(bool Closing) {
  std::vector<std::string> words;
  if (!Closing) words.emplace_back("!DOCTYPE");
  for (const THtmlElementWords& element : HtmlElementTable())
    if (!Closing || !element.Void) words.emplace_back(element.Name);
  SortCompletionWords(words);
  return words;
}

std::vector<std::string> HtmlAttributeWords(std::string_view Element) {
  std::vector<std::string> words;
  Append(words, HtmlGlobalAttributes());
  if (const THtmlElementWords* element = FindHtmlElement(Element)) Append(words, element->Attributes);
  SortCompletionWords(words);
  return words;
}

std::vector<std::string> HtmlAttributeValueWords(std::string_view Attribute) {
  std::vector<std::string> words;
  if (std::equal(Attribute.begin(), Attribute.end(), kRole.begin(), kRole.end(),
                 [](char A, char B) { return Lower(A) == B; }))
    Append(words, AriaRoles());
  else if (const TAriaAttributeWords* aria = FindAriaAttribute(Attribute))
    Append(words, aria->Values);
  SortCompletionWords(words);
  return words;
}

std::vector<std::string> CssPropertyWords() {
  std::vector<std::string> words;
  for (const TCssPropertyWords& property : CssPropertyTable()) words.emplace_back(property.Name);
  SortCompletionWords(words);
  return words;
}

std::vector<std::string> CssValueWords(std::string_view Property) {
  std::vector<std::string> words;
  if (const TCssPropertyWords* property = FindCssProperty(Property)) {
    Append(words, property->Keywords);
    Append(words, property->Functions);
  }
  Append(words, CssWideKeywords());
  SortCompletionWords(words);
  return words;
}
