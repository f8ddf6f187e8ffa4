// Compiling and matching through PCRE2's 8-bit library. The compiled expression, its match data and the
// JIT stack stay with the engine, so repeated searches with the same expression compile nothing.
#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>
#include <array>
#include <chrono>

#include "xeRegexSearch.h"
#include "xeUtf8.h"

namespace {

constexpr std::size_t kJitStackStart = 32 * 1024;
constexpr std::size_t kJitStackMax = 16 * 1024 * 1024;
// Bounds of the work at one start position (PCRE2's own defaults, but for the heap, whose default is 20 GB):
// an expression that backtracks without end gives up with an error instead of hanging or eating memory.
constexpr uint32_t kMatchLimit = 10'000'000;
constexpr uint32_t kDepthLimit = 10'000'000;
constexpr uint32_t kHeapLimitKiB = 256 * 1024;
// Stretches of start positions in a line: from one position up to kStretchMax, fitted so that one takes a
// few milliseconds. (One position may take up to about 100 ms before the match limit ends it.)
constexpr std::size_t kStretchFirst = 256;
constexpr std::size_t kStretchMax = 16 * 1024;
constexpr std::chrono::microseconds kStretchAim{4000};

// A word character for whole-word matching, as the plain engine counts bytes: ASCII letters and digits,
// and every character beyond ASCII. The class is the same in any case; compiled caseless, its Unicode range
// would take many milliseconds to build.
constexpr std::string_view kWordClass = "(?-i:[0-9A-Za-z\\x{80}-\\x{10ffff}])";

std::string ErrorText(int Code) {
  std::array<PCRE2_UCHAR, 256> buffer{};
  const int n = pcre2_get_error_message(Code, buffer.data(), buffer.size());
  if (n < 0) return "error " + std::to_string(Code);
  return std::string(reinterpret_cast<const char*>(buffer.data()), static_cast<std::size_t>(n));
}

// The option settings that only work at the very start of an expression, such as (*UCP) or
// (*LIMIT_MATCH=100); verbs such as (*FAIL) are not among them.
std::size_t LeadingOptionSettings(std::string_view P) {
  static constexpr std::string_view verbs[] = {"ACCEPT", "FAIL", "F", "COMMIT", "PRUNE", "SKIP", "THEN"};
  std::size_t at = 0;
  while (P.substr(at, 2) == "(*") {
    std::size_t i = at + 2;
    while (i < P.size() && ((P[i] >= 'A' && P[i] <= 'Z') || P[i] == '_' || (P[i] >= '0' && P[i] <= '9'))) ++i;
    const std::string_view name = P.substr(at + 2, i - at - 2);
    if (i < P.size() && P[i] == '=') {
      ++i;
      while (i < P.size() && P[i] >= '0' && P[i] <= '9') ++i;
    }
    if (name.empty() || i >= P.size() || P[i] != ')' ||
        std::find(std::begin(verbs), std::end(verbs), name) != std::end(verbs))
      break;
    at = i + 1;
  }
  return at;
}

pcre2_code* CompileText(std::string_view Pattern, uint32_t Options, int& Error, PCRE2_SIZE& Offset) {
  return pcre2_compile(reinterpret_cast<PCRE2_SPTR>(Pattern.data()), Pattern.size(), Options, &Error, &Offset,
                       nullptr);
}

int Captures(const pcre2_code* Code) {
  uint32_t n = 0;
  pcre2_pattern_info(Code, PCRE2_INFO_CAPTURECOUNT, &n);
  return static_cast<int>(n);
}

// Whether a search may be split into stretches of start positions without changing what it finds. \G
// would match at the start of every stretch, and (*COMMIT) and (*SKIP) govern later start positions; a
// mention anywhere (even a harmless one) keeps the search whole.
bool Stretchable(const pcre2_code* Code, std::string_view Pattern) {
  uint32_t options = 0;
  pcre2_pattern_info(Code, PCRE2_INFO_ALLOPTIONS, &options);
  if (options & PCRE2_ANCHORED) return false;
  for (const std::string_view verb : {"\\G", "(*COMMIT", "(*SKIP"})
    if (Pattern.find(verb) != std::string_view::npos) return false;
  return true;
}

bool ValidUtf8(std::string_view S) {
  for (std::size_t i = 0; i < S.size();) {
    const int n = Utf8CharLen(S, i);
    if (n == 1 && static_cast<unsigned char>(S[i]) >= 0x80) return false;
    i += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

void TxeRegexSearch::TCodeFree::operator()(pcre2_code* Code) const { pcre2_code_free(Code); }
void TxeRegexSearch::TMatchDataFree::operator()(pcre2_match_data* Data) const { pcre2_match_data_free(Data); }

TxeRegexSearch::TxeRegexSearch() {
  FContext = pcre2_match_context_create(nullptr);
  FJitStack = pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr);
  if (FContext && FJitStack) pcre2_jit_stack_assign(FContext, nullptr, FJitStack);
  if (FContext) {
    pcre2_set_match_limit(FContext, kMatchLimit);
    pcre2_set_depth_limit(FContext, kDepthLimit);
    pcre2_set_heap_limit(FContext, kHeapLimitKiB);
  }
}

TxeRegexSearch::~TxeRegexSearch() {
  pcre2_jit_stack_free(FJitStack);
  pcre2_match_context_free(FContext);
}

bool TxeRegexSearch::SetPattern(std::string_view Pattern, bool CaseSensitive, bool WholeWord) {
  FError = {};
  if (!FTried || Pattern != FPattern || CaseSensitive != FCaseSensitive || WholeWord != FWholeWord) {
    FPattern.assign(Pattern);
    FCaseSensitive = CaseSensitive;
    FWholeWord = WholeWord;
    FTried = true;
    Compile(Pattern, CaseSensitive, WholeWord);
  }
  FError = FCompileError;
  return FCode != nullptr;
}

void TxeRegexSearch::Compile(std::string_view Pattern, bool CaseSensitive, bool WholeWord) {
  FCode.reset();
  FMatchData.reset();
  FJit = false;
  FStretchable = false;
  FStretch = kStretchFirst;
  FCaptureCount = 0;
  FCompileError = {};
  FStarts.clear();
  FLengths.clear();
  FLiterals.clear();
  FPieces.clear();
  FConstant = true;

  const uint32_t options = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_UCP | PCRE2_NEVER_BACKSLASH_C |
                           PCRE2_USE_OFFSET_LIMIT | (CaseSensitive ? 0u : PCRE2_CASELESS);
  int error = 0;
  PCRE2_SIZE offset = 0;
  // The expression as written decides whether it compiles and where an error lies.
  std::unique_ptr<pcre2_code, TCodeFree> code(CompileText(Pattern, options, error, offset));
  if (!code) {
    FCompileError = {TxeRegexError::rePattern, ErrorText(error),
                     static_cast<int>(std::min<PCRE2_SIZE>(offset, Pattern.size())), 0};
    return;
  }
  if (WholeWord) {
    // Inside a group between two assertions; the option settings stay in front. An expression that ends
    // inside \Q... or an extended-mode comment would swallow the closing part, so those get ended first.
    const std::size_t lead = LeadingOptionSettings(Pattern);
    const int groups = Captures(code.get());
    code.reset();
    for (const std::string_view end : {"", "\\E", "\n", "\\E\n"}) {
      std::string wrapped(Pattern.substr(0, lead));
      wrapped.append("(?<!").append(kWordClass).append(")(?:").append(Pattern.substr(lead));
      wrapped.append(end).append(")(?!").append(kWordClass).append(")");
      code.reset(CompileText(wrapped, options, error, offset));
      if (code && Captures(code.get()) == groups) break;
      code.reset();
    }
    if (!code) {
      FCompileError = {TxeRegexError::rePattern, "cannot be matched as a whole word", 0, 0};
      return;
    }
  }
  FCaptureCount = Captures(code.get());
  FStretchable = Stretchable(code.get(), Pattern);
  FJit = pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE) == 0 && FJitStack && FContext;
  FMatchData.reset(pcre2_match_data_create_from_pattern(code.get(), nullptr));
  if (!FMatchData) {
    FCompileError = {TxeRegexError::rePattern, "out of memory", 0, 0};
    return;
  }
  FCode = std::move(code);
}

void TxeRegexSearch::ClearMatchError() {
  if (FError.Where == TxeRegexError::reMatch) FError = {};
}

int TxeRegexSearch::MatchOnce(std::string_view Text, std::size_t Offset) {
  const auto* subject = reinterpret_cast<PCRE2_SPTR>(Text.data());
  if (FJit) return pcre2_jit_match(FCode.get(), subject, Text.size(), Offset, 0, FMatchData.get(), FContext);
  return pcre2_match(FCode.get(), subject, Text.size(), Offset, 0, FMatchData.get(), FContext);
}

// With OnPoll, a line of valid UTF-8 longer than a stretch is searched a stretch of start positions at a time
// (PCRE2's offset limit: a match must start at or before it), and OnPoll is asked between stretches: an
// expression that backtracks long at every position of a long line can be stopped there. The subject stays
// the whole line, so lookbehinds and word boundaries see what lies before a stretch.
int TxeRegexSearch::Match(std::string_view Text, std::size_t Offset) {
  using TClock = std::chrono::steady_clock;
  for (;;) {
    if (FStretches++ > 0 && !OnPoll()) {
      FStopped = true;
      return PCRE2_ERROR_NOMATCH;
    }
    if (Text.size() - Offset <= FStretch) return MatchOnce(Text, Offset);
    const std::size_t last = Offset + FStretch - 1;
    pcre2_set_offset_limit(FContext, last);
    const TClock::time_point began = TClock::now();
    const int rc = MatchOnce(Text, Offset);
    const TClock::duration spent = TClock::now() - began;
    pcre2_set_offset_limit(FContext, PCRE2_UNSET);
    // Shorter at once by as much as it took too long; longer step by step.
    if (spent > 2 * kStretchAim)
      FStretch = std::max<std::size_t>(1, static_cast<std::size_t>(double(FStretch) * kStretchAim / spent));
    else if (spent < kStretchAim / 2)
      FStretch = std::min(FStretch * 2, kStretchMax);
    if (rc != PCRE2_ERROR_NOMATCH) return rc;
    // On from the first character after the stretch.
    Offset = last + 1;
    if (Utf8IsInside(Text, Offset)) {
      const std::size_t character = Utf8CharStart(Text, Offset);
      Offset = character + static_cast<std::size_t>(Utf8CharLen(Text, character));
    }
    if (Offset >= Text.size()) return MatchOnce(Text, Text.size());
  }
}

int TxeRegexSearch::FindLineMatches(std::string_view Text, int From, int Limit) {
  FStarts.clear();
  FLengths.clear();
  FExpanded.clear();
  FExpandedEnd.clear();
  FStopped = false;
  if (!FCode) return 0;
  // Only a line of valid UTF-8: around bytes that are not, PCRE2 finds other matches from another start.
  const bool stretched = OnPoll && FStretchable && FContext && Text.size() > FStretch && ValidUtf8(Text);
  FStretches = 0;
  std::size_t offset = From > 1 ? std::min(static_cast<std::size_t>(From - 1), Text.size()) : 0;
  // A start inside a character would let a match begin on its continuation bytes.
  if (Utf8IsInside(Text, offset)) {
    const std::size_t character = Utf8CharStart(Text, offset);
    offset = character + static_cast<std::size_t>(Utf8CharLen(Text, character));
  }
  for (;;) {
    const int rc = stretched ? Match(Text, offset) : MatchOnce(Text, offset);
    if (rc == PCRE2_ERROR_NOMATCH || FStopped) break;
    if (rc < 0) {
      // A match or stack limit: the caller stops the search here.
      FError = {TxeRegexError::reMatch, ErrorText(rc), -1, 0};
      break;
    }
    const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(FMatchData.get());
    // \K may report a start beyond the end; such a match is taken as empty.
    const std::size_t start = std::min<std::size_t>(ov[0], Text.size());
    const std::size_t end = std::max<std::size_t>(start, std::min<std::size_t>(ov[1], Text.size()));
    FStarts.push_back(static_cast<int>(start + 1));
    FLengths.push_back(static_cast<int>(end - start));
    if (!FConstant) AppendExpansion(Text);
    if (Limit > 0 && static_cast<int>(FStarts.size()) >= Limit) break;
    if (end > start) {
      offset = end;
    } else {
      // An empty match: the next attempt starts one character further.
      if (end >= Text.size()) break;
      offset = end + static_cast<std::size_t>(Utf8CharLen(Text, end));
    }
    if (offset > Text.size()) break;
  }
  return static_cast<int>(FStarts.size());
}

int TxeRegexSearch::GetMatchPositions(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(FStarts.size())) return 0;
  return FStarts[static_cast<std::size_t>(Index)];
}

int TxeRegexSearch::MatchLength(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(FLengths.size())) return 0;
  return FLengths[static_cast<std::size_t>(Index)];
}

void TxeRegexSearch::ShiftMatchPositions(int From, int Delta) {
  if (Delta == 0) return;
  for (auto it = FStarts.rbegin(); it != FStarts.rend() && *it > From; ++it) *it -= Delta;
}
