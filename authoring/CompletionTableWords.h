// The words of the generated tables (CompletionTables.h) as completion lists them at each place:
// sorted as a reader looks for a word (case folded, then by case), each word once.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// After "<": every element and the document type declaration; after "</" (Closing): the elements
// that have an end tag.
std::vector<std::string> HtmlTagWords(bool Closing);
// Inside the start tag of Element (any case; an element the data does not know takes the global
// attributes only).
std::vector<std::string> HtmlAttributeWords(std::string_view Element);
// Inside the value of Attribute: the roles for role, the values of a true/false or token ARIA
// attribute; empty for the others.
std::vector<std::string> HtmlAttributeValueWords(std::string_view Attribute);
std::vector<std::string> CssPropertyWords();
// After "Property:": its keywords and functions and the CSS-wide keywords.
std::vector<std::string> CssValueWords(std::string_view Property);

void SortCompletionWords(std::vector<std::string>& Words);
