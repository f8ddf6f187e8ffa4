// Qt key events to the keystroke map's own key codes. The Qt values are spelled out so the core stays free of
// Qt.
#include "xeKeyCmds.h"

namespace {

// Qt::Key values used below.
constexpr int QtKeyEscape = 0x01000000;
constexpr int QtKeyTab = 0x01000001;
constexpr int QtKeyBacktab = 0x01000002;
constexpr int QtKeyBackspace = 0x01000003;
constexpr int QtKeyReturn = 0x01000004;
constexpr int QtKeyEnter = 0x01000005;
constexpr int QtKeyInsert = 0x01000006;
constexpr int QtKeyDelete = 0x01000007;
constexpr int QtKeyPause = 0x01000008;
constexpr int QtKeyPrint = 0x01000009;
constexpr int QtKeyClear = 0x0100000b;
constexpr int QtKeyHome = 0x01000010;
constexpr int QtKeyEnd = 0x01000011;
constexpr int QtKeyLeft = 0x01000012;
constexpr int QtKeyUp = 0x01000013;
constexpr int QtKeyRight = 0x01000014;
constexpr int QtKeyDown = 0x01000015;
constexpr int QtKeyPageUp = 0x01000016;
constexpr int QtKeyPageDown = 0x01000017;
constexpr int QtKeyShift = 0x01000020;
constexpr int QtKeyControl = 0x01000021;
constexpr int QtKeyMeta = 0x01000022;
constexpr int QtKeyAlt = 0x01000023;
constexpr int QtKeyCapsLock = 0x01000024;
constexpr int QtKeyNumLock = 0x01000025;
constexpr int QtKeyScrollLock = 0x01000026;
constexpr int QtKeyF1 = 0x01000030;
constexpr int QtKeyF24 = 0x01000047;
constexpr int QtKeyMenu = 0x01000055;
constexpr int QtKeyHelp = 0x01000058;

// Qt::KeyboardModifier bits.
constexpr unsigned QtShiftModifier = 0x02000000;
constexpr unsigned QtControlModifier = 0x04000000;
constexpr unsigned QtAltModifier = 0x08000000;

// Shifted symbols on a US layout go back to the key that carries them, so Ctrl+Shift+0 stays key '0'.
std::uint16_t SymbolKey(int c) {
  using namespace xeVK;
  switch (c) {
    case ')': return '0';
    case '!': return '1';
    case '@': return '2';
    case '#': return '3';
    case '$': return '4';
    case '%': return '5';
    case '^': return '6';
    case '&': return '7';
    case '*': return '8';
    case '(': return '9';
    case ';':
    case ':': return Oem1;
    case '=':
    case '+': return OemPlus;
    case ',':
    case '<': return OemComma;
    case '-':
    case '_': return OemMinus;
    case '.':
    case '>': return OemPeriod;
    case '/':
    case '?': return Oem2;
    case '`':
    case '~': return Oem3;
    case '[':
    case '{': return Oem4;
    case '\\':
    case '|': return Oem5;
    case ']':
    case '}': return Oem6;
    case '\'':
    case '"': return Oem7;
    case ' ': return Space;
    default: return 0;
  }
}

}  // namespace

std::uint16_t QtKeyToVirtualKey(int qtKey, bool keypad) {
  using namespace xeVK;
  if (keypad) {
    // Keypad digits and operators keep their own codes; keypad navigation keys fall through.
    if (qtKey >= '0' && qtKey <= '9') return static_cast<std::uint16_t>(Numpad0 + (qtKey - '0'));
    switch (qtKey) {
      case '*': return Multiply;
      case '+': return Add;
      case '-': return Subtract;
      case '.':
      case ',': return Decimal;
      case '/': return Divide;
      default: break;
    }
  }
  if (qtKey >= 'A' && qtKey <= 'Z') return static_cast<std::uint16_t>(qtKey);
  if (qtKey >= 'a' && qtKey <= 'z') return static_cast<std::uint16_t>(qtKey - 'a' + 'A');
  if (qtKey >= '0' && qtKey <= '9') return static_cast<std::uint16_t>(qtKey);
  if (qtKey >= QtKeyF1 && qtKey <= QtKeyF24) return static_cast<std::uint16_t>(F1 + (qtKey - QtKeyF1));
  switch (qtKey) {
    case QtKeyEscape: return Escape;
    case QtKeyTab:
    case QtKeyBacktab: return Tab;
    case QtKeyBackspace: return Back;
    case QtKeyReturn:
    case QtKeyEnter: return Return;
    case QtKeyInsert: return Insert;
    case QtKeyDelete: return Delete;
    case QtKeyPause: return Pause;
    case QtKeyPrint: return Snapshot;
    case QtKeyClear: return Clear;
    case QtKeyHome: return Home;
    case QtKeyEnd: return End;
    case QtKeyLeft: return Left;
    case QtKeyUp: return Up;
    case QtKeyRight: return Right;
    case QtKeyDown: return Down;
    case QtKeyPageUp: return Prior;
    case QtKeyPageDown: return Next;
    case QtKeyShift: return Shift;
    case QtKeyControl: return Control;
    case QtKeyAlt: return Menu;
    case QtKeyMeta: return LWin;
    case QtKeyCapsLock: return Capital;
    case QtKeyNumLock: return NumLock;
    case QtKeyScrollLock: return Scroll;
    case QtKeyMenu: return Apps;
    case QtKeyHelp: return Help;
    default: break;
  }
  if (qtKey > 0 && qtKey < 0x80) return SymbolKey(qtKey);
  return 0;
}

TShiftState QtModifiersToShiftState(unsigned qtModifiers) {
  TShiftState shift = 0;
  if (qtModifiers & QtShiftModifier) shift |= ssShift;
  if (qtModifiers & QtControlModifier) shift |= ssCtrl;
  if (qtModifiers & QtAltModifier) shift |= ssAlt;
  return shift;
}
