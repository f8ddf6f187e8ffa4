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

static std::vector<std::string> SplitLines(std::string_view Text) {
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '\r' || Text[i] == '\n') {
            if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
            lines.push_back(std::move(line));
            line.clear();
            open = false;
        } else {
            line += Text[i];
            open = true;
        }
    }
    if (open || lines.empty()) lines.push_back(line);
    return lines;
}

bool TMainForm::ReadIntoEditor(const QString& FileName, QString* Why) {
    std::string text;
    if (!ReadDocumentFile(FileName, text, Why)) return false;
    Edit(this)->Lines = SplitLines(text);
    return true;
}

void TMainForm::EditorSetText(const char* Text) {
    Edit(this)->Lines = SplitLines(Text);
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
