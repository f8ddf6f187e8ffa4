// How the document code reaches the editor: Memo1 holds the document; Memo0 is the layout's scratch
// editor, kept for its place in the window but bypassed by loading and saving, which stream straight
// between the file and Memo1's line list.
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QShortcut>

#include "DocumentFile.h"
#include "DocumentLoad.h"
#include "HelpView.h"
#include "main.h"
#include "xeCompletionProposal.h"
#include "xeCustomEdit.h"
#include "xeKeyCmds.h"
#include "xeLineStore.h"

void TMainForm::CreateEditors() {
  Memo1 = new TxeCustomEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  QFont font(QStringLiteral("Courier New"));
  font.setPixelSize(13);
  Memo1->SetFont(font);
  Memo1->Gutter().SetVisible(false);
  Memo1->Gutter().SetWidth(0);
  Memo1->SetMaxUndo(2);
  Memo1->SetOptions(xeoAutoIndent | xeoDragDropEditing | xeoHalfPageScroll | xeoScrollPastEol |
                    xeoTabsToSpaces | xeoSmartTabs);
  Memo1->SetRightEdge(0);
  Memo1->SetWantTabs(true);
  Memo1->setProperty("HelpContext", 20);
  // F1 in the editor shows its help topic.
  auto* help = new QShortcut(QKeySequence::HelpContents, Memo1, [this] { ShowHelpTopic(20, this); });
  help->setContext(Qt::WidgetWithChildrenShortcut);
  Memo1->installEventFilter(this);
  Memo1->viewport()->installEventFilter(this);
  setCentralWidget(Memo1);

  // The layout's completion component; InstallCompletion binds it to Memo1.
  auto* completion = new TXeCompletionProposal(this);
  completion->setObjectName(QStringLiteral("XeCompletionProposal1"));
  completion->SetNbLinesInWindow(6);
  completion->SetClSelect(clHighlight);
  completion->SetAnsiStrings(false);
  completion->ShortCut = 16416;
  completion->EndOfTokenChr = QStringLiteral("()[].");

  Memo0 = new TxeCustomEdit(this);
  Memo0->setObjectName(QStringLiteral("Memo0"));
  Memo0->SetMaxUndo(10);
  Memo0->SetWantTabs(false);
  Memo0->hide();
}

std::size_t TMainForm::EditorLineCount() const { return std::size_t(Memo1->LineCount()); }

std::string_view TMainForm::EditorLine(std::size_t Index) const { return Memo1->Lines().Get(int(Index)); }

bool TMainForm::EditorHoldsOneEmptyLine() const {
  return Memo1->LineCount() == 1 && Memo1->LineLength(1) == 0;
}

TReadResult TMainForm::ReadIntoEditor(const QString& FileName, QString* Why, TFileForm* Form,
                                      const TEncodingChoice& Choice) {
  // The lines are read straight into their chunks; the editor takes them over without a copy.
  TxeLineStore lines;
  const TReadResult result = LoadDocumentLines(this, FileName, lines, Why, Form, Choice);
  if (result != TReadResult::Done) return result;
  try {
    Memo1->SetLines(std::move(lines));
  } catch (const std::bad_alloc&) {
    if (Why) *Why = QStringLiteral("There is not enough memory to open it.");
    return TReadResult::Failed;
  }
  Memo1->ClearUndo();
  emit DocumentReplaced();
  return TReadResult::Done;
}

void TMainForm::EditorSetText(const char* Text) {
  Memo1->SetText(Text);
  emit DocumentReplaced();
}

void TMainForm::EditorSetCaret(int X, int Y) {
  Memo1->SetCaretCol(X);
  Memo1->SetCaretLine(Y);
}

bool TMainForm::EditorModified() const { return Memo1->Modified(); }

void TMainForm::EditorSetModified(bool Value) { Memo1->SetModified(Value); }

void TMainForm::EditorReplaceSelection(const std::string& Text) { Memo1->ReplaceSelectionWithUndo(Text); }

void TMainForm::EditorSetHighLighter(int Type) {
  // Attaching rescans the whole document; the same highlighter again needs none.
  if (Memo1->HighLighter() != HighLighterOf(Type)) Memo1->SetHighLighter(HighLighterOf(Type));
}

void TMainForm::ConnectEditActions() {
  for (const char* name :
       {"EditCopy1", "EditCut1", "EditDelete1", "EditSelectAll1", "EditUndo1", "EditRedo1"}) {
    const QString action = QString::fromLatin1(name);
    connect(Action(action), &QAction::triggered, this, [this, action] { RunEditAction(action); });
  }
}

// The standard edit actions work on the focused text field; in the document editor the same keys
// run the editor's own commands.
void TMainForm::RunEditAction(const QString& Name) {
  QWidget* focus = QApplication::focusWidget();
  if (focus && (focus == Memo1 || Memo1->isAncestorOf(focus))) {
    TxeEditorCommand command = ecNone;
    if (Name == QLatin1String("EditCopy1"))
      command = ecCopy;
    else if (Name == QLatin1String("EditCut1"))
      command = ecCut;
    else if (Name == QLatin1String("EditDelete1"))
      command = ecDeleteChar;
    else if (Name == QLatin1String("EditSelectAll1"))
      command = ecSelectAll;
    else if (Name == QLatin1String("EditUndo1"))
      command = ecUndo;
    else if (Name == QLatin1String("EditRedo1"))
      command = ecRedo;
    Memo1->CommandProcessor(command);
    return;
  }
  auto* line = qobject_cast<QLineEdit*>(focus);
  if (!line) return;
  if (Name == QLatin1String("EditCopy1"))
    line->copy();
  else if (Name == QLatin1String("EditCut1"))
    line->cut();
  else if (Name == QLatin1String("EditDelete1"))
    line->del();
  else if (Name == QLatin1String("EditSelectAll1"))
    line->selectAll();
  else if (Name == QLatin1String("EditUndo1"))
    line->undo();
  else if (Name == QLatin1String("EditRedo1"))
    line->redo();
}
