// Painting and editing speed of the editor widget: a full window of highlighted text, scrolling
// by one line, typing in large documents, jumping to the end, and a long minified line.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <memory>
#include <string>

#include "jxHTMLSyn.h"
#include "xeCSSSyn.h"
#include "xeCustomEdit.h"
#include "xeJScriptSyn.h"

namespace {

const char* const kHtml[] = {
    "<!DOCTYPE html>",
    "<html lang=\"en\"><head><meta charset=\"utf-8\"><title>Sample &amp; page</title></head>",
    "  <body class=\"main\" id=\"top\"> <!-- navigation starts here -->",
    "    <div class=\"nav\"><a href=\"index.html\">Home</a> | <a href=\"about.html\">About us</a></div>",
    "    <p>Some <b>bold</b> and <i>italic</i> words, a &lt;tag&gt; and an entity &copy; 2024.</p>",
    "    <img src=\"pic.png\" width=\"120\" height=\"80\" alt=\"A picture\">",
    "    <table border=\"1\"><tr><td>cell one</td><td>cell two</td><td>cell three</td></tr></table>",
    "  </body>",
};
const char* const kCss[] = {
    "body { margin: 0; padding: 0 10px; font-family: \"Liberation Sans\", Arial, sans-serif; }",
    "/* header and navigation */",
    "#top .nav a:hover, #top .nav a:focus { color: #ff6600; text-decoration: underline; }",
    "table td { border: 1px solid #ccc; width: 33%; background-color: rgb(240, 240, 240); }",
    "@media print { .nav { display: none !important; } }",
    "p.note::before { content: \"Note: \"; font-weight: bold; }",
};
const char* const kJs[] = {
    "function updateTotals(rows, rate) {",
    "  var total = 0; // running sum",
    "  for (var i = 0; i < rows.length; i++) { total += parseFloat(rows[i].value) * rate; }",
    "  if (total > 1000 && !window.skipWarning) { alert(\"Large total: \" + total.toFixed(2)); }",
    "  /* keep two decimals */ return Math.round(total * 100) / 100;",
    "}",
    "document.getElementById('out').innerHTML = '<b>' + updateTotals(items, 1.25) + '</b>';",
};

template <std::size_t N>
std::string Corpus(const char* const (&lines)[N], std::size_t bytes) {
  std::string s;
  s.reserve(bytes + 200);
  for (std::size_t i = 0; s.size() < bytes; ++i) {
    s += lines[i % N];
    s += "\r\n";
  }
  return s;
}

// An editor of exactly 160 x 60 cells, no gutter.
std::unique_ptr<TxeCustomEdit> MakeEditor(TxeCustomHighLighter* hl) {
  auto e = std::make_unique<TxeCustomEdit>();
  QFont f(QStringLiteral("Liberation Mono"));
  f.setPixelSize(13);
  e->SetFont(f);
  e->SetScrollBars(ssNone);
  e->Gutter().SetVisible(false);
  e->SetRightEdge(0);
  e->SetHighLighter(hl);
  e->resize(e->CharWidth() * 160 + 2 + 2 * e->frameWidth(), e->LineHeight() * 60 + 2 * e->frameWidth());
  e->show();
  return e;
}

void PaintAll(TxeCustomEdit& e, QImage& img) {
  QPainter p(&img);
  e.Paint(p, QRect(QPoint(0, 0), e.viewport()->size()));
}

// Every token kind in a colour of its own, keywords bold, as a user's settings would have them.
void Colourful(TxeCustomHighLighter& hl) {
  for (int i = 0; i < hl.AttributeCount(); ++i)
    hl.AttributeAt(i)->SetForeground(0x202020u + 0x1F3A57u * (i + 1) % 0xC0C0C0u);
  if (TxeHighLightAttributes* key = hl.StandardAttribute(2)) key->SetStyle(fsBold);
  if (TxeHighLightAttributes* comment = hl.StandardAttribute(1)) comment->SetStyle(fsItalic);
}

void FullWindow(benchmark::State& state, TxeCustomHighLighter* hl, const std::string& text) {
  Colourful(*hl);
  auto e = MakeEditor(hl);
  e->SetText(text);
  e->SetFirstVisibleLine(40);
  QImage img(e->viewport()->size(), QImage::Format_RGB32);
  for (auto _ : state) PaintAll(*e, img);
  state.counters["rows"] = e->LastPaintRows();
  state.counters["drawcalls"] = e->LastPaintDrawCalls();
}

void BM_PaintWindowHtml(benchmark::State& state) {
  TjxHTMLSyn hl;
  FullWindow(state, &hl, Corpus(kHtml, 200000));
}
void BM_PaintWindowCss(benchmark::State& state) {
  TxeCSSSyn hl;
  FullWindow(state, &hl, Corpus(kCss, 200000));
}
void BM_PaintWindowJs(benchmark::State& state) {
  TxeJScriptSyn hl;
  FullWindow(state, &hl, Corpus(kJs, 200000));
}

// Scrolling one line moves the pixels and paints only the uncovered row.
void BM_ScrollOneLine(benchmark::State& state) {
  TjxHTMLSyn hl;
  auto e = MakeEditor(&hl);
  e->SetText(Corpus(kHtml, 2000000));
  QApplication::processEvents();
  int line = 1;
  for (auto _ : state) {
    e->SetFirstVisibleLine(++line);
    QApplication::processEvents();
    if (line > 10000) line = 1;
  }
  state.counters["rows"] = e->LastPaintRows();
}

// A character typed in the middle of a 10 MB document, with its repaint.
void BM_TypeMiddle10MB(benchmark::State& state) {
  TjxHTMLSyn hl;
  auto e = MakeEditor(&hl);
  e->SetText(Corpus(kHtml, 10u << 20));
  const int mid = e->LineCount() / 2;
  e->SetCaretPos({10, mid});
  QApplication::processEvents();
  long rows = 0;
  for (auto _ : state) {
    e->CommandProcessor(ecChar, U'x');
    QApplication::processEvents();
    rows += e->LastPaintRows();
  }
  state.counters["rows"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
}

// ecEditorBottom in a 100 MB document and the paint of the new window.
void BM_JumpToEnd100MB(benchmark::State& state) {
  TjxHTMLSyn hl;
  auto e = MakeEditor(&hl);
  e->SetText(Corpus(kHtml, 100u << 20));
  QImage img(e->viewport()->size(), QImage::Format_RGB32);
  for (auto _ : state) {
    state.PauseTiming();
    e->SetCaretPos({1, 1});
    QApplication::processEvents();
    state.ResumeTiming();
    e->CommandProcessor(ecEditorBottom);
    PaintAll(*e, img);
  }
}

std::string MinifiedJs(std::size_t bytes) {
  std::string s;
  s.reserve(bytes + 200);
  for (std::size_t i = 0; s.size() < bytes; ++i)
    s += "var a" + std::to_string(i % 1000) + "=function(b,c){return b.length>c?\"s\"+b:c*2;};";
  return s;
}

// First paint of a 5 MB single-line script.
void BM_LongLineFirstPaint(benchmark::State& state) {
  TxeJScriptSyn hl;
  auto e = MakeEditor(&hl);
  e->SetText(MinifiedJs(5u << 20));
  QImage img(e->viewport()->size(), QImage::Format_RGB32);
  for (auto _ : state) PaintAll(*e, img);
}

// A character typed in the middle of the long line, with its repaint there.
void BM_LongLineTypeMiddle(benchmark::State& state) {
  TxeJScriptSyn hl;
  auto e = MakeEditor(&hl);
  e->SetText(MinifiedJs(5u << 20));
  e->SetCaretPos({static_cast<int>(e->LineLength(1) / 2), 1});
  QApplication::processEvents();
  for (auto _ : state) {
    e->CommandProcessor(ecChar, U'x');
    QApplication::processEvents();
  }
  state.counters["firstcol"] = e->FirstVisibleColumn();
}

BENCHMARK(BM_PaintWindowHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintWindowCss)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintWindowJs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollOneLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeMiddle10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JumpToEnd100MB)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LongLineFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongLineTypeMiddle)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
