// Edits of the model driven by the input bytes: block changes in every mode, typing (insert and overwrite),
// replacements, line breaks, commands, cut, paste, drops, Replace All, undo and redo, with scroll-past-end
// on and off. Every step is checked: undoing what it recorded gives back exactly the bytes and the caret
// from before it, redoing it exactly the bytes from after it; the text never changes without a record.
// The caret and block stay valid, and undoing everything gives back the start text. Replace All, drops and
// pastes can double the text at every step: past kMaxBytes the run stops, as it would measure only how
// long copying a huge text takes.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "FuzzCheck.h"
#include "xeEditModel.h"
#include "xeUtf8.h"

namespace {

class TBytes {
 public:
  TBytes(const std::uint8_t* Data, std::size_t Size) : FData(Data), FSize(Size) {}
  bool Empty() const { return FPos >= FSize; }
  unsigned Next() { return FPos < FSize ? FData[FPos++] : 0; }
  std::string Text() {
    const std::size_t n = Next() % 12;
    std::string s;
    for (std::size_t i = 0; i < n && !Empty(); ++i) s.push_back(static_cast<char>(Next()));
    return s;
  }

 private:
  const std::uint8_t* FData;
  std::size_t FSize;
  std::size_t FPos = 0;
};

void CheckValid(const TxeEditModel& M) {
  const int n = M.LineCount();
  CHECK(n >= 1);
  const TPoint c = M.CaretPos();
  CHECK(c.Y >= 1 && c.Y <= n && c.X >= 1);
  CHECK(!ColumnInsideChar(M.LineText(c.Y), c.X));
  for (TPoint b : {M.BlockBegin(), M.BlockEnd()}) CHECK(b.Y >= 1 && b.Y <= n && b.X >= 1);
}

constexpr std::size_t kMaxBytes = 256 << 10;

std::size_t TextBytes(const TxeEditModel& M) {
  std::size_t n = 0;
  for (int y = 1; y <= M.LineCount(); ++y) n += static_cast<std::size_t>(M.LineLength(y)) + 1;
  return n;
}

const TxeEditorCommand kCommands[] = {
    ecDeleteLastChar, ecDeleteChar, ecDeleteWord, ecDeleteLastWord, ecDeleteBOL,    ecDeleteEOL,
    ecDeleteLine,     ecTab,        ecLineBreak,  ecInsertLine,     ecBlockIndent,  ecBlockUnindent,
    ecClearAll,       ecSelectAll,  ecSelLeft,    ecSelDown,        ecSelWordRight, ecWordLeft,
    ecLineEnd,        ecToggleMode, ecCut,        ecPaste,          ecColumnSelect, ecNormalSelect,
};

// Runs one edit and checks that its records undo and redo exactly. Tab and line breaks over a selection
// are two undo steps; everything else one.
void Checked(TxeEditModel& M, const std::function<void()>& Edit) {
  const std::string before = M.Text();
  const TPoint caret = M.CaretPos();
  const int undos = M.UndoCount(), redos = M.RedoCount();
  Edit();
  const std::string after = M.Text();
  if (M.UndoCount() == undos) {
    CHECK(after == before);
    return;
  }
  int steps = 0;
  while (M.UndoCount() > undos) {
    M.Undo();
    ++steps;
  }
  CHECK(steps <= 2);
  CHECK(M.Text() == before);
  CHECK(M.CaretPos() == caret);
  while (M.RedoCount() > redos) M.Redo();
  CHECK(M.Text() == after);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TBytes in(Data, Size);
  TxeEditModel m;
  TxeMemoryClipboard clip;
  m.SetClipboard(&clip);
  m.SetMaxUndo(1 << 20);
  if (in.Next() & 1) m.SetOptions(m.Options() & ~xeoScrollPastEol);
  m.SetTabWidth(static_cast<int>(in.Next() % 9));
  std::string start;
  for (int i = 0, n = static_cast<int>(in.Next() % 8); i < n; ++i) start += in.Text() + "\n";
  m.SetText(start);
  start = m.Text();
  int steps = 0;
  while (!in.Empty() && ++steps < 200 && TextBytes(m) <= kMaxBytes) {
    const int lines = m.LineCount();
    const unsigned op = in.Next() % 14;
    auto point = [&] {
      const int y = 1 + static_cast<int>(in.Next()) % lines;
      return TPoint{1 + static_cast<int>(in.Next()) % (m.LineLength(y) + 3), y};
    };
    switch (op) {
      case 0:
        m.SetSelectionMode(static_cast<TSelectionMode>(in.Next() % 3));
        m.SetCaretPos(point());
        m.SetSelBegin(m.CaretPos());
        m.SetSelEnd(point());
        break;
      case 1:
      case 2: {
        const std::string t = in.Text();
        Checked(m, [&] { m.ReplaceSelectionWithUndo(t); });
        break;
      }
      case 3: {
        const bool move = in.Next() & 1;
        Checked(m, [&] { m.InsertLineBreak(move); });
        break;
      }
      case 4: {
        const char32_t c = in.Next() < 128 ? in.Next() % 128 : 0x80 + in.Next() * 257;
        Checked(m, [&] { m.CommandProcessor(ecChar, c); });
        break;
      }
      case 5: {
        const TxeEditorCommand c = kCommands[in.Next() % std::size(kCommands)];
        Checked(m, [&] { m.CommandProcessor(c); });
        break;
      }
      case 6: {
        const std::string t = in.Text();
        Checked(m, [&] { m.CommandProcessor(ecImeStr, 0, t.c_str()); });
        break;
      }
      case 7:
        if (in.Next() & 1) {
          clip.SetPlainText(in.Text());
        } else {
          Checked(m, [&] { m.CutToClipboard(); });
        }
        break;
      case 8: Checked(m, [&] { m.PasteFromClipboard(); }); break;
      case 9: {
        const std::string find = in.Text(), with = in.Text();
        Checked(m, [&] { m.FindReplace(find, with, srReplaceAll | srWholeDocument); });
        break;
      }
      case 10: {
        const TPoint d = point();
        const bool copy = in.Next() & 1;
        Checked(m, [&] { m.DropText(d, m.SelectedText(), m.SelectionMode(), true, copy); });
        break;
      }
      case 11: m.SetOptions(m.Options() ^ xeoScrollPastEol); break;
      case 12: m.Undo(); break;
      default: m.Redo(); break;
    }
    CheckValid(m);
  }
  int guard = 0;
  while (m.UndoAvailable() && ++guard < 100000) m.Undo();
  CheckValid(m);
  CHECK(m.Text() == start);
  return 0;
}
