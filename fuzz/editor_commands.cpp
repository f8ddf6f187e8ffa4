// Byte-encoded command sequences against a small document: nothing may crash or hang, the caret never stands
// inside a multi-byte character, and undoing everything gives the document back exactly.
//
// Input: byte 0 options, byte 1 tab width and view size; then one command per byte, some taking the next
// byte(s) as their argument.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "xeEditModel.h"
#include "xeUtf8.h"

namespace {

class TFuzzView : public TxeEditView {
 public:
  int Rows = 4, Cols = 10;
  int VisibleLineCount() const override { return Rows; }
  int VisibleColumnCount() const override { return Cols; }
  void InvalidateLines(int, int, TxeViewArea) override {}
  void LinesScrolled(int) override {}
  void ColumnsScrolled() override {}
  void UpdateScrollBars() override {}
  void UpdateCaret() override {}
};

// clang-format off
const TxeEditorCommand kCommands[] = {
    ecLeft,        ecRight,        ecUp,           ecDown,          ecWordLeft,       ecWordRight,    ecLineStart,
    ecLineEnd,     ecPageUp,       ecPageDown,     ecPageLeft,      ecPageRight,      ecPageTop,      ecPageBottom,
    ecEditorTop,   ecEditorBottom, ecSelLeft,      ecSelRight,      ecSelUp,          ecSelDown,      ecSelWordLeft,
    ecSelWordRight, ecSelLineStart, ecSelLineEnd,  ecSelPageUp,     ecSelPageDown,    ecSelEditorTop, ecSelEditorBottom,
    ecSelectAll,   ecDeleteLastChar, ecDeleteChar, ecDeleteWord,    ecDeleteLastWord, ecDeleteBOL,    ecDeleteEOL,
    ecDeleteLine,  ecClearAll,     ecLineBreak,    ecInsertLine,    ecUndo,           ecRedo,         ecCut,
    ecCopy,        ecPaste,        ecScrollUp,     ecScrollDown,    ecScrollLeft,     ecScrollRight,  ecInsertMode,
    ecOverwriteMode, ecToggleMode, ecBlockIndent,  ecBlockUnindent, ecNormalSelect,   ecColumnSelect, ecLineSelect,
    ecTab,         ecShiftTab,     ecMatchBracket, ecGotoMarker1,   ecSetMarker1,     ecSetMarker2,   ecGotoMarker2,
};
// clang-format on

const char* const kText = "  foo(bar)\r\n{\r\n  x \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80 y}\r\n\r\nend\r\n";

void CheckCaret(const TxeEditModel& m) {
  CHECK(m.LineCount() >= 1);
  const TPoint c = m.CaretPos();
  CHECK(c.Y >= 1 && c.Y <= m.LineCount() && c.X >= 1);
  CHECK(!ColumnInsideChar(m.LineText(c.Y), c.X));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  TFuzzView view;
  view.Rows = 1 + (data[1] & 7);
  view.Cols = 2 + ((data[1] >> 3) & 15);
  TxeEditModel m;
  m.SetView(&view);
  TxeMemoryClipboard clip;
  m.SetClipboard(&clip);
  m.SetMaxUndo(100000);
  // Options without drag, drop and the no-selection switch, which commands do not use.
  m.SetOptions(static_cast<TxeEditorOptions>(
      (data[0] | (data[0] << 2)) & (xeoAutoIndent | xeoHalfPageScroll | xeoScrollPastEol | xeoSmartTabs)));
  m.SetTabWidth(data[1] >> 7 ? 0 : 4);
  m.SetText(kText);
  const std::string start = m.Text();
  for (std::size_t i = 2; i < size; ++i) {
    const std::uint8_t b = data[i];
    if (b < 0x60) {
      // Printable ASCII and a few multi-byte characters.
      static const char32_t extra[] = {U'\u00E9', U'\u20AC', U'\U0001F600', U'\u65E5'};
      const char32_t c = b < 0x5C ? static_cast<char32_t>(b + 32) : extra[b - 0x5C];
      m.CommandProcessor(ecChar, c);
    } else if (b < 0x60 + std::size(kCommands)) {
      const TxeEditorCommand c = kCommands[b - 0x60];
      // Copying everything and pasting it again doubles the text: keep the document small.
      if (c == ecPaste && clip.Text().size() > 4096) continue;
      m.CommandProcessor(c);
    } else if (b < 0xF0) {
      const TPoint to{1 + (b & 7) * 3, 1 + ((b >> 3) & 7)};
      m.CommandProcessor(b & 0x40 ? ecSelGotoXY : ecGotoXY, 0, &to);
    } else if (b < 0xF8) {
      m.CommandProcessor(ecImeStr, 0, b & 1 ? "\xE6\x97\xA5x" : "ab");
    } else {
      m.CommandProcessor(ecChar, static_cast<char32_t>(b - 0xF8));  // control characters are ignored
    }
    CheckCaret(m);
  }
  // Every change was recorded exactly, redos replayed after later edits included.
  while (m.UndoAvailable()) m.CommandProcessor(ecUndo);
  CHECK(m.Text() == start);
  m.SetView(nullptr);
  return 0;
}
