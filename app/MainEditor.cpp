// How the document code reaches the editor. Until the editor widget is in place, Memo1 is a plain
// widget over the window-free editing model.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressDialog>
#include <memory>

#include "DocumentFile.h"
#include "main.h"
#include "xeEditModel.h"

namespace {

class TPlaceholderEdit : public QWidget, public TxeEditModel {
public:
    using QWidget::QWidget;
};

TPlaceholderEdit* Edit(const TMainForm* Form) { return Form->findChild<TPlaceholderEdit*>(QStringLiteral("Memo1")); }

}  // namespace

void TMainForm::CreateEditors() {
    auto* memo = new TPlaceholderEdit(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->SetMaxUndo(2);
    memo->SetOptions(xeoAutoIndent | xeoDragDropEditing | xeoHalfPageScroll | xeoScrollPastEol | xeoTabsToSpaces |
                     xeoSmartTabs);
    memo->SetRightEdge(0);
    memo->SetWantTabs(true);
    setCentralWidget(memo);
}

QWidget* TMainForm::EditorWidget() const { return Edit(this); }

std::size_t TMainForm::EditorLineCount() const { return std::size_t(Edit(this)->LineCount()); }

std::string_view TMainForm::EditorLine(std::size_t Index) const { return Edit(this)->Lines().Get(int(Index)); }

bool TMainForm::EditorHoldsOneEmptyLine() const {
    return Edit(this)->LineCount() == 1 && Edit(this)->LineLength(1) == 0;
}

bool TMainForm::ReadIntoEditor(const QString& FileName, QString* Why) {
    std::string text;
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProgressDialog> progress;
    const bool ok = ReadDocumentFile(FileName, text, Why, [&](qint64 Done, qint64 Total) {
        if (!progress && clock.elapsed() >= 500 && Total > 0) {
            progress = std::make_unique<QProgressDialog>(QStringLiteral("Loading ") + FileName, QString(), 0, 1000, this);
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(0);
        }
        if (progress) progress->setValue(int(Done * 1000 / Total));
    });
    if (!ok) return false;
    // The line list takes the text over without copying it; the undo lists start empty.
    Edit(this)->SetText(std::move(text));
    Edit(this)->ClearUndo();
    return true;
}

void TMainForm::EditorSetText(const char* Text) {
    Edit(this)->SetText(Text);
    Edit(this)->ClearUndo();
}

void TMainForm::EditorSetCaret(int X, int Y) {
    Edit(this)->SetCaretCol(X);
    Edit(this)->SetCaretLine(Y);
}

bool TMainForm::EditorModified() const { return Edit(this)->Modified(); }

void TMainForm::EditorSetModified(bool Value) { Edit(this)->SetModified(Value); }

void TMainForm::EditorReplaceSelection(const std::string& Text) { Edit(this)->ReplaceSelectionWithUndo(Text); }

void TMainForm::EditorSetHighLighter(int Type) { Edit(this)->SetHighLighter(HighLighterOf(Type)); }

void TMainForm::ConnectEditActions() {
    for (const char* name : {"EditCopy1", "EditCut1", "EditDelete1", "EditSelectAll1", "EditUndo1"}) {
        const QString action = QString::fromLatin1(name);
        connect(Action(action), &QAction::triggered, this, [this, action] { RunEditAction(action); });
    }
}

// The standard edit actions work on the focused text field.
void TMainForm::RunEditAction(const QString& Name) {
    auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!line) return;
    if (Name == QLatin1String("EditCopy1")) line->copy();
    else if (Name == QLatin1String("EditCut1")) line->cut();
    else if (Name == QLatin1String("EditDelete1")) line->del();
    else if (Name == QLatin1String("EditSelectAll1")) line->selectAll();
    else if (Name == QLatin1String("EditUndo1")) line->undo();
}
