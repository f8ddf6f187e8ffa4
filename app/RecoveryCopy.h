// Recovery copies of unsaved documents, kept under the user's state folder so that the text survives a
// crash, a kill or a logout. Each running document writes its copy under an id of its own and holds a lock
// on it; a copy whose lock nobody holds belongs to a program that is gone and is offered at the next start.
//
// A copy is a short header (the document's name, whether it was on disk, its line break, the caret, the
// encoding its file is saved in) and
// then every line of the editor followed by LF, exactly as the editor holds it. It is written to
// "<id>.part" and renamed to "<id>.recovery" once complete, so a copy is always whole.
#pragma once

#include <QDateTime>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "DocumentText.h"
#include "RegularFile.h"

struct TRecoveryHeader {
  QString FileName;     // the document's name (a never-saved document's proposed name)
  bool OnDisk = false;  // loaded from or saved to FileName
  TLineBreak Break = lbLF;
  int CaretX = 1, CaretY = 1;
  TEncoding Encoding;  // the file's, so that the recovered text is saved back in it
};

// $XDG_STATE_HOME/quillan, else ~/.local/state/quillan.
QString RecoveryFolder();

// A copy left by a program that is gone, locked for the finder while it holds it.
struct TFoundCopy {
  QString Id;
  QString Path;
  TRecoveryHeader Header;
  QDateTime Written;
  TReadOnlyFile Lock;
};

// The copies of Folder that no running program holds, newest first. Left-over pieces (unfinished copies,
// locks without a copy) are removed on the way.
std::vector<TFoundCopy> FindOrphanedCopies(const QString& Folder = RecoveryFolder());

// Whether the copy holds text newer than its file: always for a document that never was on disk or whose
// file is gone.
bool NewerThanItsFile(const TFoundCopy& Copy);

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

  // Starts (or starts over) writing a copy; false when the folder cannot take it.
  bool Start(const TRecoveryHeader& Header);
  void Add(std::string_view Line);
  // Writes the rest, flushes it to disk and puts it in place of the previous copy. Touches nothing but
  // this object, so it may run on another thread.
  bool Finish();
  // Drops the copy, any unfinished one and the lock.
  void Remove();
  // Takes over a found copy: its id, its lock and the copy itself, until the next Finish or Remove.
  void Adopt(TFoundCopy&& Copy);

  QString Path() const;
  std::size_t BytesAdded() const { return FAdded; }

 private:
  bool TakeLock();
  void DropPart();
  bool Flush();

  QString FFolder;
  QString FId;
  TReadOnlyFile FLock;
  int FPart = -1;
  bool FFailed = false;
  std::string FBuffer;
  std::size_t FAdded = 0;
};
