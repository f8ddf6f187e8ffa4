// Fuzz target: the CSS highlighter over arbitrary bytes cut into lines.
#include "highlight_fuzz.h"
#include "xeCSSSyn.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static TxeCSSSyn H;
  FuzzHighlighter(H, Data, Size);
  return 0;
}
