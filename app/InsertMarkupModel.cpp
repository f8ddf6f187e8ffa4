#include "InsertMarkupModel.h"

#include "xeEditModel.h"

std::string TModelMarkupEditor::SelectedText() { return FModel.SelectedText(); }
void TModelMarkupEditor::ReplaceSelectionWithUndo(const std::string& text) { FModel.ReplaceSelectionWithUndo(text); }
void TModelMarkupEditor::SelectAll() { FModel.SelectAll(); }
int TModelMarkupEditor::CaretX() { return FModel.CaretCol(); }
int TModelMarkupEditor::CaretY() { return FModel.CaretLine(); }
void TModelMarkupEditor::SetCaretXY(int x, int y) {
    FModel.SetCaretXY(x, y);
    // No block is left behind at the old caret place.
    FModel.SetSelBegin(FModel.CaretPos());
}
int TModelMarkupEditor::LineLength(int y) { return FModel.LineLength(y); }
int TModelMarkupEditor::LineCount() { return FModel.LineCount(); }
std::string_view TModelMarkupEditor::LineText(int y) { return FModel.LineText(y); }
