#include "LinkCommands.h"

#include "GoToWeb.h"
#include "ImgSize.h"
#include "InsertMarkup.h"
#include "ProfileString.h"

#include <algorithm>

std::string FileUrlOf(std::string_view path) {
  // An absolute POSIX path brings its own leading slash.
  std::string url = path.starts_with('/') ? "file://" : "file:///";
  url += path;
  return url;
}

bool UrlFromFile(const std::string& fileName, std::string& url, std::string* why) {
  const size_t dot = fileName.find_last_of("./");
  std::string extension = dot != std::string::npos && fileName[dot] == '.' ? fileName.substr(dot) : "";
  for (char& c : extension)
    if (c >= 'A' && c <= 'Z') c = char(c + 32);
  if (extension != ".url") {
    url = fileName;
    return true;
  }
  return ReadProfileString(fileName, "InternetShortcut", "URL", kMakerWebSite, url, why);
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

bool InsertUrlFromFile(TxeEditModel& editor, const std::string& fileName, std::string* why) {
  std::string url;
  if (!UrlFromFile(fileName, url, why)) return false;
  InsertMarkup(editor, UrlOpening(url), "</A>", crAlways, spBetween);
  return true;
}

bool InsertImageFromFile(TxeEditModel& editor, const std::string& path, std::string* why) {
  uint32_t width = 0, height = 0;
  // A GIF that cannot be read still gets its tag, 0 by 0; other pictures are reported.
  const bool gif = path.size() >= 4 && std::equal(path.end() - 4, path.end(), ".gif", [](char a, char b) {
                     return (a >= 'A' && a <= 'Z' ? char(a + 32) : a) == b;
                   });
  if (!ReadImageSize(path, width, height, why) && !gif) return false;
  InsertMarkup(editor, ImageOpening(path, width, height), "", crNever, spAfter);
  return true;
}
