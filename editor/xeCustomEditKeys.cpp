// Keyboard input of TxeCustomEdit: Qt key events become the keystroke map's key codes at this one
// place; a found command runs through the command processor, typed text becomes ecChar / ecImeStr.
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "xeCustomEdit.h"
#include "xeKeyCmds.h"
#include "xeUtf8.h"

bool TxeCustomEdit::event(QEvent* e) {
  // Tab reaches the editor when it wants tabs (Ctrl+Tab still moves the focus)
  if (e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && WantTabs() &&
        !(k->modifiers() & Qt::ControlModifier)) {
      keyPressEvent(k);
      return true;
    }
  }
  return QAbstractScrollArea::event(e);
}

bool TxeCustomEdit::viewportEvent(QEvent* e) { return QAbstractScrollArea::viewportEvent(e); }

bool TxeCustomEdit::ProcessKey(int QtKey, Qt::KeyboardModifiers Modifiers) {
  const std::uint16_t vk = QtKeyToVirtualKey(QtKey, Modifiers & Qt::KeypadModifier);
  if (vk == 0) return false;
  TShiftState shift = QtModifiersToShiftState(static_cast<unsigned>(Modifiers.toInt()));
  if (QtKey == Qt::Key_Backtab) shift |= ssShift;
  const TxeEditorCommand cmd = FKeys.TranslateKey(vk, shift, FKeyPending);
  if (cmd == ecNone) return false;
  RunEditorCommand(cmd, 0, nullptr);
  return true;
}

void TxeCustomEdit::keyPressEvent(QKeyEvent* e) {
  if (ProcessKey(e->key(), e->modifiers())) {
    e->accept();
    return;
  }
  const QString text = e->text();
  const bool ctrlOrAlt = (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
                         !(e->modifiers() & Qt::GroupSwitchModifier);
  if (text.isEmpty() || ctrlOrAlt || text.at(0).isNonCharacter() ||
      (text.size() == 1 && text.at(0).unicode() < 0x20 && text.at(0) != QLatin1Char('\t'))) {
    QAbstractScrollArea::keyPressEvent(e);
    return;
  }
  const QByteArray bytes = text.toUtf8();
  if (bytes.size() == 1) {
    RunEditorCommand(ecChar, bytes.at(0), nullptr);
  } else {
    const std::string data(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    RunEditorCommand(ecImeStr, 0, &data);
  }
  e->accept();
}

void TxeCustomEdit::inputMethodEvent(QInputMethodEvent* e) {
  const QByteArray bytes = e->commitString().toUtf8();
  if (!bytes.isEmpty()) {
    const std::string data(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    RunEditorCommand(ecImeStr, 0, &data);
  }
  e->accept();
}

// Until the command processor takes over, the widget runs the commands a user needs to type,
// move and select through the model's primitives.
void TxeCustomEdit::RunEditorCommand(TxeEditorCommand Command, char AChar, const std::string* Data) {
  TxePaintHold hold(*this);
  const TPoint c = CaretPos();
  const bool select = Command > ecSelection && Command < ecSelectAll;
  const TxeEditorCommand move = select ? static_cast<TxeEditorCommand>(Command - ecSelection) : Command;
  auto moveTo = [&](TPoint p) {
    if (select && !HasSelection()) SetSelBegin(c);
    SetCaretPos(p);
    if (select)
      SetSelEnd(CaretPos());
    else
      SetSelBegin(CaretPos());
  };
  const std::string_view line = LineText(c.Y);
  switch (move) {
    case ecLeft:
      moveTo({c.X > 1 ? ColumnCharStart(line, c.X - 1) : 1, c.Y});
      return;
    case ecRight:
      moveTo({c.X + (c.X <= static_cast<int>(line.size()) ? Utf8CharLen(line, c.X - 1) : 1), c.Y});
      return;
    case ecUp:
      moveTo({c.X, c.Y - 1});
      return;
    case ecDown:
      moveTo({c.X, c.Y + 1});
      return;
    case ecLineStart:
      moveTo({1, c.Y});
      return;
    case ecLineEnd:
      moveTo({static_cast<int>(line.size()) + 1, c.Y});
      return;
    case ecPageUp:
      moveTo({c.X, c.Y - std::max(1, FVisibleLines)});
      return;
    case ecPageDown:
      moveTo({c.X, c.Y + std::max(1, FVisibleLines)});
      return;
    case ecEditorTop:
      moveTo({1, 1});
      return;
    case ecEditorBottom:
      moveTo({LineLength(LineCount()) + 1, LineCount()});
      return;
    default:
      break;
  }
  if (ReadOnly() && Command != ecCopy && Command != ecSelectAll) return;
  switch (Command) {
    case ecChar:
      if (AChar == '\t') break;
      ReplaceSelectionWithUndo(std::string_view(&AChar, 1));
      break;
    case ecImeStr:
      if (Data) ReplaceSelectionWithUndo(*Data);
      break;
    case ecLineBreak:
      InsertLineBreak(true);
      break;
    case ecDeleteLastChar:
      if (!HasSelection() && c.X > 1) {
        SetSelBegin({ColumnCharStart(line, c.X - 1), c.Y});
        SetSelEnd(c);
      } else if (!HasSelection() && c.Y > 1) {
        SetSelBegin({LineLength(c.Y - 1) + 1, c.Y - 1});
        SetSelEnd(c);
      }
      if (HasSelection()) ReplaceSelectionWithUndo("");
      break;
    case ecDeleteChar:
      if (!HasSelection()) {
        SetSelBegin(c);
        if (c.X <= static_cast<int>(line.size()))
          SetSelEnd({c.X + Utf8CharLen(line, c.X - 1), c.Y});
        else if (c.Y < LineCount())
          SetSelEnd({1, c.Y + 1});
      }
      if (HasSelection()) ReplaceSelectionWithUndo("");
      break;
    case ecSelectAll:
      SelectAll();
      break;
    case ecCopy:
      CopyToClipboard();
      break;
    case ecCut:
      CutToClipboard();
      break;
    case ecPaste:
      PasteFromClipboard();
      break;
    case ecUndo:
      Undo();
      break;
    case ecRedo:
      Redo();
      break;
    case ecToggleMode:
      SetInsertMode(!InsertMode());
      break;
    default:
      break;
  }
}
