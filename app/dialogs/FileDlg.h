// File name dialogs, behind one replaceable layer so that tests can answer them.
#pragma once

#include <QString>

class QWidget;

class TFileDialogs {
 public:
  virtual ~TFileDialogs() = default;
  // Both return the chosen path, or an empty string when the user cancels.
  // Filter is in the "Caption|patterns|Caption|patterns" form.
  virtual QString OpenFileName(QWidget* Parent, const QString& Title, const QString& Filter) = 0;
  // DefaultExt (without a dot, may be empty) is added to a name typed without an extension.
  virtual QString SaveFileName(QWidget* Parent, const QString& Title, const QString& Filter,
                               const QString& DefaultExt, const QString& Initial) = 0;
};

TFileDialogs& FileDialogs();
// Replaces the layer; nullptr restores the QFileDialog one. The caller keeps ownership.
void SetFileDialogs(TFileDialogs* Dialogs);

// "HTML files|*.htm;*.html|All files|*.*" as a Qt filter: "HTML files (*.htm *.html);;All files (*)".
QString QtFileFilter(const QString& Filter);
