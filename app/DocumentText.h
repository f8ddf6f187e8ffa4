// Document text between file bytes and editor lines: a tab in a file is four blanks in the editor,
// four blanks in the editor are a tab in the file. Files may end lines with CR, LF or CR LF (the
// editor's line list splits them) and are always written with CR LF.
#pragma once

#include <string>
#include <string_view>

// Appends Chunk to Out with every tab replaced by four blanks.
void AppendExpandingTabs(std::string& Out, std::string_view Chunk);

// The same for a whole text.
std::string ExpandTabs(std::string_view Text);

// Appends one editor line in file form: each group of four blanks, left to right, becomes a tab;
// then CR LF.
void AppendFileLine(std::string& Out, std::string_view Line);
