// Commands that run out of memory for real: the test program starts itself again under an address-space
// limit (RLIMIT_AS), and a Replace All that needs more stops with "not enough memory" and the document
// exactly as it was. AddressSanitizer reserves far more address space than any such limit allows, so
// the run is skipped under it.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "MemoryBudget.h"
#include "ReplaceDlg.h"
#include "main_fakes.h"
#include "xeEditModel.h"

#if defined(__SANITIZE_ADDRESS__)
#define QUILLAN_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLAN_ASAN 1
#endif
#endif

namespace {

const char* const kChildVariable = "QUILLAN_TEST_UNDER_MEMORY_LIMIT";

// The address space in use now.
rlim_t AddressSpaceInUse() {
  std::ifstream statm("/proc/self/statm");
  unsigned long pages = 0;
  statm >> pages;
  return static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

// The child's part: a document of 3000 lines of 400 words "a", each to become 2 KB long (2.4 GB in
// all), with 192 MB of address space to spare. Gives the failures on standard error and its exit code.
int ReplaceAllUnderALimit() {
  EnsureQtApp();
  TScriptedBoxes boxes;
  TxeEditModel editor;
  std::string line;
  for (int i = 0; i < 400; ++i) line += "a ";
  std::string text;
  for (int i = 0; i < 3000; ++i) text += line + "\n";
  editor.SetText(text);
  editor.SetCaretPos({1, 1});
  editor.SetSelBegin({1, 1});
  editor.InsertText({1, 1}, "x");  // an undo record that must stay the only one
  editor.SetModified(false);
  const std::string before = editor.Text();
  const TPoint caret = editor.CaretPos();
  TReplaceDlg dialog;
  ConnectReplaceDlg(dialog, [&editor] { return &editor; });
  dialog.SetFindText(QStringLiteral("a"));
  dialog.SetReplaceText(QString(2048, QLatin1Char('b')));

  rlimit old{};
  ::getrlimit(RLIMIT_AS, &old);
  const rlimit limited{AddressSpaceInUse() + (192u << 20), old.rlim_max};
  if (::setrlimit(RLIMIT_AS, &limited) != 0) return 10;
  dialog.ReplaceAllBtn->click();
  ::setrlimit(RLIMIT_AS, &old);

  int failures = 0;
  auto check = [&failures](bool ok, const char* what) {
    if (!ok) std::fprintf(stderr, "failed: %s\n", what), ++failures;
  };
  check(boxes.Shown.size() == 1 && boxes.Shown.front().Text == QString::fromLatin1(kNotEnoughMemoryMessage),
        "one 'not enough memory' message");
  check(editor.Text() == before, "the text as it was");
  check(!editor.Modified(), "not modified");
  check(editor.UndoCount() == 1 && editor.RedoCount() == 0, "the undo lists as they were");
  check(editor.CaretPos() == caret, "the caret where it was");
  // With memory enough again the same command works.
  dialog.SetReplaceText(QStringLiteral("b"));
  dialog.ReplaceAllBtn->click();
  check(dialog.Message() == QStringLiteral("1200000 occurrences replaced") && editor.Modified(),
        "all replaced afterwards");
  return failures == 0 ? 0 : 11;
}

}  // namespace

TEST(MemoryLimit, ReplaceAllThatRunsOutOfMemoryLeavesTheDocumentAsItWas) {
  // The child leaves at once with its verdict; the parent reads the exit code.
  if (qEnvironmentVariableIsSet(kChildVariable)) std::_Exit(ReplaceAllUnderALimit());
#ifdef QUILLAN_ASAN
  GTEST_SKIP() << "AddressSanitizer's allocator does not run within an address-space limit";
#endif
  EnsureQtApp();
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
  child.setProcessEnvironment(env);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(
      QStringLiteral("/proc/self/exe"),
      {QStringLiteral("--gtest_filter=MemoryLimit.ReplaceAllThatRunsOutOfMemoryLeavesTheDocumentAsItWas")});
  ASSERT_TRUE(child.waitForFinished(300000));
  const std::string output = child.readAll().toStdString();
  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output;
  EXPECT_EQ(child.exitCode(), 0) << output;
}
