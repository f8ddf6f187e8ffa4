// Token streams of a highlighter as plain values and text, for comparing scans.
#pragma once
#include <string>
#include <vector>

#include "xeHighlighter.h"

struct TToken {
  int Kind;
  int Start;
  std::string Text;
  bool operator==(const TToken&) const = default;
};

// All tokens of one line, scanned from Range; Range becomes the range after the line.
std::vector<TToken> ScanLine(TxeCustomHighLighter& H, const std::string& Line, std::uint32_t& Range);
// Same, starting from the highlighter's current range.
std::vector<TToken> ScanLine(TxeCustomHighLighter& H, const std::string& Line);

std::vector<std::string> SplitLines(const std::string& Text);
std::string KindName(const TxeCustomHighLighter& H, int Kind);
// One token per line: "line:start Kind text", then "line end range" per line.
std::string DumpDocument(TxeCustomHighLighter& H, const std::string& Text);
std::string ReadFile(const std::string& Path);

// Compact form for tables: Kind'text' per token, blank-separated, then " -> range" after the line.
// Also checks that the tokens tile the line from 0 with no gap.
std::string Compact(TxeCustomHighLighter& H, const std::string& Line, std::uint32_t Range);
