// Fuzz target: the HTML highlighter over arbitrary bytes cut into lines.
#include "highlight_fuzz.h"
#include "jxHTMLSyn.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static TjxHTMLSyn H;
  FuzzHighlighter(H, Data, Size);
  return 0;
}
