// Recovery copies of unsaved documents, kept under the user's state folder so that the text survives a
// crash, a kill or a logout. Each running document writes its copy under an id of its own and holds a lock
// on it; a copy whose lock nobody holds belongs to a program that is gone and is offered at the next start.
//
// A copy is a short header (the document's absolute name, whether it was on disk and what its file held
// then, its line break, the caret, the encoding its file is saved in) and then every line of the editor
// followed by LF, exactly as the editor holds it. It is written to "<id>.part" and renamed to
// "<id>.recovery" once complete, so a copy is always whole.
//
// The folder is private: a real folder (no symbolic link) of the user's, open to nobody else. Every file in
// it is opened relative to the folder, without following symbolic links, and created only where nothing
// was, so that a link planted in the folder never makes a copy land in another file.
#pragma once

#include <QDateTime>
#include <QString>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "DocumentText.h"
#include "FileContent.h"
#include "RegularFile.h"
#include "StateFolder.h"

struct TRecoveryHeader {
  QString FileName;     // the document's absolute name (a never-saved document's proposed name)
  bool OnDisk = false;  // loaded from or saved to FileName
  TLineBreak Break = lbLF;
  int CaretX = 1, CaretY = 1;
  TEncoding Encoding;  // the file's, so that the recovered text is saved back in it
  TContentStamp Disk;  // what the file held when the document last read or wrote it (not known: none)
};

// The copies live in the state folder.
inline QString RecoveryFolder() { return StateFolder(); }

// The state folder opened for the copies (OpenStateFolder), Why saying that no copy can be kept there.
TReadOnlyFile OpenRecoveryFolder(const QString& Folder, bool Create, QString* Why);

// A copy left by a program that is gone, locked for the finder while it holds it.
struct TFoundCopy {
  QString Id;
  QString Path;
  TRecoveryHeader Header;
  QDateTime Written;
  TReadOnlyFile Lock;
  std::shared_ptr<const TReadOnlyFile> Folder;  // the folder it lies in; none: reached by Path
};

// The copies of Folder that no running program holds, newest first. Left-over pieces (unfinished copies,
// locks without a copy) are removed on the way.
std::vector<TFoundCopy> FindOrphanedCopies(const QString& Folder = RecoveryFolder());

// How the copy's text stands to the file it names.
enum class TCopyTarget {
  OwnFile,      // its file holds what the text was made from, or is gone: saving puts the text back
  NeverOnDisk,  // a document that was never saved
  FileChanged,  // another program changed the file since: saving over it would lose that
  Unknown,      // the copy does not say which folder its file is in (an old copy with a relative name)
};
TCopyTarget TargetOf(const TFoundCopy& Copy, TContentStamp* FileNow = nullptr);

// The text of a copy, ready for the editor's line list; false with Why when it cannot be read (or does not
// fit in memory).
bool ReadRecoveryText(const TFoundCopy& Copy, std::string& Text, QString* Why);

// Removes the copy and its lock.
void DeleteFoundCopy(TFoundCopy& Copy);

// The copy of one running document.
class TRecoveryCopy {
 public:
  explicit TRecoveryCopy(QString Folder = RecoveryFolder());
  // Keeps a finished copy (Remove drops it); an unfinished one goes.
  ~TRecoveryCopy();
  TRecoveryCopy(const TRecoveryCopy&) = delete;
  TRecoveryCopy& operator=(const TRecoveryCopy&) = delete;

  // Starts (or starts over) writing a copy; false when the folder cannot take it (ErrorString tells why).
  // A relative name is taken as relative to the current folder.
  bool Start(const TRecoveryHeader& Header);
  void Add(std::string_view Line);
  // Writes the rest, flushes it to disk and puts it in place of the previous copy; false (ErrorString
  // tells why) leaves the previous copy. Touches nothing but this object, so it may run on another thread.
  bool Finish();
  // Drops the copy, any unfinished one and the lock.
  void Remove();
  // Takes over a found copy: its id, its lock and the copy itself, until the next Finish or Remove.
  void Adopt(TFoundCopy&& Copy);

  QString Path() const;
  std::size_t BytesAdded() const { return FAdded; }
  // Why the last Start or Finish failed, for the user: the reason first, the folder last.
  QString ErrorString() const { return FError; }

 private:
  bool TakeLock();
  void DropPart();
  bool Flush();
  bool Fail(int Error);

  QString FFolder;
  QString FId;
  TReadOnlyFile FDir;
  TReadOnlyFile FLock;
  QString FError;
  int FWriteError = 0;
  int FPart = -1;
  bool FFailed = false;
  std::string FBuffer;
  std::size_t FAdded = 0;
};
