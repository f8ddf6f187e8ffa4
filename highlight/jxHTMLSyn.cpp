#include "jxHTMLSyn.h"

#include <cctype>

namespace {

// clang-format off
const char* const TagNames[] = {
    "!DOCTYPE", "A", "ABBR", "ACRONYM", "ADDRESS", "APPLET", "AREA", "B", "BASE", "BASEFONT", "BGSOUND", "BIG",
    "BLINK", "BLOCKQUOTE", "BODY", "BR", "BUTTON", "CAPTION", "CENTER", "CITE", "CODE", "COL", "COLGROUP",
    "COMMENT", "DD", "DEL", "DFN", "DIR", "DIV", "DL", "DT", "EM", "EMBED", "FIELDSET", "FONT", "FORM", "FRAME",
    "FRAMESET", "H1", "H2", "H3", "H4", "H5", "H6", "HEAD", "HR", "HTML", "I", "IFRAME", "ILAYER", "IMG", "INPUT",
    "INS", "ISINDEX", "KBD", "KEYGEN", "LABEL", "LAYER", "LEGEND", "LI", "LINK", "LISTING", "MAP", "MARQUEE",
    "MENU", "META", "MULTICOL", "NEXTID", "NOBR", "NOEMBED", "NOFRAMES", "NOLAYER", "NOSCRIPT", "OBJECT", "OL",
    "OPTION", "P", "PARAM", "PLAINTEXT", "PRE", "Q", "S", "SAMP", "SCRIPT", "SELECT", "SERVER", "SMALL",
    "SPACER", "SPAN", "STRIKE", "STRONG", "STYLE", "SUB", "SUP", "TABLE", "TBODY", "TD", "TEXTAREA", "TFOOT",
    "TH", "THEAD", "TITLE", "TR", "TT", "U", "UL", "VAR", "WBR", "XMP"};
// clang-format on

// Empty elements: no closing form is listed for them.
// clang-format off
const char* const NoClosingForm[] = {"!DOCTYPE", "AREA",    "BASE",   "BASEFONT", "BGSOUND", "BR",    "COL",
                                     "FRAME",    "HR",      "IMG",    "INPUT",    "ISINDEX", "KEYGEN", "LINK",
                                     "META",     "NEXTID",  "PARAM",  "PLAINTEXT", "SPACER", "WBR"};
// clang-format on

// clang-format off
const char* const Entities[] = {
    "&amp;", "&lt;", "&gt;", "&quot;", "&trade;", "&nbsp;", "&copy;", "&reg;", "&Agrave;", "&Aacute;", "&Acirc;",
    "&Atilde;", "&Auml;", "&Aring;", "&AElig;", "&Ccedil;", "&Egrave;", "&Eacute;", "&Ecirc;", "&Euml;",
    "&Igrave;", "&Iacute;", "&Icirc;", "&Iuml;", "&ETH;", "&Ntilde;", "&Ograve;", "&Oacute;", "&Ocirc;",
    "&Otilde;", "&Ouml;", "&Oslash;", "&Ugrave;", "&Uacute;", "&Ucirc;", "&Uuml;", "&Yacute;", "&THORN;",
    "&szlig;", "&agrave;", "&aacute;", "&acirc;", "&atilde;", "&auml;", "&aring;", "&aelig;", "&ccedil;",
    "&egrave;", "&eacute;", "&ecirc;", "&euml;", "&igrave;", "&iacute;", "&icirc;", "&iuml;", "&eth;", "&ntilde;",
    "&ograve;", "&oacute;", "&ocirc;", "&otilde;", "&ouml;", "&oslash;", "&ugrave;", "&uacute;", "&ucirc;",
    "&uuml;", "&yacute;", "&thorn;", "&yuml;", "&iexcl;", "&cent;", "&pound;", "&curren;", "&yen;", "&brvbar;",
    "&sect;", "&uml;", "&ordf;", "&laquo;", "&shy;", "&macr;", "&deg;", "&plusmn;", "&sup2;", "&sup3;",
    "&acute;", "&micro;", "&middot;", "&cedil;", "&sup1;", "&ordm;", "&raquo;", "&frac14;", "&frac12;",
    "&frac34;", "&iquest;", "&times;", "&divide", "&euro;", "&#9;", "&#127;", "&#128;", "&#129;", "&#130;",
    "&#131;", "&#132;", "&ldots;", "&#134;", "&#135;", "&#136;", "&#137;", "&#138;", "&#139;", "&#140;",
    "&#141;", "&#142;", "&#143;", "&#144;", "&#152;", "&#153;", "&#154;", "&#155;", "&#156;", "&#157;",
    "&#158;", "&#159;", "&#161;", "&#162;", "&#163;", "&#164;", "&#165;", "&#166;", "&#167;", "&#168;",
    "&#170;", "&#175;", "&#176;", "&#177;", "&#178;", "&#180;", "&#181;", "&#183;", "&#184;", "&#185;",
    "&#186;", "&#188;", "&#189;", "&#190;", "&#191;", "&#215;"};
// clang-format on
constexpr int EntityTotal = sizeof(Entities) / sizeof(Entities[0]);

enum : std::uint8_t {
  cTagChar = 1,     // '!', '/', letters: the first run of a tag name
  cDigit = 2,       // the digits that may follow it
  cSpaceRun = 4,    // continuation of a blank token (no tab)
  cTextStop = 8,    // below 32, '<', '&'
  cValueStop = 16,  // 0..32, '>'
  cIdentStop = 32,  // 0..32, '=', '>'
  cBlockStop = 64,  // 0, 10, 13, '>'
  cWord = 128       // word characters for the editor
};

constexpr std::array<std::uint8_t, 256> MakeClasses() {
  std::array<std::uint8_t, 256> T{};
  for (int C = 0; C < 256; ++C) {
    std::uint8_t V = 0;
    bool Letter = (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z');
    bool Digit = C >= '0' && C <= '9';
    if (Letter || C == '!' || C == '/') V |= cTagChar;
    if (Digit) V |= cDigit;
    if ((C >= 1 && C <= 8) || C == 11 || C == 12 || (C >= 14 && C <= 32)) V |= cSpaceRun;
    if (C < 32 || C == '<' || C == '&') V |= cTextStop;
    if (C <= 32 || C == '>') V |= cValueStop | cIdentStop;
    if (C == '=') V |= cIdentStop;
    if (C == 0 || C == 10 || C == 13 || C == '>') V |= cBlockStop;
    if (Letter || Digit) V |= cWord;
    T[static_cast<std::size_t>(C)] = V;
  }
  return T;
}

constexpr std::array<std::uint8_t, 256> Classes = MakeClasses();

constexpr unsigned char Lower(unsigned char C) {
  return C >= 'A' && C <= 'Z' ? static_cast<unsigned char>(C + 32) : C;
}

// Entities grouped by the lower-cased byte after '&', each group in table order.
struct TEntityIndex {
  std::array<std::vector<std::uint8_t>, 256> ByFirst;
  std::array<std::string, EntityTotal> Folded;
  TEntityIndex() {
    for (int I = 0; I < EntityTotal; ++I) {
      std::string F(Entities[I]);
      for (char& C : F) C = static_cast<char>(Lower(static_cast<unsigned char>(C)));
      Folded[static_cast<std::size_t>(I)] = F;
      ByFirst[static_cast<unsigned char>(F[1])].push_back(static_cast<std::uint8_t>(I));
    }
  }
};

const TEntityIndex& EntityIndex() {
  static const TEntityIndex Index;
  return Index;
}

const TxeHighlighterClassInfo ClassInfo{"TjxHTMLSyn",
                                        [] { return std::unique_ptr<TxeCustomHighLighter>(new TjxHTMLSyn); }};
const bool Registered = (RegisterHighlighterClass(&ClassInfo), true);

}  // namespace

TxeCustomHighLighterClass TjxHTMLSyn::ClassType() {
  (void)Registered;
  return &ClassInfo;
}

int TjxHTMLSyn::EntityCount() { return EntityTotal; }

std::string_view TjxHTMLSyn::Entity(int Index) {
  return Index >= 0 && Index < EntityTotal ? std::string_view(Entities[Index]) : std::string_view();
}

const TxeKeywordTable::THashTable& TjxHTMLSyn::CharHashValue() {
  static const TxeKeywordTable::THashTable Table = [] {
    TxeKeywordTable::THashTable T{};
    for (int C = 'A'; C <= 'Z'; ++C) {
      T[static_cast<std::size_t>(C)] = static_cast<std::uint8_t>(C - 64);
      T[static_cast<std::size_t>(C + 32)] = static_cast<std::uint8_t>(C - 64);
    }
    T['!'] = 123;
    T['/'] = 122;
    return T;
  }();
  return Table;
}

namespace {

// The tag-name hash: '!', '/' and letters by their hash values, then the digits that follow by their values.
std::size_t TagHash(const TxeKeywordTable::THashTable& HashValue, const unsigned char* S, int& Length) {
  std::size_t Hash = 0;
  int P = 0;
  while (Classes[S[P]] & cTagChar) Hash += HashValue[S[P++]];
  while (Classes[S[P]] & cDigit) Hash += static_cast<std::size_t>(S[P++] - '0');
  Length = P;
  return Hash;
}

}  // namespace

const TxeKeywordTable& TjxHTMLSyn::Keywords() {
  static const TxeKeywordTable Table = [] {
    TxeKeywordTable T(CharHashValue(), KeywordTableSize);
    auto Add = [&T](const std::string& W) {
      int Length = 0;
      T.Add(TagHash(CharHashValue(), reinterpret_cast<const unsigned char*>(W.c_str()), Length), W);
    };
    for (const char* W : TagNames) Add(W);
    for (const char* W : TagNames) {
      bool Closes = true;
      for (const char* N : NoClosingForm)
        if (std::string_view(W) == N) Closes = false;
      if (Closes) Add(std::string("/") + W);
    }
    T.Finish();
    return T;
  }();
  return Table;
}

TjxHTMLSyn::TjxHTMLSyn() {
  auto Make = [this](const char* Name) {
    auto A = std::make_unique<TxeHighLightAttributes>(Name);
    TxeHighLightAttributes* P = A.get();
    AddAttribute(std::move(A));
    return P;
  };
  FASPAttri = Make("Asp");
  FASPAttri->SetForeground(clBlack);
  FASPAttri->SetBackground(clYellow);
  FCommentAttri = Make("Comment");
  FIdentifierAttri = Make("Identifier");
  FIdentifierAttri->SetStyle(fsBold);
  FKeyAttri = Make("Reserved word");
  FKeyAttri->SetForeground(16711808);
  FKeyAttri->SetStyle(fsBold);
  FSpaceAttri = Make("Space");
  FSymbolAttri = Make("Symbol");
  FSymbolAttri->SetStyle(fsBold);
  FTextAttri = Make("Text");
  FUndefKeyAttri = Make("Unknown word");
  FUndefKeyAttri->SetForeground(clRed);
  FUndefKeyAttri->SetStyle(fsBold);
  FValueAttri = Make("Value");
  FValueAttri->SetForeground(16744448);
  FAndAttri = Make("Escape ampersand");
  FAndAttri->SetForeground(clLime);
  FAndAttri->SetStyle(fsBold);
  SetAttributeChangeHandler([this](TObject* Sender) { AttributeChanged(Sender); });
  FKeywords = &Keywords();
  FHashValue = &CharHashValue();
  FProcs = &ProcTable();
  EntityIndex();
  FRange = rsText;
  SetDefaultFilter("HTML Document (*.htm,*.html)|*.htm;*.html");
}

const TxeCharSet& TjxHTMLSyn::WordCharacters() const {
  static const TxeCharSet Set = [] {
    TxeCharSet S;
    for (int C = 0; C < 256; ++C)
      if (Classes[static_cast<std::size_t>(C)] & cWord) S.set(static_cast<std::size_t>(C));
    return S;
  }();
  return Set;
}

TxeHighLightAttributes* TjxHTMLSyn::StandardAttribute(int Index) const {
  switch (Index) {
    case 0: return FSpaceAttri;
    case 1: return FCommentAttri;
    case 2: return FKeyAttri;
    default: return nullptr;
  }
}

TxeHighLightAttributes* TjxHTMLSyn::CurrentAttribute() const {
  switch (FTokenID) {
    case tkAnd: return FAndAttri;
    case tkASP: return FASPAttri;
    case tkComment: return FCommentAttri;
    case tkIdentifier: return FIdentifierAttri;
    case tkKey: return FKeyAttri;
    case tkSpace: return FSpaceAttri;
    case tkString: return FValueAttri;
    case tkSymbol: return FSymbolAttri;
    case tkText: return FTextAttri;
    case tkUndefKey: return FUndefKeyAttri;
    case tkValue: return FValueAttri;
    default: return nullptr;
  }
}

void TjxHTMLSyn::ExportToken() {
  switch (FTokenID) {
    case tkNull: Export(nullptr, false, false); return;
    case tkAnd:
    case tkIdentifier:
    case tkKey:
    case tkSpace: Export(CurrentAttribute(), FTokenID == tkSpace, false); return;
    default: Export(CurrentAttribute(), false, true);
  }
}

namespace {

// Routine numbers of the dispatch table.
enum : std::uint8_t {
  pIdentProc,
  pNullProc,
  pLFProc,
  pCRProc,
  pSpaceProc,
  pStringProc,
  pAndProc,
  pOpenProc,
  pEqualProc,
  pCloseProc
};

}  // namespace

const std::array<std::uint8_t, 256>& TjxHTMLSyn::ProcTable() {
  static const std::array<std::uint8_t, 256> Table = [] {
    std::array<std::uint8_t, 256> T{};
    for (int C = 0; C < 256; ++C) {
      std::uint8_t P = pIdentProc;
      if (C == 0)
        P = pNullProc;
      else if (C == 10)
        P = pLFProc;
      else if (C == 13)
        P = pCRProc;
      else if (C <= 32)
        P = pSpaceProc;
      else if (C == '"')
        P = pStringProc;
      else if (C == '&')
        P = pAndProc;
      else if (C == '<')
        P = pOpenProc;
      else if (C == '=')
        P = pEqualProc;
      else if (C == '>')
        P = pCloseProc;
      T[static_cast<std::size_t>(C)] = P;
    }
    return T;
  }();
  return Table;
}

void TjxHTMLSyn::LineStarted() { FPendingEntity = -1; }

void TjxHTMLSyn::Next() {
  FTokenPos = FRun;
  switch (FRange) {
    case rsASP: AspProc(); break;
    case rsComment: CommentProc(); break;
    case rsText: TextProc(); break;
    default: Dispatch((*FProcs)[FLine[FRun]]);
  }
}

void TjxHTMLSyn::NullProc() { FTokenID = tkNull; }

void TjxHTMLSyn::SpaceProc() {
  FTokenID = tkSpace;
  ++FRun;
  while (Classes[FLine[FRun]] & cSpaceRun) ++FRun;
}

void TjxHTMLSyn::LFProc() {
  FTokenID = tkSpace;
  ++FRun;
}

void TjxHTMLSyn::CRProc() {
  FTokenID = tkSpace;
  ++FRun;
  if (FLine[FRun] == 10) ++FRun;
}

void TjxHTMLSyn::StringProc() {
  if (FRange == rsValue) {
    FRange = rsAttributes;
    FTokenID = tkValue;
  } else {
    FTokenID = tkString;
  }
  ++FRun;
  for (;;) {
    const unsigned char C = FLine[FRun];
    if (C == '"') {
      ++FRun;
      break;
    }
    if (IsLineBreak(C)) break;
    ++FRun;
  }
}

void TjxHTMLSyn::AndProc() {
  // The pending entity counts only where the text routine found it.
  if (FPendingEntity >= 0 && FPendingEntityPos == FRun) {
    FTokenID = tkAnd;
    FRun += static_cast<int>(Entity(FPendingEntity).size());
  } else {
    FTokenID = tkText;  // empty: what follows is scanned as text
  }
  FPendingEntity = -1;
  FRange = rsText;
}

void TjxHTMLSyn::OpenProc() {
  ++FRun;
  if (FLine[FRun] == '!' && FLine[FRun + 1] == '-' && FLine[FRun + 2] == '-') {
    FRange = rsComment;
    FTokenID = tkComment;
    FRun += 3;
  } else if (FLine[FRun] == '%') {
    FRange = rsASP;
    FTokenID = tkASP;
    ++FRun;
  } else {
    FRange = rsTagName;
    FTokenID = tkSymbol;
  }
}

void TjxHTMLSyn::EqualProc() {
  FRange = rsValue;
  FTokenID = tkSymbol;
  ++FRun;
}

void TjxHTMLSyn::CloseProc() {
  FRange = rsText;
  FTokenID = tkSymbol;
  ++FRun;
}

std::size_t TjxHTMLSyn::HashIdent(int Pos) {
  FToIdent = Pos;
  return TagHash(*FHashValue, FLine + Pos, FStringLen);
}

void TjxHTMLSyn::IdentProc() {
  switch (FRange) {
    case rsTagName: {
      FRange = rsAttributes;
      const std::size_t Hash = HashIdent(FRun);
      if (Hash >= KeywordTableSize)
        FTokenID = tkIdentifier;
      else
        FTokenID = FKeywords->Match(Hash, FLine + FToIdent, FStringLen) ? tkKey : tkUndefKey;
      FRun += FStringLen;
      break;
    }
    case rsValue:
      FRange = rsAttributes;
      FTokenID = tkValue;
      ++FRun;
      while (!(Classes[FLine[FRun]] & cValueStop)) ++FRun;
      break;
    default:
      FTokenID = tkIdentifier;
      ++FRun;
      while (!(Classes[FLine[FRun]] & cIdentStop)) ++FRun;
  }
}

int TjxHTMLSyn::MatchEntity(int Pos) const {
  const TEntityIndex& Index = EntityIndex();
  const unsigned char* S = FLine + Pos;
  for (std::uint8_t I : Index.ByFirst[Lower(S[1])]) {
    const std::string& E = Index.Folded[I];
    std::size_t K = 2;
    while (K < E.size() && Lower(S[K]) == static_cast<unsigned char>(E[K])) ++K;
    if (K == E.size()) return I;
  }
  return -1;
}

void TjxHTMLSyn::TextProc() {
  const unsigned char First = FLine[FRun];
  if (First < 32 || First == '<') {
    Dispatch((*FProcs)[First]);
    return;
  }
  FTokenID = tkText;
  for (;;) {
    while (!(Classes[FLine[FRun]] & cTextStop)) ++FRun;
    if (FLine[FRun] != '&') return;
    const int E = MatchEntity(FRun);
    if (E >= 0) {
      FPendingEntity = E;
      FPendingEntityPos = FRun;
      FRange = rsEntity;
      return;
    }
    ++FRun;
  }
}

void TjxHTMLSyn::BlockProc(std::uint8_t Kind) {
  if (IsLineBreak(FLine[FRun])) {
    Dispatch((*FProcs)[FLine[FRun]]);
    return;
  }
  FTokenID = Kind;
  for (;;) {
    while (!(Classes[FLine[FRun]] & cBlockStop)) ++FRun;
    if (FLine[FRun] != '>') return;  // line end: the block goes on
    const bool Closes = Kind == tkASP ? FRun >= 1 && FLine[FRun - 1] == '%'
                                      : FRun >= 2 && FLine[FRun - 1] == '-' && FLine[FRun - 2] == '-';
    ++FRun;
    if (Closes) {
      FRange = rsText;
      return;
    }
  }
}

void TjxHTMLSyn::AspProc() { BlockProc(tkASP); }

void TjxHTMLSyn::CommentProc() { BlockProc(tkComment); }

void TjxHTMLSyn::Dispatch(std::uint8_t Proc) {
  switch (Proc) {
    case pIdentProc: IdentProc(); break;
    case pNullProc: NullProc(); break;
    case pLFProc: LFProc(); break;
    case pCRProc: CRProc(); break;
    case pSpaceProc: SpaceProc(); break;
    case pStringProc: StringProc(); break;
    case pAndProc: AndProc(); break;
    case pOpenProc: OpenProc(); break;
    case pEqualProc: EqualProc(); break;
    case pCloseProc: CloseProc(); break;
  }
}
