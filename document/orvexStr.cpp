#include "orvexStr.h"

#include <algorithm>

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool SameIgnoringCase(char a, char b) { return FoldAscii(a) == FoldAscii(b); }

}  // namespace

std::string ReplaceAll(std::string_view Text, std::string_view Find, std::string_view Replacement,
                       bool CaseSensitive) {
  if (Find.empty()) return std::string(Text);
  std::string result;
  result.reserve(Text.size());
  auto rest = Text.begin();
  while (true) {
    auto hit = CaseSensitive ? std::search(rest, Text.end(), Find.begin(), Find.end())
                             : std::search(rest, Text.end(), Find.begin(), Find.end(), SameIgnoringCase);
    if (hit == Text.end()) break;
    result.append(rest, hit);
    result.append(Replacement);
    rest = hit + Find.size();
  }
  result.append(rest, Text.end());
  return result;
}
