#include "DocumentText.h"

void AppendExpandingTabs(std::string& Out, std::string_view Chunk) {
  std::size_t i = 0;
  while (i < Chunk.size()) {
    const std::size_t tab = Chunk.find('\t', i);
    if (tab == std::string_view::npos) {
      Out.append(Chunk.substr(i));
      break;
    }
    Out.append(Chunk.substr(i, tab - i));
    Out.append(4, ' ');
    i = tab + 1;
  }
}

std::string ExpandTabs(std::string_view Text) {
  std::string result;
  result.reserve(Text.size());
  AppendExpandingTabs(result, Text);
  return result;
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
