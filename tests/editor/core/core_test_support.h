// Shared pieces of the editing-model tests: a view with fixed numbers and a small highlighter whose range is
// the nesting depth of braces, counting the lines it scans.
#pragma once
#include <string>
#include <vector>

#include "xeEditModel.h"
#include "xeHighlighter.h"

class TTestView : public TxeEditView {
 public:
  int Rows = 20;
  int Cols = 80;
  std::vector<std::pair<int, int>> Invalidated;
  int ScrollBarUpdates = 0;
  int CaretUpdates = 0;

  int VisibleLineCount() const override { return Rows; }
  int VisibleColumnCount() const override { return Cols; }
  void InvalidateLines(int First, int Last, TxeViewArea) override { Invalidated.emplace_back(First, Last); }
  void LinesScrolled(int) override {}
  void ColumnsScrolled() override {}
  void UpdateScrollBars() override { ++ScrollBarUpdates; }
  void UpdateCaret() override { ++CaretUpdates; }
};

class TBraceHighlighter : public TxeCustomHighLighter {
 public:
  int LinesScanned = 0;

  TxeHighLightAttributes* StandardAttribute(int) const override { return nullptr; }
  void AdvanceForExport() override { Advance(); }
  bool AtLineEnd() const override { return FStart == FPos; }
  std::uint32_t CurrentRange() const override { return FDepth; }
  std::string CurrentText() const override { return std::string(CurrentView()); }
  TxeHighLightAttributes* CurrentAttribute() const override { return nullptr; }
  int CurrentKind() const override { return 0; }
  int CurrentStart() const override { return FStart; }
  int CurrentLength() const override { return FPos - FStart; }
  std::string_view CurrentView() const override { return std::string_view(FLine + FStart, FPos - FStart); }
  void Advance() override {
    FStart = FPos;
    if (FLine[FPos] == 0) return;
    if (FLine[FPos] == '{' && FDepth < 255) ++FDepth;
    if (FLine[FPos] == '}' && FDepth > 0) --FDepth;
    ++FPos;
  }
  void BeginLine(const char* Text, int) override {
    ++LinesScanned;
    FLine = Text;
    FPos = FStart = 0;
    Advance();
  }
  void BeginExportLine(const char* Text) override { BeginLine(Text, 0); }
  void RestoreRange(std::uint32_t Value) override { FDepth = Value & 0xFF; }
  void ClearRange() override { FDepth = 0; }

 private:
  const char* FLine = "";
  int FPos = 0;
  int FStart = 0;
  std::uint32_t FDepth = 0;
};

inline std::vector<std::string> LinesOf(const TxeEditList& L) {
  std::vector<std::string> out;
  for (int i = 0; i < L.Count(); ++i) out.emplace_back(L.Get(i));
  return out;
}
