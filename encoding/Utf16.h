// UTF-16 between its bytes and UTF-8. A surrogate without its partner stays in the editor's text as its
// three-byte form (ED A0..BF xx), which is not valid UTF-8, so the editor keeps it as bytes, and is
// written back as the same unit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Bytes of the UTF-8 that Units (without a byte-order mark) give; npos for an odd number of bytes.
std::size_t Utf16DecodedSize(std::string_view Units, bool BigEndian);
std::string Utf16ToUtf8(std::string_view Units, bool BigEndian);

// Offset of the first byte of Utf8 that is no character and no lone surrogate; npos when there is none.
std::size_t Utf16FirstUnencodable(std::string_view Utf8);
// False at such a byte.
bool AppendUtf16(std::string& Out, std::string_view Utf8, bool BigEndian);
