// The text conversions of the "Text conversion" menu: pure functions on UTF-8 text.
#pragma once

#include <string>
#include <string_view>

// A run of blanks becomes one blank; tabs and line breaks stay.
std::string RemoveExtraBlanks(std::string_view text);
// Everything from a "<" up to and including the next ">" goes; an unclosed "<" takes the rest.
std::string RemoveTags(std::string_view text);
// Unicode case mapping of whole characters; bytes that are not UTF-8 pass through untouched.
std::string ToUpperText(std::string_view text);
std::string ToLowerText(std::string_view text);
// Upper-cases the first letter after a blank, ">", tab or CR (skipping punctuation and line feeds).
std::string Capitalise(std::string_view text);
// Lower-case everything, then Capitalise.
std::string StrictCapitalise(std::string_view text);
