#include "SearchProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <algorithm>

#include "xeEditModel.h"

namespace {

constexpr qint64 kShowAfterMs = 500;
constexpr qint64 kLookEveryMs = 50;
int gRunning = 0;

}  // namespace

TSearchProgress::TSearchProgress(TxeEditModel& Editor, QWidget* Parent, const QString& Label)
    : FEditor(Editor), FParent(Parent), FLabel(Label) {
  FClock.start();
  FEditor.OnSearchProgress = [this](int Done, int Total) { return Step(Done, Total); };
  ++gRunning;
}

TSearchProgress::~TSearchProgress() {
  FEditor.OnSearchProgress = nullptr;
  --gRunning;
  delete FDialog;
}

bool TSearchProgress::Running() { return gRunning > 0; }

void TSearchProgress::Hide() {
  delete FDialog;
  FClock.restart();
  FNextLook = 0;
}

bool TSearchProgress::Step(int Done, int Total) {
  if (FCanceled) return false;
  const qint64 now = FClock.elapsed();
  if (now < FNextLook) return true;
  FNextLook = now + kLookEveryMs;
  // A short search leaves the window alone: no dialog, and no event is handled in its middle.
  if (!FDialog) {
    if (now < kShowAfterMs) return true;
    FDialog = new QProgressDialog(FLabel, QStringLiteral("Cancel"), 0, 1000, FParent);
    FDialog->setObjectName(QStringLiteral("SearchProgressDlg"));
    FDialog->setWindowTitle(QStringLiteral("Search"));
    FDialog->setWindowModality(Qt::ApplicationModal);
    FDialog->setMinimumDuration(0);
    FDialog->setAutoReset(false);
    FDialog->setAutoClose(false);
    FDialog->show();
  }
  FDialog->setValue(static_cast<int>(std::clamp<qint64>(qint64(Done) * 1000 / std::max(Total, 1), 0, 1000)));
  QCoreApplication::processEvents();
  FCanceled = FDialog && FDialog->wasCanceled();
  return !FCanceled;
}
