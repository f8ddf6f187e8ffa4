// The command processor's hooks, read-only suppression, key-downs, bookmark keys and clipboard commands.
#include <gtest/gtest.h>

#include <vector>

#include "commands_script.h"

TEST(CommandsProcessor, HooksChangeCancelAndReport) {
  TScriptModel s;
  auto& m = s.Model;
  std::vector<TxeEditorCommand> seen, user;
  int done = 0;
  m.OnCommandDone = [&](TObject*) { ++done; };
  m.OnProcessCommand = [&](TObject*, TxeEditorCommand& c, char32_t& ch, const void*) {
    seen.push_back(c);
    if (c == ecChar && ch == U'a') ch = U'b';    // changes the character
    if (c == ecDeleteLine) c = ecNone;           // cancels
    if (c == ecToggleMode) c = ecUserFirst + 5;  // turns into a user command: not run, not reported again
  };
  m.OnProcessUserCommand = [&](TObject*, TxeEditorCommand& c, char32_t&, const void*) { user.push_back(c); };
  LoadMarked(m, "x|");
  m.CommandProcessor(ecChar, U'a');
  EXPECT_EQ(ShowMarked(m), "xb|");
  EXPECT_EQ(done, 1);
  m.CommandProcessor(ecDeleteLine);
  EXPECT_EQ(ShowMarked(m), "xb|");
  EXPECT_EQ(done, 1);
  m.CommandProcessor(ecToggleMode);
  EXPECT_TRUE(m.InsertMode());
  EXPECT_EQ(done, 1);
  m.CommandProcessor(ecUserFirst + 7);
  m.CommandProcessor(65535);
  EXPECT_EQ(user, (std::vector<TxeEditorCommand>{ecUserFirst + 7, 65535}));
  EXPECT_EQ(done, 1);
  EXPECT_EQ(seen, (std::vector<TxeEditorCommand>{ecChar, ecDeleteLine, ecToggleMode}));
  m.CommandProcessor(ecNone);
  EXPECT_EQ(done, 1);
  // Unknown codes below ecUserFirst run nothing but still complete.
  m.CommandProcessor(999);
  EXPECT_EQ(done, 2);
}

TEST(CommandsProcessor, OneStatusReportPerCommand) {
  TScriptModel s;
  auto& m = s.Model;
  LoadMarked(m, "ab\ncd|");
  std::vector<TxeStatusChanges> reports;
  m.OnStatusChange = [&](TObject*, TxeStatusChanges c) { reports.push_back(c); };
  m.CommandProcessor(ecEditorTop);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0] & (stCaretCol | stCaretLine), stCaretCol | stCaretLine);
}

TEST(CommandsProcessor, ReadOnlySuppressesEditsOnly) {
  TScriptModel s;
  auto& m = s.Model;
  LoadMarked(m, "ab|c\ndef");
  m.CommandProcessor(ecSelRight);
  m.CommandProcessor(ecCopy);
  m.SetReadOnly(true);
  const TxeEditorCommand edits[] = {
      ecChar,       ecImeStr,     ecLineBreak,      ecInsertLine,  ecTab,           ecDeleteLastChar,
      ecDeleteChar, ecDeleteWord, ecDeleteLastWord, ecDeleteBOL,   ecDeleteEOL,     ecDeleteLine,
      ecClearAll,   ecCut,        ecPaste,          ecBlockIndent, ecBlockUnindent, ecUndo,
      ecRedo};
  for (TxeEditorCommand c : edits) m.CommandProcessor(c, U'x', "ime");
  EXPECT_EQ(m.Text(), "abc\r\ndef\r\n");
  EXPECT_FALSE(m.Modified());
  m.CommandProcessor(ecLineEnd);
  m.CommandProcessor(ecDown);
  EXPECT_EQ(m.CaretPos(), (TPoint{4, 2}));
  m.CommandProcessor(ecSetMarker2);
  EXPECT_NE(m.Bookmark(2), nullptr);
  m.SetReadOnly(false);
  m.CommandProcessor(ecPaste);
  EXPECT_EQ(m.Text(), "abc\r\ndefc\r\n");
}

TEST(CommandsProcessor, KeyDownsRunBoundCommands) {
  TScriptModel s;
  auto& m = s.Model;
  LoadMarked(m, "ab|c");
  std::vector<TxeEditorCommand> user;
  m.OnProcessUserCommand = [&](TObject*, TxeEditorCommand& c, char32_t&, const void*) { user.push_back(c); };
  auto& seq = m.Keystrokes().Add();
  seq.Key = 'K';
  seq.Shift = ssCtrl;
  seq.Key2 = 'B';
  seq.Shift2 = ssCtrl;
  seq.Command = ecUserFirst + 1;
  EXPECT_EQ(m.Keystrokes().Count(), 80);
  EXPECT_TRUE(m.KeyDown(xeVK::Left, 0));
  EXPECT_EQ(m.CaretCol(), 2);
  EXPECT_TRUE(m.KeyDown(xeVK::End, ssShift));
  EXPECT_EQ(m.SelectedText(), "bc");
  EXPECT_FALSE(m.KeyDown('K', ssCtrl));  // first key of a sequence
  EXPECT_TRUE(m.KeyDown('B', ssCtrl));
  EXPECT_EQ(user, (std::vector<TxeEditorCommand>{ecUserFirst + 1}));
  EXPECT_FALSE(m.KeyDown('Q', 0));  // a plain letter goes on to character input
  EXPECT_TRUE(m.KeyDown(xeVK::Back, 0));
  EXPECT_EQ(m.Text(), "a\r\n");
  EXPECT_TRUE(m.KeyDown(xeVK::Back, ssAlt));  // undo
  EXPECT_EQ(m.Text(), "abc\r\n");

  m.SetKeystrokes(nullptr);
  EXPECT_EQ(m.Keystrokes().Count(), 0);
  EXPECT_FALSE(m.KeyDown(xeVK::Left, 0));
  TxeKeyStrokes mine;
  mine.Add().Command = ecEditorTop;
  mine.Items(0).Key = xeVK::F1 + 1;
  m.SetKeystrokes(&mine);
  EXPECT_TRUE(m.KeyDown(xeVK::F1 + 1, 0));
  EXPECT_EQ(m.CaretPos(), (TPoint{1, 1}));
}

TEST(CommandsProcessor, BookmarkKeysToggleMoveAndJump) {
  TScriptModel s;
  auto& m = s.Model;
  LoadMarked(m, "a\nb|b\nc\nd");
  m.CommandProcessor(ecSetMarker1);
  ASSERT_NE(m.Bookmark(1), nullptr);
  EXPECT_EQ(m.Bookmark(1)->Line(), 2);
  EXPECT_EQ(m.Bookmark(1)->Column(), 2);
  m.CommandProcessor(ecSetMarker1);  // same line: removed
  EXPECT_EQ(m.Bookmark(1), nullptr);
  m.CommandProcessor(ecSetMarker1);
  m.SetCaretPos({1, 4});
  m.CommandProcessor(ecSetMarker1);  // another line: moved
  EXPECT_EQ(m.Bookmark(1)->Line(), 4);
  EXPECT_EQ(m.Marks().Count(), 1);
  m.CommandProcessor(ecSetMarker3);  // a second bookmark on the same line replaces the first
  EXPECT_EQ(m.Bookmark(1), nullptr);
  EXPECT_EQ(m.Bookmark(3)->Line(), 4);
  m.SetCaretPos({1, 1});
  m.CommandProcessor(ecGotoMarker3);
  EXPECT_EQ(m.CaretPos(), (TPoint{1, 4}));
  m.CommandProcessor(ecGotoMarker5);  // no such bookmark
  EXPECT_EQ(m.CaretPos(), (TPoint{1, 4}));
  // A bookmark whose line went away is not jumped to.
  m.SetCaretPos({1, 3});
  m.CommandProcessor(ecDeleteLine);
  m.CommandProcessor(ecDeleteLine);
  m.SetCaretPos({1, 1});
  m.CommandProcessor(ecGotoMarker3);
  EXPECT_LE(m.CaretLine(), m.LineCount());
  // Keys switched off.
  m.SetBookmarkKeysEnabled(false);
  m.CommandProcessor(ecSetMarker7);
  EXPECT_EQ(m.Bookmark(7), nullptr);
}

TEST(CommandsProcessor, ClipboardCommands) {
  TScriptModel s;
  auto& m = s.Model;
  TxeMemoryClipboard clip;
  m.SetClipboard(&clip);
  m.SetMaxUndo(50);
  LoadMarked(m, "|abc\ndef");
  RunScript(m, "{S-Right*2}{Copy}");
  EXPECT_EQ(clip.Text(), "ab");
  RunScript(m, "{Cut}");
  EXPECT_EQ(m.Text(), "c\r\ndef\r\n");
  RunScript(m, "{EditorBottom}{Paste}{Paste}");
  EXPECT_EQ(m.Text(), "c\r\ndefabab\r\n");
  // A column block pastes as a rectangle.
  m.CommandProcessor(ecColumnSelect);
  LoadMarked(m, "|abc\ndef\nghi");
  const TPoint to{4, 2};
  m.CommandProcessor(ecRight);
  m.CommandProcessor(ecSelGotoXY, 0, &to);
  m.CommandProcessor(ecCopy);
  m.CommandProcessor(ecNormalSelect);
  const TPoint at{1, 2};
  m.CommandProcessor(ecGotoXY, 0, &at);
  m.CommandProcessor(ecPaste);
  EXPECT_EQ(m.Text(), "abc\r\nbcdef\r\nefghi\r\n");
  EXPECT_EQ(m.CaretPos(), (TPoint{1, 3}));  // below the rectangle, clamped to the last line
  m.CommandProcessor(ecUndo);
  EXPECT_EQ(m.Text(), "abc\r\ndef\r\nghi\r\n");
  m.CommandProcessor(ecRedo);
  EXPECT_EQ(m.Text(), "abc\r\nbcdef\r\nefghi\r\n");
}
