// The command processor: hooks, the painting hold around each command, the command table and key-downs.
#include <exception>

#include "xeCommands.h"

const TxeCommandTable& CommandTable() {
  static const TxeCommandTable table = [] {
    TxeCommandTable t{};
    AddMovementCommands(t);
    AddViewCommands(t);
    AddEditingCommands(t);
    AddDeletionCommands(t);
    AddBlockCommands(t);
    AddClipboardCommands(t);
    AddBookmarkCommands(t);
    return t;
  }();
  return table;
}

void TxeEditModel::CommandProcessor(TxeEditorCommand Command, char32_t AChar, const void* Data) {
  if (Command >= ecUserFirst) {
    if (OnProcessUserCommand) OnProcessUserCommand(this, Command, AChar, Data);
  } else if (OnProcessCommand) {
    OnProcessCommand(this, Command, AChar, Data);
  }
  // User commands are only reported.
  if (Command == ecNone || Command >= ecUserFirst) return;
  bool done;
  BeginUpdate();
  try {
    done = ExecuteCommand(Command, AChar, Data);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  if (done && OnCommandDone) OnCommandDone(this);
}

bool TxeEditModel::ExecuteCommand(TxeEditorCommand Command, char32_t AChar, const void* Data) {
  if (Command >= ecUserFirst) return false;
  const TxeCommandEntry& e = CommandTable()[Command];
  if (!e.Handler) return true;
  if (e.Edits && ReadOnly()) return true;
  return e.Handler(*this, Command, AChar, Data);
}

bool TxeEditModel::KeyDown(std::uint16_t Key, TShiftState Shift) {
  const TxeEditorCommand command = FKeystrokes.TranslateKey(Key, Shift, FPendingKey);
  if (command == ecNone) return false;
  CommandProcessor(command, 0, nullptr);
  return true;
}

void TxeEditModel::SetKeystrokes(const TxeKeyStrokes* Value) {
  if (Value) {
    FKeystrokes.Assign(*Value);
  } else {
    FKeystrokes.Clear();
  }
}

namespace xeCmd {

TOptionHold::TOptionHold(TxeEditModel& M, TxeEditorOptions Option, bool On) : FModel(M), FSaved(M.Options()) {
  M.SetOptionsQuiet(On ? (FSaved | Option) : (FSaved & ~Option));
}

TOptionHold::~TOptionHold() { FModel.SetOptionsQuiet(FSaved); }

}  // namespace xeCmd
