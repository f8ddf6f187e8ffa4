// Random command sequences checked step by step: after every command that recorded something, one undo
// gives back exactly the bytes and the caret from before it and one redo exactly the bytes and caret after
// it, in bytes (Tab and line breaks over a selection are two steps: the deletion, then the insertion). The
// text holds multi-byte characters, invalid bytes, tabs and trailing blanks; every selection mode, overwrite
// mode and scroll-past-end on and off are used. Undoing everything at the end gives the start text back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "commands_script.h"
#include "xeUtf8.h"

namespace {

const char* const kPieces[] = {"a",
                               "b",
                               "x",
                               " ",
                               "  ",
                               "{",
                               "}",
                               "(",
                               "foo",
                               "bar",
                               "\xC3\xA9",
                               "\xE2\x82\xAC",
                               "\xCE\xA9",
                               "\xE6\x97\xA5",
                               "\xF0\x9F\x98\x80",
                               "\xFF",
                               "\xC3",
                               "\x80"};
// Pieces that only the start text and pasted text bring (typing cannot).
const char* const kRaw[] = {"\t", "\xFF", "\xE2\x82", "  "};

std::string Piece(std::mt19937& rng) { return kPieces[rng() % std::size(kPieces)]; }

std::string RandomText(std::mt19937& rng, int maxLines) {
  std::string text;
  const int lines = std::uniform_int_distribution<int>(1, maxLines)(rng);
  for (int l = 0; l < lines; ++l) {
    const int pieces = std::uniform_int_distribution<int>(0, 8)(rng);
    for (int p = 0; p < pieces; ++p) text += rng() % 5 ? Piece(rng) : kRaw[rng() % std::size(kRaw)];
    if (l + 1 < lines) text += rng() % 4 ? "\r\n" : "\n";
  }
  return text;
}

const TxeEditorCommand kCommands[] = {
    ecLeft,           ecRight,        ecUp,           ecDown,
    ecWordLeft,       ecWordRight,    ecLineStart,    ecLineEnd,
    ecPageUp,         ecPageDown,     ecEditorTop,    ecEditorBottom,
    ecSelLeft,        ecSelRight,     ecSelUp,        ecSelDown,
    ecSelWordLeft,    ecSelWordRight, ecSelLineEnd,   ecSelPageDown,
    ecSelectAll,      ecLineBreak,    ecInsertLine,   ecTab,
    ecDeleteLastChar, ecDeleteChar,   ecDeleteWord,   ecDeleteLastWord,
    ecDeleteBOL,      ecDeleteEOL,    ecDeleteLine,   ecBlockIndent,
    ecBlockUnindent,  ecCopy,         ecCut,          ecPaste,
    ecToggleMode,     ecNormalSelect, ecColumnSelect, ecLineSelect,
    ecMatchBracket,   ecScrollDown,   ecScrollUp,     ecShiftTab,
    ecSetMarker1,     ecSetMarker2,   ecGotoMarker1,  ecImeStr,
    ecClearAll,
};

void CheckInvariants(const TxeEditModel& m, const std::string& where) {
  ASSERT_GE(m.LineCount(), 1) << where;
  const TPoint c = m.CaretPos();
  ASSERT_GE(c.Y, 1) << where;
  ASSERT_LE(c.Y, m.LineCount()) << where;
  ASSERT_GE(c.X, 1) << where;
  ASSERT_FALSE(ColumnInsideChar(m.LineText(c.Y), c.X)) << where << " caret " << c.X << "," << c.Y;
  for (int i = 0; i < m.Marks().Count(); ++i) {
    const int line = m.Marks().Items(i)->Line();
    ASSERT_TRUE(line >= 1 && line <= m.LineCount()) << where << " mark on line " << line;
  }
}

// One command; returns how many undos took it back (0 when it recorded nothing).
int StepChecked(TxeEditModel& m, const std::function<void()>& Command, const std::string& where) {
  const std::string before = m.Text();
  const TPoint caretBefore = m.CaretPos();
  const int undos = m.UndoCount(), redos = m.RedoCount();
  Command();
  const std::string after = m.Text();
  const TPoint caretAfter = m.CaretPos();
  if (m.UndoCount() == undos) {
    EXPECT_EQ(after, before) << where << ": the text changed without an undo record";
    return 0;
  }
  int steps = 0;
  while (m.UndoCount() > undos) {
    m.CommandProcessor(ecUndo);
    ++steps;
  }
  EXPECT_EQ(m.Text(), before) << where << " (undo)";
  EXPECT_EQ(m.CaretPos(), caretBefore) << where << " (caret after undo)";
  while (m.RedoCount() > redos) m.CommandProcessor(ecRedo);
  EXPECT_EQ(m.Text(), after) << where << " (redo)";
  // A caret moved after the last record (Tab's blanks trimmed at a line's end) stays where redo puts it.
  if (m.CaretPos() != caretAfter) m.SetCaretFree(caretAfter);
  return steps;
}

void RunRandom(unsigned seed, int steps) {
  std::mt19937 rng(seed);
  TScriptModel s;
  s.View.Rows = 5;
  s.View.Cols = 12;
  // Every seventh run has no view at all (no visible lines or columns).
  if (seed % 7 == 0) s.Model.SetView(nullptr);
  auto& m = s.Model;
  TxeMemoryClipboard clip;
  m.SetClipboard(&clip);
  m.SetMaxUndo(1000000);
  TxeEditorOptions o = xeDefaultOptions;
  if (rng() % 2) o &= static_cast<TxeEditorOptions>(~xeoScrollPastEol);
  if (rng() % 3 == 0) o &= static_cast<TxeEditorOptions>(~xeoAutoIndent);
  if (rng() % 3 == 0) o &= static_cast<TxeEditorOptions>(~xeoSmartTabs);
  m.SetOptions(o);
  m.SetTabWidth(static_cast<int>(rng() % 5));
  m.SetText(RandomText(rng, 12));
  const std::string start = m.Text();
  for (int i = 0; i < steps; ++i) {
    const unsigned pick = rng() % 100;
    const std::string where = "seed " + std::to_string(seed) + " step " + std::to_string(i);
    const bool selected = m.HasSelection();
    std::string what;
    int undos = 0;
    TxeEditorCommand command = ecNone;
    if (pick < 25) {
      const std::string piece = Piece(rng);
      std::size_t k = 0;
      const char32_t ch = DecodeOne(piece, k);
      what = "char " + piece;
      undos = StepChecked(
          m, [&] { m.CommandProcessor(ecChar, ch); }, where + " " + what);
    } else if (pick < 33) {
      // Undo and redo themselves, so that later steps meet records replayed after other edits.
      command = rng() % 2 ? ecRedo : ecUndo;
      m.CommandProcessor(command);
      what = EditorCommandToCodeString(command);
    } else if (pick < 38) {
      const TPoint to{static_cast<int>(rng() % 30) + 1, static_cast<int>(rng() % 15) + 1};
      m.CommandProcessor(rng() % 2 ? ecGotoXY : ecSelGotoXY, 0, &to);
      what = "goto " + std::to_string(to.X) + "," + std::to_string(to.Y);
    } else if (pick < 40) {
      clip.SetPlainText(RandomText(rng, 3));
      what = "clipboard text";
    } else if (pick < 42) {
      const std::string find = Piece(rng), with = rng() % 3 ? Piece(rng) : std::string();
      const TxeSearchOptions options = srReplaceAll | (rng() % 2 ? srWholeDocument : 0);
      what = "replace all " + find;
      undos = StepChecked(
          m, [&] { m.FindReplace(find, with, options); }, where + " " + what);
      if (undos > 1) ADD_FAILURE() << where << " " << what << " took " << undos << " undos";
    } else if (pick < 44) {
      const TPoint d{static_cast<int>(rng() % 20) + 1, static_cast<int>(rng() % m.LineCount()) + 1};
      const bool copy = rng() % 2;
      what = "drop at " + std::to_string(d.X) + "," + std::to_string(d.Y);
      if (rng() % 3 == 0) {
        // From another window (a block in any mode) or another program.
        const std::string text = RandomText(rng, 3);
        const auto mode = static_cast<TSelectionMode>(rng() % 3);
        what += " from outside";
        undos = StepChecked(
            m, [&] { m.DropText(d, text, mode, false, true); }, where + " " + what);
      } else {
        undos = StepChecked(
            m, [&] { m.DropText(d, m.SelectedText(), m.SelectionMode(), true, copy); }, where + " " + what);
      }
    } else {
      command = kCommands[rng() % std::size(kCommands)];
      if (command == ecClearAll && rng() % 4) continue;
      what = EditorCommandToCodeString(command);
      const char* ime = rng() % 2 ? "\xE6\x97\xA5x" : "a\tb";
      undos = StepChecked(
          m, [&] { m.CommandProcessor(command, 0, command == ecImeStr ? ime : nullptr); },
          where + " " + what);
    }
    // One undo step per command; the Part keeps Tab and line breaks over a selection as two.
    const bool twoSteps = selected && (command == ecTab || command == ecLineBreak || command == ecInsertLine);
    if (undos > (twoSteps ? 2 : 1)) ADD_FAILURE() << where << " " << what << " took " << undos << " undos";
    CheckInvariants(m, where + " " + what);
    if (::testing::Test::HasFailure()) return;
  }
  while (m.UndoAvailable()) m.CommandProcessor(ecUndo);
  EXPECT_EQ(m.Text(), start) << "seed " << seed;
}

}  // namespace

TEST(CommandsRandom, EveryStepUndoesAndRedoesExactly) {
  // 240 runs of 500 commands, about 100,000 of them checked (the rest are undo, redo and moves).
  const char* many = std::getenv("QUILLAN_RANDOM_SEEDS");
  const unsigned seeds = many ? static_cast<unsigned>(std::atoi(many)) : 240;
  for (unsigned seed = 1; seed <= seeds; ++seed) {
    RunRandom(seed, 500);
    if (HasFailure()) return;
  }
}
