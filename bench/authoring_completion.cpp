// Completion's lists, made again at every Ctrl+Space: the longest ones (a colour property's values,
// an element's attributes, every tag and property).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "CompletionTableWords.h"

namespace {

void CssValues(benchmark::State& State) {
  for (auto _ : State) benchmark::DoNotOptimize(CssValueWords("border-color"));
}
BENCHMARK(CssValues);

void Attributes(benchmark::State& State) {
  for (auto _ : State) benchmark::DoNotOptimize(HtmlAttributeWords("input"));
}
BENCHMARK(Attributes);

void Tags(benchmark::State& State) {
  for (auto _ : State) benchmark::DoNotOptimize(HtmlTagWords(false));
}
BENCHMARK(Tags);

void Properties(benchmark::State& State) {
  for (auto _ : State) benchmark::DoNotOptimize(CssPropertyWords());
}
BENCHMARK(Properties);

}  // namespace

BENCHMARK_MAIN();
