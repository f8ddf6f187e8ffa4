// The recovery copy of a 100 MB document: one step of the window's event loop (what typing may wait
// for), the lines of a whole copy written on the GUI thread, and the flush to disk done by the worker.
// Run: bench_gui_recovery.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <string>

#include "RecoveryKeeper.h"
#include "xeEditList.h"

namespace {

// About 100 MB of markup lines, as a loaded document holds them.
const TxeEditList& BigDocument() {
  static TxeEditList* list = [] {
    std::string block;
    for (int i = 0; i < 1000; ++i)
      block += "<TR CLASS=\"row\"><TD ALIGN=\"left\">Item " + std::to_string(i) +
               " &amp; more text here</TD>\r\n    <TD><A HREF=\"page" + std::to_string(i) +
               ".html\">link</A></TD><!-- note -->\r\n";
    std::string text;
    text.reserve(100'000'000 + block.size());
    while (text.size() < 100'000'000) text += block;
    auto* l = new TxeEditList;
    l->SetText(std::move(text));
    return l;
  }();
  return *list;
}

const TRecoveryHeader Header{QStringLiteral("/w/big.html"), true, lbCRLF, 1, 1, {}, {}};

// One step as the keeper takes it: its share of lines from the middle of the document.
void RecoveryStep(benchmark::State& State) {
  const TxeEditList& doc = BigDocument();
  QTemporaryDir dir;
  TRecoveryCopy copy(dir.path());
  const TRecoveryKeeper::TTiming timing;
  int at = doc.Count() / 2;
  for (auto _ : State) {
    State.PauseTiming();
    copy.Start(Header);
    State.ResumeTiming();
    std::size_t bytes = 0, lines = 0;
    while (bytes < timing.SliceBytes && lines < timing.SliceLines) {
      const std::string_view line = doc.Get(at);
      copy.Add(line);
      bytes += line.size() + 1;
      ++lines;
      at = at + 1 < doc.Count() ? at + 1 : 0;
    }
  }
  copy.Remove();
}
BENCHMARK(RecoveryStep)->Unit(benchmark::kMillisecond);

// A whole copy: Arg 0 the lines written on the GUI thread (all steps together), 1 with the flush to disk
// and the rename that the worker does.
void RecoveryWholeCopy(benchmark::State& State) {
  const TxeEditList& doc = BigDocument();
  QTemporaryDir dir;
  TRecoveryCopy copy(dir.path());
  for (auto _ : State) {
    copy.Start(Header);
    for (int i = 0; i < doc.Count(); ++i) copy.Add(doc.Get(i));
    if (State.range(0) && !copy.Finish()) State.SkipWithError("the copy could not be written");
  }
  State.SetBytesProcessed(State.iterations() * std::int64_t(copy.BytesAdded()));
  copy.Remove();
}
BENCHMARK(RecoveryWholeCopy)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
