// The few editor operations the insert and conversion commands need, so that they can run on
// the document editor or on a plain model in tests.
#pragma once

#include <string>
#include <string_view>

class TMarkupEditor {
public:
    virtual ~TMarkupEditor() = default;
    // Selected text with CR LF between lines; empty when nothing is selected.
    virtual std::string SelectedText() = 0;
    // Replaces the selection (or inserts at the caret) as one undoable change; the caret ends
    // after the inserted text.
    virtual void ReplaceSelectionWithUndo(const std::string& text) = 0;
    virtual void SelectAll() = 0;
    // 1-based byte column and line.
    virtual int CaretX() = 0;
    virtual int CaretY() = 0;
    virtual void SetCaretXY(int x, int y) = 0;
    // Byte length of line y (1-based).
    virtual int LineLength(int y) = 0;
    virtual int LineCount() = 0;
    // Line y (1-based) as it stands.
    virtual std::string_view LineText(int y) = 0;
};
