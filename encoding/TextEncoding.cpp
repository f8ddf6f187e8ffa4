#include "TextEncoding.h"

#include <iconv.h>

#include <algorithm>

#include "CodePage.h"
#include "Utf16.h"

namespace {

struct TCodePageInfo {
  std::string_view Name;
  const char* Iconv;
  const char* Script;
  // Other labels, lower case, separated by blanks.
  std::string_view Labels;
};

// clang-format off
constexpr TCodePageInfo CodePages[] = {
    {"windows-1250", "WINDOWS-1250", "Central European", "cp1250 x-cp1250 "},
    {"windows-1251", "WINDOWS-1251", "Cyrillic", "cp1251 x-cp1251 "},
    {"windows-1252", "WINDOWS-1252", "Western",
     "cp1252 x-cp1252 iso-8859-1 iso8859-1 iso_8859-1 iso88591 iso-ir-100 latin1 l1 cp819 ibm819 csisolatin1 "
     "ascii us-ascii ansi_x3.4-1968 "},
    {"windows-1253", "WINDOWS-1253", "Greek", "cp1253 x-cp1253 "},
    {"windows-1254", "WINDOWS-1254", "Turkish",
     "cp1254 x-cp1254 iso-8859-9 iso8859-9 iso_8859-9 latin5 l5 "},
    {"windows-1255", "WINDOWS-1255", "Hebrew", "cp1255 x-cp1255 "},
    {"windows-1256", "WINDOWS-1256", "Arabic", "cp1256 x-cp1256 "},
    {"windows-1257", "WINDOWS-1257", "Baltic", "cp1257 x-cp1257 "},
    {"windows-1258", "WINDOWS-1258", "Vietnamese", "cp1258 x-cp1258 "},
    {"windows-874", "WINDOWS-874", "Thai", "cp874 dos-874 tis-620 iso-8859-11 iso8859-11 "},
    {"ISO-8859-1", "ISO-8859-1", "Western, C1 controls", ""},
    {"ISO-8859-2", "ISO-8859-2", "Central European", "iso8859-2 iso_8859-2 latin2 l2 "},
    {"ISO-8859-3", "ISO-8859-3", "South European", "iso8859-3 iso_8859-3 latin3 l3 "},
    {"ISO-8859-4", "ISO-8859-4", "Baltic", "iso8859-4 iso_8859-4 latin4 l4 "},
    {"ISO-8859-5", "ISO-8859-5", "Cyrillic", "iso8859-5 iso_8859-5 cyrillic "},
    {"ISO-8859-6", "ISO-8859-6", "Arabic", "iso8859-6 iso_8859-6 arabic "},
    {"ISO-8859-7", "ISO-8859-7", "Greek", "iso8859-7 iso_8859-7 greek greek8 "},
    {"ISO-8859-8", "ISO-8859-8", "Hebrew", "iso8859-8 iso_8859-8 hebrew visual "},
    {"ISO-8859-10", "ISO-8859-10", "Nordic", "iso8859-10 latin6 l6 "},
    {"ISO-8859-13", "ISO-8859-13", "Baltic", "iso8859-13 "},
    {"ISO-8859-14", "ISO-8859-14", "Celtic", "iso8859-14 "},
    {"ISO-8859-15", "ISO-8859-15", "Western, with the euro", "iso8859-15 iso_8859-15 latin9 l9 "},
    {"ISO-8859-16", "ISO-8859-16", "South-Eastern European", "iso8859-16 "},
    {"KOI8-R", "KOI8-R", "Cyrillic, Russian", "koi8 koi koi8_r cskoi8r "},
    {"KOI8-U", "KOI8-U", "Cyrillic, Ukrainian", "koi8-ru "},
    {"IBM866", "IBM866", "Cyrillic, DOS", "cp866 866 csibm866 "},
    {"macintosh", "MACINTOSH", "Western, Mac", "mac x-mac-roman csmacintosh "},
    {"x-mac-cyrillic", "MAC-CYRILLIC", "Cyrillic, Mac", "mac-cyrillic maccyrillic x-mac-ukrainian "},
};
// clang-format on

constexpr std::string_view Utf8Labels =
    "utf-8 utf8 unicode-1-1-utf-8 unicode11utf8 unicode20utf8 x-unicode20utf8 ";
// A page that says it is UTF-16 was read as ASCII to find that out: browsers take it as UTF-8.
constexpr std::string_view Utf16Labels =
    "utf-16 utf16 utf-16le utf-16be unicode ucs-2 csunicode iso-10646-ucs-2 unicodefeff unicodefffe ";

std::string Lower(std::string_view Text) {
  std::string lower(Text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return lower;
}

bool Listed(std::string_view Labels, std::string_view Label) {
  while (!Labels.empty()) {
    const std::size_t end = std::min(Labels.find(' '), Labels.size());
    if (Labels.substr(0, end) == Label) return true;
    Labels.remove_prefix(std::min(end + 1, Labels.size()));
  }
  return false;
}

// A label as it is compared: lower case, without the blanks declarations put around it.
std::string LabelKey(std::string_view Label) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; };
  while (!Label.empty() && blank(Label.front())) Label.remove_prefix(1);
  while (!Label.empty() && blank(Label.back())) Label.remove_suffix(1);
  return Lower(Label);
}

const TCodePageInfo* InfoOf(std::string_view Name) {
  for (const TCodePageInfo& info : CodePages)
    if (info.Name == Name) return &info;
  return nullptr;
}

const TCodePageTable* TableOf(std::string_view Name) {
  const TCodePageInfo* info = InfoOf(Name);
  return info ? TCodePageTable::Of(info->Iconv) : nullptr;
}

constexpr std::string_view Bom(const TEncoding& Encoding) {
  if (!Encoding.Bom) return {};
  switch (Encoding.Kind) {
    case ekUtf8: return "\xEF\xBB\xBF";
    case ekUtf16LE: return "\xFF\xFE";
    case ekUtf16BE: return "\xFE\xFF";
    default: return {};
  }
}

std::string_view Body(std::string_view File, const TEncoding& Encoding) {
  const std::string_view bom = Bom(Encoding);
  return File.substr(File.substr(0, bom.size()) == bom ? bom.size() : 0);
}

}  // namespace

std::string EncodingName(const TEncoding& Encoding) {
  switch (Encoding.Kind) {
    case ekUtf8: return Encoding.Bom ? "UTF-8 with BOM" : "UTF-8";
    case ekUtf16LE: return Encoding.Bom ? "UTF-16 LE" : "UTF-16 LE without BOM";
    case ekUtf16BE: return Encoding.Bom ? "UTF-16 BE" : "UTF-16 BE without BOM";
    default: return std::string(Encoding.CodePage);
  }
}

std::string EncodingTitle(const TEncoding& Encoding) {
  const TCodePageInfo* info = Encoding.Kind == ekCodePage ? InfoOf(Encoding.CodePage) : nullptr;
  return info ? EncodingName(Encoding) + " (" + info->Script + ")" : EncodingName(Encoding);
}

bool EncodingFromName(std::string_view Name, TEncoding* Encoding) {
  const std::string wanted = Lower(Name);
  std::vector<TEncoding> all = DocumentEncodings();
  all.push_back({ekUtf16LE, false, {}});
  all.push_back({ekUtf16BE, false, {}});
  for (const TEncoding& candidate : all) {
    if (Lower(EncodingName(candidate)) != wanted) continue;
    *Encoding = candidate;
    return true;
  }
  return false;
}

bool EncodingFromLabel(std::string_view Label, TEncoding* Encoding) {
  const std::string label = LabelKey(Label);
  if (label.empty()) return false;
  if (Listed(Utf8Labels, label) || Listed(Utf16Labels, label)) {
    *Encoding = TEncoding{};
    return true;
  }
  const TCodePageInfo* found = nullptr;
  for (const TCodePageInfo& info : CodePages)
    if (Listed(info.Labels, label)) found = &info;
  if (!found)
    for (const TCodePageInfo& info : CodePages)
      if (Lower(info.Name) == label) found = &info;
  if (!found || !TableOf(found->Name)) return false;
  *Encoding = TEncoding{ekCodePage, false, found->Name};
  return true;
}

bool IsUtf16Label(std::string_view Label) {
  const std::string label = LabelKey(Label);
  return !label.empty() && Listed(Utf16Labels, label);
}

const std::vector<std::string_view>& EightBitCodePages() {
  // What iconv offers; the tables themselves are made when first used.
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> available;
    for (const TCodePageInfo& info : CodePages) {
      const iconv_t cd = ::iconv_open("UTF-32LE", info.Iconv);
      if (cd == iconv_t(-1)) continue;
      ::iconv_close(cd);
      available.push_back(info.Name);
    }
    return available;
  }();
  return names;
}

TEncoding CodePageEncoding(std::string_view Name) {
  const auto& names = EightBitCodePages();
  const auto at = std::find(names.begin(), names.end(), Name);
  return {ekCodePage, false, at != names.end() ? *at : DefaultEightBit};
}

std::vector<TEncoding> DocumentEncodings() {
  std::vector<TEncoding> all = {
      {ekUtf8, false, {}}, {ekUtf8, true, {}}, {ekUtf16LE, true, {}}, {ekUtf16BE, true, {}}};
  for (std::string_view name : EightBitCodePages()) all.push_back({ekCodePage, false, name});
  return all;
}

std::size_t DecodedSize(std::string_view File, const TEncoding& Encoding) {
  const std::string_view body = Body(File, Encoding);
  switch (Encoding.Kind) {
    case ekUtf8: return body.size();
    case ekUtf16LE:
    case ekUtf16BE: return Utf16DecodedSize(body, Encoding.Kind == ekUtf16BE);
    default: {
      const TCodePageTable* table = TableOf(Encoding.CodePage);
      return table ? table->DecodedSize(body) : std::string_view::npos;
    }
  }
}

bool DecodeToUtf8(std::string& File, const TEncoding& Encoding, std::size_t Size, std::size_t Spare) {
  if (IsPlainUtf8(Encoding)) return true;
  if (Size == std::string_view::npos) Size = DecodedSize(File, Encoding);
  if (Size == std::string_view::npos) return false;
  const std::size_t bom = File.size() - Body(File, Encoding).size();
  switch (Encoding.Kind) {
    case ekUtf8: File.erase(0, bom); break;
    case ekUtf16LE:
    case ekUtf16BE: {
      std::string text = Utf16ToUtf8(std::string_view(File).substr(bom), Encoding.Kind == ekUtf16BE);
      File.swap(text);
      break;
    }
    default: {
      std::string text = TableOf(Encoding.CodePage)->Decode(File, Size, Spare);
      File.swap(text);
    }
  }
  return true;
}

TTextEncoder::TTextEncoder(const TEncoding& Encoding) : FEncoding(Encoding) {
  FIdentity = Encoding.Kind == ekUtf8;
  if (Encoding.Kind == ekCodePage) FTable = TableOf(Encoding.CodePage);
}

std::string_view TTextEncoder::Preamble() const { return Bom(FEncoding); }

std::size_t TTextEncoder::FirstUnencodable(std::string_view Text) const {
  switch (FEncoding.Kind) {
    case ekUtf8: return std::string_view::npos;
    case ekUtf16LE:
    case ekUtf16BE: return Utf16FirstUnencodable(Text);
    default:
      // Without its table nothing could be written correctly.
      if (!FTable) return Text.empty() ? std::string_view::npos : 0;
      return FTable->FirstUnencodable(Text);
  }
}

bool TTextEncoder::Append(std::string& Out, std::string_view Text) const {
  switch (FEncoding.Kind) {
    case ekUtf8: Out.append(Text); return true;
    case ekUtf16LE:
    case ekUtf16BE: return AppendUtf16(Out, Text, FEncoding.Kind == ekUtf16BE);
    default: return FTable && FTable->Append(Out, Text);
  }
}
