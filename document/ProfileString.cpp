#include "ProfileString.h"

#include <sys/stat.h>
#include <algorithm>

#include "RegularFile.h"

namespace {

// Shortcut files hold a few lines; anything larger is not one.
constexpr std::size_t MaxProfileBytes = 1 << 20;

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameText(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::string ProfileStringOf(std::string_view Text, std::string_view Section, std::string_view Key,
                            std::string_view DefaultValue) {
  if (Text.substr(0, 3) == "\xEF\xBB\xBF") Text.remove_prefix(3);
  bool inSection = false;
  bool sectionSeen = false;
  while (!Text.empty()) {
    const std::size_t end = std::min(Text.find('\n'), Text.size());
    std::string_view line = Text.substr(0, end);
    Text.remove_prefix(std::min(end + 1, Text.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = Trim(line);
    if (!line.empty() && line.front() == '[') {
      if (inSection) break;  // only the first section of that name is searched
      const std::size_t close = line.find(']');
      const std::string_view name =
          Trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
      inSection = !sectionSeen && SameText(name, Section);
      sectionSeen = sectionSeen || inSection;
      continue;
    }
    if (!inSection) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || !SameText(Trim(line.substr(0, eq)), Key)) continue;
    std::string_view value = Trim(line.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    return std::string(value);
  }
  return std::string(DefaultValue);
}

bool ReadProfileString(const std::string& FileName, std::string_view Section, std::string_view Key,
                       std::string_view DefaultValue, std::string& Value, std::string* Why) {
  struct stat st {};
  if (::stat(FileName.c_str(), &st) != 0) {
    Value = DefaultValue;
    return true;
  }
  std::string text;
  if (!ReadRegularFile(FileName, text, MaxProfileBytes, Why)) return false;
  Value = ProfileStringOf(text, Section, Key, DefaultValue);
  return true;
}
