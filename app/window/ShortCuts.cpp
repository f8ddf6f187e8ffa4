#include "ShortCuts.h"

#include "xeKeyCmds.h"

namespace {

int QtKeyOf(std::uint16_t Key) {
  using namespace xeVK;
  if (Key >= KeyA && Key < KeyA + 26) return Qt::Key_A + (Key - KeyA);
  if (Key >= Key0 && Key < Key0 + 10) return Qt::Key_0 + (Key - Key0);
  if (Key >= F1 && Key <= F24) return Qt::Key_F1 + (Key - F1);
  switch (Key) {
    case Back: return Qt::Key_Backspace;
    case Tab: return Qt::Key_Tab;
    case Return: return Qt::Key_Return;
    case Escape: return Qt::Key_Escape;
    case Space: return Qt::Key_Space;
    case Prior: return Qt::Key_PageUp;
    case Next: return Qt::Key_PageDown;
    case End: return Qt::Key_End;
    case Home: return Qt::Key_Home;
    case Left: return Qt::Key_Left;
    case Up: return Qt::Key_Up;
    case Right: return Qt::Key_Right;
    case Down: return Qt::Key_Down;
    case Insert: return Qt::Key_Insert;
    case Delete: return Qt::Key_Delete;
    default: return 0;
  }
}

}  // namespace

QKeySequence ShortCutToKeySequence(std::uint16_t ShortCut) {
  std::uint16_t key = 0;
  TShiftState shift = 0;
  ShortCutToKey(ShortCut, key, shift);
  const int qtKey = QtKeyOf(key);
  if (ShortCut == 0 || qtKey == 0) return {};
  int modifiers = 0;
  if (shift & ssShift) modifiers |= Qt::SHIFT;
  if (shift & ssCtrl) modifiers |= Qt::CTRL;
  if (shift & ssAlt) modifiers |= Qt::ALT;
  return QKeySequence(qtKey | modifiers);
}
