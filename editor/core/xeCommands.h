// The command table behind TxeEditModel::ExecuteCommand, filled by one function per command family, and the
// caret moves the families share.
#pragma once
#include <array>

#include "xeEditModel.h"

// Runs one command; false when the processor must skip OnCommandDone.
using TxeCommandHandler = bool (*)(TxeEditModel& M, TxeEditorCommand Command, char32_t AChar,
                                   const void* Data);

struct TxeCommandEntry {
  TxeCommandHandler Handler = nullptr;
  bool Edits = false;  // does nothing while ReadOnly
};

using TxeCommandTable = std::array<TxeCommandEntry, ecUserFirst>;

const TxeCommandTable& CommandTable();

void AddMovementCommands(TxeCommandTable& T);
void AddViewCommands(TxeCommandTable& T);
void AddEditingCommands(TxeCommandTable& T);
void AddDeletionCommands(TxeCommandTable& T);
void AddBlockCommands(TxeCommandTable& T);
void AddClipboardCommands(TxeCommandTable& T);
void AddBookmarkCommands(TxeCommandTable& T);

namespace xeCmd {

// Moves the caret from P to T; with Select the block grows from P (or its old begin), else it collapses.
void MoveCaretAndSelection(TxeEditModel& M, TPoint P, TPoint T, bool Select);
void MoveCaretHorz(TxeEditModel& M, int DX, bool Select);
void MoveCaretVert(TxeEditModel& M, int DY, bool Select);

// Holds a temporary option (xeoScrollPastEol while typing) and restores it, also on failure.
class TOptionHold {
 public:
  TOptionHold(TxeEditModel& M, TxeEditorOptions Option, bool On);
  ~TOptionHold();
  TOptionHold(const TOptionHold&) = delete;
  TOptionHold& operator=(const TOptionHold&) = delete;

 private:
  TxeEditModel& FModel;
  TxeEditorOptions FSaved;
};

// Holds a temporary selection mode and restores it, also on failure.
class TModeHold {
 public:
  TModeHold(TxeEditModel& M, TSelectionMode Mode) : FModel(M), FSaved(M.SelectionMode()) {
    M.SetSelectionMode(Mode);
  }
  ~TModeHold() { FModel.SetSelectionMode(FSaved); }
  TModeHold(const TModeHold&) = delete;
  TModeHold& operator=(const TModeHold&) = delete;

 private:
  TxeEditModel& FModel;
  TSelectionMode FSaved;
};

}  // namespace xeCmd
