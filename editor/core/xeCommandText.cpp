// Line-text routines of the command processor.
#include "xeCommandText.h"

#include "xeUtf8.h"

#include <algorithm>
#include <string_view>

namespace xeCmdText {

namespace {
inline bool IsBlank(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 1 && b <= 32;
}
}  // namespace

TPoint NextWordPos(const TxeEditList& lines, TPoint from, const TWordChars& w) {
  const int count = lines.Count();
  if (from.Y < 1 || from.Y > count) return from;
  const std::string_view line = lines.Get(from.Y - 1);
  const int len = static_cast<int>(line.size());
  if (from.X < len) {
    int pos = std::max(from.X, 1);  // 1-based
    if (IsWordChar(w, line[static_cast<std::size_t>(pos - 1)])) {
      while (pos <= len && IsWordChar(w, line[static_cast<std::size_t>(pos - 1)])) ++pos;
      if (pos > len) pos = 0;
    }
    if (pos > 0) {
      while (pos <= len && !IsWordChar(w, line[static_cast<std::size_t>(pos - 1)])) ++pos;
      if (pos > len) pos = 0;
    }
    return {pos == 0 ? len + 1 : pos, from.Y};
  }
  if (from.Y < count) {
    const std::string_view next = lines.Get(from.Y);
    int pos = 1;
    const int nlen = static_cast<int>(next.size());
    while (pos <= nlen && !IsWordChar(w, next[static_cast<std::size_t>(pos - 1)])) ++pos;
    if (pos > nlen) pos = 1;
    return {pos, from.Y + 1};
  }
  return from;
}

TPoint PrevWordPos(const TxeEditList& lines, TPoint from, const TWordChars& w) {
  const int count = lines.Count();
  if (from.Y < 1 || from.Y > count) return from;
  const std::string_view line = lines.Get(from.Y - 1);
  const int len = static_cast<int>(line.size());
  int x = std::min(from.X, len + 1);
  if (x > 1) {
    int p = x - 1;  // 1-based column of the character before x
    while (p >= 1 && !IsWordChar(w, line[static_cast<std::size_t>(p - 1)])) --p;
    if (p >= 1) {
      while (p >= 1 && IsWordChar(w, line[static_cast<std::size_t>(p - 1)])) --p;
      return {p + 1, from.Y};
    }
  }
  if (from.Y == 1) return {1, 1};
  return {static_cast<int>(lines.Get(from.Y - 2).size()) + 1, from.Y - 1};
}

bool MatchBracket(const TxeEditList& lines, TPoint from, TPoint& partner) {
  static constexpr std::string_view kOpen = "([{", kClose = ")]}";
  const int count = lines.Count();
  if (from.Y < 1 || from.Y > count) return false;
  std::string_view line = lines.Get(from.Y - 1);
  if (from.X < 1 || from.X > static_cast<int>(line.size())) return false;
  const char c = line[static_cast<std::size_t>(from.X - 1)];
  const auto open = kOpen.find(c), close = kClose.find(c);
  if (open == std::string_view::npos && close == std::string_view::npos) return false;
  const bool forward = open != std::string_view::npos;
  const char same = c;
  const char other = forward ? kClose[open] : kOpen[close];
  int depth = 1;
  int y = from.Y;
  long x = from.X - 1;  // 0-based index of the bracket
  for (;;) {
    if (forward) {
      ++x;
      while (x >= static_cast<long>(line.size())) {
        if (++y > count) return false;
        line = lines.Get(y - 1);
        x = 0;
      }
    } else {
      --x;
      while (x < 0) {
        if (--y < 1) return false;
        line = lines.Get(y - 1);
        x = static_cast<long>(line.size()) - 1;
      }
    }
    const char d = line[static_cast<std::size_t>(x)];
    if (d == same) {
      ++depth;
    } else if (d == other && --depth == 0) {
      partner = {static_cast<int>(x) + 1, y};
      return true;
    }
  }
}

int SmartTabWidth(const TxeEditList& lines, TPoint caret) {
  if (caret.Y < 2) return 0;
  for (int y = caret.Y - 1; y >= 1; --y) {
    const std::string_view line = lines.Get(y - 1);
    const int len = static_cast<int>(line.size());
    if (len < caret.X) continue;
    int i = caret.X - 1;
    while (i < len && !IsBlank(line[static_cast<std::size_t>(i)])) ++i;
    while (i < len && IsBlank(line[static_cast<std::size_t>(i)])) ++i;
    return i - (caret.X - 1);
  }
  return 0;
}

int TabStopDistance(int column, int tabWidth) {
  const int w = std::max(tabWidth, 1);
  return w - ((std::max(column, 1) - 1) % w);
}

std::string EncodeUtf8(char32_t c) {
  std::string out;
  AppendUtf8(out, c);
  return out;
}

}  // namespace xeCmdText
