// Recovery copies: written whole, found only when their program is gone, kept current step by step while
// the text changes, and offered at start through the main window.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <random>

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

TEST(RecoveryCopy, CopiesLeftBehindComeBackWholeAndOnlyWhenTheirProgramIsGone) {
  EnsureQtApp();
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("state/quillan"));
  using std::string_literals::operator""s;
  struct TCase {
    TRecoveryHeader Header;
    std::vector<std::string> Lines;
  } cases[] = {
      {{QStringLiteral("/home/u/untitled.txt"), false, lbLF, 1, 1, {}}, {""}},
      {{QStringLiteral("/w/a %41=b\nc ä.html"), true, lbCRLF, 3, 2, {}}, {"<p>", "", ""}},
      {{QStringLiteral("/w/a %41=b\nc ä.html"), true, lbCR, 1, 3, CodePageEncoding("windows-1251")},
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
    EXPECT_EQ(CopyLines(found[i].Path), c.Lines);
    // A finder holds what it found: a second one at the same time gets nothing.
    EXPECT_TRUE(FindOrphanedCopies(folder).empty());
  }
  // Never on disk, or a file that is gone: newer than its file. A file written after the copy: not.
  EXPECT_TRUE(NewerThanItsFile(found[2]));
  EXPECT_TRUE(NewerThanItsFile(found[0]));
  const QString file = dir.filePath(QStringLiteral("page.html"));
  found[0].Header.FileName = file;
  WriteBytes(file, "x");
  SetModified(file, found[0].Written.addSecs(5));
  EXPECT_FALSE(NewerThanItsFile(found[0]));
  SetModified(file, found[0].Written.addSecs(-5));
  EXPECT_TRUE(NewerThanItsFile(found[0]));

  for (TFoundCopy& copy : found) DeleteFoundCopy(copy);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());

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
  document.Header = [] { return TRecoveryHeader{QStringLiteral("/w/page.html"), true, lbLF, 1, 1, {}}; };
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

// At start, copies newer than their files are offered, the command line's file first; Yes brings the text
// back as an unsaved document of its own name, No deletes the copy, and a copy older than its file is
// left alone.
TEST(MainWindowRecovery, StartOffersCopiesNewerThanTheirFiles) {
  EnsureQtApp();
  TScriptedBoxes boxes;
  TScriptedFileDialogs dialogs;
  QTemporaryDir dir;
  const QString folder = RecoveryFolder();
  const QString page = dir.filePath(QStringLiteral("page.html")),
                stale = dir.filePath(QStringLiteral("b.css"));
  const QString never = dir.filePath(QStringLiteral("untitled.js"));
  // The page's file is in windows-1251: its recovered text goes back into it in that encoding.
  WriteCopy(folder, {page, true, lbCRLF, 2, 2, CodePageEncoding("windows-1251")}, {"new \u0436", "text"});
  WriteCopy(folder, {stale, true, lbLF, 1, 1, {}}, {"old"});
  QTest::qWait(10);
  WriteCopy(folder, {never, false, lbLF, 1, 1, {}}, {"draft"});
  const QDateTime now = QDateTime::currentDateTime();
  WriteBytes(page, "old\r\n");
  SetModified(page, now.addSecs(-3600));
  WriteBytes(stale, "newer");
  SetModified(stale, now.addSecs(3600));
  const auto copies = [&] {
    return QDir(folder).entryList({QStringLiteral("*.recovery")}, QDir::Files).size();
  };

  {
    auto form = ShownMainForm({page});
    boxes.Answers = {mrYes};
    form->OfferRecovery();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_TRUE(
        boxes.Shown[0].Text.startsWith(QStringLiteral("Recover the unsaved text of ") + page + " from "));
    EXPECT_EQ(form->Memo1->Lines().Text(), "new \u0436\r\ntext\r\n");
    EXPECT_TRUE(form->Memo1->Modified());
    EXPECT_EQ(form->DocFileName, page);
    EXPECT_EQ(form->DocType(), dtHTML);
    EXPECT_EQ(form->Memo1->CaretPos(), (TPoint{2, 2}));
    EXPECT_EQ(copies(), 3) << "the recovered copy stays until the text is saved";
    ASSERT_TRUE(form->Save1Click());
    EXPECT_EQ(FileBytes(page), "new \xE6\r\ntext\r\n");
    EXPECT_EQ(copies(), 2);
  }
  boxes.Shown.clear();
  {
    auto form = ShownMainForm();
    boxes.Answers = {mrNo};
    form->OfferRecovery();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_TRUE(boxes.Shown[0].Text.startsWith(QStringLiteral("Recover the unsaved text of ") + never));
    EXPECT_FALSE(form->Memo1->Modified());
  }
  EXPECT_EQ(copies(), 1) << "the copy older than its file stays, unasked";
  for (TFoundCopy& copy : FindOrphanedCopies(folder)) DeleteFoundCopy(copy);
}

}  // namespace
