// Where the caret stands for completion: after "<" or "</", inside a start tag or an attribute's value,
// after "&", in style rules or in script, read from the text before the caret.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum TCompletionPlaceKind {
  cpNone,
  cpTagName,         // after "<" (and in a style sheet's selectors)
  cpClosingTag,      // after "</"
  cpAttribute,       // inside a start tag, after its name and a blank
  cpAttributeValue,  // inside a start tag, after "attribute=" (and an opening quote)
  cpEntity,          // after "&"
  cpCssProperty,     // in a rule, where a property name goes
  cpCssValue,        // in a rule, after "property:"
  cpScript           // in JavaScript
};

struct TCompletionPlace {
  TCompletionPlaceKind Kind = cpNone;
  std::string Fragment;   // the characters before the caret that the chosen entry replaces
  std::string Property;   // cpCssValue: the property, in lower case
  std::string Element;    // cpAttribute, cpAttributeValue: the tag's element name, in lower case
  std::string Attribute;  // cpAttributeValue: the attribute, in lower case
  std::size_t Start = 0;  // cpScript and the rule places: where that language's text begins in Before
};

// Before: the document's text before the caret (a tail of it is enough). DocType: 1 HTML,
// 2 JavaScript, 3 CSS; any other gives cpNone.
TCompletionPlace FindCompletionPlace(int DocType, std::string_view Before);

// In an HTML document, the end of the script element whose text continues in After: the position
// of its "</script", or After's size.
std::size_t ScriptElementEnd(std::string_view After);
