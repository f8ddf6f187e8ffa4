// The pane of HTML > "Check page": checks the editor's current text in a worker thread, lists the
// errors and warnings (line, column, message), takes the caret to an activated entry, and marks the
// lines in the editor's gutter while the list is shown.
#pragma once

#include <QDockWidget>
#include <QPointer>
#include <QTimer>
#include <map>
#include <memory>
#include <vector>

#include "PageCheck.h"

class QLabel;
class QTreeView;
class TMark;
class TMainForm;
class TPageProblemModel;
class TxeCustomEdit;

class TPageCheckPane : public QDockWidget {
  Q_OBJECT
 public:
  TPageCheckPane(TxeCustomEdit* Editor, QWidget* Parent);
  ~TPageCheckPane() override;

  // Starts a check of the editor's text as it stands; a check still running is abandoned.
  void Check();
  bool Checking() const { return FJob != nullptr; }
  const std::vector<TPageProblem>& Problems() const;
  QString Status() const;
  QTreeView* List() const { return FList; }
  // Moves the editor's caret to the entry's place, on the line its mark has moved to since.
  void GoTo(int Row);

 signals:
  void Finished();

 private:
  struct TJob;
  void Poll();
  void Show(TPageCheckResult Result);
  void AddMarks();
  void RemoveMarks();
  void Abandon();

  QPointer<TxeCustomEdit> FEditor;
  QLabel* FStatus = nullptr;
  QTreeView* FList = nullptr;
  TPageProblemModel* FModel = nullptr;
  QTimer FPoll;
  std::shared_ptr<TJob> FJob;
  std::map<int, TMark*> FMarks;  // by the line Tidy reported; the mark follows edits
  bool FGutterWidened = false;   // the gutter was hidden or too narrow before the marks came
  bool FOldGutterVisible = false;
  int FOldGutterWidth = 0;
};

void InstallPageCheck(TMainForm& Form);
