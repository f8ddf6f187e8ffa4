// Scanner state and token access shared by the table-driven highlighters, and their keyword tables.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "xeHighlighter.h"

// Keywords grouped by hash value; a group is compared in list order.
class TxeKeywordTable {
 public:
  using THashTable = std::array<std::uint8_t, 256>;

  TxeKeywordTable(const THashTable& CharHash, std::size_t Size) : FCharHash(CharHash), FFirst(Size + 1, 0) {}

  // Words must be added in list order; Finish groups them.
  void Add(std::size_t Hash, std::string Word) { FPending.push_back({Hash, std::move(Word)}); }
  void Finish();

  std::size_t Size() const { return FFirst.size() - 1; }
  // The words that sit at one hash value, in the order they are compared.
  std::vector<std::string> WordsAt(std::size_t Hash) const;

  // True when the identifier equals one of the words at Hash through the character hash values.
  bool Match(std::size_t Hash, const unsigned char* Ident, int Length) const {
    for (std::uint32_t I = FFirst[Hash], E = FFirst[Hash + 1]; I < E; ++I)
      if (MatchKeyword(FWords[I], Ident, Length)) return true;
    return false;
  }

  bool MatchKeyword(const std::string& Keyword, const unsigned char* Ident, int Length) const {
    if (static_cast<int>(Keyword.size()) != Length) return false;
    for (int I = 0; I < Length; ++I)
      if (FCharHash[static_cast<unsigned char>(Keyword[static_cast<std::size_t>(I)])] != FCharHash[Ident[I]])
        return false;
    return true;
  }

 private:
  struct TPending {
    std::size_t Hash;
    std::string Word;
  };
  const THashTable& FCharHash;
  std::vector<std::uint32_t> FFirst;  // words of hash h: FWords[FFirst[h] .. FFirst[h+1])
  std::vector<std::string> FWords;
  std::vector<TPending> FPending;
};

// Identifier hash values of the script and style highlighters: letters 1..26 in either case,
// underscore 31, digits 0; NotIdent for every other byte. Used on every identifier scanned.
inline constexpr std::uint8_t NotIdent = 0xFF;
inline constexpr std::array<std::uint8_t, 256> IdentHash = [] {
  std::array<std::uint8_t, 256> T{};
  for (int C = 0; C < 256; ++C) {
    std::uint8_t V = NotIdent;
    if (C >= '0' && C <= '9') V = 0;
    if (C >= 'A' && C <= 'Z') V = static_cast<std::uint8_t>(C - 64);
    if (C >= 'a' && C <= 'z') V = static_cast<std::uint8_t>(C - 96);
    if (C == '_') V = 31;
    T[static_cast<std::size_t>(C)] = V;
  }
  return T;
}();

// The keyword-matching hash values of the script and style highlighters: letters 1..26 in either case,
// underscore 31, every other byte 0 (so any digit matches any digit).
const TxeKeywordTable::THashTable& LetterHashValues();

// A keyword table of the given size over the letter hash values, from words in list order.
TxeKeywordTable MakeLetterKeywordTable(std::size_t Size, const char* const* Words, std::size_t Count);

// Token access over the caller's zero-terminated line. Derived supplies Next() (one token),
// ExportToken() and its tkNull value.
template <class Derived>
class TxeTableHighLighter : public TxeCustomHighLighter {
 public:
  bool AtLineEnd() const override { return FTokenID == Derived::tkNull; }
  std::uint32_t CurrentRange() const override { return FRange; }
  void RestoreRange(std::uint32_t Value) override { FRange = static_cast<std::uint8_t>(Value & 0xFF); }
  std::string CurrentText() const override { return std::string(CurrentView()); }
  int CurrentKind() const override { return FTokenID; }
  int CurrentStart() const override { return FTokenPos; }
  int CurrentLength() const override { return FRun - FTokenPos; }
  std::string_view CurrentView() const override {
    return {reinterpret_cast<const char*>(FLine) + FTokenPos, static_cast<std::size_t>(FRun - FTokenPos)};
  }
  void Advance() override { Self().Next(); }
  void BeginLine(const char* Text, int LineNumber) override {
    Start(Text);
    FLineNumber = LineNumber;
    Self().Next();
  }
  void BeginExportLine(const char* Text) override {
    Start(Text);
    AdvanceForExport();
  }
  void AdvanceForExport() override {
    Self().Next();
    if (ExportSink()) Self().ExportToken();
  }

  using TxeCustomHighLighter::BeginExportLine;
  using TxeCustomHighLighter::BeginLine;

 protected:
  void DoScanToLineEnd() override {
    Derived& D = Self();
    while (FTokenID != Derived::tkNull) D.Next();
  }

  // Called before the first token of every line; Derived may hide it to reset per-line state.
  void LineStarted() {}

  // Hands the current token to the export sink (kinds not exported are left out by the caller).
  void Export(TxeHighLightAttributes* Attribute, bool IsSpace, bool Flag) {
    if (FTokenID == Derived::tkNull)
      ExportSink()->FormatToken(std::string(), nullptr, false, false);
    else
      ExportSink()->FormatToken(CurrentText(), Attribute, IsSpace, Flag);
  }

  const unsigned char* FLine = reinterpret_cast<const unsigned char*>("");
  int FRun = 0;
  int FTokenPos = 0;
  std::uint8_t FTokenID = Derived::tkNull;
  std::uint8_t FRange = 0;
  int FLineNumber = 0;
  int FStringLen = 0;  // identifier length found by HashIdent
  int FToIdent = 0;    // identifier start

 private:
  Derived& Self() { return static_cast<Derived&>(*this); }
  void Start(const char* Text) {
    FLine = reinterpret_cast<const unsigned char*>(Text ? Text : "");
    FRun = 0;
    FTokenPos = 0;
    Self().LineStarted();
  }
};

// Bytes that end a line for the block routines.
inline bool IsLineBreak(unsigned char C) { return C == 0 || C == 10 || C == 13; }
