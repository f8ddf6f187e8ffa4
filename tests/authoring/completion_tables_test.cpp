// The generated word tables against the syntax data they come from, and the HTML words by element.
#include "CompletionTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "css_syntax_words.h"

namespace {

bool Has(std::span<const std::string_view> List, std::string_view Word) {
  return std::find(List.begin(), List.end(), Word) != List.end();
}

TEST(CompletionTables, EveryPropertyHasTheWordsOfItsSyntax) {
  TCssSyntaxWords syntax;
  const auto wide = CssWideKeywords();
  ASSERT_GT(CssPropertyTable().size(), 400u);
  for (const TCssPropertyWords& property : CssPropertyTable()) {
    SCOPED_TRACE(std::string(property.Name));
    ASSERT_TRUE(syntax.Known(property.Name));
    EXPECT_NE(property.Name[0], '-') << "no vendor-prefixed or custom property";
    const std::set<std::string>& words = syntax.Of(property.Name);
    std::set<std::string> expected;
    for (const std::string& word : words)
      if (!Has(wide, word) && word != TCssSyntaxWords::kAnyName) expected.insert(word);
    std::set<std::string> table(property.Keywords.begin(), property.Keywords.end());
    for (std::string_view function : property.Functions) {
      EXPECT_EQ(function.substr(function.size() - 2), "()");
      table.emplace(function);
    }
    if (words.count(TCssSyntaxWords::kAnyName)) {  // the predefined counter styles besides
      EXPECT_TRUE(table.count("disc") && table.count("decimal") && table.count("lower-roman"));
      std::erase_if(table, [&](const std::string& w) { return !expected.count(w) && w.find('(') == w.npos; });
    }
    EXPECT_EQ(table, expected);
    EXPECT_TRUE(std::is_sorted(property.Keywords.begin(), property.Keywords.end()));
  }
}

TEST(CompletionTables, ValuesAuthorsNeedAndNoneThatAreInvalid) {
  struct {
    const char* Property;
    const char* Value;
    bool Valid;
  } cases[] = {
      {"flex", "none", true},
      {"flex", "auto", true},
      {"margin", "auto", true},
      {"transition", "ease", true},
      {"grid-column", "span", true},
      {"list-style", "none", true},
      {"display", "flex", true},
      {"color", "currentColor", true},
      {"color", "rgb()", true},
      {"background-image", "url()", true},
      {"width", "calc()", true},
      {"list-style-type", "disc", true},
      {"font-weight", "bold", true},
      {"font-weight", "400", false},
      {"background-image", "linear-gradient()", true},
      {"max-width", "auto", false},
      {"outline-style", "hidden", false},
      {"display", "-webkit-box", false},
      {"width", "inherit", false},  // CSS-wide keywords are offered once for all, not per property
      {"grid-template-columns", "auto-fill", false},  // only inside repeat()
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Property) + ": " + c.Value);
    const TCssPropertyWords* property = FindCssProperty(c.Property);
    ASSERT_NE(property, nullptr);
    EXPECT_EQ(Has(property->Keywords, c.Value) || Has(property->Functions, c.Value), c.Valid);
  }
  EXPECT_TRUE(Has(CssWideKeywords(), "inherit"));
  EXPECT_EQ(FindCssProperty("Max-Width"), FindCssProperty("max-width"));
  EXPECT_EQ(FindCssProperty("max-widt"), nullptr);
  EXPECT_EQ(FindCssProperty("-webkit-line-clamp"), nullptr);
}

TEST(CompletionTables, AttributesByElement) {
  struct {
    const char* Element;
    const char* Attribute;
    bool Own;
  } cases[] = {
      {"img", "src", true},   {"img", "colspan", false},      {"td", "colspan", true}, {"a", "href", true},
      {"div", "href", false}, {"input", "placeholder", true}, {"img", "class", false},  // global, not its own
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Element) + " " + c.Attribute);
    const THtmlElementWords* element = FindHtmlElement(c.Element);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(Has(element->Attributes, c.Attribute), c.Own);
  }
  const auto global = HtmlGlobalAttributes();
  for (const char* name : {"class", "id", "data-", "role", "aria-label", "aria-live", "aria-expanded",
                           "itemprop", "itemscope", "itemtype", "itemid", "itemref", "onclick", "onkeydown"})
    EXPECT_TRUE(Has(global, name)) << name;
  EXPECT_EQ(
      std::count_if(global.begin(), global.end(), [](std::string_view a) { return a.starts_with("aria-"); }),
      std::ssize(AriaAttributeTable()));
  EXPECT_GT(AriaAttributeTable().size(), 40u);
  EXPECT_FALSE(Has(global, "colspan"));
  EXPECT_TRUE(std::is_sorted(global.begin(), global.end()));

  for (const char* name : {"br", "img", "input", "meta", "link", "hr", "source", "wbr"})
    EXPECT_TRUE(FindHtmlElement(name)->Void) << name;
  for (const char* name : {"p", "div", "script", "textarea", "template"})
    EXPECT_FALSE(FindHtmlElement(name)->Void) << name;
  EXPECT_NE(FindHtmlElement("IMG"), nullptr);
  EXPECT_EQ(FindHtmlElement("my-widget"), nullptr);
}

TEST(CompletionTables, AriaRolesAndValues) {
  for (const char* role : {"button", "navigation", "dialog", "tab", "doc-chapter"})
    EXPECT_TRUE(Has(AriaRoles(), role)) << role;
  for (const char* abstract : {"widget", "landmark", "roletype", "command"})
    EXPECT_FALSE(Has(AriaRoles(), abstract)) << abstract;
  const auto values = [](const char* Name) { return FindAriaAttribute(Name)->Values; };
  EXPECT_TRUE(Has(values("aria-live"), "polite"));
  EXPECT_TRUE(Has(values("aria-hidden"), "true"));
  EXPECT_TRUE(Has(values("aria-checked"), "mixed"));
  EXPECT_TRUE(values("aria-label").empty());
}

}  // namespace
