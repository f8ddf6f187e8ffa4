// Reading and writing document files. Writing never destroys the file on disk: the text goes to a
// temporary file in the same folder, is flushed to disk and then renamed over the original, which
// keeps its mode (and, for root, its owner), and the folder is flushed; a symbolic link keeps pointing
// at its target. A file with other hard links, or in a folder where no temporary file can be made, is
// rewritten in place after a copy of it has been made (beside it, or in the user's cache folder) and the
// save has been recorded (DocumentFileJournal.h); any failure puts the original back byte for byte. The
// new file gets the old one's group, set-ID bits, access control list and user attributes where it may
// (DocumentFileAttributes.h).
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "DocumentText.h"
#include "EncodingDetect.h"

// Called now and then during long reads and writes with the bytes done so far and the total
// (the total of a write is its line count instead).
using TFileProgress = std::function<void(qint64 Done, qint64 Total)>;

// The same for reads, which stop when it gives false.
using TReadProgress = std::function<bool(qint64 Done, qint64 Total)>;

// Declined: the user did not want it opened, or stopped the read.
enum class TReadResult { Done, Failed, Declined };

class TxeLineStore;

// Reads Path whole into Text for the editor's line list to split, in UTF-8, every tab as four blanks
// unless Form->ExchangeTabs is off; Form->Break and Form->Encoding receive the file's line break and
// encoding (decided by Choice). Only a regular file is read, and only when the memory it needs can be
// had. When its first bytes do not look like text, OpenAnyway is asked (none: it is read) and false
// leaves it unread (Declined); true keeps its bytes (Form->KeepBytes, DocumentKeptBytes.h): the text is
// then the file's bytes, taken as UTF-8 unless Choice forces an encoding, and every LF ends a line. On
// failure Why tells the reason; Text is untouched unless the result is Done. A file written to while it is
// read is read again, so that the text is the file's as it was before or after; one that keeps changing gives
// an error, unless it only grows (a log), which is taken as it was when its end was reached. Files that the
// kernel makes up as they are read (under /proc and /sys) are read once to their end, as cat does.
TReadResult ReadDocumentFile(const QString& Path, std::string& Text, QString* Why,
                             const TFileProgress& Progress = {}, TFileForm* Form = nullptr,
                             const std::function<bool()>& OpenAnyway = {},
                             const TEncodingChoice& Choice = {});

// The same straight into the lines of the editor's line list, without a copy of the whole text (a file
// in another encoding than UTF-8 is read again and decoded whole); Progress may stop the read (Declined).
TReadResult ReadDocumentLines(const QString& Path, TxeLineStore& Lines, QString* Why,
                              const TReadProgress& Progress = {}, TFileForm* Form = nullptr,
                              const std::function<bool()>& OpenAnyway = {},
                              const TEncodingChoice& Choice = {});

// Memory a document of FileBytes bytes takes once loaded (its text, tabs and line records), as estimated
// before reading it.
std::uint64_t DocumentMemoryFor(std::uint64_t FileBytes);

// Gives line Index (0-based) of the text being saved.
using TLineSource = std::function<std::string_view(std::size_t Index)>;

// Writes LineCount lines in file form (AppendFileLine; kept bytes joined by LF) and in Form.Encoding to
// Path, safely. On failure
// (also a character the encoding cannot hold) returns false, sets Why, and the file on disk is as it was.
// Checksum (when given) receives the checksum of the bytes written (TContentChecksum).
bool WriteDocumentFile(const QString& Path, std::size_t LineCount, const TLineSource& Line, QString* Why,
                       const TFileProgress& Progress = {}, const TFileForm& Form = {},
                       std::uint64_t* Checksum = nullptr);

// Where the lines hold the first character that Encoding cannot hold.
struct TUnencodable {
  std::size_t Line = 0;    // 0-based
  std::size_t Offset = 0;  // byte of the line where the character starts
};
bool FindUnencodable(std::size_t LineCount, const TLineSource& Line, const TEncoding& Encoding,
                     TUnencodable* Found);

// What identifies a file's contents on disk without reading them: the file itself (device and inode), its
// size and its modification time. Two equal identities mean nobody wrote the file in between.
struct TFileIdentity {
  bool Exists = false;
  std::uint64_t Device = 0, Inode = 0, Size = 0;
  std::int64_t ModifiedNs = 0;
  bool operator==(const TFileIdentity&) const = default;
};
TFileIdentity FileIdentityOf(const QString& Path);

// Writes all Left bytes from P to Fd (a full disk gives ENOSPC in errno).
bool WriteAll(int Fd, const char* P, std::size_t Left);
// Flushes the folder of File, so that a name just put into it survives a power cut.
void SyncFolder(const QString& File);
// Copies the whole of From (from its start) to To at its current position and flushes To to disk.
bool CopyFileBytes(int From, int To);

// The safe writer under WriteDocumentFile, for any bytes. An in-place rewrite is recorded in StateFolder
// (none: the user's state folder) until it is complete (DocumentFileJournal.h). Only a regular file, or
// a name that is none yet, is written: a named pipe, a device or a loop of symbolic links is refused.
class TSafeFileWriter {
 public:
  explicit TSafeFileWriter(const QString& Path, const QString& StateFolder = {});
  ~TSafeFileWriter();

  bool Open();
  bool Write(std::string_view Bytes);
  bool Commit();  // flushes to disk and puts the file in place
  QString ErrorString() const { return FError; }
  bool InPlace() const { return FInPlace; }

 private:
  // Fails, putting the original back if it was being rewritten.
  bool Fail(const QString& Why);
  // Fails before anything was written.
  bool Refuse(const QString& Why);
  bool OpenInPlace();

  struct TImpl;
  std::unique_ptr<TImpl> FImpl;
  QString FTarget;
  QString FStateFolder;
  QString FError;
  bool FInPlace = false;
  bool FFailed = false;
};
