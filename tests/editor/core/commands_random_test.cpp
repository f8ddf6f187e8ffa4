// Random command sequences interleaved with undo and redo: undoing everything restores the start text
// exactly, the caret never stands inside a multi-byte character, and nothing fails.
#include <gtest/gtest.h>

#include <random>

#include "commands_script.h"
#include "xeUtf8.h"

namespace {

// The multi-byte pieces come last.
const char* const kPieces[] = {"a",
                               "b",
                               "x",
                               " ",
                               "  ",
                               "{",
                               "}",
                               "(",
                               ")",
                               "foo",
                               "bar",
                               "\xC3\xA9",
                               "\xE2\x82\xAC",
                               "\xF0\x9F\x98\x80"};
constexpr std::size_t kAsciiPieces = 11;

const char* Piece(std::mt19937& rng, bool multiByte) {
  return kPieces[rng() % (multiByte ? std::size(kPieces) : kAsciiPieces)];
}

std::string RandomText(std::mt19937& rng, bool multiByte) {
  std::string text;
  const int lines = std::uniform_int_distribution<int>(1, 12)(rng);
  for (int l = 0; l < lines; ++l) {
    std::string line;
    const int pieces = std::uniform_int_distribution<int>(0, 8)(rng);
    for (int p = 0; p < pieces; ++p) line += Piece(rng, multiByte);
    line.resize(TxeEditModel::TrimRight(line).size());
    text += line + "\r\n";
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
  for (TPoint b : {m.SelBegin(), m.SelEnd()}) {
    if (b.Y >= 1 && b.Y <= m.LineCount() && m.SelectionMode() != smColumn) {
      ASSERT_FALSE(ColumnInsideChar(m.LineText(b.Y), b.X)) << where << " block " << b.X << "," << b.Y;
    }
  }
}

// Column blocks run over ASCII text only: column edges inside multi-byte characters and column pastes past
// the last line are not yet undone exactly.
void RunRandom(unsigned seed, int steps, bool multiByte) {
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
  const std::string start = RandomText(rng, multiByte);
  m.SetText(start);
  // Redo after the text was edited further replays at positions that no longer fit: what it does is left
  // open (the fuzz target sees that it does not fail), so here such a redo becomes an undo.
  bool stale = false;
  for (int i = 0; i < steps; ++i) {
    const unsigned pick = rng() % 100;
    std::string what;
    const bool redoWaiting = m.RedoAvailable();
    const std::string before = redoWaiting ? m.Text() : std::string();
    bool undoRedo = false;
    if (pick < 30) {
      const char* piece = Piece(rng, multiByte);
      std::size_t k = 0;
      m.CommandProcessor(ecChar, DecodeOne(piece, k));
      what = std::string("char ") + piece;
    } else if (pick < 40) {
      const TxeEditorCommand c = rng() % 2 && !stale ? ecRedo : ecUndo;
      undoRedo = true;
      m.CommandProcessor(c);
      what = EditorCommandToCodeString(c);
    } else if (pick < 44) {
      const TPoint to{static_cast<int>(rng() % 30) + 1, static_cast<int>(rng() % 15) + 1};
      m.CommandProcessor(rng() % 2 ? ecGotoXY : ecSelGotoXY, 0, &to);
      what = "goto " + std::to_string(to.X) + "," + std::to_string(to.Y);
    } else {
      const TxeEditorCommand c = kCommands[rng() % std::size(kCommands)];
      if (c == ecClearAll && rng() % 4) continue;
      if (c == ecColumnSelect && multiByte) continue;
      std::string block;
      if (c == ecPaste && clip.Block(block) && !block.empty() && block[0] == smColumn) continue;
      m.CommandProcessor(c, 0, c == ecImeStr ? (multiByte ? "\xE6\x97\xA5x" : "ime") : nullptr);
      what = EditorCommandToCodeString(c);
    }
    CheckInvariants(m, "seed " + std::to_string(seed) + " step " + std::to_string(i) + " " + what);
    if (::testing::Test::HasFatalFailure()) return;
    if (redoWaiting && !undoRedo && m.Text() != before) stale = true;
    if (!m.RedoAvailable()) stale = false;
  }
  while (m.UndoAvailable()) m.CommandProcessor(ecUndo);
  EXPECT_EQ(m.Text(), start) << "seed " << seed;
}

}  // namespace

TEST(CommandsRandom, UndoingEverythingRestoresTheStart) {
  for (unsigned seed = 1; seed <= 100; ++seed) {
    RunRandom(seed, 300, seed % 2 == 0);
    if (HasFatalFailure()) return;
  }
}
