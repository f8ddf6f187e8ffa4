#include "xeJScriptSyn.h"

namespace {

// clang-format off
const char* const JScriptKeywords[] = {
    "abs", "acos", "action", "alert", "alinkColor", "Anchor", "anchors", "appCodeName", "Applet", "applets",
    "appName", "appVersion", "Area", "arguments", "Array", "asin", "atan", "atan2", "back", "bgColor", "big",
    "blink", "blur", "bold", "Boolean", "border", "break", "Button", "caller", "case", "ceil", "charAt",
    "Checkbox", "checked", "clearTimeout", "click", "close", "closed", "comment", "complete", "confirm",
    "constructor", "continue", "cookie", "cos", "current", "Date", "default", "defaultChecked",
    "defaultSelected", "defaultStatus", "defaultValue", "description", "document", "domain", "E", "elements",
    "else", "embeds", "enabledPlugin", "encoding", "escape", "eval", "exp", "fgColor", "filename", "FileUpload",
    "fixed", "floor", "focus", "fontcolor", "fontsize", "for", "Form", "forms", "forward", "Frame", "frames",
    "Function", "getDate", "getDay", "getHours", "getMinutes", "getMonth", "getSeconds", "getTime",
    "getTimezoneOffset", "getYear", "go", "hash", "height", "Hidden", "history", "host", "hostname", "href",
    "hspace", "if", "Image", "images", "in", "index", "indexOf", "isNaN", "italics", "javaEnabled", "join",
    "lastIndexOf", "lastModified", "length", "Link", "linkColor", "links", "LN10", "LN2", "location", "log",
    "LOG10E", "LOG2E", "loop", "lowsrc", "Math", "max", "MAX_VALUE", "method", "MimeType", "mimeTypes", "min",
    "MIN_VALUE", "name", "NaN", "navigator", "NEGATIVE_INFINITY", "new", "next", "Number", "object", "onAbort",
    "onBlur", "onChange", "onClick", "onError", "onFocus", "onLoad", "onMouseOut", "onMouseOver", "onReset",
    "onSelect", "onSubmit", "onUnload", "open", "opener", "Option", "options", "parent", "parse", "parseFloat",
    "parseInt", "Password", "pathname", "PI", "Plugin", "plugins", "port", "POSITIVE_INFINITY", "pow",
    "previous", "prompt", "property", "protocol", "prototype", "Radio", "random", "referrer", "refresh",
    "reload", "replace", "reset", "return", "reverse", "round", "scroll", "search", "Select", "selected",
    "selectedIndex", "self", "setDate", "setHours", "setMinutes", "setMonth", "setSeconds", "setTime",
    "setTimeout", "setYear", "sin", "small", "sort", "split", "sqrt", "SQRT1_2", "SQRT2", "src", "status",
    "strike", "String", "sub", "submit", "substring", "suffixes", "sup", "switch", "taint", "taintEnabled", "tan",
    "target", "Text", "Textarea", "this", "title", "toGMTString", "toLocaleString", "toLowerCase", "top",
    "toString", "toUpperCase", "type", "unescape", "untaint", "URL", "userAgent", "UTC", "value", "valueOf",
    "var", "vlinkColor", "vspace", "while", "width", "window", "with", "write", "writeln"};
// clang-format on

// Byte classes for the inner loops.
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
    if (C == 0 || C == '/' || C == '"' || C == '\'') V |= cRangeStop;
    T[static_cast<std::size_t>(C)] = V;
  }
  return T;
}

constexpr std::array<std::uint8_t, 256> Classes = MakeClasses();

const TxeHighlighterClassInfo ClassInfo{
    "TxeJScriptSyn", [] { return std::unique_ptr<TxeCustomHighLighter>(new TxeJScriptSyn); }};
const bool Registered = (RegisterHighlighterClass(&ClassInfo), true);

}  // namespace

TxeCustomHighLighterClass TxeJScriptSyn::ClassType() {
  (void)Registered;
  return &ClassInfo;
}

const TxeKeywordTable::THashTable& TxeJScriptSyn::CharHashValue() { return LetterHashValues(); }

const TxeKeywordTable& TxeJScriptSyn::Keywords() {
  static const TxeKeywordTable Table =
      MakeLetterKeywordTable(KeywordTableSize, JScriptKeywords, std::size(JScriptKeywords));
  return Table;
}

TxeJScriptSyn::TxeJScriptSyn() {
  auto Make = [this](const char* Name) {
    auto A = std::make_unique<TxeHighLightAttributes>(Name);
    TxeHighLightAttributes* P = A.get();
    AddAttribute(std::move(A));
    return P;
  };
  FCommentAttri = Make("Comment");
  FCommentAttri->SetStyle(fsItalic);
  FIdentifierAttri = Make("Identifier");
  FKeyAttri = Make("Reserved word");
  FKeyAttri->SetStyle(fsBold);
  FNumberAttri = Make("Number");
  FSpaceAttri = Make("Space");
  FStringAttri = Make("String");
  FSymbolAttri = Make("Symbol");
  SetAttributeChangeHandler([this](TObject* Sender) { AttributeChanged(Sender); });
  FKeywords = &Keywords();
  FProcs = &ProcTable();
  FRange = rsNormal;
  SetDefaultFilter("Javascript files (*.js)|*.js");
}

const TxeCharSet& TxeJScriptSyn::WordCharacters() const {
  static const TxeCharSet Set = [] {
    TxeCharSet S;
    for (int C = 0; C < 256; ++C)
      if (Classes[static_cast<std::size_t>(C)] & cIdent) S.set(static_cast<std::size_t>(C));
    return S;
  }();
  return Set;
}

TxeHighLightAttributes* TxeJScriptSyn::StandardAttribute(int Index) const {
  switch (Index) {
    case 0: return FSpaceAttri;
    case 1: return FCommentAttri;
    case 2: return FKeyAttri;
    default: return nullptr;
  }
}

TxeHighLightAttributes* TxeJScriptSyn::CurrentAttribute() const {
  switch (FTokenID) {
    case tkComment: return FCommentAttri;
    case tkIdentifier: return FIdentifierAttri;
    case tkKey: return FKeyAttri;
    case tkNumber: return FNumberAttri;
    case tkSpace: return FSpaceAttri;
    case tkString: return FStringAttri;
    case tkSymbol: return FSymbolAttri;
    case tkUnknown: return FStringAttri;
    default: return nullptr;
  }
}

void TxeJScriptSyn::ExportToken() {
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
  pStringProc,
  pHashProc,
  pDollarProc,
  pPercentProc,
  pAndProc,
  pSymbolProc,
  pStarProc,
  pPlusProc,
  pMinusProc,
  pPointProc,
  pSlashProc,
  pNumberProc,
  pIdentProc,
  pOrProc
};

}  // namespace

const std::array<std::uint8_t, 256>& TxeJScriptSyn::ProcTable() {
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
      else if (C == '"' || C == '\'')
        P = pStringProc;
      else if (C == '#')
        P = pHashProc;
      else if (C == '$')
        P = pDollarProc;
      else if (C == '%')
        P = pPercentProc;
      else if (C == '&')
        P = pAndProc;
      else if (C == '(' || C == ')' || C == ',' || C == '{' || C == '}' || C == '~')
        P = pSymbolProc;
      else if (C == '*')
        P = pStarProc;
      else if (C == '+')
        P = pPlusProc;
      else if (C == '-')
        P = pMinusProc;
      else if (C == '.')
        P = pPointProc;
      else if (C == '/')
        P = pSlashProc;
      else if (C >= '0' && C <= '9')
        P = pNumberProc;
      else if (Classes[static_cast<std::size_t>(C)] & cIdent)
        P = pIdentProc;
      else if (C == '|')
        P = pOrProc;
      T[static_cast<std::size_t>(C)] = P;
    }
    return T;
  }();
  return Table;
}

void TxeJScriptSyn::Next() {
  FTokenPos = FRun;
  Dispatch((*FProcs)[FLine[FRun]]);
}

void TxeJScriptSyn::NullProc() { FTokenID = tkNull; }

void TxeJScriptSyn::SpaceProc() {
  FTokenID = tkSpace;
  ++FRun;
  while (Classes[FLine[FRun]] & cSpaceRun) ++FRun;
}

void TxeJScriptSyn::LFProc() {
  FTokenID = tkSpace;
  ++FRun;
}

void TxeJScriptSyn::CRProc() {
  FTokenID = tkSpace;
  ++FRun;
  if (FLine[FRun] == 10) ++FRun;
}

void TxeJScriptSyn::StringProc() {
  FTokenID = tkString;
  const unsigned char Quote = FLine[FRun];
  if (FLine[FRun + 1] == Quote && FLine[FRun + 2] == Quote) FRun += 2;
  for (;;) {
    if (IsLineBreak(FLine[FRun])) break;
    ++FRun;
    if (FLine[FRun] == Quote) break;
  }
  if (FLine[FRun] != 0) ++FRun;
}

void TxeJScriptSyn::HashProc() {
  FTokenID = tkString;
  ++FRun;
  while (Classes[FLine[FRun]] & cDecimal) ++FRun;
}

void TxeJScriptSyn::DollarProc() {
  FTokenID = tkNumber;
  ++FRun;
  while (Classes[FLine[FRun]] & cHex) ++FRun;
}

void TxeJScriptSyn::PercentProc() {
  FTokenID = tkSpace;
  ++FRun;
  if (FLine[FRun] == '=') ++FRun;
}

void TxeJScriptSyn::AndProc() {
  FTokenID = tkSymbol;
  ++FRun;
  if (FLine[FRun] == '&' || FLine[FRun] == '=') ++FRun;
}

void TxeJScriptSyn::SymbolProc() {
  FTokenID = tkSymbol;
  ++FRun;
}

void TxeJScriptSyn::StarProc() {
  FTokenID = tkSpace;
  ++FRun;
  if (FLine[FRun] == '=') ++FRun;
}

void TxeJScriptSyn::PlusProc() {
  FTokenID = tkSymbol;
  ++FRun;
  if (FLine[FRun] == '+' || FLine[FRun] == '=') ++FRun;
}

void TxeJScriptSyn::MinusProc() {
  FTokenID = tkSymbol;
  ++FRun;
  if (FLine[FRun] == '-' || FLine[FRun] == '=' || FLine[FRun] == '>') ++FRun;
}

void TxeJScriptSyn::PointProc() {
  FTokenID = tkSymbol;
  if (FLine[FRun + 1] == '.' && FLine[FRun + 2] == '.')
    FRun += 3;
  else
    ++FRun;
}

void TxeJScriptSyn::SlashProc() {
  const unsigned char Next = FLine[FRun + 1];
  if (Next == '*') {
    FTokenID = tkComment;
    FRange = rsBlockComment;
    ++FRun;  // the search starts at the '*', so "/*/" closes at once
    for (;;) {
      const unsigned char C = FLine[FRun];
      if (IsLineBreak(C)) break;
      if (C == '*' && FLine[FRun + 1] == '/') {
        FRun += 2;
        FRange = rsNormal;
        break;
      }
      ++FRun;
    }
  } else if (Next == '/') {
    FTokenID = tkComment;
    FRun += 2;
    while (!IsLineBreak(FLine[FRun])) ++FRun;
  } else {
    FTokenID = tkSymbol;
    FRun += Next == '=' ? 2 : 1;
  }
}

void TxeJScriptSyn::NumberProc() {
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

void TxeJScriptSyn::IdentProc() {
  FToIdent = FRun;
  std::size_t Hash = 0;
  int P = FRun;
  for (unsigned V; (V = IdentHash[FLine[P]]) != NotIdent; ++P) Hash += V;
  FStringLen = P - FRun;
  FTokenID =
      Hash < KeywordTableSize && FKeywords->Match(Hash, FLine + FToIdent, FStringLen) ? tkKey : tkIdentifier;
  FRun = P;
}

void TxeJScriptSyn::OrProc() {
  FTokenID = tkSymbol;
  ++FRun;
  if (FLine[FRun] == '=' || FLine[FRun] == '|') ++FRun;
}

void TxeJScriptSyn::UnknownProc() {
  FTokenID = tkUnknown;
  ++FRun;
}

void TxeJScriptSyn::Dispatch(std::uint8_t Proc) {
  switch (Proc) {
    case pUnknownProc: UnknownProc(); break;
    case pNullProc: NullProc(); break;
    case pLFProc: LFProc(); break;
    case pCRProc: CRProc(); break;
    case pSpaceProc: SpaceProc(); break;
    case pStringProc: StringProc(); break;
    case pHashProc: HashProc(); break;
    case pDollarProc: DollarProc(); break;
    case pPercentProc: PercentProc(); break;
    case pAndProc: AndProc(); break;
    case pSymbolProc: SymbolProc(); break;
    case pStarProc: StarProc(); break;
    case pPlusProc: PlusProc(); break;
    case pMinusProc: MinusProc(); break;
    case pPointProc: PointProc(); break;
    case pSlashProc: SlashProc(); break;
    case pNumberProc: NumberProc(); break;
    case pIdentProc: IdentProc(); break;
    case pOrProc: OrProc(); break;
  }
}

// No other token holds a quote or a slash, so every quote and slash met outside strings and comments
// starts a token: the range comes out as a token-by-token scan leaves it.
void TxeJScriptSyn::DoScanToLineEnd() {
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
