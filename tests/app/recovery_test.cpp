// Recovery copies: written whole, found only when their program is gone, kept current step by step while
// the text changes, and offered at start through the main window.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstring>
#include <functional>
#include <random>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "MainStatusBar.h"
#include "RecoveryKeeper.h"
#include "main_fakes.h"
#include "xeCustomEdit.h"
#include "xeEditList.h"

namespace {

std::vector<std::string> LinesOf(std::string Text) {
  TxeEditList list;
  list.SetText(std::move(Text));
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.emplace_back(list.Get(i));
  return lines;
}

// The lines of a copy on disk, as the editor would get them back.
std::vector<std::string> CopyLines(const QString& Path) {
  TFoundCopy copy;
  copy.Path = Path;
  std::string text;
  if (!ReadRecoveryText(copy, text, nullptr)) return {"<unreadable>"};
  return LinesOf(std::move(text));
}

void WriteCopy(const QString& Folder, const TRecoveryHeader& Header, const std::vector<std::string>& Lines) {
  TRecoveryCopy copy(Folder);
  ASSERT_TRUE(copy.Start(Header));
  for (const std::string& line : Lines) copy.Add(line);
  ASSERT_TRUE(copy.Finish());
  for (const TFoundCopy& found : FindOrphanedCopies(Folder))
    ASSERT_NE(found.Path, copy.Path()) << "a running document's copy is never offered";
}

void SetModified(const QString& Path, const QDateTime& Time) {
  QFile file(Path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(Time, QFileDevice::FileModificationTime));
}

// A full disk, as far as files of the process go: writes past Bytes fail with EFBIG. It holds only while
// it is needed, since the test program writes files of its own.
struct TSizeLimit {
  rlimit Before{};
  explicit TSizeLimit(rlim_t Bytes) {
    ::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &Before);
    rlimit limit = Before;
    limit.rlim_cur = Bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &Before); }
  TSizeLimit(const TSizeLimit&) = delete;
  TSizeLimit& operator=(const TSizeLimit&) = delete;
};

TEST(RecoveryCopy, CopiesLeftBehindComeBackWholeAndOnlyWhenTheirProgramIsGone) {
  EnsureQtApp();
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("state/quillan"));
  using std::string_literals::operator""s;
  struct TCase {
    TRecoveryHeader Header;
    std::vector<std::string> Lines;
  } cases[] = {
      {{QStringLiteral("/home/u/untitled.txt"), false, lbLF, 1, 1, {}, {}}, {""}},
      {{QStringLiteral("/w/a %41=b\nc ä.html"),
        true,
        lbCRLF,
        3,
        2,
        {},
        {{true, 2049, 123456789, 42, 1700000000123456789}, 0xFEDCBA9876543210}},
       {"<p>", "", ""}},
      {{QStringLiteral("/w/a %41=b\nc ä.html"),
        true,
        lbCR,
        1,
        3,
        CodePageEncoding("windows-1251"),
        {{true, 1, 2, 0, -5}, std::nullopt}},
       {"x\0y"s, "\xff\xfe\t ", "  ", "end \xe9\xe0\xe8 caf\xc3\xa9"}},
  };
  for (const TCase& c : cases) {
    WriteCopy(folder, c.Header, c.Lines);
    QTest::qWait(10);  // distinct times: newest first
  }
  // Two documents of one name keep two copies; the newest comes first.
  std::vector<TFoundCopy> found = FindOrphanedCopies(folder);
  ASSERT_EQ(found.size(), std::size(cases));
  for (std::size_t i = 0; i < found.size(); ++i) {
    const TCase& c = cases[std::size(cases) - 1 - i];
    SCOPED_TRACE(c.Header.FileName.toStdString());
    EXPECT_EQ(found[i].Header.FileName, c.Header.FileName);
    EXPECT_EQ(found[i].Header.OnDisk, c.Header.OnDisk);
    EXPECT_EQ(found[i].Header.Break, c.Header.Break);
    EXPECT_EQ(found[i].Header.CaretX, c.Header.CaretX);
    EXPECT_EQ(found[i].Header.CaretY, c.Header.CaretY);
    EXPECT_EQ(found[i].Header.Encoding, c.Header.Encoding);
    EXPECT_EQ(found[i].Header.Disk.Identity, c.Header.Disk.Identity);
    EXPECT_EQ(found[i].Header.Disk.Checksum, c.Header.Disk.Checksum);
    EXPECT_EQ(CopyLines(found[i].Path), c.Lines);
    // A finder holds what it found: a second one at the same time gets nothing.
    EXPECT_TRUE(FindOrphanedCopies(folder).empty());
  }
  for (TFoundCopy& copy : found) DeleteFoundCopy(copy);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
  // A name relative to the current folder is kept whole, for a start in another folder.
  WriteCopy(folder, {QStringLiteral("rel/x.html"), true, lbLF, 1, 1, {}, {}}, {"x"});
  found = FindOrphanedCopies(folder);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].Header.FileName, QDir::current().absoluteFilePath(QStringLiteral("rel/x.html")));
  DeleteFoundCopy(found[0]);

  // A copy cut short (a kill while writing) leaves the previous copy whole, and nothing else.
  {
    TRecoveryCopy copy(folder);
    ASSERT_TRUE(copy.Start(cases[1].Header));
    for (const std::string& line : cases[1].Lines) copy.Add(line);
    ASSERT_TRUE(copy.Finish());
    ASSERT_TRUE(copy.Start(cases[2].Header));
    copy.Add(std::string(3 << 20, 'x'));
  }
  found = FindOrphanedCopies(folder);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(CopyLines(found[0].Path), cases[1].Lines);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 2) << "the copy and its lock";
}

// Whether a copy may go back to its file: only when the file still holds what the document was made from
// (a new time alone changes nothing), or is gone; never by a name relative to a folder nobody knows.
TEST(RecoveryCopy, ACopyGoesBackToItsFileOnlyWhileTheFileHoldsWhatTheTextCameFrom) {
  EnsureQtApp();
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("page.html"));
  const QDateTime written = QDateTime::currentDateTime();
  struct TCase {
    const char* What;
    bool OnDisk, Stamped;
    QString Name;
    std::string After;  // the file's bytes after the copy ("-": gone)
    int Later;          // seconds the file's time moves past the copy's
    TCopyTarget Target;
  } cases[] = {
      {"as it was", true, true, file, "one\n", 0, TCopyTarget::OwnFile},
      {"touched", true, true, file, "one\n", 60, TCopyTarget::OwnFile},
      {"as many other bytes", true, true, file, "two\n", 60, TCopyTarget::FileChanged},
      {"other size", true, true, file, "three\n", 60, TCopyTarget::FileChanged},
      {"gone", true, true, file, "-", 0, TCopyTarget::OwnFile},
      {"never saved", false, false, file, "two\n", 60, TCopyTarget::NeverOnDisk},
      {"old copy, file written after", true, false, file, "one\n", 60, TCopyTarget::FileChanged},
      {"old copy, file older", true, false, file, "one\n", -60, TCopyTarget::OwnFile},
      {"old copy, relative name", true, false, QStringLiteral("page.html"), "one\n", 0, TCopyTarget::Unknown},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    QFile::remove(file);
    WriteBytes(file, "one\n");
    SetModified(file, written.addSecs(-120));
    TFoundCopy copy;
    copy.Written = written;
    copy.Header = {c.Name, c.OnDisk, lbLF, 1, 1, {}, {}};
    if (c.Stamped) copy.Header.Disk = *StampOfFile(file);
    if (c.After == "-") {
      QFile::remove(file);
    } else {
      WriteBytes(file, c.After);
      SetModified(file, c.Later ? written.addSecs(c.Later) : written.addSecs(-120));
    }
    TContentStamp now;
    EXPECT_EQ(TargetOf(copy, &now), c.Target);
    if (c.Target == TCopyTarget::OwnFile && c.After != "-") {
      EXPECT_EQ(now.Identity, FileIdentityOf(file));
    }
  }
}

// The state folder is the user's alone, and nothing in it is reached through a symbolic link: a link
// planted where a copy, its unfinished part or a lock is written leaves the file it points to as it was.
TEST(RecoveryCopy, TheFolderIsPrivateAndLinksInItAreNeverFollowed) {
  EnsureQtApp();
  QTemporaryDir dir;
  const QString victim = dir.filePath(QStringLiteral("victim.txt"));
  const QString realFolder = dir.filePath(QStringLiteral("elsewhere"));
  ASSERT_TRUE(QDir().mkpath(realFolder));
  const TRecoveryHeader header{dir.filePath(QStringLiteral("page.html")), false, lbLF, 1, 1, {}, {}};
  const auto modeOf = [](const QString& Path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(Path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
  };
  struct TCase {
    const char* What;
    std::function<bool(const QString& Folder)> Prepare;  // false: not possible here
    const char* Refusal;                                 // none: copies are written
  } cases[] = {
      {"missing", [](const QString&) { return true; }, nullptr},
      {"open to others",
       [](const QString& F) {
         return QDir().mkpath(F) && ::chmod(QFile::encodeName(F).constData(), 0777) == 0;
       },
       nullptr},
      {"a symbolic link to a folder", [&](const QString& F) { return QFile::link(realFolder, F); },
       "is a symbolic link, not a folder"},
      {"a dangling symbolic link", [&](const QString& F) { return QFile::link(dir.filePath("nowhere"), F); },
       "is a symbolic link, not a folder"},
      {"a file",
       [&](const QString& F) {
         WriteBytes(F, "x");
         return true;
       },
       "is not a folder"},
      {"another user's",
       [](const QString& F) {
         // Only root can give a folder away.
         return QDir().mkpath(F) &&
                ::chown(QFile::encodeName(F).constData(), ::geteuid() + 1, ::getegid()) == 0;
       },
       "belongs to another user"},
  };
  int n = 0;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    const QString folder = dir.filePath(QStringLiteral("state%1/quillan").arg(++n));
    QDir().mkpath(QFileInfo(folder).path());
    if (!c.Prepare(folder)) continue;
    TRecoveryCopy copy(folder);
    const bool started = copy.Start(header);
    if (c.Refusal) {
      EXPECT_FALSE(started);
      EXPECT_EQ(copy.ErrorString(),
                QStringLiteral("No recovery copy: the state folder %1 (%2)").arg(c.Refusal, folder));
      EXPECT_TRUE(FindOrphanedCopies(folder).empty());
      continue;
    }
    ASSERT_TRUE(started) << copy.ErrorString().toStdString();
    copy.Add("text");
    ASSERT_TRUE(copy.Finish());
    EXPECT_EQ(modeOf(folder), 0700);
  }
  EXPECT_TRUE(QDir(realFolder).isEmpty()) << "nothing written through the link";
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("nowhere")));

  // Links planted under the names a copy is written to.
  const QString folder = dir.filePath(QStringLiteral("state/quillan"));
  WriteBytes(victim, "precious");
  const QString dangling = dir.filePath(QStringLiteral("made-through-a-link"));
  TRecoveryCopy copy(folder);
  ASSERT_TRUE(copy.Start(header));
  copy.Add("first");
  ASSERT_TRUE(copy.Finish());
  const QString copyPath = copy.Path();
  const QString base = copyPath.chopped(int(std::strlen(".recovery")));
  for (const QString& target : {victim, dangling}) {
    SCOPED_TRACE(target.toStdString());
    ASSERT_TRUE(QFile::link(target, base + ".part"));
    ASSERT_TRUE(copy.Start(header));
    copy.Add("second");
    ASSERT_TRUE(copy.Finish());
    QFile::remove(copyPath);
    ASSERT_TRUE(QFile::link(target, copyPath));
    ASSERT_TRUE(copy.Start(header));
    copy.Add("third");
    ASSERT_TRUE(copy.Finish());
    EXPECT_FALSE(QFileInfo(copyPath).isSymLink());
    EXPECT_EQ(CopyLines(copyPath), std::vector<std::string>{"third"});
  }
  EXPECT_EQ(FileBytes(victim), "precious");
  EXPECT_FALSE(QFileInfo::exists(dangling));
  // A finder meets a link as a lock, and one as a copy: it follows neither.
  ASSERT_TRUE(QFile::link(dangling, folder + "/planted.lock"));
  ASSERT_TRUE(QFile::link(victim, folder + "/other.recovery"));
  EXPECT_TRUE(FindOrphanedCopies(folder).empty());
  EXPECT_FALSE(QFileInfo::exists(dangling));
  EXPECT_EQ(FileBytes(victim), "precious");
  // A folder removed while copies are written is made again.
  ASSERT_TRUE(QDir(folder).removeRecursively());
  ASSERT_TRUE(copy.Start(header));
  copy.Add("again");
  ASSERT_TRUE(copy.Finish());
  EXPECT_EQ(CopyLines(copy.Path()), std::vector<std::string>{"again"});
  EXPECT_EQ(modeOf(folder), 0700);
  copy.Remove();
}

// A copy that cannot be written (a full disk, here a file-size limit) is told once; the copy before it
// stays whole; once a copy was written again, the next failure is told again.
TEST(RecoveryKeeper, CopiesThatCannotBeWrittenAreToldOnce) {
  EnsureQtApp();
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("quillan"));
  std::vector<std::string> lines{"small"};
  TRecoveryKeeper::TDocument document;
  document.Modified = [] { return true; };
  document.LineCount = [&] { return lines.size(); };
  document.Line = [&](std::size_t I) { return std::string_view(lines[I]); };
  document.Header = [] { return TRecoveryHeader{QStringLiteral("/w/page.html"), false, lbLF, 1, 1, {}, {}}; };
  TRecoveryKeeper::TTiming timing;
  timing.IntervalMs = 5;
  TRecoveryKeeper keeper(document, nullptr, folder, timing);
  QStringList told;
  keeper.OnTrouble = [&](const QString& Why) { told << Why; };
  const auto settle = [&] {
    QElapsedTimer clock;
    clock.start();
    do QTest::qWait(20);
    while (!keeper.Idle() && clock.elapsed() < 60000);
  };
  const auto change = [&](std::string Line) {
    lines.push_back(std::move(Line));
    keeper.Changed();
    settle();
  };

  keeper.Changed();
  settle();
  ASSERT_TRUE(told.isEmpty());
  const std::vector<std::string> whole = lines;
  {
    const TSizeLimit full(4096);
    change(std::string(8192, 'a'));
    change(std::string(8192, 'b'));
  }
  ASSERT_EQ(told.size(), 1) << told.join('|').toStdString();
  EXPECT_EQ(told[0], "No recovery copy: File too large (" + folder + ")");
  EXPECT_EQ(CopyLines(keeper.CopyPath()), whole) << "the copy before stays whole";
  change("room again");
  ASSERT_EQ(told.size(), 2);
  EXPECT_EQ(told[1], QString()) << "copies work again";
  EXPECT_EQ(CopyLines(keeper.CopyPath()), lines);
  {
    const TSizeLimit full(4096);
    change(std::string(8192, 'c'));
  }
  EXPECT_EQ(told.size(), 3);
}

// A document of lines edited at random while the keeper works on it, with steps so small that copies are
// written in many pieces and started over; whenever the keeper is idle, the copy on disk holds exactly the
// current text, and none is left once the document has no unsaved changes.
TEST(RecoveryKeeper, TheCopyFollowsTheTextStepByStep) {
  EnsureQtApp();
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("quillan"));
  std::vector<std::string> lines{""};
  bool modified = false;
  TRecoveryKeeper::TDocument document;
  document.Modified = [&] { return modified; };
  document.LineCount = [&] { return lines.size(); };
  document.Line = [&](std::size_t I) { return std::string_view(lines[I]); };
  document.Header = [] { return TRecoveryHeader{QStringLiteral("/w/page.html"), true, lbLF, 1, 1, {}, {}}; };
  TRecoveryKeeper::TTiming timing;
  timing.IntervalMs = 5;
  timing.SliceBytes = 40;
  timing.SliceLines = 3;
  auto keeper = std::make_unique<TRecoveryKeeper>(document, nullptr, folder, timing);
  const auto copyFiles = [&] { return QDir(folder).entryList({QStringLiteral("*.recovery")}, QDir::Files); };

  std::mt19937 random(12);
  const auto pick = [&](std::size_t N) { return std::size_t(random() % N); };
  const auto someText = [&] {
    static const char* const pieces[] = {"a", "<p>", " ", "\t", "ż", "\xff"};
    std::string s;
    for (std::size_t n = pick(12); n > 0; --n) s += pick(7) == 6 ? std::string(1, '\0') : pieces[pick(6)];
    return s;
  };
  for (int step = 0; step < 400; ++step) {
    switch (pick(8)) {
      case 0:
      case 1:
      case 2:
        lines[pick(lines.size())] = someText();
        modified = true;
        keeper->Changed();
        break;
      case 3:
        lines.insert(lines.begin() + std::ptrdiff_t(pick(lines.size() + 1)), pick(4) + 1, someText());
        modified = true;
        keeper->Changed();
        break;
      case 4:
        if (lines.size() > 1) lines.erase(lines.begin() + std::ptrdiff_t(pick(lines.size())));
        modified = true;
        keeper->Changed();
        break;
      case 5: QTest::qWait(int(pick(4))); break;
      case 6: {
        QElapsedTimer clock;
        clock.start();
        // Generous: a flush to disk can take seconds while other tests write much.
        while (!keeper->Idle() && clock.elapsed() < 60000) QTest::qWait(1);
        ASSERT_TRUE(keeper->Idle());
        if (modified) {
          ASSERT_EQ(copyFiles().size(), 1) << "step " << step;
          ASSERT_EQ(CopyLines(keeper->CopyPath()), lines) << "step " << step;
        } else {
          ASSERT_TRUE(copyFiles().isEmpty()) << "step " << step;
        }
        break;
      }
      case 7:
        if (pick(4) == 0) {
          modified = false;  // saved
          keeper->Settled();
          ASSERT_TRUE(copyFiles().isEmpty());
        }
        break;
    }
  }
  // Leaving on a signal: the whole copy at once, kept after the keeper; otherwise nothing stays behind.
  lines.push_back("last words");
  modified = true;
  keeper->Changed();
  keeper->WriteNow();
  keeper.reset();
  std::vector<TFoundCopy> found = FindOrphanedCopies(folder);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(CopyLines(found[0].Path), lines);
  const QString left = QFileInfo(found[0].Path).fileName();
  found.clear();
  keeper = std::make_unique<TRecoveryKeeper>(document, nullptr, folder, timing);
  keeper->Changed();
  QElapsedTimer clock;
  clock.start();
  while (copyFiles().size() < 2 && clock.elapsed() < 60000) QTest::qWait(1);
  EXPECT_EQ(copyFiles().size(), 2) << "another document's copy beside the one left behind";
  keeper.reset();
  EXPECT_EQ(copyFiles(), QStringList{left});
}

// At start, every copy left behind is offered, the command line's file first. Yes brings the text back as
// an unsaved document; it goes back to its file only while the file holds what the text was made from (a
// touch after the crash changes nothing), otherwise it is saved under a name the user gives. No deletes
// the copy. A file named relative to the folder the program started in is kept under its full path.
TEST(MainWindowRecovery, StartOffersEveryCopyAndOnlyItsOwnFileTakesItBack) {
  EnsureQtApp();
  TScriptedBoxes boxes;
  TScriptedFileDialogs dialogs;
  QTemporaryDir dir;
  const QString folder = RecoveryFolder();
  const QString page = dir.filePath(QStringLiteral("page.html")),
                stale = dir.filePath(QStringLiteral("b.css"));
  const QString never = dir.filePath(QStringLiteral("untitled.js"));
  const QDateTime now = QDateTime::currentDateTime();
  WriteBytes(page, "old\r\n");
  WriteBytes(stale, "old");
  // The page's file is in windows-1251: its recovered text goes back into it in that encoding.
  WriteCopy(folder, {page, true, lbCRLF, 2, 2, CodePageEncoding("windows-1251"), *StampOfFile(page)},
            {"new \u0436", "text"});
  // An old copy that names its file relative to a folder it does not tell.
  WriteBytes(folder + "/0-old.recovery",
             "Quillan recovery 1\nname=rel.html\non-disk=1\nbreak=0\ncaret=1 1\n\nold text\n");
  SetModified(folder + "/0-old.recovery", now.addSecs(-60));
  WriteCopy(folder, {never, false, lbLF, 1, 1, {}, {}}, {"draft"});
  QTest::qWait(10);
  WriteCopy(folder, {stale, true, lbLF, 1, 1, {}, *StampOfFile(stale)}, {"mine"});
  // After the crash: the page is only touched, the style sheet rewritten by another program.
  SetModified(page, now.addSecs(3600));
  WriteBytes(stale, "theirs");
  const auto copies = [&] {
    return QDir(folder).entryList({QStringLiteral("*.recovery")}, QDir::Files).size();
  };
  const QString cwd = QDir::currentPath();

  {
    QDir::setCurrent(dir.path());
    auto form = ShownMainForm({QStringLiteral("page.html")});
    QDir::setCurrent(cwd);
    EXPECT_EQ(form->DocFileName, page);
    boxes.Answers = {mrYes};
    form->OfferRecovery();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_TRUE(
        boxes.Shown[0].Text.startsWith(QStringLiteral("Recover the unsaved text of ") + page + " from "));
    EXPECT_FALSE(boxes.Shown[0].Text.contains('\n')) << boxes.Shown[0].Text.toStdString();
    EXPECT_EQ(form->Memo1->Lines().Text(), "new \u0436\r\ntext\r\n");
    EXPECT_TRUE(form->Memo1->Modified());
    EXPECT_EQ(form->DocFileName, page);
    EXPECT_TRUE(form->DocumentOnDisk());
    EXPECT_EQ(form->DocType(), dtHTML);
    EXPECT_EQ(form->Memo1->CaretPos(), (TPoint{2, 2}));
    EXPECT_EQ(copies(), 4) << "the recovered copy stays until the text is saved";
    ASSERT_TRUE(form->Save1Click());
    EXPECT_EQ(dialogs.SaveQuestions, 0);
    EXPECT_TRUE(boxes.Shown.size() == 1u) << "no question about another program";
    EXPECT_EQ(FileBytes(page), "new \xE6\r\ntext\r\n");
    EXPECT_EQ(copies(), 3);
  }
  boxes.Shown.clear();
  {
    auto form = ShownMainForm();
    boxes.Answers = {mrYes};
    form->OfferRecovery();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_TRUE(boxes.Shown[0].Text.startsWith(QStringLiteral("Recover the unsaved text of ") + stale));
    EXPECT_TRUE(boxes.Shown[0].Text.contains("\n\n" + stale + " has been changed since."))
        << boxes.Shown[0].Text.toStdString();
    EXPECT_EQ(form->Memo1->Lines().Text(), "mine\r\n");
    EXPECT_TRUE(form->Memo1->Modified());
    EXPECT_FALSE(form->DocumentOnDisk()) << "a plain Save must ask for a name";
    EXPECT_FALSE(form->Save1Click());
    EXPECT_EQ(dialogs.SaveQuestions, 1);
    EXPECT_EQ(FileBytes(stale), "theirs");
  }
  EXPECT_EQ(copies(), 2) << "a recovered copy goes with its document";
  boxes.Shown.clear();
  {
    auto form = ShownMainForm();
    boxes.Answers = {mrNo, mrYes};
    form->OfferRecovery();
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(boxes.Shown[0].Text.left(boxes.Shown[0].Text.indexOf(" from ")),
              QStringLiteral("Recover the unsaved text of ") + never);
    EXPECT_TRUE(boxes.Shown[1].Text.startsWith(QStringLiteral("Recover the unsaved text of rel.html from ")));
    EXPECT_TRUE(boxes.Shown[1].Text.contains("\n\nThe copy does not tell which folder the file is in."));
    EXPECT_EQ(form->Memo1->Lines().Text(), "old text\r\n");
    EXPECT_EQ(form->DocFileName, form->DefFn + ".html");
    EXPECT_FALSE(form->DocumentOnDisk());
    EXPECT_FALSE(form->Save1Click());
    EXPECT_EQ(dialogs.SaveQuestions, 2);
    EXPECT_EQ(copies(), 1) << "No deletes the copy";
  }
  for (TFoundCopy& copy : FindOrphanedCopies(folder)) DeleteFoundCopy(copy);
}

// Copies that cannot be written are told in the status bar, until one is written again.
TEST(MainWindowRecovery, ThePlaceOfTheCopiesFailingIsToldInTheStatusBar) {
  EnsureQtApp();
  TScriptedBoxes boxes;
  auto form = ShownMainForm();
  {
    const TSizeLimit full(4096);
    QGuiApplication::clipboard()->setText(QString(8192, 'x'));
    form->EditPaste1Execute();
    const QString told = "No recovery copy: File too large (" + RecoveryFolder() + ")";
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->StatusBar1->currentMessage() == told; }, 20000))
        << form->StatusBar1->currentMessage().toStdString();
    EXPECT_EQ(form->StatusBar1->toolTip(), told);
  }
  form->EditPaste1Execute();
  EXPECT_TRUE(QTest::qWaitFor([&] { return form->StatusBar1->currentMessage().isEmpty(); }, 20000))
      << "a copy written again clears it";
  EXPECT_EQ(form->StatusBar1->toolTip(), QString());
  boxes.Answers = {mrNo};
}

}  // namespace
