// A plain line-list editor for the insert and conversion command tests: normal-mode selection,
// insertion with CR, LF or CR LF breaks, caret after the inserted text.
#pragma once

#include "InsertMarkupEditor.h"

#include <algorithm>
#include <string>
#include <vector>

class TFakeMarkupEditor : public TMarkupEditor {
public:
    std::vector<std::string> Lines{""};
    int X = 1, Y = 1;               // caret
    int BX = 1, BY = 1, EX = 1, EY = 1; // selection, begin before end
    int Replacements = 0;

    void SetText(const std::string& text) {
        Lines = {""};
        X = Y = BX = BY = EX = EY = 1;
        Insert(text);
        X = Y = BX = BY = EX = EY = 1;
        Replacements = 0;
    }
    std::string Text() const {
        std::string s;
        for (size_t i = 0; i < Lines.size(); ++i) s += (i ? "\n" : "") + Lines[i];
        return s;
    }
    void Select(int bx, int by, int ex, int ey) {
        BX = bx, BY = by, EX = ex, EY = ey;
        X = ex, Y = ey;
    }
    bool HasSelection() const { return BX != EX || BY != EY; }

    std::string SelectedText() override {
        if (!HasSelection()) return {};
        if (BY == EY) return Lines[BY - 1].substr(BX - 1, EX - BX);
        std::string s = Lines[BY - 1].substr(BX - 1) + "\r\n";
        for (int y = BY + 1; y < EY; ++y) s += Lines[y - 1] + "\r\n";
        return s + Lines[EY - 1].substr(0, EX - 1);
    }
    void ReplaceSelectionWithUndo(const std::string& text) override {
        ++Replacements;
        if (HasSelection()) {
            Lines[BY - 1] = Lines[BY - 1].substr(0, BX - 1) + Lines[EY - 1].substr(EX - 1);
            Lines.erase(Lines.begin() + BY, Lines.begin() + EY);
            X = BX, Y = BY;
        }
        Insert(text);
        BX = EX = X, BY = EY = Y;
    }
    void SelectAll() override { Select(1, 1, int(Lines.back().size()) + 1, int(Lines.size())); }
    int CaretX() override { return X; }
    int CaretY() override { return Y; }
    void SetCaretXY(int x, int y) override {
        X = std::max(1, x), Y = std::clamp(y, 1, int(Lines.size()));
        BX = EX = X, BY = EY = Y;
    }
    int LineLength(int y) override { return int(Lines[y - 1].size()); }
    int LineCount() override { return int(Lines.size()); }
    std::string_view LineText(int y) override { return Lines[y - 1]; }

private:
    void Insert(const std::string& text) {
        std::string& line = Lines[Y - 1];
        if (int(line.size()) < X - 1) line.resize(X - 1, ' ');
        const std::string rest = line.substr(X - 1);
        line.resize(X - 1);
        std::vector<std::string> segs{""};
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' || text[i] == '\n') {
                if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
                segs.emplace_back();
            } else {
                segs.back() += text[i];
            }
        }
        Lines[Y - 1] += segs[0];
        for (size_t i = 1; i < segs.size(); ++i) Lines.insert(Lines.begin() + Y - 1 + int(i), segs[i]);
        Y += int(segs.size()) - 1;
        X = int(Lines[Y - 1].size()) + 1;
        Lines[Y - 1] += rest;
    }
};
