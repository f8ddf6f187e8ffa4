// CSS highlighter: block comments, single-quoted strings, numbers, colour codes and property-name words.
#pragma once
#include "xeTableHighlighter.h"

class TxeCSSSyn : public TxeTableHighLighter<TxeCSSSyn> {
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
  enum TRangeState : std::uint8_t { rsNormal = 0, rsBlockComment = 1 };
  static constexpr std::size_t KeywordTableSize = 139;

  TxeCSSSyn();
  const char* ClassName() const override { return "TxeCSSSyn"; }
  static TxeCustomHighLighterClass ClassType();

  const TxeCharSet& WordCharacters() const override;
  TxeHighLightAttributes* StandardAttribute(int Index) const override;
  std::uint8_t GetCapabilities() const override { return TxeCustomHighLighter::GetCapabilities() + 4; }
  std::string LanguageTitle() const override { return "CSS"; }
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
  void HexProc();
  void StringProc();
  void SymbolProc();
  void SlashProc();
  void NumberProc();
  void IdentProc();
  void BraceProc();
  void UnknownProc();

  TxeHighLightAttributes* FCommentAttri;
  TxeHighLightAttributes* FIdentifierAttri;
  TxeHighLightAttributes* FKeyAttri;
  TxeHighLightAttributes* FNumberAttri;
  TxeHighLightAttributes* FSpaceAttri;
  TxeHighLightAttributes* FStringAttri;
  TxeHighLightAttributes* FSymbolAttri;
};
