// What quillan-check answers on its standard output, in frames of a kind letter, the payload's length
// in decimal, a colon, the payload and a line feed:
//   P<n>:<bytes of the page Tidy has read>      now and then while it checks
//   M<n>:<line> <column> <E|W> <message>        one entry of the list, in the list's order
//   S<n>:<errors> <warnings>                    last: the check is complete
// The editor reads it as it comes and trusts none of it: a frame that breaks the format or the limits
// below ends the reading, and nothing of that answer is shown.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "PageCheck.h"

// A longer message is cut to this many bytes (at a character's start).
inline constexpr std::size_t MaxPageCheckMessage = 1000;

// How quillan-check ends, besides 0 for a complete answer (and a signal for a crash or a limit).
inline constexpr int PageCheckExitOutOfMemory = 3;
inline constexpr int PageCheckExitUsage = 4;

std::string PageCheckProgressFrame(std::size_t BytesRead);
std::string PageCheckProblemFrame(const TPageProblem& Problem);
std::string PageCheckSummaryFrame(int Errors, int Warnings);

class TPageCheckReader {
 public:
  // Takes the next bytes of the output, in pieces of any size; false once the output broke the format
  // (and from then on).
  bool Feed(std::string_view Bytes);
  bool Broken() const { return FBroken; }
  // The summary came: the result is whole.
  bool Complete() const { return FComplete && !FBroken; }
  std::size_t BytesRead() const { return FBytesRead; }
  TPageCheckResult TakeResult() { return std::move(FResult); }

 private:
  bool Take(char Kind, std::string_view Payload);

  std::string FPending;  // the start of a frame whose rest has not come yet
  TPageCheckResult FResult;
  std::size_t FBytesRead = 0;
  bool FBroken = false;
  bool FComplete = false;
};
