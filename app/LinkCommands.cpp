#include "LinkCommands.h"

#include "GoToWeb.h"
#include "ImgSize.h"
#include "InsertMarkup.h"

#include <algorithm>
#include <fstream>

namespace {

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

std::string LowerAscii(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = char(c + 32);
  return s;
}

}  // namespace

std::string ReadProfileString(const std::string& fileName, std::string_view section, std::string_view key,
                              std::string_view defaultValue) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return std::string(defaultValue);
  bool inSection = false;
  bool sectionSeen = false;
  std::string raw;
  bool first = true;
  while (std::getline(in, raw)) {
    std::string_view line(raw);
    if (first && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
    first = false;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = Trim(line);
    if (!line.empty() && line.front() == '[') {
      if (inSection) break;  // only the first section of that name is searched
      const size_t close = line.find(']');
      const std::string_view name =
          Trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
      inSection = !sectionSeen && SameText(name, section);
      sectionSeen = sectionSeen || inSection;
      continue;
    }
    if (!inSection) continue;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos || !SameText(Trim(line.substr(0, eq)), key)) continue;
    std::string_view value = Trim(line.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
  }
  return std::string(defaultValue);
}

std::string FileUrlOf(std::string_view path) {
  // An absolute POSIX path brings its own leading slash.
  std::string url = path.starts_with('/') ? "file://" : "file:///";
  url += path;
  return url;
}

std::string UrlFromFile(const std::string& fileName) {
  const size_t dot = fileName.find_last_of("./");
  const bool shortcut =
      dot != std::string::npos && fileName[dot] == '.' && LowerAscii(fileName.substr(dot)) == ".url";
  if (!shortcut) return fileName;
  return ReadProfileString(fileName, "InternetShortcut", "URL", kMakerWebSite);
}

std::string LinkToFileOpening(std::string_view path) { return "<A HREF=\"" + FileUrlOf(path) + "\">"; }

std::string UrlOpening(std::string_view address) { return "<A HREF=\"" + std::string(address) + "\">"; }

std::string ImageOpening(std::string_view path, uint32_t width, uint32_t height) {
  return "<IMG SRC=\"" + FileUrlOf(path) + "\" WIDTH=\"" + std::to_string(width) + "\" HEIGHT=\"" +
         std::to_string(height) + "\">";
}

void InsertLinkToFile(TxeEditModel& editor, const std::string& path) {
  InsertMarkup(editor, LinkToFileOpening(path), "</A>", crAlways, spBetween);
}

void InsertUrlFromFile(TxeEditModel& editor, const std::string& fileName) {
  InsertMarkup(editor, UrlOpening(UrlFromFile(fileName)), "</A>", crAlways, spBetween);
}

bool InsertImageFromFile(TxeEditModel& editor, const std::string& path) {
  uint32_t width = 0, height = 0;
  if (!ReadImageSize(path, width, height)) return false;
  InsertMarkup(editor, ImageOpening(path, width, height), "", crNever, spAfter);
  return true;
}
