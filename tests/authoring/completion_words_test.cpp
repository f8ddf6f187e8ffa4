// What completion offers for the text before the caret: only what is valid where it stands.
#include "CompletionWords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "CompletionTables.h"
#include "DocumentTypes.h"

namespace {

TEST(CompletionWords, OnlyWhatIsValidWhereTheCaretStands) {
  struct {
    int Type;
    const char* Before;
    std::vector<const char*> Offered, NotOffered;
  } cases[] = {
      {dtHTML,
       "<img ",
       {"src", "alt", "srcset", "class", "data-", "aria-label", "role", "itemprop", "onload"},
       {"colspan", "href", "checked"}},
      {dtHTML, "<TD\n  ", {"colspan", "rowspan", "headers", "aria-hidden", "data-"}, {"src", "alt"}},
      {dtHTML, "<my-card ", {"class", "slot", "data-", "aria-describedby", "itemscope"}, {"src", "colspan"}},
      {dtHTML, "<nav role=\"", {"navigation", "menubar", "doc-toc"}, {"widget", "src"}},
      {dtHTML, "<button aria-pressed='", {"false", "mixed", "true"}, {"polite"}},
      {dtHTML, "<a href=\"", {}, {"navigation", "true"}},
      {dtHTML, "<", {"article", "img", "!DOCTYPE"}, {}},
      {dtHTML, "<p>x</", {"p", "article"}, {"img", "br", "!DOCTYPE"}},
      {dtCSS, "p { ", {"display", "gap", "inset-inline", "container-type"}, {"-webkit-line-clamp", "--*"}},
      {dtCSS, "p { max-width: ", {"none", "min-content", "calc()", "inherit"}, {"auto", "0"}},
      {dtCSS, "p { outline-style: ", {"auto", "dotted", "none"}, {"hidden"}},
      {dtCSS, "p { flex: ", {"none", "auto", "content", "initial"}, {"bold"}},
      {dtCSS, "p { margin: ", {"auto", "unset", "revert"}, {"none"}},
      {dtCSS, "p { transition: ", {"ease", "ease-in-out", "all", "cubic-bezier()"}, {}},
      {dtCSS, "p { grid-column: ", {"span", "auto"}, {}},
      {dtCSS, "p { list-style: ", {"none", "inside", "disc", "decimal", "url()"}, {}},
      {dtCSS, "p { display: ", {"flex", "grid", "inline-block", "contents", "inherit"}, {"auto", "red"}},
      {dtCSS, "p { color: ", {"red", "currentColor", "transparent", "rgb()", "oklch()"}, {"auto", "none"}},
      {dtHTML, "<style>a { cursor: ", {"pointer", "grab"}, {"bold"}},
  };
  const TCompletionWords words("", "");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Before);
    const TCompletionPlace place = FindCompletionPlace(c.Type, c.Before);
    const std::vector<std::string> entries = words.Entries(place);
    const auto has = [&](const char* Word) {
      return std::find(entries.begin(), entries.end(), Word) != entries.end();
    };
    for (const char* word : c.Offered) EXPECT_TRUE(has(word)) << word;
    for (const char* word : c.NotOffered) EXPECT_FALSE(has(word)) << word;
  }
}

// Writes what completion offers after "p { ", "p { property: " and "<element " into the file that
// QUILLAN_COMPLETION_OFFER names, for scripts/completion-coverage.mjs to measure.
TEST(CompletionOffer, Dump) {
  const char* path = std::getenv("QUILLAN_COMPLETION_OFFER");
  if (!path) GTEST_SKIP() << "QUILLAN_COMPLETION_OFFER names no file";
  std::ofstream out(path);
  const TCompletionWords words("", "");
  for (const std::string& name : words.Entries(FindCompletionPlace(dtCSS, "p { ")))
    out << "property " << name << "\n";
  for (const TCssPropertyWords& property : CssPropertyTable())
    for (const std::string& value :
         words.Entries(FindCompletionPlace(dtCSS, "p { " + std::string(property.Name) + ": ")))
      out << "value " << property.Name << " " << value << "\n";
  for (const THtmlElementWords& element : HtmlElementTable())
    for (const std::string& name :
         words.Entries(FindCompletionPlace(dtHTML, "<" + std::string(element.Name) + " ")))
      out << "attribute " << element.Name << " " << name << "\n";
  EXPECT_TRUE(out.good());
}

}  // namespace
