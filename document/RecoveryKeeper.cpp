#include "RecoveryKeeper.h"

#include <QDateTime>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <utility>

namespace {

constexpr std::uint64_t NoCopy = std::numeric_limits<std::uint64_t>::max();

std::int64_t NowMs() { return QDateTime::currentMSecsSinceEpoch(); }

}  // namespace

TRecoveryKeeper::TRecoveryKeeper(TDocument Document, QObject* Parent, const QString& Folder, TTiming Timing)
    : QObject(Parent),
      FDoc(std::move(Document)),
      FTiming(Timing),
      FCopy(Folder),
      FDelay(new QTimer(this)),
      FSlicer(new QTimer(this)) {
  FDelay->setSingleShot(true);
  connect(FDelay, &QTimer::timeout, this, [this] { Begin(); });
  // A zero interval runs a step whenever the event loop has nothing else to do.
  FSlicer->setInterval(0);
  connect(FSlicer, &QTimer::timeout, this, [this] { Slice(); });
}

TRecoveryKeeper::~TRecoveryKeeper() {
  // Whoever listened may be gone already.
  OnTrouble = nullptr;
  WaitForWorker();
  if (!FKeep) FCopy.Remove();
}

bool TRecoveryKeeper::Idle() const { return !FDelay->isActive() && !FSlicer->isActive() && !FWorker.valid(); }

int TRecoveryKeeper::IntervalMs() const {
  const std::uint64_t extra =
      std::uint64_t(FLastBytes) * 1000 / std::max<std::uint64_t>(1, FTiming.BytesPerSecond);
  return int(std::min<std::uint64_t>(std::uint64_t(FTiming.IntervalMs) + extra, 600000));
}

void TRecoveryKeeper::Changed() {
  ++FGeneration;
  Schedule();
}

void TRecoveryKeeper::Schedule() {
  // A copy in work starts over, or is followed by another, by itself.
  if (FDelay->isActive() || FSlicer->isActive() || FWorker.valid()) return;
  const std::int64_t wait = FLastStartMs < 0 ? IntervalMs() : FLastStartMs + IntervalMs() - NowMs();
  FDelay->start(int(std::clamp<std::int64_t>(wait, 0, IntervalMs())));
}

void TRecoveryKeeper::Begin() {
  if (!FDoc.Modified()) {
    Settled();
    return;
  }
  if (FOnDisk == FGeneration) return;
  FLastStartMs = NowMs();
  FWritten = FGeneration;
  FNextLine = 0;
  if (FCopy.Start(FDoc.Header()))
    FSlicer->start();
  else
    Failed();
}

void TRecoveryKeeper::Slice() {
  if (FWritten != FGeneration) {
    // The lines written so far may be stale: from the start.
    FWritten = FGeneration;
    FNextLine = 0;
    if (!FCopy.Start(FDoc.Header())) {
      FSlicer->stop();
      Failed();
      return;
    }
  }
  const std::size_t count = FDoc.LineCount();
  std::size_t bytes = 0, lines = 0;
  while (FNextLine < count && bytes < FTiming.SliceBytes && lines < FTiming.SliceLines) {
    const std::string_view line = FDoc.Line(FNextLine++);
    FCopy.Add(line);
    bytes += line.size() + 1;
    ++lines;
  }
  if (FNextLine < count) return;
  FSlicer->stop();
  FLastBytes = FCopy.BytesAdded();
  // Flushing a large copy to disk can take a while; the window goes on meanwhile.
  FWorker = std::async(std::launch::async, [this] {
    const bool ok = FCopy.Finish();
    QMetaObject::invokeMethod(
        this, [this] { Finished(); }, Qt::QueuedConnection);
    return ok;
  });
}

void TRecoveryKeeper::Finished() {
  if (!FWorker.valid()) return;
  WaitForWorker();
  if (FWritten != FGeneration) Schedule();
}

void TRecoveryKeeper::WaitForWorker() {
  if (!FWorker.valid()) return;
  if (!FWorker.get()) {
    Failed();
    return;
  }
  FOnDisk = FWritten;
  if (std::exchange(FFailing, false) && OnTrouble) OnTrouble(QString());
}

void TRecoveryKeeper::Failed() {
  if (std::exchange(FFailing, true) || !OnTrouble) return;
  OnTrouble(FCopy.ErrorString());
}

void TRecoveryKeeper::Settled() {
  FDelay->stop();
  FSlicer->stop();
  WaitForWorker();
  FCopy.Remove();
  FOnDisk = NoCopy;
}

void TRecoveryKeeper::WriteNow() {
  FDelay->stop();
  FSlicer->stop();
  WaitForWorker();
  FKeep = true;
  if (!FDoc.Modified()) {
    FCopy.Remove();
    return;
  }
  if (FOnDisk == FGeneration || !FCopy.Start(FDoc.Header())) return;
  const std::size_t count = FDoc.LineCount();
  for (std::size_t i = 0; i < count; ++i) FCopy.Add(FDoc.Line(i));
  if (FCopy.Finish()) FOnDisk = FWritten = FGeneration;
}

void TRecoveryKeeper::Adopt(TFoundCopy&& Copy) {
  Settled();
  FCopy.Adopt(std::move(Copy));
  // The copy holds the text as recovered.
  FOnDisk = FWritten = FGeneration;
}
