#include "DocumentLoad.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <atomic>
#include <memory>
#include <thread>

#include "MsgDlg.h"
#include "xeLineStore.h"

namespace {

// What the reader and the window share.
struct TLoadState {
  std::atomic<qint64> Done{0}, Total{0};
  std::atomic<bool> Cancel{false}, Finished{false};
};

// Wakes the window's event loop from the reader.
void Wake() {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
}

}  // namespace

TReadResult LoadDocumentLines(QWidget* Parent, const QString& Path, TxeLineStore& Lines, QString* Why,
                              TFileForm* Form, const TEncodingChoice& Choice) {
  TLoadState state;
  TReadResult result = TReadResult::Failed;
  TxeLineStore lines;
  const auto step = [&state](qint64 Done, qint64 Total) {
    state.Done = Done;
    state.Total = Total;
    Wake();
    return !state.Cancel;
  };
  const auto openAnyway = [&] {
    bool yes = false;
    QMetaObject::invokeMethod(
        Parent,
        [&] {
          yes = MessageDlg(Path + QStringLiteral(" does not look like a text file. Open it anyway?"),
                           mtWarning, mbYes | mbNo, Parent) == mrYes;
        },
        Qt::BlockingQueuedConnection);
    return yes;
  };
  std::thread reader([&] {
    result = ReadDocumentLines(Path, lines, Why, step, Form, openAnyway, Choice);
    state.Finished = true;
    Wake();
  });

  QElapsedTimer clock;
  clock.start();
  std::unique_ptr<QProgressDialog> progress;
  while (!state.Finished) {
    // Until the dialog shows, the window paints but takes no input; then the dialog holds it.
    QCoreApplication::processEvents((progress ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents) |
                                    QEventLoop::WaitForMoreEvents);
    const qint64 total = state.Total;
    if (!progress && clock.elapsed() >= 500 && total > 0 && !state.Finished) {
      progress = std::make_unique<QProgressDialog>(QStringLiteral("Loading ") + Path,
                                                   QStringLiteral("Cancel"), 0, 1000, Parent);
      progress->setWindowModality(Qt::WindowModal);
      progress->setMinimumDuration(0);
      progress->setAutoReset(false);
    }
    if (progress) {
      progress->setValue(int(state.Done * 1000 / std::max<qint64>(total, 1)));
      if (progress->wasCanceled()) state.Cancel = true;
    }
  }
  reader.join();
  if (result == TReadResult::Done) Lines = std::move(lines);
  return result;
}
