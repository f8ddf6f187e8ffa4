// Text conversions and picture-size probing over document-sized inputs.
#include <benchmark/benchmark.h>

#include <string>

#include "Conversions.h"

namespace {

// About Size bytes of markup; every eighth line holds non-ASCII letters.
std::string Page(size_t size) {
  std::string s;
  s.reserve(size + 100);
  for (int i = 0; s.size() < size; ++i) {
    s += (i % 8 == 0) ? "<p class=\"x\">Zażółć gęślą jaźń, straße  and   more</p>\r\n"
                      : "<td>  some   cell text with <b>bold</b> words  </td>\r\n";
  }
  return s;
}

template <std::string (*Convert)(std::string_view)>
void BM_Convert(benchmark::State& state) {
  const std::string text = Page(size_t(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Convert(text));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

BENCHMARK(BM_Convert<ToUpperText>)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert<ToLowerText>)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert<Capitalise>)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert<RemoveTags>)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert<RemoveExtraBlanks>)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
