#include "ReplaceDlg.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "MemoryReport.h"
#include "MsgDlg.h"
#include "SearchFeedback.h"
#include "SearchProgress.h"
#include "main.h"
#include "xeCustomEdit.h"
#include "xeEditModel.h"
#include "xePrint.h"
#include "xeRegexSearch.h"

namespace {

template <class T>
T* Named(T* Widget, const char* Name) {
  Widget->setObjectName(QString::fromLatin1(Name));
  return Widget;
}

// Memo1 is a widget that is also the editing model.
QWidget* EditorWidget(TMainForm& Form) { return Form.findChild<QWidget*>(QStringLiteral("Memo1")); }
TxeEditModel* EditorOf(TMainForm& Form) { return dynamic_cast<TxeEditModel*>(EditorWidget(Form)); }

}  // namespace

TReplaceDlg::TReplaceDlg(QWidget* Parent) : QDialog(Parent) {
  setObjectName(QStringLiteral("ReplaceDlg"));
  setWindowTitle(QStringLiteral("Replace"));
  setModal(false);

  FindEdit = Named(new QLineEdit(this), "FindEdit");
  ReplaceEdit = Named(new QLineEdit(this), "ReplaceEdit");
  auto* findLabel = Named(new QLabel(QStringLiteral("Fi&nd what:"), this), "FindLabel");
  auto* replaceLabel = Named(new QLabel(QStringLiteral("Re&place with:"), this), "ReplaceLabel");
  findLabel->setBuddy(FindEdit);
  replaceLabel->setBuddy(ReplaceEdit);
  MatchCaseBox = Named(new QCheckBox(QStringLiteral("Match &case"), this), "MatchCaseBox");
  WholeWordBox = Named(new QCheckBox(QStringLiteral("Match &whole word only"), this), "WholeWordBox");
  RegExprBox = Named(new QCheckBox(QStringLiteral("Regular e&xpression"), this), "RegExprBox");
  RegExprBox->setToolTip(QStringLiteral(
      "Find what is a Perl-compatible regular expression.\nA match stays within one line.\n"
      "In the replace text, $1 to $9, ${name} and $0 stand for\nwhat the groups matched, $$ for a "
      "dollar sign."));
  auto* direction = Named(new QGroupBox(QStringLiteral("Direction"), this), "DirectionBox");
  UpBtn = Named(new QRadioButton(QStringLiteral("&Up"), direction), "UpBtn");
  DownBtn = Named(new QRadioButton(QStringLiteral("&Down"), direction), "DownBtn");
  DownBtn->setChecked(true);
  auto* directionLayout = new QHBoxLayout(direction);
  directionLayout->addWidget(UpBtn);
  directionLayout->addWidget(DownBtn);

  FindNextBtn = Named(new QPushButton(QStringLiteral("&Find Next"), this), "FindNextBtn");
  ReplaceBtn = Named(new QPushButton(QStringLiteral("&Replace"), this), "ReplaceBtn");
  ReplaceAllBtn = Named(new QPushButton(QStringLiteral("Replace &All"), this), "ReplaceAllBtn");
  CancelBtn = Named(new QPushButton(QStringLiteral("Cancel"), this), "CancelBtn");
  FindNextBtn->setDefault(true);
  MessageLbl = Named(new QLabel(this), "MessageLbl");
  MessageLbl->setTextFormat(Qt::PlainText);
  MessageLbl->hide();

  auto* fields = new QGridLayout;
  fields->addWidget(findLabel, 0, 0);
  fields->addWidget(FindEdit, 0, 1);
  fields->addWidget(replaceLabel, 1, 0);
  fields->addWidget(ReplaceEdit, 1, 1);
  auto* boxes = new QHBoxLayout;
  auto* checks = new QVBoxLayout;
  checks->addWidget(MatchCaseBox);
  checks->addWidget(WholeWordBox);
  checks->addWidget(RegExprBox);
  boxes->addLayout(checks);
  boxes->addWidget(direction);
  auto* left = new QVBoxLayout;
  left->addLayout(fields);
  left->addLayout(boxes);
  left->addWidget(MessageLbl);
  left->addStretch();
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {FindNextBtn, ReplaceBtn, ReplaceAllBtn, CancelBtn}) buttons->addWidget(b);
  buttons->addStretch();
  auto* top = new QHBoxLayout(this);
  top->addLayout(left, 1);
  top->addLayout(buttons);

  connect(FindNextBtn, &QPushButton::clicked, this, [this] { Raise(frFindNext); });
  connect(ReplaceBtn, &QPushButton::clicked, this, [this] { Raise(frReplace); });
  connect(ReplaceAllBtn, &QPushButton::clicked, this, [this] { Raise(frReplaceAll); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(this, &QDialog::finished, this, [this] {
    if (OnClosed) OnClosed();
  });
  connect(FindEdit, &QLineEdit::textChanged, this, [this] {
    UpdateButtons();
    ShowMessage(QString());
  });
  // A report about the last search no longer applies once what it was about changes.
  connect(ReplaceEdit, &QLineEdit::textEdited, this, [this] { ShowMessage(QString()); });
  connect(RegExprBox, &QCheckBox::toggled, this, [this] { ShowMessage(QString()); });
  UpdateButtons();
}

QString TReplaceDlg::FindText() const { return FindEdit->text(); }
void TReplaceDlg::SetFindText(const QString& Value) { FindEdit->setText(Value); }
QString TReplaceDlg::ReplaceText() const { return ReplaceEdit->text(); }
void TReplaceDlg::SetReplaceText(const QString& Value) { ReplaceEdit->setText(Value); }

void TReplaceDlg::ShowMessage(const QString& Text) {
  MessageLbl->setStyleSheet(QString());
  MessageLbl->setText(Text);
  MessageLbl->setVisible(!Text.isEmpty());
}

QString TReplaceDlg::Message() const { return MessageLbl->text(); }

void TReplaceDlg::FocusFindText() {
  FindEdit->setFocus();
  FindEdit->selectAll();
}

void TReplaceDlg::UpdateButtons() {
  const bool any = !FindEdit->text().isEmpty();
  for (QPushButton* b : {FindNextBtn, ReplaceBtn, ReplaceAllBtn}) b->setEnabled(any);
}

void TReplaceDlg::Raise(TFindOptions Button) {
  FOptions = Button;
  if (DownBtn->isChecked()) FOptions |= frDown;
  if (MatchCaseBox->isChecked()) FOptions |= frMatchCase;
  if (WholeWordBox->isChecked()) FOptions |= frWholeWord;
  if (RegExprBox->isChecked()) FOptions |= frRegExpr;
  if (Button == frFindNext) {
    if (OnFind) OnFind(*this);
  } else if (OnReplace) {
    OnReplace(*this);
  }
}

void TReplaceDlg::ShowSearchError(const TxeRegexError& Error, int Replaced) {
  QString message = SearchErrorMessage(Error, FindText(), ReplaceText());
  if (Error.Where == TxeRegexError::reMatch && Replaced >= 0)
    message += QLatin1Char('\n') + ReplacedBeforeStopMessage(Replaced);
  ShowMessage(message);
  MessageLbl->setStyleSheet(QStringLiteral("color: #b00000"));
  QLineEdit* field = Error.Where == TxeRegexError::rePattern       ? FindEdit
                     : Error.Where == TxeRegexError::reReplacement ? ReplaceEdit
                                                                   : nullptr;
  if (!field) return;
  field->setFocus();
  field->setCursorPosition(CharactersBefore(field->text(), Error.Offset));
}

TxeSearchOptions ReplaceDlgFindOptions(const TReplaceDlg& Dialog) {
  TxeSearchOptions options = 0;
  if (Dialog.Options() & frMatchCase) options |= srMatchCase;
  if (Dialog.Options() & frWholeWord) options |= srWholeWord;
  if (Dialog.Options() & frRegExpr) options |= srRegExpr;
  return options;  // the direction is not passed on: every search runs forward from the caret
}

TxeSearchOptions ReplaceDlgReplaceOptions(const TReplaceDlg& Dialog) {
  TxeSearchOptions options = ReplaceDlgFindOptions(Dialog);
  if (Dialog.Options() & frReplaceAll)
    options |= srReplaceAll;
  else if (Dialog.Options() & frReplace)
    options |= srReplace;
  return options;
}

TxeSearchOptions ReplaceDlgBoxOptions(const TReplaceDlg& Dialog) {
  TxeSearchOptions options = 0;
  if (Dialog.MatchCaseBox->isChecked()) options |= srMatchCase;
  if (Dialog.WholeWordBox->isChecked()) options |= srWholeWord;
  if (Dialog.RegExprBox->isChecked()) options |= srRegExpr;
  return options;
}

namespace {

// Finds with the options given; offers, in a question box over Asker, to go on from the other end,
// and says what was not found in the dialog (InDialog) or in a box of its own.
void FindAndReport(TReplaceDlg& Dialog, TxeEditModel& Editor, TxeSearchOptions Options, QWidget* Asker,
                   bool InDialog) {
  Dialog.ShowMessage(QString());
  TSearchProgress progress(Editor, Asker, QStringLiteral("Searching for '%1'...").arg(Dialog.FindText()));
  const TFindOutcome outcome = FindWithWrap(
      Editor, Dialog.FindText().toStdString(), Options,
      [Asker, &progress](const QString& Question) {
        progress.Hide();
        return MessageDlg(Question, mtConfirmation, mbYes | mbNo, Asker) == mrYes;
      },
      [&progress](int Done, int Total) { return progress.Step(Done, Total); });
  if (outcome == foStopped) {
    if (InDialog) Dialog.ShowMessage(StoppedMessage(false));
    return;
  }
  if (outcome != foNotFound) return;
  if (const TxeRegexError& error = Editor.SearchError()) {
    if (InDialog)
      Dialog.ShowSearchError(error);
    else
      MessageDlg(SearchErrorMessage(error, Dialog.FindText(), Dialog.ReplaceText()), mtError, mbOK, Asker);
    return;
  }
  if (InDialog)
    Dialog.ShowMessage(NotFoundMessage(Dialog.FindText()));
  else
    MessageDlg(NotFoundMessage(Dialog.FindText()), mtInformation, mbOK, Asker);
}

}  // namespace

void ReplaceDlgFind(TReplaceDlg& Dialog, TxeEditModel& Editor) {
  FindAndReport(Dialog, Editor, ReplaceDlgFindOptions(Dialog), &Dialog, true);
}

void ReplaceDlgReplace(TReplaceDlg& Dialog, TxeEditModel& Editor) {
  const TxeSearchOptions options = ReplaceDlgReplaceOptions(Dialog);
  const bool all = options & srReplaceAll;
  int count = 0;
  {
    TSearchProgress progress(
        Editor, &Dialog,
        (all ? QStringLiteral("Replacing '%1'...") : QStringLiteral("Searching for '%1'..."))
            .arg(Dialog.FindText()));
    count = Editor.FindReplace(Dialog.FindText().toStdString(), Dialog.ReplaceText().toStdString(), options);
  }
  if (Editor.SearchStopped())
    Dialog.ShowMessage(StoppedMessage(all));
  else if (Editor.SearchError())
    Dialog.ShowSearchError(Editor.SearchError(), all ? count : -1);
  else if (count == 0)
    Dialog.ShowMessage(NotFoundMessage(Dialog.FindText()));
  else
    Dialog.ShowMessage((options & srReplaceAll) ? ReplacedMessage(count) : QString());
}

void ConnectReplaceDlg(TReplaceDlg& Dialog, std::function<TxeEditModel*()> Editor) {
  Dialog.OnFind = [Editor](TReplaceDlg& Sender) {
    if (TxeEditModel* e = Editor()) ReplaceDlgFind(Sender, *e);
  };
  // The model takes back a replacement that runs out of memory midway; the user is told so.
  Dialog.OnReplace = [Editor](TReplaceDlg& Sender) {
    if (TxeEditModel* e = Editor()) RunWithinMemory(&Sender, [&Sender, e] { ReplaceDlgReplace(Sender, *e); });
  };
}

TxePrintOptions MainPrintOptions(const QString& FileName) {
  TxePrintOptions o;
  o.SelectionOnly = false;
  o.UseHighlighter = false;
  o.Unused = true;
  o.NoColors = false;
  o.Copies = 1;
  o.MarginUnits = 2;
  o.Margins = {12, 12, 12, 12};
  o.Title = FileName;
  return o;
}

void SeachReplace1Click(TMainForm& Form) {
  auto* dialog = Form.findChild<TReplaceDlg*>(QStringLiteral("ReplaceDlg"));
  if (!dialog) {
    dialog = new TReplaceDlg(&Form);
    ConnectReplaceDlg(*dialog, [&Form] { return EditorOf(Form); });
    // Back to the text, where the found occurrence is still selected.
    dialog->OnClosed = [&Form] {
      Form.activateWindow();
      if (QWidget* editor = EditorWidget(Form)) editor->setFocus();
    };
  }
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
  dialog->FocusFindText();
}

void FindAgain(TMainForm& Form, bool Backward) {
  auto* dialog = Form.findChild<TReplaceDlg*>(QStringLiteral("ReplaceDlg"));
  TxeEditModel* editor = EditorOf(Form);
  if (!dialog || dialog->FindText().isEmpty() || !editor) {
    SeachReplace1Click(Form);
    return;
  }
  // Onwards from the selected occurrence, whichever way the last search went.
  if (editor->HasSelection()) editor->SetCaretPos(Backward ? editor->SelBegin() : editor->SelEnd());
  const bool shown = dialog->isVisible();
  FindAndReport(*dialog, *editor, ReplaceDlgBoxOptions(*dialog) | (Backward ? srBackward : 0),
                shown ? static_cast<QWidget*>(dialog) : &Form, shown);
}

void Print1Click(TMainForm& Form) {
  QWidget* widget = EditorWidget(Form);
  TxeEditModel* editor = EditorOf(Form);
  if (!widget || !editor) return;
  QPrintDialog dialog(&xePrinter(), &Form);
  dialog.setObjectName(QStringLiteral("PrintDlg"));
  if (dialog.exec() != QDialog::Accepted) return;
  // The dialog only chooses and sets up the printer: one copy of everything, whatever it says.
  xePrinter().setPrintRange(QPrinter::AllPages);
  if (auto* edit = dynamic_cast<TxeCustomEdit*>(widget))
    PrintDocument(*edit, nullptr, MainPrintOptions(Form.DocFileName));
  else
    PrintDocument(*widget, *editor, nullptr, MainPrintOptions(Form.DocFileName));
}

void InstallSearchPrintCommands(TMainForm& Form) {
  if (QAction* a = Form.Action(QStringLiteral("SeachReplace1")))
    QObject::connect(a, &QAction::triggered, &Form, [&Form] { SeachReplace1Click(Form); });
  if (QAction* a = Form.Action(QStringLiteral("FindNext1")))
    QObject::connect(a, &QAction::triggered, &Form, [&Form] { FindAgain(Form, false); });
  if (QAction* a = Form.Action(QStringLiteral("FindPrevious1")))
    QObject::connect(a, &QAction::triggered, &Form, [&Form] { FindAgain(Form, true); });
  if (QAction* a = Form.Action(QStringLiteral("Print1")))
    QObject::connect(a, &QAction::triggered, &Form, [&Form] { Print1Click(Form); });
}
