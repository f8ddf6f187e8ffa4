// Links and image tags made from files the user picks: "Link to file...", "URL from file...",
// "Image from file...".
#pragma once

#include <string>
#include <string_view>

class TxeEditModel;

// A file:// address for a local path (blanks and separators kept as they are).
std::string FileUrlOf(std::string_view path);

// The address a picked file links to: a ".url" shortcut's URL (the maker's web site when it has
// none, or when there is no such file), or the file name itself for any other file. False, with Why,
// when the shortcut cannot be read (not a regular file, too large, no rights).
bool UrlFromFile(const std::string& fileName, std::string& url, std::string* why = nullptr);

std::string UrlOpening(std::string_view address);
// The image tag for a picture at Address.
std::string ImageOpening(std::string_view address, uint32_t width, uint32_t height);

// How links and pictures from files are written.
struct TLinkStyle {
  bool Modern = false;     // lower-case tag and attribute names; a picture gets alt=""
  std::string BaseFolder;  // files relative to this folder; empty: their file:/// address
};

// What a link to a file holds: the path relative to the style's folder, or its file:/// address.
std::string FileReference(std::string_view path, const TLinkStyle& style);

void InsertLinkToFile(TxeEditModel& editor, const std::string& path, const TLinkStyle& style = {});
// Both give false, with Why, when the file cannot be read; nothing is inserted then.
bool InsertUrlFromFile(TxeEditModel& editor, const std::string& fileName, std::string* why = nullptr,
                       const TLinkStyle& style = {});
// A GIF that cannot be read is inserted with width and height 0.
bool InsertImageFromFile(TxeEditModel& editor, const std::string& path, std::string* why = nullptr,
                         const TLinkStyle& style = {});
