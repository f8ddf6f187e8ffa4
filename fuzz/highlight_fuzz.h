// Shared check for the highlighter fuzz targets: arbitrary bytes cut into lines, every line scanned from
// the range the previous one left (the first byte picks the starting range).
#pragma once
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "xeHighlighter.h"

struct TFuzzToken {
  int Kind, Start, Length;
  bool operator==(const TFuzzToken&) const = default;
};

// Scans one line and checks that its tokens tile it from 0 up to its first zero byte.
inline std::vector<TFuzzToken> FuzzScanLine(TxeCustomHighLighter& H, const char* Text, std::size_t Length) {
  std::vector<TFuzzToken> Tokens;
  H.BeginLine(Text, 0);
  int End = 0;
  int EmptyRun = 0;
  while (!H.AtLineEnd()) {
    const int Start = H.CurrentStart(), Len = H.CurrentLength();
    CHECK(Start == End);  // no gap, never backwards
    CHECK(Len >= 0);
    CHECK(static_cast<std::size_t>(Start + Len) <= Length);
    CHECK(H.CurrentView().size() == static_cast<std::size_t>(Len));
    EmptyRun = Len == 0 ? EmptyRun + 1 : 0;
    CHECK(EmptyRun <= 3);  // empty tokens never repeat without end
    Tokens.push_back({H.CurrentKind(), Start, Len});
    End = Start + Len;
    H.Advance();
  }
  CHECK(static_cast<std::size_t>(H.CurrentStart()) == Length);  // the end-of-line token sits at the end
  CHECK(H.CurrentLength() == 0);
  CHECK(H.CurrentAttribute() == nullptr);
  H.Advance();  // stays at the end
  CHECK(H.AtLineEnd() && static_cast<std::size_t>(H.CurrentStart()) == Length);
  return Tokens;
}

inline void FuzzHighlighter(TxeCustomHighLighter& H, const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return;
  std::uint32_t Range = Data[0] & 7;
  ++Data, --Size;
  std::size_t Pos = 0;
  while (Pos <= Size) {
    std::size_t Eol = Pos;
    while (Eol < Size && Data[Eol] != '\n') ++Eol;
    const std::string Line(reinterpret_cast<const char*>(Data) + Pos, Eol - Pos);  // may hold zero bytes
    const std::size_t Visible = std::strlen(Line.c_str());
    // An exact-size copy up to the first zero byte: reading past the line trips the address sanitizer.
    std::unique_ptr<char[]> Exact(new char[Visible + 1]);
    std::memcpy(Exact.get(), Line.data(), Visible + 1);
    Exact[Visible] = 0;

    H.RestoreRange(Range);
    const auto Full = FuzzScanLine(H, Line.c_str(), Visible);
    const std::uint32_t After = H.CurrentRange();
    CHECK(After <= 0xFF);
    H.RestoreRange(Range);
    CHECK(FuzzScanLine(H, Exact.get(), Visible) == Full);
    CHECK(H.CurrentRange() == After);
    // A scan to the line end, from the start or after some tokens, leaves the same range and position.
    for (std::size_t Skip : {std::size_t(0), Full.size() / 2}) {
      H.RestoreRange(Range);
      H.BeginLine(Exact.get(), 0);
      for (std::size_t I = 0; I < Skip; ++I) H.Advance();
      H.ScanToLineEnd();
      CHECK(H.AtLineEnd());
      CHECK(static_cast<std::size_t>(H.CurrentStart()) == Visible && H.CurrentLength() == 0);
      CHECK(H.CurrentRange() == After);
    }
    Range = After;
    Pos = Eol + 1;
  }
}
