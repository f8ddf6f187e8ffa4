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

const TxeKeywordTable::THashTable& LetterHashValues() {
  static const TxeKeywordTable::THashTable Table = [] {
    TxeKeywordTable::THashTable T{};
    for (int C = 'A'; C <= 'Z'; ++C) {
      T[static_cast<std::size_t>(C)] = static_cast<std::uint8_t>(C - 64);
      T[static_cast<std::size_t>(C + 32)] = static_cast<std::uint8_t>(C - 64);
    }
    T['_'] = 31;
    return T;
  }();
  return Table;
}

TxeKeywordTable MakeLetterKeywordTable(std::size_t Size, const char* const* Words, std::size_t Count) {
  TxeKeywordTable T(LetterHashValues(), Size);
  for (std::size_t I = 0; I < Count; ++I) {
    std::size_t Hash = 0;
    for (const char* P = Words[I]; *P; ++P) Hash += LetterHashValues()[static_cast<unsigned char>(*P)];
    T.Add(Hash, Words[I]);
  }
  T.Finish();
  return T;
}
