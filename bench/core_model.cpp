// The editing model on large documents: loading a whole HTML document with the HTML highlighter attached
// (lines and every line's range), the memory the loaded document takes, and one typed character in the
// middle of a small and of a huge document; the memory pasting and undoing leaves behind.
//
// The large document is the corpus file bench/corpus/scaled/html-100m.html when bench/make-corpus.sh has made
// it (or the file QUILLAN_HTML_FILE names), else synthetic HTML of the same size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "jxHTMLSyn.h"
#include "xeEditModel.h"
#include "xeMemoryTuning.h"

namespace {

// Hand-written-looking HTML: indentation, tags with attributes, prose, comments, scripts and styles.
std::string SyntheticHtml(std::size_t Bytes) {
  static const char* const words[] = {"the",   "page",  "layout", "content", "editor", "quick",
                                      "brown", "fox",   "jumps",  "over",    "lazy",   "dog",
                                      "link",  "style", "script", "table"};
  static const char* const tags[] = {"p", "div", "span", "a", "li", "td", "h2", "em"};
  std::mt19937 rng(11);
  std::string out;
  out.reserve(Bytes + 256);
  out += "<!DOCTYPE html>\r\n<html>\r\n<head><title>Large</title></head>\r\n<body>\r\n";
  while (out.size() < Bytes) {
    switch (rng() % 40) {
      case 0: out += "<!-- a comment\r\n   over two lines -->\r\n"; continue;
      case 1:
        out += "<script>\r\n  var x = 1; // note\r\n  if (x < 2) { x = \"a\"; }\r\n</script>\r\n";
        continue;
      case 2: out += "<style>\r\n  p { color: #333; margin: 0 1em; }\r\n</style>\r\n"; continue;
      default: break;
    }
    out.append(2 * (rng() % 6), ' ');
    const char* tag = tags[rng() % 8];
    out += '<';
    out += tag;
    out += " class=\"c";
    out += std::to_string(rng() % 50);
    out += "\">";
    for (int w = 0, n = 3 + static_cast<int>(rng() % 8); w < n; ++w) {
      out += words[rng() % 16];
      out += ' ';
    }
    out += "&amp;</";
    out += tag;
    out += ">\r\n";
  }
  out += "</body>\r\n</html>\r\n";
  return out;
}

const std::string& Document(std::size_t Bytes) {
  static std::string small, large;
  std::string& doc = Bytes < 10'000'000 ? small : large;
  if (doc.empty()) {
    const char* named = std::getenv("QUILLAN_HTML_FILE");
    const std::filesystem::path corpus =
        std::filesystem::path(__FILE__).parent_path() / "corpus" / "scaled" / "html-100m.html";
    const std::filesystem::path file = named ? std::filesystem::path(named) : corpus;
    if (Bytes >= 10'000'000 && std::filesystem::exists(file)) {
      std::ifstream in(file, std::ios::binary);
      std::ostringstream s;
      s << in.rdbuf();
      doc = s.str();
    } else {
      doc = SyntheticHtml(Bytes);
    }
  }
  return doc;
}

// Resident and peak resident memory of the process, in bytes (Linux).
long long StatusKb(const char* Key) {
  std::ifstream in("/proc/self/status");
  std::string line;
  const std::string key(Key);
  while (std::getline(in, line))
    if (line.compare(0, key.size(), key) == 0) return std::atoll(line.c_str() + key.size() + 1) * 1024;
  return 0;
}

void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void BM_LoadHtmlWithHighlighter(benchmark::State& State) {
  const std::string& doc = Document(static_cast<std::size_t>(State.range(0)));
  TjxHTMLSyn hl;
  double ratio = 0;
  int lines = 0;
  for (auto _ : State) {
    State.PauseTiming();
    auto model = std::make_unique<TxeEditModel>();
    model->SetHighLighter(&hl);
    ResetPeak();
    const long long base = StatusKb("VmRSS:");
    std::string copy = doc;  // the model takes this string over as its text
    State.ResumeTiming();
    model->SetText(std::move(copy));
    benchmark::DoNotOptimize(model->Lines().Objects(model->LineCount() - 1));
    State.PauseTiming();
    ratio = std::max(ratio, static_cast<double>(StatusKb("VmHWM:") - base) / static_cast<double>(doc.size()));
    lines = model->LineCount();
    model.reset();
    State.ResumeTiming();
  }
  State.counters["lines"] = lines;
  State.counters["peak_mem_per_byte"] = ratio;
  State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations()) *
                          static_cast<std::int64_t>(doc.size()));
}
BENCHMARK(BM_LoadHtmlWithHighlighter)
    ->Arg(100'000)
    ->Arg(100'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// One character typed in the middle of the document: the selection replacement, its rescan and its undo
// record. The cost must not grow with the document.
void BM_TypeInTheMiddle(benchmark::State& State) {
  const std::string& doc = Document(static_cast<std::size_t>(State.range(0)));
  TjxHTMLSyn hl;
  TxeEditModel model;
  model.SetHighLighter(&hl);
  model.SetText(doc);
  const int middle = model.LineCount() / 2;
  int i = 0;
  for (auto _ : State) {
    // A different line each time, so that no line grows long.
    model.SetCaretPos({3, middle + (i++ % std::min(1000, middle))});
    model.SetSelBegin(model.CaretPos());
    model.ReplaceSelectionWithUndo("x");
  }
  State.counters["lines"] = model.LineCount();
}
BENCHMARK(BM_TypeInTheMiddle)->Arg(100'000)->Arg(100'000'000)->Unit(benchmark::kMicrosecond);

// A line break typed in the middle: lines are inserted into the record index near the previous edit.
void BM_LineBreakInTheMiddle(benchmark::State& State) {
  const std::string& doc = Document(static_cast<std::size_t>(State.range(0)));
  TjxHTMLSyn hl;
  TxeEditModel model;
  model.SetHighLighter(&hl);
  model.SetText(doc);
  model.SetCaretPos({3, model.LineCount() / 2});
  for (auto _ : State) model.InsertLineBreak(true);
  State.counters["lines"] = model.LineCount();
}
BENCHMARK(BM_LineBreakInTheMiddle)->Arg(100'000)->Arg(100'000'000)->Unit(benchmark::kMicrosecond);

// Typing into the middle of one minified line of several megabytes.
void BM_TypeInALongLine(benchmark::State& State) {
  std::string line;
  while (line.size() < static_cast<std::size_t>(State.range(0))) line += "<b>x</b>";
  TjxHTMLSyn hl;
  TxeEditModel model;
  model.SetHighLighter(&hl);
  model.SetText(line);
  model.SetCaretPos({static_cast<int>(line.size() / 2), 1});
  for (auto _ : State) {
    model.SetSelBegin(model.CaretPos());
    model.ReplaceSelectionWithUndo("x");
  }
}
BENCHMARK(BM_TypeInALongLine)->Arg(5'000'000)->Unit(benchmark::kMicrosecond);

// Select all, replace it with one character, and undo that: whole-document edits.
void BM_ReplaceEverythingAndUndo(benchmark::State& State) {
  const std::string& doc = Document(static_cast<std::size_t>(State.range(0)));
  TjxHTMLSyn hl;
  TxeEditModel model;
  model.SetHighLighter(&hl);
  model.SetText(doc);
  for (auto _ : State) {
    model.SelectAll();
    model.ReplaceSelectionWithUndo("x");
    model.Undo();
  }
  State.counters["lines"] = model.LineCount();
}
BENCHMARK(BM_ReplaceEverythingAndUndo)->Arg(100'000'000)->Unit(benchmark::kMillisecond)->Iterations(2);

// 40 rounds of pasting a 3.9 MB block into a one-line document and undoing it: the resident memory above
// the start, in copies of the block (the pasted text must go once no line refers to it). The allocator is set
// up as the program sets it up.
void BM_PasteAndUndoMemory(benchmark::State& State) {
  KeepLargeBlocksReturnable();
  const std::string block = SyntheticHtml(3'900'000);
  double copies = 0;
  for (auto _ : State) {
    TxeEditModel model;
    TxeMemoryClipboard clip;
    model.SetClipboard(&clip);
    model.SetMaxUndo(2);
    model.SetText("<p>one line</p>");
    clip.SetPlainText(block);
    const long long base = StatusKb("VmRSS:");
    for (int round = 0; round < 40; ++round) {
      model.SetCaretPos({4, 1});
      model.PasteFromClipboard();
      model.Undo();
    }
    copies = static_cast<double>(StatusKb("VmRSS:") - base) / static_cast<double>(block.size());
  }
  State.counters["rss_growth_in_blocks"] = copies;
}
BENCHMARK(BM_PasteAndUndoMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
