// The words a CSS property's value may start with, read here from the syntax data on their own, so
// that what completion offers is checked against the syntax and not against its own tables: the
// keywords and "name()" functions at the top level of the property's syntax, type and property
// references followed, vendor-prefixed words left out. Of the basic types, <url> gives url(), numbers
// the math functions, and a <counter-style-name>, which may be any identifier, the word kAnyName.
#pragma once

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "CssSyntaxTables.h"

class TCssSyntaxWords {
 public:
  TCssSyntaxWords() {
    for (const TCssSyntax& row : CssPropertySyntaxes())
      FSyntax["'" + std::string(row.Name) + "'"] = row.Syntax;
    for (const TCssSyntax& row : CssTypeSyntaxes()) FSyntax["<" + std::string(row.Name) + ">"] = row.Syntax;
  }

  static constexpr const char* kAnyName = "<counter-style-name>";

  bool Known(std::string_view Property) const { return FSyntax.count(Key('\'', Property)) > 0; }

  // Keywords and functions, in the data's spelling.
  const std::set<std::string>& Of(std::string_view Property) {
    const std::string key = Key('\'', Property);
    auto it = FDone.find(key);
    if (it == FDone.end()) {
      std::set<std::string> words, visiting;
      Collect(key, words, visiting);
      it = FDone.emplace(key, std::move(words)).first;
    }
    return it->second;
  }

 private:
  static std::string Key(char Quote, std::string_view Name) {
    return Quote == '<' ? "<" + std::string(Name) + ">" : "'" + std::string(Name) + "'";
  }
  static bool NameChar(char C) { return std::isalnum(static_cast<unsigned char>(C)) || C == '-' || C == '_'; }
  static bool Prefixed(std::string_view W) {
    for (std::string_view p : {"-webkit-", "-moz-", "-ms-", "-o-"})
      if (W.substr(0, p.size()) == p) return true;
    return false;
  }

  void Collect(const std::string& Key, std::set<std::string>& Words, std::set<std::string>& Visiting) {
    const auto found = FSyntax.find(Key);
    if (Key == "<url>") Words.insert("url()");
    if (Key == "<counter-style-name>") Words.insert(kAnyName);
    for (const char* type : {"<angle>", "<angle-percentage>", "<dimension>", "<frequency>",
                             "<frequency-percentage>", "<integer>", "<length>", "<length-percentage>",
                             "<number>", "<percentage>", "<resolution>", "<time>", "<time-percentage>"})
      if (Key == type) Words.insert({"calc()", "clamp()", "max()", "min()"});
    if (found == FSyntax.end() || !Visiting.insert(Key).second) return;
    const std::string_view s = found->second;
    int depth = 0;
    for (std::size_t i = 0; i < s.size();) {
      const char c = s[i];
      if (c == '\'') {  // a quoted literal: '[', ','
        const std::size_t end = s.find('\'', i + 1);
        i = end == std::string_view::npos ? s.size() : end + 1;
      } else if (c == '<') {
        const std::size_t end = s.find('>', i);
        std::string_view ref = s.substr(i + 1, (end == std::string_view::npos ? s.size() : end) - i - 1);
        i = end == std::string_view::npos ? s.size() : end + 1;
        if (depth > 0) continue;
        if (ref.size() > 1 && ref.front() == '\'') {
          Collect("'" + std::string(ref.substr(1, ref.find('\'', 1) - 1)) + "'", Words, Visiting);
        } else {
          ref = ref.substr(0, std::min(ref.find(' '), ref.size()));
          Collect("<" + std::string(ref) + ">", Words, Visiting);
        }
      } else if (c == '(') {
        ++depth, ++i;
      } else if (c == ')') {
        depth = depth > 0 ? depth - 1 : 0, ++i;
      } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '-' || c == '_') {
        std::size_t end = i;
        while (end < s.size() && NameChar(s[end])) ++end;
        const std::string word(s.substr(i, end - i));
        const bool function = end < s.size() && s[end] == '(';
        const bool isName = word.find_first_not_of('-') != std::string::npos &&
                            !std::isdigit(static_cast<unsigned char>(word[word.find_first_not_of('-')]));
        if (depth == 0 && isName && !Prefixed(word)) Words.insert(function ? word + "()" : word);
        if (function) ++depth, ++end;
        i = end;
      } else {
        ++i;
      }
    }
    Visiting.erase(Key);
  }

  std::map<std::string, std::string_view> FSyntax;
  std::map<std::string, std::set<std::string>> FDone;
};
