// File > Reopen: the window's list of recent documents, kept in the settings store.
#include <QAction>
#include <QMenu>

#include "FormStorage.h"
#include "RecentFiles.h"
#include "main.h"

void TMainForm::ConnectReopenMenu() {
  QMenu* reopen = Menu(QStringLiteral("Reopen1"));
  connect(reopen, &QMenu::aboutToShow, this, [this, reopen] {
    FillReopenMenu(*reopen, FRecentFiles, [this](const QString& Name) { Reopen(Name); });
  });
  connect(Menu(QStringLiteral("File1")), &QMenu::aboutToShow, this,
          [this, reopen] { reopen->menuAction()->setEnabled(!FRecentFiles.isEmpty()); });
}

void TMainForm::LoadRecentFiles() {
  // Files opened before the settings were read (the command line) stay in front.
  QStringList list = ReadRecentFiles(*FormStorage);
  for (auto it = FRecentFiles.crbegin(); it != FRecentFiles.crend(); ++it) list = WithRecentFile(list, *it);
  FRecentFiles = list;
  FRecentLoaded = true;
  StoreRecentFiles(*FormStorage, FRecentFiles);
}

void TMainForm::RememberDocument(const QString& FileName) {
  FRecentFiles = WithRecentFile(FRecentFiles, FileName);
  if (FRecentLoaded) StoreRecentFiles(*FormStorage, FRecentFiles);
}

void TMainForm::Reopen(const QString& FileName) {
  if (EditorModified() && !ConfirmDiscard()) return;
  OpenDocument(FileName);
}
