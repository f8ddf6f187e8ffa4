#include "LivePreviewGuard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include "StateFolder.h"

namespace {

// Chromium takes a switch with one dash or two, with or without a value.
bool TurnsSandboxOff(const QByteArray& Flags) {
  for (const QByteArray& word : Flags.simplified().split(' ')) {
    QByteArray name = word.startsWith("--") ? word.mid(2) : word.startsWith('-') ? word.mid(1) : QByteArray();
    if (const qsizetype value = name.indexOf('='); value >= 0) name.truncate(value);
    if (name == "no-sandbox") return true;
  }
  return false;
}

QByteArray Local(const QString& Path) { return QFile::encodeName(Path); }

}  // namespace

QString PreviewUnavailableReason(uid_t User, uid_t EffectiveUser, const QByteArray& ChromiumFlags,
                                 bool SandboxOff) {
  if ((User != 0 && EffectiveUser != 0) || SandboxOff || TurnsSandboxOff(ChromiumFlags)) return {};
  return QStringLiteral(
      "The live preview is not available for root: the web engine that shows the page needs its "
      "sandbox, which cannot run as root. Start Quillan as your own user to see the preview.");
}

QString PreviewUnavailableReason() {
  return PreviewUnavailableReason(::getuid(), ::geteuid(), qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"),
                                  qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"));
}

bool TPreviewRunMark::Set(const QString& Folder) {
  if (IsSet()) return true;
  const TReadOnlyFile dir = OpenStateFolder(Folder, true, nullptr);
  if (!dir.IsOpen()) return false;
  const QString base = QStringLiteral("livepreview-") + QUuid::createUuid().toString(QUuid::Id128);
  const QByteArray fresh = Local(base + QStringLiteral(".new"));
  const int fd =
      ::openat(dir.Fd(), fresh.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  // Locked before it gets the name others look for, so that none takes it for abandoned.
  const QByteArray name = Local(base + QStringLiteral(".mark"));
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 ||
      ::renameat(dir.Fd(), fresh.constData(), dir.Fd(), name.constData()) != 0) {
    ::unlinkat(dir.Fd(), fresh.constData(), 0);
    ::close(fd);
    return false;
  }
  FFd = fd;
  FPath = Local(Folder + QLatin1Char('/')) + name;
  return true;
}

void TPreviewRunMark::Clear() {
  if (!IsSet()) return;
  ::unlink(FPath.constData());
  ::close(FFd);
  FFd = -1;
  FPath.clear();
}

bool TakeAbandonedPreviewMarks(const QString& Folder) {
  bool found = false;
  const TReadOnlyFile dir = OpenStateFolder(Folder, false, nullptr);
  if (!dir.IsOpen()) return false;
  const QStringList names =
      QDir(Folder).entryList({QStringLiteral("livepreview-*.mark"), QStringLiteral("livepreview-*.new")},
                             QDir::Files | QDir::System);
  for (const QString& name : names) {
    const QByteArray local = Local(name);
    const int fd = ::openat(dir.Fd(), local.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    // A lock that can be taken belongs to nobody: its program is gone.
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      ::unlinkat(dir.Fd(), local.constData(), 0);
      if (name.endsWith(QStringLiteral(".mark"))) found = true;
    }
    ::close(fd);
  }
  return found;
}
