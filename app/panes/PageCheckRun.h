// One check of a page in a process of its own (quillan-check): the page goes to its standard input, its
// answer is read as it comes, and a crash, a limit, a time-out or a garbled answer becomes a reason in
// words. The process runs on the event loop; the window stays responsive meanwhile.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include "PageCheck.h"
#include "PageCheckWire.h"

class QProcess;

// How far the check may go; 0 takes the value that follows the page's size (PageCheckLimits.h).
struct TPageCheckLimits {
  int Seconds = 0;
  qint64 Memory = 0;  // what Tidy may hold
  qint64 Stack = 0;   // the checking thread's stack
};

// quillan-check beside the program (the build tree), else where it is installed.
QString PageCheckProgram(const QString& ProgramDir = {});

class TPageCheckRun : public QObject {
  Q_OBJECT
 public:
  TPageCheckRun(const QString& Program, QByteArray Page, const TPageCheckLimits& Limits,
                QObject* Parent = nullptr);
  // A process still running is ended.
  ~TPageCheckRun() override;

  void Start();
  qint64 ProcessId() const;
  qint64 PageSize() const { return FPageSize; }
  qint64 BytesRead() const { return qint64(FReader.BytesRead()); }
  // After Ended: empty when the result is whole, else why the check stopped.
  const QString& StopReason() const { return FStopReason; }
  TPageCheckResult TakeResult() { return FReader.TakeResult(); }

 signals:
  void Progress();
  void Ended();

 private:
  void Read();
  void Stop(const QString& Reason);
  void ProcessFinished(int ExitCode, bool Crashed);
  void End(const QString& Reason);
  QString TookTooLong() const;

  QProcess* FProcess = nullptr;
  QByteArray FPage;
  qint64 FPageSize = 0;
  TPageCheckLimits FLimits;
  TPageCheckReader FReader;
  QTimer FDeadline;
  QString FStopReason;
  bool FEnded = false;
};
