// Holding a key in the middle of a 100 MB document: ecChar, ecLineBreak and ecDeleteLastChar, each run
// through the command processor as a key press would, with and without the HTML highlighter (Arg 1).
// Goal: every command well under 50 us. Also typing inside a minified line of 4 MB.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "jxHTMLSyn.h"
#include "xeEditModel.h"

namespace {

class TBenchView : public TxeEditView {
 public:
  int VisibleLineCount() const override { return 40; }
  int VisibleColumnCount() const override { return 120; }
  void InvalidateLines(int, int, TxeViewArea) override {}
  void LinesScrolled(int) override {}
  void ColumnsScrolled() override {}
  void UpdateScrollBars() override {}
  void UpdateCaret() override {}
};

constexpr std::size_t kDocumentBytes = 100u << 20;

// Indented HTML lines of about 60 bytes, varied a little so that lines differ.
std::string MakeDocument() {
  std::string text;
  text.reserve(kDocumentBytes + 100);
  for (unsigned i = 0; text.size() < kDocumentBytes; ++i) {
    text += "    <p class=\"c";
    text += std::to_string(i % 97);
    text += "\">Some text &amp; more text, line ";
    text += std::to_string(i);
    text += "</p>\r\n";
  }
  return text;
}

struct TBenchEditor {
  TBenchView View;
  TjxHTMLSyn HighLighter;
  TxeEditModel Model;

  explicit TBenchEditor(bool highlight) {
    Model.SetView(&View);
    if (highlight) Model.SetHighLighter(&HighLighter);
    Model.SetText(MakeDocument());
    const int middle = Model.LineCount() / 2;
    Model.SetCaretPos({Model.LineLength(middle) + 1, middle});
  }
  ~TBenchEditor() {
    Model.SetHighLighter(nullptr);
    Model.SetView(nullptr);
  }
};

// Building the document takes seconds: one editor per variant, kept between benchmarks.
TBenchEditor& Editor(bool highlight) {
  static std::unique_ptr<TBenchEditor> editors[2];
  auto& e = editors[highlight ? 1 : 0];
  if (!e) e = std::make_unique<TBenchEditor>(highlight);
  return *e;
}

void ReportLines(benchmark::State& state, const TxeEditModel& m) {
  state.counters["lines"] = static_cast<double>(m.LineCount());
}

// Auto-repeat of a letter: after 100 characters the caret goes to the start of the next line, as a user
// would, so that no line grows without bound.
void BM_HoldChar(benchmark::State& state) {
  auto& m = Editor(state.range(0) != 0).Model;
  int n = 0;
  for (auto _ : state) {
    m.CommandProcessor(ecChar, U'x');
    if (++n % 100 == 0) {
      m.CommandProcessor(ecDown);
      m.CommandProcessor(ecLineStart);
    }
  }
  ReportLines(state, m);
}
BENCHMARK(BM_HoldChar)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Auto-repeat of Enter at the end of a line, making empty lines (each takes its indent from the nearest
// line above with text, so the run of empty lines is walked); after 500 the caret goes to the end of the
// next line with text.
void BM_HoldLineBreak(benchmark::State& state) {
  auto& m = Editor(state.range(0) != 0).Model;
  m.CommandProcessor(ecLineEnd);
  int n = 0;
  for (auto _ : state) {
    m.CommandProcessor(ecLineBreak);
    if (++n % 500 == 0) {
      m.CommandProcessor(ecDown);
      m.CommandProcessor(ecLineEnd);
    }
  }
  ReportLines(state, m);
}
BENCHMARK(BM_HoldLineBreak)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Enter in the middle of a line: the line is split, and the rest moves down with the indent.
void BM_SplitLine(benchmark::State& state) {
  auto& m = Editor(state.range(0) != 0).Model;
  for (auto _ : state) {
    m.CommandProcessor(ecDown);
    m.CommandProcessor(ecLineStart);
    m.CommandProcessor(ecWordRight);
    m.CommandProcessor(ecLineBreak);
  }
  ReportLines(state, m);
}
BENCHMARK(BM_SplitLine)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Auto-repeat of Backspace: characters, smart backspaces over the indent, and joins with the line above.
void BM_HoldBackspace(benchmark::State& state) {
  auto& m = Editor(state.range(0) != 0).Model;
  const int y = m.CaretLine() + 5000;
  m.SetCaretPos({m.LineLength(y) + 1, y});
  for (auto _ : state) m.CommandProcessor(ecDeleteLastChar);
  ReportLines(state, m);
}
BENCHMARK(BM_HoldBackspace)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A minified line of 4 MB between ordinary lines: typing and deleting in its middle.
struct TLongLineEditor {
  TBenchView View;
  TjxHTMLSyn HighLighter;
  TxeEditModel Model;

  explicit TLongLineEditor(bool highlight) {
    Model.SetView(&View);
    if (highlight) Model.SetHighLighter(&HighLighter);
    std::string text;
    for (int i = 0; i < 100; ++i) text += "<p>before</p>\r\n";
    while (text.size() < (4u << 20)) text += "<div class=\"a\"><span>x</span></div>";
    text += "\r\n";
    for (int i = 0; i < 100; ++i) text += "<p>after</p>\r\n";
    Model.SetText(std::move(text));
    Model.SetCaretPos({Model.LineLength(101) / 2, 101});
  }
  ~TLongLineEditor() {
    Model.SetHighLighter(nullptr);
    Model.SetView(nullptr);
  }
};

void BM_LongLine(benchmark::State& state, TxeEditorCommand Command) {
  TLongLineEditor e(state.range(0) != 0);
  for (auto _ : state) e.Model.CommandProcessor(Command, U'x');
}
BENCHMARK_CAPTURE(BM_LongLine, Char, ecChar)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LongLine, Backspace, ecDeleteLastChar)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
