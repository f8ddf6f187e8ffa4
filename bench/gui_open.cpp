// Opening a 100 MB HTML page from the command line until the window is first painted (also in an old
// code page), and saving it safely (flushed to disk). Run: bench_gui_open [--benchmark_filter=...]; the page
// is generated once into the temporary folder.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
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

// About 100 MB of a Russian page: 0 in UTF-8, 1 in windows-1251 as its meta charset says, 2 in
// windows-1251 without a declaration (the detector decides). The legacy files are the UTF-8 block
// converted by iconv.
const QString& RussianPage(int Kind) {
  static QString paths[3];
  QString& path = paths[Kind];
  if (!path.isEmpty()) return path;
  path = QDir::temp().filePath(QStringLiteral("quillan_bench_100mb_ru%1.html").arg(Kind));
  if (QFile(path).size() >= 100'000'000) return path;
  std::string block;
  for (int i = 0; i < 1000; ++i)
    block +=
        "<TR CLASS=\"row\">\t<TD>\u0421\u044A\u0435\u0448\u044C \u0436\u0435 \u0435\u0449\u0451 "
        "\u044D\u0442\u0438\u0445 "
        "\u043C\u044F\u0433\u043A\u0438\u0445 "
        "\u0444\u0440\u0430\u043D\u0446\u0443\u0437\u0441\u043A\u0438\u0445 "
        "\u0431\u0443\u043B\u043E\u043A " +
        std::to_string(i) + "</TD><TD><A HREF=\"page" + std::to_string(i) +
        ".html\">\u0441\u0441\u044B\u043B\u043A\u0430</A></TD>\r\n";
  std::string head = Kind == 0   ? "<HTML><HEAD><META CHARSET=\"utf-8\"></HEAD>\r\n<BODY><TABLE>\r\n"
                     : Kind == 1 ? "<HTML><HEAD><META CHARSET=\"windows-1251\"></HEAD>\r\n<BODY><TABLE>\r\n"
                                 : "<HTML><BODY><TABLE>\r\n";
  if (Kind > 0) {
    const iconv_t cd = ::iconv_open("WINDOWS-1251", "UTF-8");
    std::string legacy(block.size(), '\0');
    char* in = block.data();
    char* out = legacy.data();
    std::size_t inLeft = block.size(), outLeft = legacy.size();
    ::iconv(cd, &in, &inLeft, &out, &outLeft);
    ::iconv_close(cd);
    legacy.resize(legacy.size() - outLeft);
    block.swap(legacy);
  }
  QFile file(path);
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(head.data(), qint64(head.size()));
  while (file.size() < 100'000'000) file.write(block.data(), qint64(block.size()));
  file.write("</TABLE></BODY></HTML>\r\n");
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

// Opens Page from the command line until the editor is first painted, once per iteration; Check looks
// at the window afterwards, untimed.
void OpenUntilPainted(benchmark::State& State, const QString& Page,
                      const std::function<bool(const TMainForm&)>& Check = {}) {
  App();
  for (auto _ : State) {
    TMainForm form({Page});
    TPaintWatch watch;
    QWidget* target = form.centralWidget();
    if (auto* area = target->findChild<QWidget*>(QStringLiteral("qt_scrollarea_viewport"))) target = area;
    target->installEventFilter(&watch);
    form.show();
    form.OpenStartDocument();
    watch.Painted = false;  // the window may have painted itself blank while the file was read
    while (!watch.Painted) QApplication::processEvents(QEventLoop::AllEvents, 10);
    State.PauseTiming();
    if (Check && !Check(form)) State.SkipWithError("opened wrongly");
    form.hide();
    State.ResumeTiming();
  }
  State.SetBytesProcessed(State.iterations() * QFile(Page).size());
}

void OpenFromCommandLine(benchmark::State& State) {
  OpenUntilPainted(State, State.range(0) ? BigPage() : BigText());
}
// Argument 1: an HTML page (highlighted); 0: the same bytes as plain text.
BENCHMARK(OpenFromCommandLine)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);

// Opening 100 MB of a page in an old code page against the same size in UTF-8 (argument as RussianPage).
void OpenLegacyPage(benchmark::State& State) {
  const bool legacy = State.range(0) > 0;
  OpenUntilPainted(State, RussianPage(int(State.range(0))), [legacy](const TMainForm& Form) {
    return EncodingName(Form.DocEncoding()) == (legacy ? "windows-1251" : "UTF-8");
  });
}
BENCHMARK(OpenLegacyPage)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);

void SaveSafely(benchmark::State& State) {
  App();
  const QString page = BigPage();
  TMainForm form({page});
  form.OpenStartDocument();
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
