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

// Records the change of one line from Old to New as ukTyped: the bytes that differ, with what they
// replaced. Trimmed trailing blanks and padding are part of it, so undo restores the line exactly.
void RecordChange(TxeEditModel& M, int Y, std::string_view Old, std::string_view New, std::size_t Pre,
                  std::size_t Suf) {
  const std::size_t removed = Old.size() - Suf - Pre, inserted = New.size() - Suf - Pre;
  if (removed == 0 && inserted == 0) return;
  const int x = static_cast<int>(Pre) + 1;
  M.AddUndo(ukTyped, {x, Y}, {x + static_cast<int>(inserted), Y}, Old.substr(Pre, removed), smNormal);
}

// New is Old with [Col, End) replaced (after padding to Col) and trailing blanks trimmed. The common head
// and tail are known without comparing the whole line, except when Old itself ended in blanks.
void RecordLineChange(TxeEditModel& M, int Y, std::string_view Old, std::string_view New, std::size_t Col,
                      std::size_t End) {
  std::size_t pre = std::min(Col, Old.size());
  const std::size_t keep = TxeEditModel::TrimRight(Old).size();
  if (keep == Old.size() && keep > End) {
    RecordChange(M, Y, Old, New, pre, Old.size() - End);  // the tail after the edit is untouched
    return;
  }
  if (keep <= End) {
    RecordChange(M, Y, Old, New, std::min(pre, New.size()), 0);  // the trim reached into the edit
    return;
  }
  auto cont = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
  pre = std::min(pre, New.size());
  while (pre > 0 && pre < Old.size() && cont(Old[pre])) --pre;
  std::size_t suf = 0;
  while (suf < Old.size() - pre && suf < New.size() - pre &&
         Old[Old.size() - 1 - suf] == New[New.size() - 1 - suf])
    ++suf;
  while (suf > 0 && cont(Old[Old.size() - suf])) --suf;
  RecordChange(M, Y, Old, New, pre, suf);
}

// Puts Text at the caret in the current insert/overwrite mode (overwriting as many whole characters as Text
// holds), stores the line without trailing blanks and records the change.
void TypeText(TxeEditModel& M, std::string_view Text) {
  TOptionHold pastEol(M, xeoScrollPastEol, true);
  TLinesHold lines(M);
  const TPoint p = M.CaretPos();
  // A view of the line, valid until the line is put back: long lines are copied once.
  const std::string_view old = M.LineText(p.Y);
  const auto col = static_cast<std::size_t>(p.X - 1);
  std::size_t end = std::min(col, old.size());  // end of what Text replaces
  if (!M.InsertMode()) {
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
  RecordLineChange(M, p.Y, old, t, col, end);
  M.Lines().Put(p.Y - 1, std::move(t));
  M.SetCaretPos({p.X + static_cast<int>(Text.size()), p.Y});
  JumpScroll(M);
}

// A selection typed over goes first, undoable together with what replaces it.
void DeleteSelectionForTyping(TxeEditModel& M) { M.DeleteSelectionWithUndo(ukSelectionReplaced); }

bool Char(TxeEditModel& M, TxeEditorCommand, char32_t AChar, const void*) {
  if (AChar < 32 || AChar == 127) return true;
  TxePaintHold hold(M);
  DeleteSelectionForTyping(M);
  TypeText(M, xeCmdText::EncodeUtf8(AChar));
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
  TxePaintHold hold(M);
  DeleteSelectionForTyping(M);
  if (!s.empty()) TypeText(M, s);
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
  TLinesHold lines(M);
  const TPoint start = M.CaretPos();
  M.ReplaceSelection(smNormal, std::string(static_cast<std::size_t>(width), ' '));
  const std::string_view line = M.LineText(start.Y);
  const std::size_t trimmed = TxeEditModel::TrimRight(line).size();
  if (trimmed != line.size()) M.Lines().Put(start.Y - 1, std::string(line.substr(0, trimmed)));
  M.ScrollCaretIntoView();
  if (M.LineLength(start.Y) >= start.X) M.AddUndo(ukTyped, start, M.CaretPos(), {}, smNormal);
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
