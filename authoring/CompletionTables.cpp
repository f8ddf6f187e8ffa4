#include "CompletionTables.h"

#include <algorithm>

namespace {

char Lower(char C) { return C >= 'A' && C <= 'Z' ? char(C - 'A' + 'a') : C; }

// Names in the tables are lower case and sorted; Name may be written in any case.
bool LessNoCase(std::string_view TableName, std::string_view Name) {
  return std::lexicographical_compare(TableName.begin(), TableName.end(), Name.begin(), Name.end(),
                                      [](char A, char B) { return Lower(A) < Lower(B); });
}

template <class T>
const T* Find(std::span<const T> Table, std::string_view Name) {
  const auto it = std::lower_bound(Table.begin(), Table.end(), Name,
                                   [](const T& Row, std::string_view N) { return LessNoCase(Row.Name, N); });
  if (it == Table.end() || it->Name.size() != Name.size()) return nullptr;
  return std::equal(Name.begin(), Name.end(), it->Name.begin(), [](char A, char B) { return Lower(A) == B; })
             ? &*it
             : nullptr;
}

}  // namespace

const TCssPropertyWords* FindCssProperty(std::string_view Name) { return Find(CssPropertyTable(), Name); }
const THtmlElementWords* FindHtmlElement(std::string_view Name) { return Find(HtmlElementTable(), Name); }
const TAriaAttributeWords* FindAriaAttribute(std::string_view Name) {
  return Find(AriaAttributeTable(), Name);
}
