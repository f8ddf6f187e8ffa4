// JavaScript highlighter: comments, strings, numbers, operators and one list of reserved and built-in names.
#pragma once
#include "xeTableHighlighter.h"

class TxeJScriptSyn : public TxeTableHighLighter<TxeJScriptSyn> {
 public:
  enum TtkTokenKind : std::uint8_t {
    tkComment,
    tkIdentifier,
    tkKey,
    tkNull,
    tkNumber,
    tkSpace,
    tkString,
    tkSymbol,
    tkUnknown
  };
  enum TRangeState : std::uint8_t { rsNormal = 1, rsBlockComment = 2 };
  static constexpr std::size_t KeywordTableSize = 253;

  TxeJScriptSyn();
  const char* ClassName() const override { return "TxeJScriptSyn"; }
  static TxeCustomHighLighterClass ClassType();

  const TxeCharSet& WordCharacters() const override;
  TxeHighLightAttributes* StandardAttribute(int Index) const override;
  std::uint8_t GetCapabilities() const override { return TxeCustomHighLighter::GetCapabilities() + 4; }
  std::string LanguageTitle() const override { return "Javascript"; }
  TxeHighLightAttributes* CurrentAttribute() const override;
  void ClearRange() override { FRange = rsNormal; }

  TxeHighLightAttributes* CommentAttri() const { return FCommentAttri; }
  TxeHighLightAttributes* IdentifierAttri() const { return FIdentifierAttri; }
  TxeHighLightAttributes* KeyAttri() const { return FKeyAttri; }
  TxeHighLightAttributes* NumberAttri() const { return FNumberAttri; }
  TxeHighLightAttributes* SpaceAttri() const { return FSpaceAttri; }
  TxeHighLightAttributes* StringAttri() const { return FStringAttri; }
  TxeHighLightAttributes* SymbolAttri() const { return FSymbolAttri; }

  static const TxeKeywordTable::THashTable& CharHashValue();
  static const TxeKeywordTable& Keywords();

  // One token (what Advance does, without the virtual call).
  void Next();
  void ExportToken();

 protected:
  // Only strings and comments can move the range, so a scan to the line end only looks for them.
  void DoScanToLineEnd() override;

 private:
  // The dispatch table: one routine number per byte, run by Dispatch.
  static const std::array<std::uint8_t, 256>& ProcTable();
  void Dispatch(std::uint8_t Proc);

  // Tables shared by all instances, looked up once in the constructor.
  const std::array<std::uint8_t, 256>* FProcs;
  const TxeKeywordTable* FKeywords;

  void NullProc();
  void SpaceProc();
  void LFProc();
  void CRProc();
  void StringProc();
  void HashProc();
  void DollarProc();
  void PercentProc();
  void AndProc();
  void SymbolProc();
  void StarProc();
  void PlusProc();
  void MinusProc();
  void PointProc();
  void SlashProc();
  void NumberProc();
  void IdentProc();
  void OrProc();
  void UnknownProc();

  TxeHighLightAttributes* FCommentAttri;
  TxeHighLightAttributes* FIdentifierAttri;
  TxeHighLightAttributes* FKeyAttri;
  TxeHighLightAttributes* FNumberAttri;
  TxeHighLightAttributes* FSpaceAttri;
  TxeHighLightAttributes* FStringAttri;
  TxeHighLightAttributes* FSymbolAttri;
};
