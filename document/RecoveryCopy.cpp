#include "RecoveryCopy.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <stdexcept>

#include "DocumentFile.h"
#include "MemoryBudget.h"

namespace {

constexpr const char* Magic = "Quillan recovery 1";
constexpr std::size_t HeaderLimit = 64 * 1024;
constexpr std::size_t WriteSize = 1 << 20;

QByteArray Local(const QString& Path) { return QFile::encodeName(Path); }

QByteArray CopyName(const QString& Id) { return Local(Id + QStringLiteral(".recovery")); }
QByteArray PartName(const QString& Id) { return Local(Id + QStringLiteral(".part")); }
QByteArray LockName(const QString& Id) { return Local(Id + QStringLiteral(".lock")); }

QString SystemError(int Code) { return QString::fromLocal8Bit(std::strerror(Code)); }

// A file of the folder, opened for reading without following a link; only a regular file is open.
TReadOnlyFile OpenInFolder(int Dir, const QByteArray& Name) {
  // O_NONBLOCK: a named pipe put there opens at once instead of waiting for a writer.
  TReadOnlyFile file(::openat(Dir, Name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat st {};
  if (!file.IsOpen() || ::fstat(file.Fd(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
  return file;
}

// The lock of an id, taken without waiting; not open when another program holds it, or when something
// else than a lock file lies under its name. Fresh: the id is new, so nothing may lie there yet.
TReadOnlyFile LockId(int Dir, const QString& Id, bool Fresh) {
  const int flags = O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | (Fresh ? O_EXCL : 0);
  TReadOnlyFile lock(::openat(Dir, LockName(Id).constData(), flags, 0600));
  struct stat st {};
  if (!lock.IsOpen() || ::fstat(lock.Fd(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
  if (::flock(lock.Fd(), LOCK_EX | LOCK_NB) != 0) return {};
  return lock;
}

// Where a found copy's file of Suffix lies, for the calls relative to a folder: in its folder, or else by
// its path.
int DirOf(const TFoundCopy& Copy) { return Copy.Folder ? Copy.Folder->Fd() : AT_FDCWD; }
QByteArray NameOf(const TFoundCopy& Copy, const char* Suffix) {
  const QString base = Copy.Folder ? Copy.Id : Copy.Path.chopped(int(std::strlen(".recovery")));
  return Local(base + QLatin1String(Suffix));
}

std::string HeaderText(const TRecoveryHeader& H) {
  std::string out = Magic;
  out += "\nname=" + Local(H.FileName).toPercentEncoding().toStdString();
  out += "\non-disk=" + std::to_string(H.OnDisk ? 1 : 0);
  out += "\nbreak=" + std::to_string(int(H.Break));
  out += "\ncaret=" + std::to_string(H.CaretX) + ' ' + std::to_string(H.CaretY);
  out += "\nencoding=" + EncodingName(H.Encoding);
  const TFileIdentity& file = H.Disk.Identity;
  if (H.OnDisk && file.Exists) {
    out += "\ndisk=" + std::to_string(file.Device) + ' ' + std::to_string(file.Inode) + ' ' +
           std::to_string(file.Size) + ' ' + std::to_string(file.ModifiedNs);
    if (H.Disk.Checksum) out += ' ' + QByteArray::number(qulonglong(*H.Disk.Checksum), 16).toStdString();
  }
  out += "\n\n";
  return out;
}

// The file's stamp of a "disk=" line; an unreadable one leaves it unknown.
TContentStamp ParseDisk(const QByteArray& Value) {
  const QList<QByteArray> parts = Value.split(' ');
  if (parts.size() < 4) return {};
  bool ok[5] = {false, false, false, false, true};
  TContentStamp stamp;
  stamp.Identity = {true, parts[0].toULongLong(&ok[0]), parts[1].toULongLong(&ok[1]),
                    parts[2].toULongLong(&ok[2]), parts[3].toLongLong(&ok[3])};
  if (parts.size() > 4) stamp.Checksum = parts[4].toULongLong(&ok[4], 16);
  return std::all_of(std::begin(ok), std::end(ok), [](bool B) { return B; }) ? stamp : TContentStamp{};
}

// The header of a copy's first bytes, and where its text begins; false when they are not a copy's.
bool ParseHeader(std::string_view Bytes, TRecoveryHeader& H, std::size_t& TextStart) {
  const std::size_t end = Bytes.find("\n\n");
  if (end == std::string_view::npos) return false;
  TextStart = end + 2;
  const QList<QByteArray> lines = QByteArray(Bytes.data(), qsizetype(end)).split('\n');
  if (lines.value(0) != Magic) return false;
  for (const QByteArray& line : lines) {
    const qsizetype eq = line.indexOf('=');
    if (eq < 0) continue;
    const QByteArray key = line.left(eq), value = line.mid(eq + 1);
    if (key == "name") {
      H.FileName = QFile::decodeName(QByteArray::fromPercentEncoding(value));
    } else if (key == "on-disk") {
      H.OnDisk = value == "1";
    } else if (key == "break") {
      const int b = value.toInt();
      H.Break = b == lbCRLF ? lbCRLF : b == lbCR ? lbCR : lbLF;
    } else if (key == "caret") {
      const QList<QByteArray> xy = value.split(' ');
      H.CaretX = std::max(1, xy.value(0).toInt());
      H.CaretY = std::max(1, xy.value(1).toInt());
    } else if (key == "encoding") {
      if (!EncodingFromName(value.toStdString(), &H.Encoding)) H.Encoding = {};
    } else if (key == "disk") {
      H.Disk = ParseDisk(value);
    }
  }
  return !H.FileName.isEmpty();
}

bool ReadHeader(int File, TRecoveryHeader& H, std::size_t& TextStart) {
  std::string head(HeaderLimit, '\0');
  const ssize_t n = ::pread(File, head.data(), head.size(), 0);
  if (n <= 0) return false;
  head.resize(std::size_t(n));
  return ParseHeader(head, H, TextStart);
}

// The names in a folder, read through its descriptor.
std::vector<QString> NamesIn(int Dir) {
  std::vector<QString> names;
  const int fd = ::openat(Dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return names;
  DIR* dir = ::fdopendir(fd);
  if (!dir) {
    ::close(fd);
    return names;
  }
  while (const dirent* entry = ::readdir(dir)) names.push_back(QFile::decodeName(entry->d_name));
  ::closedir(dir);
  return names;
}

}  // namespace

TReadOnlyFile OpenRecoveryFolder(const QString& Folder, bool Create, QString* Why) {
  QString reason;
  TReadOnlyFile dir = OpenStateFolder(Folder, Create, &reason);
  if (Why && !reason.isEmpty())
    *Why = QStringLiteral("No recovery copy: the state folder %1 (%2)").arg(reason, Folder);
  return dir;
}

std::vector<TFoundCopy> FindOrphanedCopies(const QString& Folder) {
  std::vector<TFoundCopy> found;
  auto folder = std::make_shared<const TReadOnlyFile>(OpenRecoveryFolder(Folder, false, nullptr));
  if (!folder->IsOpen()) return found;
  const int dir = folder->Fd();
  QStringList ids;
  for (const QString& name : NamesIn(dir))
    if (name.endsWith(QLatin1String(".recovery")) || name.endsWith(QLatin1String(".part")) ||
        name.endsWith(QLatin1String(".lock")))
      ids << QFileInfo(name).completeBaseName();
  ids.removeDuplicates();
  for (const QString& id : ids) {
    TReadOnlyFile lock = LockId(dir, id, false);
    if (!lock.IsOpen()) continue;  // a running program's, or no lock at all
    // Whatever the lock guarded before it was taken may be gone by now.
    ::unlinkat(dir, PartName(id).constData(), 0);
    TFoundCopy copy{
        id, Folder + QLatin1Char('/') + id + QStringLiteral(".recovery"), {}, {}, std::move(lock), folder};
    const TReadOnlyFile file = OpenInFolder(dir, CopyName(id));
    struct stat st {};
    std::size_t textStart = 0;
    if (!file.IsOpen() || ::fstat(file.Fd(), &st) != 0 || !ReadHeader(file.Fd(), copy.Header, textStart)) {
      // Nothing to offer: a lock without a copy, or a file that is not a copy.
      struct stat there {};
      if (::fstatat(dir, CopyName(id).constData(), &there, AT_SYMLINK_NOFOLLOW) != 0)
        ::unlinkat(dir, LockName(id).constData(), 0);
      continue;
    }
    copy.Written =
        QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000);
    found.push_back(std::move(copy));
  }
  std::sort(found.begin(), found.end(),
            [](const TFoundCopy& A, const TFoundCopy& B) { return A.Written > B.Written; });
  return found;
}

TCopyTarget TargetOf(const TFoundCopy& Copy, TContentStamp* FileNow) {
  const TRecoveryHeader& header = Copy.Header;
  if (FileNow) *FileNow = {};
  // A name relative to a folder that nobody knows any more could be any file.
  if (QDir::isRelativePath(header.FileName)) return TCopyTarget::Unknown;
  if (!header.OnDisk) return TCopyTarget::NeverOnDisk;
  const TFileIdentity now = FileIdentityOf(header.FileName);
  if (!now.Exists) return TCopyTarget::OwnFile;
  if (!header.Disk.Identity.Exists) {
    if (FileNow) FileNow->Identity = now;
    // A copy that does not say what its file held: a file written after it may hold newer work.
    const QDateTime modified = QDateTime::fromMSecsSinceEpoch(now.ModifiedNs / 1000000);
    return modified > Copy.Written ? TCopyTarget::FileChanged : TCopyTarget::OwnFile;
  }
  return ContentChanged(header.Disk, header.FileName, FileNow) ? TCopyTarget::FileChanged
                                                               : TCopyTarget::OwnFile;
}

bool ReadRecoveryText(const TFoundCopy& Copy, std::string& Text, QString* Why) {
  const auto fail = [&](const QString& Reason) {
    if (Why) *Why = Reason;
    return false;
  };
  const TReadOnlyFile file = OpenInFolder(DirOf(Copy), NameOf(Copy, ".recovery"));
  struct stat st {};
  if (!file.IsOpen() || ::fstat(file.Fd(), &st) != 0)
    return fail(Copy.Path + QStringLiteral(" cannot be read."));
  // The text goes into the editor's lines next, which take about as much again.
  const std::uint64_t need = DocumentMemoryFor(std::uint64_t(st.st_size)) + std::uint64_t(st.st_size);
  if (!MemoryAllows(need)) return fail(QStringLiteral("There is not enough memory to open it."));
  std::string bytes;
  try {
    bytes.resize(std::size_t(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::pread(file.Fd(), bytes.data() + done, bytes.size() - done, off_t(done));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return fail(Copy.Path + QStringLiteral(": ") + SystemError(errno));
      if (n == 0) break;
      done += std::size_t(n);
    }
    bytes.resize(done);
  } catch (const std::bad_alloc&) {
    return fail(QStringLiteral("There is not enough memory to open it."));
  } catch (const std::length_error&) {
    return fail(QStringLiteral("There is not enough memory to open it."));
  }
  TRecoveryHeader header;
  std::size_t textStart = 0;
  if (!ParseHeader(std::string_view(bytes).substr(0, HeaderLimit), header, textStart))
    return fail(Copy.Path + QStringLiteral(" is not a recovery copy."));
  bytes.erase(0, textStart);
  Text = std::move(bytes);
  return true;
}

void DeleteFoundCopy(TFoundCopy& Copy) {
  ::unlinkat(DirOf(Copy), NameOf(Copy, ".recovery").constData(), 0);
  ::unlinkat(DirOf(Copy), NameOf(Copy, ".lock").constData(), 0);
  Copy.Lock = TReadOnlyFile();
}

TRecoveryCopy::TRecoveryCopy(QString Folder) : FFolder(std::move(Folder)) {}

TRecoveryCopy::~TRecoveryCopy() { DropPart(); }

QString TRecoveryCopy::Path() const {
  return FId.isEmpty() ? QString() : FFolder + QLatin1Char('/') + FId + QStringLiteral(".recovery");
}

bool TRecoveryCopy::Fail(int Error) {
  FError = QStringLiteral("No recovery copy: %1 (%2)").arg(SystemError(Error), FFolder);
  return false;
}

bool TRecoveryCopy::TakeLock() {
  // A folder removed meanwhile would take every later copy with it: they go to a new one.
  struct stat st {};
  if (FDir.IsOpen() && (::fstat(FDir.Fd(), &st) != 0 || st.st_nlink == 0)) {
    FLock = TReadOnlyFile();
    FId.clear();
    FDir = TReadOnlyFile();
  }
  if (FLock.IsOpen()) return true;
  if (!FDir.IsOpen()) {
    FDir = OpenRecoveryFolder(FFolder, true, &FError);
    if (!FDir.IsOpen()) return false;
  }
  FId = QUuid::createUuid().toString(QUuid::WithoutBraces);
  FLock = LockId(FDir.Fd(), FId, true);
  if (!FLock.IsOpen()) {
    const int error = errno;
    FId.clear();
    return Fail(error);
  }
  return true;
}

void TRecoveryCopy::DropPart() {
  if (FPart < 0) return;
  ::close(FPart);
  FPart = -1;
  ::unlinkat(FDir.Fd(), PartName(FId).constData(), 0);
}

bool TRecoveryCopy::Start(const TRecoveryHeader& Header) {
  DropPart();
  FFailed = false;
  FWriteError = 0;
  FBuffer.clear();
  FAdded = 0;
  if (!TakeLock()) return false;
  const QByteArray part = PartName(FId);
  constexpr int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
  FPart = ::openat(FDir.Fd(), part.constData(), flags, 0600);
  if (FPart < 0 && errno == EEXIST) {
    // Whatever lies there (a left-over, a planted link) goes, not what it may point to.
    ::unlinkat(FDir.Fd(), part.constData(), 0);
    FPart = ::openat(FDir.Fd(), part.constData(), flags, 0600);
  }
  if (FPart < 0) return Fail(errno);
  TRecoveryHeader header = Header;
  // The copy must find its file again from wherever the next start is.
  if (!header.FileName.isEmpty()) header.FileName = QFileInfo(header.FileName).absoluteFilePath();
  FBuffer = HeaderText(header);
  return true;
}

void TRecoveryCopy::Add(std::string_view Line) {
  if (FPart < 0 || FFailed) return;
  FBuffer.append(Line);
  FBuffer += '\n';
  FAdded += Line.size() + 1;
  if (FBuffer.size() >= WriteSize) Flush();
}

bool TRecoveryCopy::Flush() {
  if (!FFailed && !WriteAll(FPart, FBuffer.data(), FBuffer.size())) {
    FFailed = true;
    FWriteError = errno;
  }
  FBuffer.clear();
  return !FFailed;
}

bool TRecoveryCopy::Finish() {
  if (FPart < 0) return false;
  // A copy that does not fit on the disk is no copy: the previous one stays.
  int error = 0;
  if (!Flush())
    error = FWriteError;
  else if (::fdatasync(FPart) != 0 ||
           ::renameat(FDir.Fd(), PartName(FId).constData(), FDir.Fd(), CopyName(FId).constData()) != 0)
    error = errno;
  if (error != 0) {
    DropPart();
    return Fail(error);
  }
  ::close(FPart);
  FPart = -1;
  ::fsync(FDir.Fd());
  FError.clear();
  return true;
}

void TRecoveryCopy::Remove() {
  DropPart();
  if (FId.isEmpty()) return;
  ::unlinkat(FDir.Fd(), CopyName(FId).constData(), 0);
  ::unlinkat(FDir.Fd(), LockName(FId).constData(), 0);
  FLock = TReadOnlyFile();
  FId.clear();
}

void TRecoveryCopy::Adopt(TFoundCopy&& Copy) {
  Remove();
  FFolder = QFileInfo(Copy.Path).absolutePath();
  FDir = Copy.Folder ? TReadOnlyFile(::fcntl(Copy.Folder->Fd(), F_DUPFD_CLOEXEC, 0))
                     : OpenRecoveryFolder(FFolder, false, nullptr);
  FId = Copy.Id;
  FLock = std::move(Copy.Lock);
}
