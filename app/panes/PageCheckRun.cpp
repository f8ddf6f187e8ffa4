#include "PageCheckRun.h"

#include <sys/prctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <string_view>

#include "MemoryBudget.h"
#include "PageCheckLimits.h"

namespace {

constexpr qint64 kReadPiece = 65536;

// The editor's descriptors still open without close-on-exec (files, sockets) are not passed on, and the
// check ends with the editor. Only system calls: this runs between fork and exec.
void PrepareChild() {
  close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
  prctl(PR_SET_PDEATHSIG, SIGKILL);
}

}  // namespace

QString PageCheckProgram(const QString& ProgramDir) {
  const QString dir = ProgramDir.isEmpty() ? QCoreApplication::applicationDirPath() : ProgramDir;
  const QString beside = dir + QStringLiteral("/quillan-check");
  const QString installed =
      QDir::cleanPath(dir + QStringLiteral("/" QUILLAN_INSTALLED_CHECK_DIR "/quillan-check"));
  return !QFileInfo(beside).isFile() && QFileInfo(installed).isFile() ? installed : beside;
}

TPageCheckRun::TPageCheckRun(const QString& Program, QByteArray Page, const TPageCheckLimits& Limits,
                             QObject* Parent)
    : QObject(Parent), FPage(std::move(Page)), FPageSize(FPage.size()), FLimits(Limits) {
  const std::size_t size = std::size_t(FPageSize);
  if (!FLimits.Seconds) FLimits.Seconds = PageCheckSeconds(size);
  if (!FLimits.Memory) FLimits.Memory = qint64(PageCheckMemoryLimit(size, AvailableMemory()));
  FProcess = new QProcess(this);
  FProcess->setProgram(Program);
  QStringList arguments{QStringLiteral("--memory=%1").arg(FLimits.Memory),
                        QStringLiteral("--cpu-seconds=%1").arg(FLimits.Seconds + 5)};
  if (FLimits.Stack) arguments << QStringLiteral("--stack=%1").arg(FLimits.Stack);
  FProcess->setArguments(arguments);
  FProcess->setWorkingDirectory(QDir::rootPath());
  FProcess->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  FProcess->setChildProcessModifier(PrepareChild);
  connect(FProcess, &QProcess::started, this, [this] {
    // The pipe takes the page as fast as the program reads it; the buffer shares the bytes.
    FProcess->write(FPage);
    FPage = QByteArray();
    FProcess->closeWriteChannel();
  });
  connect(FProcess, &QProcess::readyReadStandardOutput, this, &TPageCheckRun::Read);
  connect(FProcess, &QProcess::finished, this, [this](int ExitCode, QProcess::ExitStatus Status) {
    ProcessFinished(ExitCode, Status == QProcess::CrashExit);
  });
  connect(FProcess, &QProcess::errorOccurred, this, [this, Program](QProcess::ProcessError Error) {
    if (Error == QProcess::FailedToStart)
      End(QStringLiteral("%1 could not be started (%2)").arg(Program, FProcess->errorString()));
  });
  FDeadline.setSingleShot(true);
  connect(&FDeadline, &QTimer::timeout, this, [this] { Stop(TookTooLong()); });
}

TPageCheckRun::~TPageCheckRun() {
  if (!FProcess || FProcess->state() == QProcess::NotRunning) return;
  // Ended without waiting here: the process object goes once the system has taken the process back.
  FProcess->disconnect(this);
  FProcess->setParent(nullptr);
  connect(FProcess, &QProcess::finished, FProcess, &QObject::deleteLater);
  FProcess->kill();
}

QString TPageCheckRun::TookTooLong() const {
  return FLimits.Seconds == 1 ? QStringLiteral("it took longer than 1 second")
                              : QStringLiteral("it took longer than %1 seconds").arg(FLimits.Seconds);
}

void TPageCheckRun::Start() {
  FDeadline.start(FLimits.Seconds * 1000);
  FProcess->start(QIODevice::ReadWrite);
}

qint64 TPageCheckRun::ProcessId() const { return FProcess ? FProcess->processId() : 0; }

void TPageCheckRun::Read() {
  if (FEnded || !FStopReason.isEmpty()) return;
  const std::size_t before = FReader.BytesRead();
  while (FProcess->bytesAvailable() > 0) {
    const QByteArray piece = FProcess->read(kReadPiece);
    if (!FReader.Feed(std::string_view(piece.constData(), std::size_t(piece.size())))) {
      Stop(QStringLiteral("its answer could not be read"));
      return;
    }
  }
  if (FReader.BytesRead() != before) emit Progress();
}

void TPageCheckRun::Stop(const QString& Reason) {
  if (FStopReason.isEmpty()) FStopReason = Reason;
  FProcess->kill();
}

void TPageCheckRun::ProcessFinished(int ExitCode, bool Crashed) {
  if (FEnded) return;
  Read();
  QString reason = FStopReason;
  if (!reason.isEmpty()) {
  } else if (Crashed && ExitCode == SIGXCPU) {
    reason = TookTooLong();
  } else if (Crashed) {
    reason = QStringLiteral("it crashed (signal %1)").arg(ExitCode);
  } else if (ExitCode == PageCheckExitOutOfMemory) {
    reason = QStringLiteral("it ran out of memory");
  } else if (ExitCode != 0) {
    reason = QStringLiteral("it ended with code %1").arg(ExitCode);
  } else if (!FReader.Complete()) {
    reason = QStringLiteral("its answer was cut short");
  }
  End(reason);
}

void TPageCheckRun::End(const QString& Reason) {
  if (FEnded) return;
  FEnded = true;
  FDeadline.stop();
  FStopReason = Reason;
  emit Ended();
}
