// The open file on disk: what it was when loaded or last saved, the question before a save would
// overwrite what another program wrote, and a watch on the file so that such a change is offered for
// reloading while the window is active.
#include <QApplication>
#include <QFileSystemWatcher>
#include <QTimer>

#include "MsgDlg.h"
#include "main.h"

void TMainForm::CreateDiskWatch() {
  FWatcher = new QFileSystemWatcher(this);
  FWatchDelay = new QTimer(this);
  // Programs often write a file in several steps; one question for all of them.
  FWatchDelay->setSingleShot(true);
  FWatchDelay->setInterval(300);
  connect(FWatcher, &QFileSystemWatcher::fileChanged, FWatchDelay, qOverload<>(&QTimer::start));
  connect(FWatchDelay, &QTimer::timeout, this, [this] { FileChangedOnDisk(); });
}

void TMainForm::RememberDiskState() {
  FDiskState = FileIdentityOf(DocFileName);
  FAskedState = FDiskState;
  // A save renames a new file over the old one, which ends the watch on it.
  if (!FWatcher->files().isEmpty()) FWatcher->removePaths(FWatcher->files());
  if (FDiskState.Exists) FWatcher->addPath(DocFileName);
}

bool TMainForm::ChangedOnDisk() const {
  const TFileIdentity now = FileIdentityOf(DocFileName);
  return now.Exists && now != FDiskState;
}

bool TMainForm::MayOverwrite(const QString& FileName) {
  if (!FOnDisk || FileName != DocFileName || !ChangedOnDisk()) return true;
  return MessageDlg(FileName + QStringLiteral(" has been changed by another program. Overwrite it?"),
                    mtWarning, mbYes | mbNo, this) == mrYes;
}

void TMainForm::FileChangedOnDisk() {
  // A file replaced by renaming is watched again under its name.
  if (FWatcher->files().isEmpty() && FileIdentityOf(DocFileName).Exists) FWatcher->addPath(DocFileName);
  // While the window is not active the check on its next activation asks instead.
  if (!isActiveWindow() || FInActivate || !FOnDisk || EditorHoldsOneEmptyLine()) return;
  const TFileIdentity now = FileIdentityOf(DocFileName);
  if (!now.Exists || now == FDiskState || now == FAskedState) return;
  FAskedState = now;
  OfferReload();
}

void TMainForm::OfferReload() {
  FInActivate = true;
  if (MessageDlg(DocFileName + QStringLiteral(" modified by external software\nReload this file?"), mtWarning,
                 mbYes | mbNo, this) == mrYes)
    LoadDocument(DocFileName);
  FInActivate = false;
}
