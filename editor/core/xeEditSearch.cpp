// Quick-search (Sunday's variant of Boyer-Moore-Horspool) over one line, with a 16-byte vector
// prefilter for long lines: both find the same leftmost candidates, the prefilter just finds them faster.
#include "xeEditSearch.h"

#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr bool IsAsciiUpper(unsigned c) { return c >= 'A' && c <= 'Z'; }
constexpr bool IsAsciiLetter(unsigned c) { return IsAsciiUpper(c) || (c >= 'a' && c <= 'z'); }

constexpr std::array<unsigned char, 256> MakeTranslation(bool CaseSensitive) {
  std::array<unsigned char, 256> t{};
  for (unsigned c = 0; c < 256; ++c)
    t[c] = static_cast<unsigned char>(!CaseSensitive && IsAsciiUpper(c) ? c + 32 : c);
  return t;
}

constexpr std::array<bool, 256> MakeDelimiters() {
  std::array<bool, 256> d{};
  for (unsigned c = 0; c < 256; ++c) d[c] = !(IsAsciiLetter(c) || (c >= '0' && c <= '9') || c >= 128);
  return d;
}

constexpr auto kExact = MakeTranslation(true);
constexpr auto kFolded = MakeTranslation(false);
constexpr auto kDelimiters = MakeDelimiters();

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

}  // namespace

namespace xeSearchTables {
const unsigned char* Translation(bool CaseSensitive) {
  return CaseSensitive ? kExact.data() : kFolded.data();
}
bool IsDelimiter(unsigned char Byte) { return kDelimiters[Byte]; }
}  // namespace xeSearchTables

TxeEditSearch::TxeEditSearch() : FTranslate(kFolded.data()) {
  for (auto& s : FShift) s = 1;
}

void TxeEditSearch::SetSearchPattern(std::string_view Value) {
  if (Value.empty()) throw ExeSearchError("Pattern is empty");
  if (Value == FPattern) return;
  FPattern.assign(Value);
  BuildShiftTable();
}

void TxeEditSearch::SetCaseSensitive(bool Value) {
  FCaseSensitive = Value;
  FTranslate = xeSearchTables::Translation(Value);
  // The shift table depends on the folding; a stale one would skip matches.
  if (!FPattern.empty()) BuildShiftTable();
}

void TxeEditSearch::BuildShiftTable() {
  const auto* p = reinterpret_cast<const unsigned char*>(FPattern.data());
  const std::size_t m = FPattern.size();
  std::uint32_t byFolded[256];
  for (auto& s : byFolded) s = static_cast<std::uint32_t>(m + 1);
  for (std::size_t j = 1; j <= m; ++j) byFolded[FTranslate[p[j - 1]]] = static_cast<std::uint32_t>(m + 1 - j);
  for (unsigned c = 0; c < 256; ++c) FShift[c] = byFolded[FTranslate[c]];

  const unsigned char last = FTranslate[p[m - 1]];
  std::size_t lookAt = 1;
  while (lookAt < m && last != FTranslate[p[m - 1 - lookAt]]) ++lookAt;
  FLookAt = static_cast<int>(lookAt);

  auto anchor = [this](unsigned char c, unsigned char& value, unsigned char& mask) {
    const bool fold = !FCaseSensitive && IsAsciiLetter(c);
    mask = fold ? 0x20 : 0;
    value = fold ? static_cast<unsigned char>(c | 0x20) : c;
  };
  anchor(p[0], FFirstValue, FFirstMask);
  anchor(p[m - 1], FLastValue, FLastMask);
}

bool TxeEditSearch::MatchesAt(std::size_t Start) const {
  const auto* t = reinterpret_cast<const unsigned char*>(FText.data()) + Start;
  const auto* p = reinterpret_cast<const unsigned char*>(FPattern.data());
  const std::size_t m = FPattern.size();
  if (FCaseSensitive) return std::memcmp(t, p, m) == 0;
  for (std::size_t i = 0; i < m; ++i)
    if (FTranslate[t[i]] != FTranslate[p[i]]) return false;
  return true;
}

// The classic scan: `pos` is the text byte under the last pattern byte.
std::size_t TxeEditSearch::QuickScan(std::size_t From) const {
  const auto* t = reinterpret_cast<const unsigned char*>(FText.data());
  const std::size_t n = FText.size();
  const std::size_t m = FPattern.size();
  const unsigned char last = FTranslate[static_cast<unsigned char>(FPattern[m - 1])];
  const std::size_t lookAt = static_cast<std::size_t>(FLookAt);
  std::size_t pos = From + m - 1;
  while (pos < n) {
    if (FTranslate[t[pos]] == last) {
      if (MatchesAt(pos + 1 - m)) return pos + 1 - m;
      if (pos + lookAt >= n) return kNone;
      pos += lookAt - 1 + FShift[t[pos + lookAt]];
    } else {
      if (pos + 1 >= n) return kNone;  // the byte after the window would be past the end
      pos += FShift[t[pos + 1]];
    }
  }
  return kNone;
}

std::size_t TxeEditSearch::VectorScan(std::size_t From) const {
  const std::size_t n = FText.size();
  const std::size_t m = FPattern.size();
  std::size_t i = From;
#if defined(__SSE2__)
  const char* t = FText.data();
  const __m128i firstValue = _mm_set1_epi8(static_cast<char>(FFirstValue));
  const __m128i firstMask = _mm_set1_epi8(static_cast<char>(FFirstMask));
  const __m128i lastValue = _mm_set1_epi8(static_cast<char>(FLastValue));
  const __m128i lastMask = _mm_set1_epi8(static_cast<char>(FLastMask));
  const auto candidates = [&](std::size_t base) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + base));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + base + m - 1));
    const __m128i hit = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, firstMask), firstValue),
                                      _mm_cmpeq_epi8(_mm_or_si128(b, lastMask), lastValue));
    return static_cast<unsigned>(_mm_movemask_epi8(hit));
  };
  const auto verify = [&](std::size_t base, unsigned bits) {
    for (; bits != 0; bits &= bits - 1) {
      const std::size_t start = base + static_cast<std::size_t>(__builtin_ctz(bits));
      if (MatchesAt(start)) return start;
    }
    return kNone;
  };
  // Blocks of 16 candidate starts whose last pattern byte still lies inside the text.
  const std::size_t starts = n - m + 1;  // candidate starts are 0 .. starts-1
  if (starts >= 16) {
    for (; i + 16 <= starts; i += 16)
      if (const std::size_t hit = verify(i, candidates(i)); hit != kNone) return hit;
    if (i == starts) return kNone;
    // The last, partial block: re-read the final 16 starts and drop the ones already checked.
    const std::size_t base = starts - 16;
    return verify(base, candidates(base) & (0xFFFFu << (i - base)));
  }
#endif
  return QuickScan(i);
}

std::size_t TxeEditSearch::Scan(std::size_t From) const {
  if (FPattern.empty() || From >= FText.size() || FText.size() - From < FPattern.size()) return kNone;
  return FText.size() - From >= FPattern.size() + 15 ? VectorScan(From) : QuickScan(From);
}

bool TxeEditSearch::IsWholeWord(std::size_t Start) const {
  const auto* t = reinterpret_cast<const unsigned char*>(FText.data());
  const std::size_t end = Start + FPattern.size();
  if (Start > 0 && !kDelimiters[t[Start - 1]]) return false;
  return end >= FText.size() || kDelimiters[t[end]];
}

int TxeEditSearch::FirstMatch(std::string_view Text) {
  FText = Text;
  FNext = 0;
  return NextMatch();
}

int TxeEditSearch::NextMatch() {
  for (;;) {
    const std::size_t start = Scan(FNext);
    if (start == kNone) {
      FNext = FText.size();
      return 0;
    }
    if (FWholeWordsOnly && !IsWholeWord(start)) {
      FNext = start + 1;
      continue;
    }
    FNext = start + FPattern.size();
    ++FMatchCount;
    return static_cast<int>(start + 1);
  }
}

int TxeEditSearch::FindAllMatches(std::string_view Text) {
  FResults.clear();
  for (int p = FirstMatch(Text); p != 0; p = NextMatch()) FResults.push_back(p);
  return static_cast<int>(FResults.size());
}

int TxeEditSearch::GetMatchPositions(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(FResults.size())) return 0;
  return FResults[static_cast<std::size_t>(Index)];
}

void TxeEditSearch::ShiftMatchPositions(int From, int Delta) {
  if (Delta == 0) return;
  for (auto it = FResults.rbegin(); it != FResults.rend() && *it > From; ++it) *it -= Delta;
}
