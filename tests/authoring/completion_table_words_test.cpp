// What completion lists at each place from the generated tables: only what is valid there.
#include "CompletionTableWords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "CompletionTables.h"
#include "css_syntax_words.h"

namespace {

bool Has(const std::vector<std::string>& List, std::string_view Word) {
  return std::find(List.begin(), List.end(), Word) != List.end();
}

bool IsName(std::string_view Word) {
  return !Word.empty() && std::all_of(Word.begin(), Word.end(), [](char C) {
    return std::islower(static_cast<unsigned char>(C)) || std::isdigit(static_cast<unsigned char>(C)) ||
           C == '-';
  });
}

// Every word offered after "property:" is one its syntax allows, for every property.
TEST(CompletionTableWords, EveryCssValueIsValidForItsProperty) {
  TCssSyntaxWords syntax;
  const auto wide = CssWideKeywords();
  for (const TCssPropertyWords& property : CssPropertyTable()) {
    SCOPED_TRACE(std::string(property.Name));
    const std::set<std::string>& valid = syntax.Of(property.Name);
    const bool anyName = valid.count(TCssSyntaxWords::kAnyName) > 0;
    const std::vector<std::string> offered = CssValueWords(property.Name);
    for (const std::string& word : offered)
      EXPECT_TRUE(valid.count(word) || std::find(wide.begin(), wide.end(), word) != wide.end() ||
                  (anyName && IsName(word)))
          << word;
    for (std::string_view keyword : wide) EXPECT_TRUE(Has(offered, keyword));
  }
  EXPECT_EQ(CssValueWords("DISPLAY"), CssValueWords("display"));
  EXPECT_EQ(CssValueWords("--my-colour"), CssValueWords("no-such-property"));
  EXPECT_EQ(CssValueWords("--my-colour").size(), CssWideKeywords().size());
}

TEST(CompletionTableWords, AttributesByElement) {
  const std::vector<std::string> img = HtmlAttributeWords("img");
  EXPECT_FALSE(Has(img, "colspan"));
  EXPECT_FALSE(Has(img, "href"));
  for (const char* name : {"src", "alt", "srcset", "loading", "class", "data-", "role", "itemprop", "onload"})
    EXPECT_TRUE(Has(img, name)) << name;
  EXPECT_TRUE(Has(HtmlAttributeWords("TD"), "colspan"));
  EXPECT_EQ(HtmlAttributeWords("my-widget").size(), HtmlGlobalAttributes().size());
  for (const THtmlElementWords& element : HtmlElementTable()) {
    SCOPED_TRACE(std::string(element.Name));
    const std::vector<std::string> words = HtmlAttributeWords(element.Name);
    for (std::string_view global : HtmlGlobalAttributes()) EXPECT_TRUE(Has(words, global)) << global;
    EXPECT_EQ(words.size(), std::set<std::string>(words.begin(), words.end()).size());
    for (std::string_view own : element.Attributes) EXPECT_TRUE(Has(words, own)) << own;
  }
}

TEST(CompletionTableWords, TagsAndValues) {
  const std::vector<std::string> tags = HtmlTagWords(false), closing = HtmlTagWords(true);
  for (const char* name : {"!DOCTYPE", "article", "blockquote", "img", "br", "template", "dialog"})
    EXPECT_TRUE(Has(tags, name)) << name;
  for (const char* name : {"article", "p", "script", "frameset"}) EXPECT_TRUE(Has(closing, name)) << name;
  for (const char* name : {"!DOCTYPE", "img", "br", "input", "meta"})
    EXPECT_FALSE(Has(closing, name)) << name;
  EXPECT_TRUE(Has(HtmlAttributeValueWords("role"), "navigation"));
  EXPECT_TRUE(Has(HtmlAttributeValueWords("ROLE"), "button"));
  EXPECT_EQ(HtmlAttributeValueWords("aria-live"), (std::vector<std::string>{"assertive", "off", "polite"}));
  EXPECT_TRUE(HtmlAttributeValueWords("class").empty());
  EXPECT_EQ(CssPropertyWords().size(), CssPropertyTable().size());
}

TEST(CompletionTableWords, ReaderOrder) {
  std::vector<std::string> words{"b", "B", "ab", "a", "AccentColor", "accent", "A", "b", "abc"};
  SortCompletionWords(words);
  EXPECT_EQ(words, (std::vector<std::string>{"A", "a", "ab", "abc", "accent", "AccentColor", "B", "b"}));
}

}  // namespace
