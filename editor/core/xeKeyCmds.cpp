// Command names, shortcut values and the keystroke collection.
#include "xeKeyCmds.h"

#include <algorithm>
#include <charconv>

namespace {

// clang-format off
const std::vector<TxeCommandName> kCommandNames = {
    {ecNone, "ecNone"},
    {ecLeft, "ecLeft"},
    {ecRight, "ecRight"},
    {ecUp, "ecUp"},
    {ecDown, "ecDown"},
    {ecWordLeft, "ecWordLeft"},
    {ecWordRight, "ecWordRight"},
    {ecLineStart, "ecLineStart"},
    {ecLineEnd, "ecLineEnd"},
    {ecPageUp, "ecPageUp"},
    {ecPageDown, "ecPageDown"},
    {ecPageLeft, "ecPageLeft"},
    {ecPageRight, "ecPageRight"},
    {ecPageTop, "ecPageTop"},
    {ecPageBottom, "ecPageBottom"},
    {ecEditorTop, "ecEditorTop"},
    {ecEditorBottom, "ecEditorBottom"},
    {ecGotoXY, "ecGotoXY"},
    {ecSelLeft, "ecSelLeft"},
    {ecSelRight, "ecSelRight"},
    {ecSelUp, "ecSelUp"},
    {ecSelDown, "ecSelDown"},
    {ecSelWordLeft, "ecSelWordLeft"},
    {ecSelWordRight, "ecSelWordRight"},
    {ecSelLineStart, "ecSelLineStart"},
    {ecSelLineEnd, "ecSelLineEnd"},
    {ecSelPageUp, "ecSelPageUp"},
    {ecSelPageDown, "ecSelPageDown"},
    {ecSelPageLeft, "ecSelPageLeft"},
    {ecSelPageRight, "ecSelPageRight"},
    {ecSelPageTop, "ecSelPageTop"},
    {ecSelPageBottom, "ecSelPageBottom"},
    {ecSelEditorTop, "ecSelEditorTop"},
    {ecSelEditorBottom, "ecSelEditorBottom"},
    {ecSelGotoXY, "ecSelGotoXY"},
    {ecSelectAll, "ecSelectAll"},
    {ecDeleteLastChar, "ecDeleteLastChar"},
    {ecDeleteChar, "ecDeleteChar"},
    {ecDeleteWord, "ecDeleteWord"},
    {ecDeleteLastWord, "ecDeleteLastWord"},
    {ecDeleteBOL, "ecDeleteBOL"},
    {ecDeleteEOL, "ecDeleteEOL"},
    {ecDeleteLine, "ecDeleteLine"},
    {ecClearAll, "ecClearAll"},
    {ecLineBreak, "ecLineBreak"},
    {ecInsertLine, "ecInsertLine"},
    {ecChar, "ecChar"},
    {ecImeStr, "ecImeStr"},
    {ecUndo, "ecUndo"},
    {ecRedo, "ecRedo"},
    {ecCut, "ecCut"},
    {ecCopy, "ecCopy"},
    {ecPaste, "ecPaste"},
    {ecScrollUp, "ecScrollUp"},
    {ecScrollDown, "ecScrollDown"},
    {ecScrollLeft, "ecScrollLeft"},
    {ecScrollRight, "ecScrollRight"},
    {ecInsertMode, "ecInsertMode"},
    {ecOverwriteMode, "ecOverwriteMode"},
    {ecToggleMode, "ecToggleMode"},
    {ecBlockIndent, "ecBlockIndent"},
    {ecBlockUnindent, "ecBlockUnindent"},
    {ecNormalSelect, "ecNormalSelect"},
    {ecColumnSelect, "ecColumnSelect"},
    {ecLineSelect, "ecLineSelect"},
    {ecTab, "ecTab"},
    {ecShiftTab, "ecShiftTab"},
    {ecMatchBracket, "ecMatchBracket"},
    {ecGotoMarker0, "ecGotoMarker0"},
    {ecGotoMarker1, "ecGotoMarker1"},
    {ecGotoMarker2, "ecGotoMarker2"},
    {ecGotoMarker3, "ecGotoMarker3"},
    {ecGotoMarker4, "ecGotoMarker4"},
    {ecGotoMarker5, "ecGotoMarker5"},
    {ecGotoMarker6, "ecGotoMarker6"},
    {ecGotoMarker7, "ecGotoMarker7"},
    {ecGotoMarker8, "ecGotoMarker8"},
    {ecGotoMarker9, "ecGotoMarker9"},
    {ecSetMarker0, "ecSetMarker0"},
    {ecSetMarker1, "ecSetMarker1"},
    {ecSetMarker2, "ecSetMarker2"},
    {ecSetMarker3, "ecSetMarker3"},
    {ecSetMarker4, "ecSetMarker4"},
    {ecSetMarker5, "ecSetMarker5"},
    {ecSetMarker6, "ecSetMarker6"},
    {ecSetMarker7, "ecSetMarker7"},
    {ecSetMarker8, "ecSetMarker8"},
    {ecSetMarker9, "ecSetMarker9"},
    {ecUserFirst, "ecUserFirst"},
};
// clang-format on

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

const std::vector<TxeCommandName>& EditorCommandNames() { return kCommandNames; }

bool IdentToEditorCommand(std::string_view ident, TxeEditorCommand& command) {
  // Identifiers of the streaming system compare without case.
  for (const auto& entry : kCommandNames) {
    if (EqualNoCase(entry.Name, ident)) {
      command = entry.Command;
      return true;
    }
  }
  return false;
}

bool EditorCommandToIdent(TxeEditorCommand command, std::string& ident) {
  for (const auto& entry : kCommandNames) {
    if (entry.Command == command) {
      ident = entry.Name;
      return true;
    }
  }
  return false;
}

std::string EditorCommandToCodeString(TxeEditorCommand command) {
  std::string ident;
  if (EditorCommandToIdent(command, ident)) return ident;
  return std::to_string(command);
}

bool CodeStringToEditorCommand(std::string_view text, TxeEditorCommand& command) {
  if (IdentToEditorCommand(text, command)) return true;
  unsigned value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value > 0xFFFF) return false;
  command = static_cast<TxeEditorCommand>(value);
  return true;
}

TShortCut ShortCut(std::uint16_t key, TShiftState shift) {
  // A key code beyond the low byte has no shortcut value.
  if (key > 0xFF) return 0;
  TShortCut result = key;
  if (shift & ssShift) result |= scShift;
  if (shift & ssCtrl) result |= scCtrl;
  if (shift & ssAlt) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut shortCut, std::uint16_t& key, TShiftState& shift) {
  key = shortCut & 0xFF;
  shift = 0;
  if (shortCut & scShift) shift |= ssShift;
  if (shortCut & scCtrl) shift |= ssCtrl;
  if (shortCut & scAlt) shift |= ssAlt;
}

namespace {

std::string KeyName(std::uint16_t key) {
  using namespace xeVK;
  switch (key) {
    case Back: return "BkSp";
    case Tab: return "Tab";
    case Return: return "Enter";
    case Escape: return "Esc";
    case Space: return "Space";
    case Prior: return "PgUp";
    case Next: return "PgDn";
    case End: return "End";
    case Home: return "Home";
    case Left: return "Left";
    case Up: return "Up";
    case Right: return "Right";
    case Down: return "Down";
    case Insert: return "Ins";
    case Delete: return "Del";
    case Multiply: return "Num *";
    case Add: return "Num +";
    case Subtract: return "Num -";
    case Decimal: return "Num Del";
    case Divide: return "Num /";
    case OemPlus: return "=";
    case OemComma: return ",";
    case OemMinus: return "-";
    case OemPeriod: return ".";
    case Oem1: return ";";
    case Oem2: return "/";
    case Oem3: return "`";
    case Oem4: return "[";
    case Oem5: return "\\";
    case Oem6: return "]";
    case Oem7: return "'";
    default: break;
  }
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= Numpad0 && key <= Numpad0 + 9) return std::string("Num ").append(std::to_string(key - Numpad0));
  if (key >= F1 && key <= F24) return std::string("F").append(std::to_string(key - F1 + 1));
  if (key == 0) return "";
  return std::string("#").append(std::to_string(key));
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
  if (shortCut == 0) return "";
  std::uint16_t key;
  TShiftState shift;
  ShortCutToKey(shortCut, key, shift);
  std::string name = KeyName(key);
  if (name.empty()) return "";
  std::string result;
  if (shift & ssShift) result += "Shift+";
  if (shift & ssCtrl) result += "Ctrl+";
  if (shift & ssAlt) result += "Alt+";
  return result + name;
}

// ---- TxeKeyStroke

int TxeKeyStroke::Index() const { return FCollection ? FCollection->IndexOf(this) : -1; }

void TxeKeyStroke::SetShortCut(TShortCut value) {
  if (value != 0 && FCollection) {
    const int self = Index();
    for (int i = 0; i < FCollection->Count(); ++i) {
      if (i == self) continue;
      const auto& other = FCollection->Items(i);
      if (other.GetShortCut() == value && other.GetShortCut2() == GetShortCut2())
        throw ExeKeyError("Shortcut already exists");
    }
  }
  ShortCutToKey(value, Key, Shift);
}

void TxeKeyStroke::SetShortCut2(TShortCut value) {
  if (value != 0 && FCollection) {
    const int self = Index();
    for (int i = 0; i < FCollection->Count(); ++i) {
      if (i == self) continue;
      const auto& other = FCollection->Items(i);
      if (other.GetShortCut() == GetShortCut() && other.GetShortCut2() == value)
        throw ExeKeyError("Shortcut already exists");
    }
  }
  ShortCutToKey(value, Key2, Shift2);
}

void TxeKeyStroke::Assign(const TxeKeyStroke& other) {
  Key = other.Key;
  Shift = other.Shift;
  Key2 = other.Key2;
  Shift2 = other.Shift2;
  Command = other.Command;
}

std::string TxeKeyStroke::GetDisplayName() const {
  std::string result = EditorCommandToCodeString(Command);
  result.append(" - ").append(ShortCutToText(GetShortCut()));
  if (GetShortCut() != 0) result.append(" ").append(ShortCutToText(GetShortCut2()));
  if (result.empty()) result = "TxeKeyStroke";
  return result;
}

// ---- TxeKeyStrokes

TxeKeyStroke& TxeKeyStrokes::Add() {
  FItems.push_back(std::make_unique<TxeKeyStroke>(this));
  return *FItems.back();
}

void TxeKeyStrokes::Delete(int index) {
  if (index >= 0 && index < Count()) FItems.erase(FItems.begin() + index);
}

int TxeKeyStrokes::IndexOf(const TxeKeyStroke* item) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[static_cast<std::size_t>(i)].get() == item) return i;
  return -1;
}

void TxeKeyStrokes::Assign(const TxeKeyStrokes& source) {
  if (&source == this) return;
  Clear();
  for (const auto& item : source.FItems) Add().Assign(*item);
}

int TxeKeyStrokes::FindKeycode(std::uint16_t key, TShiftState shift) const {
  for (int i = 0; i < Count(); ++i) {
    const auto& item = *FItems[static_cast<std::size_t>(i)];
    if (item.Key == key && item.Shift == shift && item.Key2 == 0) return i;
  }
  return -1;
}

int TxeKeyStrokes::FindKeycode2(std::uint16_t key1, TShiftState shift1, std::uint16_t key2,
                                TShiftState shift2) const {
  for (int i = 0; i < Count(); ++i) {
    const auto& item = *FItems[static_cast<std::size_t>(i)];
    if (item.Key == key1 && item.Shift == shift1 && item.Key2 == key2 && item.Shift2 == shift2) return i;
  }
  return -1;
}

int TxeKeyStrokes::FindShortcut2(TShortCut shortCut, TShortCut shortCut2) const {
  for (int i = 0; i < Count(); ++i) {
    const auto& item = *FItems[static_cast<std::size_t>(i)];
    if (item.GetShortCut() == shortCut && item.GetShortCut2() == shortCut2) return i;
  }
  return -1;
}

void TxeKeyStrokes::LoadDefaultKeys() {
  struct Default {
    TShortCut ShortCut;
    TxeEditorCommand Command;
  };
  // clang-format off
  static const Default defaults[] = {
      {38, ecUp},           {8230, ecSelUp},          {16422, ecScrollUp},
      {40, ecDown},         {8232, ecSelDown},        {16424, ecScrollDown},
      {37, ecLeft},         {8229, ecSelLeft},        {16421, ecWordLeft},       {24613, ecSelWordLeft},
      {39, ecRight},        {8231, ecSelRight},       {16423, ecWordRight},      {24615, ecSelWordRight},
      {34, ecPageDown},     {8226, ecSelPageDown},    {16418, ecPageBottom},     {24610, ecSelPageBottom},
      {33, ecPageUp},       {8225, ecSelPageUp},      {16417, ecPageTop},        {24609, ecSelPageTop},
      {36, ecLineStart},    {8228, ecSelLineStart},   {16420, ecEditorTop},      {24612, ecSelEditorTop},
      {35, ecLineEnd},      {8227, ecSelLineEnd},     {16419, ecEditorBottom},   {24611, ecSelEditorBottom},
      {45, ecToggleMode},   {16429, ecCopy},          {8237, ecPaste},
      {46, ecDeleteChar},   {8238, ecCut},
      {8, ecDeleteLastChar}, {16392, ecDeleteLastWord}, {32776, ecUndo},         {40968, ecRedo},
      {13, ecLineBreak},
      {16449, ecSelectAll}, {16451, ecCopy},          {24649, ecBlockIndent},    {16461, ecLineBreak},
      {16462, ecInsertLine}, {16468, ecDeleteWord},   {24661, ecBlockUnindent},
      {16470, ecPaste},     {16472, ecCut},           {16473, ecDeleteLine},     {24665, ecDeleteEOL},
      {16474, ecUndo},      {24666, ecRedo},
      {16432, ecGotoMarker0}, {16433, ecGotoMarker1}, {16434, ecGotoMarker2},    {16435, ecGotoMarker3},
      {16436, ecGotoMarker4}, {16437, ecGotoMarker5}, {16438, ecGotoMarker6},    {16439, ecGotoMarker7},
      {16440, ecGotoMarker8}, {16441, ecGotoMarker9},
      {24624, ecSetMarker0}, {24625, ecSetMarker1},   {24626, ecSetMarker2},     {24627, ecSetMarker3},
      {24628, ecSetMarker4}, {24629, ecSetMarker5},   {24630, ecSetMarker6},     {24631, ecSetMarker7},
      {24632, ecSetMarker8}, {24633, ecSetMarker9},
      {24654, ecNormalSelect}, {24643, ecColumnSelect}, {24652, ecLineSelect},
      {9, ecTab},           {8201, ecShiftTab},
      {24642, ecMatchBracket},
  };
  // clang-format on
  Clear();
  for (const auto& d : defaults) {
    auto& item = Add();
    ShortCutToKey(d.ShortCut, item.Key, item.Shift);
    item.Command = d.Command;
  }
}

TxeEditorCommand TxeKeyStrokes::TranslateKey(std::uint16_t key, TShiftState shift,
                                             TxeKeyPending& pending) const {
  int index = -1;
  if (pending.Key != 0) index = FindKeycode2(pending.Key, pending.Shift, key, shift);
  if (index < 0) index = FindKeycode(key, shift);
  const TxeEditorCommand command = index >= 0 ? Items(index).Command : ecNone;
  if (index >= 0 || key < 30 || key > 145) {
    pending = {};
  } else {
    pending.Key = key;
    pending.Shift = shift;
  }
  return command;
}
