// A search or Replace All that takes long shows its progress with Cancel after half a second; Cancel leaves
// the document as it was. A Replace All that an expression stops midway says how many it had replaced.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <string>

#include "ReplaceDlg.h"
#include "SearchProgress.h"
#include "main_fakes.h"
#include "xeEditModel.h"

namespace {

QProgressDialog* ShownProgress() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* p = qobject_cast<QProgressDialog*>(w);
        p && p->objectName() == "SearchProgressDlg" && p->isVisible())
      return p;
  return nullptr;
}

// Thousands of lines on which (a|aa)+$ tries every way to split the a's: many seconds of work.
TEST(SearchProgress, LongSearchShowsProgressAndCancelLeavesEverythingAsItWas) {
  EnsureQtApp();
  std::string text;
  for (int i = 0; i < 3000; ++i) text += std::string(22, 'a') + "b\n";
  for (QPushButton* TReplaceDlg::*button : {&TReplaceDlg::FindNextBtn, &TReplaceDlg::ReplaceAllBtn}) {
    TxeEditModel editor;
    editor.SetText(text);
    editor.SetCaretXY(3, 2);
    editor.SetSelBegin({3, 2});
    editor.SetModified(false);
    const std::string before = editor.Text();
    TReplaceDlg dialog;
    ConnectReplaceDlg(dialog, [&editor] { return &editor; });
    dialog.RegExprBox->setChecked(true);
    dialog.SetFindText(QStringLiteral("(a|aa)+$"));
    dialog.SetReplaceText(QStringLiteral("x"));

    QString label;
    bool modal = false, sawRunning = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      QProgressDialog* progress = ShownProgress();
      if (!progress || !label.isEmpty()) return;
      label = progress->labelText();
      modal = progress->windowModality() == Qt::ApplicationModal;
      sawRunning = TSearchProgress::Running();
      progress->findChild<QPushButton*>()->click();
    });
    watch.start(20);
    (dialog.*button)->click();
    watch.stop();

    EXPECT_TRUE(label.contains(QStringLiteral("(a|aa)+$"))) << label.toStdString();
    EXPECT_TRUE(modal);
    EXPECT_TRUE(sawRunning);
    EXPECT_FALSE(TSearchProgress::Running());
    EXPECT_EQ(ShownProgress(), nullptr);
    EXPECT_EQ(editor.Text(), before);
    EXPECT_EQ(editor.CaretPos(), (TPoint{3, 2}));
    EXPECT_FALSE(editor.HasSelection());
    EXPECT_FALSE(editor.UndoAvailable());
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(dialog.Message(), button == &TReplaceDlg::FindNextBtn
                                    ? QStringLiteral("The search was stopped.")
                                    : QStringLiteral("Replace All was stopped; nothing was replaced."));
  }
}

// On line 3 the expression gives up (PCRE2's match limit): the two lines before stay replaced, as one step
// to undo, and the dialog says where it stopped and how many it had replaced.
TEST(SearchProgress, ReplaceAllStoppedByTheMatchLimitSaysHowManyItReplaced) {
  EnsureQtApp();
  TxeEditModel editor;
  editor.SetText("x\nx\n" + std::string(40, 'a') + "b\nx\n");
  TReplaceDlg dialog;
  ConnectReplaceDlg(dialog, [&editor] { return &editor; });
  dialog.RegExprBox->setChecked(true);
  dialog.SetFindText(QStringLiteral("(a|aa)+$|x"));
  dialog.SetReplaceText(QStringLiteral("y"));
  dialog.ReplaceAllBtn->click();
  EXPECT_EQ(editor.LineText(1), "y");
  EXPECT_EQ(editor.LineText(2), "y");
  EXPECT_EQ(editor.LineText(4), "x");
  EXPECT_TRUE(dialog.Message().startsWith(QStringLiteral("The search stopped on line 3: ")))
      << dialog.Message().toStdString();
  EXPECT_TRUE(dialog.Message().endsWith(QStringLiteral("2 occurrences were replaced before it stopped.")))
      << dialog.Message().toStdString();
  editor.Undo();
  EXPECT_EQ(editor.LineText(1), "x");
  EXPECT_EQ(editor.LineText(2), "x");
  EXPECT_FALSE(editor.UndoAvailable());
}

}  // namespace
