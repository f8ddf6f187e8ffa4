// The command processor: hooks, the painting hold around each command, the command table and key-downs.
#include <algorithm>
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

namespace {

// A block made in line or column mode may reach beyond a line end; in normal mode its points are clamped
// to the line ends first, so that what a command records is where the text really is.
void ClampNormalBlock(TxeEditModel& M) {
  if (M.SelectionMode() != smNormal) return;
  auto clamp = [&M](TPoint P) {
    P.Y = std::clamp(P.Y, 1, M.LineCount());
    P.X = std::clamp(P.X, 1, M.LineLength(P.Y) + 1);
    return P;
  };
  const TPoint b = clamp(M.BlockBegin()), e = clamp(M.BlockEnd());
  if (b != M.BlockBegin() || e != M.BlockEnd()) M.SetBlockDirect(b, e);
}

}  // namespace

bool TxeEditModel::ExecuteCommand(TxeEditorCommand Command, char32_t AChar, const void* Data) {
  if (Command >= ecUserFirst) return false;
  const TxeCommandEntry& e = CommandTable()[Command];
  if (!e.Handler) return true;
  if (e.Edits && ReadOnly()) return true;
  ClampNormalBlock(*this);
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
