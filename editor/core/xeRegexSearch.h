// TxeRegexSearch: Perl-compatible regular expressions (PCRE2, JIT-compiled) over one line of UTF-8 bytes,
// where invalid sequences are tolerated (no match crosses them), and the replacement text's references to
// the expression's groups: $0..$9, ${number}, ${name}, and $$ for a dollar sign.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xeEditSearch.h"

struct pcre2_real_code_8;
struct pcre2_real_match_data_8;
struct pcre2_real_match_context_8;
struct pcre2_real_jit_stack_8;

// Why a regular expression could not be used, or why a search stopped.
struct TxeRegexError {
  enum TWhere { reNone, rePattern, reReplacement, reMatch };
  TWhere Where = reNone;
  std::string Message;
  int Offset = -1;  // byte offset in the expression (rePattern) or the replace text (reReplacement)
  int Line = 0;     // reMatch: the line on which matching gave up
  explicit operator bool() const { return Where != reNone; }
};

class TxeRegexSearch final : public TxeLineSearch {
 public:
  TxeRegexSearch();
  ~TxeRegexSearch() override;
  TxeRegexSearch(const TxeRegexSearch&) = delete;
  TxeRegexSearch& operator=(const TxeRegexSearch&) = delete;

  // Compiles Pattern, unless it was the last one given with the same options. Case folding is Unicode's;
  // whole words must not touch ASCII letters or digits or any non-ASCII character on either side. False
  // (and Error() says why) when it does not compile.
  bool SetPattern(std::string_view Pattern, bool CaseSensitive, bool WholeWord);
  bool SetReplacement(std::string_view AReplace) override;
  const TxeRegexError& Error() const { return FError; }
  void ClearMatchError();
  bool Compiled() const { return FCode != nullptr; }
  bool UsesJit() const { return FJit; }
  int CaptureCount() const { return FCaptureCount; }

  // Asked between stretches of a long line while it is searched; false stops the search of the line, and
  // Stopped() then says so (until the next FindLineMatches). Unset, a line is searched in one go.
  std::function<bool()> OnPoll;
  bool Stopped() const { return FStopped; }
  // Start positions in the first stretch (at least one); later stretches grow or shrink so that one takes a
  // few milliseconds. Set again by every new expression.
  void SetStretch(std::size_t Positions) { FStretch = Positions > 0 ? Positions : 1; }

  int FindLineMatches(std::string_view Text, int From, int Limit) override;
  int GetResultCount() const override { return static_cast<int>(FStarts.size()); }
  int GetMatchPositions(int Index) const override;
  int MatchLength(int Index) const override;
  std::string_view Replacement(int Index) const override;
  void ShiftMatchPositions(int From, int Delta) override;

 private:
  // A piece of the replacement: literal bytes FLiterals[Begin, End), or the first set group of Groups.
  struct TPiece {
    std::size_t Begin = 0, End = 0;
    std::vector<int> Groups;
  };
  struct TCodeFree {
    void operator()(pcre2_real_code_8* Code) const;
  };
  struct TMatchDataFree {
    void operator()(pcre2_real_match_data_8* Data) const;
  };

  void Compile(std::string_view Pattern, bool CaseSensitive, bool WholeWord);
  bool ParseReplacement(std::string_view AReplace);
  bool GroupPiece(std::string_view Name, std::size_t At, TPiece& Piece);
  void AppendExpansion(std::string_view Text);
  int Match(std::string_view Text, std::size_t Offset);
  int MatchOnce(std::string_view Text, std::size_t Offset);

  std::string FPattern;
  bool FCaseSensitive = false, FWholeWord = false, FTried = false;
  std::unique_ptr<pcre2_real_code_8, TCodeFree> FCode;
  std::unique_ptr<pcre2_real_match_data_8, TMatchDataFree> FMatchData;
  pcre2_real_match_context_8* FContext = nullptr;
  pcre2_real_jit_stack_8* FJitStack = nullptr;
  bool FJit = false;
  // A search may go a stretch of start positions at a time: the expression does not depend on where the
  // search began (\G) or stop all later starts (*COMMIT, *SKIP), and is not anchored.
  bool FStretchable = false;
  std::size_t FStretch = 256;  // start positions per stretch, fitted to how long one takes
  int FStretches = 0;          // stretches of the current line so far
  bool FStopped = false;
  int FCaptureCount = 0;
  TxeRegexError FError;
  TxeRegexError FCompileError;  // kept with the cached pattern

  std::string FLiterals;
  std::vector<TPiece> FPieces;
  bool FConstant = true;  // no group references: every match becomes FLiterals

  std::vector<int> FStarts;  // 1-based columns
  std::vector<int> FLengths;
  std::string FExpanded;  // the replacements of the last line's matches, one after another
  std::vector<std::size_t> FExpandedEnd;
};
