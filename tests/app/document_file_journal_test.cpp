// Saves that rewrite a file in place and are killed half-way: the record they leave, what the next start
// finds, and the file put back byte for byte.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <string>
#include <vector>

#include "DocumentFile.h"
#include "DocumentFileJournal.h"
#include "DocumentFileJournalOffer.h"
#include "main_fakes.h"

namespace {

QByteArray Local(const QString& Path) { return QFile::encodeName(Path); }

struct SaveJournal : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    Original.reserve(40u << 20);
    for (int i = 0; Original.size() < (40u << 20); ++i)
      Original += "<p>original line " + std::to_string(i) + "</p>\r\n";
    WriteBytes(File, Original);
    ASSERT_EQ(::link(Local(File).constData(), Local(Other).constData()), 0);
  }
  QString Path(const QString& Name) const { return Dir.filePath(Name); }
  QStringList Entries(const QString& Folder) const {
    return QDir(Folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  }
  QString State() const { return Path("state/quillan"); }

  // Saves a new text of as many bytes over the hard-linked file in a child process, which is killed with
  // SIGKILL once the first part of it has been written; false when it ended before.
  bool KillSaveHalfWay() {
    int ready[2];
    if (::pipe(ready) != 0) return false;
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::close(ready[0]);
      qputenv("XDG_STATE_HOME", Local(Path("state")));
      const std::string line(78, 'n');
      WriteDocumentFile(
          File, Original.size() / 80, [&](std::size_t) { return std::string_view(line); }, nullptr,
          [&](qint64, qint64) {
            if (::write(ready[1], "!", 1) != 1) ::_exit(3);
            for (;;) ::pause();  // half-way, until the kill
          });
      ::_exit(2);
    }
    ::close(ready[1]);
    char got = 0;
    const bool halfWay = ::read(ready[0], &got, 1) == 1;
    ::close(ready[0]);
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return halfWay && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  }

  QTemporaryDir Dir;
  QString File = Path("page.html"), Other = Path("other-name.html");
  std::string Original;
};

TEST_F(SaveJournal, KilledInPlaceSaveIsFoundAndPutBackByteForByte) {
  ASSERT_TRUE(KillSaveHalfWay());
  const std::string cut = FileBytes(File);
  EXPECT_LT(cut.size(), Original.size()) << "the kill came half-way through the new text";
  ASSERT_EQ(Entries(State()).size(), 1u) << "the save was recorded";

  std::vector<TUnfinishedSave> found = FindUnfinishedSaves(State());
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].Record.Target, QFileInfo(File).absoluteFilePath());
  EXPECT_FALSE(found[0].Replaced);
  EXPECT_TRUE(FileBytes(found[0].Record.Backup) == Original) << "the copy is whole";
  EXPECT_TRUE(FindUnfinishedSaves(State()).empty()) << "a record being dealt with is locked";

  QString why;
  ASSERT_TRUE(RestoreUnfinishedSave(found[0], &why)) << why.toStdString();
  EXPECT_TRUE(FileBytes(File) == Original);
  EXPECT_TRUE(FileBytes(Other) == Original) << "the file stays the same file under both names";
  EXPECT_EQ(Entries(Dir.path()), (QStringList{"other-name.html", "page.html"})) << "the copy is gone";
  EXPECT_TRUE(Entries(State()).isEmpty()) << "and so is the record";
  EXPECT_TRUE(FindUnfinishedSaves(State()).empty());
}

// At start the user is asked, with the file's name: Yes puts it back, No keeps the copy and says where,
// no answer asks again at the next start.
TEST_F(SaveJournal, StartOffersToPutTheFileBack) {
  TScriptedBoxes boxes;
  for (const TModalResult answer : {mrCancel, mrNo, mrYes}) {
    if (answer != mrNo) {
      ASSERT_TRUE(KillSaveHalfWay());
    }
    boxes.Shown.clear();
    boxes.Answers = {answer};
    OfferUnfinishedSaves(nullptr, State());
    ASSERT_FALSE(boxes.Shown.empty());
    EXPECT_EQ(boxes.Shown[0].Text, "A save of " + QFileInfo(File).absoluteFilePath() +
                                       " did not finish, and the file may be cut short.\n\nPut the file back "
                                       "as it was before that save?");
    EXPECT_EQ(boxes.Shown[0].Buttons, mbYes | mbNo);
    const QStringList copies = Entries(Dir.path()).filter(".backup-");
    switch (answer) {
      case mrCancel:
        EXPECT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(Entries(State()).size(), 1u) << "asked again next time";
        EXPECT_EQ(copies.size(), 1u);
        break;
      case mrNo:
        ASSERT_EQ(boxes.Shown.size(), 2u);
        ASSERT_EQ(copies.size(), 1u);
        EXPECT_EQ(boxes.Shown[1].Text, "The copy of " + QFileInfo(File).absoluteFilePath() +
                                           " as it was before that save is kept in " + Path(copies[0]) + ".");
        EXPECT_TRUE(Entries(State()).isEmpty());
        EXPECT_TRUE(FileBytes(Path(copies[0])) == Original);
        QFile::remove(Path(copies[0]));
        WriteBytes(File, Original);
        break;
      default:
        EXPECT_EQ(boxes.Shown.size(), 1u);
        EXPECT_TRUE(copies.isEmpty());
        EXPECT_TRUE(Entries(State()).isEmpty());
        EXPECT_TRUE(FileBytes(File) == Original);
        EXPECT_TRUE(FileBytes(Other) == Original);
    }
  }
}

// Records of saves in progress are left alone; records that have nothing to put back go without a
// question; a file replaced since is never written over.
TEST_F(SaveJournal, RecordsAreOfferedOnlyWhenThereIsSomethingToPutBack) {
  struct stat st {};
  ASSERT_EQ(::stat(Local(File).constData(), &st), 0);
  const auto recordOf = [&](const QString& Backup) {
    WriteBytes(Backup, Original);
    struct stat b {};
    ::stat(Local(Backup).constData(), &b);
    TSaveRecord r;
    r.Target = File;
    r.Backup = Backup;
    r.Device = st.st_dev;
    r.Inode = st.st_ino;
    r.Size = std::uint64_t(st.st_size);
    r.ModifiedNs = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    r.Mode = st.st_mode & 07777;
    r.BackupDevice = b.st_dev;
    r.BackupInode = b.st_ino;
    return r;
  };
  {
    // The file was never touched: record and copy go.
    TSaveJournal journal(State());
    ASSERT_TRUE(journal.Begin(recordOf(Path(".untouched")), nullptr));
    EXPECT_TRUE(FindUnfinishedSaves(State()).empty()) << "a save in progress";
    EXPECT_EQ(Entries(State()).size(), 1u);
  }
  EXPECT_TRUE(FindUnfinishedSaves(State()).empty());
  EXPECT_TRUE(Entries(State()).isEmpty());
  EXPECT_FALSE(QFileInfo::exists(Path(".untouched")));

  {
    // Killed while the whole new text was being flushed: the file holds it, the copy goes.
    TSaveJournal journal(State());
    ASSERT_TRUE(journal.Begin(recordOf(Path(".flushed")), nullptr));
    WriteBytes(File, "the new text\n");
    struct stat now {};
    ASSERT_EQ(::stat(Local(File).constData(), &now), 0);
    journal.Written(std::uint64_t(now.st_size),
                    std::int64_t(now.st_mtim.tv_sec) * 1000000000 + now.st_mtim.tv_nsec);
  }
  EXPECT_TRUE(FindUnfinishedSaves(State()).empty());
  EXPECT_TRUE(Entries(State()).isEmpty());
  EXPECT_FALSE(QFileInfo::exists(Path(".flushed")));
  EXPECT_EQ(FileBytes(Other), "the new text\n");

  // Cut short, then replaced by another file of the same name: the copy stays, the file is not written.
  { TSaveJournal(State()).Begin(recordOf(Path(".replaced")), nullptr); }
  WriteBytes(Path("new"), "written since\n");
  ASSERT_EQ(::rename(Local(Path("new")).constData(), Local(File).constData()), 0);
  std::vector<TUnfinishedSave> found = FindUnfinishedSaves(State());
  ASSERT_EQ(found.size(), 1u);
  EXPECT_TRUE(found[0].Replaced);
  QString why;
  EXPECT_FALSE(RestoreUnfinishedSave(found[0], &why));
  EXPECT_TRUE(why.endsWith("has been replaced since.")) << why.toStdString();
  EXPECT_EQ(FileBytes(File), "written since\n");
  TScriptedBoxes boxes;
  found.clear();
  OfferUnfinishedSaves(nullptr, State());
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_TRUE(
      boxes.Shown[0].Text.endsWith("has been replaced since. The copy of it as it was before that save is "
                                   "kept in " +
                                   Path(".replaced") + "."))
      << boxes.Shown[0].Text.toStdString();
  EXPECT_TRUE(FileBytes(Path(".replaced")) == Original);
  EXPECT_TRUE(Entries(State()).isEmpty());

  // What is no record, and records whose copy is gone, go without a question.
  WriteBytes(State() + "/stray.saving", "not a record");
  { TSaveJournal(State()).Begin(recordOf(Path(".gone")), nullptr); }
  QFile::remove(Path(".gone"));
  EXPECT_TRUE(FindUnfinishedSaves(State()).empty());
  EXPECT_TRUE(Entries(State()).isEmpty());
}

// The record is never written through a symbolic link planted for the state folder or a record; without a
// record there is no in-place save.
TEST_F(SaveJournal, NoRecordNoInPlaceSave) {
  QDir().mkpath(Path("elsewhere"));
  QDir().mkpath(Path("state"));
  ASSERT_TRUE(QFile::link(Path("elsewhere"), State()));
  QString why;
  const auto save = [&] {
    return WriteDocumentFile(
        File, 1, [](std::size_t) { return std::string_view("new"); }, &why);
  };
  const QByteArray state = qgetenv("XDG_STATE_HOME");
  qputenv("XDG_STATE_HOME", Local(Path("state")));
  EXPECT_FALSE(save());
  EXPECT_TRUE(why.contains("It could not be recorded: " + State())) << why.toStdString();
  EXPECT_TRUE(FileBytes(File) == Original) << "untouched";
  EXPECT_TRUE(Entries(Path("elsewhere")).isEmpty());
  EXPECT_EQ(Entries(Dir.path()), (QStringList{"other-name.html", "page.html"})) << "no copy stays behind";
  QFile::remove(State());
  EXPECT_TRUE(save()) << why.toStdString();
  EXPECT_EQ(FileBytes(Other), "new\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(Local(State()).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u) << "the state folder is the user's alone";
  qputenv("XDG_STATE_HOME", state);
}

}  // namespace
