#include "DocumentText.h"

#include <cstring>

TDocumentReader::TDocumentReader(TLineSink Sink) : FSink(std::move(Sink)) {}

void TDocumentReader::EndLine() {
    FSink(FLine);
    FLine.clear();
    ++FLineCount;
    FLineOpen = false;
}

void TDocumentReader::Feed(std::string_view Chunk) {
    const char* p = Chunk.data();
    const char* end = p + Chunk.size();
    if (p != end && FAfterCR && *p == '\n') ++p;
    FAfterCR = false;
    while (p != end) {
        // Copy the plain run up to the next byte that needs attention in one go.
        const char* run = p;
        while (p != end && *p != '\r' && *p != '\n' && *p != '\t') ++p;
        if (p != run) {
            FLine.append(run, p);
            FLineOpen = true;
        }
        if (p == end) break;
        const char c = *p++;
        if (c == '\t') {
            FLine.append(4, ' ');
            FLineOpen = true;
            continue;
        }
        EndLine();
        if (c == '\r') {
            if (p == end) FAfterCR = true;
            else if (*p == '\n') ++p;
        }
    }
}

void TDocumentReader::Finish() {
    if (FLineOpen || FLineCount == 0) EndLine();
    FAfterCR = false;
}

void AppendFileLine(std::string& Out, std::string_view Line) {
    std::size_t i = 0;
    while (i < Line.size()) {
        const std::size_t blank = Line.find("    ", i);
        if (blank == std::string_view::npos) {
            Out.append(Line.substr(i));
            break;
        }
        Out.append(Line.substr(i, blank - i));
        Out.push_back('\t');
        i = blank + 4;
    }
    Out.append("\r\n");
}

std::string ExpandTabs(std::string_view Text) {
    std::string result;
    result.reserve(Text.size());
    for (char c : Text) {
        if (c == '\t') result.append(4, ' ');
        else result.push_back(c);
    }
    return result;
}
