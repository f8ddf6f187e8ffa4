// A search over the document that takes long shows its progress with Cancel after half a second, as
// loading does. The search runs on the window's thread (it may change the text) and reports as it goes;
// every twentieth of a second or so the window then paints and the dialog's Cancel answers, while the
// dialog keeps input from every other window of the program, so nothing else changes the document meanwhile.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;
class TxeEditModel;

class TSearchProgress {
 public:
  // While it lives, Editor's searches report to it (TxeEditModel::OnSearchProgress).
  TSearchProgress(TxeEditModel& Editor, QWidget* Parent, const QString& Label);
  ~TSearchProgress();
  TSearchProgress(const TSearchProgress&) = delete;
  TSearchProgress& operator=(const TSearchProgress&) = delete;

  // A report of Done lines of Total; false once the user has cancelled.
  bool Step(int Done, int Total);
  bool Canceled() const { return FCanceled; }
  // Takes the dialog away (before a question, say); the next search shows it after its own half second.
  void Hide();
  // Whether a search that reports is under way.
  static bool Running();

 private:
  TxeEditModel& FEditor;
  QPointer<QWidget> FParent;
  QString FLabel;
  QElapsedTimer FClock;
  qint64 FNextLook = 0;
  QPointer<QProgressDialog> FDialog;  // a child of Parent, which may take it along
  bool FCanceled = false;
};
