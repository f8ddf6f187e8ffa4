#include "RecoveryCopy.h"

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

#include "DocumentFile.h"

namespace {

constexpr const char* Magic = "Quillan recovery 1";
constexpr std::size_t HeaderLimit = 64 * 1024;
constexpr std::size_t WriteSize = 1 << 20;

QByteArray Local(const QString& Path) { return QFile::encodeName(Path); }

QString CopyPath(const QString& Folder, const QString& Id) { return Folder + '/' + Id + ".recovery"; }
QString PartPath(const QString& Folder, const QString& Id) { return Folder + '/' + Id + ".part"; }
QString LockPath(const QString& Folder, const QString& Id) { return Folder + '/' + Id + ".lock"; }

// The lock of an id, taken without waiting; not open when another program holds it.
TReadOnlyFile LockId(const QString& Folder, const QString& Id) {
  TReadOnlyFile lock(::open(Local(LockPath(Folder, Id)).constData(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600));
  if (lock.IsOpen() && ::flock(lock.Fd(), LOCK_EX | LOCK_NB) != 0) return {};
  return lock;
}

std::string HeaderText(const TRecoveryHeader& H) {
  std::string out = Magic;
  out += "\nname=" + Local(H.FileName).toPercentEncoding().toStdString();
  out += "\non-disk=" + std::to_string(H.OnDisk ? 1 : 0);
  out += "\nbreak=" + std::to_string(int(H.Break));
  out += "\ncaret=" + std::to_string(H.CaretX) + ' ' + std::to_string(H.CaretY);
  out += "\nencoding=" + EncodingName(H.Encoding);
  out += "\n\n";
  return out;
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
    }
  }
  return !H.FileName.isEmpty();
}

bool ReadHeader(const QString& Path, TRecoveryHeader& H, std::size_t& TextStart) {
  std::string why;
  const TReadOnlyFile file = OpenRegularFile(Local(Path).toStdString(), &why);
  if (!file.IsOpen()) return false;
  std::string head(HeaderLimit, '\0');
  const ssize_t n = ::pread(file.Fd(), head.data(), head.size(), 0);
  if (n <= 0) return false;
  head.resize(std::size_t(n));
  return ParseHeader(head, H, TextStart);
}

}  // namespace

QString RecoveryFolder() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  // The base directory specification ignores relative paths.
  if (state.isEmpty() || QDir::isRelativePath(state))
    state = QDir::homePath() + QStringLiteral("/.local/state");
  return state + QStringLiteral("/quillan");
}

std::vector<TFoundCopy> FindOrphanedCopies(const QString& Folder) {
  std::vector<TFoundCopy> found;
  const QDir dir(Folder);
  QStringList ids;
  for (const QString& name :
       dir.entryList({QStringLiteral("*.recovery"), QStringLiteral("*.part"), QStringLiteral("*.lock")},
                     QDir::Files | QDir::Hidden))
    ids << QFileInfo(name).completeBaseName();
  ids.removeDuplicates();
  for (const QString& id : ids) {
    TReadOnlyFile lock = LockId(Folder, id);
    if (!lock.IsOpen()) continue;  // a running program's
    // Whatever the lock guarded before it was taken may be gone by now.
    QFile::remove(PartPath(Folder, id));
    TFoundCopy copy{id, CopyPath(Folder, id), {}, {}, std::move(lock)};
    std::size_t textStart = 0;
    if (!QFileInfo::exists(copy.Path) || !ReadHeader(copy.Path, copy.Header, textStart)) {
      // Nothing to offer: a lock without a copy, or a file that is not a copy.
      if (!QFileInfo::exists(copy.Path)) QFile::remove(LockPath(Folder, id));
      continue;
    }
    copy.Written = QFileInfo(copy.Path).lastModified();
    found.push_back(std::move(copy));
  }
  std::sort(found.begin(), found.end(),
            [](const TFoundCopy& A, const TFoundCopy& B) { return A.Written > B.Written; });
  return found;
}

bool NewerThanItsFile(const TFoundCopy& Copy) {
  if (!Copy.Header.OnDisk) return true;
  const QFileInfo file(Copy.Header.FileName);
  return !file.exists() || Copy.Written > file.lastModified();
}

bool ReadRecoveryText(const TFoundCopy& Copy, std::string& Text, QString* Why) {
  TFileForm form;
  form.ExchangeTabs = false;
  // The copy holds the editor's bytes as they are, whatever they look like.
  TEncodingChoice utf8;
  utf8.Forced = TEncoding{};
  std::string bytes;
  if (ReadDocumentFile(Copy.Path, bytes, Why, {}, &form, {}, utf8) != TReadResult::Done) return false;
  TRecoveryHeader header;
  std::size_t textStart = 0;
  if (!ParseHeader(std::string_view(bytes).substr(0, HeaderLimit), header, textStart)) {
    if (Why) *Why = Copy.Path + QStringLiteral(" is not a recovery copy.");
    return false;
  }
  bytes.erase(0, textStart);
  Text = std::move(bytes);
  return true;
}

void DeleteFoundCopy(TFoundCopy& Copy) {
  const QString folder = QFileInfo(Copy.Path).absolutePath();
  QFile::remove(Copy.Path);
  QFile::remove(LockPath(folder, Copy.Id));
  Copy.Lock = TReadOnlyFile();
}

TRecoveryCopy::TRecoveryCopy(QString Folder) : FFolder(std::move(Folder)) {}

TRecoveryCopy::~TRecoveryCopy() { DropPart(); }

QString TRecoveryCopy::Path() const { return FId.isEmpty() ? QString() : CopyPath(FFolder, FId); }

bool TRecoveryCopy::TakeLock() {
  if (FLock.IsOpen()) return true;
  // Only the user reads the copies.
  if (!QDir().mkpath(FFolder)) return false;
  ::chmod(Local(FFolder).constData(), 0700);
  FId = QUuid::createUuid().toString(QUuid::WithoutBraces);
  FLock = LockId(FFolder, FId);
  return FLock.IsOpen();
}

void TRecoveryCopy::DropPart() {
  if (FPart < 0) return;
  ::close(FPart);
  FPart = -1;
  QFile::remove(PartPath(FFolder, FId));
}

bool TRecoveryCopy::Start(const TRecoveryHeader& Header) {
  DropPart();
  FFailed = false;
  FBuffer.clear();
  FAdded = 0;
  if (!TakeLock()) return false;
  FPart = ::open(Local(PartPath(FFolder, FId)).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (FPart < 0) return false;
  FBuffer = HeaderText(Header);
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
  if (!FFailed && !WriteAll(FPart, FBuffer.data(), FBuffer.size())) FFailed = true;
  FBuffer.clear();
  return !FFailed;
}

bool TRecoveryCopy::Finish() {
  if (FPart < 0) return false;
  // A copy that does not fit on the disk is no copy: the previous one stays.
  if (!Flush() || ::fdatasync(FPart) != 0 ||
      ::rename(Local(PartPath(FFolder, FId)).constData(), Local(CopyPath(FFolder, FId)).constData()) != 0) {
    DropPart();
    return false;
  }
  ::close(FPart);
  FPart = -1;
  SyncFolder(CopyPath(FFolder, FId));
  return true;
}

void TRecoveryCopy::Remove() {
  DropPart();
  if (FId.isEmpty()) return;
  QFile::remove(CopyPath(FFolder, FId));
  QFile::remove(LockPath(FFolder, FId));
  FLock = TReadOnlyFile();
  FId.clear();
}

void TRecoveryCopy::Adopt(TFoundCopy&& Copy) {
  Remove();
  FFolder = QFileInfo(Copy.Path).absolutePath();
  FId = Copy.Id;
  FLock = std::move(Copy.Lock);
}
