// A file opened although it does not look like text is saved back byte for byte: its text in the editor
// is its bytes with LF the only line break, no tab exchange, and the last line ending where the file
// ends (a final LF leaves an empty last line). A CR is no line break there, but the editor's line list
// would take one for it: every CR is held instead as the UTF-8 form of the lone surrogate U+DC0D
// (ED B0 8D), which no character has, as 8-bit code pages hold their bytes without a character. So that
// the form means one thing only, a byte ED that would begin such a form (ED followed by B0..B3) is held
// as U+DCED (ED B3 AD). Valid UTF-8 never holds them, so text is shown and edited as it is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The bytes the text of File takes once its CRs and ambiguous EDs are held as above.
std::size_t KeptBytesSize(std::string_view File);
// Turns a file's bytes into that text, in place (Size: KeptBytesSize's answer).
void KeepBytesInPlace(std::string& Text, std::size_t Size);
// Appends one line of such a text with its bytes as they are in the file.
void AppendKeptBytes(std::string& Out, std::string_view Line);
