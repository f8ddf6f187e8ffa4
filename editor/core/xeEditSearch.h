// TxeEditSearch: finds the non-overlapping occurrences of a pattern in one line of bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Options of the editor's FindReplace: bit n = option n.
using TxeSearchOptions = std::uint16_t;
constexpr TxeSearchOptions srMatchCase = 1u << 0;
constexpr TxeSearchOptions srWholeWord = 1u << 1;
constexpr TxeSearchOptions srBackward = 1u << 2;
constexpr TxeSearchOptions srWholeDocument = 1u << 3;
constexpr TxeSearchOptions srSelectionOnly = 1u << 4;
constexpr TxeSearchOptions srReplace = 1u << 5;
constexpr TxeSearchOptions srReplaceAll = 1u << 6;
constexpr TxeSearchOptions srPrompt = 1u << 7;
// ASearch is a Perl-compatible regular expression and AReplace may refer to its groups.
constexpr TxeSearchOptions srRegExpr = 1u << 8;

// The answer of OnReplaceText for one occurrence.
enum TxeReplaceAction : std::uint8_t { rpaCancel = 0, rpaSkip = 1, rpaReplace = 2, rpaReplaceAll = 3 };

class ExeSearchError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Byte tables shared by every engine. Case folding is ASCII only; bytes 128..255 belong to words,
// so a multi-byte UTF-8 character is never cut by a whole-word test.
namespace xeSearchTables {
const unsigned char* Translation(bool CaseSensitive);  // 256 entries
bool IsDelimiter(unsigned char Byte);
}  // namespace xeSearchTables

// What FindReplace needs of a search engine: the matches of one line, with their lengths and the text that
// replaces each of them.
class TxeLineSearch {
 public:
  virtual ~TxeLineSearch() = default;
  // The replace text for the matches found from now on; false when it cannot be used.
  virtual bool SetReplacement(std::string_view AReplace) = 0;
  // Collects the matches of one line. An engine may begin at byte column From, and may stop after Limit
  // matches (0: no limit); the caller drops matches that start before From anyway.
  virtual int FindLineMatches(std::string_view Text, int From, int Limit) = 0;
  virtual int GetResultCount() const = 0;
  virtual int GetMatchPositions(int Index) const = 0;  // 1-based column
  virtual int MatchLength(int Index) const = 0;
  // Valid until the next FindLineMatches.
  virtual std::string_view Replacement(int Index) const = 0;
  // Every position greater than From is decreased by Delta.
  virtual void ShiftMatchPositions(int From, int Delta) = 0;
};

class TxeEditSearch final : public TxeLineSearch {
 public:
  TxeEditSearch();

  const std::string& GetSearchPattern() const { return FPattern; }
  void SetSearchPattern(std::string_view Value);  // throws ExeSearchError("Pattern is empty")

  bool GetCaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);
  bool GetWholeWordsOnly() const { return FWholeWordsOnly; }
  void SetWholeWordsOnly(bool Value) { FWholeWordsOnly = Value; }

  // Text must stay alive and unchanged until the scan that it started is finished.
  int FirstMatch(std::string_view Text);  // 1-based column of the first match, or 0
  int NextMatch();                        // the next match after the previous one, or 0
  int FindAllMatches(std::string_view Text);

  int GetMatchPositions(int Index) const override;  // 0 when Index is out of range
  int GetResultCount() const override { return static_cast<int>(FResults.size()); }
  const std::vector<int>& MatchPositions() const { return FResults; }
  void ShiftMatchPositions(int From, int Delta) override;

  // The line walk of FindReplace: every match from the line's start, whatever From and Limit say.
  bool SetReplacement(std::string_view AReplace) override {
    FReplace.assign(AReplace);
    return true;
  }
  int FindLineMatches(std::string_view Text, int /*From*/, int /*Limit*/) override {
    return FindAllMatches(Text);
  }
  int MatchLength(int /*Index*/) const override { return static_cast<int>(FPattern.size()); }
  std::string_view Replacement(int /*Index*/) const override { return FReplace; }

  int GetMatchCount() const { return FMatchCount; }
  void ResetMatchCount() { FMatchCount = 0; }

  int LookAt() const { return FLookAt; }
  int Shift(unsigned char Byte) const { return FShift[Byte]; }

 private:
  void BuildShiftTable();
  bool MatchesAt(std::size_t Start) const;
  std::size_t QuickScan(std::size_t From) const;
  std::size_t VectorScan(std::size_t From) const;
  std::size_t Scan(std::size_t From) const;
  bool IsWholeWord(std::size_t Start) const;

  std::string FPattern;
  bool FCaseSensitive = false;
  bool FWholeWordsOnly = false;
  const unsigned char* FTranslate;
  // Quick-search shift per raw byte (already folded), and the distance from the last pattern byte back
  // to its previous occurrence in the pattern.
  std::uint32_t FShift[256];
  int FLookAt = 1;
  // Vector prefilter: each anchor byte matches when (byte | mask) == value.
  unsigned char FFirstValue = 0, FFirstMask = 0, FLastValue = 0, FLastMask = 0;

  std::string_view FText;
  std::size_t FNext = 0;  // 0-based start from which the next scan begins
  std::vector<int> FResults;
  int FMatchCount = 0;
  std::string FReplace;
};
