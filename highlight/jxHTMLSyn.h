// HTML highlighter: tags, attribute names and values, entities, comments and server blocks.
#pragma once
#include "xeTableHighlighter.h"

class TjxHTMLSyn : public TxeTableHighLighter<TjxHTMLSyn> {
 public:
  enum TtkTokenKind : std::uint8_t {
    tkAnd,
    tkASP,
    tkComment,
    tkIdentifier,
    tkKey,
    tkNull,
    tkSpace,
    tkString,
    tkSymbol,
    tkText,
    tkUndefKey,
    tkValue
  };
  enum TRangeState : std::uint8_t {
    rsEntity,
    rsASP,
    rsComment,
    rsTagName,
    rsAttributes,
    rsText,
    rsValue = 7
  };
  static constexpr std::size_t KeywordTableSize = 244;

  TjxHTMLSyn();
  const char* ClassName() const override { return "TjxHTMLSyn"; }
  static TxeCustomHighLighterClass ClassType();

  const TxeCharSet& WordCharacters() const override;
  TxeHighLightAttributes* StandardAttribute(int Index) const override;
  std::uint8_t GetCapabilities() const override { return TxeCustomHighLighter::GetCapabilities() + 4; }
  std::string LanguageTitle() const override { return "HTML Document"; }
  TxeHighLightAttributes* CurrentAttribute() const override;
  void ClearRange() override { FRange = rsText; }

  TxeHighLightAttributes* AndAttri() const { return FAndAttri; }
  TxeHighLightAttributes* ASPAttri() const { return FASPAttri; }
  TxeHighLightAttributes* CommentAttri() const { return FCommentAttri; }
  TxeHighLightAttributes* IdentifierAttri() const { return FIdentifierAttri; }
  TxeHighLightAttributes* KeyAttri() const { return FKeyAttri; }
  TxeHighLightAttributes* SpaceAttri() const { return FSpaceAttri; }
  TxeHighLightAttributes* SymbolAttri() const { return FSymbolAttri; }
  TxeHighLightAttributes* TextAttri() const { return FTextAttri; }
  TxeHighLightAttributes* UndefKeyAttri() const { return FUndefKeyAttri; }
  TxeHighLightAttributes* ValueAttri() const { return FValueAttri; }

  static const TxeKeywordTable::THashTable& CharHashValue();
  static const TxeKeywordTable& Keywords();
  static int EntityCount();
  static std::string_view Entity(int Index);

  // One token (what Advance does, without the virtual call).
  void Next();
  void ExportToken();
  void LineStarted();

 private:
  // The dispatch table: one routine number per byte, run by Dispatch.
  static const std::array<std::uint8_t, 256>& ProcTable();
  void Dispatch(std::uint8_t Proc);

  // Tables shared by all instances, looked up once in the constructor.
  const std::array<std::uint8_t, 256>* FProcs;
  const TxeKeywordTable* FKeywords;
  const TxeKeywordTable::THashTable* FHashValue;

  void NullProc();
  void SpaceProc();
  void LFProc();
  void CRProc();
  void StringProc();
  void AndProc();
  void OpenProc();
  void EqualProc();
  void CloseProc();
  void IdentProc();
  void TextProc();
  void AspProc();
  void CommentProc();
  void BlockProc(std::uint8_t Kind);
  int MatchEntity(int Pos) const;
  std::size_t HashIdent(int Pos);

  int FPendingEntity = -1;     // entity found by the text routine, -1 = none
  int FPendingEntityPos = -1;  // where that entity starts

  TxeHighLightAttributes* FAndAttri;
  TxeHighLightAttributes* FASPAttri;
  TxeHighLightAttributes* FCommentAttri;
  TxeHighLightAttributes* FIdentifierAttri;
  TxeHighLightAttributes* FKeyAttri;
  TxeHighLightAttributes* FSpaceAttri;
  TxeHighLightAttributes* FSymbolAttri;
  TxeHighLightAttributes* FTextAttri;
  TxeHighLightAttributes* FUndefKeyAttri;
  TxeHighLightAttributes* FValueAttri;
};
