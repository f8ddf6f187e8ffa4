// Document text between file bytes and editor lines: a tab in a file is four blanks in the editor,
// four blanks in the editor are a tab in the file, unless the user keeps tabs and blanks as they
// are. Files may end lines with CR, LF or CR LF (the editor's line list splits them); a document is
// written with the line break its file had, or the one the user chose, and in its file's encoding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "TextEncoding.h"

// The line break of a document; a new document uses LF.
enum TLineBreak : unsigned char { lbLF, lbCRLF, lbCR };

// The Setup choice "Line breaks": 0 as in the file, 1 CR LF, 2 LF.
enum TLineBreakChoice : int { lcAsInFile = 0, lcCRLF = 1, lcLF = 2 };

// How a document is written to its file.
struct TFileForm {
  TFileForm(TLineBreak Break = lbCRLF, bool ExchangeTabs = true, const TEncoding& Encoding = {},
            bool KeepBytes = false)
      : Break(Break), ExchangeTabs(ExchangeTabs), Encoding(Encoding), KeepBytes(KeepBytes) {}
  TLineBreak Break = lbCRLF;
  bool ExchangeTabs = true;  // four blanks become a tab
  TEncoding Encoding;        // the file's; a new document is UTF-8
  // A file opened although it does not look like text: its bytes are kept as they are, whatever Break and
  // ExchangeTabs say (see DocumentKeptBytes.h).
  bool KeepBytes = false;
  // Of the file's bytes as they were read (set by the readers), to tell a later change of them.
  std::optional<std::uint64_t> Checksum;
  // After a read: the label of the encoding the file declares when its UTF-8 overruled it; else empty.
  std::string OverruledDeclaration;
};

// The break of a file's text: its first line break; LF when it has none.
TLineBreak DetectLineBreak(std::string_view Text);
// The break a document is saved with under a Setup choice.
TLineBreak ChosenLineBreak(int Choice, TLineBreak OfDocument);
std::string_view LineBreakBytes(TLineBreak Break);
// "LF", "CR LF", "CR".
const char* LineBreakName(TLineBreak Break);

// Appends Chunk to Out with every tab replaced by four blanks.
void AppendExpandingTabs(std::string& Out, std::string_view Chunk);

// The same for a whole text.
std::string ExpandTabs(std::string_view Text);

// Appends one editor line in file form: with the exchange, each group of four blanks, left to right,
// becomes a tab; then the line break.
void AppendFileLine(std::string& Out, std::string_view Line, const TFileForm& Form = {});

// The same in place: the text grows by three bytes per tab and no second copy is made.
void ExpandTabsInPlace(std::string& Text);

// How many of a file's first bytes decide whether it looks like text.
inline constexpr std::size_t TextSniffLength = 64 * 1024;

// False for bytes that are not text: a NUL byte, or mostly control characters other than the usual
// white space, form feed and escape.
bool LooksLikeText(std::string_view Head);
