// The record of a save that rewrites a file in place (a file with other hard links, or in a folder where
// no new file can be made). Before the first byte of the file is touched, a small record naming the file,
// the copy of its original and what identifies both is written to the user's state folder and flushed to
// disk; it goes once the new text is complete and flushed, or the original is back. A record still there
// whose program is gone (a kill, a crash, a power cut) is a save that did not finish: the next start
// offers to put the original back.
//
// Records are "<id>.saving" files, made under another name and renamed into place once complete, created
// without following symbolic links in a folder that belongs to the user alone; the saving program holds a
// lock on its record, so that another program's start leaves a save in progress alone.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "RegularFile.h"

// What a record says.
struct TSaveRecord {
  QString Target;  // the file rewritten in place (symbolic links resolved)
  QString Backup;  // the copy of its original
  // The file before the save: device, inode, size, modification time and mode.
  std::uint64_t Device = 0, Inode = 0, Size = 0;
  std::int64_t ModifiedNs = 0;
  std::uint32_t Mode = 0;
  // The copy: device and inode (it holds Size bytes once complete).
  std::uint64_t BackupDevice = 0, BackupInode = 0;
  // Once the whole new text is written, before it is flushed: the file's size and modification time then.
  bool Written = false;
  std::uint64_t WrittenSize = 0;
  std::int64_t WrittenNs = 0;
};

// The record of one save in progress.
class TSaveJournal {
 public:
  explicit TSaveJournal(QString Folder);
  // A record not finished stays for the next start.
  ~TSaveJournal();
  TSaveJournal(const TSaveJournal&) = delete;
  TSaveJournal& operator=(const TSaveJournal&) = delete;

  // Writes the record and flushes it and its folder to disk; false with Why when it cannot be.
  bool Begin(const TSaveRecord& Record, QString* Why);
  // The whole new text has been handed to the system (Size bytes, modified at ModifiedNs): a kill while it
  // is flushed to disk no longer cuts the file short.
  void Written(std::uint64_t Size, std::int64_t ModifiedNs);
  // The save is complete, or the original is back: the record goes.
  void Finish();

 private:
  QString FFolder;
  QString FPath;
  int FFd = -1;
};

// A save that did not finish, its record locked while it is dealt with.
struct TUnfinishedSave {
  QString RecordPath;
  TSaveRecord Record;
  // The file is no longer the one that was being saved (removed or replaced since): it is not written.
  bool Replaced = false;
  TReadOnlyFile Lock;
};

// The records of Folder whose program is gone and whose file may be cut short. Records of saves that
// never touched their file or that wrote the whole new text, or whose copy is gone or incomplete, are
// removed on the way (with the copy where it is the one recorded).
std::vector<TUnfinishedSave> FindUnfinishedSaves(const QString& Folder);

// Puts the copy back over the file byte for byte (the file stays the same file, its other names too),
// then removes the copy and the record; false with Why, the copy and the record kept.
bool RestoreUnfinishedSave(TUnfinishedSave& Save, QString* Why);

// Removes the record; the copy stays where it is.
void ForgetUnfinishedSave(TUnfinishedSave& Save);
