// Editor command codes with their names, and the keystroke map that turns key presses into commands.
#pragma once
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A 16-bit command code; codes from ecUserFirst up are the user's own and are only reported.
using TxeEditorCommand = std::uint16_t;

constexpr TxeEditorCommand ecNone = 0;

constexpr TxeEditorCommand ecLeft = 1;
constexpr TxeEditorCommand ecRight = 2;
constexpr TxeEditorCommand ecUp = 3;
constexpr TxeEditorCommand ecDown = 4;
constexpr TxeEditorCommand ecWordLeft = 5;
constexpr TxeEditorCommand ecWordRight = 6;
constexpr TxeEditorCommand ecLineStart = 7;
constexpr TxeEditorCommand ecLineEnd = 8;
constexpr TxeEditorCommand ecPageUp = 9;
constexpr TxeEditorCommand ecPageDown = 10;
constexpr TxeEditorCommand ecPageLeft = 11;
constexpr TxeEditorCommand ecPageRight = 12;
constexpr TxeEditorCommand ecPageTop = 13;
constexpr TxeEditorCommand ecPageBottom = 14;
constexpr TxeEditorCommand ecEditorTop = 15;
constexpr TxeEditorCommand ecEditorBottom = 16;
constexpr TxeEditorCommand ecGotoXY = 17;

// Each selection-extending command is its movement twin plus ecSelection.
constexpr TxeEditorCommand ecSelection = 100;
constexpr TxeEditorCommand ecSelLeft = ecLeft + ecSelection;
constexpr TxeEditorCommand ecSelRight = ecRight + ecSelection;
constexpr TxeEditorCommand ecSelUp = ecUp + ecSelection;
constexpr TxeEditorCommand ecSelDown = ecDown + ecSelection;
constexpr TxeEditorCommand ecSelWordLeft = ecWordLeft + ecSelection;
constexpr TxeEditorCommand ecSelWordRight = ecWordRight + ecSelection;
constexpr TxeEditorCommand ecSelLineStart = ecLineStart + ecSelection;
constexpr TxeEditorCommand ecSelLineEnd = ecLineEnd + ecSelection;
constexpr TxeEditorCommand ecSelPageUp = ecPageUp + ecSelection;
constexpr TxeEditorCommand ecSelPageDown = ecPageDown + ecSelection;
constexpr TxeEditorCommand ecSelPageLeft = ecPageLeft + ecSelection;
constexpr TxeEditorCommand ecSelPageRight = ecPageRight + ecSelection;
constexpr TxeEditorCommand ecSelPageTop = ecPageTop + ecSelection;
constexpr TxeEditorCommand ecSelPageBottom = ecPageBottom + ecSelection;
constexpr TxeEditorCommand ecSelEditorTop = ecEditorTop + ecSelection;
constexpr TxeEditorCommand ecSelEditorBottom = ecEditorBottom + ecSelection;
constexpr TxeEditorCommand ecSelGotoXY = ecGotoXY + ecSelection;
constexpr TxeEditorCommand ecSelectAll = 199;

constexpr TxeEditorCommand ecDeleteLastChar = 401;
constexpr TxeEditorCommand ecDeleteChar = 402;
constexpr TxeEditorCommand ecDeleteWord = 403;
constexpr TxeEditorCommand ecDeleteLastWord = 404;
constexpr TxeEditorCommand ecDeleteBOL = 405;
constexpr TxeEditorCommand ecDeleteEOL = 406;
constexpr TxeEditorCommand ecDeleteLine = 407;
constexpr TxeEditorCommand ecClearAll = 408;
constexpr TxeEditorCommand ecLineBreak = 409;
constexpr TxeEditorCommand ecInsertLine = 410;
constexpr TxeEditorCommand ecChar = 411;

constexpr TxeEditorCommand ecImeStr = 500;

constexpr TxeEditorCommand ecUndo = 601;
constexpr TxeEditorCommand ecRedo = 602;
constexpr TxeEditorCommand ecCut = 603;
constexpr TxeEditorCommand ecCopy = 604;
constexpr TxeEditorCommand ecPaste = 605;
constexpr TxeEditorCommand ecScrollUp = 606;
constexpr TxeEditorCommand ecScrollDown = 607;
constexpr TxeEditorCommand ecScrollLeft = 608;
constexpr TxeEditorCommand ecScrollRight = 609;
constexpr TxeEditorCommand ecInsertMode = 610;
constexpr TxeEditorCommand ecOverwriteMode = 611;
constexpr TxeEditorCommand ecToggleMode = 612;
constexpr TxeEditorCommand ecBlockIndent = 613;
constexpr TxeEditorCommand ecBlockUnindent = 614;
constexpr TxeEditorCommand ecNormalSelect = 615;
constexpr TxeEditorCommand ecColumnSelect = 616;
constexpr TxeEditorCommand ecLineSelect = 617;
constexpr TxeEditorCommand ecTab = 618;
constexpr TxeEditorCommand ecShiftTab = 619;
constexpr TxeEditorCommand ecMatchBracket = 620;

constexpr TxeEditorCommand ecGotoMarker0 = 701;
constexpr TxeEditorCommand ecGotoMarker1 = 702;
constexpr TxeEditorCommand ecGotoMarker2 = 703;
constexpr TxeEditorCommand ecGotoMarker3 = 704;
constexpr TxeEditorCommand ecGotoMarker4 = 705;
constexpr TxeEditorCommand ecGotoMarker5 = 706;
constexpr TxeEditorCommand ecGotoMarker6 = 707;
constexpr TxeEditorCommand ecGotoMarker7 = 708;
constexpr TxeEditorCommand ecGotoMarker8 = 709;
constexpr TxeEditorCommand ecGotoMarker9 = 710;
constexpr TxeEditorCommand ecSetMarker0 = 751;
constexpr TxeEditorCommand ecSetMarker1 = 752;
constexpr TxeEditorCommand ecSetMarker2 = 753;
constexpr TxeEditorCommand ecSetMarker3 = 754;
constexpr TxeEditorCommand ecSetMarker4 = 755;
constexpr TxeEditorCommand ecSetMarker5 = 756;
constexpr TxeEditorCommand ecSetMarker6 = 757;
constexpr TxeEditorCommand ecSetMarker7 = 758;
constexpr TxeEditorCommand ecSetMarker8 = 759;
constexpr TxeEditorCommand ecSetMarker9 = 760;

constexpr TxeEditorCommand ecUserFirst = 1001;

// Command names, as stored for each key binding ("ecUp"); codes without a name read and write as decimals.
bool IdentToEditorCommand(std::string_view ident, TxeEditorCommand& command);
bool EditorCommandToIdent(TxeEditorCommand command, std::string& ident);
std::string EditorCommandToCodeString(TxeEditorCommand command);
// Accepts a name or a decimal number; false for anything else or a number above 65535.
bool CodeStringToEditorCommand(std::string_view text, TxeEditorCommand& command);
// All named commands in code order.
struct TxeCommandName {
  TxeEditorCommand Command;
  const char* Name;
};
const std::vector<TxeCommandName>& EditorCommandNames();

// Modifier keys of a key press, a small set.
using TShiftState = std::uint8_t;
constexpr TShiftState ssShift = 1;
constexpr TShiftState ssAlt = 2;
constexpr TShiftState ssCtrl = 4;

// 16-bit key codes (the system's virtual-key numbers) used by the default map and the Qt translation.
namespace xeVK {
constexpr std::uint16_t Back = 8, Tab = 9, Clear = 12, Return = 13, Shift = 16, Control = 17, Menu = 18,
                        Pause = 19, Capital = 20, Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35,
                        Home = 36, Left = 37, Up = 38, Right = 39, Down = 40, Print = 42, Snapshot = 44,
                        Insert = 45, Delete = 46, Help = 47, Key0 = 48, KeyA = 65, LWin = 91, RWin = 92,
                        Apps = 93, Numpad0 = 96, Multiply = 106, Add = 107, Separator = 108, Subtract = 109,
                        Decimal = 110, Divide = 111, F1 = 112, F24 = 135, NumLock = 144, Scroll = 145,
                        Oem1 = 186, OemPlus = 187, OemComma = 188, OemMinus = 189, OemPeriod = 190,
                        Oem2 = 191, Oem3 = 192, Oem4 = 219, Oem5 = 220, Oem6 = 221, Oem7 = 222;
}

// The platform shortcut value: key code in the low byte, plus these modifier bits.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

TShortCut ShortCut(std::uint16_t key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, std::uint16_t& key, TShiftState& shift);
std::string ShortCutToText(TShortCut shortCut);

// Qt key codes and modifier bits to the map's key codes, without Qt itself: the widget passes
// QKeyEvent::key() and modifiers() as plain integers. Key 0 = no key code of ours.
std::uint16_t QtKeyToVirtualKey(int qtKey, bool keypad);
TShiftState QtModifiersToShiftState(unsigned qtModifiers);

class ExeKeyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TxeKeyStrokes;

class TxeKeyStroke {
 public:
  explicit TxeKeyStroke(TxeKeyStrokes* collection) : FCollection(collection) {}

  std::uint16_t Key = 0;
  TShiftState Shift = 0;
  std::uint16_t Key2 = 0;
  TShiftState Shift2 = 0;
  TxeEditorCommand Command = ecNone;

  TShortCut GetShortCut() const { return ::ShortCut(Key, Shift); }
  TShortCut GetShortCut2() const { return ::ShortCut(Key2, Shift2); }
  // Raise ExeKeyError "Shortcut already exists" when another item has the same pair; 0 never raises.
  void SetShortCut(TShortCut value);
  void SetShortCut2(TShortCut value);

  void Assign(const TxeKeyStroke& other);
  std::string GetDisplayName() const;
  int Index() const;

 private:
  TxeKeyStrokes* FCollection;
};

// The pending first key of a possible two-key sequence.
struct TxeKeyPending {
  std::uint16_t Key = 0;
  TShiftState Shift = 0;
};

class TxeKeyStrokes {
 public:
  TxeKeyStrokes() = default;
  TxeKeyStrokes(const TxeKeyStrokes& other) { Assign(other); }
  TxeKeyStrokes& operator=(const TxeKeyStrokes& other) {
    if (this != &other) Assign(other);
    return *this;
  }

  TxeKeyStroke& Add();
  void Clear() { FItems.clear(); }
  void Delete(int index);
  int Count() const { return static_cast<int>(FItems.size()); }
  TxeKeyStroke& Items(int index) { return *FItems.at(static_cast<std::size_t>(index)); }
  const TxeKeyStroke& Items(int index) const { return *FItems.at(static_cast<std::size_t>(index)); }
  int IndexOf(const TxeKeyStroke* item) const;

  void Assign(const TxeKeyStrokes& source);

  int FindKeycode(std::uint16_t key, TShiftState shift) const;
  int FindKeycode2(std::uint16_t key1, TShiftState shift1, std::uint16_t key2, TShiftState shift2) const;
  int FindShortcut2(TShortCut shortCut, TShortCut shortCut2) const;

  void LoadDefaultKeys();

  // One key-down: the command for the key (two-key sequences first), updating the pending first key.
  TxeEditorCommand TranslateKey(std::uint16_t key, TShiftState shift, TxeKeyPending& pending) const;

 private:
  std::vector<std::unique_ptr<TxeKeyStroke>> FItems;
};
