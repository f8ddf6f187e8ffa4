// A character typed in the main window while HTML > Check page checks a 10 MB page in the background,
// against the same character with no check running; and the whole check of that page. The page is
// bench/corpus/scaled/html-10m.html (bench/make-corpus.sh; QUILLAN_CORPUS names another folder).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "BenchQtApp.h"
#include "PageCheckPane.h"
#include "main.h"
#include "xeCustomEdit.h"
#include "xeKeyCmds.h"

namespace {

std::string CorpusPage() {
  namespace fs = std::filesystem;
  const char* env = std::getenv("QUILLAN_CORPUS");
  fs::path root = env ? fs::path(env) : fs::path(__FILE__).parent_path() / "corpus";
  // A build with relative source names: the corpus beside the build folder's bench programs.
  if (!env && !fs::exists(root))
    root = fs::path(QCoreApplication::applicationDirPath().toStdString()).parent_path().parent_path() /
           "bench" / "corpus";
  QFile file(QString::fromStdString((root / "scaled" / "html-10m.html").string()));
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

struct TWindow {
  std::unique_ptr<TMainForm> Form;
  TPageCheckPane* Pane = nullptr;
};

TWindow& Window() {
  static TWindow window = [] {
    BenchQtApp("bench_gui_pagecheck");
    TWindow w;
    w.Form = std::make_unique<TMainForm>();
    w.Form->show();
    w.Form->SetDocType(dtHTML);
    w.Form->Memo1->SetText(CorpusPage());
    w.Form->Memo1->SetCaretPos({10, w.Form->Memo1->LineCount() / 2});
    w.Pane = w.Form->findChild<TPageCheckPane*>(QStringLiteral("PageCheckPane"));
    w.Pane->SetProgram(QStringLiteral(QUILLAN_CHECK_PROGRAM));
    QApplication::processEvents();
    return w;
  }();
  return window;
}

// Types characters one by one; each one's time is its command and its repaint.
void TypeCharacters(benchmark::State& state, bool Checking) {
  TWindow& w = Window();
  if (w.Form->Memo1->LineCount() < 100) {
    state.SkipWithError("no corpus: run bench/make-corpus.sh");
    return;
  }
  std::vector<double> times;
  int checks = 0;
  long rows = 0;
  for (auto _ : state) {
    // A typist's pace, so that the keys fall over the whole check, its end included.
    state.PauseTiming();
    QElapsedTimer pause;
    pause.start();
    while (pause.elapsed() < 10) QApplication::processEvents(QEventLoop::AllEvents, 5);
    if (Checking && !w.Pane->Checking()) {
      w.Pane->Check();  // copies the text: the command's own cost, not a keystroke's
      ++checks;
    }
    state.ResumeTiming();
    QElapsedTimer clock;
    clock.start();
    w.Form->Memo1->CommandProcessor(ecChar, U'x');
    QApplication::processEvents();
    times.push_back(double(clock.nsecsElapsed()) / 1e6);
    rows += w.Form->Memo1->LastPaintRows();
  }
  state.counters["rows"] = double(rows) / double(times.size());
  std::sort(times.begin(), times.end());
  state.counters["median_ms"] = times[times.size() / 2];
  state.counters["p99_ms"] = times[times.size() * 99 / 100];
  state.counters["max_ms"] = times.back();
  state.counters["checks"] = checks;
  w.Pane->close();
  QApplication::processEvents();
}

void BM_TypeChar10MB(benchmark::State& state) { TypeCharacters(state, false); }
void BM_TypeCharWhileChecking10MB(benchmark::State& state) { TypeCharacters(state, true); }

// The check of the whole page in its process, as the pane starts it, until its list is shown.
void BM_CheckPage10MB(benchmark::State& state) {
  TWindow& w = Window();
  for (auto _ : state) {
    w.Pane->Check();
    while (w.Pane->Checking()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  }
  state.counters["problems"] = double(w.Pane->Problems().size());
  w.Pane->close();
}

BENCHMARK(BM_TypeChar10MB)->Unit(benchmark::kMillisecond)->Iterations(400);
BENCHMARK(BM_TypeCharWhileChecking10MB)->Unit(benchmark::kMillisecond)->Iterations(400);
BENCHMARK(BM_CheckPage10MB)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
