// An 8-bit code page between its bytes and UTF-8, with its table taken from iconv once.
//
// A byte with no character in the code page stays the same byte in the editor's text, where it is not
// valid UTF-8 and so is kept as it is. Two such bytes in a row could form a valid UTF-8 character (a lead
// byte C2..F4 followed by a continuation byte 80..BF); such a lead byte, and a byte below 80 without a
// character, is written instead as the UTF-8 form of the lone surrogate U+DC00 + byte (ED B0..B3 xx),
// which is not valid UTF-8 either and never comes from a character. Encoding reverses both, so every file
// comes back byte for byte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TCodePageTable {
 public:
  // The table of a code page by its iconv name, built on first use; nullptr when iconv has no such
  // 8-bit code page (or one whose bytes 00..7F are not ASCII).
  static const TCodePageTable* Of(const char* IconvName);

  std::size_t DecodedSize(std::string_view File) const;
  // Size: DecodedSize(File), when the caller has counted it already.
  std::string Decode(std::string_view File, std::size_t Size = std::string_view::npos,
                     std::size_t Spare = 0) const;
  std::size_t FirstUnencodable(std::string_view Utf8) const;
  bool Append(std::string& Out, std::string_view Utf8) const;

  // The byte's character (in UTF-8), empty for a byte without one.
  std::string_view CharOf(unsigned char Byte) const { return {FDecode[Byte].Utf8, FDecode[Byte].Len}; }

 private:
  TCodePageTable() = default;
  bool Build(const char* IconvName);
  void FindComposed(const char* IconvName);
  bool Defined(unsigned char Byte) const { return FDecode[Byte].Len != 0; }
  // Bytes the file's Byte takes in the editor, given the byte after it (-1 at the end).
  std::size_t PieceSize(unsigned char Byte, int Next) const;
  // The byte an escape (ED B0..B3 xx) at Utf8[I] stands for, or -1 when there is none there.
  int EscapedByte(std::string_view Utf8, std::size_t I) const;
  // Length of the character at Utf8[I] and the bytes it becomes (none: the code page cannot hold it).
  int Encode(std::string_view Utf8, std::size_t I, std::string_view* Bytes) const;

  struct TEntry {
    char Utf8[4] = {};      // stored four bytes at a time
    unsigned char Len = 0;  // 0: no character
  };
  TEntry FDecode[256];
  // For counting: the UTF-8 length of each byte (1 for a byte without a character), and whether it
  // has none.
  std::array<unsigned char, 256> FSize = Ones(), FMissing = Ones();
  static constexpr std::array<unsigned char, 256> Ones() {
    std::array<unsigned char, 256> ones{};
    ones.fill(1);
    return ones;
  }
  // Code point -> byte: a page of 256 code points for each block the code page uses.
  int ByteOf(char32_t Code) const {
    const unsigned page = Code < 0x10000 ? FPageOf[Code >> 8] : 0;
    return page ? FPages[page - 1][Code & 0xFF] : -1;
  }
  void SetByteOf(char32_t Code, int Byte);
  std::array<std::uint8_t, 256> FPageOf{};  // 0: no page
  std::vector<std::array<std::int16_t, 256>> FPages;
  // Letters that a code page for combining marks (windows-1255, windows-1258) holds only as a letter
  // and a mark, as iconv writes them.
  std::unordered_map<char32_t, std::string> FComposed;
};
