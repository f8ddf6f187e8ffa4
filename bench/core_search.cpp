// Search throughput over synthetic HTML lines (or bench/corpus/*.html when present): the plain engine and
// regular expressions side by side.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "jxHTMLSyn.h"
#include "xeEditModel.h"
#include "xeEditSearch.h"

namespace {

// Lines shaped like hand-written HTML: indentation, tags, attributes and prose.
std::vector<std::string> SyntheticHtml(std::size_t bytes) {
  static const char* const words[] = {"the",   "page",  "layout", "content", "editor", "quick",
                                      "brown", "fox",   "jumps",  "over",    "lazy",   "dog",
                                      "link",  "style", "script", "table"};
  static const char* const tags[] = {"p", "div", "span", "a", "li", "td", "h2", "em"};
  std::mt19937 rng(7);
  std::vector<std::string> lines;
  std::size_t total = 0;
  while (total < bytes) {
    std::string line(2 * (rng() % 6), ' ');
    const char* tag = tags[rng() % 8];
    line += "<";
    line += tag;
    line += " class=\"c" + std::to_string(rng() % 50) + "\">";
    for (int w = 0, n = 3 + static_cast<int>(rng() % 10); w < n; ++w) {
      line += words[rng() % 16];
      line += ' ';
    }
    line += "</";
    line += tag;
    line += ">";
    total += line.size() + 2;
    lines.push_back(std::move(line));
  }
  return lines;
}

const std::vector<std::string>& Corpus() {
  static const auto lines = SyntheticHtml(100u << 20);
  return lines;
}

std::size_t CorpusBytes() {
  std::size_t n = 0;
  for (const auto& l : Corpus()) n += l.size();
  return n;
}

void ScanNoMatch(benchmark::State& state, const char* pattern, bool caseSensitive, bool wholeWord) {
  TxeEditSearch s;
  s.SetSearchPattern(pattern);
  s.SetCaseSensitive(caseSensitive);
  s.SetWholeWordsOnly(wholeWord);
  const auto& lines = Corpus();
  for (auto _ : state) {
    int found = 0;
    for (const auto& l : lines) found += s.FindAllMatches(l);
    benchmark::DoNotOptimize(found);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * CorpusBytes()));
}

void BM_EngineNoMatch(benchmark::State& state) { ScanNoMatch(state, "zebra", false, false); }
void BM_EngineNoMatchCase(benchmark::State& state) { ScanNoMatch(state, "zebra", true, false); }
void BM_EngineNoMatchOneByte(benchmark::State& state) { ScanNoMatch(state, "#", true, false); }
void BM_EngineManyMatches(benchmark::State& state) { ScanNoMatch(state, "div", false, false); }
void BM_EngineWholeWord(benchmark::State& state) { ScanNoMatch(state, "the", false, true); }

std::string Document(std::size_t bytes, const char* lineBreak = "\r\n") {
  std::string text;
  for (const auto& l : SyntheticHtml(bytes)) {
    text += l;
    text += lineBreak;
  }
  return text;
}

// bench/corpus/scaled/<name> (made by bench/make-corpus.sh; QUILLAN_CORPUS names another folder), or
// empty when it is missing. The folder sits beside this source, or under the checkout the program is in.
std::string CorpusFile(const char* name) {
  namespace fs = std::filesystem;
  const char* env = std::getenv("QUILLAN_CORPUS");
  fs::path root = env ? fs::path(env) : fs::path(__FILE__).parent_path() / "corpus";
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (!env && !fs::is_directory(root) && !error)
    root = exe.parent_path().parent_path().parent_path() / "bench" / "corpus";
  std::ifstream in(root / "scaled" / name, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// Replace-all over a 10 MB page with the HTML highlighter attached: undo records and range rescans included.
// With Undo, what is timed is the undo of that Replace All instead (one step, MaxUndo 2 as in the window).
void ReplaceAll(benchmark::State& state, const std::string& text, const char* search, const char* replace,
                TxeSearchOptions options, bool Undo = false) {
  if (text.empty()) {
    state.SkipWithError("no corpus: run bench/make-corpus.sh");
    return;
  }
  TjxHTMLSyn html;
  int replaced = 0;
  for (auto _ : state) {
    state.PauseTiming();
    TxeEditModel m;
    m.SetMaxUndo(2);
    m.SetHighLighter(&html);
    m.SetText(text);
    const std::string before = Undo ? m.Text() : std::string();
    if (!Undo) state.ResumeTiming();
    replaced = m.FindReplace(search, replace, srReplaceAll | options);
    benchmark::DoNotOptimize(replaced);
    if (Undo) {
      state.ResumeTiming();
      m.Undo();
      state.PauseTiming();
      if (m.Text() != before) state.SkipWithError("undo did not give the text back");
    } else {
      state.PauseTiming();
    }
    m.SetHighLighter(nullptr);
    state.ResumeTiming();
  }
  state.counters["occurrences"] = replaced;
}
void ReplaceAllDivBySpan(benchmark::State& state, const std::string& text, bool Undo = false) {
  ReplaceAll(state, text, "div", "span", 0, Undo);
}
// The regular expression that names what it keeps.
void ReplaceAllDivClass(benchmark::State& state, const std::string& text) {
  ReplaceAll(state, text, "<div class=\"([^\"]*)\">", "<section class=\"$1\">", srRegExpr);
}

void BM_ReplaceAllDivBySpan(benchmark::State& state) { ReplaceAllDivBySpan(state, Document(10u << 20)); }
void BM_UndoReplaceAllDivBySpan(benchmark::State& state) {
  ReplaceAllDivBySpan(state, Document(10u << 20), true);
}
// The same page minified into one line.
void BM_ReplaceAllDivBySpanOneLine(benchmark::State& state) {
  ReplaceAllDivBySpan(state, Document(10u << 20, " "));
}
void BM_UndoReplaceAllDivBySpanOneLine(benchmark::State& state) {
  ReplaceAllDivBySpan(state, Document(10u << 20, " "), true);
}
// The one-line page broken before every closing tag, as when unpacking a minified page.
void BM_ReplaceAllBreaksOneLine(benchmark::State& state) {
  ReplaceAll(state, Document(10u << 20, " "), "</", "\r\n</", 0);
}
void BM_ReplaceAllDivBySpanCorpus(benchmark::State& state) {
  ReplaceAllDivBySpan(state, CorpusFile("html-10m.html"));
}
void BM_RegexReplaceAllDivClass(benchmark::State& state) { ReplaceAllDivClass(state, Document(10u << 20)); }
void BM_RegexReplaceAllDivClassOneLine(benchmark::State& state) {
  ReplaceAllDivClass(state, Document(10u << 20, " "));
}
void BM_RegexReplaceAllDivClassCorpus(benchmark::State& state) {
  ReplaceAllDivClass(state, CorpusFile("html-10m.html"));
}
void BM_UndoReplaceAllDivBySpanCorpus(benchmark::State& state) {
  ReplaceAllDivBySpan(state, CorpusFile("html-10m.html"), true);
}

// A find that runs through 100 MB without a match.
void FindNoMatch(benchmark::State& state, std::string text, const char* search, TxeSearchOptions options) {
  if (text.empty()) {
    state.SkipWithError("no corpus: run bench/make-corpus.sh");
    return;
  }
  TxeEditModel m;
  m.SetText(std::move(text));
  std::size_t bytes = 0;
  for (int i = 1; i <= m.LineCount(); ++i) bytes += m.LineText(i).size();
  for (auto _ : state) {
    m.SetCaretXY(1, 1);
    benchmark::DoNotOptimize(m.FindReplace(search, "", options));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
void BM_FindNoMatch100MB(benchmark::State& state) { FindNoMatch(state, Document(100u << 20), "zebra", 0); }
void BM_FindNoMatch100MBCorpus(benchmark::State& state) {
  FindNoMatch(state, CorpusFile("html-100m.html"), "zebra", 0);
}
// A literal-prefixed expression, in either case as a user would type it.
constexpr const char* kPrefixed = "zebra\\d+";
void BM_RegexFindNoMatch100MB(benchmark::State& state) {
  FindNoMatch(state, Document(100u << 20), kPrefixed, srRegExpr);
}
void BM_RegexFindNoMatch100MBCorpus(benchmark::State& state) {
  FindNoMatch(state, CorpusFile("html-100m.html"), kPrefixed, srRegExpr);
}
void BM_RegexFindNoMatchCase100MBCorpus(benchmark::State& state) {
  FindNoMatch(state, CorpusFile("html-100m.html"), kPrefixed, srRegExpr | srMatchCase);
}

}  // namespace

BENCHMARK(BM_ReplaceAllDivBySpan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoReplaceAllDivBySpan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAllDivBySpanOneLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoReplaceAllDivBySpanOneLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAllBreaksOneLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAllDivBySpanCorpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoReplaceAllDivBySpanCorpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegexReplaceAllDivClass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegexReplaceAllDivClassOneLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegexReplaceAllDivClassCorpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNoMatch100MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNoMatch100MBCorpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegexFindNoMatch100MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegexFindNoMatch100MBCorpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegexFindNoMatchCase100MBCorpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineNoMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineNoMatchCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineNoMatchOneByte)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineManyMatches)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineWholeWord)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
