// UTF-8 character helpers: a valid sequence of two to four bytes is one character that the caret, block
// edges, deletions and overwrites never split; every byte that starts no valid sequence is one character.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Byte length of the character starting at S[I]: 2..4 for a valid multi-byte sequence, else 1 (0 past the
// end).
int Utf8CharLen(std::string_view S, std::size_t I);

// Index of the first byte of the character that holds byte I (I itself when it starts one).
std::size_t Utf8CharStart(std::string_view S, std::size_t I);

// True when byte I lies inside a multi-byte character, on one of its continuation bytes.
inline bool Utf8IsInside(std::string_view S, std::size_t I) {
  return I < S.size() && Utf8CharStart(S, I) != I;
}

// The same in the editor's 1-based columns: column Col of line S is inside a character.
inline bool ColumnInsideChar(std::string_view S, int Col) {
  return Col > 1 && Utf8IsInside(S, static_cast<std::size_t>(Col - 1));
}
// Column Col moved back to the start of its character.
int ColumnCharStart(std::string_view S, int Col);
// Column Col moved forward to the start of the next character when it lies inside one.
int ColumnCharNext(std::string_view S, int Col);

// Display width of a code point: 2 for East Asian wide and full-width characters, else 1. The one table of
// widths: the model, the screen and printing all use it.
int CodePointCells(char32_t C);

// Number of display cells of the character starting at S[I] (a byte that is not valid UTF-8: 1).
int Utf8CellWidth(std::string_view S, std::size_t I);

// The column a user counts for byte column Col (1-based): characters before it plus one, each
// column beyond the line's end counting one. ASCII stretches are counted eight bytes at a time.
int CharColumn(std::string_view S, int Col);

// True when S is plain ASCII without tabs, so byte columns and display cells agree.
bool IsPlainAscii(std::string_view S);

// Length (1..4) and code point of the character at S[I] (I < S.size()). A byte that does not start a
// valid sequence is a character of its own: length 1, and its code is the byte value.
int Utf8Decode(std::string_view S, std::size_t I, char32_t* Code);

// Appends the UTF-8 bytes of C; surrogates and values beyond U+10FFFF become U+FFFD.
void AppendUtf8(std::string& Out, char32_t C);
