// The cost of accessibility for the editor control: a character typed in the middle of a 100 MB
// HTML document, with its repaint, without and with the events and offsets that assistive
// technology receives (the receiver itself does nothing here). Accessibility must not cost time in
// proportion to the document: at most twice the plain figure.
#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QApplication>
#include <memory>
#include <string>

#include "BenchQtApp.h"
#include "jxHTMLSyn.h"
#include "xeAccessibleText.h"
#include "xeCustomEdit.h"

namespace {

const char* const kHtml[] = {
    "<!DOCTYPE html>",
    "<html lang=\"en\"><head><meta charset=\"utf-8\"><title>Sample &amp; page</title></head>",
    "  <body class=\"main\" id=\"top\"> <!-- navigation starts here -->",
    "    <div class=\"nav\"><a href=\"index.html\">Home</a> | <a href=\"about.html\">\xC3\x9C"
    "ber uns</a></div>",
    "    <p>Some <b>bold</b> and <i>italic</i> words, a &lt;tag&gt; and an entity &copy; 2024.</p>",
    "  </body>",
};

std::string Corpus(std::size_t Bytes) {
  std::string s;
  s.reserve(Bytes + 200);
  for (std::size_t i = 0; s.size() < Bytes; ++i) {
    s += kHtml[i % std::size(kHtml)];
    s += "\r\n";
  }
  return s;
}

long gEvents = 0;
void CountEvent(QAccessibleEvent*) { ++gEvents; }

void BM_TypeMiddle100MB(benchmark::State& state) {
  const bool accessible = state.range(0) != 0;
  TjxHTMLSyn hl;
  auto e = std::make_unique<TxeCustomEdit>();
  e->SetHighLighter(&hl);
  e->resize(1000, 700);
  e->show();
  e->SetText(Corpus(100u << 20));
  SetAccessibleEventSink(accessible ? CountEvent : nullptr);
  const int mid = e->LineCount() / 2;
  e->SetCaretPos({10, mid});
  // The first question counts the whole document once, as when a screen reader first looks.
  if (accessible) e->AccessibleText().CaretOffset();
  QApplication::processEvents();
  gEvents = 0;
  for (auto _ : state) {
    e->CommandProcessor(ecChar, U'x');
    QApplication::processEvents();
  }
  state.counters["events"] =
      benchmark::Counter(static_cast<double>(gEvents), benchmark::Counter::kAvgIterations);
  SetAccessibleEventSink(nullptr);
}

}  // namespace

BENCHMARK(BM_TypeMiddle100MB)->Arg(0)->Arg(1)->ArgName("accessible")->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  BenchQtApp("bench_gui_accessible");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
