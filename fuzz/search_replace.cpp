// Search engine and FindReplace on arbitrary bytes: the engine agrees with a plain greedy scan, and
// replace-all yields exactly the text a plain left-to-right replacement of the found positions gives.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "xeEditModel.h"
#include "xeEditSearch.h"

namespace {

std::vector<int> Greedy(const std::string& pat, const std::string& text, bool cs, bool ww) {
  auto fold = [cs](unsigned char c) { return (!cs && c >= 'A' && c <= 'Z') ? c + 32 : c; };
  std::vector<int> out;
  for (std::size_t i = 0; i + pat.size() <= text.size();) {
    bool eq = true;
    for (std::size_t k = 0; k < pat.size() && eq; ++k)
      eq = fold(static_cast<unsigned char>(text[i + k])) == fold(static_cast<unsigned char>(pat[k]));
    if (eq && ww) {
      const std::size_t end = i + pat.size();
      eq = (i == 0 || xeSearchTables::IsDelimiter(static_cast<unsigned char>(text[i - 1]))) &&
           (end == text.size() || xeSearchTables::IsDelimiter(static_cast<unsigned char>(text[end])));
    }
    if (eq) {
      out.push_back(static_cast<int>(i + 1));
      i += pat.size();
    } else {
      ++i;
    }
  }
  return out;
}

}  // namespace

// Input: flags byte, pattern length byte, pattern, replacement length byte, replacement, text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::uint8_t flags = data[0];
  std::size_t at = 1;
  auto take = [&](std::size_t n) {
    n = std::min(n, size - at);
    std::string s(reinterpret_cast<const char*>(data + at), n);
    at += n;
    return s;
  };
  const std::string pattern = take(1 + data[at++] % 8);
  const std::string replace = at < size ? take(data[at++] % 8) : std::string();
  const std::string text = take(size);
  if (pattern.empty()) return 0;

  const bool cs = flags & 1, ww = flags & 2;
  TxeEditSearch engine;
  engine.SetSearchPattern(pattern);
  engine.SetCaseSensitive(cs);
  engine.SetWholeWordsOnly(ww);
  engine.FindAllMatches(text);
  CHECK(engine.MatchPositions() == Greedy(pattern, text, cs, ww));

  // Replace-all on one line of text without breaks, with nothing that trims or pads.
  if (text.find_first_of("\r\n") != std::string::npos || replace.find_first_of("\r\n") != std::string::npos)
    return 0;
  if (text.find(' ') != std::string::npos || replace.find(' ') != std::string::npos) return 0;
  TxeEditModel model;
  model.SetText(text);
  TxeSearchOptions options = srReplaceAll | (cs ? srMatchCase : 0) | (ww ? srWholeWord : 0);
  if (flags & 4) options |= srBackward | srWholeDocument;
  const int count = model.FindReplace(pattern, replace, options);
  std::string expected;
  std::size_t from = 0;
  for (const int p : engine.MatchPositions()) {
    expected += text.substr(from, static_cast<std::size_t>(p - 1) - from) + replace;
    from = static_cast<std::size_t>(p - 1) + pattern.size();
  }
  expected += text.substr(from);
  CHECK(count == engine.GetResultCount() && model.LineText(1) == expected);
  return 0;
}
