// Opening a 100 MB HTML page from the command line until the window is first painted, and saving
// it safely (flushed to disk). Run: bench_gui_open [--benchmark_filter=...]; the page is generated
// once into the temporary folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "BenchQtApp.h"

#include "main.h"

namespace {

QApplication& App() { return BenchQtApp("bench_gui_open"); }

// About 100 MB of markup with tabs, attributes, comments and text, like a big generated page.
const QString& BigPage() {
  static const QString path = [] {
    const QString file = QDir::temp().filePath(QStringLiteral("quillan_bench_100mb.html"));
    if (QFile(file).size() >= 100'000'000) return file;
    std::string block;
    for (int i = 0; i < 1000; ++i) {
      block += "<TR CLASS=\"row\">\t<TD ALIGN=\"left\">Item " + std::to_string(i) +
               " &amp; more text here</TD>\r\n\t\t<TD><A HREF=\"page" + std::to_string(i) +
               ".html\">link</A></TD><!-- note -->\r\n";
    }
    QFile out(file);
    out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    out.write("<HTML>\r\n<BODY>\r\n<TABLE>\r\n");
    while (out.size() < 100'000'000) out.write(block.data(), qint64(block.size()));
    out.write("</TABLE>\r\n</BODY>\r\n</HTML>\r\n");
    return file;
  }();
  return path;
}

// Waits for the first paint of a widget.
class TPaintWatch : public QObject {
 public:
  bool Painted = false;
  bool eventFilter(QObject*, QEvent* Event) override {
    if (Event->type() == QEvent::Paint) Painted = true;
    return false;
  }
};

// The same bytes under a name that gets no highlighter, to tell reading from highlighting.
const QString& BigText() {
  static const QString path = [] {
    const QString file = QDir::temp().filePath(QStringLiteral("quillan_bench_100mb.txt"));
    if (QFile(file).size() != QFile(BigPage()).size()) {
      QFile::remove(file);
      QFile::copy(BigPage(), file);
    }
    return file;
  }();
  return path;
}

void OpenFromCommandLine(benchmark::State& State) {
  App();
  const QString page = State.range(0) ? BigPage() : BigText();
  for (auto _ : State) {
    TMainForm form({page});
    TPaintWatch watch;
    QWidget* editor = form.centralWidget();
    QWidget* target = editor;
    if (auto* area = editor->findChild<QWidget*>(QStringLiteral("qt_scrollarea_viewport"))) target = area;
    target->installEventFilter(&watch);
    form.show();
    while (!watch.Painted) QApplication::processEvents(QEventLoop::AllEvents, 10);
    State.PauseTiming();
    form.hide();
    State.ResumeTiming();
  }
  State.SetBytesProcessed(State.iterations() * QFile(page).size());
}
// Argument 1: an HTML page (highlighted); 0: the same bytes as plain text.
BENCHMARK(OpenFromCommandLine)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);

void SaveSafely(benchmark::State& State) {
  App();
  const QString page = BigPage();
  TMainForm form({page});
  const QString copy = QDir::temp().filePath(QStringLiteral("quillan_bench_copy.html"));
  for (auto _ : State) {
    if (!form.SaveDocument(copy)) State.SkipWithError("save failed");
  }
  State.SetBytesProcessed(State.iterations() * QFile(page).size());
  QFile::remove(copy);
}
BENCHMARK(SaveSafely)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
