// Values of INI files read as the Windows profile functions read them (Internet shortcut files).
#pragma once

#include <string>
#include <string_view>

// The value of Key in the first section named Section of Text: section and key names compared without
// case, blanks around names and values ignored, one pair of enclosing quotes removed from the value, a byte
// order mark at the start skipped. DefaultValue when the section or the key is missing.
std::string ProfileStringOf(std::string_view Text, std::string_view Section, std::string_view Key,
                            std::string_view DefaultValue);

// The same from a file; a missing file gives DefaultValue. Only a regular file of reasonable size is
// read: anything else gives false and Why.
bool ReadProfileString(const std::string& FileName, std::string_view Section, std::string_view Key,
                       std::string_view DefaultValue, std::string& Value, std::string* Why = nullptr);
