// Links and image tags made from files the user picks: "Link to file...", "URL from file...",
// "Image from file...".
#pragma once

#include <string>
#include <string_view>

class TxeEditModel;

// A value of an INI file read as the Windows profile functions read it: section and key names
// compared without case, blanks around names and values ignored, one pair of enclosing quotes
// removed from the value. The default is returned when the file, the section or the key is missing.
std::string ReadProfileString(const std::string& fileName, std::string_view section, std::string_view key,
                              std::string_view defaultValue);

// A file:// address for a local path (blanks and separators kept as they are).
std::string FileUrlOf(std::string_view path);

// The address a picked file links to: a ".url" shortcut's URL (the maker's web site when it has
// none), or the file name itself for any other file.
std::string UrlFromFile(const std::string& fileName);

std::string LinkToFileOpening(std::string_view path);
std::string UrlOpening(std::string_view address);
std::string ImageOpening(std::string_view path, uint32_t width, uint32_t height);

void InsertLinkToFile(TxeEditModel& editor, const std::string& path);
void InsertUrlFromFile(TxeEditModel& editor, const std::string& fileName);
// False when the picture cannot be opened; nothing is inserted then.
bool InsertImageFromFile(TxeEditModel& editor, const std::string& path);
