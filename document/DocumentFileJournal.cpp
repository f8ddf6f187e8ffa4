#include "DocumentFileJournal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#include "DocumentFile.h"
#include "StateFolder.h"

namespace {

constexpr const char* Magic = "Quillan in-place save 1";
constexpr const char* Suffix = ".saving";
constexpr const char* PartSuffix = ".saving-part";

QByteArray Local(const QString& Path) { return QFile::encodeName(Path); }
QString SystemError(int Code) { return QString::fromLocal8Bit(std::strerror(Code)); }

// A descriptor closed when it goes.
class TFd {
 public:
  explicit TFd(int Fd = -1) : FFd(Fd) {}
  ~TFd() {
    if (FFd >= 0) ::close(FFd);
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int Get() const { return FFd; }
  int Release() { return std::exchange(FFd, -1); }

 private:
  int FFd;
};

// The state folder as a descriptor of its own; Why names it and says why it cannot be used.
int OpenJournalFolder(const QString& Folder, bool Create, QString* Why) {
  QString reason;
  TReadOnlyFile dir = OpenStateFolder(Folder, Create, &reason);
  if (!dir.IsOpen()) {
    if (Why) *Why = Folder + QStringLiteral(": ") + (reason.isEmpty() ? SystemError(ENOENT) : reason);
    return -1;
  }
  return dir.Release();
}

std::string RecordText(const TSaveRecord& R) {
  std::string out = Magic;
  out += "\ntarget=" + Local(R.Target).toPercentEncoding().toStdString();
  out += "\nbackup=" + Local(R.Backup).toPercentEncoding().toStdString();
  out += "\nfile=" + std::to_string(R.Device) + ' ' + std::to_string(R.Inode) + ' ' + std::to_string(R.Size) +
         ' ' + std::to_string(R.ModifiedNs) + ' ' + std::to_string(R.Mode);
  out += "\ncopy=" + std::to_string(R.BackupDevice) + ' ' + std::to_string(R.BackupInode);
  out += '\n';
  return out;
}

bool ParseRecord(const QByteArray& Text, TSaveRecord& R) {
  const QList<QByteArray> lines = Text.split('\n');
  if (lines.value(0) != Magic) return false;
  bool file = false, copy = false;
  for (const QByteArray& line : lines) {
    const qsizetype eq = line.indexOf('=');
    if (eq < 0) continue;
    const QByteArray key = line.left(eq), value = line.mid(eq + 1);
    const QList<QByteArray> numbers = value.split(' ');
    bool ok = true;
    const auto number = [&](int I) {
      bool good = false;
      const qulonglong n = numbers.value(I).toULongLong(&good);
      ok = ok && good;
      return n;
    };
    if (key == "target") {
      R.Target = QFile::decodeName(QByteArray::fromPercentEncoding(value));
    } else if (key == "backup") {
      R.Backup = QFile::decodeName(QByteArray::fromPercentEncoding(value));
    } else if (key == "file" && numbers.size() == 5) {
      R.Device = number(0);
      R.Inode = number(1);
      R.Size = number(2);
      R.ModifiedNs = numbers.value(3).toLongLong(&ok);
      R.Mode = std::uint32_t(number(4));
      file = ok;
    } else if (key == "copy" && numbers.size() == 2) {
      R.BackupDevice = number(0);
      R.BackupInode = number(1);
      copy = ok;
    } else if (key == "written" && numbers.size() == 2) {
      R.WrittenSize = number(0);
      R.WrittenNs = numbers.value(1).toLongLong(&ok);
      R.Written = ok;
    }
  }
  return file && copy && QDir::isAbsolutePath(R.Target) && QDir::isAbsolutePath(R.Backup);
}

std::int64_t ModifiedNs(const struct stat& St) {
  return std::int64_t(St.st_mtim.tv_sec) * 1000000000 + St.st_mtim.tv_nsec;
}

bool SameInode(const struct stat& St, std::uint64_t Device, std::uint64_t Inode) {
  return std::uint64_t(St.st_dev) == Device && std::uint64_t(St.st_ino) == Inode;
}

// Whether Path names, without a symbolic link on the way, the file of Device and Inode (St: its status).
bool IsRecordedFile(const QString& Path, std::uint64_t Device, std::uint64_t Inode, struct stat& St) {
  return ::lstat(Local(Path).constData(), &St) == 0 && S_ISREG(St.st_mode) && SameInode(St, Device, Inode);
}

void RemoveRecord(TUnfinishedSave& Save) {
  QFile::remove(Save.RecordPath);
  SyncFolder(Save.RecordPath);
  Save.Lock = TReadOnlyFile();
}

}  // namespace

TSaveJournal::TSaveJournal(QString Folder) : FFolder(std::move(Folder)) {}

TSaveJournal::~TSaveJournal() {
  if (FFd >= 0) ::close(FFd);
}

bool TSaveJournal::Begin(const TSaveRecord& Record, QString* Why) {
  const TFd folder(OpenJournalFolder(FFolder, true, Why));
  if (folder.Get() < 0) return false;
  const QByteArray id = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
  const QByteArray part = id + PartSuffix, name = id + Suffix;
  TFd fd(
      ::openat(folder.Get(), part.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  const std::string text = RecordText(Record);
  // Locked before anybody can see it under its own name.
  const bool written = fd.Get() >= 0 && ::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0 &&
                       WriteAll(fd.Get(), text.data(), text.size()) && ::fsync(fd.Get()) == 0 &&
                       ::renameat(folder.Get(), part.constData(), folder.Get(), name.constData()) == 0 &&
                       ::fsync(folder.Get()) == 0;
  if (!written) {
    const int error = errno;
    if (fd.Get() >= 0) ::unlinkat(folder.Get(), part.constData(), 0);
    if (Why) *Why = FFolder + QStringLiteral(": ") + SystemError(error);
    return false;
  }
  FPath = FFolder + QLatin1Char('/') + QString::fromLatin1(name);
  FFd = fd.Release();
  return true;
}

void TSaveJournal::Written(std::uint64_t Size, std::int64_t ModifiedNs) {
  if (FFd < 0) return;
  const std::string line = "written=" + std::to_string(Size) + ' ' + std::to_string(ModifiedNs) + '\n';
  struct stat st {};
  // Not flushed: after a power cut the file's own size and time tell whether its text reached the disk.
  if (::fstat(FFd, &st) == 0 && ::pwrite(FFd, line.data(), line.size(), st.st_size) != ssize_t(line.size())) {
  }
}

void TSaveJournal::Finish() {
  if (FFd < 0) return;
  QFile::remove(FPath);
  SyncFolder(FPath);
  ::close(FFd);
  FFd = -1;
}

std::vector<TUnfinishedSave> FindUnfinishedSaves(const QString& Folder) {
  std::vector<TUnfinishedSave> found;
  const TFd folder(OpenJournalFolder(Folder, false, nullptr));
  if (folder.Get() < 0) return found;
  const QStringList names =
      QDir(Folder).entryList({QStringLiteral("*") + Suffix, QStringLiteral("*") + PartSuffix}, QDir::Files);
  for (const QString& name : names) {
    const QByteArray local = Local(name);
    TReadOnlyFile record(
        ::openat(folder.Get(), local.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!record.IsOpen() || ::fstat(record.Fd(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (::flock(record.Fd(), LOCK_EX | LOCK_NB) != 0) continue;  // a save in progress
    TUnfinishedSave save{Folder + QLatin1Char('/') + name, {}, false, std::move(record)};
    QByteArray text(4096, '\0');
    const ssize_t n =
        name.endsWith(QLatin1String(Suffix)) ? ::pread(save.Lock.Fd(), text.data(), 4096, 0) : -1;
    // A record left unfinished was made before its file was touched; one that is no record means nothing.
    if (n <= 0 || !ParseRecord(text.left(n), save.Record)) {
      RemoveRecord(save);
      continue;
    }
    const TSaveRecord& r = save.Record;
    struct stat target {
    }, backup{};
    const bool targetThere = IsRecordedFile(r.Target, r.Device, r.Inode, target);
    const bool backupThere = IsRecordedFile(r.Backup, r.BackupDevice, r.BackupInode, backup);
    const bool untouched =
        targetThere && std::uint64_t(target.st_size) == r.Size && ModifiedNs(target) == r.ModifiedNs;
    // Killed while the system flushed the whole new text: the file holds it.
    const bool whole = targetThere && r.Written && std::uint64_t(target.st_size) == r.WrittenSize &&
                       ModifiedNs(target) == r.WrittenNs;
    if (untouched || whole) {
      if (backupThere) QFile::remove(r.Backup);
      RemoveRecord(save);
      continue;
    }
    // The copy was complete before the file was touched: without it there is nothing to put back.
    if (!backupThere || std::uint64_t(backup.st_size) != r.Size) {
      RemoveRecord(save);
      continue;
    }
    save.Replaced = !targetThere;
    found.push_back(std::move(save));
  }
  return found;
}

bool RestoreUnfinishedSave(TUnfinishedSave& Save, QString* Why) {
  const TSaveRecord& r = Save.Record;
  const auto fail = [Why](const QString& Reason) {
    if (Why) *Why = Reason;
    return false;
  };
  if (Save.Replaced) return fail(r.Target + QStringLiteral(" has been replaced since."));
  const TFd target(::open(Local(r.Target).constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  const TFd backup(::open(Local(r.Backup).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (target.Get() < 0) return fail(r.Target + QStringLiteral(": ") + SystemError(errno));
  if (backup.Get() < 0) return fail(r.Backup + QStringLiteral(": ") + SystemError(errno));
  struct stat t {
  }, b{};
  if (::fstat(target.Get(), &t) != 0 || !S_ISREG(t.st_mode) || !SameInode(t, r.Device, r.Inode))
    return fail(r.Target + QStringLiteral(" has been replaced since."));
  if (::fstat(backup.Get(), &b) != 0 || !SameInode(b, r.BackupDevice, r.BackupInode) ||
      std::uint64_t(b.st_size) != r.Size)
    return fail(r.Backup + QStringLiteral(" is not the copy that was made."));
  if (::ftruncate(target.Get(), 0) != 0 || !CopyFileBytes(backup.Get(), target.Get()))
    return fail(SystemError(errno));
  // Writing may have taken the set-ID bits.
  if (::fstat(target.Get(), &t) == 0 && (t.st_mode & 07777) != (r.Mode & 07777) &&
      ::fchmod(target.Get(), mode_t(r.Mode & 07777)) != 0) {
  }
  RemoveRecord(Save);
  QFile::remove(r.Backup);
  SyncFolder(r.Backup);
  return true;
}

void ForgetUnfinishedSave(TUnfinishedSave& Save) { RemoveRecord(Save); }
