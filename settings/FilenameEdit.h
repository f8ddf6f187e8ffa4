// TFilenameEdit: a line edit for a program path with a browse button inside it.
#pragma once

#include <QLineEdit>

class QAction;

class TFilenameEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TFilenameEdit(QWidget* parent = nullptr);

  QString DialogTitle;
  QString Filter;

  QAction* BrowseAction() const { return FBrowse; }
  // Opens the file dialog and takes the chosen file; a cancelled dialog keeps the text.
  void Browse();

 private:
  QAction* FBrowse;
};
