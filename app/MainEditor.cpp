// How the document code reaches the editor. Until the editor widget is in place the text lives in a
// plain line list inside a placeholder widget.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QWidget>
#include <string>
#include <vector>

#include "DocumentFile.h"
#include "main.h"

namespace {

class TPlaceholderEdit : public QWidget {
public:
    using QWidget::QWidget;
    std::vector<std::string> Lines{std::string()};
    bool Modified = false;
    int CaretX = 1, CaretY = 1;
    int HighLighter = 0;
};

}  // namespace

static TPlaceholderEdit* Edit(const TMainForm* Form) {
    return Form->findChild<TPlaceholderEdit*>(QStringLiteral("Memo1"));
}

void TMainForm::CreateEditors() {
    auto* memo = new TPlaceholderEdit(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    setCentralWidget(memo);
}

std::size_t TMainForm::EditorLineCount() const { return Edit(this)->Lines.size(); }

std::string_view TMainForm::EditorLine(std::size_t Index) const { return Edit(this)->Lines[Index]; }

bool TMainForm::EditorHoldsOneEmptyLine() const {
    const auto& lines = Edit(this)->Lines;
    return lines.size() == 1 && lines[0].empty();
}

bool TMainForm::ReadIntoEditor(const QString& FileName, QString* Why) {
    std::vector<std::string> lines;
    if (!ReadDocumentFile(FileName, [&lines](std::string& Line) { lines.push_back(std::move(Line)); }, Why))
        return false;
    Edit(this)->Lines = std::move(lines);
    return true;
}

void TMainForm::EditorSetText(const char* Text) {
    std::vector<std::string> lines;
    TDocumentReader reader([&lines](std::string& Line) { lines.push_back(std::move(Line)); });
    reader.Feed(Text);
    reader.Finish();
    Edit(this)->Lines = std::move(lines);
    Edit(this)->CaretX = Edit(this)->CaretY = 1;
}

void TMainForm::EditorSetCaret(int X, int Y) {
    Edit(this)->CaretX = X;
    Edit(this)->CaretY = Y;
}

bool TMainForm::EditorModified() const { return Edit(this)->Modified; }

void TMainForm::EditorSetModified(bool Value) { Edit(this)->Modified = Value; }

void TMainForm::EditorReplaceSelection(const std::string& Text) {
    Edit(this)->Lines[std::size_t(Edit(this)->CaretY - 1)].append(Text);
    Edit(this)->Modified = true;
}

void TMainForm::EditorSetHighLighter(int Type) { Edit(this)->HighLighter = Type; }

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

QWidget* TMainForm::EditorWidget() const { return Edit(this); }
