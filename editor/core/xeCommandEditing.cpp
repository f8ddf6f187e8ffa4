// Typing (ecChar, ecImeStr), line breaks and ecTab.
#include <algorithm>
#include <cstring>

#include "xeCommandText.h"
#include "xeCommands.h"
#include "xeUtf8.h"

namespace {

using namespace xeCmd;

// Typing far to the right scrolls ahead in one jump rather than column by column.
void JumpScroll(TxeEditModel& M) {
  const int cols = M.VisibleColumnCount();
  if (cols < 2) return;
  const TPoint c = M.CaretPos();
  if (M.ColumnToCell(c.Y, c.X) >= M.FirstVisibleColumn() + cols)
    M.SetFirstVisibleColumn(M.FirstVisibleColumn() + std::min(25, cols - 1));
}

int CharacterCount(std::string_view s) {
  int n = 0;
  for (std::size_t i = 0; i < s.size(); i += static_cast<std::size_t>(Utf8CharLen(s, i))) ++n;
  return n;
}

// Puts Text at the caret, overwriting as many whole characters as Text holds unless Insert, and stores the
// line without trailing blanks (as one splice of what changed, or none); the caret goes past Text.
void PutAtCaret(TxeEditModel& M, std::string_view Text, bool Insert) {
  const TPoint p = M.CaretPos();
  const std::string_view old = M.LineText(p.Y);  // valid until the line changes
  const auto col = static_cast<std::size_t>(p.X - 1);
  std::size_t end = std::min(col, old.size());  // end of what Text replaces
  if (!Insert) {
    for (int n = CharacterCount(Text); n > 0 && end < old.size(); --n)
      end += static_cast<std::size_t>(Utf8CharLen(old, end));
  }
  std::string t;
  t.reserve(std::max(col, old.size()) + Text.size());
  t.append(old.substr(0, std::min(col, old.size())));
  if (t.size() < col) t.append(col - t.size(), ' ');
  t.append(Text);
  t.append(old.substr(end));
  t.resize(TxeEditModel::TrimRight(t).size());
  M.SetLineText(p.Y, t);
  M.SetCaretFree({p.X + static_cast<int>(Text.size()), p.Y});
}

// Typing: records ukTyped when the line changed, or always after a selection was typed over.
void TypeText(TxeEditModel& M, std::string_view Text, bool Insert, bool Always) {
  TOptionHold pastEol(M, xeoScrollPastEol, true);
  TxeUndoStep step(M, ukTyped);
  const TPoint p = M.CaretPos();
  PutAtCaret(M, Text, Insert);
  if (Always || step.Edited()) step.Push(p, M.CaretPos(), smNormal);
  JumpScroll(M);
}

// A selection typed over goes first (ukSelectionReplaced); what replaces it is inserted, never overwrites,
// and its ukTyped follows even when the line did not change, so both undo as one step.
void Type(TxeEditModel& M, std::string_view Text) {
  TxePaintHold hold(M);
  const bool selected = M.HasSelection();
  M.DeleteSelectionWithUndo(ukSelectionReplaced);
  if (!Text.empty() || selected) TypeText(M, Text, M.InsertMode() || selected, selected);
}

bool Char(TxeEditModel& M, TxeEditorCommand, char32_t AChar, const void*) {
  if (AChar < 32 || AChar == 127) return true;
  Type(M, xeCmdText::EncodeUtf8(AChar));
  return true;
}

bool ImeStr(TxeEditModel& M, TxeEditorCommand, char32_t, const void* Data) {
  if (!Data) return true;
  // Control characters would end up inside a line: they are dropped.
  std::string s;
  for (const char* p = static_cast<const char*>(Data); *p; ++p) {
    const auto b = static_cast<unsigned char>(*p);
    if (b >= 32 && b != 127) s += *p;
  }
  Type(M, s);
  return true;
}

bool LineBreak(TxeEditModel& M, TxeEditorCommand Command, char32_t, const void*) {
  M.InsertLineBreak(Command == ecLineBreak);
  return true;
}

bool Tab(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  TxePaintHold hold(M);
  const TPoint caret = M.CaretPos();
  int width = 0;
  if (M.HasOption(xeoSmartTabs) && caret.Y >= 2) width = xeCmdText::SmartTabWidth(M.Lines(), caret);
  if (width <= 0) width = xeCmdText::TabStopDistance(caret.X, M.TabWidth());
  M.DeleteSelectionWithUndo(ukDeletedBack);
  TOptionHold pastEol(M, xeoScrollPastEol, true);
  TxeUndoStep step(M, ukTyped);
  const TPoint start = M.CaretPos();
  PutAtCaret(M, std::string(static_cast<std::size_t>(width), ' '), true);
  M.ScrollCaretIntoView();
  // Blanks at a line's end only move the caret and record nothing.
  if (step.Edited()) step.Push(start, M.CaretPos(), smNormal);
  return true;
}

bool ShiftTab(TxeEditModel&, TxeEditorCommand, char32_t, const void*) { return true; }

}  // namespace

void AddEditingCommands(TxeCommandTable& T) {
  T[ecChar] = {Char, true};
  T[ecImeStr] = {ImeStr, true};
  T[ecLineBreak] = {LineBreak, true};
  T[ecInsertLine] = {LineBreak, true};
  T[ecTab] = {Tab, true};
  T[ecShiftTab] = {ShiftTab, false};
}
