// The encodings a text file can be in. The editor always holds UTF-8: a file in another encoding is
// decoded when it is read and encoded back when it is written, so that a file opened and saved unchanged
// keeps every byte. Bytes that are no character of their encoding survive as bytes the editor keeps as
// they are (see CodePage.h and Utf16.h). No Qt here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum TEncodingKind : unsigned char { ekUtf8, ekUtf16LE, ekUtf16BE, ekCodePage };

struct TEncoding {
  TEncodingKind Kind = ekUtf8;
  bool Bom = false;           // the file starts with a byte-order mark
  std::string_view CodePage;  // ekCodePage: the name of an entry of EightBitCodePages()
  bool operator==(const TEncoding& Other) const {
    return Kind == Other.Kind && Bom == Other.Bom && CodePage == Other.CodePage;
  }
};

// UTF-8 without a byte-order mark: the editor's own form, written as it is.
inline bool IsPlainUtf8(const TEncoding& Encoding) { return Encoding.Kind == ekUtf8 && !Encoding.Bom; }

// "UTF-8", "UTF-8 with BOM", "UTF-16 LE", "UTF-16 BE without BOM", "windows-1251".
std::string EncodingName(const TEncoding& Encoding);
// The name with what it is for: "windows-1251 (Cyrillic)".
std::string EncodingTitle(const TEncoding& Encoding);
// The encoding of a name EncodingName gives (case aside); false when there is none.
bool EncodingFromName(std::string_view Name, TEncoding* Encoding);
// The encoding a label in a document or from a detector means ("utf8", "cp1251", "latin1"), read as
// browsers read them: ISO-8859-1 and ASCII labels mean windows-1252, a UTF-16 label in a declaration
// means UTF-8. False for a label of no supported encoding.
bool EncodingFromLabel(std::string_view Label, TEncoding* Encoding);
// Whether a label names UTF-16 ("utf-16", "UTF-16LE", "ucs-2"...), which EncodingFromLabel reads as UTF-8.
bool IsUtf16Label(std::string_view Label);

// The 8-bit code pages, by name ("windows-1252", "ISO-8859-5", "KOI8-R"...).
const std::vector<std::string_view>& EightBitCodePages();
inline constexpr std::string_view DefaultEightBit = "windows-1252";
TEncoding CodePageEncoding(std::string_view Name);  // an unknown name gives windows-1252

// Every encoding a document can be reopened or saved in, UTF-8 first.
std::vector<TEncoding> DocumentEncodings();

// Bytes the file's text takes in UTF-8 once decoded; npos when File cannot be in that encoding (UTF-16
// of an odd length).
std::size_t DecodedSize(std::string_view File, const TEncoding& Encoding);
// Turns a whole file's bytes into UTF-8 (a byte-order mark the encoding has goes). Plain UTF-8
// is left as it is. False (File untouched) when DecodedSize says it cannot be. Size: DecodedSize's
// answer, when the caller has it already (a pass over the whole file fewer).
// Spare: bytes of room to leave beyond the text.
bool DecodeToUtf8(std::string& File, const TEncoding& Encoding, std::size_t Size = std::string_view::npos,
                  std::size_t Spare = 0);

// Turns the editor's UTF-8 into a file's encoding, piece by piece; pieces end between characters (at
// line ends).
class TTextEncoder {
 public:
  explicit TTextEncoder(const TEncoding& Encoding);
  // Nothing to convert: the text is written as it is.
  bool Identity() const { return FIdentity; }
  // The bytes that start the file (its byte-order mark).
  std::string_view Preamble() const;
  // Offset of the first character of Text the encoding cannot hold; npos when it holds them all.
  std::size_t FirstUnencodable(std::string_view Text) const;
  // Appends Text encoded; false when a character cannot be held (Out then holds part of the piece).
  bool Append(std::string& Out, std::string_view Text) const;

 private:
  TEncoding FEncoding;
  const class TCodePageTable* FTable = nullptr;
  bool FIdentity = false;
};
