// What the status bar and the line numbers cost per typed character in the main window: a 100 MB
// page with the caret in its middle (with and without the repaint), and the end of a 5 MB minified
// line, where the caret column is counted in characters from the line start. Each case runs with the
// status bar and the line numbers off and on.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStatusBar>
#include <memory>
#include <string>

#include "BenchQtApp.h"
#include "main.h"
#include "xeCustomEdit.h"

namespace {

std::string Page(std::size_t Bytes) {
  static const char* const lines[] = {
      "<p class=\"intro\">Caf\xC3\xA9 cr\xC3\xA8me and <b>bold</b> words, a &lt;tag&gt; &copy; 2024.</p>",
      "  <div class=\"nav\"><a href=\"index.html\">Home</a> | <a href=\"about.html\">About</a></div>",
      "<img src=\"pic.png\" width=\"120\" height=\"80\" alt=\"\xE4\xB8\xAD\xE6\x96\x87\">",
  };
  std::string s;
  s.reserve(Bytes + 200);
  for (std::size_t i = 0; s.size() < Bytes; ++i) {
    s += lines[i % 3];
    s += "\r\n";
  }
  return s;
}

std::string MinifiedLine(std::size_t Bytes) {
  std::string s;
  s.reserve(Bytes + 200);
  for (std::size_t i = 0; s.size() < Bytes; ++i)
    s += "var a" + std::to_string(i % 1000) + "=function(b,c){return b.length>c?\"\xC3\xA9\"+b:c*2;};";
  return s;
}

// Arg 0: the status bar shown; arg 1: line numbers shown. Paint: the window repaints after each key,
// as it does for a user; without it only the editor's work and the status report are measured.
void TypeInMainWindow(benchmark::State& State, const std::string& Text, bool AtLineEnd, bool Paint = true) {
  BenchQtApp("bench_gui_status");
  auto form = std::make_unique<TMainForm>();
  form->resize(1000, 700);
  form->show();
  form->SetDocType(dtHTML);
  form->ShowStatusBar(State.range(0) != 0);
  form->ShowLineNumbers(State.range(1) != 0);
  TxeCustomEdit* memo = form->Memo1;
  memo->SetText(Text);
  if (AtLineEnd)
    memo->SetCaretPos({memo->LineLength(1) + 1, 1});
  else
    memo->SetCaretPos({10, memo->LineCount() / 2});
  QApplication::processEvents();
  for (auto _ : State) {
    memo->CommandProcessor(ecChar, U'x');
    if (Paint) QApplication::processEvents();
  }
  memo->SetModified(false);
}

void BM_TypeMiddle100MB(benchmark::State& State) {
  static const std::string text = Page(100u << 20);
  TypeInMainWindow(State, text, false);
}

void BM_TypeMiddle100MBUnpainted(benchmark::State& State) {
  static const std::string text = Page(100u << 20);
  TypeInMainWindow(State, text, false, false);
}

void BM_TypeEndOfLongLine(benchmark::State& State) {
  static const std::string text = MinifiedLine(5u << 20);
  TypeInMainWindow(State, text, true);
}

}  // namespace

BENCHMARK(BM_TypeMiddle100MB)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"status", "numbers"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeMiddle100MBUnpainted)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"status", "numbers"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeEndOfLongLine)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"status", "numbers"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
