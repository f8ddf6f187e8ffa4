// The replacement text of a regular-expression search: parsed once into literal pieces and group
// references, expanded for each match while its line is as it was matched.
#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include "xeRegexSearch.h"

namespace {

bool IsDigit(char C) { return C >= '0' && C <= '9'; }
bool IsNameStart(char C) { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_'; }

bool AllDigits(std::string_view S) {
  if (S.empty()) return false;
  for (const char c : S)
    if (!IsDigit(c)) return false;
  return true;
}

bool IsName(std::string_view S) {
  if (S.empty() || !IsNameStart(S[0])) return false;
  for (const char c : S)
    if (!IsNameStart(c) && !IsDigit(c)) return false;
  return true;
}

}  // namespace

bool TxeRegexSearch::SetReplacement(std::string_view AReplace) {
  if (FError.Where == TxeRegexError::reReplacement) FError = {};
  FLiterals.clear();
  FPieces.clear();
  FConstant = true;
  if (!FCode) return false;
  if (!ParseReplacement(AReplace)) {
    FLiterals.clear();
    FPieces.clear();
    FConstant = true;
    return false;
  }
  return true;
}

bool TxeRegexSearch::ParseReplacement(std::string_view R) {
  auto literal = [this](std::string_view S) {
    if (FPieces.empty() || !FPieces.back().Groups.empty())
      FPieces.push_back({FLiterals.size(), FLiterals.size(), {}});
    FLiterals.append(S);
    FPieces.back().End = FLiterals.size();
  };
  std::size_t i = 0;
  while (i < R.size()) {
    const std::size_t dollar = R.find('$', i);
    if (dollar == std::string_view::npos) {
      literal(R.substr(i));
      break;
    }
    literal(R.substr(i, dollar - i));
    i = dollar + 1;
    const char next = i < R.size() ? R[i] : '\0';
    TPiece group;
    if (next == '$') {
      literal("$");
      ++i;
      continue;
    }
    if (IsDigit(next)) {
      if (!GroupPiece(R.substr(i, 1), dollar, group)) return false;
      ++i;
    } else if (const std::size_t close = next == '{' ? R.find('}', i) : std::string_view::npos;
               close != std::string_view::npos &&
               (AllDigits(R.substr(i + 1, close - i - 1)) || IsName(R.substr(i + 1, close - i - 1)))) {
      if (!GroupPiece(R.substr(i + 1, close - i - 1), dollar, group)) return false;
      i = close + 1;
    } else {
      literal("$");  // a dollar sign that refers to nothing stands for itself
      continue;
    }
    FPieces.push_back(std::move(group));
    FConstant = false;
  }
  if (FPieces.empty()) FPieces.push_back({});
  return true;
}

bool TxeRegexSearch::GroupPiece(std::string_view Name, std::size_t At, TPiece& Piece) {
  const int offset = static_cast<int>(At);
  if (AllDigits(Name)) {
    long n = 0;
    for (const char c : Name) {
      n = n * 10 + (c - '0');
      if (n > FCaptureCount) break;
    }
    if (n > FCaptureCount) {
      FError = {TxeRegexError::reReplacement, "the expression has no group " + std::string(Name), offset, 0};
      return false;
    }
    Piece.Groups.push_back(static_cast<int>(n));
    return true;
  }
  const std::string name(Name);
  PCRE2_SPTR first = nullptr, last = nullptr;
  const int entry =
      pcre2_substring_nametable_scan(FCode.get(), reinterpret_cast<PCRE2_SPTR>(name.c_str()), &first, &last);
  if (entry <= 0) {
    FError = {TxeRegexError::reReplacement, "the expression has no group named " + name, offset, 0};
    return false;
  }
  // Several groups may share a name; the first one that took part in the match is used.
  for (PCRE2_SPTR e = first; e <= last; e += entry) Piece.Groups.push_back((e[0] << 8) | e[1]);
  return true;
}

void TxeRegexSearch::AppendExpansion(std::string_view Text) {
  const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(FMatchData.get());
  const uint32_t pairs = pcre2_get_ovector_count(FMatchData.get());
  for (const TPiece& piece : FPieces) {
    if (piece.Groups.empty()) {
      FExpanded.append(FLiterals, piece.Begin, piece.End - piece.Begin);
      continue;
    }
    for (const int g : piece.Groups) {
      const auto k = static_cast<uint32_t>(g);
      if (k >= pairs || ov[2 * k] == PCRE2_UNSET) continue;
      const std::size_t from = std::min<std::size_t>(ov[2 * k], Text.size());
      const std::size_t to = std::min<std::size_t>(ov[2 * k + 1], Text.size());
      if (to > from) FExpanded.append(Text.substr(from, to - from));
      break;
    }
  }
  FExpandedEnd.push_back(FExpanded.size());
}

std::string_view TxeRegexSearch::Replacement(int Index) const {
  if (FConstant) return FLiterals;
  if (Index < 0 || Index >= static_cast<int>(FExpandedEnd.size())) return {};
  const auto k = static_cast<std::size_t>(Index);
  const std::size_t from = k == 0 ? 0 : FExpandedEnd[k - 1];
  return std::string_view(FExpanded).substr(from, FExpandedEnd[k] - from);
}
