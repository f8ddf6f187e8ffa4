// The words of HTML and CSS as the data sets of web tools keep them (mdn-data, html-tag-names,
// html-element-attributes, html-event-attributes, html-void-elements, aria-query), made into tables by
// scripts/gen-completion-tables.mjs (CompletionTablesData.cpp). Every list is sorted; names are in lower
// case, values as the data writes them (currentColor).
#pragma once

#include <span>
#include <string_view>

struct TCssPropertyWords {
  std::string_view Name;
  std::span<const std::string_view> Keywords;   // its own, without the CSS-wide keywords
  std::span<const std::string_view> Functions;  // "name()" of the functions its value may be
};

struct THtmlElementWords {
  std::string_view Name;
  bool Void;                                     // has no end tag
  std::span<const std::string_view> Attributes;  // its own, without the global ones
};

struct TAriaAttributeWords {
  std::string_view Name;
  std::span<const std::string_view> Values;  // of a true/false or token attribute; else empty
};

// The standard CSS properties, neither vendor-prefixed nor custom.
std::span<const TCssPropertyWords> CssPropertyTable();
// inherit, initial, revert, revert-layer, unset: valid for every property.
std::span<const std::string_view> CssWideKeywords();
std::span<const THtmlElementWords> HtmlElementTable();
// Valid on every element: the global attributes, microdata, event handlers, aria-*, role, and "data-",
// the prefix of an author's own attributes.
std::span<const std::string_view> HtmlGlobalAttributes();
std::span<const TAriaAttributeWords> AriaAttributeTable();
// The roles an element may take (no abstract ones).
std::span<const std::string_view> AriaRoles();

// Lookups by name, without regard to case; nullptr when the data has no such name.
const TCssPropertyWords* FindCssProperty(std::string_view Name);
const THtmlElementWords* FindHtmlElement(std::string_view Name);
const TAriaAttributeWords* FindAriaAttribute(std::string_view Name);
