// Reading and safe writing of document files on a real file system, failures produced for real.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <vector>

#include "DocumentFile.h"
#include "FileBytes.h"
#include "QtPrinters.h"
#include "xeEditList.h"
#include "xeLineStore.h"

namespace {

constexpr uid_t Nobody = 65534;

// Runs Body in a child process without root's rights (as nobody when we are root), optionally with
// a limit on the size of files it may write, and returns its exit code.
int RunUnprivileged(const std::function<int()>& Body, rlim_t FileSizeLimit = RLIM_INFINITY) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
      ::_exit(90);
    if (FileSizeLimit != RLIM_INFINITY) {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{FileSizeLimit, FileSizeLimit};
      if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(91);
    }
    ::_exit(Body());
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 92;
}

std::vector<std::string> LinesOf(std::initializer_list<const char*> Lines) {
  return {Lines.begin(), Lines.end()};
}

bool Write(const QString& Path, const std::vector<std::string>& Lines, QString* Why = nullptr) {
  return WriteDocumentFile(
      Path, Lines.size(), [&Lines](std::size_t i) { return std::string_view(Lines[i]); }, Why);
}

struct DocumentFile : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    // Others must reach the folder for the tests that drop root's rights.
    ::chmod(QFile::encodeName(Dir.path()).constData(), 0755);
    // Records of in-place saves go to a state folder of the test's own.
    FOldState = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", QFile::encodeName(Path("state")));
  }
  void TearDown() override { qputenv("XDG_STATE_HOME", FOldState); }
  QString StateFolder() const { return Path("state/quillan"); }
  QByteArray FOldState;
  QString Path(const QString& Name) const { return Dir.filePath(Name); }
  QStringList Entries(const QString& Folder) const {
    return QDir(Folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  }
  QTemporaryDir Dir;
};

TEST_F(DocumentFile, OnlyRegularFilesThatFitInMemoryAreRead) {
  QDir(Dir.path()).mkdir("folder");
  ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe")).constData(), 0600), 0);
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, QFile::encodeName(Path("sock")).constData(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  // Far more than any machine has, yet no disk space: the file is sparse.
  QFile huge(Path("huge.txt"));
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
  ASSERT_TRUE(huge.resize(qint64(1) << 42));
  huge.close();

  const std::pair<QString, const char*> cases[] = {
      {Path("missing.html"), "No such file"}, {Path("folder"), "is a folder"},
      {Path("pipe"), "is a named pipe"},      {Path("sock"), "is a socket"},
      {"/dev/zero", "is a device"},           {"/dev/urandom", "is a device"},
      {Path("huge.txt"), "is too large"},
  };
  for (const auto& [file, reason] : cases) {
    QString why;
    std::string text = "kept";
    EXPECT_EQ(ReadDocumentFile(file, text, &why), TReadResult::Failed) << file.toStdString();
    EXPECT_TRUE(why.contains(reason)) << why.toStdString();
    EXPECT_EQ(text, "kept");
  }
  ::close(sock);

  WriteBytes(Path("tabs.txt"), "a\tb\r\n\t");
  std::string text;
  EXPECT_EQ(ReadDocumentFile(Path("tabs.txt"), text, nullptr), TReadResult::Done);
  EXPECT_EQ(text, "a    b\r\n    ");
}

// Bytes opened anyway are kept: tabs stay, CRs are held as no line break (DocumentKeptBytes.h).
TEST_F(DocumentFile, FilesThatDoNotLookLikeTextAreReadOnlyWhenTheUserAgrees) {
  const std::string binary(
      "\x7F"
      "ELF\x02\x01\x00\x00\t\r\n\rx",
      13);
  WriteBytes(Path("prog"), binary);
  for (const bool agree : {false, true}) {
    int asked = 0;
    std::string text = "kept";
    TFileForm form;
    const TReadResult result = ReadDocumentFile(Path("prog"), text, nullptr, {}, &form, [&] {
      ++asked;
      return agree;
    });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(result, agree ? TReadResult::Done : TReadResult::Declined);
    EXPECT_EQ(text, agree ? std::string("\x7F"
                                        "ELF\x02\x01\x00\x00\t\xED\xB0\x8D\n\xED\xB0\x8Dx",
                                        17)
                          : "kept");
    EXPECT_EQ(form.KeepBytes, agree);
  }
}

std::vector<std::string> LinesOf(const TxeLineStore& Store) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < Store.Count(); ++i) out.emplace_back(Store.Get(i));
  return out;
}

// Lines read straight into the store are the lines of the text read whole, with the same line break,
// for any form of file; pieces of several megabytes included.
TEST_F(DocumentFile, LinesReadStraightAreTheLinesOfTheWholeText) {
  std::string big;
  while (big.size() < (9u << 20)) big += "<td>\tcell " + std::to_string(big.size()) + "</td>\r\n";
  // Text in other encodings (8-bit, UTF-16, UTF-8 with a mark) is read again and decoded whole.
  const std::string cases[] = {"",
                               "a",
                               "a\r\nb\r\n",
                               "a\rb\r",
                               "\n\n",
                               "x\ty\n\tz",
                               "\r\n\r\nend",
                               big,
                               big + "tail",
                               big + "caf\xE9\n",
                               "caf\xE9\n" + big,  // known early not to be UTF-8
                               "<meta charset=\"windows-1251\">\n" + big,
                               std::string("\xFF\xFE"
                                           "a\0\t\0\n\0b\0",
                                           10),
                               "\xEF\xBB\xBFx\r\ny"};
  for (const std::string& bytes : cases) {
    WriteBytes(Path("case.html"), bytes);
    for (const bool widen : {true, false}) {
      TFileForm whole, straight;
      whole.ExchangeTabs = straight.ExchangeTabs = widen;
      std::string text;
      ASSERT_EQ(ReadDocumentFile(Path("case.html"), text, nullptr, {}, &whole), TReadResult::Done);
      TxeLineStore lines;
      ASSERT_EQ(ReadDocumentLines(Path("case.html"), lines, nullptr, {}, &straight), TReadResult::Done);
      TxeEditList list;
      list.SetText(text);
      std::vector<std::string> expected;
      for (int i = 0; i < list.Count(); ++i) expected.emplace_back(list.Get(i));
      if (text.empty()) expected.clear();
      EXPECT_EQ(LinesOf(lines), expected) << bytes.substr(0, 20);
      EXPECT_EQ(straight.Break, whole.Break) << bytes.substr(0, 20);
      EXPECT_EQ(straight.Encoding, whole.Encoding) << bytes.substr(0, 20);
    }
  }
}

// A file written to while it is read gives its old or its new text, never a mix; one that keeps being
// rewritten gives an error, one that only grows its text when its end was reached; a stopped read leaves
// the lines as they were.
TEST_F(DocumentFile, FileChangedWhileReadGivesOneWholeText) {
  const QString file = Path("moving.html");
  std::string old;
  while (old.size() < (10u << 20)) old += "old line " + std::to_string(old.size()) + "\n";
  const std::string shorter = "new\ntext\n";
  const auto linesOf = [](const std::string& Text) {
    TxeEditList list;
    list.SetText(Text);
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i) out.emplace_back(list.Get(i));
    return out;
  };
  struct TCase {
    const char* Name;
    std::function<void(int Call)> Meddle;
    TReadResult Result;
    std::vector<std::string> Lines;
  };
  const TCase cases[] = {
      {"shrunk",
       [&](int Call) {
         if (Call == 1) WriteBytes(file, shorter);
       },
       TReadResult::Done, linesOf(shorter)},
      {"replaced",
       [&](int Call) {
         if (Call != 1) return;
         WriteBytes(Path("other"), shorter);
         ::rename(QFile::encodeName(Path("other")).constData(), QFile::encodeName(file).constData());
       },
       TReadResult::Done, linesOf(old)},
      {"rewritten again and again",
       [&](int) {
         // The same size, other bytes: nothing but the time tells it changed.
         std::string again = old;
         again[0] = again[0] == 'o' ? 'O' : 'o';
         WriteBytes(file, again);
         ::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), nullptr, 0);
       },
       TReadResult::Failed,
       {"kept"}},
      // A log being written: it gives what there was when its end was reached (empty: the file's last text).
      {"growing",
       [&](int Call) {
         if (Call % 4 == 0) return;
         QFile log(file);
         if (log.open(QIODevice::Append)) log.write("more\n");
       },
       TReadResult::Done,
       {}},
      {"stopped", {}, TReadResult::Declined, {"kept"}},
  };
  for (const TCase& c : cases) {
    WriteBytes(file, old);
    int calls = 0;
    TxeLineStore lines;
    lines.InsertLine(0, "kept");
    QString why;
    const TReadResult result = ReadDocumentLines(file, lines, &why, [&](qint64, qint64) {
      ++calls;
      if (c.Meddle) c.Meddle(calls);
      // Now and then the clock does not move between two writes: make it.
      if (c.Meddle) ::usleep(20000);
      return static_cast<bool>(c.Meddle);
    });
    EXPECT_EQ(result, c.Result) << c.Name;
    EXPECT_EQ(LinesOf(lines), c.Lines.empty() ? linesOf(FileBytes(file)) : c.Lines) << c.Name;
    if (result == TReadResult::Failed) {
      EXPECT_TRUE(why.contains("kept changing")) << why.toStdString();
    }
  }
}

TEST_F(DocumentFile, SaveReplacesTheFileAndKeepsItsMode) {
  const QString file = Path("page.html");
  WriteBytes(file, "old text\r\n");
  ::chmod(QFile::encodeName(file).constData(), 0640);
  ASSERT_TRUE(Write(file, LinesOf({"a    b", ""})));
  EXPECT_EQ(FileBytes(file), "a\tb\r\n\r\n");
  struct stat st {};
  ::stat(QFile::encodeName(file).constData(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(Entries(Dir.path()), QStringList{"page.html"}) << "no temporary file may stay behind";
}

TEST_F(DocumentFile, NewFileGetsTheUsualMode) {
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(Write(Path("new.css"), LinesOf({"x"})));
  ::umask(mask);
  struct stat st {};
  ::stat(QFile::encodeName(Path("new.css")).constData(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST_F(DocumentFile, SymbolicLinkKeepsPointingAtItsTarget) {
  QDir(Dir.path()).mkdir("real");
  const QString target = Path("real/page.html");
  WriteBytes(target, "old\r\n");
  ASSERT_TRUE(QFile::link(target, Path("link.html")));
  ASSERT_TRUE(QFile::link(Path("link.html"), Path("link2.html")));
  ASSERT_TRUE(Write(Path("link2.html"), LinesOf({"new"})));
  EXPECT_TRUE(QFileInfo(Path("link.html")).isSymLink());
  EXPECT_TRUE(QFileInfo(Path("link2.html")).isSymLink());
  EXPECT_EQ(FileBytes(target), "new\r\n");
}

TEST_F(DocumentFile, HardLinkedFileIsRewrittenInPlace) {
  const QString file = Path("a.txt");
  WriteBytes(file, "old\r\n");
  ASSERT_EQ(::link(QFile::encodeName(file).constData(), QFile::encodeName(Path("b.txt")).constData()), 0);
  ASSERT_TRUE(Write(file, LinesOf({"new"})));
  EXPECT_EQ(FileBytes(Path("b.txt")), "new\r\n");
  EXPECT_EQ(Entries(Dir.path()), (QStringList{"a.txt", "b.txt"})) << "the copy of the original is gone";
  EXPECT_TRUE(Entries(StateFolder()).isEmpty()) << "and so is the record of the save";
}

TEST_F(DocumentFile, OwnerIsKeptWhenRootSaves) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file away";
  const QString file = Path("owned.txt");
  WriteBytes(file, "old\r\n");
  ASSERT_EQ(::chown(QFile::encodeName(file).constData(), Nobody, Nobody), 0);
  ASSERT_TRUE(Write(file, LinesOf({"new"})));
  struct stat st {};
  ::stat(QFile::encodeName(file).constData(), &st);
  EXPECT_EQ(st.st_uid, Nobody);
  EXPECT_EQ(st.st_gid, gid_t(Nobody));
}

TEST_F(DocumentFile, FailedSavesLeaveTheOriginalIntact) {
  QDir(Dir.path()).mkdir("ro");
  const QString locked = Path("ro/locked.txt");
  const QString open = Path("ro/open.txt");
  WriteBytes(locked, "original\r\n");
  WriteBytes(open, "original\r\n");
  ::chmod(QFile::encodeName(locked).constData(), 0444);
  ::chmod(QFile::encodeName(open).constData(), 0666);
  ::chmod(QFile::encodeName(Path("ro")).constData(), 0555);
  const QString big = Path("big.txt");
  WriteBytes(big, "original\r\n");
  ::chmod(QFile::encodeName(big).constData(), 0666);
  ::chmod(QFile::encodeName(Dir.path()).constData(), 0777);
  QDir(Dir.path()).mkdir("cache");
  ::chmod(QFile::encodeName(Path("cache")).constData(), 0777);

  struct Case {
    const char* What;
    QString File;
    rlim_t SizeLimit;
    bool Saved;
    std::string Afterwards;
  };
  const std::string bigText(100000, 'x');
  const Case cases[] = {
      {"read-only folder and file", locked, RLIM_INFINITY, false, "original\r\n"},
      {"read-only folder, writable file: rewritten in place", open, RLIM_INFINITY, true, "new\r\n"},
      {"disk full half-way", big, 4096, false, "original\r\n"},
  };
  for (const Case& c : cases) {
    const bool huge = c.SizeLimit != RLIM_INFINITY;
    const int code = RunUnprivileged(
        [&] {
          // The copy of a file rewritten in place goes to the user's cache folder.
          qputenv("XDG_CACHE_HOME", QFile::encodeName(Path("cache")));
          qputenv("XDG_STATE_HOME", QFile::encodeName(Path("cache/state")));
          QString why;
          const bool ok = Write(c.File, huge ? std::vector<std::string>{bigText} : LinesOf({"new"}), &why);
          return ok ? 0 : (why.isEmpty() ? 2 : 1);
        },
        c.SizeLimit);
    EXPECT_EQ(code, c.Saved ? 0 : 1) << c.What;
    EXPECT_EQ(FileBytes(c.File), c.Afterwards) << c.What;
  }
  EXPECT_EQ(Entries(Dir.path()), QStringList{"big.txt"}) << "no temporary file may stay behind";
  EXPECT_TRUE(Entries(Path("cache/quillan")).isEmpty()) << "nor a copy of an original";
  ::chmod(QFile::encodeName(Path("ro")).constData(), 0755);
}

// A real file system of 1 MiB that fills up; only root may mount it.
class TSmallFileSystem {
 public:
  explicit TSmallFileSystem(const QString& Folder) : FFolder(QFile::encodeName(Folder)) {
    QDir().mkpath(Folder);
    FMounted = ::mount("tmpfs", FFolder.constData(), "tmpfs", 0, "size=1m,mode=0777") == 0;
  }
  ~TSmallFileSystem() {
    if (FMounted) ::umount2(FFolder.constData(), MNT_DETACH);
  }
  bool Mounted() const { return FMounted; }

 private:
  QByteArray FFolder;
  bool FMounted = false;
};

TEST_F(DocumentFile, InPlaceSaveThatRunsOutOfSpacePutsTheOriginalBack) {
  TSmallFileSystem fs(Path("fs"));
  if (!fs.Mounted()) GTEST_SKIP() << "mounting a small file system needs root";
  std::string original;
  for (int i = 0; original.size() < 405000; ++i) original += "<p>line " + std::to_string(i) + "</p>\r\n";
  const std::vector<std::string> large(25000, std::string(50, 'x'));  // more than the 1 MiB
  QDir(Path("fs")).mkdir("ro");
  QDir(Dir.path()).mkdir("cache");
  ::chmod(QFile::encodeName(Path("cache")).constData(), 0777);
  struct Case {
    const char* What;
    QString File;
    bool AsNobody;
  };
  const Case cases[] = {
      {"hard-linked file", Path("fs/linked.html"), false},
      {"folder where nobody may make a temporary file", Path("fs/ro/open.html"), true},
  };
  for (const Case& c : cases) {
    WriteBytes(c.File, original);
    ::chmod(QFile::encodeName(c.File).constData(), 0666);
    if (!c.AsNobody) {
      ASSERT_EQ(
          ::link(QFile::encodeName(c.File).constData(), QFile::encodeName(Path("fs/other")).constData()), 0);
    }
    ::chmod(QFile::encodeName(Path("fs/ro")).constData(), 0555);
    const auto save = [&](const std::vector<std::string>& Lines) {
      return RunUnprivileged([&] {
        if (c.AsNobody) qputenv("XDG_CACHE_HOME", QFile::encodeName(Path("cache")));
        if (c.AsNobody) qputenv("XDG_STATE_HOME", QFile::encodeName(Path("cache/state")));
        QString why;
        const bool ok = Write(c.File, Lines, &why);
        return ok ? 0 : (why.contains("No space left") ? 1 : 2);
      });
    };
    const auto asRoot = [&](const std::vector<std::string>& Lines) {
      QString why;
      return Write(c.File, Lines, &why) ? 0 : (why.contains("No space left") ? 1 : 2);
    };
    EXPECT_EQ(c.AsNobody ? save(large) : asRoot(large), 1) << c.What;
    EXPECT_TRUE(FileBytes(c.File) == original) << c.What << ": the original is back byte for byte";
    if (!c.AsNobody) {
      EXPECT_TRUE(FileBytes(Path("fs/other")) == original) << c.What;
    }
    EXPECT_EQ(Entries(QFileInfo(c.File).absolutePath()),
              QStringList{QFileInfo(c.File).fileName()} + (c.AsNobody ? QStringList{} : QStringList{"other"}))
        << c.What << ": no copy stays behind";
    EXPECT_TRUE(Entries(Path("cache/quillan")).isEmpty()) << c.What;
    // A text that fits is written in place.
    EXPECT_EQ(c.AsNobody ? save(LinesOf({"new"})) : asRoot(LinesOf({"new"})), 0) << c.What;
    EXPECT_EQ(FileBytes(c.File), "new\r\n") << c.What;
    ::chmod(QFile::encodeName(Path("fs/ro")).constData(), 0755);
  }
}

TEST_F(DocumentFile, MissingFolderFailsWithAReason) {
  QString why;
  EXPECT_FALSE(Write(Path("no/such/folder/page.html"), LinesOf({"x"}), &why));
  EXPECT_FALSE(why.isEmpty());
}

TEST_F(DocumentFile, WhatIsNoRegularFileIsNeverSavedOver) {
  ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe")).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link(Path("pipe"), Path("to-pipe")));
  ASSERT_TRUE(QFile::link(Path("loop-b"), Path("loop-a")));
  ASSERT_TRUE(QFile::link(Path("loop-a"), Path("loop-b")));
  ASSERT_TRUE(QFile::link(Path("self"), Path("self")));
  QDir(Dir.path()).mkdir("folder");
  const std::pair<QString, QString> cases[] = {
      {Path("pipe"), Path("pipe") + " is a named pipe, not a regular file; it was not saved."},
      {Path("to-pipe"), Path("pipe") + " is a named pipe, not a regular file; it was not saved."},
      {"/dev/null", "/dev/null is a device, not a regular file; it was not saved."},
      {Path("folder"), Path("folder") + " is a folder, not a regular file; it was not saved."},
      {Path("loop-a"), " is a loop of symbolic links; it was not saved."},
      {Path("self"), Path("self") + " is a loop of symbolic links; it was not saved."},
  };
  const QStringList before =
      QDir(Dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
  for (const auto& [file, reason] : cases) {
    QString why;
    EXPECT_FALSE(Write(file, LinesOf({"text"}), &why)) << file.toStdString();
    EXPECT_TRUE(why.endsWith(reason)) << why.toStdString();
  }
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), before);
  EXPECT_TRUE(QFileInfo(Path("pipe")).isSymLink() == false && QFileInfo(Path("loop-a")).isSymLink());
  struct stat st {};
  ASSERT_EQ(::lstat(QFile::encodeName(Path("pipe")).constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// Any bytes, opened after the question about a file that does not look like text, are saved back as they
// were: CR, LF and CR LF mixed, NUL bytes, invalid UTF-8 and the forms the editor holds CRs in, tabs and
// blanks, no final line break, texts longer than a piece of the writer; under every form the user chose.
TEST_F(DocumentFile, FilesOpenedAnywaySaveBackByteForByte) {
  std::mt19937 random(2261);
  const std::string pieces[] = {"\r",
                                "\n",
                                "\r\n",
                                std::string(1, '\0'),
                                "\t",
                                "    ",
                                "a",
                                "\xFF",
                                "\xED",
                                "\xB0",
                                "\x8D",
                                "\xED\xB0\x8D",
                                "\xED\xB3\xAD",
                                "\xC3\xA9",
                                "\xEF\xBB\xBF",
                                "\n\r",
                                "x"};
  const QString file = Path("blob.bin");
  for (int round = 0; round < 120; ++round) {
    std::string bytes;
    const std::size_t length = round % 150 == 7 ? (5u << 20) : random() % 300;
    while (bytes.size() < length) {
      if (round % 5 == 0)
        bytes.push_back(char(random()));
      else
        bytes += pieces[random() % std::size(pieces)];
    }
    // A NUL among the first bytes makes them look like no text.
    bytes.insert(std::size_t(random() % (std::min<std::size_t>(bytes.size(), 1000) + 1)), 1, '\0');
    WriteBytes(file, bytes);
    TFileForm form(round % 3 == 0 ? lbCRLF : lbCR, round % 2 == 0);
    TEncodingChoice choice;
    if (round % 7 == 3) choice.Forced = CodePageEncoding("windows-1252");
    int asked = 0;
    TxeLineStore lines;
    ASSERT_EQ(ReadDocumentLines(
                  file, lines, nullptr, {}, &form, [&] { return ++asked > 0; }, choice),
              TReadResult::Done);
    ASSERT_EQ(asked, 1);
    ASSERT_TRUE(form.KeepBytes);
    for (std::size_t i = 0; i < lines.Count(); ++i)
      ASSERT_EQ(lines.Get(i).find('\r'), std::string_view::npos) << "a CR is no line break here";
    // The form as the window would save it: its own break and tabs setting are not looked at.
    form.Break = lbCRLF;
    form.ExchangeTabs = true;
    ASSERT_TRUE(WriteDocumentFile(
        Path("saved.bin"), lines.Count(), [&](std::size_t i) { return lines.Get(i); }, nullptr, {}, form));
    ASSERT_TRUE(FileBytes(Path("saved.bin")) == bytes) << "round " << round;
  }
}

// Runs Body in a child process as Uid with the group Gid and the further Groups; returns its exit code.
int RunAs(uid_t Uid, gid_t Gid, const std::vector<gid_t>& Groups, const std::function<int()>& Body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::setgroups(Groups.size(), Groups.data()) != 0 || ::setgid(Gid) != 0 || ::setuid(Uid) != 0)
      ::_exit(90);
    ::_exit(Body());
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 92;
}

// The extended attributes of a file that a save hands on (the user's and the access control list).
std::map<std::string, std::string> HandedOnAttributes(const QString& File) {
  const QByteArray path = QFile::encodeName(File);
  std::map<std::string, std::string> out;
  char names[4096];
  const ssize_t size = ::listxattr(path.constData(), names, sizeof names);
  for (ssize_t at = 0; at < size; at += ssize_t(std::strlen(names + at)) + 1) {
    const std::string name = names + at;
    if (name.rfind("user.", 0) != 0 && name != "system.posix_acl_access") continue;
    char value[4096];
    const ssize_t n = ::getxattr(path.constData(), name.c_str(), value, sizeof value);
    out[name] = n >= 0 ? std::string(value, std::size_t(n)) : "<unreadable>";
  }
  return out;
}

// An access control list giving User read and write access besides the mode's owner, group and others,
// as the file system takes it (the form of libacl's acl_to_xattr).
std::string AccessListFor(uid_t User) {
  std::string acl;
  const auto put32 = [&](std::uint32_t V) {
    for (int i = 0; i < 4; ++i) acl.push_back(char(V >> (8 * i)));
  };
  const auto entry = [&](std::uint16_t Tag, std::uint16_t Perm, std::uint32_t Id) {
    acl.push_back(char(Tag));
    acl.push_back(char(Tag >> 8));
    acl.push_back(char(Perm));
    acl.push_back(char(Perm >> 8));
    put32(Id);
  };
  put32(2);
  entry(0x01, 6, ~0u);  // owner rw
  entry(0x02, 6, User);
  entry(0x04, 4, ~0u);  // group r
  entry(0x10, 6, ~0u);  // mask rw
  entry(0x20, 4, ~0u);  // others r
  return acl;
}

// A save that puts a new file in place of the old one hands on the access control list, the user's
// extended attributes, the group where the user may give it, and the set-ID bits where owner and group
// stay; a rewrite in place keeps the set-ID bits the system takes from a file others than root write.
TEST_F(DocumentFile, SaveHandsOnAccessListsAttributesGroupAndSetIdBits) {
  if (::geteuid() != 0) GTEST_SKIP() << "files of other users and groups need root to be made";
  QString folder = Path("attributes");
  QDir().mkpath(folder);
  const QString probe = folder + "/probe";
  WriteBytes(probe, "x");
  const std::string acl = AccessListFor(1);
  const auto keeps = [&] {
    return ::setxattr(QFile::encodeName(probe).constData(), "user.probe", "1", 1, 0) == 0 &&
           ::setxattr(QFile::encodeName(probe).constData(), "system.posix_acl_access", acl.data(), acl.size(),
                      0) == 0;
  };
  // This file system, or a tmpfs (which keeps both on kernels since 6.6).
  TSmallFileSystem fs(Path("fs"));
  if (!keeps()) {
    if (!fs.Mounted()) GTEST_SKIP() << "no file system here keeps user extended attributes and access lists";
    folder = Path("fs");
    WriteBytes(probe, "x");
    if (!keeps())
      GTEST_SKIP() << "neither this file system nor tmpfs keeps user extended attributes and ACLs";
  }
  ::chmod(QFile::encodeName(folder).constData(), 0777);
  constexpr gid_t Users = 100, Root = 0;
  struct Case {
    const char* What;
    uid_t Saver;
    std::vector<gid_t> SaverGroups;
    gid_t Group;    // the file's
    mode_t Mode;    // the file's
    bool HardLink;  // rewritten in place
    gid_t GroupAfter;
    mode_t ModeAfter;
  };
  const Case cases[] = {
      {"root saves another user's file", 0, {}, Users, 06755, false, Users, 06755},
      {"the owner saves, a member of the file's group", Nobody, {Users}, Users, 02664, false, Users, 02664},
      {"the owner saves, no member of the file's group", Nobody, {}, Root, 02664, false, Nobody, 0664},
      {"the owner rewrites it in place", Nobody, {}, Nobody, 06755, true, Nobody, 06755},
  };
  int n = 0;
  for (const Case& c : cases) {
    const QString file = folder + "/page" + QString::number(++n) + ".html";
    const QByteArray path = QFile::encodeName(file);
    WriteBytes(file, "old\n");
    ASSERT_EQ(::chown(path.constData(), Nobody, c.Group), 0);
    ASSERT_EQ(::setxattr(path.constData(), "user.xdg.origin.url", "https://example.org/", 20, 0), 0);
    ASSERT_EQ(::setxattr(path.constData(), "user.checked", "", 0, 0), 0);
    ASSERT_EQ(::setxattr(path.constData(), "system.posix_acl_access", acl.data(), acl.size(), 0), 0);
    ASSERT_EQ(::chmod(path.constData(), c.Mode), 0);
    if (c.HardLink) {
      ASSERT_EQ(::link(path.constData(), QFile::encodeName(file + ".link").constData()), 0);
    }
    const auto before = HandedOnAttributes(file);
    ASSERT_EQ(before.size(), 3u);
    const int code = RunAs(c.Saver, c.Saver == 0 ? 0 : Nobody, c.SaverGroups, [&] {
      qputenv("XDG_STATE_HOME", QFile::encodeName(folder + "/state" + QString::number(n)));
      QString why;
      return Write(file, LinesOf({"new"}), &why) ? 0 : 1;
    });
    ASSERT_EQ(code, 0) << c.What;
    EXPECT_EQ(FileBytes(file), "new\r\n") << c.What;
    struct stat st {};
    ASSERT_EQ(::stat(path.constData(), &st), 0);
    EXPECT_EQ(st.st_uid, Nobody) << c.What;
    EXPECT_EQ(st.st_gid, c.GroupAfter) << c.What;
    EXPECT_EQ(st.st_mode & 07777, c.ModeAfter) << c.What;
    EXPECT_EQ(HandedOnAttributes(file), before) << c.What;
  }
}

}  // namespace
