// The insert and conversion commands on an editing model (the document editor, or a model in tests).
#pragma once

#include "InsertMarkupEditor.h"

class TxeEditModel;

class TModelMarkupEditor : public TMarkupEditor {
public:
    explicit TModelMarkupEditor(TxeEditModel& model) : FModel(model) {}

    std::string SelectedText() override;
    void ReplaceSelectionWithUndo(const std::string& text) override;
    void SelectAll() override;
    int CaretX() override;
    int CaretY() override;
    void SetCaretXY(int x, int y) override;
    int LineLength(int y) override;
    int LineCount() override;
    std::string_view LineText(int y) override;

private:
    TxeEditModel& FModel;
};
