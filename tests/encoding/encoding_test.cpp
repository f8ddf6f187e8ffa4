// Files in legacy encodings: the decision which encoding a file is in, and decoding and encoding that
// give every file back byte for byte.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "EncodingDetect.h"
#include "IconvProgram.h"
#include "TextEncoding.h"
#include "xeUtf8.h"

namespace {

const char* IconvNameOf(const TEncoding& Encoding) {
  switch (Encoding.Kind) {
    case ekUtf8: return "UTF-8";
    case ekUtf16LE: return "UTF-16LE";
    case ekUtf16BE: return "UTF-16BE";
    default: break;
  }
  static const std::pair<std::string_view, const char*> special[] = {{"macintosh", "MACINTOSH"},
                                                                     {"x-mac-cyrillic", "MAC-CYRILLIC"}};
  for (const auto& [name, iconv] : special)
    if (Encoding.CodePage == name) return iconv;
  static std::vector<std::string> upper;
  upper.emplace_back(Encoding.CodePage);
  for (char& c : upper.back()) c = char(std::toupper(static_cast<unsigned char>(c)));
  return upper.back().c_str();
}

std::string Nfc(const std::string& Text) {
  return QString::fromStdString(Text).normalized(QString::NormalizationForm_C).toStdString();
}

std::string Decoded(std::string File, const TEncoding& Encoding) {
  EXPECT_TRUE(DecodeToUtf8(File, Encoding));
  return File;
}

// Encodes as the file writer does: piece by piece, each ending with a line.
std::string Encoded(const std::string& Text, const TEncoding& Encoding) {
  const TTextEncoder encoder(Encoding);
  std::string out(encoder.Preamble());
  std::size_t start = 0;
  while (start < Text.size()) {
    const std::size_t end = std::min(Text.find('\n', start), Text.size() - 1) + 1;
    EXPECT_TRUE(encoder.Append(out, std::string_view(Text).substr(start, end - start)));
    start = end;
  }
  return out;
}

TEST(Encodings, RandomBytesComeBackInEveryEncoding) {
  std::mt19937 random(15);
  for (const TEncoding& encoding : DocumentEncodings()) {
    const std::string name = EncodingName(encoding);
    const std::string bom(TTextEncoder(encoding).Preamble());
    for (int round = 0; round < 300; ++round) {
      // Runs of high bytes make neighbours without a character; line breaks cut pieces.
      std::string bytes(random() % 64 * 2, '\0');
      for (char& c : bytes)
        c = random() % 8 == 0 ? '\n' : char(random() % 3 ? 0x80 + random() % 128 : random());
      const std::string file = bom + bytes;
      const std::string text = Decoded(file, encoding);
      ASSERT_EQ(DecodedSize(file, encoding), text.size()) << name;
      EXPECT_EQ(TTextEncoder(encoding).FirstUnencodable(text), std::string::npos) << name;
      ASSERT_EQ(Encoded(text, encoding), file) << name << " round " << round;
    }
  }
}

TEST(Encodings, TextComesBackWhereTheEncodingHoldsItAndOtherwiseTheFirstCharacterIsFound) {
  std::mt19937 random(1251);
  const char32_t outside = U'\u4E2D';  // in no 8-bit code page
  for (const TEncoding& encoding : DocumentEncodings()) {
    if (encoding.Kind != ekCodePage) continue;
    // The characters of the code page, as iconv reads its bytes.
    std::string all;
    for (int byte = 0x20; byte < 256; ++byte) all += char(byte);
    const std::string repertoire = Decoded(all, encoding);
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < repertoire.size(); i += std::size_t(Utf8CharLen(repertoire, i)))
      if (Utf8CharLen(repertoire, i) > 1)
        characters.push_back(repertoire.substr(i, std::size_t(Utf8CharLen(repertoire, i))));
    for (int round = 0; round < 50; ++round) {
      std::string text;
      for (int n = random() % 40; n > 0; --n)
        text += random() % 2 ? std::string(1, char('a' + random() % 26))
                             : characters[random() % characters.size()];
      ASSERT_EQ(Decoded(Encoded(text, encoding), encoding), text) << EncodingName(encoding);
      const std::size_t at = text.size() / 2;
      std::string wide;
      AppendUtf8(wide, outside);
      const std::string spoilt =
          text.substr(0, Utf8CharStart(text, at)) + wide + text.substr(Utf8CharStart(text, at));
      EXPECT_EQ(TTextEncoder(encoding).FirstUnencodable(spoilt), Utf8CharStart(text, at))
          << EncodingName(encoding);
      std::string out;
      EXPECT_FALSE(TTextEncoder(encoding).Append(out, spoilt));
    }
  }
}

TEST(Encodings, RealFilesMadeByIconvReadAndWriteAlike) {
  const std::string sample =
      "<p>Caf\u00E9 cr\u00E8me \u20AC 5 \u2014 \u00BFQu\u00E9? \u0141\u00F3d\u017A "
      "\u0160\u0165astn\u00FD</p>\n"
      "<p>\u0421\u044A\u0435\u0448\u044C \u0436\u0435 \u0435\u0449\u0451 \u044D\u0442\u0438\u0445 "
      "\u0491\u0454</p>\r\n"
      "<p>\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1 \u05E9\u05DC\u05D5\u05DD "
      "\u0645\u0631\u062D\u0628\u0627 "
      "\u0E2A\u0E27\u0E31\u0E2A\u0E14\u0E35 Vi\u1EC7t \u00C5se \u0100\u012B</p>\n";
  for (const TEncoding& encoding : DocumentEncodings()) {
    const std::string name = EncodingName(encoding);
    if (encoding.Kind == ekUtf8) continue;
    // Only what the code page holds; iconv reads its own file back for the text expected.
    std::string file = IconvProgram(sample, "UTF-8", IconvNameOf(encoding), true);
    ASSERT_FALSE(file.empty()) << name;
    file = std::string(TTextEncoder(encoding).Preamble()) + file;
    const std::string expected =
        IconvProgram(file.substr(TTextEncoder(encoding).Preamble().size()), IconvNameOf(encoding), "UTF-8");
    EXPECT_GE(std::count_if(expected.begin(), expected.end(), [](char c) { return c & 0x80; }), 6) << name;
    // iconv joins a letter and its combining mark into one character (windows-1255, windows-1258);
    // the editor keeps them as the file has them, which is the same text.
    const std::string text = Decoded(file, encoding);
    EXPECT_EQ(Nfc(text), Nfc(expected)) << name;
    EXPECT_EQ(Encoded(text, encoding), file) << name;
    EXPECT_EQ(Encoded(expected, encoding), file) << name;
  }
}

TEST(Encodings, NamesAndLabels) {
  struct Case {
    const char* Label;
    const char* Name;  // "" when the label names no supported encoding
  };
  const Case cases[] = {
      {"utf-8", "UTF-8"},
      {" UTF8 ", "UTF-8"},
      {"utf-16le", "UTF-8"},
      {"Windows-1251", "windows-1251"},
      {"CP1251", "windows-1251"},
      {"iso-8859-1", "windows-1252"},
      {"US-ASCII", "windows-1252"},
      {"latin1", "windows-1252"},
      {"ISO-8859-9", "windows-1254"},
      {"TIS-620", "windows-874"},
      {"koi8-r", "KOI8-R"},
      {"MAC-CYRILLIC", "x-mac-cyrillic"},
      {"IBM866", "IBM866"},
      {"iso-8859-15", "ISO-8859-15"},
      {"shift_jis", ""},
      {"", ""},
      {"x-unknown", ""},
  };
  for (const Case& c : cases) {
    TEncoding encoding;
    const bool known = EncodingFromLabel(c.Label, &encoding);
    EXPECT_EQ(known ? EncodingName(encoding) : "", c.Name) << c.Label;
  }
  for (const TEncoding& encoding : DocumentEncodings()) {
    TEncoding back;
    ASSERT_TRUE(EncodingFromName(EncodingName(encoding), &back));
    EXPECT_EQ(back, encoding);
  }
  EXPECT_EQ(EncodingTitle(CodePageEncoding("windows-1251")), "windows-1251 (Cyrillic)");
}

TEST(EncodingDeclarations, HtmlMetaCharsets) {
  struct Case {
    const char* Page;
    const char* Label;
  };
  const Case cases[] = {
      {"<meta charset=\"windows-1251\">", "windows-1251"},
      {"<META CHARSET=KOI8-R>", "KOI8-R"},
      {"<meta   charset = 'cp1251' />", "cp1251"},
      {"<meta\tcharset=utf-8 />", "utf-8"},
      {"<meta charset=utf-8/>", ""},
      {"<head><meta name=\"x\" content=\"y\"><meta charset=\"iso-8859-5\"></head>", "iso-8859-5"},
      {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">", "windows-1251"},
      {"<meta content='text/html;charset = \"koi8-r\"' HTTP-EQUIV='content-type'>", "koi8-r"},
      {"<meta http-equiv=refresh content=\"text/html; charset=windows-1251\">", ""},
      {"<meta content=\"text/html; charset=windows-1251\">", ""},
      {"<!-- <meta charset=\"koi8-r\"> --><meta charset=\"windows-1251\">", "windows-1251"},
      {"<div title=\"<meta charset=koi8-r>\"><meta charset=\"windows-1253\">", "windows-1253"},
      {"<meta charset=\"bogus\"><meta charset=\"windows-1250\">", "windows-1250"},
      {"<metadata charset=\"koi8-r\">", ""},
      {"<meta charset=\"koi8-r", ""},
      {"no markup at all", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(HtmlCharsetLabel(c.Page), c.Label) << c.Page;
  // Only the first 4 KB count.
  EXPECT_EQ(HtmlCharsetLabel(std::string(4090, ' ') + "<meta charset=\"koi8-r\">"), "");
}

TEST(EncodingDeclarations, CssCharsetRules) {
  const std::pair<const char*, const char*> cases[] = {
      {"@charset \"windows-1251\";\nbody {}", "windows-1251"},
      {"@CHARSET   'koi8-r' ;", "koi8-r"},
      {"@charset \"utf-8\"", ""},
      {" @charset \"koi8-r\";", ""},
      {"/* x */ @charset \"koi8-r\";", ""},
      {"@charset koi8-r;", ""},
      {"@charsetx \"koi8-r\";", ""},
  };
  for (const auto& [sheet, label] : cases) EXPECT_EQ(CssCharsetLabel(sheet), label) << sheet;
}

TEST(EncodingDeclarations, SavingChangesTheFirstDeclarationToTheEncodingSaved) {
  const TEncoding utf8{}, bom{ekUtf8, true, {}}, utf16{ekUtf16LE, true, {}};
  const TEncoding cyrillic = CodePageEncoding("windows-1251"), western = CodePageEncoding("windows-1252");
  struct Case {
    std::string Text;
    TDeclarations Kind;
    TEncoding Saved;
    std::string Expected;  // "" when the text stays as it is
  };
  const std::string far(4090, ' ');
  const Case cases[] = {
      {"<meta charset=\"utf-8\">", dcHTML, cyrillic, "<meta charset=\"windows-1251\">"},
      {"<html><head><META CHARSET=KOI8-R><title>", dcHTML, utf8, "<html><head><META CHARSET=utf-8><title>"},
      {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\n<p>", dcHTML, utf8,
       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n<p>"},
      {"<meta content='text/html;charset = \"koi8-r\"' http-equiv='content-type'>", dcHTML, cyrillic,
       "<meta content='text/html;charset = \"windows-1251\"' http-equiv='content-type'>"},
      {"<meta charset=\" koi8-r \">", dcHTML, bom, "<meta charset=\" utf-8 \">"},
      {"<meta charset=\"shift_jis\"><meta charset=\"windows-1250\">", dcHTML, utf8,
       "<meta charset=\"utf-8\"><meta charset=\"windows-1250\">"},
      {"<meta charset=\"koi8-r\"><meta charset=\"koi8-r\">", dcHTML, utf8,
       "<meta charset=\"utf-8\"><meta charset=\"koi8-r\">"},
      {"<!-- <meta charset=\"utf-8\"> --><meta charset=\"utf-8\">", dcHTML, western,
       "<!-- <meta charset=\"utf-8\"> --><meta charset=\"windows-1252\">"},
      {"<meta charset=\"utf-8\">", dcHTML, utf16, "<meta charset=\"utf-16\">"},
      {"<meta charset=\"utf-16\">", dcHTML, utf8, "<meta charset=\"utf-8\">"},
      {"@charset \"windows-1251\";\nbody {}", dcCSS, utf8, "@charset \"utf-8\";\nbody {}"},
      {"@CHARSET 'utf-8' ;", dcCSS, CodePageEncoding("KOI8-R"), "@CHARSET 'KOI8-R' ;"},
      // Declarations that already say what is saved, by name or by a label readers take for it.
      {"<meta charset=\"UTF-8\">", dcHTML, bom, ""},
      {"<meta charset=\"utf8\">", dcHTML, utf8, ""},
      {"<meta charset=cp1251>", dcHTML, cyrillic, ""},
      {"<meta charset=iso-8859-1>", dcHTML, western, ""},
      {"<meta charset=ISO-8859-1>", dcHTML, CodePageEncoding("ISO-8859-1"), ""},
      {"<meta charset=\"UTF-16LE\">", dcHTML, {ekUtf16BE, true, {}}, ""},
      // No declaration to change.
      {"<p>no declaration</p>", dcHTML, cyrillic, ""},
      {"<meta charset=\"\">", dcHTML, cyrillic, ""},
      {"<meta http-equiv=refresh content=\"text/html; charset=koi8-r\">", dcHTML, utf8, ""},
      {"<meta charset=\"koi8-r\">", dcCSS, utf8, ""},
      {"<meta charset=\"koi8-r\">", dcNone, utf8, ""},
      {" @charset \"koi8-r\";", dcCSS, utf8, ""},
      {"/* */@charset \"koi8-r\";", dcCSS, utf8, ""},
      {far + "<meta charset=\"koi8-r\">", dcHTML, utf8, ""},
  };
  for (const Case& c : cases) {
    const auto change = DeclarationChangeFor(c.Text, c.Kind, c.Saved);
    std::string text = c.Text;
    if (change) text.replace(change->Start, change->End - change->Start, change->New);
    EXPECT_EQ(text, c.Expected.empty() ? c.Text : c.Expected) << c.Text << " as " << EncodingName(c.Saved);
    EXPECT_EQ(change.has_value(), !c.Expected.empty()) << c.Text;
    // What was there is what the question names; the text saved reads back in what it says.
    if (!change) continue;
    EXPECT_EQ(change->Old, c.Text.substr(change->Start, change->End - change->Start));
    EXPECT_FALSE(DeclarationChangeFor(text, c.Kind, c.Saved)) << text;
  }
}

TEST(EncodingDecision, FollowsTheOrderBrowsersFollow) {
  const std::string russian = IconvProgram(
      "\u0421\u044A\u0435\u0448\u044C \u0436\u0435 \u0435\u0449\u0451 \u044D\u0442\u0438\u0445 "
      "\u043C\u044F\u0433\u043A\u0438\u0445 "
      "\u0444\u0440\u0430\u043D\u0446\u0443\u0437\u0441\u043A\u0438\u0445 \u0431\u0443\u043B\u043E\u043A, "
      "\u0434\u0430 "
      "\u0432\u044B\u043F\u0435\u0439 \u0447\u0430\u044E.\n",
      "UTF-8", "WINDOWS-1251");
  const std::string utf8 = Decoded(russian, CodePageEncoding("windows-1251"));
  struct Case {
    const char* What;
    std::string File;
    TDeclarations Declarations;
    const char* Expected;
    const char* Overruled = "";
  };
  const Case cases[] = {
      {"byte-order mark before a declaration", "\xEF\xBB\xBF<meta charset=koi8-r>", dcHTML, "UTF-8 with BOM"},
      {"byte-order mark before a declaration UTF-8 contradicts", "\xEF\xBB\xBF<meta charset=koi8-r>" + utf8,
       dcHTML, "UTF-8 with BOM"},
      {"UTF-16 LE mark", std::string("\xFF\xFEx\0", 4), dcNone, "UTF-16 LE"},
      {"UTF-16 BE mark", std::string("\xFE\xFF\0x", 4), dcNone, "UTF-16 BE"},
      {"an odd UTF-16 file is read byte by byte", std::string("\xFF\xFEx", 3), dcNone, "windows-1251"},
      {"declaration before text in it", "<meta charset=koi8-r>" + IconvProgram(utf8, "UTF-8", "KOI8-R"),
       dcHTML, "KOI8-R"},
      {"declaration before ASCII", "<meta charset=koi8-r><p>plain</p>", dcHTML, "KOI8-R"},
      {"declaration before valid UTF-8", "<meta charset=koi8-r>\u0416", dcHTML, "UTF-8", "koi8-r"},
      {"pragma before valid UTF-8",
       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">\n<p>" + utf8, dcHTML,
       "UTF-8", "windows-1251"},
      {"@charset before valid UTF-8", "@charset \"cp1251\";\n/* " + utf8 + " */", dcCSS, "UTF-8", "cp1251"},
      {"UTF-8 declared, not UTF-8", "<meta charset=utf-8>" + russian, dcHTML, "UTF-8"},
      {"UTF-8 declared, UTF-8", "<meta charset=utf-8>" + utf8, dcHTML, "UTF-8"},
      {"declarations only where they belong", "<meta charset=koi8-r>" + russian, dcCSS, "windows-1251"},
      {"style sheet", "@charset \"windows-1253\";", dcCSS, "windows-1253"},
      {"valid UTF-8", "caf\u00E9", dcNone, "UTF-8"},
      {"the detector", "<p>" + russian, dcNone, "windows-1251"},
      {"the detector, KOI8-R", IconvProgram(utf8, "UTF-8", "KOI8-R"), dcNone, "KOI8-R"},
      {"the Setup choice when the detector cannot tell", "x\x81y", dcNone, "windows-1251"},
  };
  TEncodingChoice choice;
  choice.EightBit = CodePageEncoding("windows-1251");
  for (const Case& c : cases) {
    choice.Declarations = c.Declarations;
    std::string overruled;
    EXPECT_EQ(EncodingName(DecideEncoding(c.File, choice, &overruled)), c.Expected) << c.What;
    EXPECT_EQ(overruled, c.Overruled) << c.What;
  }
  // The user's choice; of the file only its mark counts.
  choice.Forced = TEncoding{ekUtf16LE, false, {}};
  EXPECT_EQ(EncodingName(DecideEncoding(std::string("\xFF\xFEx\0", 4), choice)), "UTF-16 LE");
  EXPECT_EQ(EncodingName(DecideEncoding("ab", choice)), "UTF-16 LE without BOM");
  EXPECT_EQ(DecodedSize("abc", *choice.Forced), std::string::npos);
}

TEST(EncodingDecision, Utf8ValidityAgreesWithTheEditor) {
  std::mt19937 random(8);
  const unsigned char interesting[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xC1, 0xC2,
                                       0xDF, 0xE0, 0xE1, 0xED, 0xEE, 0xEF, 0xF0, 0xF1, 0xF4, 0xF5, 0xFF};
  for (int round = 0; round < 20000; ++round) {
    std::string bytes(random() % 24, 'a');
    for (char& c : bytes)
      if (random() % 2) c = char(interesting[random() % sizeof interesting]);
    bool valid = true;
    for (std::size_t i = 0; i < bytes.size(); i += std::size_t(Utf8CharLen(bytes, i)))
      valid = valid && (Utf8CharLen(bytes, i) > 1 || static_cast<unsigned char>(bytes[i]) < 0x80);
    ASSERT_EQ(IsValidUtf8(bytes), valid) << testing::PrintToString(bytes);
  }
}

}  // namespace
