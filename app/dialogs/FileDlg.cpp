#include "FileDlg.h"

#include <QFileDialog>
#include <QStringList>

namespace {

class TQtFileDialogs : public TFileDialogs {
 public:
  QString OpenFileName(QWidget* Parent, const QString& Title, const QString& Filter) override {
    QFileDialog dialog(Parent, Title, FLastFolder, QtFileFilter(Filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog);
  }

  QString SaveFileName(QWidget* Parent, const QString& Title, const QString& Filter,
                       const QString& DefaultExt, const QString& Initial) override {
    QFileDialog dialog(Parent, Title, FLastFolder, QtFileFilter(Filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(DefaultExt);
    if (!Initial.isEmpty()) dialog.selectFile(Initial);
    return Run(dialog);
  }

 private:
  QString Run(QFileDialog& Dialog) {
    if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty()) return {};
    FLastFolder = Dialog.directory().absolutePath();
    return Dialog.selectedFiles().constFirst();
  }

  QString FLastFolder;
};

TQtFileDialogs QtDialogs;
TFileDialogs* Current = &QtDialogs;

}  // namespace

TFileDialogs& FileDialogs() { return *Current; }

void SetFileDialogs(TFileDialogs* Dialogs) { Current = Dialogs ? Dialogs : &QtDialogs; }

QString QtFileFilter(const QString& Filter) {
  const QStringList parts = Filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      pattern = pattern.trimmed();
      if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");  // names without a dot too
    }
    QString caption = parts[i];
    // A caption that already lists its patterns in brackets would get them twice.
    if (caption.contains(QLatin1Char('(')))
      caption = caption.left(caption.indexOf(QLatin1Char('('))).trimmed();
    filters << caption + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}
