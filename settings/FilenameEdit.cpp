#include "FilenameEdit.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QStyle>

TFilenameEdit::TFilenameEdit(QWidget* parent) : QLineEdit(parent) {
  FBrowse = addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
  connect(FBrowse, &QAction::triggered, this, &TFilenameEdit::Browse);
}

void TFilenameEdit::Browse() {
  const QString current = text();
  const QString start = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
  // The last filter lists every file: programs here rarely carry an extension.
  const QStringList filters = Filter.split(QStringLiteral(";;"));
  QString selected = filters.isEmpty() ? QString() : filters.last();
  const QString chosen = QFileDialog::getOpenFileName(this, DialogTitle, start, Filter, &selected);
  if (!chosen.isEmpty()) setText(chosen);
}
