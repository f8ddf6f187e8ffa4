// Small string routines shared by the main window's commands.
#pragma once

#include <string>
#include <string_view>

// Replaces every occurrence of Find in Text by Replacement, left to right; occurrences do not
// overlap and replaced text is never searched again. Without case sensitivity ASCII letters
// match either case (byte lengths stay the same, so positions in the folded text are valid).
std::string ReplaceAll(std::string_view Text, std::string_view Find, std::string_view Replacement,
                       bool CaseSensitive);
