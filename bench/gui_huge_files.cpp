// One measurement of a huge file per run, for bench/huge-files.sh to set beside vim's figures:
//   bench_gui_huge_files open FILE   the program opens FILE from its command line; prints when the first
//                                    screen was painted (wall clock, so the caller can count process start),
//                                    peak memory, a keystroke and Ctrl+End right after, and the highlighter
//                                    ranges filled afresh in idle time with the longest event-loop stall
//   bench_gui_huge_files save FILE   saves the loaded FILE under a new name and writes the same bytes raw
// Output: one "key value" pair a line.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "BenchQtApp.h"
#include "main.h"
#include "xeCustomEdit.h"
#include "xeKeyCmds.h"

namespace {

long long WallNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

long long PeakRssBytes() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<long long>(u.ru_maxrss) * 1024;
}

long long RssBytes() {
  std::ifstream in("/proc/self/statm");
  long long pages = 0, resident = 0;
  in >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

void Print(const char* Key, double Value) { std::printf("%s %.17g\n", Key, Value); }

// Notes the first paint of a widget.
class TPaintWatch : public QObject {
 public:
  bool Painted = false;
  bool eventFilter(QObject*, QEvent* Event) override {
    if (Event->type() == QEvent::Paint) Painted = true;
    return false;
  }
};

QWidget* Viewport(TxeCustomEdit* Edit) { return Edit->viewport(); }

void WaitForPaint(TPaintWatch& Watch) {
  while (!Watch.Painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

int Open(const QString& File) {
  BenchQtApp("bench_gui_huge_files");
  const long long baseRss = RssBytes();
  const long long appReady = WallNs();
  TMainForm form({File});
  TxeCustomEdit* edit = form.Memo1;
  TPaintWatch watch;
  Viewport(edit)->installEventFilter(&watch);
  form.show();
  QApplication::processEvents();
  const long long windowRss = RssBytes();
  form.OpenStartDocument();
  const long long formReady = WallNs();
  const long long loadedRss = RssBytes(), loadedPeak = PeakRssBytes();
  watch.Painted = false;  // the window may have painted itself blank while the file was read
  WaitForPaint(watch);
  const long long firstScreen = WallNs();
  const long long peakAtFirstScreen = PeakRssBytes();
  std::printf("first_screen_wall_ns %lld\n", firstScreen);
  std::printf("app_ready_wall_ns %lld\nread_wall_ns %lld\n", appReady, formReady);
  Print("lines", edit->LineCount());
  Print("editable", edit->ReadOnly() ? 0 : 1);
  Print("ranges_complete_at_first_screen", edit->RangesComplete() ? 1 : 0);

  // A keystroke at once: typed, painted, taken back.
  QElapsedTimer clock;
  clock.start();
  QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  QApplication::sendEvent(edit, &press);
  Viewport(edit)->repaint();
  Print("keystroke_ms", double(clock.nsecsElapsed()) / 1e6);
  edit->Undo();

  // Ctrl+End at once: the last screen with its colours.
  clock.restart();
  edit->RunCommand(ecEditorBottom);
  Viewport(edit)->repaint();
  Print("ctrl_end_ms", double(clock.nsecsElapsed()) / 1e6);
  edit->RunCommand(ecEditorTop);

  // The ranges afresh, filled in idle time; a 1 ms timer shows how long the event loop is kept waiting.
  TxeCustomHighLighter* highlighter = edit->HighLighter();
  edit->SetHighLighter(nullptr);
  edit->SetHighLighter(highlighter);
  clock.restart();
  QElapsedTimer tick;
  tick.start();
  qint64 longest = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    longest = std::max(longest, tick.nsecsElapsed());
    tick.restart();
  });
  timer.start(1);
  while (!edit->RangesComplete()) QApplication::processEvents(QEventLoop::AllEvents, 5);
  timer.stop();
  Print("ranges_complete_ms", double(clock.nsecsElapsed()) / 1e6);
  Print("longest_event_loop_stall_ms", double(longest) / 1e6);
  Print("base_rss_bytes", double(baseRss));
  Print("window_rss_bytes", double(windowRss));
  Print("rss_after_read_bytes", double(loadedRss));
  Print("peak_rss_after_read_bytes", double(loadedPeak));
  Print("peak_rss_at_first_screen_bytes", double(peakAtFirstScreen));
  Print("peak_rss_bytes", double(PeakRssBytes()));
  Print("rss_after_bytes", double(RssBytes()));
  std::fflush(stdout);
  return 0;
}

// Writes Bytes to a new file and flushes it to disk; returns the seconds taken.
double RawWrite(const QString& Path, const QByteArray& Bytes) {
  QElapsedTimer clock;
  clock.start();
  QFile out(Path);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return -1;
  out.write(Bytes);
  out.flush();
  fsync(out.handle());
  out.close();
  return double(clock.nsecsElapsed()) / 1e9;
}

int Save(const QString& File) {
  BenchQtApp("bench_gui_huge_files");
  QTemporaryDir dir(QFileInfo(File).absolutePath() + QStringLiteral("/save-XXXXXX"));
  TMainForm form({File});
  form.OpenStartDocument();
  QByteArray bytes;
  {
    QFile in(File);
    in.open(QIODevice::ReadOnly);
    bytes = in.readAll();
  }
  double raw = 1e9, save = 1e9;
  // The best of five: the disk's flushing varies far more than the work.
  for (int i = 0; i < 5; ++i) {
    raw = std::min(raw, RawWrite(dir.filePath(QStringLiteral("raw.html")), bytes));
    QElapsedTimer clock;
    clock.start();
    if (!form.SaveDocument(dir.filePath(QStringLiteral("saved.html")))) return 1;
    save = std::min(save, double(clock.nsecsElapsed()) / 1e9);
  }
  Print("raw_write_fsync_s", raw);
  Print("save_s", save);
  std::fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s open|save FILE\n", argv[0]);
    return 2;
  }
  const std::string mode = argv[1];
  const QString file = QString::fromLocal8Bit(argv[2]);
  if (mode == "open") return Open(file);
  if (mode == "save") return Save(file);
  std::fprintf(stderr, "unknown mode %s\n", argv[1]);
  return 2;
}
