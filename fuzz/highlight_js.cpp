// Fuzz target: the JavaScript highlighter over arbitrary bytes cut into lines.
#include "highlight_fuzz.h"
#include "xeJScriptSyn.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static TxeJScriptSyn H;
  FuzzHighlighter(H, Data, Size);
  return 0;
}
