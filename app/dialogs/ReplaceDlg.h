// The modeless find/replace dialog, and the search and print commands of the main window.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

#include "xeEditSearch.h"

struct TxeRegexError;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TMainForm;
class TxeEditModel;

// What the dialog reports with its events, as the platform's find/replace dialog does.
using TFindOptions = std::uint8_t;
constexpr TFindOptions frDown = 1u << 0;
constexpr TFindOptions frMatchCase = 1u << 1;
constexpr TFindOptions frWholeWord = 1u << 2;
constexpr TFindOptions frFindNext = 1u << 3;
constexpr TFindOptions frReplace = 1u << 4;
constexpr TFindOptions frReplaceAll = 1u << 5;
constexpr TFindOptions frRegExpr = 1u << 6;

class TReplaceDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TReplaceDlg(QWidget* Parent = nullptr);

  QString FindText() const;
  void SetFindText(const QString& Value);
  QString ReplaceText() const;
  void SetReplaceText(const QString& Value);
  // The state of the check boxes and the direction, plus the button that raised the last event.
  TFindOptions Options() const { return FOptions; }
  // What the last search came to ("'TEXT' was not found", a count); empty hides the line.
  void ShowMessage(const QString& Text);
  QString Message() const;
  // The focus in the find field, its text selected, ready for typing or Enter.
  void FocusFindText();
  // Says why a regular expression could not be used, and puts the cursor in its field where the fault lies.
  // A search that stopped midway says, when Replaced is not negative, how many it had replaced by then.
  void ShowSearchError(const TxeRegexError& Error, int Replaced = -1);

  QLineEdit* FindEdit = nullptr;
  QLineEdit* ReplaceEdit = nullptr;
  QCheckBox* MatchCaseBox = nullptr;
  QCheckBox* WholeWordBox = nullptr;
  QCheckBox* RegExprBox = nullptr;
  QRadioButton* UpBtn = nullptr;
  QRadioButton* DownBtn = nullptr;
  QPushButton* FindNextBtn = nullptr;
  QPushButton* ReplaceBtn = nullptr;
  QPushButton* ReplaceAllBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QLabel* MessageLbl = nullptr;

  // Find Next, and Replace / Replace All.
  std::function<void(TReplaceDlg& Sender)> OnFind;
  std::function<void(TReplaceDlg& Sender)> OnReplace;
  // The dialog was closed (Esc, Cancel, the close box).
  std::function<void()> OnClosed;

 private:
  void Raise(TFindOptions Button);
  void UpdateButtons();
  TFindOptions FOptions = frDown;
};

// The main window's handlers: options from the dialog's boxes, always forward from the caret.
// Find reports in the dialog what it did not find, after offering to go on from the top; Replace
// All reports how many occurrences it replaced.
TxeSearchOptions ReplaceDlgFindOptions(const TReplaceDlg& Dialog);
// The check boxes as they stand now, for Find Next and Previous with the dialog closed.
TxeSearchOptions ReplaceDlgBoxOptions(const TReplaceDlg& Dialog);
TxeSearchOptions ReplaceDlgReplaceOptions(const TReplaceDlg& Dialog);
void ReplaceDlgFind(TReplaceDlg& Dialog, TxeEditModel& Editor);
void ReplaceDlgReplace(TReplaceDlg& Dialog, TxeEditModel& Editor);

// Connects the dialog's events to the editor that Editor() gives at the time (none: nothing happens).
void ConnectReplaceDlg(TReplaceDlg& Dialog, std::function<TxeEditModel*()> Editor);

// "Seach/&Replace" and "&Print...": shows the dialog (created once, owned by the window) or the print
// dialog followed by printing of the whole document.
struct TxePrintOptions;
// One copy of the whole document, plain, 12 mm margins, titled with the file name.
TxePrintOptions MainPrintOptions(const QString& FileName);
void SeachReplace1Click(TMainForm& Form);
// F3 and Shift+F3: the dialog's text and boxes, from the caret onwards or backwards; the dialog opens
// when it has no text yet.
void FindAgain(TMainForm& Form, bool Backward);
void Print1Click(TMainForm& Form);
void InstallSearchPrintCommands(TMainForm& Form);
