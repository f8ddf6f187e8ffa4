// Replace-all and a plain find through the editor widget, with its view attached and shown: what the
// Replace All button of the find/replace dialog costs on a 10 MB page.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <random>
#include <string>

#include "BenchQtApp.h"

#include "jxHTMLSyn.h"
#include "xeCustomEdit.h"

namespace {

QApplication& App() { return BenchQtApp("bench_gui_search"); }

// Hand-written-looking markup, about one "div" per 250 bytes.
std::string Page(std::size_t bytes) {
  static const char* const tags[] = {"p", "div", "span", "a", "li", "td", "h2", "em"};
  static const char* const words[] = {"the", "page", "layout", "content", "quick", "brown", "fox", "table"};
  std::mt19937 rng(7);
  std::string text;
  while (text.size() < bytes) {
    const char* tag = tags[rng() % 8];
    text.append(2 * (rng() % 6), ' ');
    text += std::string("<") + tag + " class=\"c" + std::to_string(rng() % 50) + "\">";
    for (int w = 0, n = 3 + static_cast<int>(rng() % 10); w < n; ++w)
      text += std::string(words[rng() % 8]) + ' ';
    text += std::string("</") + tag + ">\r\n";
  }
  return text;
}

void BM_WidgetReplaceAll10MB(benchmark::State& state) {
  App();
  const std::string text = Page(10u << 20);
  TjxHTMLSyn html;
  int replaced = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto edit = std::make_unique<TxeCustomEdit>();
    edit->resize(800, 600);
    edit->show();
    edit->SetMaxUndo(2);
    edit->SetHighLighter(&html);
    edit->SetText(text);
    QApplication::processEvents();
    state.ResumeTiming();
    replaced = edit->FindReplace("div", "span", srReplaceAll);
    QApplication::processEvents();  // the repaint the replacement asked for
    state.PauseTiming();
    edit.reset();
    state.ResumeTiming();
  }
  state.counters["occurrences"] = replaced;
}

void BM_WidgetFindNoMatch10MB(benchmark::State& state) {
  App();
  TxeCustomEdit edit;
  edit.resize(800, 600);
  edit.show();
  edit.SetText(Page(10u << 20));
  for (auto _ : state) {
    edit.SetCaretXY(1, 1);
    benchmark::DoNotOptimize(edit.FindReplace("zebra", "", 0));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * (10 << 20));
}

}  // namespace

BENCHMARK(BM_WidgetReplaceAll10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidgetFindNoMatch10MB)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
