#include "DocumentFile.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "MemoryBudget.h"
#include "RegularFile.h"

namespace {

constexpr qint64 ChunkSize = 4 << 20;

// The file a path names, through any chain of symbolic links (also a dangling one).
QString ResolveLinks(const QString& Path) {
  QString path = QFileInfo(Path).absoluteFilePath();
  for (int hops = 0; hops < 40; ++hops) {
    QFileInfo info(path);
    if (!info.isSymLink()) break;
    path = info.symLinkTarget();
  }
  return path;
}

QString SystemError(int Code) { return QString::fromLocal8Bit(std::strerror(Code)); }

QString TooLargeSentence(const QString& Path, std::uint64_t Need, std::uint64_t Free) {
  return QStringLiteral("%1 is too large to open: it needs about %2 MB of memory, and %3 MB are free.")
      .arg(Path)
      .arg(Need >> 20)
      .arg(Free >> 20);
}

}  // namespace

std::uint64_t DocumentMemoryFor(std::uint64_t FileBytes) { return FileBytes + FileBytes / 2; }

TReadResult ReadDocumentFile(const QString& Path, std::string& Text, QString* Why,
                             const TFileProgress& Progress, TFileForm* Form,
                             const std::function<bool()>& OpenAnyway) {
  const auto fail = [Why](const QString& Reason) {
    if (Why) *Why = Reason;
    return TReadResult::Failed;
  };
  std::string reason;
  const TReadOnlyFile file = OpenRegularFile(QFile::encodeName(Path).toStdString(), &reason);
  if (!file.IsOpen()) return fail(QString::fromLocal8Bit(reason.c_str()));
  struct stat st {};
  if (::fstat(file.Fd(), &st) != 0) return fail(SystemError(errno));
  const qint64 total = st.st_size;
  const std::uint64_t free = AvailableMemory();
  if (!MemoryAllows(DocumentMemoryFor(std::uint64_t(total)), free))
    return fail(TooLargeSentence(Path, DocumentMemoryFor(std::uint64_t(total)), free));
  try {
    // The bytes go straight into the string; tabs are widened in place afterwards.
    std::string raw;
    raw.reserve(std::size_t(total));
    qint64 done = 0;
    bool asked = !OpenAnyway;
    while (true) {
      // A file that grows while it is read (a log) may not outgrow the memory either.
      if (done >= total && !MemoryAllows(DocumentMemoryFor(std::uint64_t(done) + ChunkSize), free))
        return fail(TooLargeSentence(Path, DocumentMemoryFor(std::uint64_t(done) + ChunkSize), free));
      const qint64 want = done < total ? std::min(ChunkSize, total - done) : ChunkSize;
      raw.resize(std::size_t(done + want));
      const ssize_t n = ::read(file.Fd(), raw.data() + done, std::size_t(want));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return fail(SystemError(errno));
      done += n;
      raw.resize(std::size_t(done));
      if (!asked && (n == 0 || std::size_t(done) >= TextSniffLength)) {
        asked = true;
        if (!LooksLikeText(std::string_view(raw).substr(0, TextSniffLength)) && !OpenAnyway())
          return TReadResult::Declined;
      }
      if (n == 0) break;
      if (Progress) Progress(done, total);
    }
    if (Form) Form->Break = DetectLineBreak(raw);
    if (!Form || Form->ExchangeTabs) ExpandTabsInPlace(raw);
    Text = std::move(raw);
  } catch (const std::bad_alloc&) {
    return fail(QStringLiteral("There is not enough memory to open it."));
  } catch (const std::length_error&) {
    return fail(QStringLiteral("There is not enough memory to open it."));
  }
  return TReadResult::Done;
}

bool WriteDocumentFile(const QString& Path, std::size_t LineCount, const TLineSource& Line, QString* Why,
                       const TFileProgress& Progress, const TFileForm& Form) {
  TSafeFileWriter writer(Path);
  bool ok = writer.Open();
  std::string buffer;
  buffer.reserve(std::size_t(ChunkSize) + 4096);
  for (std::size_t i = 0; ok && i < LineCount; ++i) {
    AppendFileLine(buffer, Line(i), Form);
    if (buffer.size() >= std::size_t(ChunkSize)) {
      ok = writer.Write(buffer);
      buffer.clear();
      if (Progress) Progress(qint64(i + 1), qint64(LineCount));
    }
  }
  ok = ok && writer.Write(buffer) && writer.Commit();
  if (!ok && Why) *Why = writer.ErrorString();
  return ok;
}

struct TSafeFileWriter::TImpl {
  QSaveFile Atomic;
  QFile Direct;
};

TSafeFileWriter::TSafeFileWriter(const QString& Path)
    : FImpl(std::make_unique<TImpl>()), FTarget(ResolveLinks(Path)) {}

TSafeFileWriter::~TSafeFileWriter() {
  if (!FInPlace && FImpl->Atomic.isOpen()) FImpl->Atomic.cancelWriting();
}

bool TSafeFileWriter::Open() {
  struct stat old {};
  const bool exists = ::stat(QFile::encodeName(FTarget).constData(), &old) == 0;
  // A file with other hard links must stay the same inode, or the other names would keep the
  // old text.
  FInPlace = exists && S_ISREG(old.st_mode) && old.st_nlink > 1;
  if (!FInPlace) {
    FImpl->Atomic.setFileName(FTarget);
    if (FImpl->Atomic.open(QIODevice::WriteOnly)) {
      const int fd = FImpl->Atomic.handle();
      if (exists) {
        if (::fchmod(fd, old.st_mode & 07777) != 0) {
        }
        if (::geteuid() == 0 && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        }
      } else {
        // New files get the usual mode, not the private one of a temporary file.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd, 0666 & ~mask) != 0) {
        }
      }
      return true;
    }
    FError = FImpl->Atomic.errorString();
    // No temporary file in that folder: rewriting the file itself is the only way left.
    if (!exists || !QFileInfo(FTarget).isWritable()) {
      FFailed = true;
      return false;
    }
    FInPlace = true;
  }
  FImpl->Direct.setFileName(FTarget);
  if (!FImpl->Direct.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    FError = FImpl->Direct.errorString();
    FFailed = true;
    return false;
  }
  return true;
}

bool TSafeFileWriter::Write(std::string_view Bytes) {
  if (FFailed) return false;
  QFileDevice& file = FInPlace ? static_cast<QFileDevice&>(FImpl->Direct) : FImpl->Atomic;
  const char* p = Bytes.data();
  qint64 left = qint64(Bytes.size());
  while (left > 0) {
    const qint64 n = file.write(p, left);
    if (n <= 0) {
      FError = file.errorString();
      FFailed = true;
      return false;
    }
    p += n;
    left -= n;
  }
  return true;
}

bool TSafeFileWriter::Commit() {
  if (FFailed) return false;
  QFileDevice& file = FInPlace ? static_cast<QFileDevice&>(FImpl->Direct) : FImpl->Atomic;
  if (!file.flush()) {
    FError = file.errorString();
    FFailed = true;
    return false;
  }
  if (::fsync(file.handle()) != 0) {
    FError = SystemError(errno);
    FFailed = true;
    return false;
  }
  if (FInPlace) {
    FImpl->Direct.close();
    if (FImpl->Direct.error() != QFileDevice::NoError) {
      FError = FImpl->Direct.errorString();
      FFailed = true;
      return false;
    }
    return true;
  }
  if (!FImpl->Atomic.commit()) {
    FError = FImpl->Atomic.errorString();
    FFailed = true;
    return false;
  }
  return true;
}
