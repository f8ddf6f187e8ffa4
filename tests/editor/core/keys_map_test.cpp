// Command names, shortcut values, the default map, duplicates and key translation with two-key sequences.
#include <gtest/gtest.h>

#include <set>

#include "xeKeyCmds.h"

TEST(KeyCommandNames, EveryNameMapsToItsCodeAndBack) {
  const auto& names = EditorCommandNames();
  ASSERT_EQ(names.size(), 89u);
  std::set<std::string> seenNames;
  std::set<TxeEditorCommand> seenCodes;
  for (const auto& entry : names) {
    EXPECT_TRUE(seenNames.insert(entry.Name).second) << entry.Name;
    EXPECT_TRUE(seenCodes.insert(entry.Command).second) << entry.Name;
    TxeEditorCommand code = 9999;
    ASSERT_TRUE(IdentToEditorCommand(entry.Name, code)) << entry.Name;
    EXPECT_EQ(code, entry.Command);
    std::string ident;
    ASSERT_TRUE(EditorCommandToIdent(entry.Command, ident));
    EXPECT_EQ(ident, entry.Name);
  }
}

TEST(KeyCommandNames, CodeValuesAndCodeStrings) {
  struct Case {
    const char* text;
    bool ok;
    TxeEditorCommand code;
    // clang-format off
  } cases[] = {
      {"ecNone", true, 0},          {"ecGotoXY", true, 17},         {"ecSelGotoXY", true, 117},
      {"ecSelectAll", true, 199},   {"ecDeleteLastChar", true, 401}, {"ecChar", true, 411},
      {"ecImeStr", true, 500},      {"ecMatchBracket", true, 620},  {"ecGotoMarker0", true, 701},
      {"ecGotoMarker9", true, 710}, {"ecSetMarker0", true, 751},    {"ecSetMarker9", true, 760},
      {"ecUserFirst", true, 1001},  {"ECUP", true, 3},              {"1234", true, 1234},
      {"65535", true, 65535},       {"65536", false, 0},            {"ecBogus", false, 0},
      {"", false, 0},               {"12x", false, 0},              {"-1", false, 0},
  };
  // clang-format on
  for (const auto& c : cases) {
    TxeEditorCommand code = 7777;
    EXPECT_EQ(CodeStringToEditorCommand(c.text, code), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(code, c.code) << c.text;
    }
  }
  EXPECT_EQ(EditorCommandToCodeString(ecPaste), "ecPaste");
  EXPECT_EQ(EditorCommandToCodeString(1002), "1002");
  EXPECT_EQ(ecSelPageBottom, ecPageBottom + 100);
}

TEST(KeyShortCuts, ValuesSplitAndText) {
  struct Case {
    std::uint16_t key;
    TShiftState shift;
    TShortCut value;
    const char* text;
    // clang-format off
  } cases[] = {
      {xeVK::Left, ssCtrl | ssShift, 24613, "Shift+Ctrl+Left"},
      {xeVK::Back, ssAlt | ssShift, 40968, "Shift+Alt+BkSp"},
      {'C', ssCtrl, 16451, "Ctrl+C"},
      {xeVK::Up, 0, 38, "Up"},
      {xeVK::F1 + 4, ssAlt, 32768 + 116, "Alt+F5"},
      {xeVK::Insert, ssShift, 8237, "Shift+Ins"},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(ShortCut(c.key, c.shift), c.value);
    std::uint16_t key;
    TShiftState shift;
    ShortCutToKey(c.value, key, shift);
    EXPECT_EQ(key, c.key);
    EXPECT_EQ(shift, c.shift);
    EXPECT_EQ(ShortCutToText(c.value), c.text);
  }
  EXPECT_EQ(ShortCutToText(0), "");
}

TEST(KeyStrokes, DefaultTableHasItsItemsInOrder) {
  TxeKeyStrokes keys;
  keys.LoadDefaultKeys();
  ASSERT_EQ(keys.Count(), 79);
  struct Spot {
    int index;
    TShortCut shortCut;
    TxeEditorCommand command;
    // clang-format off
  } spots[] = {
      {0, 38, ecUp},           {2, 16422, ecScrollUp},     {6, 37, ecLeft},
      {9, 24613, ecSelWordLeft}, {14, 34, ecPageDown},     {16, 16418, ecPageBottom},
      {30, 45, ecToggleMode},  {33, 46, ecDeleteChar},     {36, 16392, ecDeleteLastWord},
      {38, 40968, ecRedo},     {39, 13, ecLineBreak},      {40, 16449, ecSelectAll},
      {46, 24661, ecBlockUnindent}, {52, 24666, ecRedo},   {53, 16432, ecGotoMarker0},
      {62, 16441, ecGotoMarker9}, {63, 24624, ecSetMarker0}, {72, 24633, ecSetMarker9},
      {73, 24654, ecNormalSelect}, {76, 9, ecTab},         {77, 8201, ecShiftTab},
      {78, 24642, ecMatchBracket},
  };
  // clang-format on
  for (const auto& s : spots) {
    EXPECT_EQ(keys.Items(s.index).GetShortCut(), s.shortCut) << s.index;
    EXPECT_EQ(keys.Items(s.index).Command, s.command) << s.index;
  }
  for (int i = 0; i < keys.Count(); ++i) EXPECT_EQ(keys.Items(i).GetShortCut2(), 0) << i;
  // Loading twice does not pile items up.
  keys.LoadDefaultKeys();
  EXPECT_EQ(keys.Count(), 79);
}

TEST(KeyStrokes, DuplicateShortcutRaisesAndLeavesItemUnchanged) {
  TxeKeyStrokes keys;
  keys.LoadDefaultKeys();
  auto& item = keys.Add();
  item.Command = ecClearAll;
  try {
    item.SetShortCut(16451);  // Ctrl+C is ecCopy's
    FAIL() << "no exception";
  } catch (const ExeKeyError& e) {
    EXPECT_STREQ(e.what(), "Shortcut already exists");
  }
  EXPECT_EQ(item.GetShortCut(), 0);
  EXPECT_NO_THROW(item.SetShortCut(0));
  // The same first key with a different second key is not a duplicate; the same pair again is.
  item.SetShortCut2(ShortCut('B', ssCtrl));
  EXPECT_NO_THROW(item.SetShortCut(16451));
  auto& other = keys.Add();
  other.SetShortCut(ShortCut('K', ssCtrl));
  other.SetShortCut2(ShortCut('B', ssCtrl));
  EXPECT_THROW(other.SetShortCut(16451), ExeKeyError);
  EXPECT_EQ(other.GetShortCut(), ShortCut('K', ssCtrl));
  other.SetShortCut2(0);
  EXPECT_THROW(other.SetShortCut(16451), ExeKeyError);  // now the pair of ecCopy
  // An item may set its own pair again.
  EXPECT_NO_THROW(item.SetShortCut(16451));
  EXPECT_EQ(keys.FindShortcut2(16451, ShortCut('B', ssCtrl)), item.Index());
}

TEST(KeyStrokes, DisplayNameAndAssign) {
  TxeKeyStrokes keys;
  auto& copy = keys.Add();
  copy.Command = ecCopy;
  copy.SetShortCut(16451);
  EXPECT_EQ(copy.GetDisplayName(), "ecCopy - Ctrl+C ");
  auto& seq = keys.Add();
  seq.Command = 1005;
  seq.SetShortCut(ShortCut('K', ssCtrl));
  seq.SetShortCut2(ShortCut('B', ssCtrl));
  EXPECT_EQ(seq.GetDisplayName(), "1005 - Ctrl+K Ctrl+B");
  EXPECT_EQ(keys.Add().GetDisplayName(), "ecNone - ");

  TxeKeyStrokes other(keys);
  ASSERT_EQ(other.Count(), 3);
  EXPECT_EQ(other.Items(1).Command, 1005);
  EXPECT_EQ(other.Items(1).GetShortCut2(), ShortCut('B', ssCtrl));
  // Copies belong to their own collection.
  EXPECT_EQ(other.Items(1).Index(), 1);
  EXPECT_THROW(other.Add().SetShortCut(16451), ExeKeyError);
}

// A script of key presses against a map with two-key items; each step names the command expected.
TEST(KeyTranslation, SequencesArmAndDisarm) {
  TxeKeyStrokes keys;
  keys.LoadDefaultKeys();
  auto& seq = keys.Add();
  seq.Key = 'K';
  seq.Shift = ssCtrl;
  seq.Key2 = 'B';
  seq.Shift2 = ssCtrl;
  seq.Command = ecUserFirst;
  auto& seq2 = keys.Add();
  seq2.Key = 'K';
  seq2.Shift = ssCtrl;
  seq2.Key2 = 'C';  // Ctrl+C alone is ecCopy: the sequence wins while armed
  seq2.Shift2 = ssCtrl;
  seq2.Command = ecUserFirst + 1;

  struct Step {
    std::uint16_t key;
    TShiftState shift;
    TxeEditorCommand expect;
    std::uint16_t pendingAfter;
    // clang-format off
  } script[] = {
      {'K', ssCtrl, ecNone, 'K'},            // unbound, 30..145: armed
      {'B', ssCtrl, ecUserFirst, 0},         // completes the sequence
      {'B', ssCtrl, ecNone, 'B'},            // alone it is unbound and arms itself
      {'K', ssCtrl, ecNone, 'K'},            // re-armed with K
      {'C', ssCtrl, ecUserFirst + 1, 0},     // sequence beats the single-key ecCopy
      {'C', ssCtrl, ecCopy, 0},              // single key now
      {'K', ssCtrl, ecNone, 'K'},
      {xeVK::Control, ssCtrl, ecNone, 0},    // a modifier alone (below 30) disarms
      {'B', ssCtrl, ecNone, 'B'},            // so this is no sequence
      {'K', ssCtrl, ecNone, 'K'},
      {xeVK::Left, 0, ecLeft, 0},            // a bound key disarms
      {'K', ssCtrl, ecNone, 'K'},
      {'B', 0, ecNone, 'B'},                 // wrong modifiers: not the sequence, arms B
      {xeVK::F24 + 20, 0, ecNone, 0},        // code above 145 disarms
      {xeVK::Return, 0, ecLineBreak, 0},
      {'A', 0, ecNone, 'A'},                 // plain letters arm too; the character still goes on
  };
  // clang-format on
  TxeKeyPending pending;
  int step = 0;
  for (const auto& s : script) {
    EXPECT_EQ(keys.TranslateKey(s.key, s.shift, pending), s.expect) << "step " << step;
    EXPECT_EQ(pending.Key, s.pendingAfter) << "step " << step;
    ++step;
  }
}

TEST(KeyTranslation, FirstOfTwoEqualItemsWins) {
  TxeKeyStrokes keys;
  auto& a = keys.Add();
  a.Key = xeVK::F1;
  a.Command = ecCut;
  auto& b = keys.Add();
  b.Key = xeVK::F1;
  b.Command = ecCopy;
  TxeKeyPending pending;
  EXPECT_EQ(keys.TranslateKey(xeVK::F1, 0, pending), ecCut);
  EXPECT_EQ(keys.FindKeycode(xeVK::F1, 0), 0);
  EXPECT_EQ(keys.FindKeycode(xeVK::F1, ssShift), -1);
}

TEST(KeyTranslation, QtKeysBecomeOurKeyCodes) {
  struct Case {
    int qtKey;
    bool keypad;
    std::uint16_t vk;
    // clang-format off
  } cases[] = {
      {0x41, false, 'A'},           {0x7A, false, 'Z'},         {0x30, false, '0'},
      {0x29, false, '0'},           {0x28, false, '9'},         {0x01000012, false, xeVK::Left},
      {0x01000002, false, xeVK::Tab}, {0x01000005, true, xeVK::Return}, {0x01000016, false, xeVK::Prior},
      {0x01000017, false, xeVK::Next}, {0x01000030, false, xeVK::F1}, {0x0100003B, false, xeVK::F1 + 11},
      {0x35, true, xeVK::Numpad0 + 5}, {0x2B, true, xeVK::Add},  {0x2D, false, xeVK::OemMinus},
      {0x01000021, false, xeVK::Control}, {0xE9, false, 0},    {0x01000010, true, xeVK::Home},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(QtKeyToVirtualKey(c.qtKey, c.keypad), c.vk) << std::hex << c.qtKey;
  EXPECT_EQ(QtModifiersToShiftState(0x02000000 | 0x04000000), ssShift | ssCtrl);
  EXPECT_EQ(QtModifiersToShiftState(0x08000000 | 0x20000000), ssAlt);
}
