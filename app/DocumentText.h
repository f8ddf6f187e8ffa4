// Document text between file bytes and editor lines: a tab in a file is four blanks in the editor,
// four blanks in the editor are a tab in the file; files may end lines with CR, LF or CR LF and are
// always written with CR LF.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Splits file bytes, fed in chunks of any size, into editor lines. A final line break adds no
// empty line; empty input gives one empty line. Every other byte (NUL included) is kept.
class TDocumentReader {
public:
    // Receives each finished line; it may move the string away.
    using TLineSink = std::function<void(std::string& Line)>;

    explicit TDocumentReader(TLineSink Sink);
    void Feed(std::string_view Chunk);
    void Finish();

    std::size_t LineCount() const { return FLineCount; }

private:
    void EndLine();

    TLineSink FSink;
    std::string FLine;
    std::size_t FLineCount = 0;
    bool FAfterCR = false;     // the last byte seen was a CR: a following LF belongs to it
    bool FLineOpen = false;    // bytes have arrived since the last line break
};

// Appends one editor line in file form: each group of four blanks, left to right, becomes a tab;
// then CR LF.
void AppendFileLine(std::string& Out, std::string_view Line);

// The whole conversions, for callers that hold the bytes anyway.
std::string ExpandTabs(std::string_view Text);
