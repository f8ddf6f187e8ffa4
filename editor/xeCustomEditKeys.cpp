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

bool TxeCustomEdit::ProcessKey(int QtKey, Qt::KeyboardModifiers Modifiers) {
  const std::uint16_t vk = QtKeyToVirtualKey(QtKey, Modifiers & Qt::KeypadModifier);
  if (vk == 0) return false;
  TShiftState shift = QtModifiersToShiftState(static_cast<unsigned>(Modifiers.toInt()));
  if (QtKey == Qt::Key_Backtab) shift |= ssShift;
  return KeyDown(vk, shift);
}

void TxeCustomEdit::keyPressEvent(QKeyEvent* e) {
  if (ProcessKey(e->key(), e->modifiers())) {
    e->accept();
    return;
  }
  const QString text = e->text();
  const bool ctrlOrAlt = (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
                         !(e->modifiers() & Qt::GroupSwitchModifier);
  if (text.isEmpty() || ctrlOrAlt) {
    QAbstractScrollArea::keyPressEvent(e);
    return;
  }
  for (char32_t c : text.toUcs4()) CommandProcessor(ecChar, c, nullptr);
  e->accept();
}

void TxeCustomEdit::inputMethodEvent(QInputMethodEvent* e) {
  const QByteArray bytes = e->commitString().toUtf8();  // zero-terminated
  if (!bytes.isEmpty()) CommandProcessor(ecImeStr, 0, bytes.constData());
  e->accept();
}
