// The pane of HTML > "Check page": checks the editor's current text in a process of its own
// (PageCheckRun.h), lists the errors and warnings (line, column, message), takes the caret to an
// activated entry, and marks the lines in the editor's gutter while the list is shown. A check that
// crashes or hits a limit leaves one line saying so.
#pragma once

#include <QDockWidget>
#include <QPointer>
#include <map>
#include <vector>

#include "PageCheck.h"
#include "PageCheckRun.h"

class QLabel;
class QPushButton;
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
  bool Checking() const { return FRun != nullptr; }
  // Ends a running check; nothing of it is shown.
  void Cancel();
  // The list and its marks belong to a document that has been replaced.
  void Forget();
  const std::vector<TPageProblem>& Problems() const;
  QString Status() const;
  QTreeView* List() const { return FList; }
  // Moves the editor's caret to the entry's place, on the line its mark has moved to since.
  void GoTo(int Row);

  // Another check program and limits than the installed ones (tests, benchmarks).
  void SetProgram(const QString& Program) { FProgram = Program; }
  void SetLimits(const TPageCheckLimits& Limits) { FLimits = Limits; }
  qint64 CheckProcessId() const { return FRun ? FRun->ProcessId() : 0; }

 signals:
  void Finished();

 private:
  void ShowProgress();
  void RunEnded();
  void Show(TPageCheckResult Result);
  void AddMarks();
  void RemoveMarks();
  void Abandon();

  QPointer<TxeCustomEdit> FEditor;
  QLabel* FStatus = nullptr;
  QPushButton* FCancel = nullptr;
  QTreeView* FList = nullptr;
  TPageProblemModel* FModel = nullptr;
  TPageCheckRun* FRun = nullptr;
  QString FProgram;
  TPageCheckLimits FLimits;
  std::map<int, TMark*> FMarks;  // by the line Tidy reported; the mark follows edits
  bool FGutterWidened = false;   // the gutter was hidden or too narrow before the marks came
  bool FOldGutterVisible = false;
  int FOldGutterWidth = 0;
};

void InstallPageCheck(TMainForm& Form);
