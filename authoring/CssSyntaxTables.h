// The value syntax of every CSS property and type that mdn-data describes, as it writes them, made by
// scripts/gen-completion-tables.mjs (CssSyntaxTablesData.cpp): what checks of completion's values read.
#pragma once

#include <span>
#include <string_view>

struct TCssSyntax {
  std::string_view Name;    // a property ("max-width") or a type without its brackets ("color")
  std::string_view Syntax;  // "none | <length-percentage [0,∞]> | ..."
};

// Sorted by name.
std::span<const TCssSyntax> CssPropertySyntaxes();
std::span<const TCssSyntax> CssTypeSyntaxes();
