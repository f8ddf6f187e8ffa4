// When the live preview may start at all, and the start after a program that ended abnormally with the
// preview on.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QStatusBar>

#include "FormStorage.h"
#include "LivePreview.h"
#include "LivePreviewGuard.h"
#include "MainStatusBar.h"
#include "RecoveryCopy.h"
#include "main_fakes.h"

namespace {

TEST(PreviewGuard, RootGetsThePreviewOnlyWithTheSandboxTurnedOff) {
  const struct {
    uid_t User, Effective;
    const char* Flags;
    bool SandboxOff, Available;
  } rows[] = {
      {1000, 1000, "", false, true},
      {0, 0, "", false, false},
      {1000, 0, "", false, false},
      {0, 1000, "", false, false},
      {0, 0, "--disable-gpu", false, false},
      {0, 0, "--no-sandbox", false, true},
      {0, 0, "--disable-gpu   --no-sandbox --foo", false, true},
      {0, 0, "-no-sandbox", false, true},
      {0, 0, "--no-sandbox=1", false, true},
      {0, 0, "--no-sandboxes", false, false},
      {0, 0, "--disable-no-sandbox", false, false},
      {0, 0, "no-sandbox", false, false},
      {0, 0, "", true, true},
  };
  for (const auto& row : rows) {
    const QString why = PreviewUnavailableReason(row.User, row.Effective, row.Flags, row.SandboxOff);
    EXPECT_EQ(why.isEmpty(), row.Available) << row.User << ' ' << row.Effective << " '" << row.Flags << "'";
    if (!row.Available) {
      EXPECT_TRUE(why.contains("not available for root"));
    }
  }
}

TEST(PreviewGuard, MarksOfLivingProgramsStayAndAbandonedOnesAreTaken) {
  QTemporaryDir dir;
  const QString folder = dir.filePath("state/quillan");
  EXPECT_FALSE(TakeAbandonedPreviewMarks(folder)) << "no folder yet";
  {
    TPreviewRunMark running, second;
    ASSERT_TRUE(running.Set(folder));
    ASSERT_TRUE(second.Set(folder));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u) << "made private";
    EXPECT_FALSE(TakeAbandonedPreviewMarks(folder)) << "their program still runs";
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 2);
    second.Clear();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 1) << "a clean end takes its mark away";
  }
  EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());

  // What a killed program leaves: a mark nobody holds, beside a link that must stay untouched.
  WriteBytes(folder + "/livepreview-1.mark", "");
  WriteBytes(folder + "/livepreview-2.new", "");
  WriteBytes(dir.filePath("target"), "kept");
  ASSERT_EQ(::symlink(QFile::encodeName(dir.filePath("target")).constData(),
                      QFile::encodeName(folder + "/livepreview-3.mark").constData()),
            0);
  EXPECT_TRUE(TakeAbandonedPreviewMarks(folder));
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::System), QStringList{"livepreview-3.mark"});
  EXPECT_EQ(FileBytes(dir.filePath("target")), "kept");
  EXPECT_FALSE(TakeAbandonedPreviewMarks(folder));
}

// A state folder planted as a link to another folder gets no marks, and its marks are not taken.
TEST(PreviewGuard, AStateFolderThatIsALinkIsLeftAlone) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir().mkpath(dir.filePath("elsewhere")) && QDir().mkpath(dir.filePath("state")));
  const QString folder = dir.filePath("state/quillan");
  ASSERT_TRUE(QFile::link(dir.filePath("elsewhere"), folder));
  WriteBytes(dir.filePath("elsewhere/livepreview-1.mark"), "");
  TPreviewRunMark mark;
  EXPECT_FALSE(mark.Set(folder));
  EXPECT_FALSE(TakeAbandonedPreviewMarks(folder));
  EXPECT_EQ(QDir(dir.filePath("elsewhere")).entryList(QDir::Files), QStringList{"livepreview-1.mark"});
}

TEST(PreviewGuard, AStartAfterAnAbnormalEndLeavesThePreviewOff) {
  EnsureQtApp();
  // A program that ended with its preview on, and the setting remembered as on from an earlier run.
  ASSERT_TRUE(QDir().mkpath(RecoveryFolder()));
  WriteBytes(RecoveryFolder() + "/livepreview-0123.mark", "");
  auto form = ShownMainForm({}, {{"livepreview", "True"}});
  QAction* action = form->Action("Livepreview1");
  ASSERT_NE(action, nullptr);
  EXPECT_FALSE(action->isChecked());
  EXPECT_EQ(form->findChild<TLivePreviewPane*>("LivePreviewPane"), nullptr) << "no web engine started";
  EXPECT_EQ(form->StatusBar1->currentMessage(), "Live preview off after an abnormal end; F12 turns it on.");
  EXPECT_FALSE(form->FormStorage->ReadBool("livepreview"));
  EXPECT_FALSE(QFileInfo::exists(RecoveryFolder() + "/livepreview-0123.mark"));

  // Once only: the next start has nothing to say.
  form.reset();
  form = ShownMainForm({}, {{"livepreview", "False"}});
  EXPECT_EQ(form->StatusBar1->currentMessage(), "");
}

}  // namespace
