// Where completion finds the caret: the place kind, the fragment it replaces, the CSS property.
#include "CompletionPlace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "DocumentTypes.h"

namespace {

TEST(CompletionPlace, PlacesOfEachLanguage) {
  struct {
    int Type;
    const char* Before;
    TCompletionPlaceKind Kind;
    const char* Fragment;
    const char* Property;
  } cases[] = {
      {dtHTML, "<di", cpTagName, "di", ""},
      {dtHTML, "text<", cpTagName, "", ""},
      {dtHTML, "<!DOC", cpTagName, "!DOC", ""},
      {dtHTML, "<p>x</d", cpClosingTag, "d", ""},
      {dtHTML, "a &co", cpEntity, "co", ""},
      {dtHTML, "<a hr", cpAttribute, "hr", ""},
      {dtHTML, "<img\n  src=x al", cpAttribute, "al", ""},
      {dtHTML, "<a href=\"x y", cpAttributeValue, "y", ""},
      {dtHTML, "<a title='a > b' ", cpAttribute, "", ""},
      {dtHTML, "<a title='a' >x ", cpNone, "", ""},
      {dtHTML, "<a href=\"x\" ", cpAttribute, "", ""},
      {dtHTML, "<a href=", cpAttributeValue, "", ""},
      {dtHTML, "<a title=x", cpAttributeValue, "x", ""},
      {dtHTML, "<a href=x/y", cpNone, "", ""},
      {dtHTML, "</p ", cpNone, "", ""},
      {dtHTML, "<!DOCTYPE ", cpNone, "", ""},
      {dtHTML, "< a", cpNone, "", ""},
      {dtHTML, "<p>some te", cpNone, "", ""},
      {dtHTML, "<!-- <di", cpNone, "", ""},
      {dtHTML, "<!-- x --><di", cpTagName, "di", ""},
      {dtHTML, "<style>\np { col", cpCssProperty, "col", ""},
      {dtHTML, "<STYLE type=\"text/css\">p { Color: re", cpCssValue, "re", "color"},
      {dtHTML, "<style>p{}</style><di", cpTagName, "di", ""},
      {dtHTML, "<stylex>&am", cpEntity, "am", ""},
      {dtHTML, "<script>\nvar a = docu", cpScript, "docu", ""},
      {dtHTML, "<script>if (a<b", cpScript, "b", ""},
      {dtHTML, "<script>a &&", cpScript, "", ""},
      {dtHTML, "<script src=x ", cpAttribute, "", ""},
      {dtHTML, "<script>x</script>&am", cpEntity, "am", ""},
      {dtCSS, "p { FONT-we", cpCssProperty, "FONT-we", ""},
      {dtCSS, "p { margin: 0; pad", cpCssProperty, "pad", ""},
      {dtCSS, "p { border: 1px solid re", cpCssValue, "re", "border"},
      {dtCSS, "p {\n  color :", cpCssValue, "", "color"},
      {dtCSS, "@media print { p { disp", cpCssProperty, "disp", ""},
      {dtCSS, "p { x: y }\nh1, di", cpTagName, "di", ""},
      {dtCSS, "a:", cpNone, "", ""},
      {dtCSS, "/* p { col", cpNone, "", ""},
      {dtJavaScript, "document.wri", cpScript, "wri", ""},
      {dtJavaScript, "", cpScript, "", ""},
      {dtJavaScript, "x = 1e5", cpNone, "", ""},
      {dtJavaScript, "/* docu", cpNone, "", ""},
      {dtNone, "<di", cpNone, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Before);
    const TCompletionPlace place = FindCompletionPlace(c.Type, c.Before);
    EXPECT_EQ(place.Kind, c.Kind);
    EXPECT_EQ(place.Fragment, c.Fragment);
    EXPECT_EQ(place.Property, c.Property);
  }
}

// The element and attribute a start tag's place belongs to.
TEST(CompletionPlace, ElementAndAttribute) {
  struct {
    const char* Before;
    TCompletionPlaceKind Kind;
    const char* Element;
    const char* Attribute;
  } cases[] = {
      {"<IMG sr", cpAttribute, "img", ""},
      {"<td\n  class=\"a\" ", cpAttribute, "td", ""},
      {"<my-widget ", cpAttribute, "my-widget", ""},
      {"<div ROLE=\"but", cpAttributeValue, "div", "role"},
      {"<div role = 'navigation ma", cpAttributeValue, "div", "role"},
      {"<div aria-live=", cpAttributeValue, "div", "aria-live"},
      {"<p title=\"a > b\" lang='x' data-a=b ", cpAttribute, "p", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Before);
    const TCompletionPlace place = FindCompletionPlace(dtHTML, c.Before);
    EXPECT_EQ(place.Kind, c.Kind);
    EXPECT_EQ(place.Element, c.Element);
    EXPECT_EQ(place.Attribute, c.Attribute);
  }
}

// Any text: the fragment is what stands before the caret, and the names are those of the text.
TEST(CompletionPlace, RandomMarkup) {
  const std::string_view alphabet = "<>/!\"'= \n&:;{}-aAbimgrole";
  std::mt19937 rng(25);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (int n = int(rng() % 40); n > 0; --n) text += alphabet[rng() % alphabet.size()];
    for (int type : {dtHTML, dtCSS}) {
      SCOPED_TRACE(text);
      const TCompletionPlace place = FindCompletionPlace(type, text);
      EXPECT_TRUE(text.ends_with(place.Fragment) || place.Fragment.starts_with('!'));
      if (place.Kind == cpAttribute || place.Kind == cpAttributeValue) {
        EXPECT_FALSE(place.Element.empty());
        std::string lower = text;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](char C) { return char(std::tolower(C)); });
        EXPECT_NE(lower.find('<' + place.Element), std::string::npos);
      }
      EXPECT_TRUE(place.Kind == cpAttributeValue || place.Attribute.empty());
    }
  }
}

TEST(CompletionPlace, ScriptElementEnd) {
  EXPECT_EQ(ScriptElementEnd("a < b; c</p></SCRIPT >x"), 12u);
  EXPECT_EQ(ScriptElementEnd("a </scripts>"), 12u);
}

}  // namespace
