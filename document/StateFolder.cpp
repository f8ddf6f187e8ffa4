#include "StateFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace {

QByteArray Local(const QString& Path) { return QFile::encodeName(Path); }
QString SystemError(int Code) { return QString::fromLocal8Bit(std::strerror(Code)); }

}  // namespace

QString StateFolder() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  // The base directory specification ignores relative paths.
  if (state.isEmpty() || QDir::isRelativePath(state))
    state = QDir::homePath() + QStringLiteral("/.local/state");
  return state + QStringLiteral("/quillan");
}

TReadOnlyFile OpenStateFolder(const QString& Folder, bool Create, QString* Why) {
  const QByteArray path = Local(Folder);
  const auto refuse = [&](const QString& Reason) {
    if (Why) *Why = Reason;
    return TReadOnlyFile();
  };
  if (Create) {
    // The base directory specification asks for private state folders too.
    const QString parent = QFileInfo(Folder).absolutePath();
    if (!QFileInfo::exists(parent)) {
      QDir().mkpath(parent);
      ::chmod(Local(parent).constData(), 0700);
    }
    ::mkdir(path.constData(), 0700);
  }
  TReadOnlyFile dir(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (!dir.IsOpen()) {
    const int error = errno;
    struct stat st {};
    const bool there = ::lstat(path.constData(), &st) == 0;
    if (there && S_ISLNK(st.st_mode)) return refuse(QStringLiteral("is a symbolic link, not a folder"));
    if (there && !S_ISDIR(st.st_mode)) return refuse(QStringLiteral("is not a folder"));
    if (!Create && error == ENOENT) return {};
    return refuse(QStringLiteral("cannot be opened (%1)").arg(SystemError(error)));
  }
  struct stat st {};
  if (::fstat(dir.Fd(), &st) != 0)
    return refuse(QStringLiteral("cannot be read (%1)").arg(SystemError(errno)));
  if (st.st_uid != ::geteuid()) return refuse(QStringLiteral("belongs to another user"));
  // Only the user reads what is kept there.
  if ((st.st_mode & 077) != 0 && ::fchmod(dir.Fd(), 0700) != 0)
    return refuse(QStringLiteral("is open to other users and cannot be made private"));
  return dir;
}
