// The open file on disk: what it held when loaded or last saved, the question before a save would
// overwrite what another program wrote, and a watch on the file so that such a change is offered for
// reloading while the window is active. Only a change of the contents counts: a file touched, or written
// again with the same bytes, asks nothing.
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

void TMainForm::RememberDiskState(const std::optional<std::uint64_t>& Checksum) {
  FDiskState = {FileIdentityOf(DocFileName), Checksum};
  FAskedState = FDiskState.Identity;
  // A save renames a new file over the old one, which ends the watch on it.
  if (!FWatcher->files().isEmpty()) FWatcher->removePaths(FWatcher->files());
  if (FDiskState.Identity.Exists) FWatcher->addPath(DocFileName);
}

bool TMainForm::ContentChangedOnDisk() {
  TContentStamp now;
  if (ContentChanged(FDiskState, DocFileName, &now)) return true;
  // The same bytes under a new time: the next look need not read them again.
  FDiskState = now;
  return false;
}

bool TMainForm::MayOverwrite(const QString& FileName) {
  if (!FOnDisk || FileName != DocFileName || !FileIdentityOf(DocFileName).Exists || !ContentChangedOnDisk())
    return true;
  return MessageDlg(FileName + QStringLiteral(" has been changed by another program. Overwrite it?"),
                    mtWarning, mbYes | mbNo, this) == mrYes;
}

void TMainForm::FileChangedOnDisk() {
  // A file replaced by renaming is watched again under its name.
  if (FWatcher->files().isEmpty() && FileIdentityOf(DocFileName).Exists) FWatcher->addPath(DocFileName);
  // While the window is not active the check on its next activation asks instead.
  if (!isActiveWindow() || FInActivate || !FOnDisk || EditorHoldsOneEmptyLine()) return;
  const TFileIdentity now = FileIdentityOf(DocFileName);
  if (!now.Exists || now == FDiskState.Identity || now == FAskedState) return;
  FAskedState = now;
  if (ContentChangedOnDisk()) OfferReload();
}

void TMainForm::OfferReload() {
  FInActivate = true;
  QString question = DocFileName + QStringLiteral(" modified by external software\nReload this file?");
  int buttons = mbYes | mbNo;
  // Unsaved work is not thrown away by a key pressed out of habit.
  if (EditorModified()) {
    question += QStringLiteral("\n\nReloading discards your unsaved changes.");
    buttons |= mbDefaultNo;
  }
  if (MessageDlg(question, mtWarning, buttons, this) == mrYes) LoadDocument(DocFileName);
  FInActivate = false;
}
