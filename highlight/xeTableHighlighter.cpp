#include "xeTableHighlighter.h"

#include <algorithm>

void TxeKeywordTable::Finish() {
  std::stable_sort(FPending.begin(), FPending.end(),
                   [](const TPending& A, const TPending& B) { return A.Hash < B.Hash; });
  FWords.clear();
  std::fill(FFirst.begin(), FFirst.end(), 0);
  for (const auto& P : FPending) {
    if (P.Hash >= Size()) continue;  // unreachable through the table
    ++FFirst[P.Hash + 1];
    FWords.push_back(P.Word);
  }
  for (std::size_t H = 1; H < FFirst.size(); ++H) FFirst[H] += FFirst[H - 1];
  FPending.clear();
}

std::vector<std::string> TxeKeywordTable::WordsAt(std::size_t Hash) const {
  if (Hash >= Size()) return {};
  return {FWords.begin() + FFirst[Hash], FWords.begin() + FFirst[Hash + 1]};
}
