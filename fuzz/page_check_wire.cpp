// The reader of quillan-check's answer on arbitrary output: fed whole or in pieces it comes to the same
// end, it never holds more entries or longer messages than the limits allow, and a whole answer written
// out again reads back the same.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "PageCheckWire.h"

namespace {

bool SameProblems(const TPageCheckResult& a, const TPageCheckResult& b) {
  if (a.Errors != b.Errors || a.Warnings != b.Warnings || a.Problems.size() != b.Problems.size())
    return false;
  for (std::size_t i = 0; i < a.Problems.size(); ++i) {
    const TPageProblem& p = a.Problems[i];
    const TPageProblem& q = b.Problems[i];
    if (p.Line != q.Line || p.Column != q.Column || p.Error != q.Error || p.Message != q.Message)
      return false;
  }
  return true;
}

}  // namespace

// Input: one byte for the size of the pieces, then the output.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::size_t piece = data[0] % 17 + 1;
  const std::string_view output(reinterpret_cast<const char*>(data + 1), size - 1);

  TPageCheckReader whole;
  const bool wholeOk = whole.Feed(output);
  TPageCheckReader pieces;
  bool piecesOk = true;
  for (std::size_t at = 0; at < output.size() && piecesOk; at += piece)
    piecesOk = pieces.Feed(output.substr(at, piece));
  CHECK(wholeOk == piecesOk && whole.Broken() == pieces.Broken() && whole.Complete() == pieces.Complete());
  CHECK(whole.BytesRead() == pieces.BytesRead() || !wholeOk);

  TPageCheckResult a = whole.TakeResult();
  const TPageCheckResult b = pieces.TakeResult();
  CHECK(SameProblems(a, b));
  CHECK(a.Problems.size() <= MaxPageProblems);
  for (const TPageProblem& p : a.Problems)
    CHECK(p.Line >= 0 && p.Column >= 0 && p.Message.size() <= MaxPageCheckMessage);
  if (!whole.Complete()) return 0;

  std::string again;
  for (const TPageProblem& p : a.Problems) again += PageCheckProblemFrame(p);
  again += PageCheckSummaryFrame(a.Errors, a.Warnings);
  TPageCheckReader reread;
  CHECK(reread.Feed(again) && reread.Complete());
  CHECK(SameProblems(reread.TakeResult(), a));
  return 0;
}
