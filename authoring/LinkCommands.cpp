#include "LinkCommands.h"

#include "ImgSize.h"
#include "InsertMarkup.h"
#include "MakerAddresses.h"
#include "ProfileString.h"

#include <algorithm>
#include <filesystem>

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

std::string UrlOpening(std::string_view address) { return "<A HREF=\"" + std::string(address) + "\">"; }

std::string ImageOpening(std::string_view address, uint32_t width, uint32_t height) {
  return "<IMG SRC=\"" + std::string(address) + "\" WIDTH=\"" + std::to_string(width) + "\" HEIGHT=\"" +
         std::to_string(height) + "\">";
}

std::string FileReference(std::string_view path, const TLinkStyle& style) {
  if (!style.BaseFolder.empty() && path.starts_with('/')) {
    const std::filesystem::path relative = std::filesystem::path(path).lexically_normal().lexically_relative(
        std::filesystem::path(style.BaseFolder).lexically_normal());
    if (!relative.empty()) return relative.generic_string();
  }
  return FileUrlOf(path);
}

namespace {

std::string Styled(std::string text, const TLinkStyle& style) {
  return style.Modern ? LowerCaseMarkup(text) : text;
}

void InsertLink(TxeEditModel& editor, const std::string& address, const TLinkStyle& style) {
  InsertMarkup(editor, Styled(UrlOpening(address), style), Styled("</A>", style), crAlways, spBetween);
}

}  // namespace

void InsertLinkToFile(TxeEditModel& editor, const std::string& path, const TLinkStyle& style) {
  InsertLink(editor, FileReference(path, style), style);
}

bool InsertUrlFromFile(TxeEditModel& editor, const std::string& fileName, std::string* why,
                       const TLinkStyle& style) {
  std::string url;
  if (!UrlFromFile(fileName, url, why)) return false;
  InsertLink(editor, url, style);
  return true;
}

bool InsertImageFromFile(TxeEditModel& editor, const std::string& path, std::string* why,
                         const TLinkStyle& style) {
  uint32_t width = 0, height = 0;
  // A GIF that cannot be read still gets its tag, 0 by 0; other pictures are reported.
  const bool gif = path.size() >= 4 && std::equal(path.end() - 4, path.end(), ".gif", [](char a, char b) {
                     return (a >= 'A' && a <= 'Z' ? char(a + 32) : a) == b;
                   });
  if (!ReadImageSize(path, width, height, why) && !gif) return false;
  std::string tag = ImageOpening(FileReference(path, style), width, height);
  if (style.Modern) tag.insert(tag.size() - 1, " ALT=\"\"");
  InsertMarkup(editor, Styled(tag, style), "", crNever, spAfter);
  return true;
}
