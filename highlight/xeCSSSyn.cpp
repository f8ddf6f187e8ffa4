#include "xeCSSSyn.h"

namespace {

const char* const CSSKeywords[] = {
    "align",      "background", "bottom", "color",  "decoration", "face",     "family",  "font",     "height",
    "horizontal", "left",       "line",   "margin", "media",      "overflow", "padding", "position", "right",
    "shape",      "size",       "style",  "text",   "top",        "vertical", "weight",  "width"};

enum : std::uint8_t { cIdent = 1, cSpaceRun = 2, cDigitNum = 4, cHex = 8, cDecimal = 16, cRangeStop = 32 };

constexpr std::array<std::uint8_t, 256> MakeClasses() {
  std::array<std::uint8_t, 256> T{};
  for (int C = 0; C < 256; ++C) {
    std::uint8_t V = 0;
    bool Digit = C >= '0' && C <= '9';
    bool Letter = (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z');
    if (Digit || Letter || C == '_') V |= cIdent;
    if ((C >= 1 && C <= 9) || C == 11 || C == 12 || (C >= 14 && C <= 32)) V |= cSpaceRun;
    if (Digit || C == 'e' || C == 'E') V |= cDigitNum;
    if (Digit || (C >= 'A' && C <= 'F') || (C >= 'a' && C <= 'f')) V |= cHex;
    if (Digit) V |= cDecimal;
    if (C == 0 || C == '/' || C == '\'') V |= cRangeStop;
    T[static_cast<std::size_t>(C)] = V;
  }
  return T;
}

constexpr std::array<std::uint8_t, 256> Classes = MakeClasses();

const TxeHighlighterClassInfo ClassInfo{"TxeCSSSyn",
                                        [] { return std::unique_ptr<TxeCustomHighLighter>(new TxeCSSSyn); }};
const bool Registered = (RegisterHighlighterClass(&ClassInfo), true);

}  // namespace

TxeCustomHighLighterClass TxeCSSSyn::ClassType() {
  (void)Registered;
  return &ClassInfo;
}

const TxeKeywordTable::THashTable& TxeCSSSyn::CharHashValue() { return LetterHashValues(); }

const TxeKeywordTable& TxeCSSSyn::Keywords() {
  static const TxeKeywordTable Table =
      MakeLetterKeywordTable(KeywordTableSize, CSSKeywords, std::size(CSSKeywords));
  return Table;
}

TxeCSSSyn::TxeCSSSyn() {
  auto Make = [this](const char* Name) {
    auto A = std::make_unique<TxeHighLightAttributes>(Name);
    TxeHighLightAttributes* P = A.get();
    AddAttribute(std::move(A));
    return P;
  };
  FCommentAttri = Make("Comment");
  FIdentifierAttri = Make("Identifier");
  FKeyAttri = Make("Reserved word");
  FNumberAttri = Make("Number");
  FSpaceAttri = Make("Space");
  FStringAttri = Make("String");
  FSymbolAttri = Make("Symbol");
  SetAttributeChangeHandler([this](TObject* Sender) { AttributeChanged(Sender); });
  FKeywords = &Keywords();
  FProcs = &ProcTable();
  FRange = rsNormal;
  SetDefaultFilter("SCC files (*.css)|*.css");
}

const TxeCharSet& TxeCSSSyn::WordCharacters() const {
  static const TxeCharSet Set = [] {
    TxeCharSet S;
    for (int C = 0; C < 256; ++C)
      if (Classes[static_cast<std::size_t>(C)] & cIdent) S.set(static_cast<std::size_t>(C));
    return S;
  }();
  return Set;
}

TxeHighLightAttributes* TxeCSSSyn::StandardAttribute(int Index) const {
  switch (Index) {
    case 0: return FSpaceAttri;
    case 1: return FCommentAttri;
    case 2: return FKeyAttri;
    default: return nullptr;
  }
}

TxeHighLightAttributes* TxeCSSSyn::CurrentAttribute() const {
  switch (FTokenID) {
    case tkComment: return FCommentAttri;
    case tkIdentifier: return FIdentifierAttri;
    case tkKey: return FKeyAttri;
    case tkNumber: return FNumberAttri;
    case tkSpace: return FSpaceAttri;
    case tkString: return FStringAttri;
    case tkSymbol: return FSymbolAttri;
    case tkUnknown: return FIdentifierAttri;
    default: return nullptr;
  }
}

void TxeCSSSyn::ExportToken() {
  switch (FTokenID) {
    case tkUnknown: return;
    case tkNull: Export(nullptr, false, false); return;
    default:
      Export(CurrentAttribute(), FTokenID == tkSpace,
             FTokenID == tkComment || FTokenID == tkString || FTokenID == tkSymbol);
  }
}

namespace {

// Routine numbers of the dispatch table.
enum : std::uint8_t {
  pUnknownProc,
  pNullProc,
  pLFProc,
  pCRProc,
  pSpaceProc,
  pHexProc,
  pStringProc,
  pSymbolProc,
  pSlashProc,
  pNumberProc,
  pIdentProc,
  pBraceProc
};

}  // namespace

const std::array<std::uint8_t, 256>& TxeCSSSyn::ProcTable() {
  static const std::array<std::uint8_t, 256> Table = [] {
    std::array<std::uint8_t, 256> T{};
    for (int C = 0; C < 256; ++C) {
      std::uint8_t P = pUnknownProc;
      if (C == 0)
        P = pNullProc;
      else if (C == 10)
        P = pLFProc;
      else if (C == 13)
        P = pCRProc;
      else if (Classes[static_cast<std::size_t>(C)] & cSpaceRun)
        P = pSpaceProc;
      else if (C == '#' || C == '$')
        P = pHexProc;
      else if (C == '\'')
        P = pStringProc;
      else if (C == '(' || C == ')')
        P = pSymbolProc;
      else if (C == '/')
        P = pSlashProc;
      else if (C >= '0' && C <= '9')
        P = pNumberProc;
      else if (Classes[static_cast<std::size_t>(C)] & cIdent)
        P = pIdentProc;
      else if (C == '{' || C == '}')
        P = pBraceProc;
      T[static_cast<std::size_t>(C)] = P;
    }
    return T;
  }();
  return Table;
}

void TxeCSSSyn::Next() {
  FTokenPos = FRun;
  Dispatch((*FProcs)[FLine[FRun]]);
}

void TxeCSSSyn::NullProc() { FTokenID = tkNull; }

void TxeCSSSyn::SpaceProc() {
  FTokenID = tkSpace;
  ++FRun;
  while (Classes[FLine[FRun]] & cSpaceRun) ++FRun;
}

void TxeCSSSyn::LFProc() {
  FTokenID = tkSpace;
  ++FRun;
}

void TxeCSSSyn::CRProc() {
  FTokenID = tkSpace;
  ++FRun;
  if (FLine[FRun] == 10) ++FRun;
}

void TxeCSSSyn::HexProc() {
  FTokenID = tkNumber;
  ++FRun;
  while (Classes[FLine[FRun]] & cHex) ++FRun;
}

void TxeCSSSyn::StringProc() {
  FTokenID = tkString;
  if (FLine[FRun + 1] == '\'' && FLine[FRun + 2] == '\'') FRun += 2;
  for (;;) {
    if (IsLineBreak(FLine[FRun])) break;
    ++FRun;
    if (FLine[FRun] == '\'') break;
  }
  if (FLine[FRun] != 0) ++FRun;
}

void TxeCSSSyn::SymbolProc() {
  FTokenID = tkSymbol;
  ++FRun;
}

void TxeCSSSyn::SlashProc() {
  ++FRun;
  if (FLine[FRun] != '*') {
    FTokenID = tkSymbol;
    return;
  }
  FRange = rsBlockComment;
  ++FRun;
  FTokenID = tkComment;
  if (IsLineBreak(FLine[FRun])) return;
  for (;;) {
    if (FLine[FRun] == '*' && FLine[FRun + 1] == '/') {
      FRun += 2;
      FRange = rsNormal;
      return;
    }
    ++FRun;
    if (IsLineBreak(FLine[FRun])) return;
  }
}

void TxeCSSSyn::NumberProc() {
  FTokenID = tkNumber;
  ++FRun;
  for (;;) {
    const unsigned char C = FLine[FRun];
    if (Classes[C] & cDigitNum)
      ++FRun;
    else if (C == '.' && FLine[FRun + 1] != '.')
      ++FRun;
    else
      break;
  }
}

void TxeCSSSyn::IdentProc() {
  FToIdent = FRun;
  std::size_t Hash = 0;
  int P = FRun;
  for (unsigned V; (V = IdentHash[FLine[P]]) != NotIdent; ++P) Hash += V;
  FStringLen = P - FRun;
  FTokenID =
      Hash < KeywordTableSize && FKeywords->Match(Hash, FLine + FToIdent, FStringLen) ? tkKey : tkIdentifier;
  FRun = P;
}

void TxeCSSSyn::BraceProc() {
  FTokenID = tkString;
  ++FRun;
  while (Classes[FLine[FRun]] & cDecimal) ++FRun;
}

void TxeCSSSyn::UnknownProc() {
  FTokenID = tkUnknown;
  ++FRun;
}

void TxeCSSSyn::Dispatch(std::uint8_t Proc) {
  switch (Proc) {
    case pUnknownProc: UnknownProc(); break;
    case pNullProc: NullProc(); break;
    case pLFProc: LFProc(); break;
    case pCRProc: CRProc(); break;
    case pSpaceProc: SpaceProc(); break;
    case pHexProc: HexProc(); break;
    case pStringProc: StringProc(); break;
    case pSymbolProc: SymbolProc(); break;
    case pSlashProc: SlashProc(); break;
    case pNumberProc: NumberProc(); break;
    case pIdentProc: IdentProc(); break;
    case pBraceProc: BraceProc(); break;
  }
}

// No other token holds a quote or a slash, so every quote and slash met outside strings and comments
// starts a token: the range comes out as a token-by-token scan leaves it.
void TxeCSSSyn::DoScanToLineEnd() {
  if (FTokenID == tkNull) return;
  int P = FRun;
  for (;;) {
    while (!(Classes[FLine[P]] & cRangeStop)) ++P;
    if (FLine[P] == 0) break;
    FTokenPos = FRun = P;
    if (FLine[P] == '/')
      SlashProc();
    else
      StringProc();
    P = FRun;
  }
  FTokenPos = FRun = P;
  FTokenID = tkNull;
}
