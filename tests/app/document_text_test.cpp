// File bytes to editor lines and back: tabs, blanks and line breaks.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "DocumentText.h"
#include "orvexStr.h"

namespace {

std::vector<std::string> Load(std::string_view Bytes, std::size_t Chunk = 0) {
    std::vector<std::string> lines;
    TDocumentReader reader([&lines](std::string& Line) { lines.push_back(std::move(Line)); });
    if (Chunk == 0) reader.Feed(Bytes);
    else
        for (std::size_t i = 0; i < Bytes.size(); i += Chunk) reader.Feed(Bytes.substr(i, Chunk));
    reader.Finish();
    return lines;
}

std::string Save(const std::vector<std::string>& Lines) {
    std::string out;
    for (const std::string& line : Lines) AppendFileLine(out, line);
    return out;
}

// What the rules predict, written plainly: split at CR LF, CR or LF; tabs to four blanks; every
// line saved with runs of four blanks as tabs and a CR LF.
std::string Predicted(const std::string& Bytes) {
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < Bytes.size(); ++i) {
        const char c = Bytes[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < Bytes.size() && Bytes[i + 1] == '\n') ++i;
            lines.push_back(line);
            line.clear();
            open = false;
        } else {
            line += c == '\t' ? std::string("    ") : std::string(1, c);
            open = true;
        }
    }
    if (open || lines.empty()) lines.push_back(line);
    std::string out;
    for (const std::string& l : lines) out += ReplaceAll(l, "    ", "\t", false) + "\r\n";
    return out;
}

TEST(DocumentText, LoadSplitsLinesAndExpandsTabs) {
    struct Case {
        std::string Bytes;
        std::vector<std::string> Lines;
    };
    const Case cases[] = {
        {"", {""}},
        {"\r\n", {""}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\rb\r", {"a", "", "b"}},
        {"a\tb", {"a    b"}},
        {"\t\tx", {"        x"}},
        {std::string("a\0b\r\nc", 6), {std::string("a\0b", 3), "c"}},
        {"\xC3\xA9\xFF\n", {"\xC3\xA9\xFF"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Load(c.Bytes), c.Lines) << "bytes: " << c.Bytes;
        EXPECT_EQ(Load(c.Bytes, 1), c.Lines) << "fed byte by byte: " << c.Bytes;
    }
}

TEST(DocumentText, SaveTurnsFourBlanksIntoTabsAndEndsEveryLineWithCRLF) {
    struct Case {
        std::vector<std::string> Lines;
        std::string Bytes;
    };
    const Case cases[] = {
        {{""}, "\r\n"},
        {{"a    b", "        x"}, "a\tb\r\n\t\tx\r\n"},
        {{"      "}, "\t  \r\n"},
        {{"   "}, "   \r\n"},
        {{"         ."}, "\t\t .\r\n"},
        {{"\"a    b\""}, "\"a\tb\"\r\n"},
        {{"no break"}, "no break\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(Save(c.Lines), c.Bytes);
}

TEST(DocumentText, RandomFilesRoundTripAsTheRulesPredict) {
    std::mt19937 random(20261207);
    const char alphabet[] = {'\r', '\n', '\t', ' ', ' ', ' ', 'a', '\0', '\xFF', '\xC3', '\xA9'};
    for (int round = 0; round < 400; ++round) {
        std::string bytes(random() % 300, '\0');
        const bool anyByte = round % 4 == 0;
        for (char& c : bytes) c = anyByte ? char(random()) : alphabet[random() % sizeof alphabet];
        const std::string saved = Save(Load(bytes, 1 + random() % 17));
        ASSERT_EQ(saved, Predicted(bytes)) << "round " << round;
        // A file already in saved form saves identical.
        ASSERT_EQ(Save(Load(saved, 1 + random() % 5)), saved) << "round " << round;
    }
}

TEST(ReplaceAllTest, LeftToRightWithoutOverlap) {
    struct Case {
        const char *Text, *Find, *Replacement;
        bool CaseSensitive;
        const char* Result;
    };
    const Case cases[] = {
        {"aaaa", "aa", "b", true, "bb"},
        {"aaa", "aa", "a", true, "aa"},           // replaced text is not searched again
        {"abcABC", "abc", "x", false, "xx"},
        {"abcABC", "abc", "x", true, "xABC"},
        {"text", "", "x", true, "text"},
        {"", "a", "b", false, ""},
        {"a\tb", "\t", "    ", false, "a    b"},
        {"\xC3\x89\xC3\xA9", "\xC3\xA9", "e", false, "\xC3\x89" "e"},  // only ASCII letters fold
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplaceAll(c.Text, c.Find, c.Replacement, c.CaseSensitive), c.Result) << c.Text << " / " << c.Find;
}

}  // namespace
