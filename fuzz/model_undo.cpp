// Edits of the model driven by the input bytes: block changes in every mode, replacements, line breaks,
// cut and paste, undo and redo. The caret and block must stay valid, and undoing everything must give back
// the start text exactly, unless blanks were involved (editing trims trailing blanks by design) or bytes of
// 128 and above (a partial UTF-8 sequence typed next to another can merge into one character, and positions
// never split characters).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

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

void Check(bool Ok) {
  if (!Ok) std::abort();
}

void CheckValid(const TxeEditModel& M) {
  const int n = M.LineCount();
  Check(n >= 1);
  const TPoint c = M.CaretPos();
  Check(c.Y >= 1 && c.Y <= n && c.X >= 1);
  Check(!ColumnInsideChar(M.LineText(c.Y), c.X));
  for (TPoint b : {M.BlockBegin(), M.BlockEnd()}) Check(b.Y >= 1 && b.Y <= n && b.X >= 1);
}

// Blanks, and the control characters that count as indentation, can end up as trimmed trailing blanks.
bool HasBlanks(const std::string& S) {
  for (unsigned char c : S)
    if ((c >= 1 && c <= 32 && c != '\r' && c != '\n') || c >= 128) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TBytes in(Data, Size);
  TxeEditModel m;
  TxeMemoryClipboard clip;
  m.SetClipboard(&clip);
  m.SetMaxUndo(1 << 20);
  if (in.Next() & 1) m.SetOptions(m.Options() & ~xeoScrollPastEol);
  std::string start;
  for (int i = 0, n = static_cast<int>(in.Next() % 8); i < n; ++i) start += in.Text() + "\n";
  m.SetText(start);
  start = m.Text();
  bool blanks = HasBlanks(start);
  int steps = 0;
  while (!in.Empty() && ++steps < 200) {
    const int lines = m.LineCount();
    const unsigned op = in.Next() % 9;
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
        blanks |= HasBlanks(t) || m.SelectionMode() == smColumn;
        m.ReplaceSelectionWithUndo(t);
        break;
      }
      case 3:
        blanks |= m.SelectionMode() == smColumn;
        m.InsertLineBreak(in.Next() & 1);
        break;
      case 4:
        blanks |= m.SelectionMode() == smColumn;
        m.CutToClipboard();
        break;
      case 5:
        blanks = true;  // a pasted column block pads with blanks
        m.PasteFromClipboard();
        break;
      case 6:
      case 7: m.Undo(); break;
      default: m.Redo(); break;
    }
    CheckValid(m);
  }
  int guard = 0;
  while (m.UndoAvailable() && ++guard < 100000) m.Undo();
  CheckValid(m);
  if (!blanks) Check(m.Text() == start);
  return 0;
}
