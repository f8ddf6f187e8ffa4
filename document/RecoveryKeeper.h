// TRecoveryKeeper keeps the recovery copy of one document current while it has unsaved changes: a few
// seconds after a change (longer for large documents), it writes the lines in small steps while the event
// loop is idle, so typing never waits for it, and starts over when the text changes in between; the
// finished copy is flushed to disk on a worker thread. Saving, loading or a new document drops the copy,
// and so does the keeper's end, unless the copy was written for the program's leaving on a signal. When
// copies cannot be written (a full disk, a state folder that is not private), the keeper says so once, and
// again only after a copy was written in between.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <future>
#include <string_view>

#include "RecoveryCopy.h"

class QTimer;

// How the keeper sees the document.
struct TRecoveryDocument {
  std::function<bool()> Modified;
  std::function<std::size_t()> LineCount;
  std::function<std::string_view(std::size_t)> Line;
  std::function<TRecoveryHeader()> Header;
};

struct TRecoveryTiming {
  int IntervalMs = 2000;                   // at most one copy this often
  std::uint64_t BytesPerSecond = 8 << 20;  // and one second more for each this many bytes of the last copy
  std::size_t SliceBytes = 2 << 20;        // written per step of the event loop
  std::size_t SliceLines = 65536;
};

class TRecoveryKeeper : public QObject {
 public:
  using TDocument = TRecoveryDocument;
  using TTiming = TRecoveryTiming;

  TRecoveryKeeper(TDocument Document, QObject* Parent, const QString& Folder = RecoveryFolder(),
                  TTiming Timing = {});
  ~TRecoveryKeeper() override;

  // The text changed.
  void Changed();
  // The document has no unsaved changes any more (saved, loaded, replaced by a new one).
  void Settled();
  // Writes the whole copy at once, for leaving on a signal, and keeps it at the keeper's end.
  void WriteNow();
  // Takes over a copy recovered at start: it stays until a newer copy replaces it or it is dropped.
  void Adopt(TFoundCopy&& Copy);

  // Copies stopped being written (Why tells the user why), or, with an empty Why, work again.
  std::function<void(const QString& Why)> OnTrouble;

  // For tests: whether a copy is being written, and where the copy lies.
  bool Idle() const;
  QString CopyPath() const { return FCopy.Path(); }

 private:
  void Schedule();
  void Begin();
  void Slice();
  void Finished();
  void WaitForWorker();
  void Failed();
  int IntervalMs() const;

  TDocument FDoc;
  TTiming FTiming;
  TRecoveryCopy FCopy;
  QTimer* FDelay;
  QTimer* FSlicer;
  std::uint64_t FGeneration = 0;              // counts changes of the text
  std::uint64_t FWritten = 0;                 // the generation the copy in work holds
  std::uint64_t FOnDisk = ~std::uint64_t(0);  // the generation the finished copy holds (none: all ones)
  std::size_t FNextLine = 0;
  std::int64_t FLastStartMs = -1;
  std::size_t FLastBytes = 0;
  std::future<bool> FWorker;
  bool FKeep = false;
  bool FFailing = false;  // the last copy could not be written, and the user was told
};
