#include "DocumentFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <future>
#include <new>
#include <optional>
#include <string>
#include <system_error>

#include "DocumentFileAttributes.h"
#include "DocumentFileJournal.h"
#include "DocumentKeptBytes.h"
#include "FileContent.h"
#include "MemoryBudget.h"
#include "RecoveryCopy.h"
#include "RegularFile.h"
#include "xeTextBuilder.h"

namespace {

constexpr std::size_t ChunkSize = 4 << 20;

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

// The look of the first bytes, decoded when they are UTF-16 (whose text is full of zero bytes).
bool HeadLooksLikeText(std::string_view Head, const TEncodingChoice& Choice) {
  const std::string_view even = Head.substr(0, Head.size() & ~std::size_t(1));
  TEncoding encoding;
  if (Choice.Forced)
    encoding = DecideEncoding(even, Choice);
  else if (!EncodingOfBom(even, &encoding))
    return LooksLikeText(Head);
  if (encoding.Kind != ekUtf16LE && encoding.Kind != ekUtf16BE) return LooksLikeText(Head);
  std::string text(even);
  DecodeToUtf8(text, encoding);
  return LooksLikeText(text);
}

QString EncodingText(const TEncoding& Encoding) { return QString::fromStdString(EncodingName(Encoding)); }

}  // namespace

std::uint64_t DocumentMemoryFor(std::uint64_t FileBytes) { return FileBytes + FileBytes / 2; }

namespace {

// Where the reader puts a file's bytes: the whole text in one string, tabs widened afterwards.
class TStringSink {
 public:
  TStringSink(const QString& Path, bool WidenTabs, bool KeepBytes = false)
      : FPath(Path), FWidenTabs(WidenTabs), FKeepBytes(KeepBytes) {}
  void Expect(std::uint64_t Bytes) { FText.reserve(std::size_t(Bytes)); }
  char* Room(std::size_t& Bytes) {
    // The file's size was reserved; a file that grows gets more in steps.
    if (FText.capacity() - FSize < ChunkSize) FText.reserve(FSize + std::size_t(ChunkSize));
    FText.resize(FText.capacity());
    Bytes = FText.size() - FSize;
    return FText.data() + FSize;
  }
  void Commit(std::size_t Bytes) { FSize += Bytes; }
  bool Abandoned(const TEncodingChoice&) { return false; }
  // The user opens a file that does not look like text: its bytes are kept (DocumentKeptBytes.h).
  void KeepBytes() { FKeepBytes = true; }
  std::string_view Head() const { return std::string_view(FText.data(), std::min(FSize, TextSniffLength)); }
  // The text in UTF-8 with its form, or false with the reason.
  bool Finish(const TEncodingChoice& Choice, std::string& Text, TFileForm* Form, QString* Why) {
    FText.resize(FSize);
    // Text in another encoding becomes UTF-8 here; UTF-8 itself is neither copied nor changed. Bytes that
    // are kept are taken as they are, unless the user chose an encoding for them.
    std::string overruled;
    const TEncoding encoding =
        FKeepBytes && !Choice.Forced ? TEncoding{} : DecideEncoding(FText, Choice, &overruled);
    const bool widen = FWidenTabs && !FKeepBytes;
    if (!IsPlainUtf8(encoding)) {
      const std::size_t size = DecodedSize(FText, encoding);
      if (size == std::string_view::npos) {
        if (Why)
          *Why = (encoding.Kind == ekCodePage
                      ? QStringLiteral("%1 is not available on this system.")
                      : QStringLiteral("It cannot be %1 text: it has an odd number of bytes."))
                     .arg(EncodingText(encoding));
        return false;
      }
      if (!Fits(size, Why)) return false;
      // Room for the widened tabs comes with the decoded text, which then need not move again.
      DecodeToUtf8(FText, encoding, size, widen ? 3 * CountTabs(FText.data(), FText.size()) : 0);
    }
    if (FKeepBytes) {
      const std::size_t size = KeptBytesSize(FText);
      if (size != FText.size() && !Fits(size, Why)) return false;
      KeepBytesInPlace(FText, size);
    }
    if (Form) {
      Form->Encoding = encoding;
      Form->Break = FKeepBytes ? lbLF : DetectLineBreak(FText);
      Form->KeepBytes = FKeepBytes;
      Form->OverruledDeclaration = std::move(overruled);
    }
    if (widen) ExpandTabsInPlace(FText);
    Text = std::move(FText);
    return true;
  }

 private:
  // Whether the text may grow to Size bytes, with the file's bytes still held.
  bool Fits(std::size_t Size, QString* Why) const {
    const std::uint64_t need = DocumentMemoryFor(Size) + FText.size();
    const std::uint64_t free = AvailableMemory();
    if (MemoryAllows(need, free)) return true;
    if (Why) *Why = TooLargeSentence(FPath, need, free);
    return false;
  }

  QString FPath;
  std::string FText;
  std::size_t FSize = 0;
  bool FWidenTabs;
  bool FKeepBytes;
};

// Straight into the lines' chunks, piece by piece.
class TLinesSink : public TxeTextBuilder {
 public:
  TLinesSink(const TLinesSink&) = delete;
  TLinesSink& operator=(const TLinesSink&) = delete;
  explicit TLinesSink(bool WidenTabs) : TxeTextBuilder(WidenTabs) {
    // The first piece ends at the first line break (or the end of the file).
    // Pieces end at line breaks, so none cuts a character in two.
    OnPiece = [this](std::string_view Piece) {
      if (!FSawPiece) FBreak = DetectLineBreak(Piece);
      FSawPiece = true;
      bool beyond = false;
      FValidUtf8 = FValidUtf8 && IsValidUtf8(Piece, &beyond);
      FBeyondAscii = FBeyondAscii || beyond;
    };
  }
  TLineBreak Break() const { return FBreak; }
  // Bytes that are kept are read again whole (DocumentKeptBytes.h), so the rest need not be read here.
  void KeepBytes() { FKeepBytes = true; }
  bool KeepsBytes() const { return FKeepBytes; }
  // Whether the lines read are the text in Encoding: UTF-8, or ASCII, which every code page keeps as
  // it is.
  bool TakenAsRead(const TEncoding& Encoding) const {
    return IsPlainUtf8(Encoding) || (Encoding.Kind == ekCodePage && FValidUtf8 && !FBeyondAscii);
  }
  // Whether what was read shows that the text is not taken as it is (not UTF-8, or declared to be in
  // another encoding and not valid UTF-8): the whole file is then read again to be decoded, and the rest
  // need not be read into lines first.
  bool Abandoned(const TEncodingChoice& Choice) {
    if (FKeepBytes) return true;
    if (FAbandoned || Bytes() < HeadLength) return FAbandoned;
    // Validity only ever goes and characters beyond ASCII only come, so the answer is worked out at most
    // three times.
    if (!FChecked || FCheckedValid != FValidUtf8 || FCheckedBeyond != FBeyondAscii) {
      FChecked = true;
      FCheckedValid = FValidUtf8;
      FCheckedBeyond = FBeyondAscii;
      const std::optional<TEncoding> encoding = Encoding(Choice);
      FAbandoned = !encoding || !TakenAsRead(*encoding);
    }
    return FAbandoned;
  }
  // The encoding the whole text would be given, when its first bytes and its UTF-8 validity tell; none
  // when only the whole text can (it is not UTF-8 and declares nothing). Overruled receives a declared
  // label that valid UTF-8 beyond ASCII contradicts.
  std::optional<TEncoding> Encoding(const TEncodingChoice& Choice, std::string* Overruled = nullptr) const {
    const std::string_view head = Head();
    TEncoding found;
    if (Choice.Forced || EncodingOfBom(head, &found)) return DecideEncoding(head, Choice);
    std::string_view label;
    if (Choice.Declarations == dcHTML) label = HtmlCharsetLabel(head);
    if (Choice.Declarations == dcCSS) label = CssCharsetLabel(head);
    if (!label.empty() && EncodingFromLabel(label, &found)) {
      if (!DeclarationContradicted(found, FValidUtf8, FBeyondAscii)) return found;
      if (Overruled) *Overruled = label;
      return TEncoding{};
    }
    if (FValidUtf8) return TEncoding{};
    return std::nullopt;
  }

 private:
  bool FSawPiece = false;
  bool FValidUtf8 = true;
  bool FBeyondAscii = false;  // of the valid text read so far
  bool FChecked = false, FCheckedValid = true, FCheckedBeyond = false, FAbandoned = false;
  bool FKeepBytes = false;
  TLineBreak FBreak = lbLF;
};

enum class TAttempt { Done, Failed, Declined, Changed };

bool SameFile(const struct stat& A, const struct stat& B) {
  return A.st_dev == B.st_dev && A.st_ino == B.st_ino && A.st_size == B.st_size &&
         A.st_mtim.tv_sec == B.st_mtim.tv_sec && A.st_mtim.tv_nsec == B.st_mtim.tv_nsec;
}

// One read of Path into Sink, its bytes added to Sum. Changed: the file was written to while it was read;
// GrewOnly then says whether it only grew and all of it was read.
template <class TSink>
TAttempt ReadOnce(const QString& Path, TSink& Sink, TContentChecksum& Sum, QString* Why,
                  const TReadProgress& Progress, const std::function<bool()>& OpenAnyway,
                  const TEncodingChoice& Choice, bool& Asked, bool& Agreed, bool& GrewOnly) {
  const auto fail = [Why](const QString& Reason) {
    if (Why) *Why = Reason;
    return TAttempt::Failed;
  };
  std::string reason;
  const TReadOnlyFile file = OpenRegularFile(QFile::encodeName(Path).toStdString(), &reason);
  if (!file.IsOpen()) return fail(QString::fromLocal8Bit(reason.c_str()));
  struct stat before {};
  if (::fstat(file.Fd(), &before) != 0) return fail(SystemError(errno));
  const qint64 total = before.st_size;
  const std::uint64_t free = AvailableMemory();
  if (!MemoryAllows(DocumentMemoryFor(std::uint64_t(total)), free))
    return fail(TooLargeSentence(Path, DocumentMemoryFor(std::uint64_t(total)), free));
  Sink.Expect(std::uint64_t(total));
  qint64 done = 0;
  while (true) {
    // A file that grows while it is read (a log) may not outgrow the memory either.
    if (done >= total && !MemoryAllows(DocumentMemoryFor(std::uint64_t(done) + ChunkSize), free))
      return fail(TooLargeSentence(Path, DocumentMemoryFor(std::uint64_t(done) + ChunkSize), free));
    std::size_t room = 0;
    char* to = Sink.Room(room);
    const ssize_t n = ::read(file.Fd(), to, std::min(room, std::size_t(ChunkSize)));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fail(SystemError(errno));
    // Before the sink widens tabs in place.
    Sum.Add(to, std::size_t(n));
    Sink.Commit(std::size_t(n));
    done += n;
    if (!Asked && (n == 0 || std::size_t(done) >= TextSniffLength)) {
      Asked = true;
      if (!HeadLooksLikeText(Sink.Head().substr(0, TextSniffLength), Choice)) {
        if (!OpenAnyway()) return TAttempt::Declined;
        Agreed = true;
        Sink.KeepBytes();
      }
    }
    if (n == 0) break;
    if (Progress && !Progress(done, std::max(total, done))) return TAttempt::Declined;
    if (Asked && Sink.Abandoned(Choice)) return TAttempt::Done;
  }
  // Files the kernel makes up as they are read, and others whose size said 0 but that have text, are taken
  // as one read to their end gave them.
  if ((total == 0 && done > 0) || IsGeneratedFile(file.Fd())) return TAttempt::Done;
  struct stat after {};
  if (::fstat(file.Fd(), &after) != 0) return fail(SystemError(errno));
  GrewOnly = after.st_size == done && after.st_size > before.st_size;
  return SameFile(before, after) && done == total ? TAttempt::Done : TAttempt::Changed;
}

// Reads Path into a new Sink made by Make, again when the file changed meanwhile; Use takes the sink and the
// checksum of the bytes read (false: it failed and told Why).
template <class TMake, class TUse>
TReadResult ReadFile(const QString& Path, QString* Why, const TReadProgress& Progress,
                     const std::function<bool()>& OpenAnyway, const TEncodingChoice& Choice, TMake&& Make,
                     TUse&& Use) {
  bool asked = !OpenAnyway, agreed = false;
  try {
    for (int attempt = 1;; ++attempt) {
      auto sink = Make();
      if (agreed) sink.KeepBytes();
      TContentChecksum sum;
      bool grewOnly = false;
      const TAttempt result =
          ReadOnce(Path, sink, sum, Why, Progress, OpenAnyway, Choice, asked, agreed, grewOnly);
      if (result == TAttempt::Failed) return TReadResult::Failed;
      if (result == TAttempt::Declined) return TReadResult::Declined;
      // A file still being written to (a log) is taken as it was when its end was reached.
      if (result == TAttempt::Done || (attempt == 3 && grewOnly))
        return Use(sink, sum.Value()) ? TReadResult::Done : TReadResult::Failed;
      if (attempt == 3) {
        if (Why)
          *Why = Path + QStringLiteral(" kept changing while it was read. Try again when it is written.");
        return TReadResult::Failed;
      }
    }
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  if (Why) *Why = QStringLiteral("There is not enough memory to open it.");
  return TReadResult::Failed;
}

}  // namespace

namespace {

TReadResult ReadWhole(const QString& Path, std::string& Text, QString* Why, const TReadProgress& Progress,
                      TFileForm* Form, const std::function<bool()>& OpenAnyway, const TEncodingChoice& Choice,
                      bool KeepBytes = false) {
  const bool widen = !Form || Form->ExchangeTabs;
  return ReadFile(
      Path, Why, Progress, OpenAnyway, Choice, [&] { return TStringSink(Path, widen, KeepBytes); },
      [&](TStringSink& Sink, std::uint64_t Sum) {
        if (!Sink.Finish(Choice, Text, Form, Why)) return false;
        if (Form) Form->Checksum = Sum;
        return true;
      });
}

}  // namespace

TReadResult ReadDocumentFile(const QString& Path, std::string& Text, QString* Why,
                             const TFileProgress& Progress, TFileForm* Form,
                             const std::function<bool()>& OpenAnyway, const TEncodingChoice& Choice) {
  return ReadWhole(
      Path, Text, Why,
      [&Progress](qint64 Done, qint64 Total) {
        if (Progress) Progress(Done, Total);
        return true;
      },
      Form, OpenAnyway, Choice);
}

TReadResult ReadDocumentLines(const QString& Path, TxeLineStore& Lines, QString* Why,
                              const TReadProgress& Progress, TFileForm* Form,
                              const std::function<bool()>& OpenAnyway, const TEncodingChoice& Choice) {
  const bool widen = !Form || Form->ExchangeTabs;
  bool decode = false, keepBytes = false;
  TReadResult result = ReadFile(
      Path, Why, Progress, OpenAnyway, Choice, [widen] { return TLinesSink(widen); },
      [&](TLinesSink& Sink, std::uint64_t Sum) {
        keepBytes = Sink.KeepsBytes();
        if (keepBytes) return decode = true;
        TxeLineStore lines = Sink.Finish();
        std::string overruled;
        const std::optional<TEncoding> encoding = Sink.Encoding(Choice, &overruled);
        decode = !encoding || !Sink.TakenAsRead(*encoding);
        if (decode) return true;
        if (Form) Form->Encoding = *encoding;
        if (Form) Form->OverruledDeclaration = std::move(overruled);
        if (Form) Form->Break = Sink.Break();
        if (Form) Form->KeepBytes = false;
        if (Form) Form->Checksum = Sum;
        Lines = std::move(lines);
        return true;
      });
  if (result != TReadResult::Done || !decode) return result;
  // Another encoding, or bytes to keep: read again whole (the lines read before are gone by now).
  std::string text;
  result = ReadWhole(Path, text, Why, Progress, Form, {}, Choice, keepBytes);
  if (result != TReadResult::Done) return result;
  try {
    TxeLineStore lines;
    // Kept bytes: every LF ends a line, a final one too.
    lines.InsertText(0, std::move(text), !keepBytes);
    Lines = std::move(lines);
  } catch (const std::bad_alloc&) {
    if (Why) *Why = QStringLiteral("There is not enough memory to open it.");
    return TReadResult::Failed;
  }
  return TReadResult::Done;
}

TFileIdentity FileIdentityOf(const QString& Path) {
  struct stat st {};
  if (::stat(QFile::encodeName(Path).constData(), &st) != 0) return {};
  return {true, std::uint64_t(st.st_dev), std::uint64_t(st.st_ino), std::uint64_t(st.st_size),
          std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

bool WriteAll(int Fd, const char* P, std::size_t Left) {
  while (Left > 0) {
    const ssize_t n = ::write(Fd, P, Left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    P += n;
    Left -= std::size_t(n);
  }
  return true;
}

void SyncFolder(const QString& File) {
  const int fd = ::open(QFile::encodeName(QFileInfo(File).absolutePath()).constData(),
                        O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool WriteDocumentFile(const QString& Path, std::size_t LineCount, const TLineSource& Line, QString* Why,
                       const TFileProgress& Progress, const TFileForm& Form, std::uint64_t* Checksum) {
  TSafeFileWriter writer(Path);
  const TTextEncoder encoder(Form.Encoding);
  bool encodable = true;
  TContentChecksum sum;
  sum.Add(encoder.Preamble());
  bool ok = writer.Open() && writer.Write(encoder.Preamble());
  // One chunk is written on a thread of its own while the next is made: the save then costs little more
  // than the writing itself. Declared after the writer and the chunk, it is waited for before they go.
  std::string out;
  std::future<bool> writing;
  const auto written = [&writing] { return !writing.valid() || writing.get(); };
  try {
    std::string buffer, encoded;
    buffer.reserve(std::size_t(ChunkSize) + 4096);
    out.reserve(buffer.capacity());
    // Chunks end at line ends, so no character is split between two of them.
    const auto flush = [&] {
      if (!encoder.Identity()) {
        encoded.clear();
        encodable = encoder.Append(encoded, buffer);
        if (!encodable) return false;
        buffer.swap(encoded);
      }
      sum.Add(buffer);
      if (!written()) return false;
      out.swap(buffer);
      buffer.clear();
      try {
        writing = std::async(std::launch::async, [&writer, &out] { return writer.Write(out); });
      } catch (const std::system_error&) {
        return writer.Write(out);  // no thread to be had: written here
      }
      return true;
    };
    for (std::size_t i = 0; ok && i < LineCount; ++i) {
      if (Form.KeepBytes) {
        AppendKeptBytes(buffer, Line(i));
        if (i + 1 < LineCount) buffer.push_back('\n');
      } else {
        AppendFileLine(buffer, Line(i), Form);
      }
      if (buffer.size() >= std::size_t(ChunkSize)) {
        ok = flush();
        if (Progress) Progress(qint64(i + 1), qint64(LineCount));
      }
    }
    ok = ok && flush();
    ok = written() && ok && writer.Commit();
    if (ok && Checksum) *Checksum = sum.Value();
  } catch (const std::bad_alloc&) {
    if (writing.valid()) writing.wait();
    // The writer, abandoned, leaves the file as it was.
    if (Why) *Why = QStringLiteral("There is not enough memory to save it.");
    return false;
  }
  if (!ok && Why)
    *Why = encodable ? writer.ErrorString()
                     : QStringLiteral("The text holds a character that %1 cannot hold.")
                           .arg(EncodingText(Form.Encoding));
  return ok;
}

bool FindUnencodable(std::size_t LineCount, const TLineSource& Line, const TEncoding& Encoding,
                     TUnencodable* Found) {
  const TTextEncoder encoder(Encoding);
  if (encoder.Identity()) return false;
  for (std::size_t i = 0; i < LineCount; ++i) {
    const std::size_t at = encoder.FirstUnencodable(Line(i));
    if (at == std::string_view::npos) continue;
    *Found = {i, at};
    return true;
  }
  return false;
}

bool CopyFileBytes(int From, int To) {
  std::string buffer(1 << 20, '\0');
  off_t at = 0;
  for (;;) {
    const ssize_t n = ::pread(From, buffer.data(), buffer.size(), at);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    if (!WriteAll(To, buffer.data(), std::size_t(n))) return false;
    at += n;
  }
  return ::fsync(To) == 0;
}

namespace {

// A new hidden file beside File, or else in the user's cache folder, for the copy of the original.
int MakeBackupFile(const QString& File, QString& Name) {
  const QFileInfo info(File);
  QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
  if (cache.isEmpty()) cache = QDir::homePath() + QStringLiteral("/.cache");
  cache += QStringLiteral("/quillan");
  QDir().mkpath(cache);
  for (const QString& folder : {info.absolutePath(), cache}) {
    QByteArray pattern =
        QFile::encodeName(folder + QStringLiteral("/.") + info.fileName() + QStringLiteral(".backup-XXXXXX"));
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd >= 0) {
      Name = QFile::decodeName(pattern);
      return fd;
    }
  }
  return -1;
}

// Why a file that is no regular file is not saved over: writing a named pipe waits for a reader, a
// device takes the bytes somewhere else, and a new file in its place would take its place for good.
QString NotRegularSentence(const QString& Path, mode_t Mode) {
  const QString kind = S_ISDIR(Mode)                    ? QStringLiteral("a folder")
                       : S_ISFIFO(Mode)                 ? QStringLiteral("a named pipe")
                       : S_ISSOCK(Mode)                 ? QStringLiteral("a socket")
                       : S_ISCHR(Mode) || S_ISBLK(Mode) ? QStringLiteral("a device")
                                                        : QString();
  return kind.isEmpty() ? Path + QStringLiteral(" is not a regular file; it was not saved.")
                        : Path + QStringLiteral(" is ") + kind +
                              QStringLiteral(", not a regular file; it was not saved.");
}

bool SameInode(const struct stat& A, const struct stat& B) {
  return A.st_dev == B.st_dev && A.st_ino == B.st_ino;
}

}  // namespace

struct TSafeFileWriter::TImpl {
  QSaveFile Atomic;
  // The status of the file before the save.
  struct stat Old {};
  // Writing in place: the file itself, the copy of its original bytes that is put back on failure, and
  // the record of the save that lets the next start put it back after a kill.
  int Direct = -1;
  int Backup = -1;
  QString BackupName;
  std::unique_ptr<TSaveJournal> Journal;
  bool Committed = false;

  // Puts the original back byte for byte; false leaves the copy and the record where they are.
  bool Restore() {
    if (Backup < 0) return true;
    const bool ok =
        ::ftruncate(Direct, 0) == 0 && ::lseek(Direct, 0, SEEK_SET) == 0 && CopyFileBytes(Backup, Direct);
    if (ok) {
      RestoreMode(Old, Direct);
      Done();
    }
    return ok;
  }
  // The file holds a whole text again: the record goes first, so that no record names a copy that is gone.
  void Done() {
    if (Journal) Journal->Finish();
    DropBackup();
  }
  void DropBackup() {
    if (Backup < 0) return;
    ::close(Backup);
    Backup = -1;
    QFile::remove(BackupName);
  }
  ~TImpl() {
    // Abandoned half-way: the original goes back.
    if (Direct >= 0 && !Committed) Restore();
    if (Direct >= 0) ::close(Direct);
    if (Backup >= 0) ::close(Backup);
  }
};

TSafeFileWriter::TSafeFileWriter(const QString& Path, const QString& StateFolder)
    : FImpl(std::make_unique<TImpl>()),
      FTarget(ResolveLinks(Path)),
      FStateFolder(StateFolder.isEmpty() ? RecoveryFolder() : StateFolder) {}

TSafeFileWriter::~TSafeFileWriter() {
  if (!FInPlace && FImpl->Atomic.isOpen()) FImpl->Atomic.cancelWriting();
}

bool TSafeFileWriter::Fail(const QString& Why) {
  FError = Why;
  FFailed = true;
  if (FInPlace && FImpl->Direct >= 0 && !FImpl->Restore())
    FError +=
        QStringLiteral("\nThe original could not be put back; a copy of it is kept in ") + FImpl->BackupName;
  return false;
}

bool TSafeFileWriter::Refuse(const QString& Why) {
  FError = Why;
  FFailed = true;
  return false;
}

bool TSafeFileWriter::Open() {
  const QByteArray target = QFile::encodeName(FTarget);
  struct stat& old = FImpl->Old;
  const bool exists = ::stat(target.constData(), &old) == 0;
  // Links that lead round in a circle (or on and on) name no file to write.
  if (!exists && errno == ELOOP)
    return Refuse(FTarget + QStringLiteral(" is a loop of symbolic links; it was not saved."));
  if (exists && !S_ISREG(old.st_mode)) return Refuse(NotRegularSentence(FTarget, old.st_mode));
  // A file with other hard links must stay the same inode, or the other names would keep the
  // old text.
  FInPlace = exists && old.st_nlink > 1;
  if (!FInPlace) {
    FImpl->Atomic.setFileName(FTarget);
    if (FImpl->Atomic.open(QIODevice::WriteOnly)) {
      const int fd = FImpl->Atomic.handle();
      if (exists) {
        CopyFileOwnership(old, fd);
        const int original = ::open(target.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (original >= 0) {
          CopyExtendedAttributes(original, fd);
          ::close(original);
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
  return OpenInPlace();
}

bool TSafeFileWriter::OpenInPlace() {
  // Never without a copy of the original to put back, nor before the save is recorded.
  const QByteArray target = QFile::encodeName(FTarget);
  struct stat& old = FImpl->Old;
  const struct stat before = old;
  const int original = ::open(target.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (original < 0) return Refuse(SystemError(errno));
  struct stat copyStatus {};
  const bool same = ::fstat(original, &old) == 0 && S_ISREG(old.st_mode) && SameInode(old, before);
  FImpl->Backup = same ? MakeBackupFile(FTarget, FImpl->BackupName) : -1;
  const bool made = FImpl->Backup >= 0 && ::fstat(FImpl->Backup, &copyStatus) == 0;
  if (!made) {
    const int error = errno;
    ::close(original);
    FImpl->DropBackup();
    return Refuse(same ? QStringLiteral("No copy of the original could be made before rewriting it: ") +
                             SystemError(error)
                       : FTarget + QStringLiteral(" was replaced while it was saved; it was not saved."));
  }
  TSaveRecord record;
  record.Target = FTarget;
  record.Backup = FImpl->BackupName;
  record.Device = std::uint64_t(old.st_dev);
  record.Inode = std::uint64_t(old.st_ino);
  record.Size = std::uint64_t(old.st_size);
  record.ModifiedNs = std::int64_t(old.st_mtim.tv_sec) * 1000000000 + old.st_mtim.tv_nsec;
  record.Mode = std::uint32_t(old.st_mode & 07777);
  record.BackupDevice = std::uint64_t(copyStatus.st_dev);
  record.BackupInode = std::uint64_t(copyStatus.st_ino);
  FImpl->Journal = std::make_unique<TSaveJournal>(FStateFolder);
  QString why;
  if (!FImpl->Journal->Begin(record, &why)) {
    ::close(original);
    FImpl->DropBackup();
    return Refuse(
        QStringLiteral("The file has to be rewritten in place, and that is never done before the save is "
                       "recorded, so that a copy of the original can be put back after a crash. It could not "
                       "be recorded: ") +
        why);
  }
  const bool copied = CopyFileBytes(original, FImpl->Backup);
  const int error = errno;
  ::close(original);
  if (!copied) {
    FImpl->Done();
    return Refuse(QStringLiteral("No copy of the original could be made before rewriting it: ") +
                  SystemError(error));
  }
  // The copy's name must survive a power cut as well as its bytes.
  SyncFolder(FImpl->BackupName);
  FImpl->Direct = ::open(target.constData(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  struct stat now {};
  if (FImpl->Direct < 0 || ::fstat(FImpl->Direct, &now) != 0 || !SameInode(now, old)) {
    const QString reason = FImpl->Direct < 0 ? SystemError(errno)
                                             : FTarget + QStringLiteral(" was replaced while it was saved.");
    if (FImpl->Direct >= 0) ::close(FImpl->Direct);
    FImpl->Direct = -1;
    FImpl->Done();
    return Refuse(reason);
  }
  if (::ftruncate(FImpl->Direct, 0) != 0) return Fail(SystemError(errno));
  return true;
}

bool TSafeFileWriter::Write(std::string_view Bytes) {
  if (FFailed) return false;
  if (FInPlace) return WriteAll(FImpl->Direct, Bytes.data(), Bytes.size()) || Fail(SystemError(errno));
  const char* p = Bytes.data();
  qint64 left = qint64(Bytes.size());
  while (left > 0) {
    const qint64 n = FImpl->Atomic.write(p, left);
    if (n <= 0) return Fail(FImpl->Atomic.errorString());
    p += n;
    left -= n;
  }
  return true;
}

bool TSafeFileWriter::Commit() {
  if (FFailed) return false;
  if (FInPlace) {
    struct stat written {};
    if (::fstat(FImpl->Direct, &written) == 0)
      FImpl->Journal->Written(std::uint64_t(written.st_size),
                              std::int64_t(written.st_mtim.tv_sec) * 1000000000 + written.st_mtim.tv_nsec);
    if (::fsync(FImpl->Direct) != 0) return Fail(SystemError(errno));
    RestoreMode(FImpl->Old, FImpl->Direct);
    FImpl->Committed = true;
    FImpl->Done();
    return true;
  }
  if (!FImpl->Atomic.flush()) return Fail(FImpl->Atomic.errorString());
  if (::fsync(FImpl->Atomic.handle()) != 0) return Fail(SystemError(errno));
  if (!FImpl->Atomic.commit()) return Fail(FImpl->Atomic.errorString());
  SyncFolder(FTarget);
  return true;
}
