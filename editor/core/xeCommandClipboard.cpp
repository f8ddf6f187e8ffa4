// Clipboard and undo commands.
#include "xeCommands.h"

namespace {

bool Copy(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  M.CopyToClipboard();
  return true;
}

bool Cut(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  M.CutToClipboard();
  return true;
}

bool Paste(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  M.PasteFromClipboard();
  return true;
}

bool Undo(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  M.Undo();
  return true;
}

bool Redo(TxeEditModel& M, TxeEditorCommand, char32_t, const void*) {
  M.Redo();
  return true;
}

}  // namespace

void AddClipboardCommands(TxeCommandTable& T) {
  T[ecCopy] = {Copy, false};
  T[ecCut] = {Cut, true};
  T[ecPaste] = {Paste, true};
  T[ecUndo] = {Undo, true};
  T[ecRedo] = {Redo, true};
}
