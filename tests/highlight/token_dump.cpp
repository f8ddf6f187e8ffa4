#include "token_dump.h"

#include <fstream>
#include <sstream>

#include "jxHTMLSyn.h"
#include "xeCSSSyn.h"
#include "xeJScriptSyn.h"

std::vector<TToken> ScanLine(TxeCustomHighLighter& H, const std::string& Line) {
  std::vector<TToken> Tokens;
  H.BeginLine(Line, 0);
  while (!H.AtLineEnd()) {
    Tokens.push_back({H.CurrentKind(), H.CurrentStart(), H.CurrentText()});
    H.Advance();
  }
  return Tokens;
}

std::vector<TToken> ScanLine(TxeCustomHighLighter& H, const std::string& Line, std::uint32_t& Range) {
  H.RestoreRange(Range);
  auto Tokens = ScanLine(H, Line);
  Range = H.CurrentRange();
  return Tokens;
}

std::vector<std::string> SplitLines(const std::string& Text) {
  std::vector<std::string> Lines;
  std::size_t I = 0;
  while (I < Text.size()) {
    std::size_t J = Text.find('\n', I);
    if (J == std::string::npos) J = Text.size();
    Lines.push_back(Text.substr(I, J - I));
    I = J + 1;
  }
  return Lines;
}

std::string KindName(const TxeCustomHighLighter& H, int Kind) {
  static const char* const Html[] = {"And",   "ASP",    "Comment", "Identifier", "Key",      "Null",
                                     "Space", "String", "Symbol",  "Text",       "UndefKey", "Value"};
  static const char* const Code[] = {"Comment", "Identifier", "Key",    "Null",   "Number",
                                     "Space",   "String",     "Symbol", "Unknown"};
  if (dynamic_cast<const TjxHTMLSyn*>(&H)) return Kind >= 0 && Kind < 12 ? Html[Kind] : "?";
  return Kind >= 0 && Kind < 9 ? Code[Kind] : "?";
}

std::string DumpDocument(TxeCustomHighLighter& H, const std::string& Text) {
  std::ostringstream Out;
  H.ClearRange();
  int LineNo = 1;
  for (const auto& Line : SplitLines(Text)) {
    for (const auto& T : ScanLine(H, Line))
      Out << LineNo << ':' << T.Start << ' ' << KindName(H, T.Kind) << ' ' << T.Text << '\n';
    Out << LineNo << " end " << H.CurrentRange() << '\n';
    ++LineNo;
  }
  return Out.str();
}

std::string ReadFile(const std::string& Path) {
  std::ifstream In(Path, std::ios::binary);
  std::ostringstream S;
  S << In.rdbuf();
  return S.str();
}

std::string Compact(TxeCustomHighLighter& H, const std::string& Line, std::uint32_t Range) {
  std::string Out;
  int Expect = 0;
  for (const auto& T : ScanLine(H, Line, Range)) {
    if (T.Start != Expect) return "gap at " + std::to_string(T.Start);
    Expect += static_cast<int>(T.Text.size());
    if (!Out.empty()) Out += ' ';
    Out += KindName(H, T.Kind) + "'" + T.Text + "'";
  }
  if (H.CurrentStart() != Expect) return "end at " + std::to_string(H.CurrentStart());
  return Out + " -> " + std::to_string(Range);
}
