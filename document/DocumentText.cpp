#include "DocumentText.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <algorithm>

#include "xeTextBuilder.h"

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
  const std::size_t tabs = CountTabs(Text.data(), Text.size());
  if (tabs == 0) return;
  const std::size_t size = Text.size();
  Text.resize(size + 3 * tabs);
  WidenTabsInPlace(Text.data(), size, tabs);
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

namespace {

// Where the first run of four blanks at or after From begins (npos: none). Searching for the first blank
// again and again made saving a page of single blanks slow: sixteen places are tried at once where the
// processor can, and otherwise only every fourth byte is looked at until one is a blank, as no run can
// lie between two bytes that are not.
std::size_t FourBlanks(std::string_view Line, std::size_t From) {
#ifdef __SSE2__
  const __m128i blank = _mm_set1_epi8(' ');
  const auto blanksAt = [&](std::size_t At) {
    return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(Line.data() + At)), blank);
  };
  for (; From + 19 <= Line.size(); From += 16) {
    const __m128i runs = _mm_and_si128(_mm_and_si128(blanksAt(From), blanksAt(From + 1)),
                                       _mm_and_si128(blanksAt(From + 2), blanksAt(From + 3)));
    if (const int starts = _mm_movemask_epi8(runs))
      return From + std::size_t(__builtin_ctz(unsigned(starts)));
  }
#endif
  std::size_t end = From + 3;  // the earliest place a run can end
  while (end < Line.size()) {
    if (Line[end] != ' ') {
      end += 4;
      continue;
    }
    std::size_t start = end;
    while (start > From && Line[start - 1] == ' ') --start;
    if (end - start >= 3) return start;
    // The blanks from start on need to reach start + 3; the first byte short of it rules out every run
    // it is part of.
    std::size_t at = end + 1;
    while (at <= start + 3 && at < Line.size() && Line[at] == ' ') ++at;
    if (at > start + 3) return start;
    end = at + 4;
  }
  return std::string_view::npos;
}

}  // namespace

void AppendFileLine(std::string& Out, std::string_view Line, const TFileForm& Form) {
  std::size_t i = 0;
  while (Form.ExchangeTabs && i < Line.size()) {
    const std::size_t blank = FourBlanks(Line, i);
    if (blank == std::string_view::npos) break;
    Out.append(Line.substr(i, blank - i));
    Out.push_back('\t');
    i = blank + 4;
  }
  Out.append(Line.substr(i));
  Out.append(LineBreakBytes(Form.Break));
}
