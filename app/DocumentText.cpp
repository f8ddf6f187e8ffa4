#include "DocumentText.h"

#include <algorithm>

TLineBreak DetectLineBreak(std::string_view Text) {
  const std::size_t at = Text.find_first_of("\r\n");
  if (at == std::string_view::npos || Text[at] == '\n') return lbLF;
  return at + 1 < Text.size() && Text[at + 1] == '\n' ? lbCRLF : lbCR;
}

TLineBreak ChosenLineBreak(int Choice, TLineBreak OfDocument) {
  switch (Choice) {
    case lcCRLF: return lbCRLF;
    case lcLF: return lbLF;
    default: return OfDocument;
  }
}

std::string_view LineBreakBytes(TLineBreak Break) {
  switch (Break) {
    case lbCRLF: return "\r\n";
    case lbCR: return "\r";
    default: return "\n";
  }
}

const char* LineBreakName(TLineBreak Break) {
  switch (Break) {
    case lbCRLF: return "CR LF";
    case lbCR: return "CR";
    default: return "LF";
  }
}

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

void ExpandTabsInPlace(std::string& Text) {
  const std::size_t tabs = std::size_t(std::count(Text.begin(), Text.end(), '\t'));
  if (tabs == 0) return;
  std::size_t from = Text.size();
  Text.resize(from + 3 * tabs);
  std::size_t to = Text.size();
  // From the end, so that every byte moves once and before it is overwritten.
  while (from > 0) {
    const char c = Text[--from];
    if (c == '\t') {
      to -= 4;
      Text.replace(to, 4, 4, ' ');
    } else {
      Text[--to] = c;
    }
  }
}

bool LooksLikeText(std::string_view Head) {
  std::size_t control = 0;
  for (const char c : Head) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0) return false;
    const bool usual = b == '\t' || b == '\n' || b == '\r' || b == '\f' || b == 0x1B;
    if ((b < 0x20 && !usual) || b == 0x7F) ++control;
  }
  return control * 2 <= Head.size();
}

void AppendFileLine(std::string& Out, std::string_view Line, const TFileForm& Form) {
  std::size_t i = 0;
  while (Form.ExchangeTabs && i < Line.size()) {
    const std::size_t blank = Line.find("    ", i);
    if (blank == std::string_view::npos) break;
    Out.append(Line.substr(i, blank - i));
    Out.push_back('\t');
    i = blank + 4;
  }
  Out.append(Line.substr(i));
  Out.append(LineBreakBytes(Form.Break));
}
