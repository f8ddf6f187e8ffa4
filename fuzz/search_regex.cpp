// Regular expressions on arbitrary bytes: random expressions and replace texts are compiled (or refused with
// a sound report), their matches on each line are ordered, inside the line, never overlapping and never
// cutting a character, the same when a line is searched in stretches of start positions, and replace-all by
// lines gives what replacing one occurrence at a time gives, undone and redone as one step; stopped midway,
// it leaves the text as it was.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "xeEditModel.h"
#include "xeRegexSearch.h"
#include "xeUtf8.h"

namespace {

bool ValidUtf8(std::string_view S) {
  for (std::size_t i = 0; i < S.size();) {
    const auto c = static_cast<unsigned char>(S[i]);
    const int n = Utf8CharLen(S, i);
    if (n == 1 && c >= 0x80) return false;
    i += static_cast<std::size_t>(n);
  }
  return true;
}

void CheckLine(TxeRegexSearch& Engine, TxeRegexSearch& Stretched, std::string_view Line, int From) {
  const int n = Engine.FindLineMatches(Line, From, 0);
  if (Engine.Error()) return;
  if (Stretched.FindLineMatches(Line, From, 0) == n && !Stretched.Error()) {
    for (int k = 0; k < n; ++k)
      CHECK(Stretched.GetMatchPositions(k) == Engine.GetMatchPositions(k) &&
            Stretched.MatchLength(k) == Engine.MatchLength(k));
  } else {
    CHECK(Stretched.Error());  // a limit may be reached at another start position, but no other match
  }
  std::size_t end = From > 1 ? static_cast<std::size_t>(From - 1) : 0;
  int lastEmpty = -1;
  for (int k = 0; k < n; ++k) {
    const int p = Engine.GetMatchPositions(k), len = Engine.MatchLength(k);
    CHECK(p >= 1 && len >= 0);
    const auto start = static_cast<std::size_t>(p - 1);
    CHECK(start >= end && start + static_cast<std::size_t>(len) <= Line.size());
    CHECK(!(len == 0 && p == lastEmpty));
    if (len == 0) lastEmpty = p;
    // Matches are whole characters of valid UTF-8.
    CHECK(!Utf8IsInside(Line, start) && ValidUtf8(Line.substr(start, static_cast<std::size_t>(len))));
    CHECK(!Utf8IsInside(Line, start + static_cast<std::size_t>(len)));
    end = start + static_cast<std::size_t>(len);
    (void)Engine.Replacement(k);
  }
}

std::vector<std::string> Lines(const TxeEditModel& M) {
  std::vector<std::string> out;
  for (int i = 1; i <= M.LineCount(); ++i) out.emplace_back(M.LineText(i));
  return out;
}

}  // namespace

// Input: flags byte, expression length byte, expression, replace length byte, replace text, the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3 || size > 4096) return 0;
  const std::uint8_t flags = data[0];
  std::size_t at = 1;
  auto take = [&](std::size_t n) {
    n = std::min(n, size - at);
    std::string s(reinterpret_cast<const char*>(data + at), n);
    at += n;
    return s;
  };
  const std::string pattern = take(data[at++] % 48);
  const std::string replace = at < size ? take(data[at++] % 24) : std::string();
  const std::string text = take(size);
  const bool cs = flags & 1, ww = flags & 2;

  TxeRegexSearch engine;
  if (!engine.SetPattern(pattern, cs, ww)) {
    const TxeRegexError& e = engine.Error();
    CHECK(e.Where == TxeRegexError::rePattern && !e.Message.empty());
    CHECK(e.Offset >= 0 && static_cast<std::size_t>(e.Offset) <= pattern.size());
    return 0;
  }
  if (!engine.SetReplacement(replace)) {
    const TxeRegexError& e = engine.Error();
    CHECK(e.Where == TxeRegexError::reReplacement && !e.Message.empty());
    CHECK(e.Offset >= 0 && static_cast<std::size_t>(e.Offset) < replace.size() && replace[e.Offset] == '$');
    return 0;
  }
  TxeRegexSearch stretched;
  CHECK(stretched.SetPattern(pattern, cs, ww) && stretched.SetReplacement(replace));
  stretched.SetStretch(1 + flags % 13);
  stretched.OnPoll = [] { return true; };
  std::size_t lineStart = 0;
  for (int line = 0; lineStart <= text.size(); ++line) {
    std::size_t lineEnd = text.find_first_of("\r\n", lineStart);
    if (lineEnd == std::string::npos) lineEnd = text.size();
    const std::string_view l = std::string_view(text).substr(lineStart, lineEnd - lineStart);
    CheckLine(engine, stretched, l, 1);
    CheckLine(engine, stretched, l, 1 + static_cast<int>(flags >> 4) % (static_cast<int>(l.size()) + 1));
    lineStart = lineEnd + 1;
  }

  // Replace-all batched by lines and one occurrence at a time; one undo step gives the text back as it was,
  // one redo step the replaced text again. Only on valid UTF-8: replacing next to stray bytes can join them
  // into a character, which the caret of the one-at-a-time run then cannot stand inside.
  if (!ValidUtf8(text) || !ValidUtf8(replace)) return 0;
  TxeSearchOptions options = srRegExpr | srReplaceAll | (cs ? srMatchCase : 0) | (ww ? srWholeWord : 0);
  // Backwards, a later one-at-a-time replacement trims the blanks an earlier one left at the line's end,
  // which the batch keeps (the plain engine does the same); the two runs are compared only where they agree.
  if ((flags & 4) && (replace.empty() || replace.back() != ' ')) options |= srBackward;
  if (flags & 8) options |= srWholeDocument;
  TxeEditModel batched, single, original;
  original.SetText(text);
  for (TxeEditModel* m : {&batched, &single}) {
    m->SetText(text);
    m->SetCaretXY(1 + flags % 7, 1 + (flags >> 3) % 3);
  }
  single.OnReplaceText = [](TObject*, std::string_view, std::string_view, int, int,
                            TxeReplaceAction& Action) { Action = rpaReplace; };
  // Stopped at some line: nothing of it stays.
  TxeEditModel stopped;
  stopped.SetText(text);
  stopped.SetCaretXY(1 + flags % 7, 1 + (flags >> 3) % 3);
  const TPoint caret = stopped.CaretPos();
  int reports = 0;
  stopped.OnSearchProgress = [&](int Done, int Total) {
    CHECK(Done >= 0 && Done <= Total);
    return ++reports <= (flags >> 5);
  };
  const int cut = stopped.FindReplace(pattern, replace, options);
  if (stopped.SearchStopped())
    CHECK(cut == 0 && Lines(stopped) == Lines(original) && stopped.CaretPos() == caret &&
          !stopped.UndoAvailable());
  const int count = batched.FindReplace(pattern, replace, options);
  const int oneByOne = single.FindReplace(pattern, replace, options | srPrompt);
  if (batched.SearchError() || single.SearchError()) return 0;
  CHECK(count == oneByOne && Lines(batched) == Lines(single));
  const std::vector<std::string> replaced = Lines(batched);
  for (TxeEditModel* m : {&batched, &single}) {
    m->Undo();
    CHECK(Lines(*m) == Lines(original));
    m->Redo();
    CHECK(Lines(*m) == replaced);
  }
  return 0;
}
