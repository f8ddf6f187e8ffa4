// Checks a page with HTML Tidy: its HTML5 mode, no output document, errors and warnings only. The
// text is read, never changed; the check may run in a worker thread and be cancelled from another.
// The editor never calls this itself: quillan-check (PageCheckProgram.cpp) does, in a process of its
// own, since some pages make Tidy crash or never end.
#pragma once

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct TPageProblem {
  int Line = 0;    // 1-based; 0 for the document as a whole
  int Column = 0;  // 1-based byte column of the line; 0 for none
  bool Error = false;
  std::string Message;  // "Warning: ..." or "Error: ..."
};

struct TPageCheckResult {
  std::vector<TPageProblem> Problems;  // by line and column; at most MaxPageProblems
  int Errors = 0;                      // counted over all problems, listed or not
  int Warnings = 0;
  bool Cancelled = false;
};

// Shared between the checking thread and the one that waits for it.
struct TPageCheckControl {
  std::atomic<std::size_t> BytesRead{0};
  std::atomic<bool> Cancel{false};
  // What Tidy may hold at once (0: no limit). Tidy cannot go on without the memory it asks for, so
  // beyond the limit, or when the system has no more, OutOfMemory is called, which must not return
  // (without one, the program aborts).
  std::size_t MemoryLimit = 0;
  void (*OutOfMemory)() = nullptr;
};

inline constexpr std::size_t MaxPageProblems = 10000;

// Text: the page in UTF-8, lines separated by LF. Control (optional): progress and cancellation.
TPageCheckResult CheckPage(std::string_view Text, TPageCheckControl* Control = nullptr);
