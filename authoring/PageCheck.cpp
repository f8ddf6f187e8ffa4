#include "PageCheck.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

#include <malloc.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Tidy counts columns in characters, with tabs reaching the next multiple of this.
constexpr int kTidyTabSize = 8;

struct TSource {
  std::string_view Text;
  std::size_t Pos = 0;
  TPageCheckControl* Control = nullptr;
};

// Tidy reads the page through these; a cancelled check ends its input, so Tidy stops soon.
int TIDY_CALL GetByte(void* Data) {
  auto* source = static_cast<TSource*>(Data);
  if (source->Pos >= source->Text.size()) return int(EndOfStream);
  if (source->Control && (source->Pos & 0xFFFF) == 0) {
    if (source->Control->Cancel.load(std::memory_order_relaxed)) {
      source->Pos = source->Text.size();
      return int(EndOfStream);
    }
    source->Control->BytesRead.store(source->Pos, std::memory_order_relaxed);
  }
  return static_cast<unsigned char>(source->Text[source->Pos++]);
}

void TIDY_CALL UngetByte(void* Data, byte) {
  auto* source = static_cast<TSource*>(Data);
  if (source->Pos > 0) --source->Pos;
}

Bool TIDY_CALL AtEnd(void* Data) {
  auto* source = static_cast<TSource*>(Data);
  return source->Pos >= source->Text.size() ? yes : no;
}

// Tidy's allocations, counted against the control's limit. Tidy uses whatever it is given without
// looking, so an allocation that cannot be had never returns.
struct TCountingAllocator {
  TidyAllocator Base;  // first: Tidy hands this back as the allocator
  const TPageCheckControl* Control = nullptr;
  std::size_t Held = 0;
};

[[noreturn]] void OutOfMemory(const TCountingAllocator& Allocator) {
  if (Allocator.Control && Allocator.Control->OutOfMemory) Allocator.Control->OutOfMemory();
  std::abort();
}

std::size_t Limit(const TCountingAllocator& Allocator) {
  const std::size_t limit = Allocator.Control ? Allocator.Control->MemoryLimit : 0;
  return limit ? limit : SIZE_MAX;
}

void* TIDY_CALL Reallocate(TidyAllocator* Self, void* Block, size_t Bytes) {
  auto& allocator = *reinterpret_cast<TCountingAllocator*>(Self);
  const std::size_t old = Block ? malloc_usable_size(Block) : 0;
  const std::size_t limit = Limit(allocator);
  if (Bytes > old && (allocator.Held >= limit || Bytes - old > limit - allocator.Held))
    OutOfMemory(allocator);
  void* block = std::realloc(Block, Bytes ? Bytes : 1);
  if (!block) OutOfMemory(allocator);
  allocator.Held = allocator.Held - old + malloc_usable_size(block);
  return block;
}

void* TIDY_CALL Allocate(TidyAllocator* Self, size_t Bytes) { return Reallocate(Self, nullptr, Bytes); }

void TIDY_CALL Free(TidyAllocator* Self, void* Block) {
  if (!Block) return;
  reinterpret_cast<TCountingAllocator*>(Self)->Held -= malloc_usable_size(Block);
  std::free(Block);
}

// Tidy panics only when its own tree is broken.
void TIDY_CALL Panic(TidyAllocator*, ctmbstr) { std::abort(); }

const TidyAllocatorVtbl kCountingAllocator = {Allocate, Reallocate, Free, Panic};

struct TCollector {
  TPageCheckResult Result;
};

Bool TIDY_CALL Collect(TidyMessage Message) {
  auto* collector = static_cast<TCollector*>(tidyGetAppData(tidyGetMessageDoc(Message)));
  const TidyReportLevel level = tidyGetMessageLevel(Message);
  const bool error = level == TidyError || level == TidyBadDocument || level == TidyFatal;
  if (!error && level != TidyWarning) return no;
  TPageCheckResult& result = collector->Result;
  ++(error ? result.Errors : result.Warnings);
  if (result.Problems.size() < MaxPageProblems) {
    TPageProblem problem;
    problem.Line = std::max(0, tidyGetMessageLine(Message));
    problem.Column = std::max(0, tidyGetMessageColumn(Message));
    problem.Error = error;
    problem.Message = std::string(error ? "Error: " : "Warning: ") + tidyGetMessage(Message);
    result.Problems.push_back(std::move(problem));
  }
  return no;  // nothing goes to Tidy's own report output
}

// Tidy's character column on a line as a byte column: UTF-8 sequences count once, bytes that are
// not UTF-8 once each, tabs up to the next tab stop.
int ByteColumn(std::string_view Line, int TidyColumn) {
  int col = 1;
  std::size_t i = 0;
  while (i < Line.size() && col < TidyColumn) {
    const auto c = static_cast<unsigned char>(Line[i]);
    std::size_t length = 1;
    if (c >= 0xC2 && c <= 0xF4) {
      const std::size_t want = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
      std::size_t n = 1;
      while (n < want && i + n < Line.size() && (static_cast<unsigned char>(Line[i + n]) & 0xC0) == 0x80) ++n;
      if (n == want) length = want;
    }
    col = c == '\t' ? col + kTidyTabSize - (col - 1) % kTidyTabSize : col + 1;
    i += length;
  }
  return int(i) + 1;
}

// Positions are turned into byte columns in one pass over the text; Problems is in line order.
void ToByteColumns(std::string_view Text, std::vector<TPageProblem>& Problems) {
  int line = 1;
  std::size_t start = 0;
  for (TPageProblem& p : Problems) {
    if (p.Line <= 0 || p.Column <= 0) continue;
    while (line < p.Line && start <= Text.size()) {
      const std::size_t next = Text.find('\n', start);
      start = next == std::string_view::npos ? Text.size() + 1 : next + 1;
      ++line;
    }
    if (start > Text.size()) {
      p.Column = 1;
      continue;
    }
    const std::size_t end = std::min(Text.find('\n', start), Text.size());
    p.Column = ByteColumn(Text.substr(start, end - start), p.Column);
  }
}

}  // namespace

TPageCheckResult CheckPage(std::string_view Text, TPageCheckControl* Control) {
  TCollector collector;
  TCountingAllocator allocator{{&kCountingAllocator}, Control, 0};
  TidyDoc doc = tidyCreateWithAllocator(&allocator.Base);
  tidySetAppData(doc, &collector);
  tidySetMessageCallback(doc, Collect);
  tidyOptSetValue(doc, TidyDoctype, "html5");
  tidyOptSetBool(doc, TidyShowMarkup, no);
  tidyOptSetBool(doc, TidyShowWarnings, yes);
  tidyOptSetBool(doc, TidyShowInfo, no);
  tidyOptSetBool(doc, TidyQuiet, yes);
  tidyOptSetInt(doc, TidyShowErrors, 1 << 30);
  tidyOptSetInt(doc, TidyTabSize, kTidyTabSize);
  tidySetInCharEncoding(doc, "utf8");
  // Tidy's summary lines go to this buffer, not to the program's standard error.
  TidyBuffer report;
  tidyBufInitWithAllocator(&report, &allocator.Base);
  tidySetErrorBuffer(doc, &report);

  TSource source{Text, 0, Control};
  TidyInputSource input;
  tidyInitSource(&input, &source, GetByte, UngetByte, AtEnd);
  const int status = tidyParseSource(doc, &input);
  const bool cancelled = Control && Control->Cancel.load();
  // Some warnings (attributes that HTML does not know) come only from Tidy's clean-up pass; it
  // works on Tidy's own copy of the page.
  if (status >= 0 && !cancelled) tidyCleanAndRepair(doc);
  tidyBufFree(&report);
  tidyRelease(doc);

  TPageCheckResult result = std::move(collector.Result);
  result.Cancelled = cancelled;
  if (cancelled) result.Problems.clear();
  std::stable_sort(result.Problems.begin(), result.Problems.end(),
                   [](const TPageProblem& a, const TPageProblem& b) {
                     return a.Line != b.Line ? a.Line < b.Line : a.Column < b.Column;
                   });
  ToByteColumns(Text, result.Problems);
  if (Control) Control->BytesRead.store(Text.size());
  return result;
}
